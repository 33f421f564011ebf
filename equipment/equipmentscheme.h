#ifndef RLAY_EQUIPMENTSCHEME_H
#define RLAY_EQUIPMENTSCHEME_H

// The document at the head of the equipment branch. What it stores is the
// table of cable lengths between frames; nothing drawn on its sheet is
// saved.

#include "graphics/graphicsscene.h"

#include <QHash>

class EquipmentScheme : public GraphicsScene
{
    Q_OBJECT

public:
    // From frame code to frame code to the distance (0 for none; below 500
    // metres, from 500 on millimetres).
    using DistanceTable = QHash<quint32, QHash<quint32, quint32>>;

    explicit EquipmentScheme(Project *project);

    const DistanceTable &distances() const { return m_distances; }
    // Replaces the whole table; the sheet becomes modified.
    void setDistances(const DistanceTable &table);

    // No item can be inserted on this sheet.
    DlgPropGraphicsItem *createDialog(int type) override;
    bool hasDialog(int) const override { return false; }
    GraphicsEdit *createEdit(QList<QAction *> *actions) override;
    int groupNumber() const override;
    // The distance table only: no sheet header, no items.
    void saveScene(DataStream &stream) override;
    // Always succeeds; a damaged table is left empty and the stream keeps
    // its state for the caller.
    bool loadScene(DataStream &stream) override;

private:
    DistanceTable m_distances;
};

#endif
