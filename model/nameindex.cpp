#include "model/nameindex.h"

#include <QHash>

#include <cstring>

namespace {

// One step of the hash: the state and eight bytes, multiplied and folded.
quint64 mix(quint64 state, quint64 word)
{
    const quint64 product = (state ^ word) * 0x9e3779b97f4a7c15ull;
    return product ^ (product >> 29);
}

} // namespace

quint32 NameIndex::hashOf(const QString &name)
{
    // Names are short: eight bytes a step, seeded as the toolkit's hashes
    // are, so that no file can make the names of one kind collide.
    static const quint64 seed = quint64(QHashSeed::globalSeed());
    const auto *p = reinterpret_cast<const uchar *>(name.constData());
    size_t n = size_t(name.size()) * sizeof(QChar);
    quint64 hash = seed ^ n;
    for (; n >= 8; p += 8, n -= 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        hash = mix(hash, word);
    }
    if (n > 0) {
        quint64 word = 0;
        std::memcpy(&word, p, n);
        hash = mix(hash, word ^ (quint64(n) << 56));
    }
    hash = mix(hash, seed);
    return quint32(hash ^ (hash >> 32));
}

void NameIndex::reserve(qsizetype count)
{
    if (count <= 0)
        return;
    m_entries.reserve(size_t(count));
    m_hashes.reserve(size_t(count));
    if (size_t(count) * 2 > m_slots.size())
        rebuild(size_t(count));
}

void NameIndex::rebuild(size_t count)
{
    size_t length = 16;
    while (length < count * 2)
        length *= 2;
    m_slots.assign(length, Slot{0, Free});
    const size_t m = mask();
    for (size_t i = 0; i < m_hashes.size(); ++i) {
        size_t at = m_hashes[i] & m;
        while (m_slots[at].entry != Free)
            at = (at + 1) & m;
        m_slots[at] = Slot{m_hashes[i], quint32(i)};
    }
}

QStringList NameIndex::keys() const
{
    QStringList names;
    names.reserve(size());
    for (const Entry &entry : m_entries)
        names.append(entry.name);
    return names;
}

qsizetype NameIndex::indexOf(const QString &name) const
{
    if (m_slots.empty())
        return -1;
    const quint32 hash = hashOf(name);
    const size_t m = mask();
    for (size_t at = hash & m;; at = (at + 1) & m) {
        const Slot &slot = m_slots[at];
        if (slot.entry == Free)
            return -1;
        if (slot.hash == hash && m_entries[slot.entry].name == name)
            return qsizetype(slot.entry);
    }
}

Obj *&NameIndex::slot(const QString &name, quint32 hash, bool *made)
{
    if ((m_entries.size() + 1) * 2 > m_slots.size())
        rebuild(std::max<size_t>(m_entries.size() + 1, m_slots.size()));
    const size_t m = mask();
    size_t at = hash & m;
    for (; m_slots[at].entry != Free; at = (at + 1) & m) {
        const Slot &slot = m_slots[at];
        if (slot.hash == hash && m_entries[slot.entry].name == name) {
            *made = false;
            return m_entries[slot.entry].obj;
        }
    }
    m_slots[at] = Slot{hash, quint32(m_entries.size())};
    m_entries.push_back(Entry{name, nullptr});
    m_hashes.push_back(hash);
    *made = true;
    return m_entries.back().obj;
}

size_t NameIndex::slotOf(quint32 hash, quint32 entry) const
{
    const size_t m = mask();
    size_t at = hash & m;
    while (m_slots[at].entry != entry)
        at = (at + 1) & m;
    return at;
}

void NameIndex::removeAt(qsizetype i)
{
    const auto gone = quint32(i);
    const size_t m = mask();
    // The slots after the freed one that would not be found past the gap
    // move back into it.
    size_t hole = slotOf(m_hashes[gone], gone);
    for (size_t next = (hole + 1) & m; m_slots[next].entry != Free; next = (next + 1) & m) {
        const size_t home = m_slots[next].hash & m;
        const bool staysPut = hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
        if (!staysPut) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
    }
    m_slots[hole].entry = Free;
    const auto last = quint32(m_entries.size() - 1);
    if (gone != last) {
        m_slots[slotOf(m_hashes[last], last)].entry = gone;
        m_entries[gone] = std::move(m_entries[last]);
        m_hashes[gone] = m_hashes[last];
    }
    m_entries.pop_back();
    m_hashes.pop_back();
}

std::vector<NameIndex::Entry> NameIndex::takeEntries()
{
    std::vector<Entry> entries;
    entries.swap(m_entries);
    m_hashes.clear();
    m_slots.clear();
    return entries;
}
