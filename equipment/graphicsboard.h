#ifndef RLAY_GRAPHICSBOARD_H
#define RLAY_GRAPHICSBOARD_H

// A board of a frame layout: a container of level 4 that the user puts into
// a place of a frame part or a panel, or that a panel's kind builds in. Its
// board type chooses the container kind, and with it the board's places;
// a device put into one of them takes the place's number as the last field
// of its address.

#include "equipment/graphicsplacecontainer.h"

class GraphicsBoard : public GraphicsPlaceContainer
{
public:
    enum { Type = UserType + 103 };

    explicit GraphicsBoard(GraphicsScene *scene);

    int type() const override { return Type; }
    // A row of the board table; -1 until one is chosen.
    int containerType() const override { return m_boardType; }
    // Stores the type and builds the places of its container kind; false
    // (after the check box) for a type outside the table, which is kept
    // but gives no places.
    bool setContainerType(int type) override;
    void keepContainerType(int type) override { m_boardType = type; }
    int level() const override { return 4; }

private:
    int m_boardType = -1;
};

// The frame layout's factory of boards.
GraphicsItem *createGraphicsBoard(GraphicsScene *scene);

#endif
