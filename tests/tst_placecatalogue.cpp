#include "devices/clampcatalogue.h"
#include "equipment/boardcatalogue.h"
#include "equipment/equipmentmenager.h"
#include "equipment/framelayout.h"
#include "equipment/frametypes.h"
#include "equipment/graphicsboard.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "model/check.h"
#include "model/device.h"
#include "model/project.h"
#include "model/projectparts.h"
#include "support/filesbelow.h"
#include "support/modalrecorder.h"

#include <QTemporaryDir>
#include <functional>
#include <QtTest>

namespace {

QList<int> allowed(int type)
{
    const PlaceTypeInfo &row = placeTypes[type];
    return QList<int>(row.models, row.models + row.modelCount);
}

QList<int> placesOf(int kind)
{
    const ContainerKindInfo &row = containerKinds[kind];
    return QList<int>(row.placeTypes, row.placeTypes + row.placeCount);
}

QList<int> partsOf(int type)
{
    return QList<int>(frameTypes[type].parts, frameTypes[type].parts + frameTypes[type].partCount);
}

// The fields an address compares.
QByteArray fieldsOf(const Address &a)
{
    QByteArray key;
    for (int f = 0; f < 7; ++f)
        key += char(a.field(f));
    return key;
}

// Every place's address of a project's frames, in tree order.
QStringList addressesOf(const Project &p)
{
    QStringList out;
    std::function<void(const GraphicsPlaceContainer *)> list = [&](const GraphicsPlaceContainer *container) {
        for (Place *place : container->places())
            if (out << place->address().toString(1) + ' ' + fieldsOf(place->address()).toHex(' ');
                auto *held = GraphicsPlaceContainer::asContainer(place->item()))
                list(held);
    };
    for (FrameGroup *group : p.equipment()->itemList())
        for (Frame *frame : group->itemList())
            for (GraphicsFramePart *part : frame->layout()->parts())
                list(part);
    return out;
}

// One walk serves the checks that fill frames: a frame of every type, each
// empty place taking a panel or board that drops, nested, else the first
// device, in place order, reversed and shuffled; the places of a type take
// the panel and board types it accepts in turn, and in the shuffled order at
// random. Renumbered, some devices taken out, saved and reopened.
struct FillWalk
{
    QStringList freeUnder;
    QStringList coveredWrong; // places covered otherwise than by the first item over them
    QStringList refused; // free places refusing a model that asks for no free area
    QStringList sameAddress;
    QStringList reopened;
    int failedChecks = 0;
    FrameLayout *layout = nullptr;
    QList<GraphicsPlaceItem *> devices; // one per place type, address byte and clamp-panel model
    QHash<int, QList<int>> accepts;     // the panel and board types of each place type
    QHash<int, QList<GraphicsPlaceItem *>> takes; // and its devices
    QHash<int, int> turn;                         // the next of them a place type's place takes
    QHash<QPair<int, int>, GraphicsPlaceContainer *> pool; // by depth and type, reused
    QHash<QByteArray, QSet<Place *>> byAddress;            // the places showing an address
    QList<GraphicsPlaceItem *> placed;
    int order = 0;
    QRandomGenerator random{43};

    FillWalk()
    {
        FrameLayout::registerItemTypes();
        const CountedChecks checks;
        ModalRecorder boxes;
        QTemporaryDir dir;
        Project p(nullptr, nullptr);
        QSet<QList<int>> seen;
        for (const DeviceKindEntry &entry : ProjectParts::kinds()) {
            const DeviceKindEntry *row = &entry;
            Obj *obj = row->factory ? row->factory(&p) : nullptr;
            auto *device = dynamic_cast<Device *>(obj);
            for (int i = 0; device && i < 1024 && device->hasModel(i) && device->setModelIndex(i); ++i) {
                const QList<int> key = {device->placeType(), device->addressSuffix(), row->kind == 203 ? i : -1};
                if (key[0] == -1 || seen.contains(key))
                    continue;
                seen.insert(key);
                auto *kept = static_cast<Device *>(row->factory(&p));
                kept->setModelIndex(i);
                devices << static_cast<GraphicsPlaceItem *>(kept->createPlaceItem(nullptr));
            }
            delete obj;
        }
        for (int type = 0; type < placeTypeCount; ++type) {
            for (int id = 0; id < panelTypeCount + boardTypeCount; ++id) {
                const int kind =
                    id < panelTypeCount ? panelTypes[id].containerKind : boardTypes[id - panelTypeCount].containerKind;
                if (placeTypeAllowsModel(type, containerKinds[kind].model))
                    accepts[type] << id;
            }
            for (GraphicsPlaceItem *device : std::as_const(devices))
                if (placeTypeAllowsModel(type, device->modelId()))
                    takes[type] << device;
        }
        for (order = 0; order < 3; ++order) {
            Project filled(nullptr, nullptr), again(nullptr, nullptr);
            walk(filled);
            filled.setFileName(dir.filePath("filled.rlay"));
            again.setFileName(filled.fileName());
            const bool loaded = filled.save() && again.load();
            again.setFileName(dir.filePath("again.rlay"));
            again.setEquipmentChanged();
            if (!loaded || !again.save() || sideFileContent(dir.filePath("again.eqm")) != sideFileContent(dir.filePath("filled.eqm")))
                reopened << QString("order %1").arg(order);
            const QStringList before = addressesOf(filled), after = addressesOf(again);
            for (int i = 0; i < before.size() && reopened.size() < 20; ++i)
                if (before[i] != after.value(i))
                    reopened << QString("order %1: %2 reopens as %3").arg(order).arg(before[i], after.value(i));
        }
        failedChecks = checks.failed();
        // The devices put in go, and their place items with them.
        for (GraphicsPlaceItem *item : std::as_const(devices))
            delete static_cast<GraphicsPlaceItemDevice *>(item)->device();
        devices.clear();
        takes.clear();
    }

    void walk(Project &p)
    {
        auto *group = new FrameGroup(&p);
        p.equipment()->appendItem(group);
        for (int type = 0; type < frameTypeCount; ++type) {
            auto *frame = new Frame(&p);
            group->appendItem(frame);
            frame->setFrameType(type);
            layout = frame->layout();
            QList<Place *> places;
            QList<GraphicsPlaceItem *> held;
            for (GraphicsFramePart *part : layout->parts())
                fill(part, 0), part->collectHeldItems(held), places += part->places();
            for (GraphicsPlaceItem *item : std::as_const(held))
                if (auto *container = dynamic_cast<GraphicsPlaceContainer *>(item))
                    places += container->places();
            for (GraphicsPlaceItem *item : std::as_const(held)) {
                const QRectF body = item->sceneBodyRect().adjusted(1.75, 1.75, -1.75, -1.75);
                for (Place *other : dynamic_cast<GraphicsPlaceContainer *>(item) ? places : QList<Place *>()) {
                    GraphicsPlaceContainer *up = other->container();
                    while (up && up != item)
                        up = up->place() ? up->place()->container() : nullptr;
                    if (!up && other->sceneRect().intersects(body) && other->placeType() != -1 && !other->state()
                        && !other->item())
                        freeUnder << QString("type %1, order %2: %3").arg(type).arg(order).arg(other->address().toString(1));
                }
            }
            Address renumbered = frame->address();
            renumbered.setField(2, quint8(1 + type % 9));
            frame->setAddressField(renumbered, 2);
            for (GraphicsPlaceItem *item : std::as_const(placed))
                if (random.bounded(3) == 0)
                    item->removeFromPlace();
            placed.clear();
            // The items in the order of the frame's tree; each empty place not marked 2 is covered by the first
            // whose body meets it, of those it does not stand in.
            QList<GraphicsPlaceItem *> inOrder;
            const std::function<void(GraphicsPlaceContainer *)> gather = [&](GraphicsPlaceContainer *container) {
                for (Place *place : container->places())
                    if (GraphicsPlaceItem *item = place->item()) {
                        inOrder << item;
                        if (auto *inner = GraphicsPlaceContainer::asContainer(item))
                            gather(inner);
                    }
            };
            for (GraphicsFramePart *part : layout->parts())
                gather(part);
            for (Place *place : std::as_const(places)) {
                GraphicsPlaceItem *expected = nullptr;
                for (GraphicsPlaceItem *item : std::as_const(inOrder)) {
                    bool within = false;
                    for (GraphicsPlaceContainer *up = place->container(); up && !within; up = up->place() ? up->place()->container() : nullptr)
                        within = up == item;
                    const QRectF body = item->sceneBodyRect().normalized().adjusted(1.75, 1.75, -1.75, -1.75);
                    // A panel reaching from a place of its own over the item's place stands over it.
                    const GraphicsPlaceContainer *over = place->container();
                    const bool standsOver = over && over->place() && GraphicsPlaceItem::asksForArea(over->modelId())
                        && item->place()->sceneRect().contains(place->sceneRect().adjusted(1.75, 1.75, -1.75, -1.75));
                    if (!expected && !within && !standsOver && !body.isEmpty() && body.intersects(place->sceneRect()))
                        expected = item;
                }
                if (place->item() || place->mark() == Place::Marked || place->placeType() == -1)
                    expected = nullptr;
                if (place->coveringItem() != expected)
                    coveredWrong << QString("type %1, order %2: %3").arg(type).arg(order).arg(place->address().toString(1));
            }
            for (Place *place : std::as_const(places))
                if (!GraphicsPlaceContainer::asContainer(place->item()))
                    note(place, place);
            // Places that might show one address at once: neither lies in
            // the other's panel or board, nor under an item or a mark.
            const auto within = [](Place *inner, Place *outer) {
                for (GraphicsPlaceContainer *up = inner->container(); up && up->place(); up = up->place()->container())
                    if (up->place() == outer)
                        return true;
                return false;
            };
            for (auto it = byAddress.cbegin(); it != byAddress.cend(); ++it)
                for (Place *a : it.value())
                    for (Place *b : it.value())
                        if (a < b && !a->state() && !b->state() && !within(a, b) && !within(b, a))
                            sameAddress << QString("type %1, order %2: %3").arg(type).arg(order).arg(it.key().toHex(' '));
            qDeleteAll(pool);
            pool.clear();
            byAddress.clear();
        }
    }

    void fill(GraphicsPlaceContainer *container, int depth)
    {
        QList<Place *> places = container->places();
        if (order)
            order == 1 ? std::reverse(places.begin(), places.end()) : std::shuffle(places.begin(), places.end(), random);
        for (Place *place : std::as_const(places)) {
            if (auto *held = dynamic_cast<GraphicsPlaceContainer *>(place->item()))
                fill(held, depth);
            QList<int> ids = accepts.value(place->placeType());
            if (order == 2)
                std::shuffle(ids.begin(), ids.end(), random);
            else if (!ids.isEmpty())
                std::rotate(ids.begin(), ids.begin() + turn[place->placeType()]++ % ids.size(), ids.end());
            {
                const FrameLayout::CoveringBatch batch(layout);
                for (int id : std::as_const(ids))
                    fillWith(place, id, depth, true);
            }
            for (int id : std::as_const(ids))
                fillWith(place, id, depth);
            if (place->item() || place->state() != Place::Normal || place->placeType() == -1)
                continue;
            GraphicsPlaceItem *first = nullptr;
            for (GraphicsPlaceItem *device : takes.value(place->placeType()))
                if (!first && place->canDrop(device, place->sceneRect().center()))
                    first = device;
                else if (static_cast<GraphicsPlaceItemDevice *>(device)->device()->kind() != 203) // by its part
                    tryDrop(place, device);
            if (!first)
                continue;
            Device *model = static_cast<GraphicsPlaceItemDevice *>(first)->device();
            auto *device = static_cast<Device *>(container->graphicsScene()->project()->createDevice(model->kind()));
            device->setModelIndex(model->modelIndex());
            device->setName(QString::number(quintptr(device), 36));
            layout->addGraphicsItem(device->createPlaceItem(layout));
            place->putItem(device->placeItem());
            placed << device->placeItem();
        }
    }

    void tryDrop(Place *place, GraphicsPlaceItem *item)
    {
        if (!place->item() && !place->state() && !GraphicsPlaceItem::asksForArea(item->modelId())
            && !place->canDrop(item, place->sceneRect().center()))
            refused << QString::number(item->modelId()) + " at " + place->address().toString(1);
    }

    // The address a place shows, as the owner's: held or empty, and, empty,
    // those the devices that drop there give it; through a panel or board,
    // those of its places.
    void note(Place *place, Place *owner)
    {
        if (auto *held = GraphicsPlaceContainer::asContainer(place->item())) {
            for (Place *inner : held->places())
                note(inner, owner);
        } else if (!place->state() && place->placeType() != -1) {
            // The frame's fields are those of all its places, renumbered or not.
            byAddress[fieldsOf(place->address()).mid(3)].insert(owner);
            for (GraphicsPlaceItem *device : takes.value(place->placeType()))
                if (!place->item() && placeTypes[place->placeType()].suffixFlag
                    && place->canDrop(device, place->sceneRect().center()))
                    byAddress[fieldsOf(place->addressFor(device)).mid(3)].insert(owner);
        }
    }

    // A panel or board put into the place and filled; or, trying, one that
    // stays within it, put in for its places' addresses and taken out.
    void fillWith(Place *place, int id, int depth, bool trying = false)
    {
        GraphicsPlaceContainer *item = pool.value({depth, id});
        if (!item) {
            item = id < panelTypeCount ? static_cast<GraphicsPlaceContainer *>(new GraphicsFramePanel(layout))
                                       : new GraphicsBoard(layout);
            item->setContainerType(id < panelTypeCount ? id : id - panelTypeCount);
            layout->addGraphicsItem(item);
            pool.insert({depth, id}, item);
        }
        if (trying && GraphicsPlaceItem::reachesBeyond(place, item->modelId()))
            return tryDrop(place, item);
        if (place->canDrop(item, place->sceneRect().center()) && place->putItem(item)) {
            if (trying) {
                note(place, place);
                item->removeFromPlace();
                return;
            }
            pool.remove({depth, id});
            fill(item, depth + 1);
        }
    }
};

const FillWalk &fillWalk()
{
    static const FillWalk walk;
    return walk;
}

} // namespace

class TestPlaceCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void counts()
    {
        QCOMPARE(int(std::size(placeTypes)), 140);
        QCOMPARE(int(std::size(equipmentModels)), 212);
        QCOMPARE(int(std::size(containerKinds)), 186);
        QCOMPARE(int(std::size(frameTypes)), 40);
        QCOMPARE(int(std::size(framePartKinds)), 59);
        int named = 0;
        for (const EquipmentModelInfo &row : equipmentModels)
            named += row.name != nullptr;
        QCOMPARE(named, 161);
        QVERIFY(!placeTypeInfo(140) && !equipmentModelInfo(-1) && !containerKindInfo(186));
    }

    void tellingRows()
    {
        const EquipmentModelInfo &body = equipmentModels[0];
        QCOMPARE(QRectF(body.x, body.y, body.width, body.height), QRectF(300, 580, 2440, 2720));
        QVERIFY(!body.name);
        QCOMPARE(equipmentModelName(11), QString("Panel 1Row"));
        QCOMPARE(equipmentModels[12].y, -320.0);
        QCOMPARE(equipmentModels[12].height, 320.0);
        QCOMPARE(equipmentModels[13].y, -480.0);
        QCOMPARE(QRectF(0, equipmentModels[24].y, equipmentModels[24].width, equipmentModels[24].height),
                 QRectF(0, -120, 196.667, 120));
        QCOMPARE(QSizeF(equipmentModels[27].width, equipmentModels[27].height), QSizeF(73.75, 120));
        QCOMPARE(QSizeF(equipmentModels[30].width, equipmentModels[30].height), QSizeF(146.667, 40));
        QCOMPARE(QPointF(equipmentModels[157].x, equipmentModels[157].y), QPointF(-80, -160));
        QVERIFY(equipmentModelHasOffset(157) && !equipmentModelHasOffset(11));
        QCOMPARE(QString(equipmentModels[54].name), QString("K50-16-50V-500mkf "));
        QCOMPARE(QString(equipmentModels[88].name), QString(equipmentModels[90].name));
        QList<int> ownSize;
        for (int i = 0; i < equipmentModelCount; ++i) {
            if (equipmentModels[i].ownSize)
                ownSize << i;
        }
        QCOMPARE(ownSize, (QList<int>{43, 111, 134, 135, 137, 138, 139}));

        QCOMPARE(allowed(0), (QList<int>{11, 157, 158, 159, 191, 192, 193, 194, 195, 196, 197, 198}));
        QCOMPARE(QSizeF(placeTypes[0].width, placeTypes[0].height), QSizeF(2360, 160));
        QCOMPARE(placeTypes[7].modelCount, 26);
        QCOMPARE(placeTypes[7].rows, 3);
        QVERIFY(placeTypeAllowsModel(7, 18) && placeTypeAllowsModel(7, 25) && placeTypeAllowsModel(7, 26));
        QCOMPARE(QSizeF(placeTypes[18].width, placeTypes[18].height), QSizeF(590, 120));
        QCOMPARE(placeTypes[18].modelCount, 0);
        QCOMPARE(placeTypes[108].rows, 2);

        QCOMPARE(QSizeF(containerKinds[0].width, containerKinds[0].height), QSizeF(2520, 2720));
        QList<int> bodyPlaces(15, 2);
        bodyPlaces << 1 << 0;
        QCOMPARE(placesOf(0), bodyPlaces);
        QCOMPARE(placesOf(1), (QList<int>{4, 4, 4}));
        QCOMPARE(containerKinds[1].nested[2].itemType, int(QGraphicsItem::UserType + 102));
        QCOMPARE(containerKinds[1].nested[2].type, 0);
        QCOMPARE(placesOf(9), QList<int>{56});
        QCOMPARE(containerKinds[9].nested[0].type, 37);
        const ContainerKindInfo &fuses = containerKinds[12];
        QCOMPARE(equipmentModelName(fuses.model), QString("Panel-FU-30"));
        QCOMPARE(placesOf(12), QList<int>(8, 13));
        QCOMPARE(fuses.indentSize, 40.0);
        QList<int> boards;
        for (int i = 0; i < fuses.placeCount; ++i) {
            QCOMPARE(fuses.nested[i].itemType, int(QGraphicsItem::UserType + 103));
            boards << fuses.nested[i].type;
        }
        QCOMPARE(boards, (QList<int>{1, 2, 2, 2, 2, 2, 2, 1}));
    }

    void frameTables()
    {
        QCOMPARE(QString(frameTypes[0].name), QString("SRKM-75-17"));
        QCOMPARE(partsOf(0), (QList<int>{3, 0, 10}));
        QCOMPARE(framePartKinds[3].containerKind, 0);
        QCOMPARE(framePartKinds[0].containerKind, 1);
        QCOMPARE(framePartKinds[10].containerKind, 9);
        QCOMPARE(QString(frameTypes[11].name), QString("SRKM-75-6+LP Varnel "));
        QCOMPARE(frameTypes[10].frameKind, 5);
        QCOMPARE(partsOf(10), (QList<int>{15, 17, 20, 16, 18, 19, 14}));
        QVERIFY(frameTypes[10].shortTitleBlock && frameTypes[10].landscape);
        QCOMPARE(frameTypes[39].frameKind, 0);
        const FramePartKindInfo &power = framePartKinds[24];
        QCOMPARE(QList<int>({power.containerKind, power.clampPanelType, power.placesPerBand, power.bandsPerPage}),
                 (QList<int>{138, 10, 4, 2}));
        QCOMPARE(framePartKinds[58].containerKind, 185);
        // Every part of every frame type has a container kind with a model.
        for (const FrameTypeInfo &type : frameTypes) {
            for (int i = 0; i < type.partCount; ++i) {
                const ContainerKindInfo *kind = containerKindInfo(framePartKinds[type.parts[i]].containerKind);
                QVERIFY(kind && equipmentModelInfo(kind->model));
            }
        }
    }

    // The place types the device catalogues answer each fit some place,
    // and the sizes they quote stand.
    void devicePlaceTypes()
    {
        const QList<int> used = {16,  17,  18,  19,  20,  21,  22,  23,  27,  28,  29,  30,  31,  32,  33,  34,  35,
                                 36,  37,  39,  41,  42,  46,  47,  48,  54,  56,  57,  59,  60,  61,  63,  65,  67,
                                 69,  70,  71,  72,  73,  74,  75,  76,  78,  80,  81,  83,  85,  87,  89,  91,  93,
                                 94,  100, 105, 107, 109, 117, 120, 126, 133, 142, 149, 150, 151, 152, 153, 154, 203,
                                 207, 211};
        for (int model : used) {
            bool fits = false;
            for (int type = 0; type < placeTypeCount && !fits; ++type)
                fits = placeTypeAllowsModel(type, model);
            QVERIFY2(fits, qPrintable(QString::number(model)));
        }
        for (const ClampPanelModel &clamp : clampPanelModels)
            QVERIFY(used.contains(clamp.placeType));
        QCOMPARE(QSizeF(equipmentModels[142].width, equipmentModels[142].height), QSizeF(110, 87));
        QCOMPARE(QSizeF(equipmentModels[105].width, equipmentModels[105].height), QSizeF(245, 160));
        QCOMPARE(QSizeF(equipmentModels[153].width, equipmentModels[153].height), QSizeF(80, 160));
        QCOMPARE(QSizeF(equipmentModels[117].width, equipmentModels[117].height), QSizeF(2360, 106.67));
        QCOMPARE(QSizeF(equipmentModels[154].width, equipmentModels[154].height), QSizeF(50, 160));
    }

    // Every frame type, filled in three orders: no place under a board or
    // panel takes a drop, each place is covered by the first item over it,
    // and the saved project reopens as it stood.
    void noFreePlaceUnderAContainer()
    {
        QCOMPARE(fillWalk().failedChecks, 0);
        QVERIFY2(fillWalk().refused.isEmpty(), qPrintable(fillWalk().refused.mid(0, 20).join("\n")));
        QVERIFY2(fillWalk().freeUnder.isEmpty(), qPrintable(fillWalk().freeUnder.mid(0, 20).join("\n")));
        QVERIFY2(fillWalk().coveredWrong.isEmpty(), qPrintable(fillWalk().coveredWrong.mid(0, 20).join("\n")));
        QVERIFY2(fillWalk().reopened.isEmpty(), qPrintable(fillWalk().reopened.join("\n")));
    }

    // Whatever panels and boards fill a frame, no two of its places show or
    // give a device the same address.
    void everyPlaceAddressedApart()
    {
        QVERIFY2(fillWalk().sameAddress.isEmpty(), qPrintable(fillWalk().sameAddress.mid(0, 20).join("\n")));
    }

    // A two-row carrier in frame place 05 numbers its rows 05 and 06; the
    // parts of a relay case number their places apart.
    void placeNumbersGoOn()
    {
        Project p(nullptr, nullptr);
        auto *row = new FrameGroup(&p);
        p.equipment()->appendItem(row);
        auto *frame = new Frame(&p);
        row->appendItem(frame);
        frame->setFrameType(0);
        auto *carrier = new GraphicsFramePanel(frame->layout());
        carrier->setContainerType(76);
        frame->layout()->addGraphicsItem(carrier);
        QVERIFY(frame->layout()->parts().first()->places().at(4)->putItem(carrier));
        QCOMPARE(carrier->places().at(0)->address().field(3), quint8(5));
        QCOMPARE(carrier->places().at(1)->address().field(3), quint8(6));
        frame->setFrameType(10);
        QList<int> numbers;
        for (GraphicsFramePart *part : frame->layout()->parts())
            for (Place *place : part->places())
                if (place->placeType() != 83) // the clamp row, named by its place kind
                    numbers << place->address().field(3);
        QCOMPARE(numbers, (QList<int>{7, 4, 5, 6, 8, 9, 10, 11, 1}));
    }
};

QTEST_MAIN(TestPlaceCatalogue)
#include "tst_placecatalogue.moc"
