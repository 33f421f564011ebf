#include "model/netwalk.h"

#include "model/check.h"
#include "model/pin.h"

#include <algorithm>
#include <vector>

// The walks of one kind.
struct NetWalkState
{
    // A step to enter the owner by the entry pin (a closing step has no
    // entry). A step handed on by pin has no owner until it is taken, and the
    // entry's place from the pin that handed it on.
    struct Step
    {
        PinOwner *owner;
        Pin *entry;
        unsigned char place;
    };

    // A stack that keeps its memory when emptied; a push stays inline, as the
    // walk pushes at every step.
    template <class T>
    class Stack
    {
    public:
        std::size_t size() const { return m_size; }
        void push(const T &item)
        {
            if (m_size == m_items.size())
                grow();
            m_items[m_size++] = item;
        }
        T pop() { return m_items[--m_size]; }
        // Drops the items above the first count.
        void truncate(std::size_t count) { m_size = std::min(m_size, count); }
        T *begin() { return m_items.data(); }
        T *end() { return m_items.data() + m_size; }

    private:
        void grow() { m_items.resize(std::max<std::size_t>(256, m_items.size() * 2)); }

        std::vector<T> m_items;
        std::size_t m_size = 0;
    };

    // The NetWalks of the kind open.
    int depth = 0;
    QSet<const void *> passed;
    // The item marks set, cleared when the outermost walk closes.
    Stack<unsigned char *> marked;
    // The steps waiting, of every walk of the kind open; each walk's lie
    // above those of the walk it was started from.
    Stack<Step> steps;
    // The entry of the step being taken until a NetWalk joins it.
    Pin *stepping = nullptr;
};

namespace {

// The walks' state lies in the second half of a page of its own: the
// marks at the heads of the pin slabs, which a walk reads at every step,
// fill the cache sets of the first quarter of every page, and state there
// would be evicted by them over and over.
struct alignas(4096) WalkStates
{
    char firstHalf[2048];
    NetWalkState kinds[NetWalk::KindCount];
};
WalkStates walkStates;
NetWalkState *const walksOfKind = walkStates.kinds;

} // namespace

NetWalk::NetWalk(Kind kind, Pin *entry)
    : m_kind(kind)
    , m_walks(&walksOfKind[kind])
{
    NetWalkState &walks = *m_walks;
    ++walks.depth;
    m_joined = entry && walks.stepping == entry;
    walks.stepping = nullptr;
    m_base = walks.steps.size();
}

NetWalk::~NetWalk()
{
    NetWalkState &walks = *m_walks;
    // Steps not taken (an answer found early) are dropped.
    if (!m_joined)
        walks.steps.truncate(m_base);
    if (--walks.depth > 0)
        return;
    walks.passed.clear();
    const unsigned char bit = static_cast<unsigned char>(1u << m_kind);
    for (unsigned char *marks : walks.marked)
        *marks &= static_cast<unsigned char>(~bit);
    walks.marked.truncate(0);
    walks.stepping = nullptr;
}

bool NetWalk::enter(const void *key)
{
    NetWalkState &walks = *m_walks;
    if (walks.passed.contains(key))
        return false;
    walks.passed.insert(key);
    return true;
}

bool NetWalk::enter(unsigned char &marks)
{
    const unsigned char bit = static_cast<unsigned char>(1u << m_kind);
    if (marks & bit)
        return false;
    marks |= bit;
    m_walks->marked.push(&marks);
    return true;
}

void NetWalk::handOn(PinOwner *owner, Pin *entry)
{
    m_walks->steps.push(NetWalkState::Step{owner, entry, 0});
}

void NetWalk::handOnPartnerOf(Pin *pin)
{
    if (Pin *partner = pin->partnerAhead())
        m_walks->steps.push(NetWalkState::Step{nullptr, partner, pin->partnerPlace()});
}

bool NetWalk::passThrough(Pin *entry, unsigned char place)
{
    Pin *first = Pin::firstOfBlock(entry, place);
    if (!enter(first->slabMarks()))
        return true;
    // Handed on last to first, the order next() would turn them round to.
    const int count = Pin::blockSize(place);
    if (m_closing) {
        // A pin beside the entry, read anyway, tells the owner.
        Pin *read = count < 2 ? entry : first == entry ? first + 1 : first;
        handOnClosing(read->owner());
    }
    for (int i = count - 1; i >= 0; --i) {
        Pin *p = first + i;
        if (p == entry)
            continue;
        if (p == m_target)
            return false;
        handOnPartnerOf(p);
    }
    m_handedFrom = m_walks->steps.size();
    return true;
}

void NetWalk::begin()
{
    m_handedFrom = m_base;
}

bool NetWalk::next()
{
    NetWalkState &walks = *m_walks;
    walks.stepping = nullptr;
    for (;;) {
        // The stack takes the last first: what the step handed on is
        // turned round, so that the first it handed on is taken next.
        if (walks.steps.size() > m_handedFrom + 1)
            std::reverse(walks.steps.begin() + std::ptrdiff_t(m_handedFrom), walks.steps.end());
        if (walks.steps.size() <= m_base)
            return false;
        const NetWalkState::Step step = walks.steps.pop();
        m_handedFrom = walks.steps.size();
        if (!step.owner && m_through && Pin::letsWalksThrough(step.place)) {
            if (!passThrough(step.entry, step.place)) {
                m_found = true;
                return false;
            }
            continue;
        }
        m_owner = step.owner ? step.owner : step.entry->owner();
        if (!m_owner) {
            // A pin being destroyed: it is not walked into.
            CHECK(m_kind != Collect);
            continue;
        }
        m_entry = step.entry;
        walks.stepping = step.entry;
        return true;
    }
}

void NetWalk::end()
{
    NetWalkState &walks = *m_walks;
    walks.stepping = nullptr;
    walks.steps.truncate(m_base);
}
