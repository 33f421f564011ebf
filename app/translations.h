#ifndef RLAY_TRANSLATIONS_H
#define RLAY_TRANSLATIONS_H

#include <QStringList>

class QCoreApplication;

// Installs the framework's ("qt") and the program's own ("r-lay") translation
// for a locale, each named by the base, "_" and the locale's first two
// letters and looked up in the current directory; one that does not load is
// left out. A locale named "C" or with no name tries none. Returns the names
// tried, in order. Where the program's own translation does not load, the
// English one compiled into the program is installed instead: the texts it
// translates (the title block's captions among them) are keys, never meant
// to be shown as they are.
QStringList installTranslators(QCoreApplication *app, const QString &localeName);

#endif
