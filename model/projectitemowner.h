#ifndef RLAY_PROJECTITEMOWNER_H
#define RLAY_PROJECTITEMOWNER_H

// A project-tree row bound to the thing it stands for (a document, a frame,
// a manager). An instance that must hear of changes below it specialises
// setChanged for its owner's class.

#include "model/projectitembase.h"

template <class X>
class ProjectItemOwner : public ProjectItemBase
{
public:
    explicit ProjectItemOwner(X *owner, ProjectItemBase *parent = nullptr)
        : ProjectItemBase(parent)
        , m_owner(owner)
    {
    }

    X *owner() const { return m_owner; }
    // A row may stand for its thing before the thing exists.
    void setOwner(X *owner) { m_owner = owner; }

    void setChanged() override;

private:
    X *m_owner;
};

template <class X>
void ProjectItemOwner<X>::setChanged()
{
    ProjectItemBase::setChanged();
}

#endif
