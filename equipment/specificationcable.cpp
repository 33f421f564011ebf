#include "equipment/specificationcable.h"

#include "equipment/equipmentmenager.h"
#include "equipment/equipmentscheme.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/wiringlayout.h"
#include "graphics/font.h"
#include "graphics/rvboxlayout.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QFontMetricsF>
#include <QMap>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

struct TableColumn
{
    double left;
    double width;
    const char *header;
};

const TableColumn summaryColumns[] = {
    {250, 200, QT_TRANSLATE_NOOP("SpecificationCable", "N p/p")},
    {450, 750, QT_TRANSLATE_NOOP("SpecificationCable", "Name cable")},
    {1200, 300, QT_TRANSLATE_NOOP("SpecificationCable", "Length, m")},
    {1500, 400, QT_TRANSLATE_NOOP("SpecificationCable", "Comment")},
};

const TableColumn listColumns[] = {
    {250, 150, QT_TRANSLATE_NOOP("SpecificationCable", "N p/p")},
    {400, 300, QT_TRANSLATE_NOOP("SpecificationCable", "From frame")},
    {700, 300, QT_TRANSLATE_NOOP("SpecificationCable", "To frame")},
    {1000, 200, QT_TRANSLATE_NOOP("SpecificationCable", "Length, m")},
    {1200, 150, QT_TRANSLATE_NOOP("SpecificationCable", "Num cab.")},
    {1350, 450, QT_TRANSLATE_NOOP("SpecificationCable", "Cable")},
    {1800, 300, QT_TRANSLATE_NOOP("SpecificationCable", "Comment")},
};

// A table column of the sheet stands 2000 to the right of the one before.
const double tableColumnStep = 2000;

template <std::size_t N>
void drawCells(QPainter *painter, const TableColumn (&columns)[N], double shift, double y, double height)
{
    for (const TableColumn &column : columns)
        painter->drawRect(QRectF(column.left + shift, y, column.width, height));
}

// The header row; a header too wide for its cell takes the first smaller
// size that fits.
template <std::size_t N>
void drawHeaders(QPainter *painter, const TableColumn (&columns)[N], double shift, double y, double height,
                 int fontIndex)
{
    drawCells(painter, columns, shift, y, height);
    if (!hasFontSet())
        return;
    for (const TableColumn &column : columns) {
        const QString text = QCoreApplication::translate("SpecificationCable", column.header);
        int size = fontIndex;
        while (size > 0 && QFontMetricsF(font(size), painter->device()).horizontalAdvance(text) > column.width - 10)
            --size;
        painter->setFont(font(size));
        painter->drawText(QRectF(column.left + shift, y, column.width, height), Qt::AlignCenter, text);
    }
    painter->setFont(font(fontIndex));
}

// A text in a cell, left and top, 10 in from the left edge.
void drawLeft(QPainter *painter, const TableColumn &column, double shift, double y, double height,
              const QString &text)
{
    painter->drawText(QRectF(column.left + shift + 10, y, column.width - 10, height), Qt::AlignLeft | Qt::AlignTop,
                      text);
}

void drawCentred(QPainter *painter, const TableColumn &column, double shift, double y, double height,
                 const QString &text)
{
    painter->drawText(QRectF(column.left + shift, y, column.width, height), Qt::AlignCenter, text);
}

bool knownType(int type)
{
    return type >= 0 && type < Cable::TypeCount;
}

// "?" for a type outside the catalogue: painting reports nothing.
QString cableTypeText(int type)
{
    return knownType(type) ? Cable::typeName(type) : QStringLiteral("?");
}

} // namespace

SpecificationCable::SpecificationCable(Project *project, int firstKey, int rowOffset, int rowLimit)
    : Specification(project)
    , m_firstKey(firstKey)
    , m_rowOffset(rowOffset)
    , m_rowLimit(rowLimit)
{
}

int SpecificationCable::groupNumber() const
{
    auto *row = sceneItem() ? dynamic_cast<const ProjectItemOwner<ItemMenagerBase> *>(sceneItem()->parent())
                            : nullptr;
    auto *menager = row ? dynamic_cast<SpecificationManagerCable *>(row->owner()) : nullptr;
    return menager ? menager->atrNumber() : 0;
}

void SpecificationCable::saveScene(DataStream &stream)
{
    stream << qint32(m_firstKey) << qint32(m_rowOffset) << qint32(m_rowLimit);
    GraphicsScene::saveScene(stream);
    if (sceneItem())
        sceneItem()->writeTexts(stream);
}

bool SpecificationCable::loadScene(DataStream &stream)
{
    qint32 firstKey = 0;
    qint32 rowOffset = 0;
    qint32 rowLimit = 0;
    stream >> firstKey >> rowOffset >> rowLimit;
    if (stream.status() != QDataStream::Ok)
        return false;
    m_firstKey = firstKey;
    m_rowOffset = rowOffset;
    m_rowLimit = rowLimit;
    const bool ok = GraphicsScene::loadScene(stream);
    if (sceneItem())
        sceneItem()->readTexts(stream);
    return ok;
}

int SpecificationCable::orderLength(int total)
{
    return divideRoundUp(qRound(total * 1.03), 5) * 5;
}

QList<CableSummaryRow> SpecificationCable::summary(const SpecificationManagerCable &cables,
                                                   const EquipmentScheme &scheme)
{
    // Totals by type, in ascending type order.
    QMap<int, CableSummaryRow> totals;
    for (quint64 key : cables.keys()) {
        const QList<Cable *> list = cables.cables().value(key);
        int metres = 0;
        const bool known = lengthOf(scheme, key, &metres);
        for (const Cable *cable : list) {
            if (!cable)
                continue;
            CableSummaryRow &row = totals[cable->type()];
            row.type = cable->type();
            row.length += metres;
            row.known = row.known && known;
        }
    }
    QList<CableSummaryRow> rows = totals.values();
    // Types outside the catalogue come last.
    const auto markOf = [](int type) { return knownType(type) ? Cable::typeMark(type) : int(Cable::MarkCount); };
    std::stable_sort(rows.begin(), rows.end(), [&markOf](const CableSummaryRow &a, const CableSummaryRow &b) {
        return markOf(a.type) < markOf(b.type);
    });
    for (CableSummaryRow &row : rows)
        row.length = orderLength(row.length);
    return rows;
}

bool SpecificationCable::lengthOf(const EquipmentScheme &scheme, quint64 key, int *metres)
{
    const quint32 from = quint32(key >> 32);
    const quint32 to = quint32(key & 0xFFFFFFFFu);
    // 0 stands for no distance; the lookup raises no box while painting.
    const int length = from == to ? 0 : int(scheme.distanceBetween(from, to));
    if (metres)
        *metres = length;
    return length > 0;
}

QList<CableListRow> SpecificationCable::listRows() const
{
    QList<CableListRow> rows;
    const SpecificationManagerCable *cables = project() ? project()->specificationCable() : nullptr;
    if (!cables)
        return rows;
    const QList<quint64> &keys = cables->keys();
    for (int k = qMax(m_firstKey, 0); k < keys.size(); ++k) {
        const auto found = cables->cables().constFind(keys.at(k));
        if (found == cables->cables().constEnd())
            continue;
        for (const Cable *cable : found.value()) {
            if (!cable)
                continue;
            rows.append(CableListRow{keys.at(k), cable});
            if (rows.size() == m_rowLimit)
                return rows;
        }
    }
    return rows;
}

int SpecificationCable::sheetCount() const
{
    if (number() != 1)
        return qMax(1, divideRoundUp(int(listRows().size()), RowsPerColumn * ColumnsPerSheet));
    const SpecificationManagerCable *cables = project() ? project()->specificationCable() : nullptr;
    EquipmentMenager *equipment = project() ? project()->equipment() : nullptr;
    if (!cables || !equipment)
        return 1;
    const int types = int(summary(*cables, *equipment->equipmentScheme()).size());
    return qMax(1, divideRoundUp(types, SummaryRowsPerColumn * ColumnsPerSheet));
}

void SpecificationCable::printScene(QPainter *painter)
{
    if (!painter) {
        Specification::printScene(painter);
        return;
    }
    auto *device = dynamic_cast<QPagedPaintDevice *>(painter->device());
    const int sheets = device ? sheetCount() : 1;
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (sheet > 0)
            device->newPage();
        m_printedSheet = sheet;
        renderTo(painter);
    }
    m_printedSheet = 0;
}

void SpecificationCable::drawBackground(QPainter *painter, const QRectF &rect)
{
    SpecificationManagerCable *cables = project() ? project()->specificationCable() : nullptr;
    EquipmentMenager *equipment = project() ? project()->equipment() : nullptr;
    if (!painter || !cables || !equipment)
        return;
    painter->save();
    Specification::drawBackground(painter, rect);
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    if (number() == 1)
        drawSummary(painter, *cables, *equipment->equipmentScheme());
    else
        drawList(painter, *equipment->equipmentScheme());
    painter->restore();
}

void SpecificationCable::drawSummary(QPainter *painter, const SpecificationManagerCable &cables,
                                     const EquipmentScheme &scheme)
{
    if (hasFontSet())
        painter->setFont(::font(7));
    const double rowHeight = 80;
    const QList<CableSummaryRow> rows = summary(cables, scheme);
    // The printed sheet shows its two table columns of the summary.
    const int firstColumn = m_printedSheet * ColumnsPerSheet;
    const int begin = firstColumn * SummaryRowsPerColumn;
    const int end = qMin(int(rows.size()), begin + ColumnsPerSheet * SummaryRowsPerColumn);
    for (int i = begin; i < end; ++i) {
        const double shift = tableColumnStep * (i / SummaryRowsPerColumn - firstColumn);
        const double y = 180 + rowHeight * (i % SummaryRowsPerColumn);
        if (i % SummaryRowsPerColumn == 0)
            drawHeaders(painter, summaryColumns, shift, 100, rowHeight, 7);
        drawCells(painter, summaryColumns, shift, y, rowHeight);
        if (!hasFontSet())
            continue;
        const CableSummaryRow &row = rows.at(i);
        drawCentred(painter, summaryColumns[0], shift, y, rowHeight, QString::number(i + 1));
        drawLeft(painter, summaryColumns[1], shift, y, rowHeight, cableTypeText(row.type));
        drawCentred(painter, summaryColumns[2], shift, y, rowHeight,
                    row.known ? QString::number(row.length) : QStringLiteral("?"));
    }
}

void SpecificationCable::drawList(QPainter *painter, const EquipmentScheme &scheme)
{
    if (hasFontSet())
        painter->setFont(::font(5));
    const double rowHeight = 50;
    const QList<CableListRow> rows = listRows();
    // The printed sheet shows its two table columns of the list.
    const int firstColumn = m_printedSheet * ColumnsPerSheet;
    const int begin = firstColumn * RowsPerColumn;
    const int end = qMin(int(rows.size()), begin + ColumnsPerSheet * RowsPerColumn);
    quint64 lastKey = 0;
    QString from, to, length;
    for (int i = begin; i < end; ++i) {
        const int column = i / RowsPerColumn - firstColumn;
        const double shift = tableColumnStep * column;
        const double y = 150 + rowHeight * (i % RowsPerColumn);
        if (i % RowsPerColumn == 0)
            drawHeaders(painter, listColumns, shift, 100, rowHeight, 5);
        drawCells(painter, listColumns, shift, y, rowHeight);
        if (!hasFontSet())
            continue;
        const CableListRow &row = rows.at(i);
        if (i == begin || row.key != lastKey) {
            lastKey = row.key;
            from = frameText(quint32(row.key >> 32));
            to = frameText(quint32(row.key & 0xFFFFFFFFu));
            int metres = 0;
            length = lengthOf(scheme, row.key, &metres) ? QString::number(metres) : QStringLiteral("?");
        }
        drawCentred(painter, listColumns[0], shift, y, rowHeight, QString::number(m_rowOffset + i + 1));
        drawLeft(painter, listColumns[1], shift, y, rowHeight, from);
        drawLeft(painter, listColumns[2], shift, y, rowHeight, to);
        drawCentred(painter, listColumns[3], shift, y, rowHeight, length);
        drawCentred(painter, listColumns[4], shift, y, rowHeight, QString::number(row.cable->number()));
        const QString cable = knownType(row.cable->type())
                                  ? QStringLiteral("%1(%2)").arg(Cable::typeName(row.cable->type()))
                                        .arg(row.cable->freeCores())
                                  : QStringLiteral("?");
        drawLeft(painter, listColumns[5], shift, y, rowHeight, cable);
    }
    drawTitleBlock(project(), 0, painter, sceneRect().width(), sceneRect().height());
}

DlgPropSpecificationCable::DlgPropSpecificationCable(Project *project)
    : DlgProp(project)
    , m_project(project)
{
}

SpecificationCable *DlgPropSpecificationCable::execDialog(SpecificationCable *page)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    layout->addStretch();
    addButtons(layout);
    if (execModal(this) != QDialog::Accepted)
        return nullptr;
    return page ? page : new SpecificationCable(m_project);
}
