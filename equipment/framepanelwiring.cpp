// The wiring page of a frame panel: the panel's container picture with the
// containers of its boards and panels, or, for the varistor panel, a row of
// varistor pictures, or, for the carriers of lamps, the lamps in a row with
// the container of the sub-panel; and the panel's power bus. The note of the
// page names the wire sections that feed the panel's devices.

#include "equipment/graphicsframepanel.h"

#include "devices/graphicswiringlamp.h"
#include "devices/graphicswiringvaristor.h"
#include "devices/lamp.h"
#include "equipment/checklog.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/graphicswiringcontainer.h"
#include "equipment/graphicswiringpowerbus.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placetypes.h"
#include "equipment/wiringcontainertable.h"
#include "equipment/wiringlayout.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/graphicscopperplate.h"
#include "schemes/net.h"

#include <QCoreApplication>

namespace {

// The container kind of "Panel FV-RV": a row of varistors.
const int varistorRowKind = 28;
// The wiring kind of the carriers of lamps and one sub-panel.
const int lampRowKind = 39;
// The frame kind whose panel pages are row pages.
const int rowPageFrameKind = 5;
// The wire section of a power bus.
const int busSection = 4;
// A varistor row turns to its second line after this place.
const int lastPlaceOfFirstRow = 14;

Device *deviceOf(GraphicsPlaceItem *item)
{
    if (!item || item->type() < firstPlaceDeviceType)
        return nullptr;
    auto *placed = dynamic_cast<GraphicsPlaceItemDevice *>(item);
    return placed ? placed->device() : nullptr;
}

QString longSectionText(int section, bool ua)
{
    return section >= 0 && section < sectionCount ? GraphicsNet::sectionText(section, false, ua) : QString();
}

void appendOnce(QStringList &list, const QString &text)
{
    if (!text.isEmpty() && !list.contains(text))
        list.append(text);
}

// The note of a panel's page: the wire sections that feed the panel's
// devices, once each in the order met; the copper plate where its first
// pin is met; the power bus's.
QString wiringNote(const GraphicsFramePanel *panel, bool ua, CheckLog &log)
{
    QList<Pin *> pins;
    panel->collectPins(pins);
    QStringList notes;
    bool plateSeen = false;
    for (Pin *pin : std::as_const(pins)) {
        if (!LOG_CHECK_PTR(log, pin))
            continue;
        bool plate = false;
        const int section = pin->sourceName(nullptr, nullptr, plateSeen ? nullptr : &plate);
        if (plate && !plateSeen) {
            plateSeen = true;
            notes.append(GraphicsCopperPlate::plateText(false, ua));
        }
        appendOnce(notes, longSectionText(section, ua));
    }
    if (panel->powerBus())
        appendOnce(notes, longSectionText(busSection, ua));
    return notes.join(QStringLiteral("; "));
}

} // namespace

void GraphicsFramePanel::buildWiring(CheckLog &log)
{
    if (!rootFlag())
        return;
    if (isWiredPanel()) {
        buildWiringPage(log);
        return;
    }
    // A carrier: the panels in its places get the pages.
    for (Place *place : places()) {
        if (!LOG_CHECK_PTR(log, place) || place->state() != Place::Normal || !place->item())
            continue;
        GraphicsPlaceItem *item = place->item();
        if (LOG_CHECK_PTR(log, item->type() == Type ? item : nullptr))
            static_cast<GraphicsFramePanel *>(item)->buildWiringPage(log);
    }
}

void GraphicsFramePanel::buildWiringPage(CheckLog &log)
{
    if (wiringPage())
        return;
    const PanelTypeInfo *panel = panelTypeInfo(containerType());
    if (!LOG_CHECK(log, panel != nullptr) || panel->wiringKind == -1)
        return;
    auto *layout = dynamic_cast<FrameLayout *>(graphicsScene());
    Frame *frame = layout ? layout->frame() : nullptr;
    Project *project = frame ? frame->project() : nullptr;
    if (!LOG_CHECK_PTR(log, frame))
        return;
    const bool ua = project && project->language() != 0;
    const QString addressText = address().toString(3);
    const QString name = QCoreApplication::translate("QObject", "P") + addressText;
    const int kind = address().frameKind() == rowPageFrameKind ? WiringLayout::RowPage : WiringLayout::PartPage;
    // A frame that only lists its pages gets the row alone: the note and
    // the pictures are made when the page is built.
    if (frame->listsPagesOnly()) {
        frame->addWiringLayout<WiringLayout>(name, kind, addressText, true, QString());
        return;
    }

    const QString note = wiringNote(this, ua, log);
    const WiringContainerKind *wiring =
        panel->wiringKind >= 0 && panel->wiringKind < WiringContainerKindCount ? &wiringContainerKinds[panel->wiringKind]
                                                                               : nullptr;
    const bool frontView = panel->containerKind == varistorRowKind || (wiring && wiring->mode == 0);
    WiringLayout *page = frame->addWiringLayout<WiringLayout>(name, kind, addressText, frontView, note);
    if (!LOG_CHECK_PTR(log, page))
        return;
    setWiringPage(page);
    // The note follows the sections as they change; a page the panel lets
    // go keeps its note as it was (FrameLayout::keepLeftPage).
    page->setNoteSource([this, page] {
        CheckLog quiet;
        return wiringNote(this, page->project() && page->project()->language() != 0, quiet);
    });

    GraphicsWiringContainer *container = nullptr;
    if (panel->containerKind == varistorRowKind) {
        QPointF at(430, 1000);
        for (int i = 0; i < places().size(); ++i) {
            Place *place = places()[i];
            if (!place)
                continue;
            if (place->state() == Place::Normal) {
                auto *varistor = new GraphicsWiringVaristor(page, nullptr, deviceOf(place->item()));
                if (page->addGraphicsItem(varistor))
                    varistor->setPos(at);
                else
                    delete varistor;
            }
            at = i == lastPlaceOfFirstRow ? QPointF(430, at.y() + 1000) : at + QPointF(250, 0);
        }
        return;
    }
    if (panel->wiringKind == lampRowKind) {
        double x = 3600;
        for (int i = 0; i < places().size(); ++i) {
            Place *place = places()[i];
            GraphicsPlaceItem *item = place && place->state() == Place::Normal ? place->item() : nullptr;
            if (!item)
                continue;
            if (item->type() == Type) {
                auto *sub = static_cast<GraphicsFramePanel *>(item);
                const PanelTypeInfo *subType = panelTypeInfo(sub->containerType());
                if (!LOG_CHECK(log, !container && subType && subType->wiringKind >= 0
                                        && subType->wiringKind < WiringContainerKindCount))
                    continue;
                container = new GraphicsWiringContainer(page, sub, subType->wiringKind);
                container->setHeldIn(this, i);
                continue;
            }
            // Anything else in a carrier is a lamp.
            if (!LOG_CHECK_PTR(log, item->type() >= firstPlaceDeviceType ? item : nullptr))
                continue;
            Device *device = deviceOf(item);
            if (!LOG_CHECK_PTR(log, device))
                continue;
            // A device that is no lamp shows the bare lamp picture.
            auto *lamp = new GraphicsWiringLamp(page, nullptr, dynamic_cast<Lamp *>(device));
            if (page->addGraphicsItem(lamp))
                lamp->setPos(x, 1900);
            else
                delete lamp;
            x -= 800;
        }
    } else {
        container = new GraphicsWiringContainer(page, this, panel->wiringKind);
    }

    // A carrier of lamps without its sub-panel is told here.
    if (LOG_CHECK_PTR(log, container)) {
        if (page->addGraphicsItem(container)) {
            container->setPosWithOffset(QPointF(0, 0));
            container->layoutContainers();
        } else {
            delete container;
        }
    }
    if (GraphicsPowerBus *bus = powerBus()) {
        auto *shown = new GraphicsWiringPowerBus(page, bus);
        if (page->addGraphicsItem(shown))
            shown->setPos(300, 2620);
        else
            delete shown;
    }
}
