#ifndef RLAY_TRANSLATIONS_H
#define RLAY_TRANSLATIONS_H

#include <QStringList>

class QCoreApplication;

// Installs the framework's ("qt") and the program's own ("r-lay") translation
// for a locale, each named by the base, "_" and the locale's first two
// letters and looked up in the current directory; one that does not load is
// left out. A locale named "C" or with no name installs nothing. Returns the
// names tried, in order.
QStringList installTranslators(QCoreApplication *app, const QString &localeName);

#endif
