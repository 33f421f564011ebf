#ifndef RLAY_TEST_FILESBELOW_H
#define RLAY_TEST_FILESBELOW_H

#include <QByteArray>
#include <QMap>
#include <QString>

// Every file below a folder, subfolders included, by its path relative to
// the folder: what tests compare to see what a save wrote.
QMap<QString, QByteArray> filesBelow(const QString &dir);
// A side file's content after its name and date, which every save renews.
QByteArray sideFileContent(const QString &path);

#endif
