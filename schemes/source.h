#ifndef RLAY_SOURCE_H
#define RLAY_SOURCE_H

// A source: a named supply point of the schemes; all its items stand for
// the same supply.

#include "model/tag.h"

class Source : public Tag
{
public:
    explicit Source(Project *project);
};

#endif
