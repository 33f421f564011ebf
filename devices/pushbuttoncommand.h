#ifndef RLAY_PUSHBUTTONCOMMAND_H
#define RLAY_PUSHBUTTONCOMMAND_H

// A checkable button that shows the symbol of one command kind with its
// pin letters and the title of the kind's module type. The command dialog
// offers one per kind.

#include <QPushButton>

class PushButtonCommand : public QPushButton
{
    Q_OBJECT

public:
    PushButtonCommand(int kind, QWidget *parent = nullptr);
    ~PushButtonCommand() override;

    // Margins of 10 pixels round a symbol area of 200 x 150 units.
    QSize sizeHint() const override;

    int kind() const { return m_kind; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_kind;
};

#endif
