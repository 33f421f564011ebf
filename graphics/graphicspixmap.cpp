#include "graphics/graphicspixmap.h"

#include "graphics/graphicsedit.h"
#include "model/check.h"
#include "model/datastream.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QVariant>

GraphicsPixmap::GraphicsPixmap(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsPrimitive(scene, parent, CanRotate | FreePlacement)
{
    setZValue(BackgroundZ);
}

QRectF GraphicsPixmap::boundingRect() const
{
    const QSize size = m_cachedPixmap.isNull() ? m_imageSize : m_cachedPixmap.size();
    const QSizeF shown = size.isValid() ? QSizeF(size) : QSizeF(0, 0);
    return QRectF(QPointF(0, 0), shown).adjusted(-1.75, -1.75, 1.75, 1.75);
}

void GraphicsPixmap::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool)
{
    if (m_cachedPixmap.isNull() && !m_imageData.isEmpty()) {
        allowPictureMemory();
        m_cachedPixmap.loadFromData(m_imageData, "PNG");
    }
    const QRectF r(QPointF(0, 0), QSizeF(m_cachedPixmap.size()));
    const QTransform t = painter->combinedTransform();
    const bool turnedOver = t.type() <= QTransform::TxScale && (t.m11() < 0 || t.m22() < 0);
    if (!m_cachedPixmap.isNull() && turnedOver) {
        // The raster engine misreads a picture turned over by a plain
        // scale when it comes out less than a pixel high (and crashes): the
        // picture is turned over itself and drawn unturned, to the same
        // pixels.
        const bool acrossX = t.m11() < 0;
        const bool acrossY = t.m22() < 0;
        painter->save();
        painter->scale(acrossX ? -1 : 1, acrossY ? -1 : 1);
        const QRectF turned(acrossX ? -r.width() : 0, acrossY ? -r.height() : 0, r.width(), r.height());
        painter->drawImage(turned, m_cachedPixmap.toImage().mirrored(acrossX, acrossY));
        painter->restore();
    } else if (!m_cachedPixmap.isNull()) {
        painter->drawPixmap(r, m_cachedPixmap, QRectF(m_cachedPixmap.rect()));
    }
    drawSelection(painter, option, &r);
}

void GraphicsPixmap::saveData(DataStream &stream)
{
    stream << zValue();
    stream << false;
    stream << m_imageSize << m_imageData;
}

void GraphicsPixmap::loadData(DataStream &stream)
{
    double z = 0;
    stream >> z;
    if (!stream.checkCoordinate(z))
        return;
    if (stream.formatIndex() >= 3) {
        bool reserved = false;
        stream >> reserved;
    }
    if (stream.formatIndex() >= 5) {
        QSize size;
        QByteArray bytes;
        stream >> size >> bytes;
        // A picture without an image is written with the size of none,
        // (-1, -1), and read back as such.
        if (!stream.checkSize(size))
            return;
        prepareGeometryChange();
        m_cachedPixmap = QPixmap();
        m_imageSize = size;
        m_imageData = bytes;
    } else {
        QPixmap image;
        stream >> image;
        prepareGeometryChange();
        m_cachedPixmap = image;
        encodeImage();
        dropCachedPixmap();
    }
    setZQuiet(z);
}

QPixmap GraphicsPixmap::pixmap() const
{
    if (!m_cachedPixmap.isNull())
        return m_cachedPixmap;
    QPixmap decoded;
    allowPictureMemory();
    decoded.loadFromData(m_imageData, "PNG");
    return decoded;
}

void GraphicsPixmap::setPixmap(const QPixmap &pixmap)
{
    prepareGeometryChange();
    m_cachedPixmap = pixmap;
    encodeImage();
    update();
}

bool GraphicsPixmap::setPixmapFromMimeData(const QMimeData *data)
{
    QImage image;
    if (data && data->hasImage()) {
        const QVariant value = data->imageData();
        image = value.typeId() == QMetaType::QPixmap ? value.value<QPixmap>().toImage() : value.value<QImage>();
    }
    if (image.isNull()) {
        showInformation(QCoreApplication::translate("GraphicsPixmap", "The clipboard holds no image"));
        return false;
    }
    setPixmap(QPixmap::fromImage(image));
    return true;
}

void GraphicsPixmap::encodeImage()
{
    // No image (an empty picture of an old file): no bytes, no size.
    if (m_cachedPixmap.isNull()) {
        m_imageData.clear();
        m_imageSize = QSize();
        return;
    }
    // A fresh array: bytes of a larger earlier image must not survive.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const bool opened = buffer.open(QIODevice::WriteOnly);
    const bool written = opened && m_cachedPixmap.save(&buffer, "PNG");
    if (!CHECK(opened && written))
        return;
    buffer.close();
    m_imageData = bytes;
    m_imageSize = m_cachedPixmap.size();
}

void GraphicsPixmap::dropCachedPixmap()
{
    if (!m_cachedPixmap.isNull())
        m_cachedPixmap = QPixmap();
}

void dropCachedPixmaps(const QList<GraphicsItem *> &items)
{
    for (GraphicsItem *item : items) {
        if (item && item->type() == GraphicsPixmap::Type)
            static_cast<GraphicsPixmap *>(item)->dropCachedPixmap();
    }
}

void allowPictureMemory()
{
    const int megabytes = int(GraphicsEdit::maxGrabPixels * 8 / (1024 * 1024));
    // Zero is no limit at all.
    const int limit = QImageReader::allocationLimit();
    if (limit != 0 && limit < megabytes)
        QImageReader::setAllocationLimit(megabytes);
}
