#include "model/netwalk.h"

namespace {

struct Marks
{
    int depth = 0;
    QSet<const void *> passed;
};

Marks &marksOf(NetWalk::Kind kind)
{
    static Marks marks[NetWalk::KindCount];
    return marks[kind];
}

} // namespace

NetWalk::NetWalk(Kind kind)
    : m_kind(kind)
{
    ++marksOf(m_kind).depth;
}

NetWalk::~NetWalk()
{
    Marks &marks = marksOf(m_kind);
    if (--marks.depth == 0)
        marks.passed.clear();
}

bool NetWalk::enter(const void *key)
{
    Marks &marks = marksOf(m_kind);
    if (marks.passed.contains(key))
        return false;
    marks.passed.insert(key);
    return true;
}
