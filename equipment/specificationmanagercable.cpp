#include "equipment/specificationmanagercable.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <algorithm>

namespace {

const int cableSpecificationItemActions[4] = {-1, -1, -1, 70};
const int cableSpecificationMenuActions[] = {70, 71, 68, -1, 72};
const int cableSpecificationMenagerChildActions[] = {70, 68};

} // namespace

SpecificationManagerCable::SpecificationManagerCable(Project *project, QList<QAction *> *actions)
    : ItemMenager<SpecificationCable, DlgPropSpecificationCable>(project, actions)
{
    if (!becomeBranch(tr("Specification cables"), QStringLiteral(":/images/specifications.png"),
                      cableSpecificationItemActions, cableSpecificationMenuActions,
                      cableSpecificationMenagerChildActions))
        return;
    if (hasCommands()) {
        addHandler(68, this, SLOT(clickSavePdfFiles()));
        addHandler(72, this, SLOT(clickSpecProperty()), true);
    }
}

SpecificationManagerCable::~SpecificationManagerCable()
{
    deleteCables();
}

void SpecificationManagerCable::changed()
{
    if (project())
        project()->setSpecificationCableChanged();
}

void SpecificationManagerCable::clickSpecProperty()
{
    DlgPropSpecificationManagerCable dialog(project());
    if (!dialog.edit(m_atrNumber, m_comment))
        return;
    changed();
    // The title blocks show the ATR number.
    for (SpecificationCable *page : itemList())
        page->update();
}

DlgPropSpecificationManagerCable::DlgPropSpecificationManagerCable(QWidget *parent)
    : DlgPropSpecificationManagerDevice(parent)
{
}

void SpecificationManagerCable::addCable(quint64 key, Cable *cable)
{
    if (!CHECK_PTR(cable))
        return;
    const bool newKey = !m_cables.contains(key);
    m_cables[key].append(cable);
    cable->setOwner(this, key);
    cableChanged(key);
    if (newKey) {
        m_keys.insert(std::lower_bound(m_keys.begin(), m_keys.end(), key), key);
        addFrameKeys(key);
    }
}

void SpecificationManagerCable::addFrameKeys(quint64 key)
{
    // A pair is listed under both its frames, once when they are one.
    const auto low = quint32(key & 0xffffffffu);
    const auto high = quint32(key >> 32);
    for (quint32 code : {low, high}) {
        QList<quint64> &keys = m_frameKeys[code];
        const auto at = std::lower_bound(keys.begin(), keys.end(), key);
        if (at == keys.end() || *at != key)
            keys.insert(at, key);
    }
}

void SpecificationManagerCable::cableChanged(quint64 key)
{
    // The cable file holds the cable, and both frames it joins get their
    // cable pages anew: the equipment file's drawings follow those pages,
    // so a save that wrote the one file without the other would not load.
    changed();
    if (project()) {
        project()->noteWiringFrame(quint32(key & 0xffffffffu));
        project()->noteWiringFrame(quint32(key >> 32));
    }
}

void SpecificationManagerCable::deleteCables()
{
    for (const QList<Cable *> &list : std::as_const(m_cables)) {
        for (Cable *cable : list)
            delete cable;
    }
    m_cables.clear();
    m_keys.clear();
    m_frameKeys.clear();
}

void SpecificationManagerCable::rebuildKeys()
{
    m_keys = m_cables.keys();
    std::sort(m_keys.begin(), m_keys.end());
    m_frameKeys.clear();
    for (quint64 key : std::as_const(m_keys))
        addFrameKeys(key);
}

void SpecificationManagerCable::writeCables(DataStream &stream)
{
    stream << qint32(m_atrNumber) << m_comment;
    // The frame pairs in ascending order, so that two saves give the same
    // bytes.
    stream << qint32(m_keys.size());
    for (quint64 key : std::as_const(m_keys)) {
        const QList<Cable *> list = m_cables.value(key);
        stream << key << qint32(list.size());
        for (const Cable *cable : list)
            cable->write(stream);
    }
    Cable::writeUsedTypes(stream);
}

bool SpecificationManagerCable::readCables(DataStream &stream)
{
    // Files before format 9 carry no ATR number and comment.
    if (stream.formatIndex() >= 9) {
        qint32 atr = 0;
        stream >> atr >> m_comment;
        m_atrNumber = atr;
    }
    bool ok = true;
    qint32 keyCount = 0;
    stream >> keyCount;
    // Damaged counts stop at the end of the data.
    for (qint32 k = 0; k < keyCount && ok; ++k) {
        quint64 key = 0;
        qint32 count = 0;
        stream >> key >> count;
        if (stream.status() != QDataStream::Ok) {
            ok = false;
            break;
        }
        QList<Cable *> list;
        for (qint32 i = 0; i < count; ++i) {
            auto *cable = new Cable(-1);
            if (!CHECK_PTR(cable)) {
                ok = false;
                break;
            }
            cable->read(stream);
            cable->setOwner(this, key);
            list.append(cable);
            if (stream.status() != QDataStream::Ok) {
                ok = false;
                break;
            }
        }
        // A save writes each pair once: a pair listed again is damage, and
        // the cables read first are not dropped for it.
        if (m_cables.contains(key)) {
            qDeleteAll(list);
            stream.setStatus(QDataStream::ReadCorruptData);
            ok = false;
            break;
        }
        m_cables.insert(key, list);
    }
    if (ok)
        Cable::readUsedTypes(stream);
    rebuildKeys();
    return ok && stream.status() == QDataStream::Ok;
}
