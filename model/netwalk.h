#ifndef RLAY_NETWALK_H
#define RLAY_NETWALK_H

// A walk along the soldered pins, from item to item, and the marks of what
// it has passed.
//
// An item that hands a walk on opens a NetWalk of the walk's kind, naming
// the pin it was entered by, and hands the walk on (handOn) to each pin to
// enter next. The steps wait on one stack and are taken one by one, in the
// order they were handed on and depth first, as a recursion would take
// them, but without one: a clew of any size is walked in constant stack.
// The item that starts a walk takes the steps (run); an item entered by a
// step joins the walk that took it and only hands on. A walk started from
// inside a step (another walk, with its own lists) is taken on its own
// before the step goes on.
//
// A sound drawing has no closed loop through connection and tag items, but
// several pins of one item may be reached (a slanting net's top pins, a
// footnote's items), and a damaged file or clipboard record may form a
// loop; with the marks each place is passed once and the walk ends. Each
// kind of walk keeps its own marks, so that one kind started from inside
// another is not cut short by it. The marks live while any NetWalk of that
// kind is open, so they span one whole walk, and are dropped when the
// outermost one closes. The program has one thread.

#include <QSet>

#include <cstddef>

class Pin;
class PinOwner;
struct NetWalkState;

class NetWalk
{
public:
    // The walk operations. The first four may mark items in place (the
    // items stay while the walk runs); a walk that follows a moved pin
    // (Attach) may merge and delete nets, and marks by key only.
    enum Kind { CollectPins, Collect, UpdateLinks, Connected, Attach, KindCount };

    // Opens a walk of the kind entered by the pin, or joins the walk whose
    // step is entering it.
    explicit NetWalk(Kind kind, Pin *entry = nullptr);
    ~NetWalk();

    NetWalk(const NetWalk &) = delete;
    NetWalk &operator=(const NetWalk &) = delete;

    // False when the key was entered before in this walk.
    bool enter(const void *key);
    // The same for marks kept in an item, one bit per kind of walk. The
    // item must outlive the walk (only for the kinds before Attach).
    bool enter(unsigned char &marks);

    // The owner is to be entered by the pin, after what was handed on
    // before.
    void handOn(PinOwner *owner, Pin *entry);
    // The same for the partner of the pin, when it has one (and the
    // partner an owner): a partner whose owner lets walks through is
    // stepped through by the walk itself (Pin::letWalksThrough), when the
    // walk that runs takes such steps (below).
    void handOnPartnerOf(Pin *pin);
    // The item is to be handed to the walk's closing step (a null entry),
    // after all that was handed on before has been walked.
    void handOnClosing(PinOwner *item) { handOn(item, nullptr); }

    // Takes the steps handed on, depth first, each by step(owner, entry),
    // until none is left or a step answers true; answers whether one did.
    // A walk that joined another leaves its steps to that one and answers
    // false.
    template <class Step>
    bool run(Step &&step)
    {
        if (m_joined)
            return false;
        begin();
        bool found = false;
        while (!found && next())
            found = step(m_owner, m_entry);
        end();
        return found || m_found;
    }

    // Lets the run take the steps through items that let walks through
    // itself: a walk whose steps hand on as those items do. A walk that
    // looks for a pin names it (it is found among those items' pins too);
    // one that lists the connection items it passes says so (each is then
    // handed to the closing step).
    void stepThrough(Pin *target = nullptr, bool closing = false)
    {
        m_through = true;
        m_target = target;
        m_closing = closing;
    }

private:
    void begin();
    bool next();
    void end();
    // Takes a step through an item that lets walks through: false when it
    // found the target.
    bool passThrough(Pin *entry, unsigned char place);

    Kind m_kind;
    NetWalkState *m_walks;
    bool m_joined = false;
    bool m_through = false;
    bool m_closing = false;
    bool m_found = false;
    Pin *m_target = nullptr;
    // Where this walk's steps begin on the stack of its kind, and the step
    // being taken.
    std::size_t m_base = 0;
    // Where the steps handed on by the step being taken begin.
    std::size_t m_handedFrom = 0;
    PinOwner *m_owner = nullptr;
    Pin *m_entry = nullptr;
};

#endif
