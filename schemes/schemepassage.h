#ifndef RLAY_SCHEMEPASSAGE_H
#define RLAY_SCHEMEPASSAGE_H

// What a scheme asks of a passage (the scene item of type UserType + 104)
// to keep its passage table: the passage's clamps in their order, which of
// them belong to the bottom panel (placed by their bottom item, not by the
// table, whose label the table draws instead), their labels, and letting
// go of them when the passage leaves the sheet. The passage item implements
// it beside its scene-item bases.

#include <QString>

class GraphicsItem;

class SchemePassage
{
public:
    virtual ~SchemePassage();

    virtual int clampCount() const = 0;
    // The clamp item at a place of the list; null for a place out of range.
    virtual GraphicsItem *clampItem(int index) const = 0;
    // The clamp belongs to the bottom panel (catalogue index 2).
    virtual bool isBottomClamp(int index) const = 0;
    // The clamp's full label: panel address, separator, clamp name.
    virtual QString clampLabel(int index) const = 0;
    // Each clamp, last to first, leaves the passage and, unless it belongs
    // to the bottom panel, is taken off the sheet.
    virtual void releaseClamps() = 0;
};

#endif
