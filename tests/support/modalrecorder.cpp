#include "support/modalrecorder.h"

#include "model/check.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

// No test writes to the user's own settings: remembered dialog choices go to
// a folder of the test process instead, removed when the process ends.
struct IsolatedSettings
{
    IsolatedSettings()
        : path(QDir::tempPath() + "/r-lay-test-settings-" + QString::number(QCoreApplication::applicationPid()))
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }
    ~IsolatedSettings() { QDir(path).removeRecursively(); }
    QString path;
};
const IsolatedSettings isolatedSettings;

} // namespace

ModalRecorder::ModalRecorder()
{
    m_previous = setModalHook([this](QDialog *dialog) {
        Shown s;
        s.className = QString::fromLatin1(dialog->metaObject()->className());
        s.title = dialog->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            s.text = box->text();
            for (QAbstractButton *b : box->buttons())
                s.buttons << b->text();
            if (box->defaultButton())
                s.defaultButton = box->defaultButton()->text();
        }
        shown << s;
        if (!m_answers.isEmpty())
            return m_answers.takeFirst()(dialog);
        dialog->reject();
        return int(QDialog::Rejected);
    });
}

ModalRecorder::~ModalRecorder()
{
    setModalHook(std::move(m_previous));
}

void ModalRecorder::answer(const Answer &a)
{
    m_answers << a;
}

void ModalRecorder::clickButton(const QString &text)
{
    answer([text](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box)
            return int(QDialog::Rejected);
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == text) {
                b->click();
                return box->result();
            }
        }
        return int(QDialog::Rejected);
    });
}

void ModalRecorder::handle(const std::function<void(QDialog *)> &step)
{
    answer([step](QDialog *dialog) {
        dialog->setResult(QDialog::Rejected);
        step(dialog);
        return dialog->result();
    });
}

void ModalRecorder::reject()
{
    answer([](QDialog *dialog) {
        dialog->reject();
        return int(QDialog::Rejected);
    });
}

QStringList ModalRecorder::texts() const
{
    QStringList out;
    for (const Shown &s : shown)
        out << s.text;
    return out;
}

QStringList boxTexts(const ModalRecorder &rec)
{
    QStringList texts;
    for (const ModalRecorder::Shown &shown : rec.shown) {
        if (shown.className == QLatin1String("QMessageBox"))
            texts << shown.text;
    }
    return texts;
}

QPushButton *buttonOf(QWidget *dialog, const QString &text)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

void pressButton(QDialog *dialog, const QString &text)
{
    QPushButton *button = buttonOf(dialog, text);
    QVERIFY2(button, qPrintable("no button " + text));
    button->click();
}

void pressOk(QDialog *dialog)
{
    pressButton(dialog, QStringLiteral("Ok"));
}
