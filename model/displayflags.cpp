#include "model/displayflags.h"

#include "model/settingsnames.h"

#include <QSettings>

bool hideHelp = false;
bool showSchemeName = true;
bool showStrTemplateCommand = false;
bool showStrSolderCommandInTable = false;
bool showAtrNumWith0 = true;
bool showNumContacts = true;
bool showBigDeviceNames = false;

bool *const displayFlags[DisplayFlagCount] = {&hideHelp,        &showSchemeName,  &showStrTemplateCommand,
                                              &showStrSolderCommandInTable,       &showAtrNumWith0,
                                              &showNumContacts, &showBigDeviceNames};

namespace {

struct Flag
{
    const char *key;
    bool defaultValue;
};

// In the order of displayFlags.
const Flag flags[DisplayFlagCount] = {
    {"hide_help", false},
    {"show_scheme_name", true},
    {"show_str_template_command", false},
    {"show_str_solder_command_in_table", false},
    {"show_atr_num_with_0", true},
    {"show_num_contacts", true},
    {"show_big_device_names", false},
};

const char displaySettingsName[] = "DlgSettings";

} // namespace

void loadDisplayFlags()
{
    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(displaySettingsName));
    for (int i = 0; i < DisplayFlagCount; ++i) {
        const QString key = QString::fromLatin1(flags[i].key);
        *displayFlags[i] = store.contains(key) ? store.value(key).toBool() : flags[i].defaultValue;
    }
}

void saveDisplayFlags()
{
    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(displaySettingsName));
    for (int i = 0; i < DisplayFlagCount; ++i)
        store.setValue(QString::fromLatin1(flags[i].key), *displayFlags[i]);
}
