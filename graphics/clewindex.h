#ifndef RLAY_CLEWINDEX_H
#define RLAY_CLEWINDEX_H

// Answers the same-clew question of the soldering ("is this pin already
// reached from that item?") while many pins are joined at once, as when a
// moved selection is released. A walk per question would pass the whole
// clew again for every pin offered; the index labels the pins of each clew
// it meets once, keeps the labels through the soldering done meanwhile
// (joined clews merge, a clew that loses a joint is labelled afresh when
// next asked about), and answers from the labels.
//
// Pins are joined into parts as the walks pass them: through a soldered
// pair, through a net, node or passage (every pin with every other), a
// cross net (each pin with its opposite) and a bound tag (every pin of all
// its items). A slanting net passes a walk between its pins 0 or 1 and pin
// 2 only, so its pins stay apart and the index follows such links from
// part to part. A walk that enters a clamp reaches all its pins but goes no
// further, and one that enters a tag item bound to no tag is answered yes:
// the index keeps both true as joints are made. Where the parts cannot tell
// the walk's answer (a closed loop of damaged data, also through slanting
// nets, an item kind the index does not know, an entry or target pin that
// is soldered) the item's own walk answers.
//
// One index is open while any ClewIndex object lives; the outermost one
// opens and closes it. The program has one thread.

class Pin;
class PinOwner;

class ClewIndex
{
public:
    ClewIndex();
    ~ClewIndex();

    ClewIndex(const ClewIndex &) = delete;
    ClewIndex &operator=(const ClewIndex &) = delete;

    // What item->isConnected(target, entry) answers: from the index while
    // one is open, else by the walk.
    static bool isConnected(PinOwner *item, Pin *target, Pin *entry);

private:
    class Data;
    static Data *s_data;
    bool m_outermost;
};

#endif
