#ifndef RLAY_FILEDIALOGS_H
#define RLAY_FILEDIALOGS_H

// The file dialogs of the program. By default each one is the framework's
// own; a test installs a hook that answers instead, as execModal does for
// the modal boxes.

#include <QString>

#include <functional>

class QWidget;

enum class FileDialogKind { Open, Save };

using FileDialogHook = std::function<QString(FileDialogKind kind, const QString &caption, const QString &directory,
                                             const QString &filter)>;
// A null hook restores the framework's dialogs.
void setFileDialogHook(FileDialogHook hook);

// The chosen file name; empty when the user cancelled.
QString askOpenFileName(QWidget *parent, const QString &caption, const QString &directory, const QString &filter);
QString askSaveFileName(QWidget *parent, const QString &caption, const QString &directory, const QString &filter);

#endif
