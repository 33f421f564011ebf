#include "app/dlgsettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

bool hideHelp = false;
bool showSchemeName = true;
bool showStrTemplateCommand = false;
bool showStrSolderCommandInTable = false;
bool showAtrNumWith0 = true;
bool showNumContacts = true;
bool showBigDeviceNames = false;

namespace {

struct Flag
{
    const char *key;
    bool *value;
    bool defaultValue;
};

// In the order in which the flags are loaded, shown and saved.
const Flag flags[] = {
    {"hide_help", &hideHelp, false},
    {"show_scheme_name", &showSchemeName, true},
    {"show_str_template_command", &showStrTemplateCommand, false},
    {"show_str_solder_command_in_table", &showStrSolderCommandInTable, false},
    {"show_atr_num_with_0", &showAtrNumWith0, true},
    {"show_num_contacts", &showNumContacts, true},
    {"show_big_device_names", &showBigDeviceNames, false},
};

const char organisation[] = "R-LAY";
const char application[] = "DlgSettings";

} // namespace

void DlgSettings::load()
{
    QSettings store(QString::fromLatin1(organisation), QString::fromLatin1(application));
    for (const Flag &flag : flags) {
        const QString key = QString::fromLatin1(flag.key);
        *flag.value = store.contains(key) ? store.value(key).toBool() : flag.defaultValue;
    }
}

DlgSettings::DlgSettings(QWidget *parent)
    : QDialog(parent)
{
    QVBoxLayout *layout = new QVBoxLayout(this);
    auto addBox = [&](const QString &text, bool checked) {
        QCheckBox *box = new QCheckBox(text, this);
        box->setChecked(checked);
        layout->addWidget(box);
        return box;
    };
    m_hideHelp = addBox(tr("Hide help"), hideHelp);
    m_showSchemeName = addBox(tr("Show scheme name in wiringlayouts"), showSchemeName);
    m_showStrTemplateCommand = addBox(tr("Show name commands DC in schemes"), showStrTemplateCommand);
    m_showStrSolderCommandInTable =
        addBox(tr("Show col solder command in table DC"), showStrSolderCommandInTable);
    m_showAtrNumWith0 = addBox(tr("Show atr num with 0"), showAtrNumWith0);
    m_showNumContacts = addBox(tr("Show num contacts"), showNumContacts);
    m_showBigDeviceNames = addBox(tr("Show big device names"), showBigDeviceNames);

    QHBoxLayout *buttons = new QHBoxLayout;
    QPushButton *ok = new QPushButton(tr("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DlgSettings::btnOkClick);
    QPushButton *cancel = new QPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &DlgSettings::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void DlgSettings::btnOkClick()
{
    QSettings store(QString::fromLatin1(organisation), QString::fromLatin1(application));
    const QCheckBox *boxes[] = {m_hideHelp,        m_showSchemeName,  m_showStrTemplateCommand,
                                m_showStrSolderCommandInTable, m_showAtrNumWith0,
                                m_showNumContacts, m_showBigDeviceNames};
    for (int i = 0; i < int(sizeof(flags) / sizeof(flags[0])); ++i)
        *flags[i].value = boxes[i]->isChecked();
    for (const Flag &flag : flags)
        store.setValue(QString::fromLatin1(flag.key), *flag.value);
    accept();
}
