#include "equipment/equipmentscheme.h"

#include "equipment/equipmentschemeedit.h"
#include "graphics/sceneitem.h"
#include "model/address.h"
#include "model/addresstables.h"
#include "model/check.h"
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
    // The lookup's condition: two different frames.
    if (a == b)
        return conditionMessage(__FILE__, __LINE__);
    if (distance(a, b))
        return QString();
    // Printed from the frame number on.
    const auto text = [](quint32 code) {
        Address frame;
        frame.setPackedFrameCode(code);
        return isFrameCode(code) ? frame.toString(1) : frameCodeText(code);
    };
    return tr("Distance not correct between %1 and %2 frame!").arg(text(a), text(b));
}

bool EquipmentScheme::isFrameCode(quint32 code)
{
    return code <= 0xFFFFFF && (code >> 16) < quint32(frameKindCount);
}

QString EquipmentScheme::frameCodeText(quint32 code)
{
    if (isFrameCode(code))
        return Address::frameCodeText(code, false);
    return QStringLiteral("0x%1").arg(code, 6, 16, QLatin1Char('0'));
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
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        quint32 from = 0;
        quint32 entries = 0;
        stream >> from >> entries;
        if (stream.status() != QDataStream::Ok)
            break;
        // Every entry as read, whatever its codes: a frame listed twice
        // keeps the entries of both records.
        QHash<quint32, quint32> &inner = m_distances[from];
        for (quint32 j = 0; j < entries && stream.status() == QDataStream::Ok; ++j) {
            quint32 to = 0;
            quint32 distance = 0;
            stream >> to >> distance;
            if (stream.status() == QDataStream::Ok)
                inner.insert(to, distance);
        }
    }
    if (stream.status() != QDataStream::Ok)
        m_distances.clear();
    if (kept != QDataStream::Ok) {
        stream.resetStatus();
        stream.setStatus(kept);
    }
    return true;
}
