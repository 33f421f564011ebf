#ifndef RLAY_CONDUCTOR_H
#define RLAY_CONDUCTOR_H

// A conductor: a named wire whose items on the schemes stand for one net.

#include "model/tag.h"

class Conductor : public Tag
{
public:
    explicit Conductor(Project *project);
};

#endif
