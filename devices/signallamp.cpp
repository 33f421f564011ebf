#include "devices/signallamp.h"

#include "devices/signallampcatalogue.h"

Signallamp::Signallamp(Project *project)
    : TwoPinDevice(project, SignallampKind, signallampCatalogue)
{
}

Signallamp::~Signallamp() = default;

int Signallamp::placeType() const
{
    return 153;
}
