#include "devices/fuse.h"

Fuse::Fuse(Project *project)
    : Device(project, FuseKind)
{
}
