#ifndef RLAY_NETWALK_H
#define RLAY_NETWALK_H

// Marks what a walk along the soldered pins has passed. A sound drawing has
// no closed loop through connection and tag items, but a damaged file or
// clipboard record may form one; with these marks each place of such a loop
// is passed once and the walk ends.
//
// Every item that hands a walk on opens a NetWalk of the walk's kind on the
// stack and enters its key (the item, or the part of the item the walk goes
// through). The marks live while any NetWalk of that kind is open, so they
// span one whole walk however deep it goes, and are dropped when the
// outermost one closes. The program has one thread.

#include <QSet>

class NetWalk
{
public:
    // The walk operations; each keeps its own marks, so that one kind of
    // walk started from inside another is not cut short by it.
    enum Kind { CollectPins, Collect, UpdateLinks, Connected, Attach, KindCount };

    explicit NetWalk(Kind kind);
    ~NetWalk();

    NetWalk(const NetWalk &) = delete;
    NetWalk &operator=(const NetWalk &) = delete;

    // False when the key was entered before in this walk.
    bool enter(const void *key);

private:
    Kind m_kind;
};

#endif
