#ifndef RLAY_DLGPROPSCHEME_H
#define RLAY_DLGPROPSCHEME_H

// The sheet properties of a scheme: its comment (the sheet's name), sheet
// number, paper format, sheets across, orientation, binding position and
// border type, with a small preview of the sheet's outline. A new scheme is
// made only when the dialog is accepted.

#include "graphics/dlgproptemplate.h"
#include "schemes/scheme.h"

class FramePageView;
class Project;
class QRadioButton;
class QSpinBox;
class RComboBox;
class RLineEdit;

class DlgPropScheme : public DlgPropGraphicsScene<Project, Scheme>
{
    Q_OBJECT

public:
    explicit DlgPropScheme(Project *project);

    void loadFromObject() override;
    void saveToObject() override;

    RComboBox *formatCombo() const { return m_format; }
    RLineEdit *commentEdit() const { return m_comment; }
    QSpinBox *numberSpin() const { return m_number; }
    QSpinBox *acrossSpin() const { return m_across; }
    QRadioButton *portraitButton() const { return m_portrait; }
    QRadioButton *landscapeButton() const { return m_landscape; }
    RComboBox *bindingCombo() const { return m_binding; }
    RComboBox *borderCombo() const { return m_border; }
    FramePageView *preview() const { return m_preview; }

public slots:
    // The preview follows the orientation and the sheets across.
    void updateFrame();

protected slots:
    void btnOkClick() override;

private:
    RComboBox *m_format;
    RLineEdit *m_comment;
    QSpinBox *m_number;
    QSpinBox *m_across;
    QRadioButton *m_portrait;
    QRadioButton *m_landscape;
    RComboBox *m_binding;
    RComboBox *m_border;
    FramePageView *m_preview;
};

#endif
