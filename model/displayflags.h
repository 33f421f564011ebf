#ifndef RLAY_DISPLAYFLAGS_H
#define RLAY_DISPLAYFLAGS_H

// The seven display options the user sets once for all projects. The flags
// are process-wide and read by the document painters while they draw; they
// hold their defaults until loadDisplayFlags runs at start-up. The settings
// dialog edits them.

extern bool hideHelp;                    // "hide_help", default false
extern bool showSchemeName;              // "show_scheme_name", default true
extern bool showStrTemplateCommand;      // "show_str_template_command", default false
extern bool showStrSolderCommandInTable; // "show_str_solder_command_in_table", default false
extern bool showAtrNumWith0;             // "show_atr_num_with_0", default true
extern bool showNumContacts;             // "show_num_contacts", default true
extern bool showBigDeviceNames;          // "show_big_device_names", default false

// The flags in the order in which they are loaded, shown and saved.
enum { DisplayFlagCount = 7 };
extern bool *const displayFlags[DisplayFlagCount];

// Reads the flags from the settings store; missing keys give defaults.
void loadDisplayFlags();
// Writes every flag to the settings store.
void saveDisplayFlags();

#endif
