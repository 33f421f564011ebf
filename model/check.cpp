#include "model/check.h"

#include "model/qobjecttext.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

ModalHook &modalHook()
{
    static ModalHook hook;
    return hook;
}

HeldErrors *heldErrors = nullptr;
int quietDepth = 0;
long long quietFailures = 0;

const char conditionText[] = "In file %1, line %2: FALSE expression";

QString checkText(const char *message, const char *file, int line)
{
    return tq(message).arg(sourceName(file)).arg(line);
}

bool failCheck(const char *message, const char *file, int line)
{
    if (quietDepth > 0) {
        ++quietFailures;
        return false;
    }
    showError(checkText(message, file, line));
    return false;
}

} // namespace

QString conditionMessage(const char *file, int line)
{
    return checkText(conditionText, file, line);
}

QString sourceName(const char *file)
{
    const QString path = QString::fromLocal8Bit(file);
    const int last = path.lastIndexOf(QLatin1Char('/'));
    if (last <= 0)
        return path;
    return path.mid(path.lastIndexOf(QLatin1Char('/'), last - 1) + 1);
}

CountedChecks::CountedChecks()
    : m_start(quietFailures)
{
    ++quietDepth;
}

CountedChecks::~CountedChecks()
{
    --quietDepth;
}

int CountedChecks::failed() const
{
    return int(quietFailures - m_start);
}

ModalHook setModalHook(ModalHook hook)
{
    std::swap(modalHook(), hook);
    return hook;
}

int execModal(QDialog *dialog)
{
    if (modalHook())
        return modalHook()(dialog);
    return dialog->exec();
}

bool conditionFailed(const char *file, int line)
{
    return failCheck(conditionText, file, line);
}

bool pointerFailed(const char *file, int line)
{
    return failCheck("In file %1, line %2: Out of memory", file, line);
}

void showInformation(const QString &text)
{
    QMessageBox box(QMessageBox::Information, tq("Information"), text, QMessageBox::Ok);
    execModal(&box);
}

HeldErrors::HeldErrors()
    : m_outer(heldErrors)
{
    heldErrors = this;
}

HeldErrors::~HeldErrors()
{
    heldErrors = m_outer;
    for (const QString &text : std::as_const(m_texts))
        showError(text);
}

void showError(const QString &text)
{
    if (heldErrors) {
        heldErrors->hold(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, tq("Error"), text, QMessageBox::Ok);
    execModal(&box);
}

bool askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, tq("Question"), text);
    QAbstractButton *yes = box.addButton(tq("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(tq("&No"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    execModal(&box);
    return box.clickedButton() == yes;
}

int askYesNoCancel(const QString &text)
{
    QMessageBox box(QMessageBox::Question, tq("Question"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(tq("&Yes"));
    box.button(QMessageBox::No)->setText(tq("&No"));
    box.button(QMessageBox::Cancel)->setText(tq("&Cancel"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    execModal(&box);
    QAbstractButton *clicked = box.clickedButton();
    if (!clicked)
        return QMessageBox::Cancel;
    return box.standardButton(clicked);
}

int divideRoundUp(int dividend, int divisor)
{
    int quotient = dividend / divisor;
    if (dividend % divisor != 0)
        ++quotient;
    return quotient;
}
