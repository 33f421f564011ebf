#ifndef RLAY_SCHEMEMENAGER_H
#define RLAY_SCHEMEMENAGER_H

// The scheme branch of the project: the scheme groups and their schemes,
// saved in the schemes side file.

#include "model/projectitemowner.h"

#include <QList>
#include <QObject>

class DataStream;
class Project;
class QAction;
class QTreeWidget;

class SchemeMenager : public QObject
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SchemeMenager(Project *project, QList<QAction *> *actions = nullptr);
    ~SchemeMenager() override;

    Project *project() const { return m_project; }
    ProjectItemOwner<SchemeMenager> *treeItem() const { return m_treeItem; }

    // Something below the branch changed: its side file is due.
    virtual void changed();
    // Checks the documents of the branch; the results go to the list.
    void check(QTreeWidget *results, int code);

    // Gives every scheme group its numbered directory beside the main file
    // and every scheme its own file in it; false at the first failure, its
    // message shown.
    bool prepareSchemeFiles(const QString &directory);

    // The passes of a save and a load over the scheme groups. The list
    // records go to the side file; the scheme drawings to their own files.
    virtual void writeItems(DataStream &stream);
    virtual void readItems(DataStream &stream);
    virtual void saveFirst(DataStream &stream);
    virtual bool loadFirst(DataStream &stream);
    virtual bool saveSecond(DataStream &stream);
    virtual bool loadSecond(DataStream &stream);
    virtual bool updatePointers(bool first);

private:
    Project *m_project;
    QList<QAction *> *m_actions;
    ProjectItemOwner<SchemeMenager> *m_treeItem = nullptr;
    // Scheme groups found in a file that this branch cannot hold yet.
    qint32 m_unreadItems = 0;
};

// The branch's row tells its manager of every change below it.
template <>
void ProjectItemOwner<SchemeMenager>::setChanged();

#endif
