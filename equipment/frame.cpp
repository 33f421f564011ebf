#include "equipment/frame.h"

#include "equipment/checklog.h"
#include "equipment/equipmentmenager.h"
#include "equipment/framegroup.h"
#include "equipment/framelayout.h"
#include "equipment/frametypes.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "equipment/placetypes.h"
#include "equipment/wiringpageitem.h"
#include "devices/clampcatalogue.h"
#include "schemes/graphicspowerbus.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "graphics/sceneitem.h"
#include "model/addresstables.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/itemmenagerbase.h"
#include "model/project.h"
#include "model/settingsnames.h"

#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSettings>
#include <QSpinBox>

#include <algorithm>
#include <utility>

namespace {

const char frameDialogSettingsName[] = "DlgPropFrame";
const char frameTypeKey[] = "frame_type";
const char clampPanelTypeKey[] = "clamp_panel_type";
const int defaultFrameTypeChoice = 21;

// The side panel of a basic frame: the part that holds it is the frame's
// clamp part.
const int sideClampPanelModel = 1;
// The clamp part keeps this distance from the sheet's edge on either side.
const double clampPartMargin = 150;

} // namespace

FrameItem::FrameItem(Frame *frame, ProjectItemBase *parent)
    : ProjectItemOwner<Frame>(frame, parent)
{
}

void FrameItem::setChanged()
{
    if (Frame *frame = owner())
        frame->forgetSavedRecord();
    ProjectItemOwner<Frame>::setChanged();
}

void FrameItem::doubleClicked()
{
    Frame *frame = owner();
    if (frame && frame->layout())
        frame->layout()->showInProject(nullptr);
}

Frame::Frame(Project *project)
    : QObject(nullptr)
    , m_project(project)
{
    m_treeItem = new FrameItem(this);
    if (CHECK_PTR(m_treeItem))
        m_treeItem->setIcons(QStringLiteral(":/images/frame.png"), QStringLiteral(":/images/frame.png"));
    // Named from the start: a new frame given the number 0 keeps the
    // address it has, and no change of it names the row.
    updateTexts();
    m_layout = new FrameLayout(project, this);
    if (CHECK_PTR(m_layout)) {
        m_layout->setNumber(m_pageCounter);
        if (m_treeItem && m_layout->sceneItem())
            m_treeItem->insertChild(0, m_layout->sceneItem());
    }
}

namespace {
quint64 frameCodeChanges = 0;
} // namespace

quint64 Frame::codeChanges()
{
    return frameCodeChanges;
}

Frame::~Frame()
{
    ++frameCodeChanges;
    // The layout takes its own row out of the frame's.
    delete m_layout;
    m_layout = nullptr;
    delete m_treeItem;
    m_treeItem = nullptr;
}

void Frame::setComment(const QString &comment)
{
    m_comment = comment;
    if (m_treeItem)
        m_treeItem->setText(1, m_comment);
}

void Frame::refreshShownDocuments()
{
    // The layout's row is the first of the frame's.
    for (GraphicsScene *scene : pages()) {
        if (!scene || scene->views().isEmpty())
            continue;
        scene->update();
        if (m_project)
            m_project->emitNameChangedGraphicsScene(*scene);
    }
}

void Frame::setFrameType(int type)
{
    if (!CHECK(type >= 0 && type < frameTypeCount))
        return;
    if (type == m_frameType)
        return;
    takeFrameType(type);
    buildLayout();
}

void Frame::takeFrameType(int type)
{
    m_frameType = type;
    m_layoutDue = false;
    forgetSavedRecord();
    m_address.setFrameKind(frameTypes[type].frameKind);
    ++frameCodeChanges;
}

void Frame::buildDueLayout()
{
    if (std::exchange(m_layoutDue, false))
        buildLayout();
}

void Frame::buildLayout()
{
    if (!m_layout)
        return;
    const FrameTypeInfo &row = frameTypes[m_frameType];
    m_layout->setFrameType(m_frameType);
    // The layout is the frame's first sheet, its second under a short title
    // block, as a load numbers it; the pages follow it when they are built
    // again, as the next save does.
    m_pageCounter = row.shortTitleBlock ? 2 : 1;
    m_layout->setBorderType(row.shortTitleBlock ? GraphicsScene::BorderSmall : GraphicsScene::BorderBig);
    m_layout->setSheetFormat(GraphicsScene::PaperA3, row.landscape, 1);
    m_layout->setNumber(m_pageCounter);
    // The new parts stand on the row's side and their places take their
    // addresses at once, whatever the frame's number; a load gives them
    // once it has read the number.
    placeClampPart(m_sideOfLeft);
    if (m_layout->isHeldForLoad())
        m_rowPreset = true;
    else
        m_layout->updateAddresses();
}

void Frame::setClampPanelChoice(int choice)
{
    if (choice == m_clampPanelChoice)
        return;
    m_clampPanelChoice = choice;
    forgetSavedRecord();
    // The parts' clamp-panel models, and so their pages, follow the choice.
    if (m_layout)
        m_layout->setWiringChanged();
}

int Frame::clampPanelType() const
{
    const int kind = m_address.field(0);
    if (kind >= frameKindCount || m_clampPanelChoice < 0)
        return 0;
    const FrameKindRow &row = frameKindTable[kind];
    return m_clampPanelChoice < row.clampPanelTypeCount ? row.clampPanelTypes[m_clampPanelChoice] : 0;
}

int Frame::defaultClampPanelModel() const
{
    const int type = clampPanelType();
    return type == 0 ? -1 : ::defaultClampPanelModel(type);
}

bool Frame::hasClampPanelModel(int model) const
{
    const int type = clampPanelType();
    return type != 0 && clampPanelTypeHasModel(type, model);
}

QString Frame::property(int index, bool frameOnly) const
{
    if (index >= FirstMember && index < FirstMember + MemberCount && !m_members[index - FirstMember].isEmpty())
        return m_members[index - FirstMember];
    if (frameOnly || !m_project)
        return QString();
    return m_project->projectProperty(index);
}

void Frame::setProperty(int index, const QString &text)
{
    if (index >= FirstMember && index < FirstMember + MemberCount) {
        QString &member = m_members[index - FirstMember];
        if (member != text) {
            member = text;
            if (m_project)
                m_project->setModified(true);
        }
        return;
    }
    if (m_project)
        m_project->setProjectProperty(index, text);
}

void Frame::updateTexts()
{
    if (!m_treeItem)
        return;
    const int number = m_address.field(2);
    m_treeItem->setTexts(tr("Frame") + QLatin1Char(' ') + (number ? QString::number(number) : QString()),
                         m_comment);
}

void Frame::setAddressField(const Address &from, int field)
{
    if (!CHECK(field >= 0 && field <= 6))
        return;
    const bool changed = from.field(field) != m_address.field(field);
    if (from == m_address && !m_rowPreset)
        return;
    m_address.setField(field, from.field(field));
    ++frameCodeChanges;
    updateTexts();
    // The places follow the address: a field set to what it holds changes
    // none of them, unless a preset row number is still to reach them.
    if (m_layout && (changed || m_rowPreset))
        m_layout->updateAddresses();
    m_rowPreset = false;
    // The equipment file holds the address (the layout's pages follow it
    // through updateAddresses).
    if (changed && m_project)
        m_project->setEquipmentChanged();
}

void Frame::presetRowNumber(quint8 row)
{
    if (m_address.field(1) == row)
        return;
    m_address.setField(1, row);
    ++frameCodeChanges;
    m_rowPreset = true;
}

void Frame::placeClampPart(bool left)
{
    m_sideOfLeft = left;
    forgetSavedRecord();
    GraphicsFramePart *part = m_layout ? m_layout->partForClampPanelModel(sideClampPanelModel) : nullptr;
    if (!part)
        return;
    const int partKind = part->partKind();
    const ContainerKindInfo *kind =
        CHECK(partKind >= 0 && partKind < framePartKindCount) ? containerKindInfo(framePartKinds[partKind].containerKind)
                                                             : nullptr;
    const EquipmentModelInfo *model = kind ? equipmentModelInfo(kind->model) : nullptr;
    if (!CHECK(model != nullptr))
        return;
    const double x =
        left ? model->x : m_layout->sceneRect().width() - (model->x - clampPartMargin) - kind->width;
    part->setPosQuiet(QPointF(x, part->pos().y()));
    // What stands in the part's places moves with it.
    QList<GraphicsPlaceItem *> held;
    part->collectHeldItems(held);
    for (GraphicsPlaceItem *item : std::as_const(held)) {
        if (!item->parentItem() && item->place())
            item->setPosQuiet(GraphicsPlaceItem::scenePositionIn(item->place(), item->modelId()));
    }
    // The part now meets other places.
    m_layout->updateCovering();
}

void Frame::writeProperties(DataStream &stream)
{
    stream << qint32(m_frameType) << qint32(m_atrNumber) << m_comment;
    for (const QString &member : m_members)
        stream << member;
    stream << qint32(m_clampPanelChoice);
}

void Frame::readProperties(DataStream &stream)
{
    qint32 type = -1;
    qint32 atr = 0;
    stream >> type >> atr >> m_comment;
    m_atrNumber = atr;
    // Frames before format 10 have no members of their own.
    if (stream.formatIndex() >= 10) {
        for (QString &member : m_members)
            stream >> member;
    }
    if (stream.status() != QDataStream::Ok)
        return;
    // A type outside the table leaves the frame without type and parts;
    // the branch reports it once it knows the file's dialect.
    const bool known = type >= 0 && type < frameTypeCount;
    if (known && m_layout)
        m_layout->holdForLoad();
    if (known && type != m_frameType) {
        takeFrameType(type);
        m_layoutDue = true;
    }
    // Frames before format 3 have no clamp-panel choice.
    if (stream.formatIndex() >= 3) {
        qint32 choice = 0;
        stream >> choice;
        setClampPanelChoice(choice);
    }
}

bool Frame::savedRecordStands(int format)
{
    const SavedRecord &saved = m_saved;
    if (!saved.valid || saved.format != format || !m_layout || m_layout->isModified() || !m_project
        || saved.epoch != m_project->recordEpoch() || saved.number != m_address.field(2)
        || saved.comment != m_comment)
        return false;
    if (!m_treeItem || m_treeItem->childCount() != saved.rows)
        return false;
    for (const auto &[pin, partner] : saved.partners) {
        if (m_project->identity(pin->partner()) != partner)
            return false;
    }
    return true;
}

// The pins of the power buses on the layout's panels, those built into
// other containers and those held in their places too, with the partners
// the save writes for them.
void Frame::notePartners()
{
    m_saved.partners.clear();
    std::vector<GraphicsPlaceContainer *> containers;
    for (GraphicsItem *item : m_layout->graphicsItems()) {
        if (item && item->type() >= firstContainerType && item->type() < endContainerType) {
            if (auto *container = dynamic_cast<GraphicsPlaceContainer *>(item))
                containers.push_back(container);
        }
    }
    while (!containers.empty()) {
        GraphicsPlaceContainer *container = containers.back();
        containers.pop_back();
        if (auto *panel = dynamic_cast<GraphicsFramePanel *>(container); panel && panel->powerBus()) {
            GraphicsPowerBus *bus = panel->powerBus();
            for (int i = 0; i < bus->pinCount(); ++i) {
                Pin *pin = bus->pin(i);
                m_saved.partners.emplace_back(pin, m_project->identity(pin->partner()));
            }
        }
        for (int i = 0; i < int(container->places().size()); ++i) {
            if (GraphicsPlaceContainer *nested = container->nestedContainer(i))
                containers.push_back(nested);
            if (GraphicsPlaceContainer *held = GraphicsPlaceContainer::asContainer(container->places()[i]->item()))
                containers.push_back(held);
        }
    }
}

template <class Write>
void Frame::writeKept(DataStream &stream, KeptBlock &kept, Write write)
{
    if (!m_reuseSaved) {
        kept.bytes.clear();
        {
            DataStream block(&kept.bytes, QIODevice::WriteOnly);
            block.setFormatIndex(stream.formatIndex());
            write(block);
        }
        kept.seal();
    }
    if (m_project)
        m_project->writeKeptBlock(stream, kept);
    else
        stream.writeRawData(kept.bytes.constData(), int(kept.bytes.size()));
}

void Frame::saveFirst(DataStream &stream)
{
    // Decided once, before the passes that follow clear the modified
    // marks; a record written anew stands once its last block is.
    m_reuseSaved = m_layout && savedRecordStands(stream.formatIndex());
    if (!m_reuseSaved) {
        m_saved.valid = false;
        if (m_layout && m_project) {
            m_saved.number = quint8(m_address.field(2));
            m_saved.comment = m_comment;
            m_saved.epoch = m_project->recordEpoch();
            m_saved.format = stream.formatIndex();
            m_saved.rows = m_treeItem ? m_treeItem->childCount() : 0;
            notePartners();
        }
    }
    writeKept(stream, m_saved.first, [this](DataStream &block) {
        block << quint8(m_address.field(2)) << m_comment;
        if (m_layout)
            m_layout->saveScene(block);
        else
            block << qint32(0);
    });
}

bool Frame::loadFirst(DataStream &stream)
{
    quint8 number = 0;
    QString comment;
    stream >> number >> comment;
    if (stream.status() != QDataStream::Ok)
        return false;
    m_comment = comment;
    buildDueLayout();
    Address address = m_address;
    address.setField(2, number);
    setAddressField(address, 2);
    updateTexts();
    if (!m_layoutRecord)
        return true;
    if (!CHECK_PTR(m_layout) || !m_layout->loadScene(stream))
        return false;
    // The items read go into their places while the layout is fresh in
    // memory; the pass that fixes the pointers up takes the result.
    m_pointersFixed = true;
    m_pointersResult = m_layout->updatePointers(true);
    return true;
}

bool Frame::saveSecond(DataStream &stream)
{
    bool ok = true;
    writeKept(stream, m_saved.second,
              [this, &ok](DataStream &block) { ok = m_layout ? m_layout->saveItemsGeometry(block) : true; });
    return ok;
}

bool Frame::loadSecond(DataStream &stream)
{
    if (stream.status() != QDataStream::Ok)
        return false;
    return m_layout ? m_layout->loadItemsGeometry(stream) : true;
}

bool Frame::updatePointers(bool second)
{
    if (std::exchange(m_pointersFixed, false))
        return m_pointersResult;
    return CHECK_PTR(m_layout) && m_layout->updatePointers(second);
}

void Frame::saveWLFirst(DataStream &stream)
{
    // A page only listed holds no drawings: an empty block.
    int count = m_filedPageCount;
    writeKept(stream, m_saved.pagesFirst, [this, &count](DataStream &block) {
        const QList<GraphicsScene *> list = pages();
        for (GraphicsScene *page : list) {
            if (page)
                page->saveUserItems(block);
            else
                block << qint32(0);
        }
        count = int(list.size());
    });
    m_filedPageCount = count;
}

bool Frame::loadWLFirst(DataStream &stream)
{
    bool ok = stream.status() == QDataStream::Ok;
    QList<GraphicsScene *> list = pages();
    m_filedPageCount = int(list.size());
    for (int i = 0; i < list.size(); ++i) {
        if (!list[i]) {
            // A page without drawings stays a row; one with drawings is
            // built, with the frame's other pages, to take them. The blocks
            // follow the rows listed: a frame that now makes other pages
            // than it listed cannot take them.
            qint32 count = 0;
            if (stream.device() && stream.device()->peek(reinterpret_cast<char *>(&count), 4) == 4 && count == 0) {
                stream >> count;
                continue;
            }
            if (!buildWiringPages(false))
                return false;
            list = pages();
            if (i >= list.size() || !list[i])
                return false;
        }
        ok = list[i]->loadUserItems(stream) && ok;
    }
    return ok;
}

bool Frame::saveWLSecond(DataStream &stream)
{
    bool ok = true;
    writeKept(stream, m_saved.pagesSecond, [this, &ok](DataStream &block) {
        for (GraphicsScene *page : pages()) {
            if (page && !page->saveUserItemsGeometry(block)) {
                ok = false;
                return;
            }
        }
    });
    // Every block of the record is written now.
    if (!m_reuseSaved)
        m_saved.valid = ok && m_layout && m_project;
    m_reuseSaved = false;
    return ok;
}

bool Frame::loadWLSecond(DataStream &stream)
{
    if (stream.status() != QDataStream::Ok)
        return false;
    for (GraphicsScene *page : pages()) {
        if (page && !page->loadUserItemsGeometry(stream))
            return false;
    }
    return true;
}

void Frame::check(QTreeWidget *, int)
{
}

QList<GraphicsScene *> Frame::pages() const
{
    QList<GraphicsScene *> result;
    if (!m_treeItem)
        return result;
    for (int i = 0; i < m_treeItem->childCount(); ++i) {
        auto *row = dynamic_cast<ProjectItemOwner<GraphicsScene> *>(m_treeItem->child(i));
        if (row)
            result.append(row->owner());
    }
    return result;
}

namespace {

// The sheet number a row of a frame shows; -1 for another row.
int rowNumber(const QTreeWidgetItem *row)
{
    if (auto *listed = dynamic_cast<const WiringPageItem *>(row))
        return listed->owner() ? listed->owner()->number() : listed->number();
    auto *owned = dynamic_cast<const ProjectItemOwner<GraphicsScene> *>(row);
    GraphicsScene *page = owned ? owned->owner() : nullptr;
    return page ? page->number() : -1;
}

// Whether the row of sheet number a stands before that of b in the tree,
// which sorts the rows by their texts, two digits at least: "100" comes
// before "11", "10" before "100".
bool numberTextLess(int a, int b)
{
    const auto digits = [](qint64 number) {
        int count = 2;
        for (qint64 power = 100; number >= power; power *= 10)
            ++count;
        return count;
    };
    // Texts of unequal length compare by their leading digits, the shorter
    // first when it is the start of the other.
    qint64 x = a;
    qint64 y = b;
    for (int i = digits(a); i < digits(b); ++i)
        x *= 10;
    for (int i = digits(b); i < digits(a); ++i)
        y *= 10;
    return x < y || (x == y && digits(a) < digits(b));
}

// The rows in tree order, by their numbers; false when a row shows none.
bool sortByNumberText(QList<QTreeWidgetItem *> &rows)
{
    std::vector<std::pair<int, QTreeWidgetItem *>> numbered;
    numbered.reserve(size_t(rows.size()));
    bool inOrder = true;
    for (QTreeWidgetItem *row : std::as_const(rows)) {
        const int number = rowNumber(row);
        if (number < 0)
            return false;
        inOrder = inOrder && (numbered.empty() || !numberTextLess(number, numbered.back().first));
        numbered.emplace_back(number, row);
    }
    if (inOrder)
        return true;
    std::stable_sort(numbered.begin(), numbered.end(),
                     [](const auto &a, const auto &b) { return numberTextLess(a.first, b.first); });
    for (size_t i = 0; i < numbered.size(); ++i)
        rows[qsizetype(i)] = numbered[i].second;
    return true;
}

} // namespace

void Frame::joinRows(const QList<QTreeWidgetItem *> &rows)
{
    if (rows.isEmpty() || !m_treeItem)
        return;
    // Put in order before they join, they mostly follow the rows there.
    QList<QTreeWidgetItem *> sorted = rows;
    sortByNumberText(sorted);
    m_treeItem->addChildren(sorted);
    sortRows();
}

void Frame::sortRows()
{
    if (!m_treeItem)
        return;
    QList<QTreeWidgetItem *> rows;
    rows.reserve(m_treeItem->childCount());
    for (int i = 0; i < m_treeItem->childCount(); ++i)
        rows.append(m_treeItem->child(i));
    QList<QTreeWidgetItem *> sorted = rows;
    const bool numbered = sortByNumberText(sorted);
    if (numbered && sorted == rows)
        return;
    // The tree sorts only the rows it shows; a load lists the pages before
    // the frame's row joins it.
    if (m_treeItem->treeWidget()) {
        m_treeItem->sortChildren(0, Qt::AscendingOrder);
        return;
    }
    m_treeItem->takeChildren();
    if (!numbered) {
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const QTreeWidgetItem *a, const QTreeWidgetItem *b) { return *a < *b; });
    }
    m_treeItem->addChildren(sorted);
}

QList<WiringPageItem *> Frame::listedPages() const
{
    QList<WiringPageItem *> rows;
    if (!m_treeItem)
        return rows;
    // Each row is asked for from memory before any is looked at: the
    // fetches overlap.
    rows.reserve(m_treeItem->childCount());
    for (int i = 0; i < m_treeItem->childCount(); ++i) {
        const char *row = reinterpret_cast<const char *>(m_treeItem->child(i));
        __builtin_prefetch(row);
        __builtin_prefetch(row + 64);
    }
    for (int i = 0; i < m_treeItem->childCount(); ++i) {
        auto *row = dynamic_cast<WiringPageItem *>(m_treeItem->child(i));
        if (row && row->isListedOnly())
            rows.append(row);
    }
    // In the order the pages are made: the tree sorts its rows by text, so
    // a frame of a hundred pages or more lists "100" before "11".
    std::stable_sort(rows.begin(), rows.end(),
                     [](const WiringPageItem *a, const WiringPageItem *b) { return a->number() < b->number(); });
    return rows;
}

void Frame::notePageCount()
{
    if (m_project && pages().size() != m_filedPageCount)
        m_project->setEquipmentChanged();
}

bool Frame::hasListedPages() const
{
    return !listedPages().isEmpty();
}

void Frame::listWiringPage(int pageClass, const QString &name, int kind)
{
    forgetSavedRecord();
    ++m_pageCounter;
    if (m_treeItem)
        m_listedRows.append(new WiringPageItem(this, pageClass, kind, name, m_pageCounter));
}

WiringPageItem *Frame::takeListedRow(int pageClass, const QString &name, int kind)
{
    if (!m_takingRows || m_rowsTaken >= m_rowsToTake.size())
        return nullptr;
    WiringPageItem *row = m_rowsToTake[m_rowsTaken];
    if (row->pageClass() != pageClass || row->kind() != kind || row->number() != m_pageCounter + 1
        || row->pageName() != name || !row->isListedOnly()) {
        m_takingRows = false;
        return nullptr;
    }
    ++m_rowsTaken;
    return row;
}

void Frame::printPages(QPainter *painter)
{
    if (!painter)
        return;
    buildWiringPages();
    auto *device = dynamic_cast<QPagedPaintDevice *>(painter->device());
    const QList<GraphicsScene *> list = pages();
    int printed = 0;
    for (GraphicsScene *page : list) {
        if (!page)
            continue;
        if (printed++ > 0 && device)
            device->newPage();
        page->printScene(painter);
    }
}

void Frame::appendPages(QList<GraphicsScene *> &pages)
{
    buildWiringPages();
    for (GraphicsScene *page : this->pages()) {
        if (page)
            page->appendTo(pages);
    }
}

// The frame's part of the item protocol of the managers.
namespace itemprotocol {

void writeRecord(Frame *item, DataStream &stream)
{
    item->writeProperties(stream);
}

void readRecord(Frame *item, DataStream &stream)
{
    item->readProperties(stream);
}

bool updateWLPointers(Frame *)
{
    return true;
}

void printAll(Frame *item, QPainter *painter)
{
    item->printPages(painter);
}

void saveClipboard(Frame *, DataStream &)
{
}

void loadClipboard(Frame *, DataStream &)
{
}

void saveClipboardGeometry(Frame *, DataStream &)
{
}

void loadClipboardGeometry(Frame *, DataStream &)
{
}

void markChanged(Frame *item)
{
    item->refreshShownDocuments();
}

} // namespace itemprotocol

DlgPropFrame::DlgPropFrame(Project *project)
    : DlgProp(project)
    , m_project(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    layout->addLayout(grid);

    m_frameType = new RComboBox(this, 200);
    for (int i = 0; i < frameTypeCount; ++i) {
        if (frameTypes[i].name)
            m_frameType->insertComboItemSorted(tr(frameTypes[i].name), i);
    }
    m_frameType->setCurrentIndex(-1);
    grid->addWidget(new QLabel(tr("Frame type:"), this), 0, 0);
    grid->addWidget(m_frameType, 0, 1);

    m_clampType = new RComboBox(this, 200);
    grid->addWidget(new QLabel(tr("Clamp type:"), this), 1, 0);
    grid->addWidget(m_clampType, 1, 1);
    connect(m_frameType, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropFrame::changeFrameType);

    m_number = new QSpinBox(this);
    m_number->setRange(0, 5);
    m_number->setValue(1);
    grid->addWidget(new QLabel(tr("Frame number:"), this), 2, 0);
    grid->addWidget(m_number, 2, 1);

    m_atr = new QSpinBox(this);
    m_atr->setRange(0, 999);
    m_atr->setValue(1);
    grid->addWidget(new QLabel(tr("ATR number:"), this), 3, 0);
    grid->addWidget(m_atr, 3, 1);

    auto *members = new RGridLayout();
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 2; ++column) {
            m_members[column][row] = new RLineEdit(this, 100);
            members->addWidget(m_members[column][row], row, column);
        }
    }
    grid->addWidget(new QLabel(tr("Members:"), this), 4, 0, Qt::AlignTop);
    grid->addLayout(members, 4, 1);

    m_comment = new RLineEdit(this, 200);
    grid->addWidget(new QLabel(tr("Comment:"), this), 5, 0);
    grid->addWidget(m_comment, 5, 1);

    layout->addStretch();
    addButtons(layout);

    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(frameDialogSettingsName));
    const int typeChoice = store.value(QString::fromLatin1(frameTypeKey), defaultFrameTypeChoice).toInt();
    if (typeChoice >= 0 && typeChoice < m_frameType->count())
        m_frameType->setCurrentIndex(typeChoice);
    const int clampChoice = store.value(QString::fromLatin1(clampPanelTypeKey), 0).toInt();
    if (clampChoice >= 0 && clampChoice < m_clampType->count())
        m_clampType->setCurrentIndex(clampChoice);
}

DlgPropFrame::~DlgPropFrame()
{
    QSettings store(QString::fromLatin1(settingsOrganisation), QString::fromLatin1(frameDialogSettingsName));
    store.setValue(QString::fromLatin1(frameTypeKey), m_frameType->currentIndex());
    store.setValue(QString::fromLatin1(clampPanelTypeKey), m_clampType->currentIndex());
}

void DlgPropFrame::changeFrameType(int index)
{
    if (index < 0)
        return;
    const int type = m_frameType->itemData(index).toInt();
    if (!CHECK(type >= 0 && type < frameTypeCount))
        return;
    m_clampType->clear();
    fillClampPanelModelCombo(frameTypes[type].frameKind, m_clampType);
    if (CHECK(m_clampType->count() > 0))
        m_clampType->setCurrentIndex(0);
}

Frame *DlgPropFrame::execDialog(Frame *frame)
{
    m_frame = frame;
    if (frame)
        loadFromObject();
    if (execModal(this) != QDialog::Accepted)
        return nullptr;
    if (!m_frame) {
        m_frame = new Frame(m_project);
        if (!CHECK_PTR(m_frame))
            return nullptr;
    }
    saveToObject();
    return m_frame;
}

void DlgPropFrame::loadFromObject()
{
    if (!CHECK_PTR(m_frame))
        return;
    // A frame numbered beyond the range, as files may hold it, keeps its
    // number unless the user changes it.
    const int number = m_frame->address().field(2);
    m_number->setMaximum(std::max(m_number->maximum(), number));
    m_number->setValue(number);
    // A frame saved before it had a type keeps the remembered choice.
    if (m_frame->frameType() != -1) {
        const int typeIndex = m_frameType->findData(m_frame->frameType());
        if (CHECK(typeIndex >= 0))
            m_frameType->setCurrentIndex(typeIndex);
    }
    m_atr->setValue(m_frame->atrNumber());
    m_comment->setText(m_frame->comment());
    const int clampIndex = m_clampType->findData(m_frame->clampPanelChoice());
    if (CHECK(clampIndex >= 0))
        m_clampType->setCurrentIndex(clampIndex);
    for (int row = 0; row < 6; ++row) {
        m_members[0][row]->setText(m_frame->property(Frame::FirstMember + row, true));
        m_members[1][row]->setText(m_frame->property(Frame::FirstMember + 6 + row, true));
    }
}

void DlgPropFrame::saveToObject()
{
    if (!CHECK_PTR(m_frame))
        return;
    Address address = m_frame->address();
    address.setField(2, quint8(m_number->value()));
    m_frame->setAtrNumber(m_atr->value());
    if (m_frameType->currentIndex() >= 0)
        m_frame->setFrameType(m_frameType->comboCurrentData());
    m_frame->setAddressField(address, 2);
    m_frame->setComment(m_comment->text().simplified());
    m_frame->setClampPanelChoice(m_clampType->comboCurrentData());
    for (int row = 0; row < 6; ++row) {
        m_frame->setProperty(Frame::FirstMember + row, m_members[0][row]->text());
        m_frame->setProperty(Frame::FirstMember + 6 + row, m_members[1][row]->text());
    }
}

FrameGroup *DlgPropFrame::row() const
{
    EquipmentMenager *equipment = m_project ? m_project->equipment() : nullptr;
    if (!equipment)
        return nullptr;
    const QList<FrameGroup *> &rows = equipment->itemList();
    if (m_frame) {
        for (FrameGroup *group : rows) {
            if (group && group->itemList().contains(m_frame))
                return group;
        }
        return nullptr;
    }
    // A new frame joins the row whose command made it: the current row of
    // the tree or the row above the current frame.
    for (QTreeWidgetItem *node = m_project->currentItem(); node; node = node->parent()) {
        for (FrameGroup *group : rows) {
            if (group && group->treeItem() == node)
                return group;
        }
    }
    return nullptr;
}

void DlgPropFrame::btnOkClick()
{
    // A frame is saved with its type: the load takes one without for damage.
    if (m_frameType->currentIndex() < 0) {
        showError(tr("Choose the frame type!"));
        return;
    }
    // Frame codes key the distances, the cables and the clamp names: two
    // frames of one row with one number would be one frame to them.
    if (FrameGroup *group = row()) {
        const int number = m_number->value();
        for (Frame *other : group->itemList()) {
            if (other && other != m_frame && other->address().field(2) == number) {
                showError(tr("A frame with the number %1 already stands in this row!").arg(number));
                return;
            }
        }
    }
    DlgProp::btnOkClick();
}
