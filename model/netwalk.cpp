#include "model/netwalk.h"

#include <algorithm>
#include <vector>

namespace {

struct Step
{
    PinOwner *owner;
    Pin *entry;
};

struct Walks
{
    // The NetWalks of the kind open.
    int depth = 0;
    QSet<const void *> passed;
    // The item marks set, cleared when the outermost walk closes.
    std::vector<unsigned char *> marked;
    // The steps waiting, of every walk of the kind open; each walk's lie
    // above those of the walk it was started from.
    std::vector<Step> steps;
    // The entry of the step being taken until a NetWalk joins it.
    Pin *stepping = nullptr;
};

Walks &walksOf(NetWalk::Kind kind)
{
    static Walks walks[NetWalk::KindCount];
    return walks[kind];
}

} // namespace

NetWalk::NetWalk(Kind kind, Pin *entry)
    : m_kind(kind)
{
    Walks &walks = walksOf(m_kind);
    ++walks.depth;
    m_joined = entry && walks.stepping == entry;
    walks.stepping = nullptr;
    m_base = walks.steps.size();
}

NetWalk::~NetWalk()
{
    Walks &walks = walksOf(m_kind);
    // Steps not taken (an answer found early) are dropped.
    if (!m_joined)
        walks.steps.resize(m_base);
    if (--walks.depth > 0)
        return;
    walks.passed.clear();
    const unsigned char bit = static_cast<unsigned char>(1u << m_kind);
    for (unsigned char *marks : walks.marked)
        *marks &= static_cast<unsigned char>(~bit);
    walks.marked.clear();
    walks.stepping = nullptr;
}

bool NetWalk::enter(const void *key)
{
    Walks &walks = walksOf(m_kind);
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
    walksOf(m_kind).marked.push_back(&marks);
    return true;
}

void NetWalk::handOn(PinOwner *owner, Pin *entry)
{
    walksOf(m_kind).steps.push_back(Step{owner, entry});
}

void NetWalk::begin()
{
    m_handedFrom = m_base;
}

bool NetWalk::next()
{
    Walks &walks = walksOf(m_kind);
    walks.stepping = nullptr;
    // The stack takes the last first: what the step handed on is turned
    // round, so that the first it handed on is taken next.
    std::reverse(walks.steps.begin() + std::ptrdiff_t(m_handedFrom), walks.steps.end());
    if (walks.steps.size() <= m_base)
        return false;
    const Step step = walks.steps.back();
    walks.steps.pop_back();
    m_owner = step.owner;
    m_entry = step.entry;
    m_handedFrom = walks.steps.size();
    walks.stepping = step.entry;
    return true;
}

void NetWalk::end()
{
    Walks &walks = walksOf(m_kind);
    walks.stepping = nullptr;
    walks.steps.resize(m_base);
}
