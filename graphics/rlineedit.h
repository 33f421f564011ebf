#ifndef RLAY_RLINEEDIT_H
#define RLAY_RLINEEDIT_H

// Line edit with a preferred width fixed at construction that reports
// changes made by the user's keys and the moment it takes the focus.

#include <QLineEdit>
#include <QSize>

class RLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    // A width of 0 keeps the framework's preferred width.
    RLineEdit(QWidget *parent, int width);

    QSize sizeHint() const override;

signals:
    // The text after a key that changed it; setText() does not emit it.
    void textModification(const QString &text);
    void enterFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QSize m_sizeHint;
};

#endif
