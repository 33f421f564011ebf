#include "devices/relay.h"

Relay::Relay(Project *project)
    : Device(project, RelayKind)
{
}
