#ifndef RLAY_BENCH_FURNISH_H
#define RLAY_BENCH_FURNISH_H

// Frames furnished as a user fills them, so that their wiring pages hold
// what a real installation shows: the parts marked as a file from the
// field marks them (they get pages of their own), a panel in every place
// that takes one, and in every place left a device whose model it takes:
// clamp panels, relays and blocks (modules go where a benchmark deals
// them). Part, column, heating and panel
// pages then carry the items of the devices placed.

#include "devices/clamp.h"
#include "equipment/frame.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "equipment/placetypes.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/project.h"

#include <QBuffer>

#include <functional>
#include <vector>

namespace furnish {

// The frame types dealt out in turn: module frames, clamp frames, relay
// cases and cross-connection frames.
const int frameTypes[] = {11, 13, 10, 18, 3, 38};
const int frameTypeCount = int(sizeof frameTypes / sizeof frameTypes[0]);

// A device kind and model, with the place model its item asks for.
struct Model
{
    int kind;
    int model;
    int placeModel;
};

// Every model of the kinds a frame holds that has a place of its own.
inline std::vector<Model> placeableModels(Project &project)
{
    std::vector<Model> models;
    for (int kind : {int(ClampPanelKind), int(RelayKind), int(BlockKind)}) {
        std::unique_ptr<Device> probe(dynamic_cast<Device *>(project.createDevice(kind)));
        for (int model = 0; probe && probe->hasModel(model) && model < 200; ++model) {
            if (probe->setModelIndex(model) && probe->placeType() >= 0)
                models.push_back({kind, model, probe->placeType()});
        }
    }
    return models;
}

// The parts read back with their top-level mark, as a file from the field
// holds them: such parts get wiring pages of their own.
inline void markParts(Frame *frame)
{
    for (GraphicsFramePart *part : frame->layout()->parts()) {
        QByteArray record;
        {
            DataStream out(&record, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            part->saveData(out);
        }
        if (record.isEmpty())
            continue;
        record[record.size() - 1] = 1;
        DataStream in(&record, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        part->loadData(in);
    }
}

// Fills the empty places below the container, depth first; a new device's
// name is the prefix and a running number. The devices placed are counted.
inline void fillPlaces(Project &project, FrameLayout *layout, GraphicsPlaceContainer *container,
                       const std::vector<Model> &models, int &named, int &placed)
{
    for (Place *place : container->places()) {
        if (place->state() != Place::Normal || place->placeType() < 0)
            continue;
        if (auto *held = dynamic_cast<GraphicsPlaceContainer *>(place->item())) {
            fillPlaces(project, layout, held, models, named, placed);
            continue;
        }
        if (place->item())
            continue;
        const QPointF at = place->sceneRect().center();
        bool done = false;
        for (int id = 0; id < panelTypeCount && !done; ++id) {
            if (!place->allowsModel(containerKinds[panelTypes[id].containerKind].model))
                continue;
            auto *panel = static_cast<GraphicsPlaceContainer *>(layout->createItem(GraphicsFramePanel::Type));
            panel->setContainerType(id);
            layout->addGraphicsItem(panel);
            if (place->canDrop(panel, at) && place->putItem(panel)) {
                fillPlaces(project, layout, panel, models, named, placed);
                done = true;
            } else {
                layout->removeGraphicsItem(panel);
            }
        }
        for (size_t m = (named * 7) % models.size(), tried = 0; !done && tried < models.size();
             ++tried, m = (m + 1) % models.size()) {
            const Model &model = models[m];
            if (!place->allowsModel(model.placeModel))
                continue;
            auto *device = dynamic_cast<Device *>(project.createDevice(model.kind));
            device->setModelIndex(model.model);
            device->setName(QStringLiteral("F%1").arg(++named));
            if (auto *panel = dynamic_cast<ClampPanel *>(device))
                panel->setModelAndStripType(model.model, 0);
            GraphicsPlaceItemDevice *item = device->createPlaceItem(layout);
            layout->addGraphicsItem(item);
            if (place->canDrop(item, at) && place->putItem(item)) {
                ++placed;
                done = true;
            } else {
                delete device;
            }
        }
    }
}

// The frame furnished: its parts marked, every empty place filled.
inline int furnishFrame(Project &project, Frame *frame, const std::vector<Model> &models, int &named)
{
    markParts(frame);
    int placed = 0;
    for (GraphicsFramePart *part : frame->layout()->parts())
        fillPlaces(project, frame->layout(), part, models, named, placed);
    return placed;
}

} // namespace furnish

#endif
