#include "model/address.h"

#include "model/addresstables.h"
#include "model/check.h"

#include <climits>
#include <cstring>

namespace {

const quint8 placeKindFlag = 0x80;
const quint8 suffixKindFlag = 0x40;
const quint8 kindMask = 63;

bool validFrameKind(int kind)
{
    return kind >= 0 && kind < frameKindCount;
}

bool validPlaceKind(int kind)
{
    return kind >= 0 && kind < placeKindCount;
}

bool validSuffixKind(int kind)
{
    return kind >= 0 && kind < suffixKindCount;
}

QString translated(const char *text)
{
    if (!text || !*text)
        return QString();
    return QCoreApplication::translate("Address", text);
}

} // namespace

Address::Address()
{
    std::memset(m_bytes, 0, sizeof(m_bytes));
    m_bytes[8] = 1;
}

Address Address::fromPlaceKind(int placeKind)
{
    Address a;
    if (CHECK(validPlaceKind(placeKind)))
        a.m_bytes[6] = placeKindFlag | placeKind;
    return a;
}

Address Address::fromSuffixKind(int suffixKind)
{
    Address a;
    if (suffixKind != -1)
        a.setSuffixKind(suffixKind);
    return a;
}

quint8 Address::field(int i) const
{
    if (!CHECK(i >= 0 && i < 7))
        return 0;
    return m_bytes[i];
}

void Address::setField(int i, quint8 value)
{
    if (CHECK(i >= 0 && i < 7))
        m_bytes[i] = value;
}

void Address::copyFields(const Address &other, int n, bool withFlags)
{
    if (CHECK(n < 7)) {
        for (int i = 0; i <= n; ++i)
            m_bytes[i] = other.m_bytes[i];
    }
    if (withFlags) {
        m_bytes[7] = other.m_bytes[7];
        m_bytes[8] = other.m_bytes[8];
    }
}

void Address::setFrameKind(int kind)
{
    if (CHECK(validFrameKind(kind)))
        m_bytes[0] = kind;
}

int Address::placeKind() const
{
    if (!CHECK(hasPlaceKind()))
        return 0;
    return m_bytes[6] & kindMask;
}

void Address::setPlaceKind(int kind)
{
    if (CHECK(validPlaceKind(kind)))
        m_bytes[6] = placeKindFlag | kind;
}

bool Address::placeKindHasTwoParts() const
{
    if (!hasPlaceKind())
        return false;
    const int kind = m_bytes[6] & kindMask;
    return validPlaceKind(kind) && placeKindTable[kind].twoParts;
}

int Address::suffixKind() const
{
    if (!hasSuffixKind())
        return -1;
    return m_bytes[6] & kindMask;
}

void Address::setSuffixKind(int kind)
{
    if (kind == -1)
        m_bytes[6] = 0;
    else if (CHECK(validSuffixKind(kind)))
        m_bytes[6] = suffixKindFlag | kind;
}

quint32 Address::packedFrameCode() const
{
    return quint32(m_bytes[0]) << 16 | quint32(m_bytes[1]) << 8 | m_bytes[2];
}

void Address::setPackedFrameCode(quint32 code)
{
    m_bytes[0] = (code >> 16) & 0xFF;
    m_bytes[1] = (code >> 8) & 0xFF;
    m_bytes[2] = code & 0xFF;
}

int Address::number(int part) const
{
    if (part == 0)
        return m_bytes[1] * 10 + m_bytes[2];
    if (!CHECK(part == 1) || !CHECK(hasPlaceKind()))
        return 0;
    if (!placeKindHasTwoParts())
        return m_bytes[4];
    if (m_bytes[4] < 10)
        return m_bytes[3] * 10 + m_bytes[4];
    return m_bytes[3] * 100 + m_bytes[4];
}

bool Address::setNumber(int value, bool place)
{
    if (!place) {
        m_bytes[1] = value / 10;
        m_bytes[2] = value % 10;
        return true;
    }
    if (!CHECK(hasPlaceKind()))
        return false;
    const int kind = m_bytes[6] & kindMask;
    if (!CHECK(validPlaceKind(kind)))
        return false;
    if (value == 0) {
        m_bytes[3] = 0;
        m_bytes[4] = 0;
        return true;
    }
    const PlaceKindRow &row = placeKindTable[kind];
    int first;
    int second;
    switch (row.group) {
    case 1:
        if (value < row.min || value > row.max)
            return false;
        if (value >= 100 && kind != 15) {
            first = value / 100;
            second = value % 100;
        } else {
            first = value / 10;
            second = value % 10;
        }
        break;
    case 2:
        if (value < row.min || value > row.max)
            return false;
        first = 1;
        second = value;
        break;
    default:
        if (value < 11 || value > 1010)
            return false;
        if (value % 10 != 0) {
            first = value / 10;
            second = value % 10;
        } else {
            if (value < 110)
                return false;
            first = value / 100;
            second = 10;
        }
        break;
    }
    // A value whose place bytes would read back as another number (305 on
    // "Top" reads 35, 120 on "Bottom" reads 110) names no place of its own:
    // taking it would silently address a different place.
    Address probe(*this);
    probe.m_bytes[3] = first;
    probe.m_bytes[4] = second;
    if (probe.number(1) != value)
        return false;
    m_bytes[3] = first;
    m_bytes[4] = second;
    return true;
}

QString Address::fieldText(int i) const
{
    QString text;
    switch (i) {
    case 0:
        if (hasPlaceKind())
            text = placeKindText(m_bytes[0], m_bytes[6] & kindMask);
        else
            text = frameKindPrefix(m_bytes[0]);
        break;
    case 1:
    case 2:
    case 5:
        if (m_bytes[i])
            text = QString::number(m_bytes[i]);
        break;
    case 3:
        if (m_bytes[3] == 0)
            break;
        if (hasPlaceKind()) {
            if (placeKindHasTwoParts())
                text = QString::number(m_bytes[3]);
        } else {
            text = QString::number(m_bytes[3]);
            if (m_bytes[3] < 10 && m_bytes[8])
                text.prepend(QLatin1Char('0'));
        }
        break;
    case 4:
        if (m_bytes[4] > 0)
            text = QString::number(m_bytes[4]);
        else if (hasPlaceKind())
            text = QStringLiteral("00");
        break;
    default:
        CHECK(false);
        return QString();
    }
    const int suffix = suffixKind();
    if (suffix != -1 && CHECK(validSuffixKind(suffix)) && suffixKindTable[suffix].field == i) {
        const QString name = suffixKindName(suffix);
        if (suffixKindTable[suffix].before)
            text.prepend(name);
        else
            text.append(name);
    }
    return text;
}

QString Address::toString(int fromField) const
{
    if (!CHECK(fromField >= 0 && fromField <= 5 && fromField != 2))
        return QString();
    static const int order[] = {1, 2, 0, 3, 4, 5};
    int start = 0;
    while (order[start] != fromField)
        ++start;
    QString text;
    if (fromField == 1)
        text = frameKindSecondPrefix(m_bytes[0]);
    for (int k = start; k < 6; ++k) {
        const int i = order[k];
        if (i == 5) {
            if (!m_bytes[7])
                break;
            if (fromField != 5)
                text += QLatin1Char('-');
        }
        text += fieldText(i);
    }
    return text;
}

QString Address::numberText(int part) const
{
    if (part == 0)
        return frameKindSecondPrefix(m_bytes[0]) + QString::number(number(0));
    if (!CHECK(part == 1))
        return QString();
    if (hasPlaceKind())
        return QString::number(number(1));
    if (m_bytes[4] < 10) {
        QString text = QString::number(10 * m_bytes[3] + m_bytes[4]);
        if (m_bytes[8])
            text.prepend(QLatin1Char('0'));
        return text;
    }
    return QString::number(100 * m_bytes[3] + m_bytes[4]);
}

int Address::suffixField(const Address &a)
{
    const int suffix = a.suffixKind();
    if (suffix == -1 || !CHECK(validSuffixKind(suffix)))
        return INT_MAX;
    return suffixKindTable[suffix].field;
}

QString Address::textRelativeTo(const Address &other) const
{
    int i = 0;
    while (i < 7 && m_bytes[i] == other.m_bytes[i])
        ++i;
    if (i == 7)
        return hasPlaceKind() ? toString(0) : QString();
    if (i <= 2)
        return toString(1);
    if (hasPlaceKind())
        return toString(0);
    if (other.hasPlaceKind())
        return toString(3);
    if (!hasSuffixKind() && !other.hasSuffixKind())
        return toString(i);
    return toString(qMin(i, qMin(suffixField(*this), suffixField(other))));
}

Address Address::fromText(int frameKind, int placeKind, const QString &text, bool *ok)
{
    Address a;
    bool good = false;
    if (ok)
        *ok = false;
    if (!CHECK(validFrameKind(frameKind) && validPlaceKind(placeKind)))
        return a;
    const QString secondPrefix = frameKindSecondPrefix(frameKind);
    QString rest = text;
    if (secondPrefix.isEmpty() || rest.startsWith(secondPrefix)) {
        rest.remove(0, secondPrefix.size());
        const QString kindText = placeKindText(frameKind, placeKind);
        const int at = rest.indexOf(kindText);
        if (at >= 0) {
            a.setFrameKind(frameKind);
            a.setPlaceKind(placeKind);
            const QString behind = rest.mid(at + kindText.size());
            if (behind.isEmpty()) {
                good = true;
            } else {
                const uint value = behind.toUInt(&good, 10);
                if (good && value > 0)
                    good = a.setNumber(int(qMin(value, uint(INT_MAX))), true);
            }
            if (good && at > 0) {
                const uint value = rest.left(at).toUInt(&good, 10);
                if (good) {
                    a.m_bytes[1] = value / 10;
                    a.m_bytes[2] = value % 10;
                }
            }
        }
    }
    if (ok)
        *ok = good;
    return a;
}

QString Address::frameKindName(int kind)
{
    if (!CHECK(validFrameKind(kind)))
        return QString();
    return translated(frameKindTable[kind].name);
}

QString Address::frameKindSecondPrefix(int kind)
{
    if (!CHECK(validFrameKind(kind)))
        return QString();
    return translated(frameKindTable[kind].secondPrefix);
}

QString Address::frameKindPrefix(int kind)
{
    if (!CHECK(validFrameKind(kind)))
        return QString();
    return translated(frameKindTable[kind].prefix);
}

QString Address::suffixKindName(int kind)
{
    if (!CHECK(validSuffixKind(kind)))
        return QString();
    return translated(suffixKindTable[kind].text);
}

QString Address::placeKindText(int frameKind, int placeKind)
{
    if (!CHECK(validFrameKind(frameKind) && validPlaceKind(placeKind)))
        return QString();
    const PlaceKindRow &row = placeKindTable[placeKind];
    QString text = translated(row.letter);
    if (row.framePrefix)
        text.prepend(translated(frameKindTable[frameKind].prefix));
    return text;
}

int Address::placeKindMax(int placeKind)
{
    if (!CHECK(validPlaceKind(placeKind)))
        return 0;
    return placeKindTable[placeKind].max;
}

int Address::frameKindListEntry(int frameKind, int i)
{
    if (!CHECK(validFrameKind(frameKind)))
        return 0;
    const FrameKindRow &row = frameKindTable[frameKind];
    if (!CHECK(i >= 0 && i < row.clampPanelTypeCount))
        return 0;
    return row.clampPanelTypes[i];
}

quint32 Address::frameCode(int number, int frameKind)
{
    if (!CHECK(validFrameKind(frameKind)))
        return 0;
    // Row and frame are bytes of the code, as setNumber stores them.
    return quint32(frameKind) << 16 | quint32(quint8(number / 10)) << 8 | quint8(number % 10);
}

int Address::frameNumberOfCode(quint32 code)
{
    return ((code >> 8) & 255) * 10 + (code & 255);
}

QString Address::frameCodeText(quint32 code, bool withDash)
{
    const quint32 kind = code >> 16;
    if (!CHECK(kind < quint32(frameKindCount)))
        return QString();
    QString text = frameKindSecondPrefix(kind);
    const int number = frameNumberOfCode(code);
    if (number != 0)
        text += QString::number(number);
    const QString prefix = frameKindPrefix(kind);
    if (withDash || prefix != QLatin1String("-"))
        text += prefix;
    return text;
}

bool Address::areAdjacent(int a, int b, bool *firstIsLower)
{
    if (a - b != 1 && b - a != 1)
        return false;
    if (firstIsLower)
        *firstIsLower = a < b;
    return true;
}

bool Address::operator==(const Address &other) const
{
    return std::memcmp(m_bytes, other.m_bytes, 7) == 0;
}
