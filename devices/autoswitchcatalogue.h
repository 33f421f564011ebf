#ifndef RLAY_AUTOSWITCHCATALOGUE_H
#define RLAY_AUTOSWITCHCATALOGUE_H

// The autoswitch catalogue: its one type (a translation key of the context
// "AutoSwitch") and the names of the three pins of every autoswitch item.

#include <QString>

enum { AutoSwitchTypeCount = 1, AutoSwitchPinCount = 3 };
// The type names, then a null entry.
extern const char *const autoSwitchTypes[AutoSwitchTypeCount + 1];
// Left, right and bottom terminal.
extern const char *const autoSwitchPinNames[AutoSwitchPinCount];

// The translated type name; empty after a failed check outside the table.
QString autoSwitchModelName(int index);

#endif
