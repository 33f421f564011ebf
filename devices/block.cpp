#include "devices/block.h"

Block::Block(Project *project)
    : Device(project, BlockKind)
{
}
