#include "equipment/specificationdevice.h"

#include "equipment/specificationmanagerdevice.h"
#include "graphics/font.h"
#include "graphics/rvboxlayout.h"
#include "graphics/sceneitem.h"
#include "model/address.h"
#include "model/addresstables.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QPainter>

#include <algorithm>

namespace {

const int groupItemActions[4] = {-1, -1, -1, 70};
const int deviceSpecificationGroupChildActions[] = {70};

// Runs a dialog without fields of its own; true on Ok.
bool runBare(DlgProp *dialog)
{
    auto *layout = new RVBoxLayout(dialog, 5, 5);
    layout->addStretch();
    dialog->addButtons(layout);
    return execModal(dialog) == QDialog::Accepted;
}

} // namespace

Specification::Specification(Project *project)
    : GraphicsScene(project)
{
    setGridStep(40);
    setSheetFormat(PaperA3, true, 1);
    if (sceneItem())
        sceneItem()->setIcons(QStringLiteral(":/images/specification.png"),
                              QStringLiteral(":/images/specification.png"));
}

QString Specification::displayName() const
{
    return sceneItem() ? sceneItem()->text(0) : QString();
}

int Specification::groupNumber() const
{
    return -1;
}

bool Specification::saveItemsGeometry(DataStream &stream)
{
    const bool ok = GraphicsScene::saveItemsGeometry(stream);
    if (ok)
        setModified(false);
    return ok;
}

bool Specification::loadItemsGeometry(DataStream &stream)
{
    const bool ok = GraphicsScene::loadItemsGeometry(stream);
    if (ok)
        setModified(false);
    return ok;
}

QString Specification::frameText(quint32 code)
{
    if ((code >> 16) >= quint32(frameKindCount))
        return QStringLiteral("?");
    return Address::frameCodeText(code, false);
}

SpecificationDevice::SpecificationDevice(Project *project)
    : Specification(project)
{
}

void SpecificationDevice::setRange(int columnBegin, int columnCount, int rowBegin, int rowCount)
{
    if (!CHECK(columnBegin >= 0 && columnCount >= 1 && rowBegin >= 0 && rowCount >= 1))
        return;
    m_columnBegin = columnBegin;
    m_columnEnd = columnBegin + columnCount;
    m_rowBegin = rowBegin;
    m_rowEnd = rowBegin + rowCount;
}

SpecificationGroupDevice *SpecificationDevice::group() const
{
    auto *row = sceneItem() ? dynamic_cast<const ProjectItemOwner<ItemMenagerBase> *>(sceneItem()->parent()) : nullptr;
    return row ? dynamic_cast<SpecificationGroupDevice *>(row->owner()) : nullptr;
}

int SpecificationDevice::groupNumber() const
{
    const QTreeWidgetItem *group = sceneItem() ? sceneItem()->parent() : nullptr;
    auto *row = group ? dynamic_cast<const ProjectItemOwner<ItemMenagerBase> *>(group->parent()) : nullptr;
    auto *menager = row ? dynamic_cast<SpecificationManagerDevice *>(row->owner()) : nullptr;
    return menager ? menager->atrNumber() : 0;
}

void SpecificationDevice::drawBackground(QPainter *painter, const QRectF &rect)
{
    Specification::drawBackground(painter, rect);
    const SpecificationGroupDevice *owner = group();
    if (!painter || !owner)
        return;
    const QList<SpecificationDeviceRow> &rows = owner->rows();
    const QList<quint32> &columns = owner->columns();
    // Ranges come from the file: a page that does not fit its matrix shows
    // the bare sheet.
    if (m_columnBegin < 0 || m_columnBegin > m_columnEnd || m_columnEnd > columns.size() || m_rowBegin < 0
        || m_rowBegin > m_rowEnd || m_rowEnd > rows.size())
        return;

    painter->save();
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    // The table: row number, an empty column, the device name, 28 count
    // columns and the total, under a header row.
    const double left = 250;
    const double right = 4100;
    const double top = 100;
    const double bottom = 2700;
    painter->drawRect(QRectF(left, top, right - left, bottom - top));
    for (double y = 150; y < bottom; y += 50)
        painter->drawLine(QPointF(left, y), QPointF(right, y));
    for (double x : {300.0, 600.0, 1200.0})
        painter->drawLine(QPointF(x, top), QPointF(x, bottom));
    for (double x = 1300; x <= 4000; x += 100)
        painter->drawLine(QPointF(x, top), QPointF(x, bottom));

    if (hasFontSet()) {
        painter->setFont(::font(5));
        const int flags = Qt::AlignHCenter | Qt::AlignVCenter;
        for (int r = m_rowBegin; r < m_rowEnd; ++r) {
            const double y = 150 + 50 * (r - m_rowBegin);
            painter->drawText(QRectF(250, y, 50, 50), flags, QString::number(r + 1));
            painter->drawText(QRectF(600, y, 600, 50), flags, rows.at(r).name);
        }
        for (int c = m_columnBegin; c < m_columnEnd; ++c) {
            const double x = 1200 + 100 * (c - m_columnBegin);
            const quint32 key = columns.at(c);
            painter->drawText(QRectF(x, top, 100, 50), flags, frameText(key));
            for (int r = m_rowBegin; r < m_rowEnd; ++r) {
                const auto found = rows.at(r).counts.constFind(key);
                if (found != rows.at(r).counts.constEnd())
                    painter->drawText(QRectF(x, 150 + 50 * (r - m_rowBegin), 100, 50), flags,
                                      QString::number(found.value()));
            }
        }
        // The page with the last column totals each row over the whole
        // matrix.
        if (m_columnEnd == columns.size()) {
            painter->drawText(QRectF(4000, top, 100, 50), flags, tr("Total"));
            for (int r = m_rowBegin; r < m_rowEnd; ++r) {
                quint64 total = 0;
                for (quint32 count : rows.at(r).counts)
                    total += count;
                if (total > 0)
                    painter->drawText(QRectF(4000, 150 + 50 * (r - m_rowBegin), 100, 50), flags,
                                      QString::number(total));
            }
        }
        const QString caption = owner->treeItem() ? owner->treeItem()->text(0) : QString();
        painter->drawText(QRectF(250, 2700, 3850, 50), Qt::AlignRight | Qt::AlignVCenter,
                          tr("Specification") + QStringLiteral(": ") + caption);
    }
    painter->restore();
}

void SpecificationDevice::saveScene(DataStream &stream)
{
    stream << qint32(m_columnBegin) << qint32(m_columnEnd) << qint32(m_rowBegin) << qint32(m_rowEnd);
    GraphicsScene::saveScene(stream);
    if (sceneItem())
        sceneItem()->writeTexts(stream);
}

bool SpecificationDevice::loadScene(DataStream &stream)
{
    qint32 ranges[4] = {0, 0, 0, 0};
    stream >> ranges[0] >> ranges[1] >> ranges[2] >> ranges[3];
    if (stream.status() != QDataStream::Ok)
        return false;
    m_columnBegin = ranges[0];
    m_columnEnd = ranges[1];
    m_rowBegin = ranges[2];
    m_rowEnd = ranges[3];
    const bool ok = GraphicsScene::loadScene(stream);
    if (sceneItem())
        sceneItem()->readTexts(stream);
    return ok;
}

DlgPropSpecificationDevice::DlgPropSpecificationDevice(Project *project)
    : DlgProp(project)
    , m_project(project)
{
}

SpecificationDevice *DlgPropSpecificationDevice::execDialog(SpecificationDevice *page)
{
    if (!runBare(this))
        return nullptr;
    return page ? page : new SpecificationDevice(m_project);
}

SpecificationGroupDevice::SpecificationGroupDevice(Project *project)
    : ItemMenager<SpecificationDevice, DlgPropSpecificationDevice>(project)
{
    if (treeItem())
        treeItem()->setIcons(QStringLiteral(":/images/specification_group.png"),
                             QStringLiteral(":/images/specification_group.png"));
    registerItemActions(groupItemActions, 4);
}

void SpecificationGroupDevice::writeItems(DataStream &stream)
{
    if (treeItem())
        treeItem()->writeTexts(stream);
    stream << quint32(m_rows.size());
    for (const SpecificationDeviceRow &row : std::as_const(m_rows)) {
        // The counts by ascending key, so that saving twice gives the same
        // bytes.
        QList<quint32> keys = row.counts.keys();
        std::sort(keys.begin(), keys.end());
        stream << row.name << quint32(keys.size());
        for (quint32 key : std::as_const(keys))
            stream << key << row.counts.value(key);
    }
    stream << quint32(m_columns.size());
    for (quint32 key : std::as_const(m_columns))
        stream << key;
    ItemMenager<SpecificationDevice, DlgPropSpecificationDevice>::writeItems(stream);
}

void SpecificationGroupDevice::readItems(DataStream &stream)
{
    if (treeItem())
        treeItem()->readTexts(stream);
    m_rows.clear();
    quint32 rowCount = 0;
    stream >> rowCount;
    for (quint32 i = 0; i < rowCount && stream.status() == QDataStream::Ok; ++i) {
        SpecificationDeviceRow row;
        quint32 entries = 0;
        stream >> row.name >> entries;
        for (quint32 j = 0; j < entries && stream.status() == QDataStream::Ok; ++j) {
            quint32 key = 0;
            quint32 count = 0;
            stream >> key >> count;
            if (stream.status() == QDataStream::Ok)
                row.counts.insert(key, count);
        }
        m_rows.append(row);
    }
    m_columns.clear();
    quint32 columnCount = 0;
    stream >> columnCount;
    for (quint32 i = 0; i < columnCount && stream.status() == QDataStream::Ok; ++i) {
        quint32 key = 0;
        stream >> key;
        if (stream.status() == QDataStream::Ok)
            m_columns.append(key);
    }
    ItemMenager<SpecificationDevice, DlgPropSpecificationDevice>::readItems(stream);
}

const int *SpecificationGroupDevice::childActions(int &count)
{
    count = int(std::size(deviceSpecificationGroupChildActions));
    return deviceSpecificationGroupChildActions;
}

DlgPropSpecificationGroupDevice::DlgPropSpecificationGroupDevice(Project *project)
    : DlgProp(project)
    , m_project(project)
{
}

SpecificationGroupDevice *DlgPropSpecificationGroupDevice::execDialog(SpecificationGroupDevice *group)
{
    if (!runBare(this))
        return nullptr;
    return group ? group : new SpecificationGroupDevice(m_project);
}
