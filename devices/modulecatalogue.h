#ifndef RLAY_MODULECATALOGUE_H
#define RLAY_MODULECATALOGUE_H

// The catalogue of the DC modules and their commands: the three module
// types, the 64 terminal names of a module, the module type of each command
// kind, the command groups and the command templates. Items and devices
// store row indices of these tables, so no row may ever move. Texts are
// translation keys: type names, signal names, descriptions, models and
// terminal captions of the context "Module", group and template names of
// the context "GraphicsCommand". A template's translated text is the
// command's description, with the placeholders %1 to %10 for its
// parameters.

#include <QString>
#include <QtGlobal>

enum {
    ModuleTypeCount = 3,
    ModuleTerminalCount = 64,
    CommandKindCount = 4,
    CommandGroupCount = 37,
    CommandTemplateCount = 623
};

// One module type. The columns from the description on are read by the DC
// documents of a frame.
struct ModuleType
{
    const char *name;
    qint32 commandCount;
    // A signal is stored by its index in this list.
    const char *const *signalNames;
    qint32 signalCount;
    qint32 placeType; // row of the equipment-model table
    qint32 modulesPerTablePage;
    qint32 dcSchemeCount;
    const char *description;
    const char *model;
    const char *terminalCaptions[2];
    // Read from row 0 on, the order in which the DC documents take the
    // types.
    qint32 dcOrderEntry;
};

struct CommandGroup
{
    const char *name;
    qint32 moduleType;
};

struct CommandTemplate
{
    const char *name;
    qint32 group;
};

// Each table is followed by an all-zero row.
extern const ModuleType moduleTypes[ModuleTypeCount + 1];
// "01" to "64".
extern const char *const terminalNames[ModuleTerminalCount + 1];
// Kind 0 a "TS" command, kinds 1 and 2 "TU" commands, kind 3 a "TV"
// command.
extern const qint32 commandKindModuleTypes[CommandKindCount];
extern const CommandGroup commandGroups[CommandGroupCount + 1];
extern const CommandTemplate commandTemplates[CommandTemplateCount + 1];

// Checked lookups: an index outside its table fails a check and gives the
// neutral result (-1, an empty text).
int commandKindModuleType(int kind);
QString commandTemplateName(int index);
int commandTemplateGroup(int index);
QString commandGroupName(int group);

// The module type of a kind without a report: -1 for a kind outside the
// table (painters and counters ask it of any item).
int moduleTypeOfKind(int kind);
bool isCommandKind(int kind);

#endif
