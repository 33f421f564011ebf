#ifndef RLAY_ACTIONTABLE_H
#define RLAY_ACTIONTABLE_H

// The static tables behind every user command: the menus (ids 0 to 38), the
// context groups of the project tree (ids 39 to 72) and the toolbox tabs
// (ids 73 to 117). Actions are created from them in id order, so an action's
// index in the shared action list is its id. Titles and texts are translated
// in the context "ActionManager".

enum { ActionCount = 118 };

struct ActionEntry
{
    const char *icon;   // resource path, "" for none, null for a separator
    const char *text;   // null for a separator
    bool inMainToolBar; // also placed in the main tool bar (menu rows only)
    int id;             // equals the number of actions created before it
    bool enabledAtStart;
    bool checkable;
    int standardKey; // a QKeySequence::StandardKey, 0 for none
};

struct ActionSection
{
    const char *title;
    const ActionEntry *entries;
    int count;
};

extern const ActionSection menuSections[];
extern const int menuSectionCount;
extern const ActionSection contextSections[];
extern const int contextSectionCount;
extern const ActionSection toolBoxSections[];
extern const int toolBoxSectionCount;

#endif
