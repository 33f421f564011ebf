#include "support/filesbelow.h"

#include "model/datastream.h"

#include <QDateTime>
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

QByteArray sideFileContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray payload = file.readAll().mid(6);
    DataStream in(&payload, QIODevice::ReadOnly);
    QString name;
    QDateTime written;
    in >> name >> written;
    return payload.mid(int(in.device()->pos()));
}
