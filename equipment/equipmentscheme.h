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

    // The distance stored for two frames, under either order; 0 when none
    // is known or when both codes name the same frame. It raises no box, so
    // that pages may call it while painting: a request of the user reports
    // a 0 through distanceError.
    quint32 distance(quint32 a, quint32 b) const;
    // The distance in metres: millimetres (500 and more) rounded up.
    quint32 distanceBetween(quint32 a, quint32 b) const;
    // "Distance not correct between %1 and %2 frame!" for a pair without a
    // distance, the failed condition's message for one frame given twice,
    // empty when the pair has a distance.
    QString distanceError(quint32 a, quint32 b) const;

    // Whether a code can name a frame: a frame kind of the tables, in 24
    // bits. The table keeps entries of other codes as they were read.
    static bool isFrameCode(quint32 code);
    // The frame's text (no bare "-" prefix); a code that can name no frame
    // shows its number.
    static QString frameCodeText(quint32 code);

    // No item can be inserted on this sheet.
    DlgPropGraphicsItem *createDialog(int type) override;
    bool hasDialog(int) const override { return false; }
    GraphicsEdit *createEdit(QList<QAction *> *actions) override;
    int groupNumber() const override;
    // The distance table only: no sheet header, no items.
    void saveScene(DataStream &stream) override;
    // Always succeeds; every entry is kept as read (the project check names
    // those that name no frame of the project), a damaged table is left
    // empty and the stream keeps its state for the caller.
    bool loadScene(DataStream &stream) override;

private:
    DistanceTable m_distances;
};

#endif
