#include "equipment/wiringlayout.h"

#include "devices/module.h"
#include "equipment/cable.h"
#include "equipment/placetypes.h"
#include "equipment/wiringedit.h"
#include "equipment/wiringpageitem.h"
#include "graphics/font.h"
#include "graphics/graphicsitem.h"
#include "graphics/itemshared.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/pin.h"
#include "model/project.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>

namespace {

// The five columns of a cable page: left edge and width.
struct CableColumn
{
    double left;
    double width;
    const char *header;
};

const CableColumn cableColumns[5] = {
    {250, 100, QT_TRANSLATE_NOOP("WiringLayoutCable", "N")},
    {350, 250, QT_TRANSLATE_NOOP("WiringLayoutCable", "From")},
    {600, 250, QT_TRANSLATE_NOOP("WiringLayoutCable", "To")},
    {850, 60, QT_TRANSLATE_NOOP("WiringLayoutCable", "Kl.")},
    {910, 270, QT_TRANSLATE_NOOP("WiringLayoutCable", "Cable")},
};
const double cableRowHeight = 50;
const double cableTop = 100;
const double cableBottom = 2600;
const double cableColumnStep = 970;

} // namespace

WiringLayout::WiringLayout(Project *project, Frame *frame, SceneItem *row)
    : GraphicsScene(project, row)
    , m_frame(frame)
{
    setGridStep(40);
    setSheetFormat(PaperA3, true, 1);
    // A page holds a few fixed pictures and the user's drawings: it needs
    // no index of its items, not even while it is shown. Most pages are
    // never shown: their items stay apart from the framework's scene.
    keepWithoutIndex();
    keepItemsApart();
    // The row's texts come with the number the frame gives the page.
}

WiringLayout::~WiringLayout() = default;

const QString &WiringLayout::secondCaption() const
{
    if (m_noteSource && m_noteStamp != Pin::chainStamp()) {
        m_noteStamp = Pin::chainStamp();
        m_secondCaption = m_noteSource();
    }
    return m_secondCaption;
}

void WiringLayout::setNoteSource(std::function<QString()> source)
{
    m_noteSource = std::move(source);
    m_noteStamp = Pin::chainStamp();
}

void WiringLayout::appendNote(QString &note, const QString &text)
{
    if (note.contains(text))
        return;
    if (!note.isEmpty())
        note += QChar(QChar::LineSeparator);
    note += text;
}

GraphicsEdit *WiringLayout::createEdit(QList<QAction *> *actions)
{
    auto *edit = new WiringEdit(actions);
    edit->setScene(this);
    return edit;
}

bool WiringLayout::hasDialog(int type) const
{
    const PrimitiveItemType *row = primitiveType(type);
    return row && row->createDialog;
}

QString WiringLayout::sheetName() const
{
    const QString frame = m_frame ? m_frame->address().numberText(0) : QString();
    return tr("F ") + frame + QString::asprintf("_%.2d", number());
}

QString WiringLayout::displayName() const
{
    return sheetName() + GraphicsScene::displayName();
}

int WiringLayout::groupNumber() const
{
    return m_frame ? m_frame->atrNumber() : 0;
}

QString WiringLayout::property(int id) const
{
    return m_frame ? m_frame->property(id, false) : GraphicsScene::property(id);
}

bool WiringLayout::isUserItemType(int type)
{
    return type >= firstUserItemType && type < endUserItemType;
}

QList<GraphicsItem *> WiringLayout::userItems() const
{
    QList<GraphicsItem *> result;
    for (GraphicsItem *item : graphicsItems()) {
        if (CHECK_PTR(item) && isUserItemType(item->type()))
            result.append(item);
    }
    return result;
}

void WiringLayout::saveUserItems(DataStream &stream)
{
    QByteArray bytes;
    DataStream block(&bytes, QIODevice::WriteOnly);
    block.setFormatIndex(stream.formatIndex());
    const QList<GraphicsItem *> items = userItems();
    for (GraphicsItem *item : items) {
        block << qint32(item->type());
        item->saveData(block);
    }
    stream << qint32(items.size());
    stream.writeRawData(bytes.constData(), int(bytes.size()));
}

bool WiringLayout::loadUserItems(DataStream &stream)
{
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok || count < 0)
        return false;
    for (qint32 i = 0; i < count; ++i) {
        qint32 type = -1;
        stream >> type;
        // A type that is no drawing primitive is a damaged block: the load
        // fails with the project's one message.
        if (stream.status() != QDataStream::Ok || !isUserItemType(type) || !primitiveType(type))
            return false;
        GraphicsItem *item = createItem(type);
        if (!item)
            return false;
        if (!addGraphicsItem(item)) {
            delete item;
            return false;
        }
        item->loadData(stream);
        if (stream.status() != QDataStream::Ok)
            return false;
    }
    return true;
}

bool WiringLayout::saveUserItemsGeometry(DataStream &stream)
{
    for (GraphicsItem *item : userItems())
        item->saveGeometry(stream);
    setModified(false);
    return true;
}

bool WiringLayout::loadUserItemsGeometry(DataStream &stream)
{
    // The items come back in the order in which the first pass appended
    // them.
    for (GraphicsItem *item : userItems()) {
        item->loadGeometry(stream);
        if (stream.status() != QDataStream::Ok)
            return false;
    }
    // As loaded, the page matches its file.
    setModified(false);
    return true;
}

void WiringLayout::drawFrameLine(QPainter *painter, const QString &label, double y)
{
    const double w = width();
    painter->drawText(QRectF(w - 400, y, 400, 50), leftMiddle, label);
    painter->drawText(QRectF(w - 400, y, 250, 50), rightMiddle,
                      m_frame ? m_frame->address().numberText(0) : QString());
}

void WiringLayout::drawBackground(QPainter *painter, const QRectF &rect)
{
    GraphicsScene::drawBackground(painter, rect);
    if (!painter || !hasFontSet())
        return;
    const double w = width();
    const double h = height();
    painter->setPen(penBlack);
    painter->setFont(::font(5));

    double frameLine = h - 300;
    if (!m_firstCaption.isEmpty()) {
        QString label = tr("Rack:");
        if (m_kind == RowPage)
            label = m_firstCaption.startsWith(QLatin1Char('0')) ? tr("Bottom:") : tr("Row:");
        painter->drawText(QRectF(w - 400, h - 300, 400, 50), leftMiddle, label);
        painter->drawText(QRectF(w - 400, h - 300, 250, 50), rightMiddle, m_firstCaption);
        frameLine = h - 350;
    }
    drawFrameLine(painter, m_kind != PartPage ? tr("RSH N") : tr("Frame:"), frameLine);

    drawTitleBlock(project(), m_kind, painter, w, h);

    painter->setPen(penBlack);
    painter->setFont(::font(4));
    const bool second = project() && project()->language() != 0;
    QString view;
    if (second)
        view = m_frontView ? tr("View from front side ua") : tr("View from mounting side ua");
    else
        view = m_frontView ? tr("View from front side") : tr("View from mounting side");
    painter->drawText(QRectF(w - 1000, h - 250, 850, 50), rightMiddle, view);
    painter->drawText(QRectF(300, h - 500, 2000, 430), Qt::AlignLeft | Qt::AlignBottom, secondCaption());
}

void drawTitleBlock(Project *project, int kind, QPainter *painter, double width, double height)
{
    if (!project || !painter || !hasFontSet())
        return;
    painter->setFont(font(6));
    const QString text = project->projectProperty(2);
    if (kind == 0) {
        painter->drawText(QRectF(width - 1900, height - 330, 1850, 120), Qt::AlignLeft | Qt::AlignBottom, text);
        return;
    }
    // Right-aligned 40 units left of the stamp, as wide as the text itself.
    const double textWidth = QFontMetricsF(painter->font(), painter->device()).boundingRect(QRectF(), 0, text).width();
    painter->drawText(QRectF(width - 1900 - 40 - textWidth, height - 220, textWidth, 150),
                      Qt::AlignHCenter | Qt::AlignVCenter, text);
}

WiringLayoutCable::WiringLayoutCable(Project *project, Frame *frame, SceneItem *row)
    : WiringLayout(project, frame, row)
{
}

WiringLayoutCable::~WiringLayoutCable() = default;

void WiringLayoutCable::drawBackground(QPainter *painter, const QRectF &rect)
{
    GraphicsScene::drawBackground(painter, rect);
    if (!painter || !hasFontSet())
        return;
    painter->setFont(::font(5));
    painter->setPen(penBlack);

    double y = cableTop;
    double shift = 0;
    auto cell = [&](int column) {
        return QRectF(cableColumns[column].left + shift, y, cableColumns[column].width, cableRowHeight);
    };
    auto outlineRow = [&]() {
        for (int column = 0; column < 5; ++column)
            painter->drawRect(cell(column));
    };
    // Texts that start at the left edge keep a little room.
    auto indented = [](const QRectF &r) { return r.adjusted(5, 0, 0, 0); };

    for (Cable *cable : std::as_const(m_cables)) {
        if (!cable)
            continue;
        const int type = cable->type();
        const QString typeName = type >= 0 && type < Cable::TypeCount ? Cable::typeName(type) : QString();
        for (CableCore *core : cable->cores()) {
            if (!core)
                continue;
            if (y == cableTop) {
                outlineRow();
                for (int column = 0; column < 5; ++column)
                    painter->drawText(cell(column), centred, tr(cableColumns[column].header));
                y += cableRowHeight;
            }
            outlineRow();
            painter->drawText(cell(0), centred, QString::number(cable->number()));
            painter->drawText(indented(cell(1)), leftMiddle, core->from);
            painter->drawText(indented(cell(2)), leftMiddle, core->to);
            painter->drawText(cell(3), centred, QString::number(core->clamp));
            painter->drawText(indented(cell(4)), leftMiddle, typeName);
            if (y >= cableBottom) {
                shift += cableColumnStep;
                y = cableTop;
            } else {
                y += cableRowHeight;
            }
        }
    }

    drawFrameLine(painter, tr("Frame:"), height() - 250);
    drawTitleBlock(project(), kind(), painter, width(), height());
}

WiringLayoutDCTable::WiringLayoutDCTable(Project *project, Frame *frame, SceneItem *row)
    : WiringLayout(project, frame, row)
{
    if (project)
        connect(project, &Project::objDelete, this, &WiringLayoutDCTable::dropObj);
}

WiringLayoutDCTable::~WiringLayoutDCTable() = default;

void WiringLayoutDCTable::dropObj(Obj &obj)
{
    for (Module *&module : m_modules) {
        if (static_cast<Obj *>(module) == &obj)
            module = nullptr;
    }
}

WiringLayoutDCScheme::WiringLayoutDCScheme(Project *project, Frame *frame, SceneItem *row)
    : WiringLayout(project, frame, row)
{
    if (project)
        connect(project, &Project::objDelete, this, &WiringLayoutDCScheme::dropObj);
}

WiringLayoutDCScheme::~WiringLayoutDCScheme() = default;

void WiringLayoutDCScheme::dropObj(Obj &obj)
{
    if (m_module && static_cast<Obj *>(m_module) == &obj)
        m_module = nullptr;
}

template <class Page>
Page *Frame::addWiringLayout(const QString &name, int kind, const QString &firstCaption, bool frontView,
                             const QString &secondCaption)
{
    if (m_listingPages) {
        listWiringPage(Page::ClassId, name, kind);
        return nullptr;
    }
    forgetSavedRecord();
    auto *page = new Page(m_project, this, takeListedRow(Page::ClassId, name, kind));
    page->setName(name);
    page->setKind(kind);
    page->setFirstCaption(firstCaption);
    page->setFrontView(frontView);
    page->setSecondCaption(secondCaption);
    if (m_generating)
        m_madePages.append(page);
    else if (m_treeItem && page->sceneItem())
        m_treeItem->addChild(page->sceneItem());
    ++m_pageCounter;
    page->setNumber(m_pageCounter);
    return page;
}

template WiringLayout *Frame::addWiringLayout<WiringLayout>(const QString &, int, const QString &, bool,
                                                            const QString &);
template WiringLayoutCable *Frame::addWiringLayout<WiringLayoutCable>(const QString &, int, const QString &, bool,
                                                                      const QString &);
template WiringLayoutDCTable *Frame::addWiringLayout<WiringLayoutDCTable>(const QString &, int, const QString &,
                                                                          bool, const QString &);
template WiringLayoutDCScheme *Frame::addWiringLayout<WiringLayoutDCScheme>(const QString &, int, const QString &,
                                                                            bool, const QString &);
