#ifndef RLAY_IDENTIFIED_H
#define RLAY_IDENTIFIED_H

// A record that other records name in files by a 32-bit identity (a
// passage its clamps refer to, a place its item stands in). The project
// gives it its number and keeps it for the record's whole life.

#include <QtGlobal>

class Identified
{
public:
    Identified() = default;
    // A copy is another record: it gets a number of its own.
    Identified(const Identified &) {}
    Identified &operator=(const Identified &) { return *this; }

private:
    friend class Project;
    // 0 until the project gives it one.
    mutable qint32 m_identity = 0;
};

#endif
