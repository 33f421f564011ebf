#include "devices/graphicsrelaywinding.h"

#include "devices/graphicscontact.h"
#include "devices/relay.h"
#include "devices/relaycatalogue.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

#include <cstring>

namespace {

// The item is 200 wide between its outer pins; the pin rows lie at y 40
// and 80.
const double itemWidth = 200;
const double upperRow = 40;
const double lowerRow = 80;
const double captionWidth = 200;
const QPointF coilEnds[4] = {QPointF(0, upperRow), QPointF(itemWidth, upperRow), QPointF(0, lowerRow),
                             QPointF(itemWidth, lowerRow)};

// Pictures with a rectangular coil, 120 high.
bool isTallPicture(int picture)
{
    return picture == 16 || picture == 17;
}

// Lookups that never report: painters must not raise a box.
const RelayDescriptor *windingOf(int type, int winding)
{
    if (type < 0 || type >= RelayTypeCount)
        return nullptr;
    const RelayType &row = relayTypes[type];
    if (winding < 0 || winding >= row.windingCount)
        return nullptr;
    return &row.windings[winding];
}

const WindingVariant *variantOf(int type, int winding, int variant)
{
    const RelayDescriptor *w = windingOf(type, winding);
    if (!w || variant < 0 || variant >= w->variantCount)
        return nullptr;
    return &w->variants[variant];
}

int shownEnds(int kind)
{
    switch (kind) {
    case 1:
    case 2:
    case 3:
        return 4;
    case 4:
        return 3;
    default:
        return 2;
    }
}

// Indices of the variant's distinct names, first occurrence of each.
QList<int> distinctNameIndices(const WindingVariant &v)
{
    QList<int> indices;
    for (int i = 0; i < v.nameCount; ++i) {
        bool seen = false;
        for (int j : std::as_const(indices))
            seen = seen || std::strcmp(v.names[j], v.names[i]) == 0;
        if (!seen)
            indices.append(i);
    }
    return indices;
}

double leadOffsetOf(int picture, int variantKind)
{
    if (isTallPicture(picture))
        return variantKind == 0 ? -20 : 0;
    return variantKind == 0 ? 0 : 20;
}

double bodyHeightOf(int picture)
{
    return isTallPicture(picture) ? 120 : 80;
}

// The chord of the coil circle below or above its centre, filled.
void drawSegment(QPainter *painter, bool lower)
{
    painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
    painter->drawChord(QRectF(-40, -40, 80, 80), (lower ? 218 : 38) * 16, 104 * 16);
    painter->setBrush(Qt::NoBrush);
}

void drawMarks1(QPainter *painter)
{
    painter->drawLine(QLineF(-40, 0, -18, 0));
    painter->drawLine(QLineF(18, 0, 40, 0));
    painter->drawLine(QLineF(-18, 0, -18, -15));
    painter->drawLine(QLineF(18, 0, 18, -15));
    painter->drawLine(QLineF(18, -15, -18, -15));
}

void drawMarks2(QPainter *painter, double halfLine)
{
    painter->drawLine(QLineF(halfLine, 0, -halfLine, 0));
    painter->drawLine(QLineF(-20, 20, -20, -20));
    painter->drawLine(QLineF(20, 20, 20, -20));
    painter->drawLine(QLineF(20, 0, -20, -20));
    painter->drawLine(QLineF(20, 0, -20, 20));
}

void drawMarks8(QPainter *painter)
{
    painter->rotate(-40);
    painter->drawLine(QLineF(39, -5, -39, -5));
    painter->drawLine(QLineF(39, 5, -39, 5));
}

void drawMarks11(QPainter *painter)
{
    painter->drawLine(QLineF(15, -13, -15, -13));
    painter->drawLine(QLineF(40, 0, -40, 0));
    painter->drawLine(QLineF(15, 13, -15, 13));
}

// A wave of two half arcs in two boxes side by side.
void drawWave(QPainter *painter, double y, double height)
{
    painter->drawArc(QRectF(-20, y, 20, height), 0, 180 * 16);
    painter->drawArc(QRectF(0, y, 20, height), 180 * 16, 180 * 16);
}

// The marks inside the coil, from its centre.
void drawPictureMarks(QPainter *painter, int picture)
{
    switch (picture) {
    case 1:
        drawMarks1(painter);
        break;
    case 2:
        drawMarks2(painter, 40);
        break;
    case 3:
        drawSegment(painter, true);
        break;
    case 4:
        drawSegment(painter, false);
        break;
    case 5:
        painter->rotate(-40);
        painter->drawLine(QLineF(40, 0, -40, 0));
        break;
    case 6:
        painter->rotate(-40);
        painter->drawLine(QLineF(40, 0, -40, 0));
        painter->drawLine(QLineF(20, 20, 20, -20));
        break;
    case 7:
        painter->rotate(130);
        drawMarks2(painter, 40);
        break;
    case 8:
        drawMarks8(painter);
        break;
    case 9:
        drawSegment(painter, true);
        drawMarks8(painter);
        break;
    case 10:
        painter->rotate(-40);
        painter->fillRect(QRectF(-39, -5, 78, 10), painter->pen().color());
        break;
    case 11:
        drawMarks11(painter);
        break;
    case 12:
        drawMarks11(painter);
        drawSegment(painter, true);
        break;
    case 13:
        painter->drawLine(QLineF(-32.787, 25, 0, -38));
        painter->drawLine(QLineF(32.787, 25, 0, -38));
        break;
    case 14:
        drawWave(painter, -8, 16);
        break;
    case 15:
        drawWave(painter, -24, 14);
        painter->drawLine(QLineF(40, 0, -40, 0));
        drawWave(painter, 10, 14);
        break;
    case 17:
        painter->rotate(180);
        drawMarks2(painter, 30);
        break;
    case 18:
        drawMarks1(painter);
        drawSegment(painter, true);
        break;
    default: // 0 and 16: a plain coil
        break;
    }
}

} // namespace

void paintRelayPicture(QPainter *painter, int type, int winding, int variant, int quarterTurn, bool mirrored)
{
    const RelayDescriptor *w = windingOf(type, winding);
    const WindingVariant *v = variantOf(type, winding, variant);
    if (!painter || !w || !v)
        return;
    const int picture = w->pictureKind;
    const int kind = v->kind;
    const double d = isTallPicture(picture) ? 70 : (kind != 0 ? 64 : 60);
    const double s = kind == 0 ? 0 : 20;

    // Upper leads.
    painter->drawLine(QLineF(0, upperRow, d, upperRow));
    painter->drawLine(QLineF(itemWidth - d, upperRow, itemWidth, upperRow));

    // Lower leads.
    switch (kind) {
    case 1:
        painter->drawLine(QLineF(0, lowerRow, d, lowerRow));
        painter->drawLine(QLineF(itemWidth - d, lowerRow, itemWidth, lowerRow));
        break;
    case 4:
        painter->drawLine(QLineF(0, lowerRow, d, lowerRow));
        break;
    case 2: {
        painter->drawLine(QLineF(0, lowerRow, d, lowerRow));
        painter->drawLine(QLineF(itemWidth - d, lowerRow, itemWidth, lowerRow));
        painter->drawLine(QLineF(0, lowerRow, 0, upperRow));
        painter->drawLine(QLineF(itemWidth, lowerRow, itemWidth, upperRow));
        const QBrush brush = painter->brush();
        painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
        QRectF dot(QPointF(0, 0), pinSize);
        dot.moveCenter(QPointF(0, upperRow));
        painter->drawEllipse(dot);
        dot.moveCenter(QPointF(itemWidth, upperRow));
        painter->drawEllipse(dot);
        painter->setBrush(brush);
        break;
    }
    case 3:
        // A bridge over the coil joins the two lower coil ends.
        painter->drawLine(QLineF(d, lowerRow, 20, lowerRow));
        painter->drawLine(QLineF(itemWidth - d, lowerRow, 180, lowerRow));
        painter->drawLine(QLineF(20, lowerRow, 20, 0));
        painter->drawLine(QLineF(180, lowerRow, 180, 0));
        painter->drawLine(QLineF(180, 0, 20, 0));
        break;
    default:
        break;
    }

    // The coil body.
    if (isTallPicture(picture))
        painter->drawRect(QRectF(70, s - 20, 60, 120));
    else
        painter->drawEllipse(QRectF(60, s, 80, 80));

    // The marks keep their orientation on the sheet.
    painter->save();
    painter->translate(100, upperRow + s);
    if (quarterTurn == 1)
        painter->rotate(-90);
    else if (quarterTurn == 3)
        painter->rotate(-270);
    if (mirrored)
        painter->scale(-1, 1);
    drawPictureMarks(painter, picture);
    painter->restore();
    painter->setBrush(Qt::NoBrush);
}

GraphicsRelayWinding::GraphicsRelayWinding(GraphicsScene *scene)
    : GraphicsDeviceObj(scene, BindOwned, RelayWindingKind, CanRotate | CanMirrorHorizontal | CanMirrorVertical)
{
}

GraphicsRelayWinding::~GraphicsRelayWinding() = default;

Relay *GraphicsRelayWinding::relay() const
{
    return dynamic_cast<Relay *>(obj());
}

QRectF GraphicsRelayWinding::boundingRect() const
{
    settleExtent();
    return QRectF((itemWidth - m_width) / 2, m_top, m_width, m_height).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsRelayWinding::setType(int type, int winding, int variant)
{
    if (type == m_type && winding == m_winding && variant == m_variant)
        return;
    // Only a variant of the catalogue, as the reader takes it.
    if (!CHECK(winding >= 0 && winding < 255 && variant >= 0 && variant < 255 && variantOf(type, winding, variant)))
        return;
    m_type = type;
    m_winding = quint8(winding);
    m_variant = quint8(variant);
    rebuildPins();
    // A contact that the new winding cannot show as it stands is taken
    // again on a contact that suits it, or left unbound.
    const QList<ObjItem *> contacts = items();
    for (ObjItem *each : contacts) {
        auto *contact = dynamic_cast<GraphicsContact *>(each);
        if (!contact || contact->fitsWinding(contact->contactKind(), contact->contactNumber()))
            continue;
        removeItem(contact);
        appendItem(contact);
        contact->updatePinNames();
        contact->updateFromObj();
    }
}

void GraphicsRelayWinding::rebuildPins()
{
    const WindingVariant *v = variantOf(m_type, m_winding, m_variant);
    if (!CHECK_PTR(v))
        return;
    const QList<int> names = distinctNameIndices(*v);
    createPins(int(names.size()));
    if (pinCount() != names.size())
        return;
    const int shown = shownEnds(v->kind);
    for (int i = 0; i < pinCount(); ++i)
        pin(i)->moveCenter(i < shown ? coilEnds[i] : noPosition);
}

void GraphicsRelayWinding::updatePinNames()
{
    const WindingVariant *v = variantOf(m_type, m_winding, m_variant);
    if (!CHECK_PTR(v))
        return;
    const int n = shownEnds(v->kind);
    QList<int> names = distinctNameIndices(*v);
    if (!CHECK(pinCount() == names.size() && names.size() >= n))
        return;
    if (m_mirrored) {
        // Four coil ends: the rows change places; three: the first and the
        // third end.
        for (int i = 0; i < n / 2 && i + 2 < n; ++i)
            names.swapItemsAt(i, i + 2);
    }
    if (m_diagonal && CHECK(n == 4))
        names.swapItemsAt(2, 3);
    for (int i = 0; i < pinCount(); ++i) {
        if (WiringPin *p = wiringPin(i))
            p->setName(v->names[names[i]]);
    }
}

void GraphicsRelayWinding::mirror(bool withHalfTurn)
{
    if (!withHalfTurn) {
        GraphicsDeviceObj::mirror(false);
        return;
    }
    const WindingVariant *v = variantOf(m_type, m_winding, m_variant);
    if (!v || v->kind < 1 || v->kind > 3)
        return;
    m_mirrored = !m_mirrored;
    updatePinNames();
    setDocumentModified();
    updateInViews();
}

void GraphicsRelayWinding::updateFromObj()
{
    Relay *bound = relay();
    if (!CHECK_PTR(bound))
        return;
    const RelayDescriptor *w = windingOf(m_type, m_winding);
    const WindingVariant *v = variantOf(m_type, m_winding, m_variant);
    if (!CHECK_PTR(v) || !hasFontSet())
        return;

    // The jumpers go before the type name when the extent is measured.
    m_caption = bound->modelName();
    m_captionJoined = false;
    m_leadOffset = leadOffsetOf(w->pictureKind, v->kind);
    refreshExtent();
}

void GraphicsRelayWinding::measureExtent()
{
    const RelayDescriptor *w = windingOf(m_type, m_winding);
    if (!w || !hasFontSet())
        return;
    if (!m_captionJoined) {
        const QString jumpers = relayVariantCaption(m_type, m_winding, m_variant, captionWidth);
        if (!jumpers.isEmpty())
            m_caption = jumpers + lineSeparator + m_caption;
        m_captionJoined = true;
    }
    const double lead = m_leadOffset;
    const double body = bodyHeightOf(w->pictureKind);
    const QString name = windingName();
    const int bottomAligned = Qt::AlignHCenter | Qt::AlignBottom;
    const QPointF nameAnchor(100, lead - 5);
    const double minWidth = pinSize.width() + itemWidth;

    double top = 0;
    double width = minWidth;
    double height = 0;
    if (!isTurned()) {
        // An empty line keeps the place of the address over the name.
        QRectF block = textRect(this, font(3), nameAnchor, bottomAligned, lineSeparator + name);
        if (showBigDeviceNames)
            block = block.united(textRect(this, font(4), nameAnchor, bottomAligned, name));
        const QRectF caption = textRect(this, font(3), QPointF(100, lead + body + 10),
                                        Qt::AlignHCenter | Qt::AlignTop, m_caption);
        top = block.top();
        width = qMax(qMax(block.width(), caption.width()), minWidth);
        height = caption.bottom() - top;
    } else {
        const QString text = lineSeparator + name + lineSeparator + m_caption;
        QRectF block = textRect(this, font(3), nameAnchor, bottomAligned, text);
        if (showBigDeviceNames)
            block = block.united(textRect(this, font(4), nameAnchor, bottomAligned, name));
        top = block.top();
        height = lead - top + body + 15;
    }
    m_top = top;
    m_width = width;
    m_height = height;
}

void GraphicsRelayWinding::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const WindingVariant *v = variantOf(m_type, m_winding, m_variant);
    if (!v)
        return;
    settleExtent();
    const bool selected = option && (option->state & QStyle::State_Selected);
    Relay *bound = relay();
    // A winding that lost its relay stays visible in red so that it can be
    // found and removed; painting never reports.
    painter->setPen(selected ? penBlue : (bound ? penBlack : penRed));
    paintRelayPicture(painter, m_type, m_winding, m_variant, rotationIndex(), isMirrored());
    if (!hasFontSet())
        return;
    painter->setFont(font(3));

    if (bound) {
        const QString address = bound->showAddress() ? addressText() : QString();
        const RelayDescriptor *w = windingOf(m_type, m_winding);
        const double body = bodyHeightOf(w->pictureKind);
        const QString name = windingName();
        const int bottomAligned = Qt::AlignHCenter | Qt::AlignBottom;
        const QPointF nameAnchor(100, m_leadOffset - 5);
        if (!isTurned()) {
            if (showBigDeviceNames)
                painter->setFont(font(4));
            drawTextAt(this, painter, nameAnchor, bottomAligned, name);
            painter->setFont(font(3));
            if (!address.isEmpty())
                drawTextAt(this, painter, QPointF(100, m_leadOffset - 45), bottomAligned, address);
            drawTextAt(this, painter, QPointF(100, m_leadOffset + body + 10), Qt::AlignHCenter | Qt::AlignTop,
                       m_caption);
        } else if (!showBigDeviceNames) {
            drawTextAt(this, painter, nameAnchor, bottomAligned,
                       address + lineSeparator + name + lineSeparator + m_caption);
        } else {
            painter->setFont(font(4));
            drawTextAt(this, painter, nameAnchor, bottomAligned, name);
            painter->setFont(font(3));
            if (!address.isEmpty())
                drawTextAt(this, painter, QPointF(60, m_leadOffset - 5), bottomAligned, address);
            drawTextAt(this, painter, QPointF(120, m_leadOffset - 5), Qt::AlignLeft | Qt::AlignBottom, m_caption);
        }
    }

    // Pin labels over the coil ends.
    const int n = shownEnds(v->kind);
    const int anchors[4][2] = {{55, Qt::AlignRight}, {145, Qt::AlignLeft}, {55, Qt::AlignRight},
                               {145, Qt::AlignLeft}};
    for (int i = 0; i < n && i < pinCount(); ++i) {
        WiringPin *p = wiringPin(i);
        if (!p || !p->name())
            continue;
        const double y = i < 2 ? upperRow : lowerRow;
        drawTextAt(this, painter, QPointF(anchors[i][0], y), anchors[i][1] | Qt::AlignBottom,
                   QCoreApplication::translate("Relay", p->name()));
    }

    if (!hideHelp)
        drawPins(painter, hideHelp);
}

void GraphicsRelayWinding::saveData(DataStream &stream)
{
    stream << qint32(m_type) << m_winding << m_variant << m_mirrored << m_diagonal;
    GraphicsDeviceObj::saveData(stream);
}

void GraphicsRelayWinding::loadData(DataStream &stream)
{
    qint32 type = -1;
    quint8 winding = 255;
    quint8 variant = 255;
    bool mirrored = false;
    bool diagonal = false;
    stream >> type >> winding >> variant >> mirrored >> diagonal;
    if (stream.status() != QDataStream::Ok)
        return;
    const bool unset = type == -1 && winding == 255 && variant == 255;
    const WindingVariant *v = unset ? nullptr : variantOf(type, winding, variant);
    // Indices that leave the catalogue, or a diagonal inversion on a coil
    // without four ends, can only come from damaged data.
    if (!unset && (!v || (diagonal && shownEnds(v->kind) != 4))) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_mirrored = mirrored;
    m_diagonal = diagonal;
    if (!unset)
        setType(type, winding, variant);
    GraphicsDeviceObj::loadData(stream);
}

bool GraphicsRelayWinding::canAppend(ObjItem *item)
{
    auto *contact = dynamic_cast<GraphicsContact *>(item);
    if (!CHECK_PTR(relay()) || !CHECK_PTR(contact))
        return false;
    const RelayDescriptor *w = windingOf(m_type, m_winding);
    if (!CHECK_PTR(w))
        return false;
    const auto fits = [&](int c) {
        return c < w->contactCount && !contactAt(c) && isContactKindCompatible(w->contacts[c].kind, contact->contactKind());
    };
    if (fits(contact->contactNumber()))
        return true;
    for (int c = 0; c < w->contactCount; ++c) {
        if (fits(c)) {
            contact->setContactNumber(quint8(c));
            return true;
        }
    }
    return false;
}

GraphicsContact *GraphicsRelayWinding::contactAt(int contact) const
{
    for (ObjItem *item : items()) {
        if (!CHECK_PTR(item))
            continue;
        auto *shown = dynamic_cast<GraphicsContact *>(item);
        if (shown && shown->contactNumber() == contact)
            return shown;
    }
    return nullptr;
}

int GraphicsRelayWinding::contactItemCount() const
{
    int count = 0;
    for (ObjItem *item : items()) {
        if (dynamic_cast<GraphicsContact *>(item))
            ++count;
    }
    return count;
}

int GraphicsRelayWinding::catalogueContactCount() const
{
    const RelayDescriptor *w = windingOf(m_type, m_winding);
    return w ? w->contactCount : 0;
}

GraphicsItem *createGraphicsRelayWinding(GraphicsScene *scene)
{
    return new GraphicsRelayWinding(scene);
}
