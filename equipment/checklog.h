#ifndef RLAY_CHECKLOG_H
#define RLAY_CHECKLOG_H

// Failed consistency checks of a long walk over the project (the wiring
// documents of every frame, the sources of every frame), gathered instead
// of raising one box per element and shown in one box when the walk is
// done. A check that fails in a loop is listed once; a message already
// shown is not shown again by the same log.

#include <QCoreApplication>
#include <QSet>
#include <QStringList>

class CheckLog
{
public:
    // The tested value, as checkCondition and checkPointer answer it.
    bool condition(bool condition, const char *file, int line);
    bool pointer(const void *pointer, const char *file, int line);
    // A message in words.
    void note(const QString &text);

    bool isEmpty() const { return m_pending.isEmpty(); }
    const QStringList &pending() const { return m_pending; }
    // One error box with every message not shown before, then empty.
    void show();
    // Forgets the pending messages without showing them.
    void clear();

private:
    void add(const char *message, const char *file, int line);

    QStringList m_pending;
    QSet<QString> m_known;
};

#define LOG_CHECK(log, test) (log).condition((test), __FILE__, __LINE__)
#define LOG_CHECK_PTR(log, ptr) (log).pointer((ptr), __FILE__, __LINE__)

#endif
