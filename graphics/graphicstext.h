#ifndef RLAY_GRAPHICSTEXT_H
#define RLAY_GRAPHICSTEXT_H

// A free text on a sheet: lines of plain text in a font, a colour and an
// alignment, laid out around the item's origin (above it, since the bottom
// alignment is always set). It may be turned but not mirrored.

#include "graphics/graphicsprimitive.h"

#include <QFont>
#include <QString>

class GraphicsText : public GraphicsPrimitive
{
public:
    enum { Type = UserType + 6 };

    GraphicsText(GraphicsScene *scene, GraphicsItem *parent);

    int type() const override { return Type; }
    // The rectangle the font's metrics give for the text laid out with the
    // alignment around the origin.
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Font, colour, alignment, text.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    QString text() const { return m_text; }
    void setText(const QString &text);
    QFont font() const { return m_font; }
    void setFont(const QFont &font);
    QColor color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }
    int alignment() const { return m_alignment; }
    // Stores the flags with Qt::AlignBottom added.
    void setAlignment(int flags);

    // After its sheet read the items: a text not measured yet announces
    // the extent it will have.
    void extentRead() override;

    // The font drawn on a device of that vertical resolution: above 100
    // dots per inch (a printer) the point size becomes size / dpi * 90.
    QFont deviceFont(int logicalDpiY) const;

private:
    QString m_text;
    QFont m_font;
    QColor m_color;
    qint32 m_alignment = 0;
    // The extent, measured when first asked for after a change, except
    // while the sheet reads its items: the sheet is read without measuring
    // every text on it.
    mutable QRectF m_extent;
    mutable bool m_extentValid = false;
};

#endif
