#ifndef RLAY_DLGSETTINGS_H
#define RLAY_DLGSETTINGS_H

// The settings dialog: one check box per display flag.

#include "model/displayflags.h"

#include <QDialog>

class QCheckBox;

class DlgSettings : public QDialog
{
    Q_OBJECT

public:
    explicit DlgSettings(QWidget *parent = nullptr);

public slots:
    void btnOkClick();

private:
    QCheckBox *m_hideHelp;
    QCheckBox *m_showSchemeName;
    QCheckBox *m_showStrTemplateCommand;
    QCheckBox *m_showStrSolderCommandInTable;
    QCheckBox *m_showAtrNumWith0;
    QCheckBox *m_showNumContacts;
    QCheckBox *m_showBigDeviceNames;
};

#endif
