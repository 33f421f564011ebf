#ifndef RLAY_DLGPROPSCHEMEGROUP_H
#define RLAY_DLGPROPSCHEMEGROUP_H

// The properties of a scheme group: its ATR number and its comment.

#include "graphics/dlgprop.h"

class Project;
class QSpinBox;
class RLineEdit;
class SchemeGroup;

class DlgPropSchemeGroup : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropSchemeGroup(Project *project);

    // The same contract as DlgPropScheme::execDialog, for a group.
    SchemeGroup *execDialog(SchemeGroup *group);

    void loadFromObject() override;
    void saveToObject() override;

    QSpinBox *atrSpin() const { return m_atr; }
    RLineEdit *commentEdit() const { return m_comment; }

private:
    Project *m_project;
    SchemeGroup *m_group = nullptr;
    QSpinBox *m_atr;
    RLineEdit *m_comment;
};

#endif
