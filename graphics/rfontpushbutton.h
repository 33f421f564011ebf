#ifndef RLAY_RFONTPUSHBUTTON_H
#define RLAY_RFONTPUSHBUTTON_H

// Push button that holds a font, names it as "family, size" and lets the
// user pick another one in the font dialog.

#include <QFont>
#include <QPushButton>

class RFontPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit RFontPushButton(QWidget *parent);

    void setSelectedFont(const QFont &font);
    QFont selectedFont() const { return m_font; }

public slots:
    // Cancelling the dialog keeps the font.
    void showDlgFont();

private:
    QFont m_font;
};

#endif
