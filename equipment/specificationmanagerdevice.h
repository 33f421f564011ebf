#ifndef RLAY_SPECIFICATIONMANAGERDEVICE_H
#define RLAY_SPECIFICATIONMANAGERDEVICE_H

// The device specification branch of the project: the bills of devices,
// saved in the device specification side file.

#include "model/projectitemowner.h"

#include <QList>
#include <QObject>
#include <QString>

class DataStream;
class Project;
class QAction;

class SpecificationManagerDevice : public QObject
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SpecificationManagerDevice(Project *project, QList<QAction *> *actions = nullptr);
    ~SpecificationManagerDevice() override;

    Project *project() const { return m_project; }
    ProjectItemOwner<SpecificationManagerDevice> *treeItem() const { return m_treeItem; }

    // Something below the branch changed: its side file is due.
    virtual void changed();

    int atrNumber() const { return m_atrNumber; }
    void setAtrNumber(int number) { m_atrNumber = number; }
    QString comment() const { return m_comment; }
    void setComment(const QString &comment) { m_comment = comment; }

    // The passes of a save and a load over the groups of pages. The list
    // record begins with the manager's ATR number and comment.
    virtual void writeItems(DataStream &stream);
    virtual void readItems(DataStream &stream);
    virtual void saveFirst(DataStream &stream);
    virtual bool loadFirst(DataStream &stream);
    virtual bool saveSecond(DataStream &stream);
    virtual bool loadSecond(DataStream &stream);

private:
    Project *m_project;
    QList<QAction *> *m_actions;
    ProjectItemOwner<SpecificationManagerDevice> *m_treeItem = nullptr;
    int m_atrNumber = 0;
    QString m_comment;
    // Groups found in a file that this branch cannot hold yet.
    qint32 m_unreadItems = 0;
};

// The branch's row tells its manager of every change below it.
template <>
void ProjectItemOwner<SpecificationManagerDevice>::setChanged();

#endif
