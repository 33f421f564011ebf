#include "equipment/equipmentmenager.h"

#include "equipment/specificationmanagercable.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/checkmessage.h"
#include "model/datastream.h"
#include "model/file.h"
#include "model/project.h"

#include <QSet>

#include <algorithm>

namespace {

const int equipmentMenagerItemActions[4] = {54, 55, 59, 56};
const int equipmentMenagerMenuActions[] = {54, 55, 56, 57, 58, 59, -1, 60, 62, 63, 64, 61, 65};
const int equipmentMenagerMenagerChildActions[] = {55, 59, 56, 58};
// The check that lists the frames joined without a distance and the
// distances of frames the project does not hold.
const int addressCheck = 1;

} // namespace

EquipmentMenager::EquipmentMenager(Project *project, QList<QAction *> *actions)
    : ItemMenager<FrameGroup, DlgPropFrameGroup>(project, actions)
    , m_scheme(project)
{
    if (!becomeBranch(tr("Placing of equipment"), QStringLiteral(":/images/equipment_placing.png"),
                      equipmentMenagerItemActions, equipmentMenagerMenuActions, equipmentMenagerMenagerChildActions))
        return;
    if (m_scheme.sceneItem())
        treeItem()->insertChild(0, m_scheme.sceneItem());
    if (hasCommands())
        addHandler(58, this, SLOT(clickSavePdfFiles()));
}

EquipmentMenager::~EquipmentMenager()
{
    // What the project tells while the rows go no longer reaches the
    // branch.
    if (project())
        disconnect(project(), nullptr, this, nullptr);
}

void EquipmentMenager::setChildCurrent(QTreeWidgetItem *child, bool current)
{
    if (!child || child != m_scheme.sceneItem()) {
        ItemMenager<FrameGroup, DlgPropFrameGroup>::setChildCurrent(child, current);
        return;
    }
    if (!hasCommands())
        return;
    int count = 0;
    if (const int *ids = childActions(count))
        setActionsEnabled(ids, count, false);
    setActive(current);
}

void EquipmentMenager::changed()
{
    if (project())
        project()->setEquipmentChanged();
}

void EquipmentMenager::saveFirst(DataStream &stream)
{
    m_scheme.saveScene(stream);
    ItemMenager<FrameGroup, DlgPropFrameGroup>::saveFirst(stream);
}

bool EquipmentMenager::loadFirst(DataStream &stream)
{
    // The table's own result does not decide the pass: a table cut off at
    // the end of the file is left empty and the rest loads; a damaged one
    // in the middle leaves the stream failed for the rows.
    const bool wasReadable = stream.status() == QDataStream::Ok;
    m_scheme.loadScene(stream);
    if (wasReadable && stream.status() != QDataStream::Ok && stream.atEnd())
        stream.resetStatus();
    const bool records = framesCarryLayoutRecords(stream);
    bool typeless = false;
    for (FrameGroup *row : std::as_const(items)) {
        for (Frame *frame : row->itemList()) {
            frame->setLayoutRecordExpected(records);
            typeless = typeless || frame->frameType() == -1;
        }
    }
    // Every frame written with its layout has a type of the table: one
    // without is damage, said once the project is open. The load goes on,
    // the frame without parts. Frames written before they had layouts had
    // no type.
    const File *file = project() ? project()->file(Project::EquipmentFile) : nullptr;
    if (records && typeless && file)
        m_generationLog.note(tr("Frame type not correct. File %1 is corrupt!").arg(file->fileName()));
    return ItemMenager<FrameGroup, DlgPropFrameGroup>::loadFirst(stream);
}

bool EquipmentMenager::framesCarryLayoutRecords(DataStream &stream) const
{
    // A frame with a type always saved its layout; only frames that all
    // lack one may come from before.
    bool anyFrame = false;
    for (FrameGroup *row : items) {
        for (Frame *frame : row->itemList()) {
            if (frame->frameType() != -1)
                return true;
            anyFrame = true;
        }
    }
    if (!anyFrame || stream.status() != QDataStream::Ok || !stream.canSeek())
        return true;
    const qint64 start = stream.pos();
    for (FrameGroup *row : items) {
        quint8 number = 0;
        QString comment;
        bool left = true;
        stream >> number >> comment >> left;
        for (int i = 0; i < row->itemList().size(); ++i)
            stream >> number >> comment;
    }
    const bool bare = stream.status() == QDataStream::Ok && stream.atEnd();
    stream.resetStatus();
    stream.seek(start);
    return !bare;
}

void EquipmentMenager::check(QTreeWidget *results, int code)
{
    ItemMenager<FrameGroup, DlgPropFrameGroup>::check(results, code);
    const SpecificationManagerCable *cables = project() ? project()->specificationCable() : nullptr;
    if (code != addressCheck || !results || !cables)
        return;
    const auto addRow = [&](int kind, const QString &name, const QString &message) {
        auto *row = new CheckMessage(results, kind);
        if (m_scheme.sceneItem())
            row->setText(CheckMessage::SceneColumn, m_scheme.sceneItem()->text(0));
        row->setText(CheckMessage::NameColumn, name);
        row->setText(CheckMessage::MessageColumn, message);
    };
    // The frames joined by cables without a distance, each pair once,
    // whichever way its cables are keyed; a cable that joins a frame to
    // itself has no distance to look up.
    QSet<quint64> listed;
    for (quint64 key : cables->keys()) {
        const quint32 from = quint32(key >> 32);
        const quint32 to = quint32(key & 0xFFFFFFFFu);
        const quint64 pair = quint64(qMin(from, to)) << 32 | qMax(from, to);
        if (listed.contains(pair) || (from != to && m_scheme.distance(from, to)))
            continue;
        listed.insert(pair);
        addRow(CheckMessage::Error, QString(), m_scheme.distanceError(from, to));
    }
    // The codes of the distance table that name no frame of the project:
    // red where the code can name no frame at all.
    QSet<quint32> frames;
    for (FrameGroup *row : std::as_const(items)) {
        for (Frame *frame : row->itemList())
            frames.insert(frame->address().packedFrameCode());
    }
    QSet<quint32> named;
    for (auto from = m_scheme.distances().cbegin(); from != m_scheme.distances().cend(); ++from) {
        named.insert(from.key());
        for (auto to = from->cbegin(); to != from->cend(); ++to)
            named.insert(to.key());
    }
    QList<quint32> absent;
    for (quint32 c : std::as_const(named)) {
        if (!frames.contains(c))
            absent.append(c);
    }
    std::sort(absent.begin(), absent.end());
    for (quint32 c : std::as_const(absent)) {
        addRow(EquipmentScheme::isFrameCode(c) ? CheckMessage::Note : CheckMessage::Error,
               EquipmentScheme::frameCodeText(c), tr("The distance table names a frame the project does not hold"));
    }
}

void EquipmentMenager::loadFinished(bool loaded)
{
    for (FrameGroup *row : std::as_const(items)) {
        for (Frame *frame : row ? row->itemList() : QList<Frame *>()) {
            if (frame)
                frame->buildDueLayout();
            if (frame && frame->layout())
                frame->layout()->releaseLoadHold();
        }
    }
    // A load that fails says so alone.
    if (loaded)
        showGenerationChecks();
    else
        m_generationLog.clear();
}

bool EquipmentMenager::createDerivedPages()
{
    Project *owner = project();
    if (!CHECK_PTR(owner) || !CHECK_PTR(owner->specificationCable()))
        return false;
    return createWiringLayouts();
}
