#include "devices/clampcatalogue.h"
#include "equipment/boardcatalogue.h"
#include "equipment/equipmentmenager.h"
#include "equipment/framelayout.h"
#include "equipment/frametypes.h"
#include "equipment/graphicsboard.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "model/project.h"

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

// Fills every empty place of a container, in turn, with every panel and
// board type it accepts, and below each, depth first; reports every free
// place that lies under a container put in.
void fillEveryPlace(FrameLayout *layout, GraphicsPlaceContainer *container, QStringList &faults)
{
    for (Place *place : container->places()) {
        if (auto *held = dynamic_cast<GraphicsPlaceContainer *>(place->item())) {
            fillEveryPlace(layout, held, faults);
            continue;
        }
        if (place->item() || place->state() != Place::Normal || place->placeType() == -1)
            continue;
        for (int id = 0; id < panelTypeCount + boardTypeCount; ++id) {
            const bool panel = id < panelTypeCount;
            const int kind = panel ? panelTypes[id].containerKind : boardTypes[id - panelTypeCount].containerKind;
            if (!place->allowsModel(containerKinds[kind].model))
                continue;
            GraphicsPlaceContainer *item = panel ? static_cast<GraphicsPlaceContainer *>(new GraphicsFramePanel(layout))
                                                 : new GraphicsBoard(layout);
            item->setContainerType(panel ? id : id - panelTypeCount);
            layout->addGraphicsItem(item);
            if (place->canDrop(item, place->sceneRect().center()) && place->putItem(item)) {
                QList<Place *> own;
                for (QGraphicsItem *child : item->childItems())
                    own << dynamic_cast<Place *>(child);
                const QRectF body = item->sceneBodyRect().adjusted(1.75, 1.75, -1.75, -1.75);
                for (QGraphicsItem *under : layout->items(body)) {
                    auto *free = dynamic_cast<Place *>(under);
                    if (free && free != place && !own.contains(free) && !free->item() && !free->coveringItem()
                        && free->state() == Place::Normal && free->placeType() != -1
                        && free->sceneRect().intersects(body))
                        faults << QString("frame %1: %2 in place type %3 over place type %4")
                                      .arg(layout->frame()->frameType())
                                      .arg(item->containerType())
                                      .arg(place->placeType())
                                      .arg(free->placeType());
                }
                fillEveryPlace(layout, item, faults);
                item->removeFromPlace();
            }
            delete item;
            // The scene's bookkeeping of removed items is settled now and
            // then, as the event loop would.
            static int removed = 0;
            if (++removed % 50 == 0)
                QCoreApplication::processEvents();
        }
    }
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

    // Every frame type, with every place in turn holding every panel and
    // board it accepts: no place under a board or panel takes a drop.
    void noFreePlaceUnderAContainer()
    {
        Project p(nullptr, nullptr);
        auto *row = new FrameGroup(&p);
        p.equipment()->appendItem(row);
        QStringList faults;
        for (int type = 0; type < frameTypeCount; ++type) {
            auto *frame = new Frame(&p);
            row->appendItem(frame);
            frame->setFrameType(type);
            for (GraphicsFramePart *part : frame->layout()->parts())
                fillEveryPlace(frame->layout(), part, faults);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join("\n")));
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
        QCOMPARE(numbers, (QList<int>{5, 2, 3, 4, 6, 7, 8, 9, 1}));
    }
};

QTEST_MAIN(TestPlaceCatalogue)
#include "tst_placecatalogue.moc"
