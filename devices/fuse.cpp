#include "devices/fuse.h"

#include "devices/fusecatalogue.h"
#include "devices/fusesymbol.h"
#include "devices/graphicsfuse.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/address.h"
#include "model/check.h"
#include "model/datastream.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

const int fusePlaceType = 27;
const int fusePositionCodeBase = 14;
// Frames of this kind show only the fuse's rated current.
const int nominalOnlyFrameKind = 5;
const int maxItems = 3;

} // namespace

Fuse::Fuse(Project *project)
    : Device(project, FuseKind)
{
}

Fuse::~Fuse() = default;

int Fuse::checkedType() const
{
    const int type = modelIndex();
    // A fuse whose type is not chosen yet is a normal state.
    if (type == -1)
        return -1;
    if (!CHECK(isFuseType(type)))
        return -1;
    return type;
}

bool Fuse::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    if (items().size() >= maxItems || items().contains(item))
        return false;
    // Only fuse items have a role; an item of another class takes none.
    auto *fuseItem = dynamic_cast<GraphicsFuse *>(item);
    if (!fuseItem)
        return true;
    return acceptsRole(fuseItem->isDuplicate(), fuseItem->isReservation());
}

bool Fuse::acceptsRole(bool duplicate, bool reservation, const ObjItem *leaving) const
{
    const bool fusionControl = duplicate && !reservation;
    // A fusion control shows the type's contact: a type without one has
    // nothing to show, whether the fuse has other items or not.
    if (fusionControl && !hasContact())
        return false;
    int others = 0;
    for (ObjItem *bound : items()) {
        if (!CHECK_PTR(bound))
            return false;
        if (bound == leaving)
            continue;
        ++others;
        auto *other = dynamic_cast<GraphicsFuse *>(bound);
        if (other && other->isDuplicate() == duplicate && other->isFusionControl() == fusionControl)
            return false;
    }
    return others < maxItems;
}

bool Fuse::hasModel(int index) const
{
    return isFuseType(index);
}

void Fuse::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex != -1 && !isFuseType(m_modelIndex)) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString Fuse::nominal() const
{
    const int type = checkedType();
    return type < 0 ? QString() : QString::fromLatin1(fuseTypes[type].nominal);
}

bool Fuse::hasContact() const
{
    const int type = modelIndex();
    return isFuseType(type) && fuseTypes[type].contact;
}

QString Fuse::modelName() const
{
    return fuseDesignation() + QLatin1Char('-') + nominal();
}

int Fuse::placeType() const
{
    return fusePlaceType;
}

GraphicsFuse *Fuse::primaryItem() const
{
    for (ObjItem *item : items()) {
        auto *fuseItem = dynamic_cast<GraphicsFuse *>(item);
        if (fuseItem && !fuseItem->isDuplicate())
            return fuseItem;
    }
    return nullptr;
}

QString Fuse::sceneName() const
{
    GraphicsFuse *primary = primaryItem();
    GraphicsScene *scene = primary ? primary->graphicsScene() : nullptr;
    return scene ? scene->displayName() : QString();
}

int Fuse::positionCode() const
{
    const Address *at = address();
    return fusePositionCodeBase + (at ? at->field(5) : 0);
}

void Fuse::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *, bool)
{
    if (!painter)
        return;
    const double w = rect.width();
    const double h = rect.height();
    painter->drawRect(QRectF(0, 0, w, h));
    if (!hasFontSet())
        return;
    const Address *at = address();
    if (at && at->field(0) == nominalOnlyFrameKind) {
        painter->setFont(font(3));
        painter->drawText(QRectF(0, 0, w, h), Qt::AlignCenter, nominal() + QLatin1Char('A'));
        return;
    }
    const double b = qRound(h / 3);
    painter->setFont(font(4));
    QString designation = fuseDesignation();
    if (at)
        designation += QString::number(at->field(5));
    painter->drawText(QRectF(0, h - 2 * b, w, b), Qt::AlignCenter, designation);
    painter->drawText(QRectF(0, h - b, w, b), Qt::AlignCenter, nominal());
    const QString base = baseName();
    const bool wide = QFontMetricsF(font(2)).horizontalAdvance(base) > w;
    painter->setFont(font(wide ? 1 : 2));
    painter->drawText(QRectF(0, h - 3 * b, w, b), Qt::AlignCenter, base);
}

void Fuse::paintPicture(QPainter *painter)
{
    if (!painter)
        return;
    drawFuseSymbol(painter);
    painter->drawLine(QLineF(0, 0, 160, 0));
    if (hasFontSet())
        painter->drawText(QRectF(-20, 40, 200, 40), Qt::AlignCenter, modelName());
}

void Fuse::paintCaption(QPainter *painter, const QRectF &rect)
{
    if (!painter || !hasFontSet())
        return;
    painter->setFont(font(5));
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, QLatin1Char(' ') + baseName());
    painter->drawText(rect, Qt::AlignRight | Qt::AlignVCenter, nominal() + QLatin1Char(' '));
}

int Fuse::pinCount() const
{
    return hasContact() ? 4 : 2;
}
