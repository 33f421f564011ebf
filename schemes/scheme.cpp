#include "schemes/scheme.h"

#include "graphics/graphicsitem.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"
#include "schemes/net.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

QHash<int, SchemeItemType> &registry()
{
    static QHash<int, SchemeItemType> types;
    return types;
}

// The kinds that can stand on a scheme; their rows join as each kind lands.
const SchemeItemType *const itemTypes = nullptr;
const int itemTypeCount = 0;

// Relay windings are resolved before the items that refer to them.
bool isWinding(const GraphicsItem *item)
{
    const int type = item->type();
    return type >= QGraphicsItem::UserType + 301 && type < QGraphicsItem::UserType + 400;
}

// A recorded file name names a file in the group directory, nothing else.
bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

} // namespace

Scheme::Scheme(Project *project)
    : GraphicsScene(project)
    , m_file(QStringLiteral(".sch"))
{
    setGridStep(qRound(40.0));
    if (sceneItem())
        sceneItem()->setIcons(QStringLiteral(":/images/scheme.png"), QStringLiteral(":/images/scheme.png"));
}

Scheme::~Scheme()
{
    dropStream();
}

void Scheme::registerItemTypes()
{
    for (int i = 0; i < itemTypeCount; ++i)
        registry().insert(itemTypes[i].typeId, itemTypes[i]);
    registerConnectionItems(registry());
}

const SchemeItemType *Scheme::itemTypeRecord(int typeId)
{
    const auto it = registry().constFind(typeId);
    return it == registry().constEnd() ? nullptr : &it.value();
}

GraphicsItem *Scheme::createItem(int type)
{
    if (!CHECK(type >= 1))
        return nullptr;
    const SchemeItemType *record = itemTypeRecord(type);
    if (record && record->createItem)
        return record->createItem(this);
    return GraphicsScene::createItem(type);
}

GraphicsEdit *Scheme::createEdit(QList<QAction *> *actions)
{
    auto *edit = new SchemeEdit(actions);
    edit->setScene(this);
    return edit;
}

DlgPropGraphicsItem *Scheme::createDialog(int type)
{
    if (!CHECK(type >= 1))
        return nullptr;
    const SchemeItemType *record = itemTypeRecord(type);
    if (record && record->createDialog)
        return record->createDialog(this);
    return GraphicsScene::createDialog(type);
}

QString Scheme::displayName() const
{
    return QString::asprintf(" %.2d_%.2d", groupNumber(), number()) + GraphicsScene::displayName();
}

SchemeGroup *Scheme::group() const
{
    const SceneItem *row = sceneItem();
    auto *parent = row ? dynamic_cast<ProjectItemOwner<ItemMenagerBase> *>(row->parent()) : nullptr;
    return parent ? dynamic_cast<SchemeGroup *>(parent->owner()) : nullptr;
}

int Scheme::groupNumber() const
{
    const SchemeGroup *owner = group();
    return owner ? owner->atrNumber() : 0;
}

QString Scheme::property(int id) const
{
    if (const SchemeGroup *owner = group())
        return owner->projectProperty(id, false);
    return GraphicsScene::property(id);
}

void Scheme::saveReference(DataStream &stream)
{
    m_file.writeHeader(stream);
}

void Scheme::loadReference(DataStream &stream)
{
    m_file.readHeader(stream);
}

void Scheme::dropStream()
{
    delete m_stream;
    m_stream = nullptr;
}

void Scheme::saveScene(DataStream &stream)
{
    if (!isModified())
        return;
    if (!CHECK(m_stream == nullptr))
        dropStream();
    m_file.clear(false);
    m_savedRecord = m_file.record();
    m_stream = new DataStream(&m_file.buffer(), QIODevice::WriteOnly);
    m_stream->setFormatIndex(stream.formatIndex());
    if (!m_file.writeNameAndDate(*m_stream)) {
        dropStream();
        m_file.clear(false);
        return;
    }
    GraphicsScene::saveScene(*m_stream);
}

bool Scheme::saveItemsGeometry(DataStream &)
{
    if (!isModified())
        return true;
    if (!CHECK(m_stream != nullptr))
        return false;
    bool ok = GraphicsScene::saveItemsGeometry(*m_stream);
    dropStream();
    // The file is written with the rest of the save and replaced only when
    // the whole save succeeds.
    if (ok && CHECK_PTR(project()))
        ok = project()->stageFile(&m_file);
    else
        ok = false;
    m_file.clear(false);
    if (ok) {
        m_savePending = true;
        setModified(false);
    } else {
        m_file.record() = m_savedRecord;
    }
    return ok;
}

void Scheme::saveFinished(bool saved)
{
    if (!m_savePending)
        return;
    m_savePending = false;
    if (!saved) {
        m_file.record() = m_savedRecord;
        setModified(true);
    }
}

bool Scheme::loadScene(DataStream &stream)
{
    if (!CHECK(m_stream == nullptr))
        dropStream();
    const SchemeGroup *owner = group();
    if (!CHECK_PTR(owner) || !CHECK_PTR(project()))
        return false;
    const QString name = m_file.record().name;
    if (!isPlainFileName(name))
        return false;
    const QString path = project()->file(Project::MainFile)->absolutePath() + QLatin1Char('/')
        + QString::number(owner->dirNumber().number) + QLatin1Char('/') + name;
    if (m_file.fileName() != path)
        m_file.changeFileName(path);
    m_file.clear(false);
    m_stream = new DataStream(&m_file.buffer(), QIODevice::ReadOnly);
    m_stream->setFormatIndex(stream.formatIndex());
    if (!m_file.load(*m_stream) || !GraphicsScene::loadScene(*m_stream)) {
        dropStream();
        m_file.clear(false);
        return false;
    }
    return true;
}

bool Scheme::loadItemsGeometry(DataStream &)
{
    if (!CHECK(m_stream != nullptr))
        return false;
    const bool ok = GraphicsScene::loadItemsGeometry(*m_stream);
    dropStream();
    m_file.clear(false);
    // What was read is what lies on disk.
    if (ok)
        setModified(false);
    return ok;
}

bool Scheme::updatePointers(bool first)
{
    const QList<GraphicsItem *> list = graphicsItems();
    for (GraphicsItem *item : list) {
        if (item && isWinding(item) == first && !item->resolveLinks())
            return false;
    }
    return true;
}

bool Scheme::prepareFile(const QString &directory, QSet<QString> &takenNames)
{
    QString path;
    if (m_file.fileName().isEmpty()) {
        const QString extension = m_file.defaultExtension();
        const auto nameOf = [&](int n) { return QString::number(n) + extension; };
        const int n = pickFreeNumber([&](int n) {
            return takenNames.contains(nameOf(n)) || QFile::exists(directory + QLatin1Char('/') + nameOf(n));
        });
        if (!CHECK(n > 0))
            return false;
        path = directory + QLatin1Char('/') + nameOf(n);
    } else if (QDir(QFileInfo(m_file.fileName()).absolutePath()) != QDir(directory)) {
        path = directory + QLatin1Char('/') + m_file.shortFileName();
    } else {
        takenNames.insert(m_file.shortFileName());
        return true;
    }
    setModified(true);
    m_file.changeFileName(path);
    takenNames.insert(m_file.shortFileName());
    return true;
}
