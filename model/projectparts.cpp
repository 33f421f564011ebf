#include "model/projectparts.h"

#include "model/check.h"

namespace {

// Made on first use: a folder may register while the library loads,
// before or after this unit's own globals are made.
struct Parts
{
    QList<DeviceKindEntry> kinds;
    ProjectParts::BranchFactory branches[ProjectParts::BranchCount] = {};
    ProjectParts::SheetFactory referenceSheet = nullptr;
};

Parts &parts()
{
    static Parts registered;
    return registered;
}

} // namespace

void ProjectParts::addKind(const DeviceKindEntry &row)
{
    parts().kinds.append(row);
}

const QList<DeviceKindEntry> &ProjectParts::kinds()
{
    return parts().kinds;
}

void ProjectParts::setBranchFactory(Branch branch, BranchFactory factory)
{
    if (branch >= 0 && branch < BranchCount)
        parts().branches[branch] = factory;
}

ItemMenagerBase *ProjectParts::createBranch(Branch branch, Project *project, QList<QAction *> *actions)
{
    const BranchFactory make = branch >= 0 && branch < BranchCount ? parts().branches[branch] : nullptr;
    return CHECK(make != nullptr) ? make(project, actions) : nullptr;
}

void ProjectParts::setReferenceSheetFactory(SheetFactory factory)
{
    parts().referenceSheet = factory;
}

GraphicsScene *ProjectParts::createReferenceSheet(Project *project)
{
    const SheetFactory make = parts().referenceSheet;
    return CHECK(make != nullptr) ? make(project) : nullptr;
}
