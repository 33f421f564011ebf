#include "equipment/checklog.h"

#include "model/check.h"

bool CheckLog::condition(bool condition, const char *file, int line)
{
    if (!condition)
        add("In file %1, line %2: FALSE expression", file, line);
    return condition;
}

bool CheckLog::pointer(const void *pointer, const char *file, int line)
{
    if (!pointer)
        add("In file %1, line %2: Out of memory", file, line);
    return pointer != nullptr;
}

void CheckLog::add(const char *message, const char *file, int line)
{
    note(QCoreApplication::translate("QObject", message).arg(sourceName(file)).arg(line));
}

void CheckLog::note(const QString &text)
{
    if (m_known.contains(text))
        return;
    m_known.insert(text);
    m_pending.append(text);
}

void CheckLog::show()
{
    if (m_pending.isEmpty())
        return;
    const QString text = m_pending.join(QLatin1Char('\n'));
    m_pending.clear();
    showError(text);
}

void CheckLog::clear()
{
    m_pending.clear();
}
