#ifndef RLAY_QOBJECTTEXT_H
#define RLAY_QOBJECTTEXT_H

// The messages the file and check routines share are translated under the
// "QObject" context.

#include <QCoreApplication>
#include <QString>

inline QString tq(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

#endif // RLAY_QOBJECTTEXT_H
