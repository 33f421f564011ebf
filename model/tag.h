#ifndef RLAY_TAG_H
#define RLAY_TAG_H

// The object of a tag kind (source, footnote, conductor): it has no fields of
// its own, and all scene items bound to one tag together form one net.

#include "model/obj.h"

class Tag : public Obj
{
public:
    Tag(Project *project, int kind);
    ~Tag() override;

    // Hands a net-links update on through every item of the tag, skipping
    // the pin it came from.
    void updateNetLinks(Pin *from, QList<Pin *> &pins);
    // Whether target is reached through the items of the tag.
    bool isConnected(Pin *target, Pin *from);
};

#endif
