#ifndef RLAY_CHECK_H
#define RLAY_CHECK_H

// Process-wide check and message routines. Nothing in R-LAY throws or aborts:
// a failed consistency check shows one error box and hands the tested value
// back, and the caller leaves its current step.

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

// What a failed check does; the checks themselves are tested in place,
// where they pass almost always.
bool conditionFailed(const char *file, int line);
bool pointerFailed(const char *file, int line);

inline bool checkCondition(bool condition, const char *file, int line)
{
    return Q_LIKELY(condition) || conditionFailed(file, line);
}

inline bool checkPointer(const void *pointer, const char *file, int line)
{
    return Q_LIKELY(pointer != nullptr) || pointerFailed(file, line);
}

// The text a failed condition check shows for a place in the source,
// "In file %1, line %2: FALSE expression", for those that report a
// condition elsewhere than in a box.
QString conditionMessage(const char *file, int line);

// A source file as check messages name it, "folder/file.cpp", however the
// compiler was handed its path (absolute or relative to a build folder).
QString sourceName(const char *file);

#define CHECK(condition) checkCondition((condition), __FILE__, __LINE__)
#define CHECK_PTR(pointer) checkPointer((pointer), __FILE__, __LINE__)

// While a CountedChecks lives, a failed check shows no box: it is counted
// instead. A reader of a file opens one, so that damaged data costs no box
// per bad value, and a read during which checks failed ends with the one
// message of the file. Scopes nest; each counts the failures since it began.
class CountedChecks
{
public:
    CountedChecks();
    ~CountedChecks();
    CountedChecks(const CountedChecks &) = delete;
    CountedChecks &operator=(const CountedChecks &) = delete;

    int failed() const;

private:
    long long m_start;
};

// While a HeldErrors lives, error boxes wait in it, to be shown when it
// ends, unless it was dropped: its opener decides once it knows whether
// they stand. Scopes nest; questions and information are never held.
class HeldErrors
{
public:
    HeldErrors();
    ~HeldErrors();
    HeldErrors(const HeldErrors &) = delete;
    HeldErrors &operator=(const HeldErrors &) = delete;

    void drop() { m_texts.clear(); }
    void hold(const QString &text) { m_texts.append(text); }

private:
    QStringList m_texts;
    HeldErrors *m_outer;
};

void showInformation(const QString &text);
void showError(const QString &text);
// True only when "&Yes" was chosen.
bool askYesNo(const QString &text);
// The standard-button code of the choice: QMessageBox::Yes, No or Cancel.
int askYesNoCancel(const QString &text);

// Truncated quotient, plus one when a remainder is left.
int divideRoundUp(int dividend, int divisor);

// Every modal box and dialog of the program is run through execModal. By
// default it is the dialog's own exec(); a test installs a hook that answers
// the dialog instead (clicks a button, fills fields) and returns its result.
using ModalHook = std::function<int(QDialog *)>;
// Returns the hook it replaces, so that a nested answerer can put it back.
ModalHook setModalHook(ModalHook hook);
int execModal(QDialog *dialog);

#endif
