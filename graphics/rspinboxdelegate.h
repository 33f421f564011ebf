#ifndef RLAY_RSPINBOXDELEGATE_H
#define RLAY_RSPINBOXDELEGATE_H

// Edits a whole number from 0 to 250 in a table cell with a small spin box.

#include <QItemDelegate>

class RSpinBoxDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit RSpinBoxDelegate(QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};

#endif
