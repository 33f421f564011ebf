#ifndef RLAY_RCOLORPUSHBUTTON_H
#define RLAY_RCOLORPUSHBUTTON_H

// Push button that holds a colour, shows it as a square icon and lets the
// user pick another one in the colour dialog.

#include <QColor>
#include <QPushButton>

class RColorPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit RColorPushButton(QWidget *parent);

    void setColor(const QColor &color);
    QColor color() const { return m_color; }

public slots:
    // Cancelling the dialog keeps the colour.
    void showDlgColor();

private:
    QColor m_color;
};

#endif
