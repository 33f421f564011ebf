#ifndef RLAY_FOOTNOTE_H
#define RLAY_FOOTNOTE_H

// A footnote: a named mark whose items on the schemes stand for one net.

#include "model/tag.h"

class Footnote : public Tag
{
public:
    explicit Footnote(Project *project);
};

#endif
