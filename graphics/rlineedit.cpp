#include "graphics/rlineedit.h"

RLineEdit::RLineEdit(QWidget *parent, int width)
    : QLineEdit(parent)
{
    m_sizeHint = QLineEdit::sizeHint();
    if (width != 0)
        m_sizeHint.setWidth(width);
}

QSize RLineEdit::sizeHint() const
{
    return m_sizeHint;
}

void RLineEdit::keyPressEvent(QKeyEvent *event)
{
    const QString before = text();
    QLineEdit::keyPressEvent(event);
    const QString after = text();
    if (after != before)
        emit textModification(after);
}

void RLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit enterFocus();
}
