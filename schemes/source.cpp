#include "schemes/source.h"

#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/pin.h"
#include "schemes/graphicssource.h"

#include <QGraphicsItem>
#include <QStringList>

namespace {

// The format that added the rb flag.
const int busRBFormat = 4;

GraphicsSource *sourceItemOf(PinOwner *owner)
{
    GraphicsItem *item = owner ? owner->graphicsItem() : nullptr;
    if (!item || item->type() != GraphicsSource::Type)
        return nullptr;
    return dynamic_cast<GraphicsSource *>(owner);
}

} // namespace

Source::Source(Project *project)
    : Tag(project, SourceKind)
{
}

void Source::writeData(DataStream &stream)
{
    Tag::writeData(stream);
    stream << m_busRFrame << m_ringBus << m_busRBFrame;
}

void Source::readData(DataStream &stream)
{
    Tag::readData(stream);
    bool busR = false;
    bool ring = false;
    stream >> busR >> ring;
    bool busRB = busR;
    if (stream.formatIndex() >= busRBFormat)
        stream >> busRB;
    if (stream.status() != QDataStream::Ok)
        return;
    m_busRFrame = busR;
    m_ringBus = ring;
    m_busRBFrame = busRB;
}

void Source::checkSingleSource(QList<Pin *> &pins)
{
    if (!CHECK(pins.isEmpty()))
        return;
    // The boxes are shown once every walk is done: a box runs the event
    // loop, which may delete items that were taken off their sheets.
    QStringList messages;
    for (ObjItem *entry : items()) {
        GraphicsSource *item = sourceItemOf(entry ? entry->pinOwner() : nullptr);
        if (!CHECK_PTR(item))
            continue;
        Pin *own = item->pin(0);
        if (!CHECK_PTR(own))
            continue;
        own->collectNetAcross(pins, nullptr, 0);
        QList<Pin *> ends;
        own->collectNetPinsAcross(ends);
        for (Pin *end : std::as_const(ends)) {
            if (!CHECK_PTR(end) || !sourceItemOf(end->owner()))
                continue;
            GraphicsScene *scene = item->graphicsScene();
            messages << tr("In clew source %1 scheme %2 have more than one souces!")
                            .arg(item->name(), scene ? scene->displayName() : QString());
        }
    }
    for (const QString &message : std::as_const(messages))
        showError(message);
}
