#include "schemes/scheme.h"

#include "devices/dlgpropammeter.h"
#include "devices/dlgpropautoswitch.h"
#include "devices/dlgpropbell.h"
#include "devices/dlgpropblock.h"
#include "devices/dlgpropbottom.h"
#include "devices/dlgpropbox.h"
#include "devices/dlgpropbutton.h"
#include "devices/dlgpropcapacitor.h"
#include "devices/dlgpropclamp.h"
#include "devices/dlgpropcommand.h"
#include "devices/dlgpropcommutator.h"
#include "devices/dlgpropcontact.h"
#include "devices/dlgpropdiode.h"
#include "devices/dlgpropdischarger.h"
#include "devices/dlgpropfuse.h"
#include "devices/dlgpropheating.h"
#include "devices/dlgpropinterrupter.h"
#include "devices/dlgpropkeystaff.h"
#include "devices/dlgproplamp.h"
#include "devices/dlgpropluminodiode.h"
#include "devices/dlgpropmeasuringpanel.h"
#include "devices/dlgpropplughole.h"
#include "devices/dlgproprelay.h"
#include "devices/dlgpropresistor.h"
#include "devices/dlgpropsignallamp.h"
#include "devices/dlgpropstabilitron.h"
#include "devices/dlgproptrans.h"
#include "devices/dlgpropvaristor.h"
#include "devices/graphicsammeter.h"
#include "devices/graphicsautoswitch.h"
#include "devices/graphicsbell.h"
#include "devices/graphicsblock.h"
#include "devices/graphicsbottom.h"
#include "devices/graphicsbox.h"
#include "devices/graphicsbutton.h"
#include "devices/graphicscapacitor.h"
#include "devices/graphicsclamp.h"
#include "devices/graphicscommand.h"
#include "devices/graphicscommutator.h"
#include "devices/graphicscontact.h"
#include "devices/graphicsdiode.h"
#include "devices/graphicsdischarger.h"
#include "devices/graphicsfuse.h"
#include "devices/graphicsheating.h"
#include "devices/graphicsinterrupter.h"
#include "devices/graphicskeystaff.h"
#include "devices/graphicslamp.h"
#include "devices/graphicsluminodiode.h"
#include "devices/graphicsmeasuringpanel.h"
#include "devices/graphicsplughole.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/graphicsresistor.h"
#include "devices/graphicssignallamp.h"
#include "devices/graphicsstabilitron.h"
#include "devices/graphicstrans.h"
#include "devices/graphicsvaristor.h"
#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/dlgpropgraphicspins.h"
#include "graphics/font.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsobjitem.h"
#include "graphics/graphicspins.h"
#include "graphics/graphicstext.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/project.h"
#include "schemes/dlgpropconductor.h"
#include "schemes/dlgpropcopperplate.h"
#include "schemes/dlgpropfootnote.h"
#include "schemes/dlgproppassage.h"
#include "schemes/dlgpropslantingnet.h"
#include "schemes/dlgpropsource.h"
#include "schemes/graphicsconductor.h"
#include "schemes/graphicscopperplate.h"
#include "schemes/graphicscrossnet.h"
#include "schemes/graphicsfootnote.h"
#include "schemes/graphicsground.h"
#include "schemes/graphicsnode.h"
#include "schemes/graphicspassage.h"
#include "schemes/graphicsslantingnet.h"
#include "schemes/graphicssource.h"
#include "schemes/net.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schemepassage.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

constexpr int itemUserType = QGraphicsItem::UserType;

// The kinds by their type id, less the toolkit's first user type: every
// item of a sheet being read is made through its row. A row of type id 0
// holds no kind.
constexpr int registrySpan = 1024;

SchemeItemType *schemeItemRegistry()
{
    static SchemeItemType types[registrySpan] = {};
    return types;
}

SchemeItemType *registryRow(int typeId)
{
    const unsigned at = unsigned(typeId - itemUserType);
    if (at >= unsigned(registrySpan))
        return nullptr;
    SchemeItemType *row = schemeItemRegistry() + at;
    return row->typeId == typeId ? row : nullptr;
}

// Every kind that can stand on a scheme. A kind gets its factories here when
// its item and dialog classes exist; until then both are null.
const SchemeItemType itemTypeTable[Scheme::ItemTypeCount] = {
    {itemUserType + 302, createGraphicsRelayWinding, createDlgPropRelay, QT_TRANSLATE_NOOP("Scheme", "Relay"), "Relay"},
    {itemUserType + 401, createGraphicsContact, createDlgPropContact, QT_TRANSLATE_NOOP("Scheme", "Contact"), "Contact"},
    {itemUserType + 400, createGraphicsBlock, createDlgPropBlock, QT_TRANSLATE_NOOP("Scheme", "Block"), "Block"},
    {itemUserType + 202, createGraphicsSource, createDlgPropSource, QT_TRANSLATE_NOOP("Scheme", "Source"), "Source"},
    {itemUserType + 404, createGraphicsTrans, createDlgPropTrans, QT_TRANSLATE_NOOP("Scheme", "Trans"), "Trans"},
    {itemUserType + 203, createGraphicsFootnote, createDlgPropFootnote, QT_TRANSLATE_NOOP("Scheme", "Footnote"), "Footnote"},
    {itemUserType + 403, createGraphicsFuse, createDlgPropFuse, QT_TRANSLATE_NOOP("Scheme", "Fuse"), "Fuse"},
    {itemUserType + 402, createGraphicsClamp, createDlgPropClamp, QT_TRANSLATE_NOOP("Scheme", "Clamp"), "Clamp"},
    {itemUserType + 104, createGraphicsPassage, createDlgPropPassage, QT_TRANSLATE_NOOP("Scheme", "Passage"), "Passage"},
    {itemUserType + 102, createNet, createDlgPropNet, QT_TRANSLATE_NOOP("Scheme", "Net"), "Net"},
    {itemUserType + 103, createNode, nullptr, QT_TRANSLATE_NOOP("Scheme", "Node"), "Node"},
    {itemUserType + 111, createCrossNet, nullptr, QT_TRANSLATE_NOOP("Scheme", "CrossNet"), "CrossNet"},
    {itemUserType + 500, nullptr, nullptr, QT_TRANSLATE_NOOP("Scheme", "PowerBus"), "PowerBus"},
    {itemUserType + 405, createGraphicsPlughole, createDlgPropPlughole, QT_TRANSLATE_NOOP("Scheme", "Plughole"), "Plughole"},
    {itemUserType + 406, createGraphicsCapacitor, createDlgPropCapacitor, QT_TRANSLATE_NOOP("Scheme", "Capacitor"), "Capacitor"},
    {itemUserType + 407, createGraphicsResistor, createDlgPropResistor, QT_TRANSLATE_NOOP("Scheme", "Resistor"), "Resistor"},
    {itemUserType + 408, createGraphicsDischarger, createDlgPropDischarger, QT_TRANSLATE_NOOP("Scheme", "Discharger"), "Discharger"},
    {itemUserType + 409, createGraphicsVaristor, createDlgPropVaristor, QT_TRANSLATE_NOOP("Scheme", "Varistor"), "Varistor"},
    {itemUserType + 501, createGround, nullptr, QT_TRANSLATE_NOOP("Scheme", "Ground"), "Ground"},
    {itemUserType + 112, createSlantingNet, createDlgPropSlantingNet, QT_TRANSLATE_NOOP("Scheme", "SlantingNet"), "SlantingNet"},
    {itemUserType + 113, createCopperPlate, createDlgPropCopperPlate, QT_TRANSLATE_NOOP("Scheme", "CopperPlate"), "CopperPlate"},
    {itemUserType + 502, createGraphicsBottom, createDlgPropBottom, QT_TRANSLATE_NOOP("Scheme", "Bottom"), "Bottom"},
    {itemUserType + 204, createGraphicsConductor, createDlgPropConductor, QT_TRANSLATE_NOOP("Scheme", "Conductor"), "Conductor"},
    {itemUserType + 410, createGraphicsDiode, createDlgPropDiode, QT_TRANSLATE_NOOP("Scheme", "Diode"), "Diode"},
    {itemUserType + 411, createGraphicsStabilitron, createDlgPropStabilitron, QT_TRANSLATE_NOOP("Scheme", "Stabilitron"), "Stabilitron"},
    {itemUserType + 412, createGraphicsLamp, createDlgPropLamp, QT_TRANSLATE_NOOP("Scheme", "Lamp"), "Lamp"},
    {itemUserType + 413, createGraphicsBell, createDlgPropBell, QT_TRANSLATE_NOOP("Scheme", "Bell"), "Bell"},
    {itemUserType + 414, createGraphicsMeasuringPanel, createDlgPropMeasuringPanel, QT_TRANSLATE_NOOP("Scheme", "MeasuringPanel"), "MeasuringPanel"},
    {itemUserType + 415, createGraphicsHeating, createDlgPropHeating, QT_TRANSLATE_NOOP("Scheme", "Heating"), "Heating"},
    {itemUserType + 416, createGraphicsBox, createDlgPropBox, QT_TRANSLATE_NOOP("Scheme", "Box"), "Box"},
    {itemUserType + 417, createGraphicsInterrupter, createDlgPropInterrupter, QT_TRANSLATE_NOOP("Scheme", "Interrupter"), "Interrupter"},
    {itemUserType + 418, createGraphicsLuminodiode, createDlgPropLuminodiode, QT_TRANSLATE_NOOP("Scheme", "Luminodiode"), "Luminodiode"},
    {itemUserType + 419, createGraphicsSignallamp, createDlgPropSignallamp, QT_TRANSLATE_NOOP("Scheme", "Signallamp"), "Signallamp"},
    {itemUserType + 420, createGraphicsButton, createDlgPropButton, QT_TRANSLATE_NOOP("Scheme", "Button"), "Button"},
    {itemUserType + 421, createGraphicsCommutator, createDlgPropCommutator, QT_TRANSLATE_NOOP("Scheme", "Commutator"), "Commutator"},
    {itemUserType + 422, createGraphicsKeystaff, createDlgPropKeystaff, QT_TRANSLATE_NOOP("Scheme", "Keystaff"), "Keystaff"},
    {itemUserType + 423, createGraphicsCommand, createDlgPropCommand, QT_TRANSLATE_NOOP("Scheme", "Command"), "Command"},
    {itemUserType + 424, createGraphicsAmmeter, createDlgPropAmmeter, QT_TRANSLATE_NOOP("Scheme", "Ammeter"), "Ammeter"},
    {itemUserType + 425, createGraphicsAutoSwitch, createDlgPropAutoSwitch, QT_TRANSLATE_NOOP("Scheme", "AutoSwitch"), "AutoSwitch"},
};

bool isWinding(const GraphicsItem *item)
{
    const int type = item->type();
    return type >= Scheme::FirstWindingType && type < Scheme::EndWindingType;
}

// A recorded file name names a file in the group directory, nothing else.
bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

// The width of the widest of the text's lines.
double textWidth(const QFontMetricsF &metrics, const QString &text)
{
    double width = 0;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\\n\\x{2028}]")));
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

} // namespace

SchemePassage *schemePassageCast(GraphicsItem *item)
{
    return item && item->type() == Scheme::PassageType ? dynamic_cast<SchemePassage *>(item) : nullptr;
}

Scheme::Scheme(Project *project)
    : GraphicsScene(project)
    , m_file(QStringLiteral(".sch"))
{
    setGridStep(qRound(40.0));
    readItemsApart();
    if (sceneItem())
        sceneItem()->setIcons(QStringLiteral(":/images/scheme.png"), QStringLiteral(":/images/scheme.png"));
}

Scheme::~Scheme()
{
    dropStream();
}

void Scheme::registerItemTypes()
{
    for (const SchemeItemType &row : itemTypeTable) {
        const unsigned at = unsigned(row.typeId - itemUserType);
        if (CHECK(at < unsigned(registrySpan)))
            schemeItemRegistry()[at] = row;
    }
    // Pinned items' dialogs measure nets the way the nets themselves do.
    DlgPropGraphicsPins::setNetLengthFunction(&GraphicsNet::lengthOf);
    // Conductors carry a net over to the paired clamp of a bottom panel.
    GraphicsConductor::setPairedClampLookup(&pairedClampOf);
}

const SchemeItemType *Scheme::itemTypeRecord(int typeId)
{
    return registryRow(typeId);
}

bool Scheme::setItemTypeFactories(int typeId, SchemeItemFactory item, SchemeDialogFactory dialog)
{
    SchemeItemType *row = registryRow(typeId);
    if (!row)
        return false;
    row->createItem = item;
    row->createDialog = dialog;
    return true;
}

const SchemeItemType *Scheme::itemTypes(int &count)
{
    count = ItemTypeCount;
    return itemTypeTable;
}

GraphicsItem *Scheme::createItem(int type)
{
    if (!CHECK(type >= 1))
        return nullptr;
    const SchemeItemType *record = itemTypeRecord(type);
    if (!record)
        return GraphicsScene::createItem(type);
    return record->createItem ? record->createItem(this) : nullptr;
}

bool Scheme::hasDialog(int type) const
{
    const SchemeItemType *record = itemTypeRecord(type);
    return record ? record->createDialog != nullptr : GraphicsScene::hasDialog(type);
}

DlgPropGraphicsItem *Scheme::createDialog(int type)
{
    if (!CHECK(type >= 1))
        return nullptr;
    const SchemeItemType *record = itemTypeRecord(type);
    if (!record)
        return GraphicsScene::createDialog(type);
    if (!record->createDialog)
        return nullptr;
    DlgPropGraphicsItem *dialog = record->createDialog(this);
    if (!CHECK_PTR(dialog))
        return nullptr;
    dialog->setWindowTitle(tr(record->name));
    return dialog;
}

GraphicsEdit *Scheme::createEdit(QList<QAction *> *actions)
{
    auto *edit = new SchemeEdit(actions);
    if (!CHECK_PTR(edit))
        return nullptr;
    edit->setScene(this);
    return edit;
}

bool Scheme::addGraphicsItem(GraphicsItem *item)
{
    if (!GraphicsScene::addGraphicsItem(item))
        return false;
    // The windings of a sheet being read are resolved before every other
    // item of every sheet: listed here, they are found without a visit to
    // each item.
    if (isReadingItems() && isWinding(item))
        m_readWindings.append(item);
    if (item->type() != PassageType)
        return true;
    if (!CHECK(!m_passages.contains(item)))
        return false;
    m_passages.append(item);
    return true;
}

bool Scheme::removeGraphicsItem(GraphicsItem *item)
{
    if (!GraphicsScene::removeGraphicsItem(item))
        return false;
    if (item->type() == PassageType) {
        if (SchemePassage *passage = schemePassageCast(item))
            passage->releaseClamps();
        m_passages.removeAll(item);
        layoutPassages();
    }
    if (item->type() >= FirstJoiningType) {
        if (auto *pinned = dynamic_cast<GraphicsPins *>(item))
            pinned->unsolderAll();
    }
    return true;
}

void Scheme::notifyItem(GraphicsItem *item)
{
    if (item && item->type() == PassageType)
        layoutPassages();
}

void Scheme::forgetItem(GraphicsItem *item)
{
    m_passages.removeAll(item);
    if (!m_readWindings.isEmpty())
        m_readWindings.removeAll(item);
    GraphicsScene::forgetItem(item);
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

void Scheme::abandonWrite()
{
    // Written in the save's first pass, never reached by its second: the
    // save stopped at an earlier failure.
    if (!m_stream)
        return;
    dropStream();
    m_file.clear(false);
    m_file.record() = m_savedRecord;
}

void Scheme::saveFinished(bool saved)
{
    abandonWrite();
    if (!m_savePending)
        return;
    m_savePending = false;
    if (!saved) {
        m_file.record() = m_savedRecord;
        setModified(true);
    }
}

void Scheme::restoreFileState(const FileState &state)
{
    abandonWrite();
    m_savePending = false;
    if (m_file.path() != state.path)
        m_file.changeFileName(state.path);
    m_file.record() = state.record;
    setModified(state.modified);
}

QString Scheme::recordedFilePath() const
{
    const SchemeGroup *owner = group();
    const QString &name = m_file.record().name;
    if (!owner || !project() || !isPlainFileName(name))
        return QString();
    return project()->file(Project::MainFile)->absolutePath() + QLatin1Char('/')
        + QString::number(owner->dirNumber().number) + QLatin1Char('/') + name;
}

bool Scheme::loadScene(DataStream &stream)
{
    if (!CHECK(m_stream == nullptr))
        dropStream();
    const SchemeGroup *owner = group();
    if (!CHECK_PTR(owner) || !CHECK_PTR(project()))
        return false;
    const QString path = recordedFilePath();
    if (path.isEmpty())
        return false;
    if (m_file.fileName() != path)
        m_file.changeFileName(path);
    m_file.clear(false);
    m_stream = new DataStream(&m_file.buffer(), QIODevice::ReadOnly);
    m_stream->setFormatIndex(stream.formatIndex());
    // A damaged drawing fails the load as a fault of this sheet's file.
    CountedChecks quiet;
    if (!m_file.load(*m_stream) || !GraphicsScene::loadScene(*m_stream) || quiet.failed() > 0) {
        project()->setFailedFile(m_file.fileName());
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
    CountedChecks quiet;
    // The geometry is the last of the file: nothing may be left.
    const bool ok = GraphicsScene::loadItemsGeometry(*m_stream) && m_stream->checkAtEnd() && quiet.failed() == 0;
    if (!ok && project())
        project()->setFailedFile(m_file.fileName());
    dropStream();
    m_file.clear(false);
    layoutPassages();
    // What was read is what lies on disk.
    if (ok)
        setModified(false);
    return ok;
}

void Scheme::loadClipboardGeometry(DataStream &stream)
{
    GraphicsScene::loadClipboardGeometry(stream);
    layoutPassages();
}

bool Scheme::updatePointers(bool windings)
{
    // A snapshot shared with the sheet, read only: never copied.
    const QList<GraphicsItem *> list = windings ? m_readWindings : graphicsItems();
    m_readWindings.clear();
    for (qsizetype i = 0; i < list.size(); ++i) {
        // Items lie apart in memory: each is fetched a few visits ahead.
        if (i + 8 < list.size())
            __builtin_prefetch(list[i + 8]);
        GraphicsItem *item = list[i];
        if (item && isWinding(item) == windings && !item->resolveLinks()) {
            // The item refers to what no file holds: this sheet's file is
            // the one that does not fit.
            if (project())
                project()->setFailedFile(m_file.fileName());
            return false;
        }
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
        // Every number is taken: the group's directory is full.
        if (n <= 0) {
            showError(tr("Cannot create file in dir %1").arg(directory));
            return false;
        }
        path = directory + QLatin1Char('/') + nameOf(n);
    } else if (hasFileIn(directory)) {
        takenNames.insert(m_file.fileName().mid(directory.size() + 1));
        return true;
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

bool Scheme::hasFileIn(const QString &directory) const
{
    // Compared as text: no file system look-up for the sheets of every save.
    const QString &path = m_file.path();
    const qsizetype n = directory.size();
    return path.size() > n + 1 && path.startsWith(directory) && path.at(n) == QLatin1Char('/')
        && path.indexOf(QLatin1Char('/'), n + 1) < 0;
}

int Scheme::passageIndex(const GraphicsItem *passage) const
{
    return m_passages.indexOf(const_cast<GraphicsItem *>(passage));
}

int Scheme::tableFontIndex()
{
    return showBigDeviceNames ? 4 : 3;
}

QList<Scheme::Block> Scheme::tableBlocks() const
{
    QList<Block> blocks;
    const QRectF sheet = sceneRect();
    const double stampHeight = borderType() == BorderSmall ? 150 : 550;
    const double bottomLimit = sheet.height() - stampHeight - 150;
    double x = 40 * std::floor((sheet.width() - 50) / 40);
    double y = 0;
    bool firstColumn = true;
    blocks.reserve(m_passages.size());
    for (int k = 0; k < m_passages.size(); ++k) {
        const SchemePassage *passage = schemePassageCast(m_passages[k]);
        const int count = passage ? std::max(passage->clampCount(), 1) : 1;
        const double height = 40.0 * count;
        const bool newColumn = k == 0 || !(y + height < bottomLimit);
        if (newColumn) {
            firstColumn = k == 0;
            x = x - m_clampColumnWidth - 40;
            y = 60;
        }
        blocks.append(Block{x, y, height, newColumn, firstColumn});
        y += height;
    }
    return blocks;
}

void Scheme::layoutPassages()
{
    double widest = 0;
    if (hasFontSet()) {
        const QFontMetricsF metrics(::font(tableFontIndex()));
        for (GraphicsItem *item : std::as_const(m_passages)) {
            const SchemePassage *passage = schemePassageCast(item);
            for (int j = 0; passage && j < passage->clampCount(); ++j)
                widest = std::max(widest, textWidth(metrics, passage->clampLabel(j)));
        }
    }
    double width = widest + 20;
    const qint64 whole = qint64(width);
    if (whole % 40 != 0)
        width = 40.0 * double(whole / 40 + 1);
    m_clampColumnWidth = width;

    const QList<Block> blocks = tableBlocks();
    for (int k = 0; k < blocks.size(); ++k) {
        const SchemePassage *passage = schemePassageCast(m_passages[k]);
        for (int j = 0; passage && j < passage->clampCount(); ++j) {
            GraphicsItem *clamp = passage->clampItem(j);
            if (!clamp || passage->isBottomClamp(j))
                continue;
            const QPointF place(blocks[k].x + 40, blocks[k].y + (j + 0.5) * 40);
            if (clamp->pos() != place)
                clamp->setPosQuiet(place);
        }
    }
    // The table is drawn with the background: the whole sheet is shown anew.
    update(sceneRect());
}

void Scheme::drawPassageTable(QPainter *painter) const
{
    const QRectF sheet = sceneRect();
    const double usable = sheet.width() - 50;
    const double extraOfFirst = usable - 40 * std::floor(usable / 40);
    const bool withText = hasFontSet();
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    if (withText)
        painter->setFont(::font(tableFontIndex()));
    const QList<Block> blocks = tableBlocks();
    for (int k = 0; k < blocks.size(); ++k) {
        const Block &b = blocks[k];
        const double d = b.firstInColumn ? 10 : 0;
        const double extra = b.firstColumn ? extraOfFirst : 0;
        painter->drawRect(QRectF(b.x + 40, b.y - d, m_clampColumnWidth + extra, b.height + d));
        painter->drawRect(QRectF(b.x, b.y - d, 40, b.height + d));
        if (!withText)
            continue;
        painter->drawText(QRectF(b.x, b.y, 40, 40), Qt::AlignCenter, QString::number(k + 1));
        const SchemePassage *passage = schemePassageCast(m_passages[k]);
        for (int j = 0; passage && j < passage->clampCount(); ++j) {
            if (passage->isBottomClamp(j))
                painter->drawText(QRectF(b.x + 52, b.y + 40 * j, m_clampColumnWidth, 40),
                                  Qt::AlignLeft | Qt::AlignVCenter, passage->clampLabel(j));
        }
    }
}

void Scheme::drawBackground(QPainter *painter, const QRectF &rect)
{
    GraphicsScene::drawBackground(painter, rect);
    if (!painter)
        return;
    painter->save();
    const QRectF sheet = sceneRect();
    if (m_passages.isEmpty()) {
        // Where the passage table will stand.
        if (!hideHelp) {
            const double x = sheet.right() - 290;
            const double top = sheet.top() + (bindingPosition() == BindingTop ? 200 : 50);
            const double bottom = sheet.bottom() - (borderType() == BorderBig ? 600 : 200);
            painter->setPen(penGreenDash);
            painter->drawLine(QPointF(x, top), QPointF(x, bottom));
        }
    } else {
        drawPassageTable(painter);
    }

    const SchemeGroup *owner = group();
    if (owner && borderType() == BorderSmall && hasFontSet() && !owner->schemesName().isEmpty()) {
        const QString text = owner->schemesName();
        painter->setPen(penBlack);
        painter->setFont(::font(4));
        const double w = textWidth(QFontMetricsF(painter->font()), text);
        painter->drawText(QRectF(sheet.width() - 1940 - w, sheet.height() - 200, w, 150), Qt::AlignCenter, text);
    }
    painter->restore();
}

void Scheme::findItems(const QString &text, QList<GraphicsItem *> &found, bool wholeName,
                       Qt::CaseSensitivity sensitivity, bool includeTexts, bool selectedOnly) const
{
    QList<GraphicsItem *> items = selectedOnly ? selectedGraphicsItems() : graphicsItems();
    // The items standing in another one (the clamps of a bottom) come right
    // after it; one selected on its own is already listed.
    for (qsizetype i = 0; i < items.size(); ++i) {
        GraphicsItem *item = items[i];
        if (!item)
            continue;
        qsizetype at = i + 1;
        const QList<GraphicsItem *> children = item->childItems();
        for (GraphicsItem *child : children) {
            auto *inner = dynamic_cast<GraphicsItem *>(child);
            if (inner && !(selectedOnly && inner->isSelected()))
                items.insert(at++, inner);
        }
        const int type = item->type();
        QString name;
        if (type >= FirstNamedType && type < EndNamedType) {
            if (const auto *bound = dynamic_cast<const GraphicsObjItem *>(item))
                name = bound->name();
        } else if (includeTexts && type == TextType) {
            if (const auto *label = dynamic_cast<const GraphicsText *>(item))
                name = label->text();
        }
        if (name.isEmpty())
            continue;
        if (name.contains(text, sensitivity) && (!wholeName || name.size() == text.size()))
            found.append(item);
    }
}
