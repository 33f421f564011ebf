#include "devices/graphicstrans.h"

#include "devices/trans.h"
#include "devices/transcatalogue.h"
#include "graphics/font.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/pin.h"

#include <QIODevice>
#include <QPainter>
#include <QSet>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

#include <cmath>

namespace {

// Pin size plus symbol width.
const double transMinimumWidth = 174;
const double rowPitch = 40;
const double halfPin = 7;
// The fewest bytes a stored terminal takes: an empty name, two flags and
// the row.
const qint64 terminalRecordBytes = 7;

const int bottomCentre = Qt::AlignHCenter | Qt::AlignBottom;

QString terminalText(const WiringPin *pin)
{
    return pin ? transText(pin->name()) : QString();
}

// Links "a-b" and chains "a-b-c" of the jumpers text, empty parts dropped.
QStringList jumperNames(const QString &jumpers)
{
    QStringList names;
    const QStringList links = jumpers.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &link : links)
        names << link.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    return names;
}

} // namespace

GraphicsTrans::GraphicsTrans(GraphicsScene *scene)
    : GraphicsDevice(scene, BindShared, nullptr, CanRotate | CanMirrorHorizontal)
{
    setTextWidth(transMinimumWidth);
}

GraphicsTrans::~GraphicsTrans()
{
    detachObj(true);
}

Trans *GraphicsTrans::trans() const
{
    return dynamic_cast<Trans *>(obj());
}

bool GraphicsTrans::isSingleWinding() const
{
    return m_terminals.size() == 2 && m_terminals[0].left && m_terminals[1].left;
}

double GraphicsTrans::windingDepth() const
{
    if (isSingleWinding())
        return rowPitch;
    int deepest = 0;
    for (const TransTerminal &terminal : m_terminals)
        deepest = qMax(deepest, int(terminal.row));
    return deepest * rowPitch;
}

void GraphicsTrans::usedTerminalNames(QStringList &names) const
{
    if (!CHECK(names.isEmpty()))
        return;
    for (const TransTerminal &terminal : m_terminals)
        names << terminal.name;
    if (m_jumpers.isEmpty())
        return;
    QSet<QString> seen(names.cbegin(), names.cend());
    const QStringList linked = jumperNames(m_jumpers);
    for (const QString &name : linked) {
        if (!seen.contains(name)) {
            seen.insert(name);
            names << name;
        }
    }
}

void GraphicsTrans::placePins()
{
    QStringList names;
    usedTerminalNames(names);
    prepareGeometryChange();
    createPins(int(names.size()));
    if (pinCount() != names.size())
        return;
    int placed = 0;
    if (isSingleWinding()) {
        pin(0)->moveCenter(QPointF(0, rowPitch));
        pin(1)->moveCenter(QPointF(160, rowPitch));
        placed = 2;
    } else {
        for (const TransTerminal &terminal : std::as_const(m_terminals))
            pin(placed++)->moveCenter(QPointF(terminal.left ? 0 : 160, terminal.row * rowPitch));
    }
    // Names that only the jumpers hold exist, but not on the sheet.
    for (int i = placed; i < pinCount(); ++i)
        pin(i)->moveCenter(noPosition);
    updateFromObj();
}

bool GraphicsTrans::hasTerminal(const QString &text) const
{
    auto *self = const_cast<GraphicsTrans *>(this);
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = self->wiringPin(i);
        if (p && p->name() && transText(p->name()) == text)
            return true;
    }
    return false;
}

bool GraphicsTrans::terminalNamed(int i)
{
    WiringPin *p = wiringPin(i);
    return p && p->name();
}

void GraphicsTrans::countCarriedNames(QHash<QString, int> &carried, int step) const
{
    auto *self = const_cast<GraphicsTrans *>(this);
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = self->wiringPin(i);
        if (p && p->name())
            carried[transText(p->name())] += step;
    }
}

void GraphicsTrans::updatePinNames()
{
    Trans *bound = trans();
    QHash<QString, int> carried;
    if (bound) {
        for (ObjItem *item : bound->items()) {
            auto *other = dynamic_cast<GraphicsTrans *>(item);
            if (other && other != this)
                other->countCarriedNames(carried, 1);
        }
    }
    namePins(carried);
}

void GraphicsTrans::namePins(const QHash<QString, int> &carriedElsewhere)
{
    Trans *bound = trans();
    if (!bound) {
        // Without its transformer the item has no terminal to carry, and
        // shows so.
        for (int i = 0; i < pinCount(); ++i)
            wiringPin(i)->setName(nullptr);
        m_complete = false;
        updateInViews();
        return;
    }
    QStringList names;
    usedTerminalNames(names);
    if (!CHECK(pinCount() == names.size())) {
        updateInViews();
        return;
    }
    QSet<QString> own;
    for (int i = 0; i < names.size(); ++i) {
        const QString &name = names[i];
        const char *candidate = bound->catalogTerminalName(name);
        if (carriedElsewhere.value(name) > 0 || own.contains(name))
            candidate = nullptr;
        wiringPin(i)->setName(candidate);
        if (candidate)
            own.insert(name);
    }

    m_complete = true;
    for (int i = 0; i < pinCount() && m_complete; ++i) {
        WiringPin *p = wiringPin(i);
        if (!p->name()) {
            m_complete = false;
        } else if (!m_jumpers.isEmpty()) {
            // A terminal may end one jumper at most.
            const QString n = terminalText(p);
            const QString dash = QStringLiteral("-");
            const QString comma = QStringLiteral(",");
            const qsizetype ends = m_jumpers.count(dash + n + comma) + m_jumpers.count(dash + n + dash)
                + m_jumpers.count(comma + n + dash);
            if (ends > 1)
                m_complete = false;
        }
    }
    if (m_complete && !m_jumpers.isEmpty()) {
        // A drawn terminal may end a jumper but not lie inside a chain.
        for (const TransTerminal &terminal : std::as_const(m_terminals)) {
            if (m_jumpers.contains(QLatin1Char('-') + terminal.name + QLatin1Char('-'))) {
                m_complete = false;
                break;
            }
        }
    }
    updateInViews();
}

WiringPin *GraphicsTrans::findPin(const char *name)
{
    if (!name)
        return nullptr;
    const QByteArray wanted(name);
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = wiringPin(i);
        if (p && p->name() && transText(p->name()).toLocal8Bit() == wanted)
            return p;
    }
    return nullptr;
}

QString GraphicsTrans::typeText() const
{
    QString text;
    if (!m_jumpers.isEmpty())
        text = QLatin1Char('(') + m_jumpers + QLatin1Char(')') + lineSeparator;
    // The painter's path: no check box for a type outside the catalogue.
    if (Trans *bound = trans())
        text += transTypeName(bound->modelIndex());
    return text;
}

QList<GraphicsTrans::Text> GraphicsTrans::texts() const
{
    QList<Text> result;
    auto *self = const_cast<GraphicsTrans *>(this);
    Trans *bound = trans();
    const QString address = bound && bound->showAddress() && bound->address() ? self->addressText() : QString();
    const QString type = typeText();
    const double depth = windingDepth();
    if (!isTurned()) {
        result.append({3, QPointF(80, -45), bottomCentre, address, -1});
        result.append({showBigDeviceNames ? 4 : 3, QPointF(80, -5), bottomCentre, name(), -1});
        result.append({3, QPointF(80, depth), Qt::AlignHCenter | Qt::AlignTop, type, -1});
    } else if (showBigDeviceNames) {
        result.append({4, QPointF(60, -5), bottomCentre, name(), -1});
        result.append({3, QPointF(20, -5), bottomCentre, address, -1});
        result.append({3, QPointF(80, -5), Qt::AlignLeft | Qt::AlignBottom, type, -1});
    } else {
        const QString all = address + lineSeparator + name() + lineSeparator + type;
        result.append({3, QPointF(80, -5), bottomCentre, all, -1});
    }

    // The terminal labels: beside the leads of a single winding; else above
    // the lead for the first terminal of a column and after a gap, below it
    // for row 0 and the terminals that follow on.
    if (isSingleWinding()) {
        result.append({3, QPointF(35, 35), Qt::AlignRight | Qt::AlignBottom, m_terminals[0].name, 0});
        result.append({3, QPointF(125, 35), Qt::AlignLeft | Qt::AlignBottom, m_terminals[1].name, 1});
        return result;
    }
    bool above = false;
    for (int i = 0; i < m_terminals.size(); ++i) {
        const TransTerminal &t = m_terminals[i];
        if (t.row == 0) {
            above = false;
        } else if (i == 0) {
            above = true;
        } else {
            const TransTerminal &previous = m_terminals[i - 1];
            if (previous.left != t.left || qAbs(int(t.row) - int(previous.row)) > 1)
                above = true;
        }
        const double y = t.row * rowPitch + (above ? -5 : 5);
        const int vertical = above ? Qt::AlignBottom : Qt::AlignTop;
        if (t.left)
            result.append({3, QPointF(55, y), Qt::AlignRight | vertical, t.name, i});
        else
            result.append({3, QPointF(105, y), Qt::AlignLeft | vertical, t.name, i});
    }
    return result;
}

void GraphicsTrans::updateFromObj()
{
    prepareGeometryChange();
    const double depth = windingDepth();
    // The windings, the core and the pins.
    QRectF extent = isSingleWinding() ? QRectF(-halfPin, 20, transMinimumWidth, 20 + 2 * halfPin)
                                      : QRectF(-halfPin, -halfPin, transMinimumWidth, depth + 2 * halfPin);
    if (hasFontSet()) {
        const QString nameText = lineSeparator + name();
        const QString type = typeText();
        const QFont &nameFont = font(showBigDeviceNames ? 4 : 3);
        if (isTurned()) {
            if (showBigDeviceNames)
                m_textTop = qMin(textRect(this, font(3), QPointF(80, -5), bottomCentre, type).top(),
                                 textRect(this, font(4), QPointF(80, -5), bottomCentre, nameText).top());
            else
                m_textTop = textRect(this, font(3), QPointF(80, -5), bottomCentre,
                                     nameText + lineSeparator + type).top();
            m_textHeight = depth - m_textTop + halfPin;
            setTextWidth(transMinimumWidth);
        } else {
            const QRectF r1 = textRect(this, nameFont, QPointF(80, -5), bottomCentre, nameText);
            const QRectF r2 = textRect(this, font(3), QPointF(80, depth), Qt::AlignHCenter | Qt::AlignTop, type);
            m_textTop = r1.top();
            setTextWidth(qMax(qMax(r1.width(), r2.width()), transMinimumWidth));
            m_textHeight = r2.bottom() - m_textTop;
        }
        // Whatever else the picture writes: the address, long labels.
        const QList<Text> all = texts();
        for (const Text &text : all) {
            if (!text.text.isEmpty())
                extent |= textRect(this, font(text.font), text.anchor, text.alignment, text.text);
        }
    }
    m_extent = extent;
    update();
}

void GraphicsTrans::mirror(bool withHalfTurn)
{
    GraphicsDevice::mirror(withHalfTurn);
    updateFromObj();
}

QRectF GraphicsTrans::boundingRect() const
{
    const double w = textWidth();
    const QRectF block((160 - w) / 2, m_textTop, w, m_textHeight);
    return block.united(m_extent).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsTrans::drawWindings(QPainter *painter, const QPen &pen, bool selected)
{
    const QPen &coil = selected ? penBlue : penBlack;
    const auto leadPen = [&](int i) -> const QPen & {
        return selected ? penBlue : (terminalNamed(i) ? penBlack : penRed);
    };
    // The painter's path: a type outside the catalogue draws no core, and
    // no check box.
    Trans *bound = trans();
    const int index = bound ? bound->modelIndex() : -1;
    const TransType *type = isTransType(index) ? &transTypes[index] : nullptr;
    const bool withCore = type && type->coreKind != 0;
    const QPen &corePen = type && type->coreKind == 2 ? (selected ? penBlueDash : penBlackDash)
                                                      : (selected ? penBlue : penBlack);

    if (isSingleWinding()) {
        painter->setPen(coil);
        for (int i = 0; i < 4; ++i)
            painter->drawArc(QRectF(40 + 20 * i, 30, 20, 20), 0, 180 * 16);
        painter->setPen(leadPen(0));
        painter->drawLine(QLineF(0, 40, 40, 40));
        painter->setPen(leadPen(1));
        painter->drawLine(QLineF(120, 40, 160, 40));
        if (withCore) {
            painter->setPen(corePen);
            painter->drawLine(QLineF(40, 20, 120, 20));
        }
        painter->setPen(pen);
        return;
    }

    // Each winding runs from its start to the last terminal that follows
    // on its side; both columns bulge towards the core.
    int start = -1;
    for (int i = 0; i < m_terminals.size(); ++i) {
        const TransTerminal &t = m_terminals[i];
        if (start < 0 && t.start)
            start = t.row;
        const bool continues = i + 1 < m_terminals.size() && !m_terminals[i + 1].start
            && m_terminals[i + 1].left == t.left;
        if (!continues) {
            // A winding that ends without a start is not drawn.
            if (start >= 0) {
                painter->setPen(coil);
                const double x = t.left ? 50 : 90;
                const int from = t.left ? 270 * 16 : 90 * 16;
                for (int j = start; j < t.row; ++j) {
                    painter->drawArc(QRectF(x, rowPitch * j, 20, 20), from, 180 * 16);
                    painter->drawArc(QRectF(x, rowPitch * j + 20, 20, 20), from, 180 * 16);
                }
            }
            start = -1;
        }
        const double y = t.row * rowPitch;
        painter->setPen(leadPen(i));
        painter->drawLine(t.left ? QLineF(0, y, 60, y) : QLineF(100, y, 160, y));
    }
    if (withCore) {
        painter->setPen(corePen);
        painter->drawLine(QLineF(80, 0, 80, windingDepth()));
    }
    painter->setPen(pen);
}

void GraphicsTrans::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    // An item without its transformer is never complete: it is drawn red.
    const QPen &pen = selected ? penBlue : (m_complete && trans() ? penBlack : penRed);
    painter->setPen(pen);

    if (hasFontSet()) {
        const QList<Text> all = texts();
        for (const Text &text : all) {
            if (text.text.isEmpty())
                continue;
            if (text.terminal < 0)
                painter->setPen(pen);
            else
                painter->setPen(selected ? penBlue : (terminalNamed(text.terminal) ? penBlack : penRed));
            painter->setFont(font(text.font));
            drawTextAt(this, painter, text.anchor, text.alignment, text.text);
        }
        painter->setFont(font(3));
    }
    drawWindings(painter, pen, selected);

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsTrans::saveData(DataStream &stream)
{
    stream << m_textHeight << m_jumpers << qint32(m_terminals.size());
    for (const TransTerminal &terminal : std::as_const(m_terminals))
        stream << terminal.name << terminal.left << terminal.row << terminal.start;
    GraphicsDevice::saveData(stream);
}

void GraphicsTrans::loadData(DataStream &stream)
{
    double height = 0;
    QString jumpers;
    qint32 count = 0;
    stream >> height >> jumpers >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    if (!std::isfinite(height) || count < 0
        || (stream.hasDevice() && qint64(count) * terminalRecordBytes > stream.bytesLeft())) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    QList<TransTerminal> terminals;
    terminals.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        TransTerminal terminal;
        stream >> terminal.name >> terminal.left >> terminal.row >> terminal.start;
        if (stream.status() != QDataStream::Ok)
            return;
        if (terminal.row >= RowCount) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return;
        }
        terminals.append(terminal);
    }
    m_textHeight = height;
    m_jumpers = jumpers;
    m_terminals = terminals;
    // The pins exist, in their saved number and order, before the sheet
    // reads their records.
    placePins();
    GraphicsDevice::loadData(stream);
}

GraphicsItem *createGraphicsTrans(GraphicsScene *scene)
{
    return new GraphicsTrans(scene);
}
