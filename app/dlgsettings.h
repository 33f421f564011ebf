#ifndef RLAY_DLGSETTINGS_H
#define RLAY_DLGSETTINGS_H

// The seven display options the user sets once for all projects. The flags
// are process-wide and read by the document painters while they draw; they
// hold their defaults until DlgSettings::load runs at start-up.

#include <QDialog>

class QCheckBox;

extern bool hideHelp;                    // "hide_help", default false
extern bool showSchemeName;              // "show_scheme_name", default true
extern bool showStrTemplateCommand;      // "show_str_template_command", default false
extern bool showStrSolderCommandInTable; // "show_str_solder_command_in_table", default false
extern bool showAtrNumWith0;             // "show_atr_num_with_0", default true
extern bool showNumContacts;             // "show_num_contacts", default true
extern bool showBigDeviceNames;          // "show_big_device_names", default false

class DlgSettings : public QDialog
{
    Q_OBJECT

public:
    explicit DlgSettings(QWidget *parent = nullptr);

    // Reads the flags from the settings store; missing keys give defaults.
    static void load();

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
