#include "model/buildstamp.h"

#include <QLocale>

QDateTime programBuildDateTime()
{
    // Read once: every save writes it into the main file.
    static const QDateTime stamp = [] {
        const QLocale c = QLocale::c();
        const QDate date = c.toDate(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
        const QTime time = c.toTime(QString::fromLatin1(__TIME__), QStringLiteral("hh:mm:ss"));
        return QDateTime(date, time);
    }();
    return stamp;
}
