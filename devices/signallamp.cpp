#include "devices/signallamp.h"

Signallamp::Signallamp(Project *project)
    : Device(project, SignallampKind)
{
}
