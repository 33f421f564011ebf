#include "equipment/cable.h"

#include "equipment/specificationmanagercable.h"
#include "model/check.h"
#include "model/datastream.h"

#include <QCoreApplication>

QList<int> usedCableTypes;
bool twistedPairStandard = true;

namespace {

enum Mark { SBVG, SBVGng, VVG, PVZ, Screen, VRG };

const char *const markTexts[Cable::MarkCount] = {
    QT_TRANSLATE_NOOP("Cable", "SBVG"),    QT_TRANSLATE_NOOP("Cable", "SBVGng"),
    QT_TRANSLATE_NOOP("Cable", "VVG"),     QT_TRANSLATE_NOOP("Cable", "PVZ"),
    QT_TRANSLATE_NOOP("Cable", "Screen."), QT_TRANSLATE_NOOP("Cable", "VRG"),
};

struct CableType
{
    const char *size;
    quint8 mark;
    quint8 cores;
    bool byDefault;
};

// Rows keep their numbers for good: files store types by row, and new types
// are only ever added at the end.
const CableType cableTypes[Cable::TypeCount] = {
    {"3x1", SBVG, 3, false},       {"4x1", SBVG, 4, false},       {"5x1", SBVG, 5, false},
    {"7x1", SBVG, 7, false},       {"9x1", SBVG, 9, false},       {"12x1", SBVG, 12, false},
    {"16x1", SBVG, 16, false},     {"19x1", SBVG, 19, false},     {"21x1", SBVG, 21, false},
    {"24x1", SBVG, 24, false},     {"27x1", SBVG, 27, false},     {"30x1", SBVG, 30, false},
    // 12
    {"3x2", SBVG, 6, false},       {"4x2", SBVG, 8, false},       {"7x2", SBVG, 14, false},
    {"10x2", SBVG, 20, false},     {"12x2", SBVG, 24, false},     {"14x2", SBVG, 28, false},
    // 18
    {"3x1", SBVGng, 3, true},      {"4x1", SBVGng, 4, true},      {"5x1", SBVGng, 5, true},
    {"7x1", SBVGng, 7, false},     {"9x1", SBVGng, 9, true},      {"12x1", SBVGng, 12, true},
    {"16x1", SBVGng, 16, true},    {"19x1", SBVGng, 19, false},   {"21x1", SBVGng, 21, false},
    {"24x1", SBVGng, 24, false},   {"27x1", SBVGng, 27, false},   {"30x1", SBVGng, 30, false},
    // 30
    {"3x2", SBVGng, 6, true},      {"7x2", SBVGng, 14, true},     {"10x2", SBVGng, 20, true},
    {"14x2", SBVGng, 28, true},
    // 34
    {"1x1", PVZ, 1, true},         {"1x1,5", PVZ, 1, true},       {"1x2,5", PVZ, 1, true},
    {"1x4", PVZ, 1, true},         {"1x6", PVZ, 1, true},         {"1x10", PVZ, 1, true},
    {"1x16", PVZ, 1, true},        {"1x25", PVZ, 1, true},        {"1x35", PVZ, 1, true},
    {"1x50", PVZ, 1, true},        {"1x70", PVZ, 1, true},        {"1x95", PVZ, 1, true},
    // 46
    {"2x1,5", VVG, 2, true},       {"2x2,5", VVG, 2, true},       {"2x4", VVG, 2, true},
    {"2x6", VVG, 2, true},         {"2x10", VVG, 2, true},        {"2x16", VVG, 2, true},
    {"2x25", VVG, 2, true},        {"2x35", VVG, 2, true},        {"2x50", VVG, 2, true},
    {"2x70", VVG, 2, true},
    // 56
    {"3x1,5", VVG, 3, true},       {"3x2,5", VVG, 3, true},       {"3x4", VVG, 3, true},
    {"3x6", VVG, 3, true},         {"3x10", VVG, 3, true},        {"3x16", VVG, 3, true},
    {"3x25", VVG, 3, true},        {"3x35", VVG, 3, true},        {"3x50", VVG, 3, true},
    {"3x70", VVG, 3, true},
    // 66
    {"2x30", VVG, 2, true},
    {"4x2", SBVGng, 8, true},      {"12x2", SBVGng, 24, true},
    {"1x0,75", Screen, 1, true},
    // 70
    {"1x4", VRG, 1, false},        {"1x6", VRG, 1, false},        {"1x10", VRG, 1, false},
    {"1x16", VRG, 1, false},       {"1x25", VRG, 1, false},       {"1x35", VRG, 1, false},
    {"1x50", VRG, 1, false},       {"1x70", VRG, 1, false},
    // 78
    {"2x6", VRG, 2, false},        {"2x10", VRG, 2, false},       {"2x16", VRG, 2, false},
    {"2x25", VRG, 2, false},       {"2x35", VRG, 2, false},       {"2x50", VRG, 2, false},
    // 84
    {"3x16", VRG, 3, false},
    {"15x2", SBVGng, 30, true},
};

bool validType(int type)
{
    return type >= 0 && type < Cable::TypeCount;
}

} // namespace

Cable::Cable(int type)
    : m_type(type)
{
}

Cable::~Cable()
{
    for (CableCore *core : std::as_const(m_cores))
        delete core;
}

void Cable::setNumber(int number)
{
    if (number == m_number)
        return;
    m_number = number;
    changed();
}

void Cable::appendCore(CableCore *core)
{
    if (!CHECK_PTR(core))
        return;
    m_cores.append(core);
    changed();
}

void Cable::setOwner(SpecificationManagerCable *owner, quint64 key)
{
    m_owner = owner;
    m_key = key;
}

void Cable::changed()
{
    if (m_owner)
        m_owner->cableChanged(m_key);
}

int Cable::freeCores() const
{
    if (!CHECK(validType(m_type)))
        return 0;
    return cableTypes[m_type].cores - int(m_cores.size());
}

void Cable::write(DataStream &stream) const
{
    stream << qint32(m_type) << qint32(m_number) << qint32(m_cores.size());
    for (const CableCore *core : m_cores)
        stream << core->from << core->to << core->clamp;
}

void Cable::read(DataStream &stream)
{
    qint32 type = 0;
    qint32 number = 0;
    qint32 count = 0;
    stream >> type >> number >> count;
    // A type outside the table names no cable: the record is damaged, and
    // nothing would paint or count it.
    if (!stream.checkRecord(validType(type)))
        return;
    m_type = type;
    m_number = number;
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        auto *core = new CableCore;
        stream >> core->from >> core->to >> core->clamp;
        if (stream.status() != QDataStream::Ok) {
            delete core;
            break;
        }
        m_cores.append(core);
    }
}

QString Cable::typeName(int type)
{
    if (!CHECK(validType(type)))
        return QString();
    return markName(cableTypes[type].mark) + QLatin1Char('-') + QLatin1String(cableTypes[type].size);
}

QString Cable::markName(int mark)
{
    if (!CHECK(mark >= 0 && mark < MarkCount))
        return QString();
    return QCoreApplication::translate("Cable", markTexts[mark]);
}

int Cable::typeMark(int type)
{
    if (!CHECK(validType(type)))
        return -1;
    return cableTypes[type].mark;
}

int Cable::typeCores(int type)
{
    if (!CHECK(validType(type)))
        return -1;
    return cableTypes[type].cores;
}

bool Cable::isDefaultType(int type)
{
    if (!CHECK(validType(type)))
        return false;
    return cableTypes[type].byDefault;
}

QList<int> Cable::defaultUsedTypes()
{
    QList<int> types;
    for (int type = 0; type < TypeCount; ++type) {
        if (cableTypes[type].byDefault)
            types.append(type);
    }
    return types;
}

void Cable::resetGlobals()
{
    twistedPairStandard = true;
}

void Cable::writeUsedTypes(DataStream &stream)
{
    // The framework's list layout: quint32 count, then the items.
    stream << quint32(usedCableTypes.size());
    for (int type : std::as_const(usedCableTypes))
        stream << qint32(type);
    stream << qint32(TypeCount) << twistedPairStandard;
}

void Cable::readUsedTypes(DataStream &stream)
{
    // Read item by item: a damaged count must not reserve memory for it.
    usedCableTypes.clear();
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count && !stream.atEnd(); ++i) {
        qint32 type = 0;
        stream >> type;
        if (stream.status() != QDataStream::Ok)
            break;
        usedCableTypes.append(type);
    }

    qint32 known = 0;
    if (stream.formatIndex() < 5) {
        // The old list meant something else: the defaults replace it.
        usedCableTypes.clear();
    } else {
        stream >> known >> twistedPairStandard;
    }
    // Types added since the file was written join when they are defaults.
    for (int type = qMax(known, 0); type < TypeCount; ++type) {
        if (cableTypes[type].byDefault)
            usedCableTypes.append(type);
    }
}
