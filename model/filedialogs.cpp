#include "model/filedialogs.h"

#include <QFileDialog>

namespace {

FileDialogHook &fileDialogHook()
{
    static FileDialogHook hook;
    return hook;
}

} // namespace

void setFileDialogHook(FileDialogHook hook)
{
    fileDialogHook() = std::move(hook);
}

QString askOpenFileName(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    if (fileDialogHook())
        return fileDialogHook()(FileDialogKind::Open, caption, directory, filter);
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString askSaveFileName(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    if (fileDialogHook())
        return fileDialogHook()(FileDialogKind::Save, caption, directory, filter);
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}
