#ifndef RLAY_DLGPROPTEMPLATE_H
#define RLAY_DLGPROPTEMPLATE_H

// The property dialogs of project items (schemes, scheme groups, the
// equipment scheme, frames, frame groups, specification pages): one
// sequence for a new item, made only when the user presses OK, and for an
// existing one. P is the project class, T the item class, made as T(P*).
//
// A dialog derives from DlgPropTemplate<P, T> (or, for a sheet, from
// DlgPropGraphicsScene<P, T>), builds its widgets, ends its constructor with
// addButtons, and overrides loadFromObject and saveToObject, which work on
// object(). It may carry Q_OBJECT; the template itself does not.

#include "graphics/dlgprop.h"
#include "model/check.h"

template <class P, class T>
class DlgPropTemplate : public DlgProp
{
public:
    // No parent: a top-level modal window.
    explicit DlgPropTemplate(P *project)
        : DlgProp(nullptr)
        , m_project(project)
    {
    }

    P *project() const { return m_project; }
    // The item being edited: the given one, or the new one once OK made it.
    T *object() const { return m_object; }

    // With an item: remembered and loaded into the dialog. The dialog runs;
    // on anything but OK the result is null and nothing changed. On OK
    // without an item a new T(project) is made; the dialog is written into
    // the item, which is returned.
    virtual T *execDialog(T *object)
    {
        m_object = object;
        if (m_object)
            loadFromObject();
        if (execModal(this) != QDialog::Accepted)
            return nullptr;
        if (!m_object)
            m_object = new T(m_project);
        if (!CHECK_PTR(m_object))
            return nullptr;
        saveToObject();
        return m_object;
    }

protected:
    P *m_project;
    T *m_object = nullptr;
};

// The base of the sheet dialogs: the same sequence, with an empty fill and
// apply that the sheet kinds fill in.
template <class P, class T>
class DlgPropGraphicsScene : public DlgPropTemplate<P, T>
{
public:
    explicit DlgPropGraphicsScene(P *project)
        : DlgPropTemplate<P, T>(project)
    {
    }

    void loadFromObject() override {}
    void saveToObject() override {}
};

#endif
