#include "devices/interrupter.h"

#include "devices/interruptercatalogue.h"
#include "graphics/font.h"
#include "model/address.h"
#include "model/check.h"
#include "model/datastream.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

const int interrupterPlaceType = 133;
// The lever and its grip are drawn twice as thick as the drawing pens.
const double leverWidth = 7;

} // namespace

Interrupter::Interrupter(Project *project)
    : TypedDevice(project, InterrupterKind, InterrupterTypeCount, interrupterTypeName)
{
}

Interrupter::~Interrupter() = default;

int Interrupter::checkedType() const
{
    const int type = modelIndex();
    if (type == -1)
        return -1;
    if (!CHECK(isInterrupterType(type)))
        return -1;
    return type;
}

void Interrupter::writeData(DataStream &stream)
{
    Device::writeData(stream);
    stream << qint32(m_nominalIndex);
}

bool Interrupter::setNominalIndex(int index)
{
    // Without a type the nominal names nothing yet; with one it is the type's.
    if (m_modelIndex == -1 ? index < 0 : !isInterrupterNominal(m_modelIndex, index))
        return false;
    m_nominalIndex = index;
    return true;
}

void Interrupter::readData(DataStream &stream)
{
    Device::readData(stream);
    qint32 nominal = 0;
    stream >> nominal;
    if (stream.status() != QDataStream::Ok)
        return;
    const bool typeValid = m_modelIndex == -1 || isInterrupterType(m_modelIndex);
    // Without a type the nominal names nothing yet; with one it must be one
    // of the type's.
    const bool nominalValid = m_modelIndex == -1 ? nominal >= 0 : isInterrupterNominal(m_modelIndex, nominal);
    if (!typeValid || !nominalValid) {
        m_modelIndex = -1;
        m_nominalIndex = 0;
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_nominalIndex = nominal;
}

QString Interrupter::nominalText() const
{
    const int type = checkedType();
    if (type < 0 || !CHECK(isInterrupterNominal(type, m_nominalIndex)))
        return QString();
    return QCoreApplication::translate("Interrupter", interrupterTypes[type].nominals[m_nominalIndex])
        + QLatin1Char('A');
}

int Interrupter::placeType() const
{
    return interrupterPlaceType;
}

void Interrupter::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *,
                               bool)
{
    if (!painter)
        return;
    painter->drawRect(rect);
    if (!hasFontSet())
        return;
    painter->setFont(font(3));
    if (address()) {
        painter->drawText(rect, Qt::AlignCenter, modelName());
        return;
    }
    const double half = rect.height() / 2;
    painter->drawText(QRectF(rect.left(), rect.top(), rect.width(), half), Qt::AlignCenter, name());
    painter->drawText(QRectF(rect.left(), rect.top() + half, rect.width(), half), Qt::AlignCenter, modelName());
}

void Interrupter::paintPicture(QPainter *painter)
{
    if (!painter)
        return;
    drawInterrupterSymbol(painter);
    if (hasFontSet())
        painter->drawText(QRectF(-20, 40, 200, 40), Qt::AlignCenter, modelName());
}

void drawInterrupterSymbol(QPainter *painter)
{
    if (!painter)
        return;
    painter->drawLine(QLineF(0, 0, 20, 0));
    painter->drawLine(QLineF(140, 0, 160, 0));
    painter->drawLine(QLineF(40, 40, 120, 40));
    painter->drawEllipse(QRectF(20, -5, 10, 10));
    painter->drawEllipse(QRectF(130, -5, 10, 10));
    painter->save();
    painter->translate(33, 0);
    painter->rotate(-5);
    const QColor colour = painter->pen().color();
    painter->setPen(QPen(colour, leverWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(QBrush(colour, Qt::SolidPattern));
    painter->drawLine(QLineF(0, 0, 97, 0));
    painter->drawRect(QRectF(32, -15, 30, 15));
    painter->restore();
}
