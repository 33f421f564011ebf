#ifndef RLAY_DLGPROPSCHEMEGROUP_H
#define RLAY_DLGPROPSCHEMEGROUP_H

// The properties of a scheme group: its ATR number, the members of the
// title block that its sheets show in place of the project's (an empty
// field stands for the project's value), its comment and the schemes name
// written under its sheets with the small border. A new group is made only
// when the dialog is accepted.

#include "graphics/dlgproptemplate.h"
#include "schemes/schemegroup.h"

class Project;
class QPlainTextEdit;
class QSpinBox;
class RLineEdit;

class DlgPropSchemeGroup : public DlgPropTemplate<Project, SchemeGroup>
{
    Q_OBJECT

public:
    explicit DlgPropSchemeGroup(Project *project);

    void loadFromObject() override;
    void saveToObject() override;

    QSpinBox *atrSpin() const { return m_atr; }
    RLineEdit *commentEdit() const { return m_comment; }
    QPlainTextEdit *schemesNameEdit() const { return m_schemesName; }
    // The field of member property i (4 to 15); null for another index.
    RLineEdit *memberEdit(int index) const;

protected slots:
    void btnOkClick() override;

private:
    QSpinBox *m_atr;
    RLineEdit *m_members[SchemeGroup::MemberCount];
    RLineEdit *m_comment;
    QPlainTextEdit *m_schemesName;
};

#endif
