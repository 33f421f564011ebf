#include "graphics/rspinboxdelegate.h"

#include "model/check.h"

#include <QSpinBox>

RSpinBoxDelegate::RSpinBoxDelegate(QObject *parent)
    : QItemDelegate(parent)
{
}

QWidget *RSpinBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &) const
{
    auto *editor = new QSpinBox(parent);
    editor->setRange(0, 250);
    editor->installEventFilter(const_cast<RSpinBoxDelegate *>(this));
    return editor;
}

void RSpinBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *spinBox = qobject_cast<QSpinBox *>(editor);
    if (!CHECK_PTR(spinBox))
        return;
    spinBox->setValue(index.model()->data(index, Qt::DisplayRole).toInt());
}

void RSpinBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    auto *spinBox = qobject_cast<QSpinBox *>(editor);
    if (!CHECK_PTR(spinBox) || !CHECK_PTR(model))
        return;
    spinBox->interpretText();
    model->setData(index, spinBox->value(), Qt::EditRole);
}

void RSpinBoxDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(QRect(option.rect.topLeft(), QSize(45, 20)));
}
