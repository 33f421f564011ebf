#ifndef RLAY_SIGNALLAMP_H
#define RLAY_SIGNALLAMP_H

// A signal lamp of one of signallampColors, with a small number
// after its colour letter.

#include "devices/twopindevice.h"

class Signallamp : public PanelLight
{
public:
    explicit Signallamp(Project *project);
    ~Signallamp() override;
};

#endif
