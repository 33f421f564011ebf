// The two module pages of a frame's wiring documents, the DC table and the
// DC scheme, the destination of a command pin that both write, and the
// building of those pages for the modules placed in a frame. Painting never
// asks the user anything: what cannot be drawn is left out.

#include "equipment/wiringlayout.h"

#include "devices/graphicsclamp.h"
#include "devices/graphicscommand.h"
#include "devices/module.h"
#include "devices/modulecatalogue.h"
#include "equipment/framelayout.h"
#include "equipment/frametypes.h"
#include "graphics/font.h"
#include "graphics/graphicsobjitem.h"
#include "graphics/graphicspins.h"
#include "graphics/itemshared.h"
#include "model/address.h"
#include "model/displayflags.h"
#include "model/itemtypes.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/graphicssource.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSet>

namespace {

// The DC clamp place: a clamp there only passes the wire on.
const int dcClampPlaceKind = 9;
// Page and column splits: half the TS and half the TU command count.
const int halfTS = 24;
const int halfTU = 16;

enum { TS = 0, TU = 1, TV = 2 };

QString moduleText(const char *text)
{
    return QCoreApplication::translate("Module", text);
}

const ModuleType *typeRow(int type)
{
    return type >= 0 && type < ModuleTypeCount ? &moduleTypes[type] : nullptr;
}

int moduleType(const Module *module)
{
    return module && typeRow(module->modelIndex()) ? module->modelIndex() : -1;
}

// The module types in the order of the DC documents.
QList<int> typeOrder()
{
    QList<int> order;
    for (int i = 0; i < ModuleTypeCount; ++i)
        order.append(moduleTypes[i].dcOrderEntry);
    return order;
}

// A signal outside the type's list (one not chosen yet) shows nothing.
QString signalText(int type, int signal)
{
    const ModuleType *row = typeRow(type);
    return row && signal >= 0 && signal < row->signalCount ? Module::signalName(type, signal) : QString();
}

QString ownerName(const Pin *pin)
{
    PinOwner *owner = pin ? pin->owner() : nullptr;
    auto *item = owner ? dynamic_cast<GraphicsObjItem *>(owner->graphicsItem()) : nullptr;
    return item ? item->name() : QString();
}

bool inDCClampPlace(const Address *address)
{
    return address && address->hasPlaceKind() && address->placeKind() == dcClampPlaceKind;
}

// From the clamp first reached, on through the clamps of DC clamp places
// to the clamp beyond them; a chain that ends early stops at the last clamp
// reached.
WiringPin *passThrough(WiringPin *first, const Pin *start)
{
    WiringPin *current = first;
    QSet<const PinOwner *> visited{current->owner()};
    while (inDCClampPlace(current->ownerAddress())) {
        WiringPin *next = nullptr;
        for (int slot = 0; slot < current->linkCapacity() && !next; ++slot) {
            WiringPin *candidate = current->linkSlot(slot);
            if (!candidate || candidate == start || ownerType(candidate, -1) != GraphicsClamp::Type
                || !candidate->owner()->address() || visited.contains(candidate->owner()))
                continue;
            next = candidate;
        }
        if (!next)
            break;
        visited.insert(next->owner());
        current = next;
    }
    return current;
}

// The designation of a command pin; empty for a command whose module has
// no place yet.
QString commandDesignation(GraphicsCommand *item, Pin *pin)
{
    Module *module = item->module();
    return module && module->address() ? item->commandName(pin) : QString();
}

void drawArrow(QPainter *painter, double x, double y, double length)
{
    painter->drawLine(QPointF(x, y), QPointF(x + length, y));
    painter->drawLine(QPointF(x + length - 30, y - 7), QPointF(x + length, y));
    painter->drawLine(QPointF(x + length - 30, y + 7), QPointF(x + length, y));
}

// The connection comment of the pin: its first line above the arrow, its
// second after "On ch. ATR. " below it.
void drawPinNote(QPainter *painter, double x, double y, GraphicsCommand *item, int pin)
{
    const QStringList parts = item->commentPin(pin).split(QLatin1Char('\n'));
    painter->drawText(QRectF(x, y - 40, 1000, 40), rightMiddle, parts.value(0));
    if (parts.size() > 1)
        painter->drawText(QRectF(x, y, 1000, 40), rightMiddle,
                          QCoreApplication::translate("WiringLayoutDCScheme", "On ch. ATR. ") + parts.at(1));
    drawArrow(painter, x, y, 1040);
}

} // namespace

void drawCommandLink(QPainter *painter, double x, double y, GraphicsCommand *item, int pin, bool draw, bool *drawn)
{
    if (!painter || !item || pin < 0 || pin >= item->pinCount())
        return;
    WiringPin *start = item->wiringPin(pin);
    if (!start)
        return;
    if (draw)
        painter->drawText(QRectF(x, y - 40, 200, 40), leftMiddle, commandDesignation(item, start));

    QList<Pin *> net;
    start->collectNetPinsAcross(net);
    for (Pin *reached : std::as_const(net)) {
        if (ownerType(reached, -1) != GraphicsSource::Type)
            continue;
        if (draw) {
            painter->drawLine(QPointF(x, y), QPointF(x + 270, y));
            painter->drawText(QRectF(x, y - 40, 270, 40), rightMiddle, ownerName(reached));
        }
        return;
    }

    int m = -1;
    for (int slot = 0; slot < start->linkCapacity(); ++slot) {
        WiringPin *linked = start->linkSlot(slot);
        if (!linked)
            continue;
        const int type = ownerType(linked, -1);
        if (type == GraphicsClamp::Type && linked->ownerAddress()) {
            WiringPin *clamp = passThrough(linked, start);
            const QString text = pinLabel(ownerName(clamp), clamp);
            if (draw) {
                painter->drawText(QRectF(x + 200, y + 5 + 50 * m, 300, 40), centred, text);
                const QBrush brush = painter->brush();
                painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
                painter->drawEllipse(QRectF(QPointF(x + 350, y) - QPointF(pinSize.width(), pinSize.height()) / 2,
                                            pinSize));
                painter->setBrush(brush);
                drawPinNote(painter, x, y, item, pin);
            } else {
                painter->drawText(QRectF(x - 250, y, 250, 48), rightMiddle, text);
                if (drawn)
                    *drawn = true;
            }
        } else if (draw && type == GraphicsCommand::Type) {
            auto *command = static_cast<GraphicsCommand *>(linked->owner()->graphicsItem());
            painter->drawText(QRectF(x + 100, y + 5 + 50 * m, 200, 40), rightMiddle,
                              commandDesignation(command, linked));
            drawArrow(painter, x, y, 300);
        } else if (draw) {
            drawPinNote(painter, x, y, item, pin);
        }
        ++m;
    }
}

void WiringLayoutDCScheme::drawBackground(QPainter *painter, const QRectF &rect)
{
    GraphicsScene::drawBackground(painter, rect);
    // A page without its module, or a module without a type, shows only
    // its sheet.
    const int t = moduleType(m_module);
    if (!painter || t < 0 || !hasFontSet())
        return;
    const ModuleType &row = moduleTypes[t];
    painter->setFont(::font(4));
    painter->setPen(penBlack);
    const double w = width();
    const double h = height();
    const int rows = row.dcSchemeCount;
    const QString name = m_module->name();

    for (GraphicsCommand *item : m_module->commandItems()) {
        if (!item)
            continue;
        const int n = item->number();
        // A command without a number of its module has no place here.
        if (n >= row.commandCount)
            continue;
        if (t == TS) {
            if (m_firstPage != (n < halfTS))
                continue;
            const int r = n % halfTS;
            const int c = r / rows;
            const int q = (r % rows) / 3;
            const int g = r % 3;
            const double x = 900 + c * (w - 350) / 2;
            const double y = 230 + q * (h - 350) / (rows / 3) + 80 * g;
            const int vertical = g == 0 ? Qt::AlignBottom : g == 1 ? Qt::AlignVCenter : Qt::AlignTop;
            painter->drawText(QRectF(x - 600, y - 100 + 40 * g, 600, 120),
                              Qt::AlignHCenter | Qt::TextWordWrap | vertical, item->templateText());
            drawCommandLink(painter, x + 120, y, item, 0, true, nullptr);
            if (g != 0)
                continue;
            // Once per group of three: the common pin, the module's name and
            // the three symbols, whether or not the group is full.
            drawCommandLink(painter, x + 120, y + 240, item, 1, true, nullptr);
            painter->drawText(QRectF(x, y - 80, 120, 40), centred, name);
            painter->drawLine(QPointF(x + 120, y + 240), QPointF(x, y + 240));
            for (int k = 0; k < 3; ++k) {
                painter->drawLine(QPointF(x, y + 80 * k), QPointF(x, y + 80 * k + 80));
                painter->save();
                painter->translate(x, y + 80 * k);
                drawCommand(painter, 0, true, false);
                painter->restore();
            }
        } else {
            if (t == TU && m_firstPage != (n < halfTU))
                continue;
            const int r = n % halfTU;
            const int c = r / rows;
            const int k = r % rows;
            const double x = 250 + c * (w - 350) / 2;
            const double y = 150 + k * (h - 350) / rows;
            painter->drawText(QRectF(x, y, 600, 200), centred | Qt::TextWordWrap, item->templateText());
            painter->drawLine(QPointF(x + 740, y), QPointF(x + 820, y));
            painter->drawLine(QPointF(x + 740, y + 200), QPointF(x + 820, y + 200));
            // A TV command shows its second pin at the top.
            const int top = t == TU ? 0 : 1;
            drawCommandLink(painter, x + 820, y, item, top, true, nullptr);
            drawCommandLink(painter, x + 820, y + 200, item, 1 - top, true, nullptr);
            painter->save();
            painter->translate(x + 740, y + 200);
            painter->rotate(-90);
            painter->drawText(QRectF(0, -100, 200, 50), centred, name);
            drawCommand(painter, item->kind(), true, true);
            painter->restore();
        }
    }

    QString letter;
    if (t != TV)
        letter = m_firstPage ? tr("A") : tr("B");
    painter->drawText(QRectF(w - 1900, h - 300, 1850, 100), leftMiddle,
                      QStringLiteral("%1 %2%3").arg(Module::typeDescription(t), name, letter));
    drawTitleBlock(project(), kind(), painter, w, h);
}

void WiringLayoutDCTable::drawBackground(QPainter *painter, const QRectF &rect)
{
    GraphicsScene::drawBackground(painter, rect);
    if (!painter || !hasFontSet())
        return;
    painter->setPen(penBlack);
    // The modules of a page share a type: the first one present sets it.
    int t = -1;
    for (Module *module : std::as_const(m_modules)) {
        if ((t = moduleType(module)) >= 0)
            break;
    }
    if (t >= 0) {
        const ModuleType &row = moduleTypes[t];
        const int perColumn = qMax(1, row.modulesPerTablePage / 2);
        // A TV table names the TU type.
        const QString shownType = Module::typeName(t == TV ? TU : t);
        const QChar lineBreak(QChar::LineSeparator);
        for (int i = 0; i < m_modules.size(); ++i) {
            Module *module = m_modules[i];
            const Address *address = module ? module->address() : nullptr;
            if (!address)
                continue;
            const int column = i / perColumn;
            const int place = i % perColumn;
            const double x0 = 250 + 1950 * column;
            const double y0 = 100 + 1210 * place;
            painter->setFont(::font(5));

            for (double y : {y0, y0 + 150, y0 + 200})
                painter->drawLine(QPointF(x0, y), QPointF(x0 + 1750, y));
            painter->drawLine(QPointF(x0 + 1550, y0 + 100), QPointF(x0 + 1750, y0 + 100));
            for (double x : {x0, x0 + 1750})
                painter->drawLine(QPointF(x, y0), QPointF(x, y0 + 200));
            for (double x : {x0 + 100, x0 + 1450, x0 + 1550})
                painter->drawLine(QPointF(x, y0), QPointF(x, y0 + 150));
            painter->drawLine(QPointF(x0 + 1650, y0 + 100), QPointF(x0 + 1650, y0 + 150));

            painter->drawText(QRectF(x0, y0, 100, 150), centred, tr("N") + lineBreak + shownType);
            painter->drawText(QRectF(x0 + 100, y0, 1350, 150), centred,
                              QStringLiteral("%1%2%3-%4 - %5")
                                  .arg(Module::typeDescription(t), lineBreak, tr("VARNEL"), moduleText(row.model),
                                       module->name()));
            painter->drawText(QRectF(x0 + 1450, y0, 100, 150), centred, tr("Type") + lineBreak + shownType);
            painter->drawText(QRectF(x0 + 1550, y0, 200, 100), centred, tr("Address") + lineBreak + tr("clamp"));
            painter->drawText(QRectF(x0 + 1550, y0 + 100, 100, 50), centred,
                              QStringLiteral("''%1''").arg(moduleText(row.terminalCaptions[0])));
            painter->drawText(QRectF(x0 + 1650, y0 + 100, 100, 50), centred,
                              QStringLiteral("''%1''").arg(moduleText(row.terminalCaptions[1])));
            painter->drawText(QRectF(x0, y0 + 150, 1750, 50), centred,
                              QStringLiteral("%1 - ''K %2%3''")
                                  .arg(tr("Clamp panel"))
                                  .arg(address->field(3))
                                  .arg(address->field(4)));

            const int count = row.commandCount;
            const double body = y0 + 200;
            for (double x : {x0, x0 + 100, x0 + 1450, x0 + 1550, x0 + 1650, x0 + 1750})
                painter->drawLine(QPointF(x, body), QPointF(x, body + 48 * count));
            const int e = t == TV && place == 1 ? 16 : 0;
            for (int k = 0; k < count; ++k) {
                const double top = body + 48 * k;
                painter->drawText(QRectF(x0, top, 100, 48), centred, QString::asprintf("%.2d", k + 1));
                if (t == TS) {
                    // Three commands share a fourth, common clamp.
                    const int clamp = k % 3 + 4 * (k / 3) + 1;
                    painter->drawLine(QPointF(x0 + 1650, top + 48), QPointF(x0, top + 48));
                    painter->drawText(QRectF(x0 + 1550, top, 100, 48), centred, QString::asprintf("%.2d", clamp));
                    if (k % 3 == 0) {
                        painter->drawText(QRectF(x0 + 1650, top, 100, 144), centred,
                                          QString::asprintf("%.2d", clamp + 3));
                        painter->drawLine(QPointF(x0 + 1650, top + 144), QPointF(x0 + 1750, top + 144));
                    }
                } else {
                    painter->drawLine(QPointF(x0 + 1750, top + 48), QPointF(x0, top + 48));
                    painter->drawText(QRectF(x0 + 1550, top, 100, 48), centred,
                                      QString::asprintf("%.2d", 2 * e + 2 * k + 1));
                    painter->drawText(QRectF(x0 + 1650, top, 100, 48), centred,
                                      QString::asprintf("%.2d", 2 * e + 2 * k + 2));
                }
            }

            painter->setFont(::font(4));
            for (GraphicsCommand *item : module->commandItems()) {
                if (!item || item->number() >= count)
                    continue;
                const int rowIndex = t == TV ? item->number() % halfTU : item->number();
                const double top = body + 48 * rowIndex;
                painter->drawText(QRectF(x0 + 120, top, 1330, 48), leftMiddle, item->templateText());
                painter->drawText(QRectF(x0 + 1450, top, 100, 48), centred, signalText(t, item->signal()));
                if (!showStrSolderCommandInTable)
                    continue;
                // Once a pin has written a destination, the later ones stand
                // further left.
                int d = 0;
                bool wrote = false;
                for (int p = 0; p < item->pinCount(); ++p) {
                    drawCommandLink(painter, x0 + 1440 - 250 * d, top, item, p, false, &wrote);
                    if (wrote)
                        ++d;
                }
            }
        }
    }
    drawTitleBlock(project(), kind(), painter, width(), height());
}

bool hasModulePages(const Frame *frame)
{
    const int frameType = frame ? frame->frameType() : -1;
    return frameType >= 0 && frameType < frameTypeCount && frameTypes[frameType].modulePages == 0;
}

void createModuleWiringLayouts(Frame *frame, const QList<Module *> &modules, QList<WiringLayout *> &pages,
                               const QStringList *typeNames)
{
    if (!frame || modules.isEmpty() || !hasModulePages(frame))
        return;

    // The frame's modules by type, each type in the order given.
    QList<Module *> byType[ModuleTypeCount];
    for (Module *module : modules) {
        const int t = moduleType(module);
        if (t >= 0)
            byType[t].append(module);
    }
    const QList<int> order = typeOrder();

    // A frame that only lists its pages gets no page (null) to fill.
    for (int t : order) {
        WiringLayoutDCTable *page = nullptr;
        int onPage = 0;
        // Translated once for all the type's pages, or given.
        QString typeName;
        if (!byType[t].isEmpty())
            typeName = typeNames && t < typeNames->size() ? typeNames->at(t) : Module::typeName(t);
        for (Module *module : std::as_const(byType[t])) {
            if (onPage == 0) {
                page = frame->addWiringLayout<WiringLayoutDCTable>(typeName, WiringLayout::DCTablePage,
                                                                   QString(), true, QString());
                if (page)
                    pages.append(page);
            }
            if (page)
                page->appendModule(module);
            if (++onPage >= moduleTypes[t].modulesPerTablePage)
                onPage = 0;
        }
    }

    for (int t : order) {
        const int half = t == TS ? halfTS : halfTU;
        for (Module *module : std::as_const(byType[t])) {
            // More commands than half the type's, or one numbered past
            // the half, take a second page.
            const bool twoPages = t != TV && (module->items().size() > half || module->hasCommandFrom(half));
            for (int p = 0; p < (twoPages ? 2 : 1); ++p) {
                auto *page = frame->addWiringLayout<WiringLayoutDCScheme>(module->name(), WiringLayout::DCSchemePage,
                                                                          QString(), true, QString());
                if (!page)
                    continue;
                page->setModule(module);
                page->setFirstPage(p == 0);
                pages.append(page);
            }
        }
    }
}
