#include "devices/signallamp.h"

#include "devices/signallampcatalogue.h"

Signallamp::Signallamp(Project *project)
    : PanelLight(project, SignallampKind, signallampCatalogue)
{
}

Signallamp::~Signallamp() = default;
