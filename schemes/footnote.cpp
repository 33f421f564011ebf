#include "schemes/footnote.h"

Footnote::Footnote(Project *project)
    : Tag(project, FootnoteKind)
{
}
