#ifndef RLAY_GRAPHICSPIXMAP_H
#define RLAY_GRAPHICSPIXMAP_H

// A picture on a sheet, kept inside the project as PNG bytes (never as a
// link to a file) and drawn at its natural size, one image pixel to one
// sheet unit, behind everything (z -1) or above the ordinary items (z 4).
// The decoded image is a cache: filled when the picture is drawn, dropped
// by the views and after printing. It may be turned but not mirrored.

#include "graphics/graphicsprimitive.h"

#include <QByteArray>
#include <QList>
#include <QPixmap>
#include <QSize>

class QMimeData;

class GraphicsPixmap : public GraphicsPrimitive
{
public:
    enum { Type = UserType + 7 };
    // The layers, as z values.
    static constexpr double BackgroundZ = -1;
    static constexpr double ForegroundZ = 4;

    GraphicsPixmap(GraphicsScene *scene, GraphicsItem *parent);

    int type() const override { return Type; }
    // (0, 0) and the image's size, grown by 1.75.
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // z, then (from format 3) a reserved false flag, then below format 5
    // the image itself, from format 5 its size and its PNG bytes. Always
    // written in the newest layout.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    // The cached image, or one decoded from the bytes (not cached).
    QPixmap pixmap() const;
    // The image becomes the picture's: cached, encoded, sized.
    void setPixmap(const QPixmap &pixmap);
    // Takes the image of mime data (the clipboard's); without one a
    // message says so and nothing changes. True when an image was taken.
    bool setPixmapFromMimeData(const QMimeData *data);
    // Frees the decoded image.
    void dropCachedPixmap();
    bool hasCachedPixmap() const { return !m_cachedPixmap.isNull(); }

    const QByteArray &imageData() const { return m_imageData; }
    QSize imageSize() const { return m_imageSize; }

private:
    // Encodes the cached image as PNG into the bytes and takes its size.
    // The bytes are replaced whole; on failure both stay as they were.
    void encodeImage();

    QPixmap m_cachedPixmap;
    QByteArray m_imageData;
    QSize m_imageSize;
};

// Every picture among the items drops its decoded image.
void dropCachedPixmaps(const QList<GraphicsItem *> &items);
// Lets the image reader decode the largest picture the editor makes (a
// grabbed selection, at up to 8 bytes a pixel); the toolkit's own limit
// would refuse to draw again a picture the program stored.
void allowPictureMemory();

#endif
