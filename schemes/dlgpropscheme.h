#ifndef RLAY_DLGPROPSCHEME_H
#define RLAY_DLGPROPSCHEME_H

// The sheet properties of a scheme: its comment (the sheet's name) and its
// sheet number. A new scheme is an A3 sheet, landscape, one sheet across.

#include "graphics/dlgprop.h"

class Project;
class QSpinBox;
class RLineEdit;
class Scheme;

class DlgPropScheme : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropScheme(Project *project);

    // Fills the dialog from the scheme when one is given and runs it; on Ok
    // a new scheme when none was given, the fields applied, the scheme
    // returned; null on Cancel.
    Scheme *execDialog(Scheme *scheme);

    void loadFromObject() override;
    void saveToObject() override;

    RLineEdit *commentEdit() const { return m_comment; }
    QSpinBox *numberSpin() const { return m_number; }

private:
    Project *m_project;
    Scheme *m_scheme = nullptr;
    RLineEdit *m_comment;
    QSpinBox *m_number;
};

#endif
