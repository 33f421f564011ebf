#include "devices/pushbuttonrelaywinding.h"

#include "devices/graphicsrelaywinding.h"
#include "devices/relaycatalogue.h"
#include "graphics/font.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

namespace {

// Item units to button pixels.
const double relayScaleX = 0.37401574803149606;
const double relayScaleY = 0.37795275590551186;
// The picture is 200 units wide; its coil and leads are 120 high at most.
const double pictureWidth = 200;
const double pictureHeight = 120;

// The variant when the indices name one; painting never reports.
const WindingVariant *shownVariant(int type, int winding, int variant)
{
    if (type < 0 || type >= RelayTypeCount)
        return nullptr;
    const RelayType &row = relayTypes[type];
    if (winding < 0 || winding >= row.windingCount)
        return nullptr;
    const RelayDescriptor &w = row.windings[winding];
    if (variant < 0 || variant >= w.variantCount)
        return nullptr;
    return &w.variants[variant];
}

bool isTallPicture(int type, int winding)
{
    const int picture = relayTypes[type].windings[winding].pictureKind;
    return picture == 16 || picture == 17;
}

} // namespace

PushButtonRelayWinding::PushButtonRelayWinding(QWidget *parent)
    : QPushButton(parent)
{
    setCheckable(true);
    m_width = qRound(pictureWidth * relayScaleX + 2 * m_margin);
    m_height = qRound(2 * m_margin + pictureHeight * relayScaleY);
}

QSize PushButtonRelayWinding::sizeHint() const
{
    return QSize(m_width, m_height);
}

void PushButtonRelayWinding::setType(int type, int winding, int variant)
{
    if (type == m_type && winding == m_winding && variant == m_variant)
        return;
    const WindingVariant *v = shownVariant(type, winding, variant);
    m_type = type;
    m_winding = quint8(winding);
    m_variant = quint8(variant);
    if (!v) {
        update();
        return;
    }
    const bool plain = v->kind == 0;
    if (isTallPicture(type, winding))
        m_shift = plain ? 20 : 40;
    else
        m_shift = plain ? 0 : 20;
    const QString caption = relayVariantCaption(type, winding, variant, 200);
    double units = 80 + m_shift;
    if (!caption.isEmpty() && hasFontSet()) {
        const QFontMetricsF metrics(::font(3));
        units += metrics.boundingRect(QRectF(0, 0, pictureWidth, 0), Qt::AlignHCenter | Qt::AlignTop, caption).height();
    }
    m_height = qRound(2 * m_margin + units * relayScaleY);
    updateGeometry();
    update();
}

void PushButtonRelayWinding::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    const WindingVariant *v = shownVariant(m_type, m_winding, m_variant);
    if (!v || !hasFontSet())
        return;

    QPainter painter(this);
    painter.setFont(::font(3));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(isChecked() ? penBlue : penBlack);
    painter.scale(relayScaleX, relayScaleY);
    painter.translate(m_margin / relayScaleX, m_margin / relayScaleY);
    paintRelayPicture(&painter, m_type, m_winding, m_variant, 0, false);

    const int shown = relayVariantPinCount(m_type, m_winding, m_variant);
    if (shown < 2 || v->nameCount < shown)
        return;
    const auto label = [&](int i) { return QCoreApplication::translate("Relay", v->names[i]); };
    painter.drawText(QRectF(0, 0, 55, 40), Qt::AlignRight | Qt::AlignVCenter, label(0));
    painter.drawText(QRectF(145, 0, 55, 40), Qt::AlignLeft | Qt::AlignVCenter, label(1));
    if (shown >= 3)
        painter.drawText(QRectF(0, 40, 55, 40), Qt::AlignRight | Qt::AlignVCenter, label(2));
    if (shown >= 4)
        painter.drawText(QRectF(145, 40, 55, 40), Qt::AlignLeft | Qt::AlignVCenter, label(3));

    const QString caption = relayVariantCaption(m_type, m_winding, m_variant, 200);
    if (!caption.isEmpty())
        painter.drawText(QRectF(0, 80 + m_shift, pictureWidth, 120), Qt::AlignHCenter | Qt::AlignTop, caption);
}
