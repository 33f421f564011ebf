#include "schemes/source.h"

Source::Source(Project *project)
    : Tag(project, SourceKind)
{
}
