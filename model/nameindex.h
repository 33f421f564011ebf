#ifndef RLAY_NAMEINDEX_H
#define RLAY_NAMEINDEX_H

// The objects of one kind by name. Names and objects lie side by side in
// one array, in the order they came (the last one moves into the gap of one
// taken out); an open table of the names' hashes, probed in turn, points
// into it. A look-up reads the table and, where a hash agrees, that one
// name: the names of a large project are not visited on the way, and a
// table made for the count read from a file never grows while it is read.

#include <QString>
#include <QStringList>

#include <vector>

class Obj;

class NameIndex
{
public:
    struct Entry
    {
        QString name;
        Obj *obj;
    };

    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    // Room for count names in all, made at once.
    void reserve(qsizetype count);

    // The object of the name, or fallback.
    Obj *value(const QString &name, Obj *fallback = nullptr) const
    {
        const qsizetype at = indexOf(name);
        return at < 0 ? fallback : m_entries[size_t(at)].obj;
    }
    QStringList keys() const;
    // The position of the name's entry, or -1.
    qsizetype indexOf(const QString &name) const;
    const Entry &at(qsizetype i) const { return m_entries[size_t(i)]; }
    // The object of the name, made null when the name is new (made tells
    // which); good until the next name is added.
    Obj *&slot(const QString &name, bool *made) { return slot(name, hashOf(name), made); }
    // The same, for the hash fetchAhead gave for the name.
    Obj *&slot(const QString &name, quint32 hash, bool *made);
    // Fetches the table's memory where the name goes into the cache ahead
    // of its slot call, which then needs not wait for it; its hash.
    quint32 fetchAhead(const QString &name) const
    {
        const quint32 hash = hashOf(name);
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[hash & mask()]);
        return hash;
    }
    // Takes the entry at the position out.
    void removeAt(qsizetype i);
    // Takes every entry out, in their order, and leaves the index empty.
    std::vector<Entry> takeEntries();

    // The objects, in the order of the entries.
    class const_iterator
    {
    public:
        explicit const_iterator(std::vector<Entry>::const_iterator it)
            : m_it(it)
        {
        }
        Obj *operator*() const { return m_it->obj; }
        const_iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator!=(const const_iterator &other) const { return m_it != other.m_it; }

    private:
        std::vector<Entry>::const_iterator m_it;
    };
    const_iterator begin() const { return const_iterator(m_entries.cbegin()); }
    const_iterator end() const { return const_iterator(m_entries.cend()); }

private:
    static constexpr quint32 Free = 0xffffffffu;
    struct Slot
    {
        quint32 hash;
        quint32 entry; // Free: no name here
    };
    static quint32 hashOf(const QString &name);
    size_t mask() const { return m_slots.size() - 1; }
    // The position in the table that points to the entry.
    size_t slotOf(quint32 hash, quint32 entry) const;
    // A table of at least twice as many slots as count, every entry placed
    // anew.
    void rebuild(size_t count);

    std::vector<Entry> m_entries;
    std::vector<quint32> m_hashes; // those of the entries, in their order
    std::vector<Slot> m_slots;     // a power of two long, or empty
};

#endif
