#include "devices/graphicscommand.h"

#include "devices/module.h"
#include "devices/modulecatalogue.h"
#include "devices/pintext.h"
#include "graphics/font.h"
#include "model/address.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/pin.h"
#include "model/project.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

const double dotDiameter = 12;

// The title over the symbol; "M" alone for a kind outside the table.
QString titleOf(int kind)
{
    const int type = moduleTypeOfKind(kind);
    return type < 0 ? Module::tr("M") : Module::typeModelName(type);
}

// Whether the index is -1 (none) or below the count.
bool noneOrBelow(int index, int count)
{
    return index == -1 || (index >= 0 && index < count);
}

// The placeholder "%1" to "%10" that starts at a position of a template's
// text, and its length; 0 when none starts there.
int placeholderAt(const QString &text, qsizetype at, qsizetype *length)
{
    if (text.at(at) != QLatin1Char('%') || at + 1 >= text.size())
        return 0;
    const QChar first = text.at(at + 1);
    if (first == QLatin1Char('1') && at + 2 < text.size() && text.at(at + 2) == QLatin1Char('0')) {
        *length = 3;
        return 10;
    }
    if (first < QLatin1Char('1') || first > QLatin1Char('9'))
        return 0;
    *length = 2;
    return first.digitValue();
}

} // namespace

GraphicsCommand::GraphicsCommand(GraphicsScene *scene)
    : GraphicsDevice(scene, BindByName, nullptr, CanRotate | CanMirrorHorizontal)
{
    createPins(2);
    if (!CHECK(pinCount() == 2))
        return;
    pin(1)->moveCenter(QPointF(0, 0));
}

GraphicsCommand::~GraphicsCommand() = default;

double GraphicsCommand::symbolWidth(int kind)
{
    return kind == 0 ? 120 : 200;
}

Module *GraphicsCommand::module() const
{
    return dynamic_cast<Module *>(obj());
}

void GraphicsCommand::setKind(int kind)
{
    if (kind == m_kind)
        return;
    if (!CHECK(isCommandKind(kind)))
        return;
    prepareGeometryChange();
    m_kind = kind;
    // The terminals of another module type have other numbers.
    const int type = commandKindModuleTypes[kind];
    if (m_number != NoNumber && m_number >= moduleTypes[type].commandCount)
        m_number = NoNumber;
    Pin *right = pin(0);
    if (!right)
        return;
    movePinFollowed(right, QPointF(symbolWidth(kind), 0));
    update();
}

QString GraphicsCommand::commentPin(int index) const
{
    if (!CHECK(index == 0 || index == 1))
        return QString();
    return index == 0 ? m_commentRightPin : m_commentLeftPin;
}

void GraphicsCommand::setCommentPin(int index, const QString &comment)
{
    if (!CHECK(index == 0 || index == 1))
        return;
    (index == 0 ? m_commentRightPin : m_commentLeftPin) = comment;
}

bool GraphicsCommand::hasEmptyParam() const
{
    for (const QString &param : m_templateParams) {
        if (param.isEmpty())
            return true;
    }
    return false;
}

QString GraphicsCommand::templateText() const
{
    if (m_templateIndex == -1)
        return QString();
    return composeTemplateText(m_templateIndex, m_templateParams);
}

QString GraphicsCommand::commandName(Pin *pin)
{
    if (!CHECK(ownsPin(pin)))
        return QString();
    Address *at = address();
    if (!CHECK_PTR(at))
        return QString();
    return QStringLiteral("K%1%2-%3")
        .arg(at->field(3))
        .arg(at->field(4))
        .arg(latin1PinText(dynamic_cast<WiringPin *>(pin)));
}

QRectF GraphicsCommand::boundingRect() const
{
    const double width = symbolWidth(m_kind);
    const double height = m_kind == 0 ? 120 : 130;
    // The symbol with its pins, and the band above it where the module's
    // number and address are shown.
    QRectF bounds = QRectF(-7, -80, width + pinSize.width(), height) | QRectF(-40, -118, 200, 80);
    if (m_drawTitle)
        bounds |= m_kind == 0 ? QRectF(0, -78, 120, 40) : QRectF(0, -88, 200, 40);
    // The template's text below, as wide as it is drawn.
    if (hasFontSet() && m_templateIndex >= 0 && m_templateIndex < CommandTemplateCount) {
        const double w = QFontMetricsF(font(3)).horizontalAdvance(templateText());
        bounds |= QRectF(80 - w / 2, 50, w, 40);
    }
    return bounds.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsCommand::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    painter->setPen(selected ? penBlue : (hasEmptyParam() ? penRed : penBlack));
    drawCommand(painter, m_kind, false, false);

    if (hasFontSet()) {
        painter->setFont(font(3));
        const int centred = Qt::AlignCenter;
        if (m_kind == 0) {
            drawTextInRect(this, painter, QRectF(80, -40, 20, 40), centred, QStringLiteral("c"), false);
            if (m_drawTitle)
                drawTextInRect(this, painter, QRectF(0, -78, 120, 40), centred, titleOf(m_kind), false);
        } else {
            if (m_kind == 1 || m_kind == 2) {
                drawTextInRect(this, painter, QRectF(20, -40, 40, 40), centred, QStringLiteral("y2"), false);
                drawTextInRect(this, painter, QRectF(140, -40, 40, 40), centred, QStringLiteral("y1"), false);
            }
            if (m_drawTitle)
                drawTextInRect(this, painter, QRectF(0, -88, 200, 40), centred, titleOf(m_kind), false);
        }
    }
    if (hideHelp)
        return;

    if (hasFontSet()) {
        // A painter reports nothing: a template outside the catalogue has
        // no text.
        if (showStrTemplateCommand && m_templateIndex >= 0 && m_templateIndex < CommandTemplateCount) {
            painter->setPen(penGreen);
            const QString text = templateText();
            const double w = QFontMetricsF(painter->font()).horizontalAdvance(text);
            drawTextInRect(this, painter, QRectF(80 - w / 2, 50, w, 40), Qt::AlignCenter, text, false);
        }
        Address *at = obj() ? address() : nullptr;
        if (at) {
            painter->setPen(penGreen);
            drawTextInRect(this, painter, QRectF(-40, -78, 200, 40), Qt::AlignRight | Qt::AlignVCenter,
                           name().mid(2), false);
            drawTextInRect(this, painter, QRectF(-40, -118, 200, 40), Qt::AlignCenter, at->toString(1), false);
        }
    }
    drawPins(painter, hideHelp);
    drawSelection(painter, option, nullptr);
}

void GraphicsCommand::saveData(DataStream &stream)
{
    stream << qint32(m_kind) << qint32(m_signal) << qint32(m_templateIndex) << m_drawTitle << m_commentGi;
    stream << quint32(m_templateParams.size());
    for (const QString &param : std::as_const(m_templateParams))
        stream << param;
    stream << m_number << m_commentRightPin << m_commentLeftPin;
    GraphicsDevice::saveData(stream);
}

void GraphicsCommand::setSignal(int signal)
{
    const int type = moduleTypeOfKind(m_kind);
    if (CHECK(noneOrBelow(signal, type < 0 ? 0 : moduleTypes[type].signalCount)))
        m_signal = signal;
}

void GraphicsCommand::setNumber(quint8 number)
{
    const int type = moduleTypeOfKind(m_kind);
    if (!CHECK(number == NoNumber || (type >= 0 && number < moduleTypes[type].commandCount)) || number == m_number)
        return;
    m_number = number;
    // The module's DC scheme pages follow its commands' numbers.
    if (Obj *module = boundObj(); module && module->project())
        module->project()->noteWiringInput(module);
}

void GraphicsCommand::setTemplateIndex(int index)
{
    if (!CHECK(index >= -1 && index < CommandTemplateCount) || index == m_templateIndex)
        return;
    prepareGeometryChange();
    m_templateIndex = index;
}

void GraphicsCommand::setTemplateParams(const QStringList &params)
{
    if (params == m_templateParams)
        return;
    prepareGeometryChange();
    m_templateParams = params;
}

void GraphicsCommand::setDrawTitle(bool draw)
{
    if (draw == m_drawTitle)
        return;
    prepareGeometryChange();
    m_drawTitle = draw;
}

void GraphicsCommand::loadData(DataStream &stream)
{
    qint32 kind = -1;
    qint32 signal = -1;
    qint32 templateIndex = -1;
    bool drawTitle = false;
    QString commentGi;
    quint32 count = 0;
    stream >> kind >> signal >> templateIndex >> drawTitle >> commentGi >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    // The count comes from the stream: the list grows only by what is
    // actually read.
    QStringList params;
    for (quint32 i = 0; i < count; ++i) {
        QString param;
        stream >> param;
        if (stream.status() != QDataStream::Ok)
            return;
        params.append(param);
    }
    quint8 number = NoNumber;
    QString right;
    QString left;
    if (stream.formatIndex() >= 2) {
        stream >> number >> right >> left;
        if (stream.status() != QDataStream::Ok)
            return;
    }

    // Indices into the catalogue are checked against it: one outside is a
    // damaged record, never a table index.
    const int type = moduleTypeOfKind(kind);
    const bool valid = noneOrBelow(kind, CommandKindCount)
        && noneOrBelow(signal, type < 0 ? 0 : moduleTypes[type].signalCount)
        && noneOrBelow(templateIndex, CommandTemplateCount)
        && (number == NoNumber || (type >= 0 && number < moduleTypes[type].commandCount));
    if (!valid) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    if (kind != -1)
        setKind(kind);
    prepareGeometryChange();
    m_signal = signal;
    m_templateIndex = templateIndex;
    m_drawTitle = drawTitle;
    m_commentGi = commentGi;
    m_templateParams = params;
    m_number = number;
    m_commentRightPin = right;
    m_commentLeftPin = left;
    GraphicsDevice::loadData(stream);
}

bool GraphicsCommand::resolveLinks()
{
    if (!GraphicsDevice::resolveLinks())
        return false;
    // Files of earlier formats keep no number: a restored binding takes
    // the first free one.
    Module *bound = module();
    if (bound && m_number == NoNumber) {
        const int number = bound->freeCommandNumber(m_kind, NoNumber, this);
        if (number >= 0)
            m_number = quint8(number);
    }
    return true;
}

void GraphicsCommand::check(QTreeWidget *results, int code)
{
    GraphicsDevice::check(results, code);
}

void GraphicsCommand::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int n)
{
    if (!CHECK(ownsPin(entry)))
        return;
    auto *wiring = dynamic_cast<WiringPin *>(entry);
    if (n == 0 && (!wiring || !wiring->name()))
        return;
    pins.append(entry);
}

void GraphicsCommand::updatePinNames()
{
    if (!obj())
        return;
    if (!CHECK(m_number != NoNumber) || !CHECK(pinCount() == 2))
        return;
    const int n = m_number;
    int right = -1;
    int left = -1;
    switch (m_kind) {
    case 0:
        // Three commands share a group of four terminals; the common one
        // is named on the first command of the group only.
        if (n % 3 == 0) {
            right = 4 * (n / 3);
            left = right + 3;
        } else {
            right = 4 * (n / 3) + n % 3;
        }
        break;
    case 1:
    case 2:
        right = 2 * n;
        left = 2 * n + 1;
        break;
    case 3:
        right = 2 * n + 1;
        left = 2 * n;
        break;
    default:
        return;
    }
    if (!CHECK(right < ModuleTerminalCount && left < ModuleTerminalCount))
        return;
    wiringPin(0)->setName(terminalNames[right]);
    wiringPin(1)->setName(left >= 0 ? terminalNames[left] : nullptr);
}

QString composeTemplateText(int templateIndex, const QStringList &params)
{
    const QString text = commandTemplateName(templateIndex);
    const QString quote = GraphicsCommand::tr("''");
    QStringList values;
    for (QString param : params) {
        param.remove(QLatin1Char('%'));
        values << param.simplified();
    }
    const auto valueOf = [&](int key) { return key > 0 && key <= values.size() ? values[key - 1] : QString(); };
    const auto quotedAt = [&](qsizetype at, qsizetype length, qsizetype from) {
        return at - quote.size() >= from && text.mid(at - quote.size(), quote.size()) == quote
            && text.mid(at + length, quote.size()) == quote;
    };
    const QLatin1String dash("-");

    // A "-" takes the quotes round its placeholder with it when the text
    // quotes that placeholder anywhere; otherwise the placeholder alone.
    QList<bool> quotedDash(values.size(), false);
    for (qsizetype at = 0; at < text.size(); ++at) {
        qsizetype length = 0;
        const int key = placeholderAt(text, at, &length);
        if (key > 0 && valueOf(key) == dash && quotedAt(at, length, 0))
            quotedDash[key - 1] = true;
    }

    // Every placeholder is taken whole from the template ("%10" is never
    // "%1" and a "0"), and what replaces it is never searched again.
    QString result;
    qsizetype copied = 0;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype length = 0;
        const int key = placeholderAt(text, at, &length);
        const QString value = valueOf(key);
        if (value.isEmpty()) {
            // No placeholder here, or a blank parameter: the text stays.
            at += key > 0 ? length : 1;
            continue;
        }
        qsizetype from = at;
        qsizetype to = at + length;
        if (value == dash && quotedDash[key - 1]) {
            if (!quotedAt(at, length, copied)) {
                at = to;
                continue;
            }
            from -= quote.size();
            to += quote.size();
        }
        result += QStringView(text).mid(copied, from - copied);
        if (value != dash)
            result += value;
        copied = to;
        at = to;
    }
    result += QStringView(text).mid(copied);
    return result.simplified();
}

void drawCommand(QPainter *painter, int kind, bool withPinLabels, bool swapPolarity)
{
    if (!painter)
        return;
    const double width = GraphicsCommand::symbolWidth(kind);
    painter->setBrush(Qt::NoBrush);
    if (kind == 0) {
        painter->drawEllipse(QRectF(35, -25, 50, 50));
        painter->drawRect(QRectF(20, -40, 80, 80));
    } else if (isCommandKind(kind)) {
        painter->drawEllipse(QRectF(60, -40, 80, 80));
        painter->drawRect(QRectF(20, -50, 160, 100));
    }

    painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
    const double r = dotDiameter / 2;
    painter->drawEllipse(QPointF(20, 0), r, r);
    painter->drawEllipse(QPointF(width - 20, 0), r, r);
    painter->setBrush(Qt::NoBrush);

    if (kind == 0) {
        painter->drawLine(QPointF(0, 0), QPointF(35, 0));
        painter->drawLine(QPointF(120, 0), QPointF(85, 0));
    } else if (isCommandKind(kind)) {
        painter->drawLine(QPointF(0, 0), QPointF(60, 0));
        painter->drawLine(QPointF(200, 0), QPointF(140, 0));
    }

    const bool withText = hasFontSet();
    if (withText)
        painter->setFont(font(3));
    const int centred = Qt::AlignCenter;
    switch (kind) {
    case 0:
        painter->drawLine(QPointF(45, 0), QPointF(70, -15));
        painter->drawLine(QPointF(45, 0), QPointF(70, 15));
        if (withPinLabels && withText)
            painter->drawText(QRectF(80, -40, 20, 40), centred, QStringLiteral("c"));
        break;
    case 1:
    case 2:
        if (kind == 1) {
            painter->drawLine(QPointF(72.5, -10), QPointF(82.5, -10));
            painter->drawLine(QPointF(82.5, -10), QPointF(82.5, 0));
            painter->drawLine(QPointF(82.5, 0), QPointF(120, 20));
            painter->drawLine(QPointF(117.5, -10), QPointF(127.5, -10));
            painter->drawLine(QPointF(117.5, -10), QPointF(117.5, 0));
        } else {
            painter->drawLine(QPointF(73, -15), QPointF(83, -15));
            painter->drawLine(QPointF(83, -15), QPointF(83, -5));
            painter->drawLine(QPointF(83, -5), QPointF(116, 12));
            painter->drawLine(QPointF(112, 12), QPointF(112, 22));
            painter->drawLine(QPointF(112, 22), QPointF(122, 22));
        }
        if (withPinLabels && withText) {
            painter->drawText(QRectF(20, -40, 40, 40), centred, QStringLiteral("y2"));
            painter->drawText(QRectF(140, -40, 40, 40), centred, QStringLiteral("y1"));
        }
        break;
    case 3: {
        const QPolygonF wave({QPointF(80, 25), QPointF(90, 25), QPointF(90, -25), QPointF(110, -25),
                              QPointF(110, 25), QPointF(120, 25)});
        painter->drawPolyline(wave);
        if (withText) {
            painter->setFont(font(7));
            const QString left = swapPolarity ? QStringLiteral("-") : QStringLiteral("+");
            const QString right = swapPolarity ? QStringLiteral("+") : QStringLiteral("-");
            painter->drawText(QRectF(20, -47, 40, 40), centred, left);
            painter->drawText(QRectF(140, -47, 40, 40), centred, right);
        }
        break;
    }
    default:
        break;
    }
}

GraphicsItem *createGraphicsCommand(GraphicsScene *scene)
{
    return new GraphicsCommand(scene);
}
