#include "model/project.h"

#include "model/address.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/file.h"
#include "model/heappages.h"
#include "model/identified.h"
#include "model/itemmenagerbase.h"
#include "model/obj.h"
#include "model/pin.h"
#include "model/projectitembase.h"
#include "model/projectlock.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMetaMethod>

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace {

const char *const languageNames[Project::LanguageCount] = {
    QT_TRANSLATE_NOOP("Project", "Russian"),
    QT_TRANSLATE_NOOP("Project", "Ukrainian"),
};

const char *const fileExtensions[Project::FileCount] = {
    ".rlay", ".obj", ".schm", ".eqm", ".spd", ".spc",
};

// Objects of these kinds live inside a scene item: they are indexed but
// neither reported nor saved with the devices.
bool isCarriedKind(int kind)
{
    return kind >= 1 && kind <= 99;
}

// An object with its name, ordered as the names are: the first code units
// of the name, packed so that integers compare as the units do (a shorter
// name padded with zeros), decide where they differ; the whole names where
// they do not.
struct NamedObject
{
    NamedObject(const QString &name, Obj *obj)
        : name(&name), obj(obj)
    {
    }
    void takeUnits()
    {
        const QString &name = *this->name;
        const qsizetype count = std::min(name.size(), qsizetype(units.size() * 4));
        for (qsizetype i = 0; i < count; ++i)
            units[size_t(i / 4)] |= quint64(name[i].unicode()) << (48 - 16 * (i % 4));
    }
    bool operator<(const NamedObject &other) const
    {
        return units != other.units ? units < other.units : *name < *other.name;
    }

    std::array<quint64, 4> units{};
    const QString *name;
    Obj *obj;
};

void sortByName(std::vector<NamedObject>::iterator first, std::vector<NamedObject>::iterator last)
{
    // The names lie all over the memory: each is asked for a few names
    // ahead of reading it.
    const std::ptrdiff_t ahead = 8;
    for (auto it = first; it != last; ++it) {
        if (last - it > ahead)
            __builtin_prefetch((it + ahead)->name->constData());
        it->takeUnits();
    }
    std::sort(first, last);
}

} // namespace

Project::Project(QWidget *parent, QList<QAction *> *actions)
    : QTreeWidget(parent)
    , m_actions(actions)
{
    for (int i = 0; i < FileCount; ++i)
        m_files[size_t(i)] = std::make_unique<File>(QString::fromLatin1(fileExtensions[i]));

    setColumnCount(2);
    setHeaderLabels({tr("Issue"), tr("Comment")});
    setColumnWidth(0, 170);
    setSelectionMode(QAbstractItemView::ExtendedSelection);

    for (const DeviceKindEntry &row : ProjectParts::kinds())
        m_registry.insert(row.kind, row);

    m_schemes = ProjectParts::createBranch(ProjectParts::SchemesBranch, this, m_actions);
    m_equipment = ProjectParts::createBranch(ProjectParts::EquipmentBranch, this, m_actions);
    m_specificationDevice = ProjectParts::createBranch(ProjectParts::SpecificationDeviceBranch, this, m_actions);
    m_specificationCable = ProjectParts::createBranch(ProjectParts::SpecificationCableBranch, this, m_actions);
    m_referenceScheme = ProjectParts::createReferenceSheet(this);

    connect(this, &QTreeWidget::currentItemChanged, this, &Project::changeCurrentItem);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            qOverload<QTreeWidgetItem *, int>(&Project::doubleClickCurrentItem));
    connect(this, &QTreeWidget::itemCollapsed, this, &Project::collapseItem);
    connect(this, &QTreeWidget::itemExpanded, this, &Project::expandedItem);

    // A new project is unsaved, and every one of its files is due.
    m_modified = true;
    std::fill(std::begin(m_changed), std::end(m_changed), true);
    m_hasFileName = false;
    if (m_referenceScheme)
        m_referenceScheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);

    sortItems(0, Qt::AscendingOrder);
}

Project::~Project()
{
    const FreeingMany freeing;
    const Pin::SlabsHeld slabsHeld;
    m_closing = true;
    // Room for the list of the objects left at the end, when their
    // deletions are heard, and for the note of the carried ones that go
    // with their items, taken before anything is freed: a large block asked
    // for once the sheets are gone would make the allocator sort through
    // every small block they freed.
    qsizetype count = 0;
    qsizetype carried = 0;
    for (auto it = m_index.cbegin(); it != m_index.cend(); ++it) {
        count += it->size();
        if (isCarriedKind(it.key()))
            carried += it->size();
    }
    std::vector<NamedObject> named;
    if (isSignalConnected(QMetaMethod::fromSignal(&Project::objDelete)))
        named.reserve(size_t(count));
    m_goneCarried.reserve(size_t(carried));

    // The branches go outside the tree, each row without a notification.
    takeBranches();
    delete m_equipment;
    m_equipment = nullptr;
    delete m_schemes;
    m_schemes = nullptr;
    delete m_referenceScheme;
    m_referenceScheme = nullptr;
    delete m_specificationDevice;
    m_specificationDevice = nullptr;
    delete m_specificationCable;
    m_specificationCable = nullptr;

    // Every object left in the index, by kind and, when the deletions are
    // listened to, by name. The entries leave the index, names and all:
    // each name then goes with its object, which lies beside it, and not
    // with the index afterwards. Each object is announced as its removal
    // from the index announces it, then deleted.
    QHash<int, NameIndex> index;
    index.swap(m_index);
    const bool announced = isSignalConnected(QMetaMethod::fromSignal(&Project::objDelete));
    std::sort(m_goneCarried.begin(), m_goneCarried.end());
    QList<int> kinds = index.keys();
    std::sort(kinds.begin(), kinds.end());
    // Each kind's entries, taken whole: they stay where they lie, the names
    // are sorted there. A carried object gone with its item leaves an
    // entry without an object.
    std::vector<std::vector<NameIndex::Entry>> taken;
    taken.reserve(size_t(kinds.size()));
    for (int kind : std::as_const(kinds)) {
        taken.push_back(index.find(kind)->takeEntries());
        std::vector<NameIndex::Entry> &inner = taken.back();
        if (isCarriedKind(kind) && !m_goneCarried.empty()) {
            for (NameIndex::Entry &entry : inner) {
                if (std::binary_search(m_goneCarried.cbegin(), m_goneCarried.cend(), entry.obj)) {
                    entry.obj = nullptr;
                    entry.name = QString();
                }
            }
        }
        if (!announced)
            continue;
        const auto from = named.end() - named.begin();
        for (const NameIndex::Entry &entry : inner) {
            if (entry.obj)
                named.push_back(NamedObject(entry.name, entry.obj));
        }
        if (!isCarriedKind(kind))
            sortByName(named.begin() + from, named.end());
    }
    index.clear();
    if (announced) {
        for (const NamedObject &entry : named) {
            Obj *obj = entry.obj;
            if (!isCarriedKind(obj->kind()))
                emit objDelete(*obj);
            // The name is the one in the entries taken above.
            *const_cast<QString *>(entry.name) = QString();
            delete obj;
        }
    } else {
        // Unheard, they go in the index's order, the order they were read
        // or made in: mostly the order they lie in memory.
        for (std::vector<NameIndex::Entry> &inner : taken) {
            for (NameIndex::Entry &entry : inner) {
                if (!entry.obj)
                    continue;
                entry.name = QString();
                delete entry.obj;
            }
        }
    }

    // The tree widget is destroyed after this: its last signals must not
    // reach this part of the object any more.
    disconnect(this, nullptr, this, nullptr);
    clear();
}

QList<QTreeWidgetItem *> Project::takeBranches()
{
    // The current row is let go of first, while every row is whole.
    if (currentItem())
        setCurrentItem(nullptr);
    QList<QTreeWidgetItem *> branches;
    branches.reserve(topLevelItemCount());
    while (topLevelItemCount() > 0)
        branches.append(takeTopLevelItem(0));
    return branches;
}

Obj *Project::findObj(int kind, const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    auto inner = m_index.constFind(kind);
    if (inner == m_index.cend())
        return nullptr;
    return inner->value(name, nullptr);
}

const NameIndex *Project::objectsOfKind(int kind) const
{
    auto inner = m_index.constFind(kind);
    return inner == m_index.cend() ? nullptr : &inner.value();
}

QList<Obj *> Project::sortedObjectsOfKind(int kind) const
{
    QList<Obj *> objects;
    const NameIndex *inner = objectsOfKind(kind);
    if (!inner)
        return objects;
    // Sorted by the index's own keys, without copying them or looking
    // every object up again. Each entry carries the first code units of
    // its name: most comparisons end there, in the one array, and only
    // names that agree so far are read where they lie.
    std::vector<NamedObject> named;
    named.reserve(size_t(inner->size()));
    for (qsizetype i = 0; i < inner->size(); ++i)
        named.push_back(NamedObject(inner->at(i).name, inner->at(i).obj));
    sortByName(named.begin(), named.end());
    objects.reserve(qsizetype(named.size()));
    for (const NamedObject &entry : named)
        objects.append(entry.obj);
    return objects;
}

QList<int> Project::indexedKinds() const
{
    QList<int> kinds = m_index.keys();
    std::sort(kinds.begin(), kinds.end());
    return kinds;
}

bool Project::appendObj(Obj *obj)
{
    return indexObj(obj, false);
}

bool Project::keepIndexed(Obj *obj)
{
    return indexObj(obj, true);
}

bool Project::indexObj(Obj *obj, bool mayBeThere)
{
    if (!CHECK(obj && !obj->name().isEmpty()))
        return false;
    return indexObj(obj, mayBeThere, m_index[obj->kind()].fetchAhead(obj->name()));
}

bool Project::indexObj(Obj *obj, bool mayBeThere, quint32 hash)
{
    if (!CHECK(obj && !obj->name().isEmpty()))
        return false;
    NameIndex &inner = m_index[obj->kind()];
    // One look-up: a name already taken keeps its object.
    bool made = false;
    Obj *&slot = inner.slot(obj->name(), hash, &made);
    if (mayBeThere && !made && slot == obj)
        return true;
    if (!CHECK(made))
        return false;
    slot = obj;
    obj->m_indexed = true;
    forgetDeviceKind(obj->kind());
    if (isCarriedKind(obj->kind()))
        return true;
    if (m_pasting)
        m_pasteAdded.append(obj);
    setSideFileChanged(0);
    emit objAppend(*obj);
    return true;
}

bool Project::removeObj(Obj *obj)
{
    if (!CHECK(obj && !obj->name().isEmpty()))
        return false;
    auto inner = m_index.find(obj->kind());
    if (!CHECK(inner != m_index.end()))
        return false;
    const qsizetype entry = inner->indexOf(obj->name());
    if (!CHECK(entry >= 0 && inner->at(entry).obj == obj))
        return false;
    eraseFromIndex(inner, entry);
    return true;
}

bool Project::removeObjIfIndexed(Obj *obj)
{
    if (!obj || obj->name().isEmpty())
        return false;
    // An object carried by a closing project's item goes with the item and
    // is announced to nobody: it is noted, not looked up in the index, which
    // goes as a whole; the close passes over what was noted.
    if (m_closing && obj->m_indexed && isCarriedKind(obj->kind())) {
        obj->m_indexed = false;
        m_goneCarried.push_back(obj);
        return true;
    }
    auto inner = m_index.find(obj->kind());
    if (inner == m_index.end())
        return false;
    const qsizetype entry = inner->indexOf(obj->name());
    if (entry < 0 || inner->at(entry).obj != obj)
        return false;
    eraseFromIndex(inner, entry);
    return true;
}

void Project::eraseFromIndex(QHash<int, NameIndex>::iterator inner, qsizetype entry)
{
    Obj *obj = inner->at(entry).obj;
    obj->m_indexed = false;
    forgetDeviceKind(obj->kind());
    ++m_recordEpoch;
    inner->removeAt(entry);
    if (inner->isEmpty())
        m_index.erase(inner);
    if (isCarriedKind(obj->kind()))
        return;
    emit objDelete(*obj);
    setSideFileChanged(0);
}

bool Project::renameObj(Obj *obj, const QString &formerName)
{
    if (!CHECK(obj && !formerName.isEmpty() && !obj->name().isEmpty()))
        return false;
    auto inner = m_index.find(obj->kind());
    if (!CHECK(inner != m_index.end()))
        return false;
    const qsizetype entry = inner->indexOf(formerName);
    if (!CHECK(entry >= 0 && inner->at(entry).obj == obj))
        return false;
    inner->removeAt(entry);
    bool made = false;
    inner->slot(obj->name(), &made) = obj;
    forgetDeviceKind(obj->kind());
    updateObj(obj);
    return true;
}

void Project::updateObj(Obj *obj)
{
    if (!CHECK_PTR(obj) || isCarriedKind(obj->kind()))
        return;
    noteWiringInput(obj);
    forgetDeviceRecord(obj);
    setSideFileChanged(0);
    emit objUpdate(*obj);
}

void Project::noteWiringInput(const Obj *obj)
{
    // A placed device is shown by its frame's pages: as they show it (its
    // address or not, a module's DC pages, a clamp panel's bands) beyond
    // what its layout holds.
    if (m_loading || m_closing || !obj)
        return;
    auto *device = dynamic_cast<const Device *>(obj);
    if (const Address *address = device ? device->address() : nullptr)
        m_wiringFrames.insert(address->packedFrameCode());
}

void Project::noteBindingsChanged(Obj *obj)
{
    if (!m_loading && !m_closing && obj)
        emit objBindingsChanged(*obj);
}

void Project::noteWiringFrame(quint32 frameCode)
{
    if (!m_loading)
        m_wiringFrames.insert(frameCode);
}

QSet<quint32> Project::takeWiringFrames()
{
    return std::exchange(m_wiringFrames, {});
}

Obj *Project::createDevice(int kind)
{
    if (!CHECK(kind > 0))
        return nullptr;
    auto entry = m_registry.constFind(kind);
    const DeviceKindEntry *row = entry == m_registry.cend() || !entry->factory ? nullptr : &entry.value();
    if (!CHECK_PTR(row))
        return nullptr;
    return row->factory(this);
}

QString Project::kindName(int kind) const
{
    auto entry = m_registry.constFind(kind);
    if (!CHECK(entry != m_registry.cend()))
        return QString();
    return tr(entry->name);
}

const DeviceKindEntry *Project::kindEntry(int kind) const
{
    auto entry = m_registry.constFind(kind);
    if (!CHECK(entry != m_registry.cend()))
        return nullptr;
    return &entry.value();
}

QString Project::projectProperty(int index) const
{
    if (!CHECK(index >= 0 && index < PropertyCount))
        return QStringLiteral("?");
    return m_properties[index];
}

void Project::setProjectProperty(int index, const QString &text)
{
    if (!CHECK(index >= 0 && index < PropertyCount))
        return;
    if (m_properties[index] == text)
        return;
    m_properties[index] = text;
    setModified(true);
}

void Project::setLanguage(int index)
{
    if (index == m_language)
        return;
    m_language = index;
    // The section texts on wiring pages follow the language.
    Pin::noteChainChange();
    setModified(true);
}

QString Project::languageName(int index)
{
    if (!CHECK(index >= 0 && index < LanguageCount))
        return QStringLiteral("?");
    return tr(languageNames[index]);
}

void Project::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    if (modified)
        emit projectChanged();
}

void Project::setSideFileChanged(int flag)
{
    m_changeRequests |= 1u << flag;
    if (m_changed[flag])
        return;
    m_changed[flag] = true;
    if (!m_modified) {
        m_modified = true;
        emit projectChanged();
    }
}

void Project::setDevicesChanged()
{
    // Which object changed is not said: every kept record goes.
    m_deviceRecords.clear();
    setSideFileChanged(0);
}

void Project::setSchemesChanged()
{
    setSideFileChanged(1);
}

void Project::setEquipmentChanged()
{
    setSideFileChanged(2);
}

void Project::setSpecificationDeviceChanged()
{
    setSideFileChanged(3);
}

void Project::setSpecificationCableChanged()
{
    setSideFileChanged(4);
}

void Project::clearChangeFlags()
{
    std::fill(std::begin(m_changed), std::end(m_changed), false);
}

void Project::setBuildStamp(const QDateTime &stamp)
{
    m_keepStamp = true;
    m_stamp = stamp;
}

void Project::setFileName(const QString &path)
{
    File &main = *m_files[MainFile];
    if (path.isEmpty() || path == main.fileName())
        return;
    main.changeFileName(path);
    for (int i = DevicesFile; i < FileCount; ++i)
        m_files[size_t(i)]->changeFileName(sideFilePath(i, false));
}

QString Project::sideFilePath(int index, bool firstDot) const
{
    // The name up to the last dot keeps "plant.v1.rlay" and "plant.v2.rlay"
    // apart; projects written before that used the name up to the first dot.
    const File &main = *m_files[MainFile];
    const QFileInfo info(main.fileName());
    return main.absolutePath() + QLatin1Char('/') + (firstDot ? info.baseName() : info.completeBaseName())
        + QString::fromLatin1(fileExtensions[index]);
}

QString Project::projectReadingSideFilesOf(const QString &path)
{
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    const QString base = target.completeBaseName();
    const QString extension = QString::fromLatin1(fileExtensions[MainFile]);
    for (const QString &name : folder.entryList({QLatin1Char('*') + extension}, QDir::Files)) {
        const QFileInfo other(folder.filePath(name));
        if (name == target.fileName())
            continue;
        // One named alike but for the letters of its extension reads the
        // very side files the target's name gives.
        if (other.completeBaseName() == base)
            return other.absoluteFilePath();
        // Only a main file with a dot before its extension reads side files
        // named up to its first dot, and it reads them while it has none of
        // its own name.
        if (other.baseName() != base)
            continue;
        bool own = false;
        bool shared = false;
        for (int i = DevicesFile; i < FileCount; ++i) {
            const QString ext = QString::fromLatin1(fileExtensions[i]);
            own = own || folder.exists(other.completeBaseName() + ext);
            shared = shared || folder.exists(base + ext);
        }
        if (shared && !own)
            return other.absoluteFilePath();
    }
    return QString();
}

QString Project::fileName() const
{
    return m_files[MainFile]->fileName();
}

File *Project::file(int index) const
{
    if (!CHECK(index >= 0 && index < FileCount))
        return nullptr;
    return m_files[size_t(index)].get();
}

void Project::check(QTreeWidget *results, int code)
{
    if (!CHECK(m_schemes && m_equipment))
        return;
    m_schemes->check(results, code);
    m_equipment->check(results, code);
}

qint32 Project::newIdentity()
{
    // The next number that no record of any space holds; 0 is "none".
    const auto held = [this](qint32 id) {
        return std::any_of(m_identities.cbegin(), m_identities.cend(),
                           [id](const IdentitySet &set) { return set.contains(id); });
    };
    do {
        m_lastIdentity = m_lastIdentity >= std::numeric_limits<qint32>::max() ? 1 : m_lastIdentity + 1;
    } while (held(m_lastIdentity));
    return m_lastIdentity;
}

qint32 Project::giveIdentity(qint32 &held, IdentitySpace space)
{
    if (held == 0) {
        held = newIdentity();
        m_identities[size_t(space)].insert(held, m_heldIdentities);
    }
    return held;
}

void Project::adoptIdentity(qint32 &held, qint32 id, IdentitySpace space)
{
    // Only what the project's files hold is kept; a paste's records get
    // numbers of their own. A number is held for the life of the project,
    // also once its record is gone: an unchanged file may still name it.
    IdentitySet &set = m_identities[size_t(space)];
    if (m_loading && id != 0 && held == 0 && !set.contains(id)) {
        held = id;
        set.insert(id, m_heldIdentities);
    }
}

qint32 Project::identity(const Obj *obj)
{
    return obj ? giveIdentity(obj->m_identity, ObjectIdentities) : 0;
}

qint32 Project::identity(const Pin *pin)
{
    return pin ? giveIdentity(pin->m_identity, PinIdentities) : 0;
}

qint32 Project::identity(const Identified *record, IdentitySpace space)
{
    return record ? giveIdentity(record->m_identity, space) : 0;
}

void Project::keepIdentity(const Identified *record, qint32 id, IdentitySpace space)
{
    if (record)
        adoptIdentity(record->m_identity, id, space);
}

bool Project::registerOldId(int id, Obj *obj)
{
    if (!CHECK(id != 0) || !CHECK_PTR(obj))
        return false;
    // The first object read under an identity keeps it: a later one would
    // take away what the first one's items resolve to.
    if (Obj *held = m_oldIds.value(id); held && held != obj)
        return false;
    m_oldIds.insert(id, obj);
    if (m_pasting)
        m_pasteIdOf.insert(obj, id);
    // Read from the project's files: the object keeps the identity that the
    // files know it by.
    adoptIdentity(obj->m_identity, id, ObjectIdentities);
    return true;
}

Obj *Project::objByOldId(int id) const
{
    return m_oldIds.value(id);
}

bool Project::standsForOtherId(const Obj *obj, int id) const
{
    const auto it = m_pasteIdOf.constFind(obj);
    return it != m_pasteIdOf.cend() && it.value() != id;
}

void Project::registerOldItem(int id, GraphicsItem *item)
{
    if (!CHECK(id != 0) || !CHECK_PTR(item))
        return;
    m_oldItems.insert(id, item);
}

GraphicsItem *Project::itemByOldId(int id, const GraphicsScene *scene) const
{
    for (auto it = m_oldItems.constFind(id); it != m_oldItems.cend() && it.key() == id; ++it) {
        if (it.value() && it.value()->graphicsScene() == scene)
            return it.value();
    }
    return nullptr;
}

void Project::clearOldIds()
{
    m_oldIds.clear();
    m_pasteIdOf.clear();
    m_pasteChoices.clear();
    m_oldItems.clear();
}

void Project::beginPaste()
{
    clearOldIds();
    m_pinMap.clear();
    m_pasteAdded.clear();
    m_pasteBound.clear();
    m_pasting = true;
}

void Project::endPaste(bool keep)
{
    m_pasting = false;
    if (!keep) {
        // The pasted items leave their objects first, so that no object
        // that was there before goes with them; then the objects the paste
        // added go.
        for (auto it = m_pasteBound.crbegin(); it != m_pasteBound.crend(); ++it) {
            if (it->first->items().contains(it->second))
                it->first->removeItem(it->second);
        }
        while (!m_pasteAdded.isEmpty())
            delete m_pasteAdded.takeLast();
        m_pinMap.clear();
    }
    m_pasteBound.clear();
    m_pasteAdded.clear();
    clearOldIds();
}

void Project::notePasteBinding(Obj *obj, ObjItem *item)
{
    if (m_pasting)
        m_pasteBound.append({obj, item});
}

void Project::forgetPasted(const Obj *obj)
{
    if (!m_pasting)
        return;
    m_pasteAdded.removeOne(obj);
    m_pasteBound.removeIf([obj](const std::pair<Obj *, ObjItem *> &bound) { return bound.first == obj; });
}

void Project::refusePaste()
{
    showError(tr("The clipboard holds data this program cannot paste. Nothing was pasted."));
}

void Project::readPin(Pin &pin, DataStream &stream)
{
    if (m_loading)
        pin.read(stream, m_readPins);
    else
        pin.read(stream, m_pinMap);
}

void Project::IdentitySet::insert(qint32 id, size_t &held)
{
    // The spaces share one numbering: the table reaches some way beyond
    // the identities of all of them, so that a large project's stay in the
    // table whichever space is read first.
    if (id <= 0 || (size_t(id) >= m_bits.size() && size_t(id) >= 64 * held + (1 << 20))) {
        if (!m_outliers.contains(id)) {
            m_outliers.insert(id);
            ++held;
        }
        return;
    }
    if (size_t(id) >= m_bits.size())
        m_bits.resize(std::max(size_t(id) + 1, 2 * m_bits.size()), false);
    if (!m_bits[size_t(id)]) {
        m_bits[size_t(id)] = true;
        ++held;
    }
}

bool Project::updatePinsPointers()
{
    // The pins of the map (a paste) join those read with the project.
    for (auto it = m_pinMap.cbegin(); it != m_pinMap.cend(); ++it)
        m_readPins.insert(it.key(), it.value());
    m_pinMap.clear();
    bool ok = true;
    // One visit to each pin resolves it.
    m_readPins.forEach([&](qint32 id, Pin *pin) {
        // Pins read from the project's files keep the identities they were
        // read with (a repeated one was replaced in the map and is not
        // taken).
        if (pin)
            adoptIdentity(pin->m_identity, id, PinIdentities);
        if (!CHECK_PTR(pin)) {
            ok = false;
            return;
        }
        if (!pin->resolveIds(m_readPins, id))
            ok = false;
    });
    m_readPins.clear();
    return ok;
}

namespace {

// The objects of a kind whose records the devices file keeps as one run.
const qsizetype deviceRunLength = 256;

} // namespace

void Project::forgetDeviceRecord(const Obj *obj)
{
    auto record = m_deviceRecords.find(obj->kind());
    if (record == m_deviceRecords.end())
        return;
    // The object stands where its name sorts; one found elsewhere leaves
    // the kind to be written anew.
    const QList<Obj *> &sorted = record->sorted;
    const auto at = std::lower_bound(sorted.cbegin(), sorted.cend(), obj->name(),
                                     [](const Obj *each, const QString &name) { return each->name() < name; });
    if (at == sorted.cend() || *at != obj) {
        m_deviceRecords.erase(record);
        return;
    }
    record->runs[size_t((at - sorted.cbegin()) / deviceRunLength)].bytes.clear();
}

void Project::writeKeptBlock(DataStream &stream, const KeptBlock &block)
{
    if (m_saving && &stream == m_savingStream && m_savingFile && block.sum.length == block.bytes.size()) {
        ChecksumSpan span = block.sum;
        span.offset = qsizetype(stream.pos());
        m_savingFile->knownSpans().push_back(span);
    }
    stream.writeRawData(block.bytes.constData(), int(block.bytes.size()));
}

void Project::writeDevices(DataStream &stream)
{
    QList<int> kinds = indexedKinds();
    kinds.erase(std::remove_if(kinds.begin(), kinds.end(), [](int kind) { return kind <= 100; }), kinds.end());
    stream << qint32(kinds.size());
    for (int kind : std::as_const(kinds)) {
        DeviceKindRecord &record = m_deviceRecords[kind];
        if (record.format != stream.formatIndex()) {
            record.sorted = sortedObjectsOfKind(kind);
            record.runs.assign(size_t((record.sorted.size() + deviceRunLength - 1) / deviceRunLength), KeptBlock());
            record.format = stream.formatIndex();
        }
        stream << qint32(kind) << qint32(record.sorted.size());
        for (size_t run = 0; run < record.runs.size(); ++run) {
            KeptBlock &block = record.runs[run];
            if (block.bytes.isEmpty()) {
                {
                    DataStream runStream(&block.bytes, QIODevice::WriteOnly);
                    runStream.setFormatIndex(record.format);
                    const qsizetype first = qsizetype(run) * deviceRunLength;
                    const qsizetype last = std::min(first + deviceRunLength, record.sorted.size());
                    for (qsizetype i = first; i < last; ++i)
                        record.sorted[i]->write(runStream);
                }
                block.seal();
            }
            writeKeptBlock(stream, block);
        }
    }
}

bool Project::readDevices(DataStream &stream, QString *message)
{
    const QString name = m_files[DevicesFile]->fileName();
    // Damaged data costs no box per value: the first record that cannot be
    // read ends the reading, and the one message names the file.
    CountedChecks quiet;
    bool negativeKind = false;
    qint32 kindCount = 0;
    stream >> kindCount;
    // A kind record holds at least its code and its count, an object at
    // least its name's length and its identity.
    stream.checkCount(kindCount, 8);
    for (qint32 k = 0; k < kindCount && stream.status() == QDataStream::Ok; ++k) {
        qint32 kind = 0;
        qint32 count = 0;
        stream >> kind >> count;
        if (stream.status() != QDataStream::Ok)
            break;
        if (kind < 0) {
            negativeKind = true;
            stream.setStatus(QDataStream::ReadCorruptData);
            break;
        }
        if (!stream.checkCount(count, 8))
            break;
        // The kind's index, with its first object, takes the count at once:
        // no growing step by step through a large project's devices. Each
        // object read waits a few records before it is indexed, while the
        // index's memory where its name goes is fetched.
        struct Read
        {
            Obj *obj;
            quint32 hash;
        };
        constexpr size_t lag = 8;
        std::array<Read, lag> waiting;
        size_t first = 0;
        size_t held = 0;
        bool refused = false;
        // An object whose name is empty or already taken cannot be indexed:
        // the file is damaged, and the objects read after it go too.
        auto indexFirst = [&] {
            const Read read = waiting[first];
            first = (first + 1) % lag;
            --held;
            if (refused || !indexObj(read.obj, false, read.hash)) {
                refused = true;
                forgetOldIds(read.obj);
                delete read.obj;
            }
        };
        for (qint32 i = 0; i < count && !refused; ++i) {
            Obj *obj = createDevice(kind);
            if (!stream.checkRecord(obj != nullptr))
                break;
            obj->read(stream);
            if (stream.status() != QDataStream::Ok || quiet.failed() > 0) {
                forgetOldIds(obj);
                delete obj;
                stream.setStatus(QDataStream::ReadCorruptData);
                break;
            }
            NameIndex &inner = m_index[obj->kind()];
            if (i == 0)
                inner.reserve(inner.size() + count);
            const quint32 hash = inner.fetchAhead(obj->name());
            if (held == lag)
                indexFirst();
            waiting[(first + held) % lag] = Read{obj, hash};
            ++held;
        }
        while (held > 0)
            indexFirst();
        if (refused)
            stream.setStatus(QDataStream::ReadCorruptData);
    }
    const bool ok = stream.status() == QDataStream::Ok && quiet.failed() == 0;
    if (message && !ok) {
        *message = negativeKind ? tr("Load devices cast not correct. File %1 is corrupt!").arg(name)
                                : tr("Load devices not correct. File %1 is corrupt!").arg(name);
    }
    return ok;
}

void Project::forgetOldIds(const Obj *obj)
{
    m_oldIds.removeRecord(obj);
}

void Project::emitShowGraphicsScene(GraphicsScene &scene, GraphicsItem *item)
{
    emit showGraphicsScene(scene, item);
}

void Project::emitDeleteGraphicsScene(GraphicsScene *scene)
{
    emit deleteGraphicsScene(scene);
}

void Project::emitNameChangedGraphicsScene(const GraphicsScene &scene)
{
    emit nameChangedGraphicsScene(scene);
}

void Project::changeCurrentItem(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    if (auto *row = dynamic_cast<ProjectItemBase *>(previous))
        row->setCurrent(false);
    if (auto *row = dynamic_cast<ProjectItemBase *>(current))
        row->setCurrent(true);
}

void Project::doubleClickCurrentItem(QTreeWidgetItem *item, int)
{
    doubleClickCurrentItem(item);
}

void Project::doubleClickCurrentItem(QTreeWidgetItem *item)
{
    if (auto *row = dynamic_cast<ProjectItemBase *>(item))
        row->doubleClicked();
}

void Project::collapseItem(QTreeWidgetItem *item)
{
    if (auto *row = dynamic_cast<ProjectItemBase *>(item))
        row->collapsed();
}

void Project::expandedItem(QTreeWidgetItem *item)
{
    if (auto *row = dynamic_cast<ProjectItemBase *>(item))
        row->expanded();
}

void Project::contextMenuEvent(QContextMenuEvent *event)
{
    if (!CHECK_PTR(event))
        return;
    if (auto *row = dynamic_cast<ProjectItemBase *>(currentItem()))
        row->contextMenu(event->globalPos());
    event->accept();
}
