#include "graphics/rcombobox.h"

#include <QVariant>

RComboBox::RComboBox(QWidget *parent, int width)
    : QComboBox(parent)
{
    m_sizeHint = QComboBox::sizeHint();
    if (width != 0)
        m_sizeHint.setWidth(width);
}

QSize RComboBox::sizeHint() const
{
    return m_sizeHint;
}

void RComboBox::insertComboItemSorted(const QString &text, int value)
{
    int index = 0;
    const int n = count();
    while (index < n && !(itemText(index) > text))
        ++index;
    insertItem(index, text, value);
}

int RComboBox::comboCurrentData() const
{
    return itemData(currentIndex(), Qt::UserRole).toInt();
}
