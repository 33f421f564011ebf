#ifndef RLAY_IDENTITYTABLE_H
#define RLAY_IDENTITYTABLE_H

// The records read together (pins, objects), by the identities they were
// read with. Files number their records from 1 up with few gaps: those
// identities index a table, so that mapping and looking up a large
// project's records go through memory in order, without hashing; the
// others (damaged data) and null records go to a hash. The table is kept
// in pages made as identities reach them: records of one kind that share
// the numbers with others take no room for the numbers they leave out.

#include <QHash>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

template <class T>
class IdentityTable
{
public:
    // A later record of the same identity takes the place of the former.
    void insert(qint32 id, T *record)
    {
        // The table reaches some way beyond the records it holds, spread
        // among the numbers of other kinds, and always as far as a large
        // project numbers its records: records read in another order than
        // they were numbered in stay in it (the list of pages is at most a
        // megabyte that far).
        const bool inTable = record && id > 0
            && (size_t(id) < m_pages.size() * PageSize
                || size_t(id) < std::max<size_t>(64 * m_count + (1 << 20), size_t(1) << 27));
        if (!inTable) {
            if (T **slot = find(id); slot && *slot) {
                *slot = nullptr;
                --m_count;
            }
            m_outliers.insert(id, record);
            return;
        }
        const size_t page = size_t(id) / PageSize;
        if (page >= m_pages.size())
            m_pages.resize(page + 1);
        if (!m_pages[page])
            m_pages[page] = std::make_unique<Page>();
        T *&slot = (*m_pages[page])[size_t(id) % PageSize];
        if (!slot)
            ++m_count;
        slot = record;
        if (!m_outliers.isEmpty())
            m_outliers.remove(id);
    }

    T *value(qint32 id) const
    {
        if (T *const *slot = find(id); slot && *slot)
            return *slot;
        return m_outliers.isEmpty() ? nullptr : m_outliers.value(id, nullptr);
    }

    bool isEmpty() const { return m_count == 0 && m_outliers.isEmpty(); }
    size_t size() const { return m_count + size_t(m_outliers.size()); }

    void clear()
    {
        m_pages = std::vector<std::unique_ptr<Page>>();
        m_count = 0;
        m_outliers.clear();
    }

    // Every identity of the record goes.
    void removeRecord(const T *record)
    {
        forEach([this, record](qint32 id, T *held) {
            if (held == record && id > 0) {
                if (T **slot = find(id); slot && *slot == record) {
                    *slot = nullptr;
                    --m_count;
                }
            }
        });
        m_outliers.removeIf([record](const auto &entry) { return entry.value() == record; });
    }

    // Calls visit(identity, record) for every identity mapped: the table's
    // in identity order, then the others.
    template <class Visit>
    void forEach(Visit visit) const
    {
        // The records lie apart in memory: each is fetched a few visits
        // ahead, so that the fetches overlap.
        // A small record is fetched whole: it may straddle two lines.
        const size_t ahead = 16;
        for (size_t page = 0; page < m_pages.size(); ++page) {
            if (!m_pages[page])
                continue;
            const Page &entries = *m_pages[page];
            for (size_t i = 0; i < PageSize; ++i) {
                if (i + ahead < PageSize && entries[i + ahead]) {
                    __builtin_prefetch(entries[i + ahead]);
                    if constexpr (sizeof(T) <= 128)
                        __builtin_prefetch(reinterpret_cast<const char *>(entries[i + ahead]) + sizeof(T) - 1);
                }
                if (entries[i])
                    visit(qint32(page * PageSize + i), entries[i]);
            }
        }
        for (auto it = m_outliers.cbegin(); it != m_outliers.cend(); ++it)
            visit(it.key(), it.value());
    }

private:
    static constexpr size_t PageSize = 1024;
    using Page = std::array<T *, PageSize>;

    T **find(qint32 id) const
    {
        if (id <= 0 || size_t(id) / PageSize >= m_pages.size() || !m_pages[size_t(id) / PageSize])
            return nullptr;
        return &(*m_pages[size_t(id) / PageSize])[size_t(id) % PageSize];
    }

    std::vector<std::unique_ptr<Page>> m_pages;
    size_t m_count = 0;
    QHash<qint32, T *> m_outliers;
};

#endif
