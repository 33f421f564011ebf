#include "equipment/equipmentscheme.h"

#include "equipment/equipmentschemeedit.h"
#include "graphics/sceneitem.h"
#include "model/address.h"
#include "model/addresstables.h"
#include "model/datastream.h"

#include <algorithm>

EquipmentScheme::EquipmentScheme(Project *project)
    : GraphicsScene(project)
{
    if (sceneItem()) {
        sceneItem()->setTexts(tr("Equipment Scheme"), QString());
        sceneItem()->setIcons(QStringLiteral(":/images/equipment_scheme.png"),
                              QStringLiteral(":/images/equipment_scheme.png"));
    }
    setGridStep(40);
    setSheetFormat(paperFormats[0].pageSize, false, 1);
}

void EquipmentScheme::setDistances(const DistanceTable &table)
{
    m_distances = table;
    setModified(true);
}

quint32 EquipmentScheme::distance(quint32 a, quint32 b) const
{
    if (a == b)
        return 0;
    const quint32 d = m_distances.value(a).value(b);
    return d ? d : m_distances.value(b).value(a);
}

quint32 EquipmentScheme::distanceBetween(quint32 a, quint32 b) const
{
    const quint32 d = distance(a, b);
    // Millimetres, rounded up to whole metres.
    return d < 500 ? d : d / 1000 + (d % 1000 ? 1 : 0);
}

QString EquipmentScheme::distanceError(quint32 a, quint32 b) const
{
    if (distance(a, b))
        return QString();
    Address from;
    from.setPackedFrameCode(a);
    Address to;
    to.setPackedFrameCode(b);
    return tr("Distance not correct between %1 and %2 frame!")
        .arg(from.toString(1), to.toString(1));
}

GraphicsEdit *EquipmentScheme::createEdit(QList<QAction *> *actions)
{
    auto *edit = new EquipmentSchemeEdit(actions);
    edit->setScene(this);
    return edit;
}

DlgPropGraphicsItem *EquipmentScheme::createDialog(int)
{
    return nullptr;
}

int EquipmentScheme::groupNumber() const
{
    return 0;
}

void EquipmentScheme::saveScene(DataStream &stream)
{
    // The frames in ascending order of their codes, so that saving twice
    // gives the same bytes.
    QList<quint32> froms = m_distances.keys();
    std::sort(froms.begin(), froms.end());
    stream << quint32(froms.size());
    for (quint32 from : std::as_const(froms)) {
        const QHash<quint32, quint32> &inner = m_distances[from];
        QList<quint32> tos = inner.keys();
        std::sort(tos.begin(), tos.end());
        stream << from << quint32(tos.size());
        for (quint32 to : std::as_const(tos))
            stream << to << inner.value(to);
    }
}

bool EquipmentScheme::loadScene(DataStream &stream)
{
    const QDataStream::Status kept = stream.status();
    stream.resetStatus();
    m_distances.clear();
    // An entry naming a code that is no frame is left out; the others stay.
    auto isFrame = [](quint32 code) { return code <= 0xFFFFFF && (code >> 16) < quint32(frameKindCount); };
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        quint32 from = 0;
        quint32 entries = 0;
        stream >> from >> entries;
        QHash<quint32, quint32> inner;
        for (quint32 j = 0; j < entries && stream.status() == QDataStream::Ok; ++j) {
            quint32 to = 0;
            quint32 distance = 0;
            stream >> to >> distance;
            if (stream.status() == QDataStream::Ok && isFrame(to))
                inner.insert(to, distance);
        }
        if (isFrame(from))
            m_distances.insert(from, inner);
    }
    if (stream.status() != QDataStream::Ok)
        m_distances.clear();
    if (kept != QDataStream::Ok) {
        stream.resetStatus();
        stream.setStatus(kept);
    }
    return true;
}
