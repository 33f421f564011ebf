#ifndef RLAY_PUSHBUTTONSLANTINGNET_H
#define RLAY_PUSHBUTTONSLANTINGNET_H

// A push button that shows one shape of the slanting net, drawn blue while
// the button is checked.

#include <QPushButton>

class PushButtonSlantingNet : public QPushButton
{
    Q_OBJECT

public:
    PushButtonSlantingNet(bool wide, QWidget *parent);

    bool isWide() const { return m_wide; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_wide;
};

#endif
