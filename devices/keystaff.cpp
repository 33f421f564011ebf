#include "devices/keystaff.h"

Keystaff::Keystaff(Project *project)
    : Device(project, KeystaffKind)
{
}
