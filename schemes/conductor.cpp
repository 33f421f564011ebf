#include "schemes/conductor.h"

Conductor::Conductor(Project *project)
    : Tag(project, ConductorKind)
{
}
