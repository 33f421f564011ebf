#ifndef RLAY_SPECIFICATIONMANAGERCABLE_H
#define RLAY_SPECIFICATIONMANAGERCABLE_H

// The cable specification branch of the project: the cables by frame pair
// and the pages that list them, saved in the cable specification side file
// together with the cable types in use.

#include "equipment/cable.h"
#include "model/projectitemowner.h"

#include <QList>
#include <QObject>
#include <QString>

class DataStream;
class Project;
class QAction;

class SpecificationManagerCable : public QObject
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SpecificationManagerCable(Project *project, QList<QAction *> *actions = nullptr);
    // Deletes every cable.
    ~SpecificationManagerCable() override;

    Project *project() const { return m_project; }
    ProjectItemOwner<SpecificationManagerCable> *treeItem() const { return m_treeItem; }

    // Something below the branch changed: its side file is due.
    virtual void changed();

    int atrNumber() const { return m_atrNumber; }
    void setAtrNumber(int number) { m_atrNumber = number; }
    QString comment() const { return m_comment; }
    void setComment(const QString &comment) { m_comment = comment; }

    // The cables by frame pair, and the pairs in ascending order.
    const CableTable &cables() const { return m_cables; }
    const QList<quint64> &keys() const { return m_keys; }
    // Appends a cable (taken) to the list of its frame pair.
    void addCable(quint64 key, Cable *cable);

    // The cables, then the cable types in use; written ahead of the pages.
    void writeCables(DataStream &stream);
    // False when the data ends early.
    bool readCables(DataStream &stream);

    // The passes of a save and a load over the pages.
    virtual void writeItems(DataStream &stream);
    virtual void readItems(DataStream &stream);
    virtual void saveFirst(DataStream &stream);
    virtual bool loadFirst(DataStream &stream);
    virtual bool saveSecond(DataStream &stream);
    virtual bool loadSecond(DataStream &stream);

private:
    void deleteCables();
    void rebuildKeys();

    Project *m_project;
    QList<QAction *> *m_actions;
    ProjectItemOwner<SpecificationManagerCable> *m_treeItem = nullptr;
    CableTable m_cables;
    QList<quint64> m_keys;
    int m_atrNumber = 0;
    QString m_comment;
    // Pages found in a file that this branch cannot hold yet.
    qint32 m_unreadItems = 0;
};

// The branch's row tells its manager of every change below it.
template <>
void ProjectItemOwner<SpecificationManagerCable>::setChanged();

#endif
