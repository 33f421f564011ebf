#ifndef RLAY_PUSHBUTTONCONTACT_H
#define RLAY_PUSHBUTTONCONTACT_H

// A checkable button that shows the symbol of one contact kind; the contact
// dialog offers one per kind. The symbol is blue while the button is checked
// and shows the energised or the released state as contactPictureUnderCurrent
// says.

#include <QPushButton>

class PushButtonContact : public QPushButton
{
    Q_OBJECT

public:
    explicit PushButtonContact(int kind, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_kind;
};

#endif
