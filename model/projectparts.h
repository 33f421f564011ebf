#ifndef RLAY_PROJECTPARTS_H
#define RLAY_PROJECTPARTS_H

// What the folders above the model add to every project: the kinds of
// objects, each with the factory that makes an empty one and its name, and
// the factories of the project's four branches and of its reference sheet.
// Each folder registers its own once, before any project is built, in the
// fixed order of app/registration.cpp; a project reads them when it is
// built and includes none of them.

#include <QList>
#include <QtGlobal>

class GraphicsScene;
class ItemMenagerBase;
class Obj;
class Project;
class QAction;

// One row of the kind table.
struct DeviceKindEntry
{
    int kind;
    Obj *(*factory)(Project *project);
    // Untranslated; also the translation key in the context "Project".
    const char *name;
    quint8 renamesPinsOnAddressChange;
    quint8 hasPositionCode;
    quint8 pinNamesByPosition;
    quint8 reserved;
};

// A factory row's maker of an empty object of its kind.
template <class T>
Obj *createObj(Project *project)
{
    return new T(project);
}

class ProjectParts
{
public:
    // The branches in the order in which a project makes them.
    enum Branch { SchemesBranch, EquipmentBranch, SpecificationDeviceBranch, SpecificationCableBranch, BranchCount };
    using BranchFactory = ItemMenagerBase *(*)(Project *project, QList<QAction *> *actions);
    using SheetFactory = GraphicsScene *(*)(Project *project);

    // Appends the rows to the kind table, in their order.
    template <int N>
    static void addKinds(const DeviceKindEntry (&rows)[N])
    {
        for (const DeviceKindEntry &row : rows)
            addKind(row);
    }
    static void addKind(const DeviceKindEntry &row);
    // Every kind registered, in the order registered.
    static const QList<DeviceKindEntry> &kinds();

    static void setBranchFactory(Branch branch, BranchFactory factory);
    static void setReferenceSheetFactory(SheetFactory factory);
    // What the registered factories make; null after a failed check when
    // none is registered.
    static ItemMenagerBase *createBranch(Branch branch, Project *project, QList<QAction *> *actions);
    static GraphicsScene *createReferenceSheet(Project *project);
};

#endif
