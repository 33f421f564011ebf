#ifndef RLAY_PROJECTITEMBASE_H
#define RLAY_PROJECTITEMBASE_H

// A row of the project explorer: a name and a comment, a closed and an open
// icon, and the operations through which the tree talks to what the row
// stands for. By default each operation is handed up to the parent row, so an
// event on a document reaches the manager that owns it.

#include <QIcon>
#include <QTreeWidgetItem>

class DataStream;
class QPoint;

class ProjectItemBase : public QTreeWidgetItem
{
public:
    explicit ProjectItemBase(ProjectItemBase *parent = nullptr);
    ~ProjectItemBase() override;

    void setIcons(const QString &closedImage, const QString &openImage);
    void setTexts(const QString &name, const QString &comment);
    QString name() const { return text(0); }
    QString comment() const { return text(1); }

    // The row became, or stopped being, the current row.
    virtual void setCurrent(bool current);
    // Shows the row's context menu; true when somebody handled it.
    virtual bool contextMenu(const QPoint &globalPos);
    virtual void doubleClicked();
    virtual void collapsed();
    virtual void expanded();
    virtual void writeTexts(DataStream &stream) const;
    virtual void readTexts(DataStream &stream);
    // A row below became, or stopped being, current.
    virtual void setChildCurrent(ProjectItemBase *child, bool current);
    // Something in this row's subtree changed.
    virtual void setChanged();

    void setParentChanged();
    // The parent row, null at the top.
    ProjectItemBase *parentRow() const;

private:
    // Shared with every row of the same images; none until set.
    QIcon m_closedIcon;
    QIcon m_openIcon;
    bool m_hasIcons = false;
};

#endif
