#include "equipment/place.h"

#include "equipment/graphicsplaceitem.h"
#include "model/check.h"

namespace {

// The names of the equipment models; rows without a name are null.
const char *const equipmentModelNames[Place::EquipmentModelCount] = {
    nullptr, // 0
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr, // 10
    QT_TRANSLATE_NOOP("Place", "Panel 1Row"),
    QT_TRANSLATE_NOOP("Place", "Panel 2Row"),
    QT_TRANSLATE_NOOP("Place", "Panel 3Row"),
    QT_TRANSLATE_NOOP("Place", "Panel Block"),
    QT_TRANSLATE_NOOP("Place", "Panel Top"),
    QT_TRANSLATE_NOOP("Place", "Clamp Top"),
    QT_TRANSLATE_NOOP("Place", "S"),
    QT_TRANSLATE_NOOP("Place", "NMSH"),
    QT_TRANSLATE_NOOP("Place", "REL"),
    QT_TRANSLATE_NOOP("Place", "DSSH"), // 20
    QT_TRANSLATE_NOOP("Place", "NSH"),
    QT_TRANSLATE_NOOP("Place", "Block Big"),
    QT_TRANSLATE_NOOP("Place", "Block Small"),
    QT_TRANSLATE_NOOP("Place", "Board FU-RR-R"),
    QT_TRANSLATE_NOOP("Place", "Board-REL-NMSH"),
    QT_TRANSLATE_NOOP("Place", "Board-IRC"),
    QT_TRANSLATE_NOOP("Place", "FU"),
    QT_TRANSLATE_NOOP("Place", "Clamp Commut"),
    QT_TRANSLATE_NOOP("Place", "R"),
    QT_TRANSLATE_NOOP("Place", "RR"), // 30
    QT_TRANSLATE_NOOP("Place", "Shelf"),
    QT_TRANSLATE_NOOP("Place", "FV"),
    QT_TRANSLATE_NOOP("Place", "RV"),
    QT_TRANSLATE_NOOP("Place", "IRC"),
    QT_TRANSLATE_NOOP("Place", "Block BP"),
    QT_TRANSLATE_NOOP("Place", "POBS"),
    QT_TRANSLATE_NOOP("Place", "FP"),
    QT_TRANSLATE_NOOP("Place", "Board-FV-RV-3"),
    QT_TRANSLATE_NOOP("Place", "PCH-50-25"),
    QT_TRANSLATE_NOOP("Place", "Board-C-6"), // 40
    QT_TRANSLATE_NOOP("Place", "URP"),
    QT_TRANSLATE_NOOP("Place", "VUS-1,3"),
    QT_TRANSLATE_NOOP("Place", "Board-DSSH-C"),
    QT_TRANSLATE_NOOP("Place", "Board-PTM-ST-ROBS"),
    QT_TRANSLATE_NOOP("Place", "Board-SKT-C"),
    QT_TRANSLATE_NOOP("Place", "PTM-ST-ROBS"),
    QT_TRANSLATE_NOOP("Place", "SKT-1"),
    QT_TRANSLATE_NOOP("Place", "PT-PRT-SOBS"),
    nullptr,
    nullptr, // 50
    QT_TRANSLATE_NOOP("Place", "Panel Console"),
    QT_TRANSLATE_NOOP("Place", "Panel Side 8"),
    QT_TRANSLATE_NOOP("Place", "Panel Side 12"),
    QT_TRANSLATE_NOOP("Place", "K50-16-50V-500mkf "),
    QT_TRANSLATE_NOOP("Place", "Board-4xK50-16-50V"),
    QT_TRANSLATE_NOOP("Place", "K50-16-50-200mkf"),
    QT_TRANSLATE_NOOP("Place", "K50-16-50-1000mkf"),
    QT_TRANSLATE_NOOP("Place", "Board-4xK73P-2-1000-1"),
    QT_TRANSLATE_NOOP("Place", "K73P-2-1000-1mkf"),
    QT_TRANSLATE_NOOP("Place", "K73P-2-630-4mkf"), // 60
    QT_TRANSLATE_NOOP("Place", "K73P-2-4000-2mkf"),
    QT_TRANSLATE_NOOP("Place", "Board-K73P-2-1000-4"),
    QT_TRANSLATE_NOOP("Place", "K73P-2-1000-4mkf"),
    QT_TRANSLATE_NOOP("Place", "Board-MLT-6"),
    QT_TRANSLATE_NOOP("Place", "6 elements"),
    QT_TRANSLATE_NOOP("Place", "Board-4xMBGP-2-400-2"),
    QT_TRANSLATE_NOOP("Place", "MBGP-2-400-2mkf"),
    QT_TRANSLATE_NOOP("Place", "Board-4xMBGCH-1-2A"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-500-2mkf"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-1000-1mkf"), // 70
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-500-0,5mkf"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-500-1mkf"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-250-0,5mkf"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-250-1mkf"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-250-2mkf"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-250-4mkf"),
    QT_TRANSLATE_NOOP("Place", "Board-8xMBGCH-1-250-0,25"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-500-0,25mkf"),
    QT_TRANSLATE_NOOP("Place", "Board-K42-19"),
    QT_TRANSLATE_NOOP("Place", "K42-19-500-2"), // 80
    QT_TRANSLATE_NOOP("Place", "K42-19-250-10"),
    QT_TRANSLATE_NOOP("Place", "Board-2xK42-19-500-3,9"),
    QT_TRANSLATE_NOOP("Place", "K42-19-500-3,9"),
    QT_TRANSLATE_NOOP("Place", "Board-4xK75-24-630-2,2"),
    QT_TRANSLATE_NOOP("Place", "K75-24-630-2,2"),
    QT_TRANSLATE_NOOP("Place", "Board-4xK75-24-1000-1"),
    QT_TRANSLATE_NOOP("Place", "K75-24-1000-1"),
    QT_TRANSLATE_NOOP("Place", "Board-K75-24-1000-4"),
    QT_TRANSLATE_NOOP("Place", "K75-24-1000-4"),
    QT_TRANSLATE_NOOP("Place", "Board-K75-24-1000-4"), // 90
    QT_TRANSLATE_NOOP("Place", "K75-10-1000-1"),
    QT_TRANSLATE_NOOP("Place", "Board-2xK75-24-400-10"),
    QT_TRANSLATE_NOOP("Place", "K75-24-400-10"),
    QT_TRANSLATE_NOOP("Place", "K75-24-630-4"),
    QT_TRANSLATE_NOOP("Place", "Board-NSH-2xK75-10-1000-1"),
    QT_TRANSLATE_NOOP("Place", "Board-NSH-4xK42-19-500-3,9"),
    QT_TRANSLATE_NOOP("Place", "Board-NSH-8xK75-24-1000-1"),
    QT_TRANSLATE_NOOP("Place", "Board-NSH-3xK75-24-1000-4"),
    QT_TRANSLATE_NOOP("Place", "Board-MBGCH-2-250-10"),
    QT_TRANSLATE_NOOP("Place", "MBGCH-2-250-10mkf"), // 100
    QT_TRANSLATE_NOOP("Place", "Board-NSH-8xK73P-2-1000-1"),
    QT_TRANSLATE_NOOP("Place", "Board-NSH-8xK50-16-50"),
    QT_TRANSLATE_NOOP("Place", "Board-NSH-3xK73P-2-1000-4"),
    QT_TRANSLATE_NOOP("Place", "Board-Bell"),
    QT_TRANSLATE_NOOP("Place", "Bell"),
    QT_TRANSLATE_NOOP("Place", "Board-Lamp"),
    QT_TRANSLATE_NOOP("Place", "Lamp"),
    QT_TRANSLATE_NOOP("Place", "Board-4xD815"),
    QT_TRANSLATE_NOOP("Place", "D815"),
    QT_TRANSLATE_NOOP("Place", "Board-R-3-1-8"), // 110
    QT_TRANSLATE_NOOP("Place", "Board-NMSH-2-RR"),
    QT_TRANSLATE_NOOP("Place", "Board-NSH-3-RR"),
    nullptr,
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel Heating"),
    QT_TRANSLATE_NOOP("Place", "Heating"),
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel IP"),
    QT_TRANSLATE_NOOP("Place", "IP"), // 120
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel RC Side"),
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel Clamp Bottom"),
    QT_TRANSLATE_NOOP("Place", "Clamp Bottom"),
    QT_TRANSLATE_NOOP("Place", "Board-RC-4-FU-FV-RV"),
    QT_TRANSLATE_NOOP("Place", "Board-RC-4-RR"),
    QT_TRANSLATE_NOOP("Place", "Board-RC-4-RR-190"),
    QT_TRANSLATE_NOOP("Place", "Panel RC-8-RR"), // 130
    QT_TRANSLATE_NOOP("Place", "Panel NMSH RC"),
    QT_TRANSLATE_NOOP("Place", "Board-RC-2-AVM"),
    QT_TRANSLATE_NOOP("Place", "AVM"),
    QT_TRANSLATE_NOOP("Place", "Panel DSSH in 2NSH"),
    QT_TRANSLATE_NOOP("Place", "Panel DSSH in 3NSH"),
    QT_TRANSLATE_NOOP("Place", "Board DSSH C Reduction"),
    QT_TRANSLATE_NOOP("Place", "Panel PT-PRT-SOBS in 2NSH"),
    QT_TRANSLATE_NOOP("Place", "Panel PT-PRT-SOBS in 3NSH"),
    QT_TRANSLATE_NOOP("Place", "Panel-PTM-ST-ROBS in 2NSH"),
    nullptr, // 140
    QT_TRANSLATE_NOOP("Place", "Panel Console Control"),
    QT_TRANSLATE_NOOP("Place", "Console Control"),
    QT_TRANSLATE_NOOP("Place", "Panel RC-11"),
    QT_TRANSLATE_NOOP("Place", "Panel RC-12"),
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel LP Varnel"),
    QT_TRANSLATE_NOOP("Place", "Board LP Varnel"),
    QT_TRANSLATE_NOOP("Place", "LP MTS"),
    QT_TRANSLATE_NOOP("Place", "LP MTU"), // 150
    QT_TRANSLATE_NOOP("Place", "LP MTV"),
    QT_TRANSLATE_NOOP("Place", "LP Clamp"),
    QT_TRANSLATE_NOOP("Place", "Light_Diode_Panel"),
    QT_TRANSLATE_NOOP("Place", "Lamp FU"),
    QT_TRANSLATE_NOOP("Place", "Panel-FU-30"),
    QT_TRANSLATE_NOOP("Place", "Panel-FU-20"),
    QT_TRANSLATE_NOOP("Place", "Panel-PROP-FU-R"),
    QT_TRANSLATE_NOOP("Place", "Panel-PROP-FU-R-LAMP-R"),
    QT_TRANSLATE_NOOP("Place", "Panel-PROP-FU-R-LAMP-L"),
    nullptr, // 160
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel Top1-13"),
    QT_TRANSLATE_NOOP("Place", "Panel Top1-10"),
    QT_TRANSLATE_NOOP("Place", "Panel Top1-15"),
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr, // 170
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel Side 4"),
    nullptr,
    nullptr,
    nullptr,
    nullptr, // 180
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel Top1-14"),
    nullptr,
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel Top1-9"),
    QT_TRANSLATE_NOOP("Place", "Panel Top1-11"),
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel Top1-32"), // 190
    QT_TRANSLATE_NOOP("Place", "Panel-R-36"),
    QT_TRANSLATE_NOOP("Place", "Panel-RR-18"),
    QT_TRANSLATE_NOOP("Place", "Panel-FU-6-PE-24"),
    QT_TRANSLATE_NOOP("Place", "Panel-FU-6-RR-12"),
    QT_TRANSLATE_NOOP("Place", "Panel-FU-10-PE-18"),
    QT_TRANSLATE_NOOP("Place", "Panel-FU-10-RR-9"),
    QT_TRANSLATE_NOOP("Place", "Panel-FU-14-PE-12"),
    QT_TRANSLATE_NOOP("Place", "Panel-FU-14-RR-6"),
    nullptr,
    nullptr, // 200
    QT_TRANSLATE_NOOP("Place", "Panel Top 6 HZHDA"),
    QT_TRANSLATE_NOOP("Place", "Panel 16 HZHDA"),
    QT_TRANSLATE_NOOP("Place", "Block 140DD"),
    nullptr,
    QT_TRANSLATE_NOOP("Place", "Panel 6-10-HZHDA"),
    QT_TRANSLATE_NOOP("Place", "Board-10DEK"),
    QT_TRANSLATE_NOOP("Place", "Block DEK"),
    QT_TRANSLATE_NOOP("Place", "Board-Clamp-Top-1-AVM"),
    nullptr,
    nullptr, // 210
    QT_TRANSLATE_NOOP("Place", "Block ABE"),
};

} // namespace

Place::Place(GraphicsScene *scene, QGraphicsItem *container, int placeType, quint8 number)
    : GraphicsItem(scene, container, 0)
    , m_placeType(placeType)
    , m_number(number)
{
    setZValue(3);
}

Place::~Place()
{
    if (m_item) {
        GraphicsPlaceItem *held = m_item;
        m_item = nullptr;
        held->setPlace(nullptr);
    }
}

QRectF Place::boundingRect() const
{
    return placeRect().adjusted(-3.5, -3.5, 3.5, 3.5);
}

void Place::draw(QPainter *, const QStyleOptionGraphicsItem *, bool)
{
}

void Place::setAddress(const Address &address)
{
    if (address == m_address)
        return;
    m_address = address;
    if (m_item)
        m_item->addressChanged();
}

QRectF Place::placeRect() const
{
    if (m_placeType < 0)
        return QRectF();
    return QRectF(QPointF(0, 0), m_size);
}

int Place::rowCount() const
{
    return m_rowCount;
}

void Place::setPlaceSize(const QSizeF &size, int rowCount)
{
    prepareGeometryChange();
    m_size = size;
    m_rowCount = rowCount < 1 ? 1 : rowCount;
}

bool Place::putItem(GraphicsPlaceItem *item)
{
    if (!CHECK(item && !m_item && !item->place()))
        return false;
    m_item = item;
    item->setPlace(this);
    return true;
}

QString Place::modelName(int model)
{
    if (model < 0 || model >= EquipmentModelCount || !equipmentModelNames[model])
        return QString();
    return tr(equipmentModelNames[model]);
}
