#include "devices/block.h"

#include "devices/blockcatalogue.h"
#include "devices/graphicsblock.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"

#include <QPainter>

Block::Block(Project *project)
    : Device(project, BlockKind)
{
}

int Block::checkedType() const
{
    const int type = modelIndex();
    // A block whose type is not chosen yet is a normal state; any other
    // index outside the catalogue is an error of the caller.
    if (type == -1)
        return -1;
    if (!CHECK(type >= 0 && type < BlockTypeCount))
        return -1;
    return type;
}

bool Block::removeItem(ObjItem *item)
{
    if (!Device::removeItem(item))
        return false;
    updateItemsPinNames();
    return true;
}

bool Block::hasModel(int index) const
{
    return index >= 0 && index < BlockTypeCount;
}

void Block::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex < -1 || m_modelIndex >= BlockTypeCount) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString Block::modelName() const
{
    const int type = checkedType();
    return type < 0 ? QString() : blockTypeName(type);
}

int Block::placeType() const
{
    const int type = checkedType();
    return type < 0 ? -1 : blockTypes[type].placeType;
}

int Block::positionCode() const
{
    const int type = checkedType();
    return type < 0 ? -1 : blockTypes[type].positionCode;
}

void Block::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *place, bool)
{
    // Painters never report: the quiet lookup.
    drawInPlace(painter, rect, place, baseName(), blockTypeName(modelIndex()), true, 4);
}

void Block::paintCaption(QPainter *painter, const QRectF &rect)
{
    if (!painter || !hasFontSet())
        return;
    painter->setFont(font(5));
    const double half = rect.height() / 2;
    painter->drawText(QRectF(rect.left(), rect.top(), rect.width(), half), Qt::AlignCenter, baseName());
    painter->drawText(QRectF(rect.left(), rect.top() + half, rect.width(), half), Qt::AlignCenter,
                      blockTypeName(modelIndex()));
}

const char *Block::pinIndex(const char *name) const
{
    const int type = checkedType();
    return type < 0 ? nullptr : blockFindPin(type, name);
}

int Block::pinCount() const
{
    const int type = checkedType();
    return type < 0 ? 0 : blockTypes[type].pinCount;
}

int Block::blockClass() const
{
    const BlockType *type = blockTypeAt(modelIndex());
    return type ? type->blockClass : -1;
}

const char *Block::modelPinByLabel(const QString &label) const
{
    const int type = checkedType();
    return type < 0 ? nullptr : blockPinByLabel(type, label);
}

bool Block::isPinUsedByOtherItem(const QString &label, const ObjItem *item) const
{
    for (ObjItem *bound : items()) {
        if (bound == item)
            continue;
        auto *block = dynamic_cast<GraphicsBlock *>(bound);
        if (block && block->hasPinLabel(label))
            return true;
    }
    return false;
}

GraphicsBlock *Block::itemWithPin(const QString &label) const
{
    for (ObjItem *bound : items()) {
        auto *block = dynamic_cast<GraphicsBlock *>(bound);
        if (block && block->hasPinLabel(label))
            return block;
    }
    return nullptr;
}

void Block::updateItemsPinNames()
{
    const QList<ObjItem *> bound = items();
    for (ObjItem *item : bound)
        item->updatePinNames();
}
