#include "equipment/equipmentparts.h"

#include "equipment/equipmentmenager.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/graphicswiringitemdevice.h"
#include "equipment/place.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/specificationmanagerdevice.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/device.h"
#include "model/projectparts.h"

#include <QPainter>

namespace {

class EquipmentOfDevices final : public DeviceEquipment
{
public:
    GraphicsPlaceItemDevice *createPlaceItem(Device *device, GraphicsScene *scene, GraphicsItem *parent) override
    {
        return new GraphicsPlaceItemDevice(scene, parent, device);
    }

    GraphicsWiringItemDevice *createWiringItem(Device *device, GraphicsScene *scene, GraphicsItem *parent) override
    {
        return new GraphicsWiringItemDevice(scene, parent, device, device->address());
    }

    Address *placeAddress(GraphicsPlaceItemDevice *item) override
    {
        // A device in a board or panel left free on the sheet stands in no
        // frame: it has no address.
        Place *place = item->place();
        for (Place *at = place; at;) {
            GraphicsPlaceContainer *container = at->container();
            if (!container || container->type() == GraphicsFramePart::Type)
                break;
            at = container->place();
            if (!at)
                return nullptr;
        }
        return place ? &place->address() : nullptr;
    }

    void releaseWiringItem(GraphicsWiringItemDevice *item) override { item->forgetDevice(); }

    void dropPlaceItem(GraphicsPlaceItemDevice *item) override
    {
        item->forgetDevice();
        if (Place *place = item->place()) {
            if (place->item() == item)
                place->setItem(nullptr);
            item->setPlace(nullptr);
        }
        GraphicsScene *scene = item->graphicsScene();
        if (scene && scene->removeGraphicsItem(item))
            return;
        if (!item->scene() && !item->parentItem())
            delete item;
    }

    QString placeTypeName(int type) override { return Place::modelName(type); }

    void drawInPlace(QPainter *painter, const QRectF &rect, Place *place, const QString &name, const QString &model,
                     bool nameFirst, int fontIndex) override
    {
        if (!painter)
            return;
        const bool withText = hasFontSet();
        if (withText)
            painter->setFont(font(fontIndex));
        painter->drawRect(rect);
        if (!withText)
            return;
        int rows = 1;
        if (place)
            rows = place->rowCount();
        else if (rect.height() >= 100)
            rows = qRound(rect.height() / 50);
        if (rows <= 1) {
            painter->drawText(rect, Qt::AlignCenter, nameFirst ? name : model);
            return;
        }
        const double rowHeight = rect.height() / rows;
        painter->drawText(QRectF(0, 0, rect.width(), rowHeight), Qt::AlignCenter, name);
        painter->drawText(QRectF(0, rowHeight, rect.width(), rowHeight), Qt::AlignCenter, model);
    }

    void paintCaption(QPainter *painter, const QRectF &rect, const QString &name, const QString &model) override
    {
        if (!painter || !hasFontSet())
            return;
        painter->setFont(font(5));
        const double half = rect.height() / 2;
        painter->drawText(QRectF(rect.left(), rect.top(), rect.width(), half), Qt::AlignCenter, name);
        painter->drawText(QRectF(rect.left(), rect.top() + half, rect.width(), half), Qt::AlignCenter, model);
    }
};

EquipmentOfDevices equipmentOfDevices;

template <class Manager>
ItemMenagerBase *createBranch(Project *project, QList<QAction *> *actions)
{
    return new Manager(project, actions);
}

} // namespace

void registerEquipmentParts()
{
    ProjectParts::setBranchFactory(ProjectParts::EquipmentBranch, createBranch<EquipmentMenager>);
    ProjectParts::setBranchFactory(ProjectParts::SpecificationDeviceBranch, createBranch<SpecificationManagerDevice>);
    ProjectParts::setBranchFactory(ProjectParts::SpecificationCableBranch, createBranch<SpecificationManagerCable>);
    Device::setEquipment(&equipmentOfDevices);
}
