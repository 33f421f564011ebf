#include "devices/module.h"

Module::Module(Project *project)
    : Device(project, ModuleKind)
{
}
