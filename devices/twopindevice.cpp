#include "devices/twopindevice.h"

#include "devices/lampsymbol.h"
#include "graphics/font.h"
#include "model/address.h"
#include "model/datastream.h"
#include "model/itemtypes.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

namespace {

// The row "Light_Diode_Panel" of the equipment-model table.
const int panelLightPlace = 153;

} // namespace

TwoPinDevice::TwoPinDevice(Project *project, int kind, const TwoPinCatalogue &catalogue)
    : TypedDevice(project, kind, catalogue.typeCount,
                  [&catalogue](int row) {
                      return catalogue.isType(row)
                          ? QCoreApplication::translate(catalogue.context, catalogue.typeText(row))
                          : QString();
                  })
    , m_catalogue(catalogue)
{
}

TwoPinDevice::~TwoPinDevice() = default;

void TwoPinDevice::writeData(DataStream &stream)
{
    Device::writeData(stream);
    if (m_catalogue.hasNominals())
        stream << qint32(m_nominalIndex);
    if (m_catalogue.numbered)
        stream << qint32(m_number);
}

void TwoPinDevice::readData(DataStream &stream)
{
    Device::readData(stream);
    qint32 nominal = -1;
    qint32 number = 0;
    if (m_catalogue.hasNominals())
        stream >> nominal;
    if (m_catalogue.numbered)
        stream >> number;
    if (stream.status() != QDataStream::Ok)
        return;
    const bool typeValid = m_modelIndex == -1 || hasType();
    const bool nominalValid = nominal == -1 || m_catalogue.isNominal(m_modelIndex, nominal);
    if (!typeValid || !nominalValid) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_nominalIndex = nominal;
    m_number = number;
}

QString TwoPinDevice::modelName() const
{
    QString text = TypedDevice::modelName();
    if (hasType() && m_catalogue.numberInModelName && m_number != 0)
        text += QString::number(m_number);
    return text;
}

int TwoPinDevice::pinCount() const
{
    return 2;
}

bool TwoPinDevice::setType(int row)
{
    if (row != -1 && !m_catalogue.isType(row))
        return false;
    setModelIndex(row);
    if (m_nominalIndex != -1 && !m_catalogue.isNominal(row, m_nominalIndex))
        m_nominalIndex = -1;
    return true;
}

bool TwoPinDevice::setNominalIndex(int index)
{
    if (index != -1 && !m_catalogue.isNominal(modelIndex(), index))
        return false;
    if (index != m_nominalIndex) {
        m_nominalIndex = index;
        announceChange();
    }
    return true;
}

void TwoPinDevice::setNumber(int number)
{
    if (number == m_number)
        return;
    m_number = number;
    announceChange();
}

QString TwoPinDevice::nominalName() const
{
    if (!m_catalogue.isNominal(modelIndex(), m_nominalIndex))
        return QString();
    return QCoreApplication::translate(m_catalogue.context, m_catalogue.nominalText(modelIndex(), m_nominalIndex));
}

int TwoPinDevice::frameKind() const
{
    const Address *at = address();
    return at ? at->field(0) : -1;
}

bool TwoPinDevice::inConsoleFrame() const
{
    const int kind = frameKind();
    return kind == consoleFrameKind || kind == visualFrameKind;
}

int TwoPinDevice::fittingFont(const QString &text, double width)
{
    if (!hasFontSet())
        return 1;
    for (int index : {3, 2}) {
        if (QFontMetricsF(font(index)).boundingRect(text).width() <= width)
            return index;
    }
    return 1;
}

void TwoPinDevice::drawCentred(QPainter *painter, const QRectF &rect, int fontIndex, const QString &text)
{
    if (!painter || !hasFontSet())
        return;
    painter->setFont(font(fontIndex));
    painter->drawText(rect, Qt::AlignCenter, text);
}

void TwoPinDevice::drawTurned(QPainter *painter, const QRectF &rect, int fontIndex, const QString &text)
{
    if (!painter || !hasFontSet())
        return;
    painter->save();
    painter->translate(rect.bottomLeft());
    painter->rotate(-90);
    painter->setFont(font(fontIndex));
    painter->drawText(QRectF(0, 0, rect.height(), rect.width()), Qt::AlignCenter, text);
    painter->restore();
}

void TwoPinDevice::drawCaption(QPainter *painter, const QRectF &rect, const QString &single, const QString &upper,
                               const QString &lower)
{
    if (!painter || !hasFontSet())
        return;
    painter->setFont(font(5));
    if (upper.isNull() || rect.height() < 100) {
        painter->drawText(rect, Qt::AlignCenter, single);
        return;
    }
    const double half = rect.height() / 2;
    painter->drawText(QRectF(rect.left(), rect.top(), rect.width(), half), Qt::AlignCenter, upper);
    painter->drawText(QRectF(rect.left(), rect.top() + half, rect.width(), half), Qt::AlignCenter, lower);
}

int PanelLight::placeType() const
{
    return panelLightPlace;
}

void PanelLight::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                              Place *place, bool hideHelp)
{
    if (frameKind() == 0)
        drawLampInPlace(painter, rect, option, place, hideHelp, name());
    else
        Device::paintInPlace(painter, rect, option, place, hideHelp);
}

SurgeProtector::SurgeProtector(Project *project, int kind, const TwoPinCatalogue &catalogue, int suffixKind,
                               void (*drawSymbol)(QPainter *painter))
    : TwoPinDevice(project, kind, catalogue)
    , m_suffixKind(suffixKind)
    , m_drawSymbol(drawSymbol)
{
}

int SurgeProtector::addressSuffix() const
{
    return 0x40 | m_suffixKind;
}

void SurgeProtector::paintPicture(QPainter *painter)
{
    if (!painter)
        return;
    m_drawSymbol(painter);
    drawCentred(painter, QRectF(-20, 40, 200, 40), 3, modelName());
}

void SurgeProtector::paintCaption(QPainter *painter, const QRectF &rect)
{
    drawCaption(painter, rect, modelName());
}

QString twoLines(const QString &first, const QString &second)
{
    return first + QChar(0x2028) + second;
}
