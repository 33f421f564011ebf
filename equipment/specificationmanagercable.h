#ifndef RLAY_SPECIFICATIONMANAGERCABLE_H
#define RLAY_SPECIFICATIONMANAGERCABLE_H

// The cable specification branch of the project: the cables by frame pair
// and the pages that list them, saved in the cable specification side file
// together with the cable types in use.

#include "equipment/cable.h"
#include "equipment/specificationcable.h"
#include "equipment/specificationmanagerdevice.h"
#include "model/itemmenager.h"

#include <QHash>
#include <QList>
#include <QString>

class SpecificationManagerCable : public ItemMenager<SpecificationCable, DlgPropSpecificationCable>
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SpecificationManagerCable(Project *project, QList<QAction *> *actions = nullptr);
    // Deletes every cable.
    ~SpecificationManagerCable() override;

    // Something below the branch changed: its side file is due.
    void changed() override;

    int atrNumber() const { return m_atrNumber; }
    void setAtrNumber(int number) { m_atrNumber = number; }
    QString comment() const { return m_comment; }
    void setComment(const QString &comment) { m_comment = comment; }

    // The cables by frame pair, and the pairs in ascending order.
    const CableTable &cables() const { return m_cables; }
    const QList<quint64> &keys() const { return m_keys; }
    // The pairs that end at the frame of the code, in ascending order: what
    // its cable pages list, without a walk over the other frames' pairs.
    QList<quint64> keysOfFrame(quint32 code) const { return m_frameKeys.value(code); }
    // Appends a cable (taken) to the list of its frame pair.
    void addCable(quint64 key, Cable *cable);
    // A cable of the frame pair changed, or joined it.
    void cableChanged(quint64 key);

    // The cables, then the cable types in use; written ahead of the pages.
    void writeCables(DataStream &stream);
    // False when the data ends early or lists a frame pair twice.
    bool readCables(DataStream &stream);
    void writeTables(DataStream &stream) override { writeCables(stream); }
    bool readTables(DataStream &stream) override { return readCables(stream); }
    // A load starts from the default cable settings.
    void prepareLoad() override { Cable::resetGlobals(); }


public slots:
    // Edits the ATR number and comment.
    void clickSpecProperty();

private:
    void deleteCables();
    void rebuildKeys();
    void addFrameKeys(quint64 key);

    CableTable m_cables;
    QList<quint64> m_keys;
    QHash<quint32, QList<quint64>> m_frameKeys;
    int m_atrNumber = 0;
    QString m_comment;
};

// The ATR number and comment of the cable specification: the fields of the
// device specification's dialog.
class DlgPropSpecificationManagerCable : public DlgPropSpecificationManagerDevice
{
    Q_OBJECT

public:
    explicit DlgPropSpecificationManagerCable(QWidget *parent);
};

#endif
