#include "support/filesbelow.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

QMap<QString, QByteArray> filesBelow(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(QDir(dir).relativeFilePath(path), f.readAll());
    }
    return files;
}
