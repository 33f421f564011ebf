#include "equipment/wiringlayout.h"

#include "graphics/font.h"
#include "model/project.h"

#include <QFontMetricsF>
#include <QPainter>

void drawTitleBlock(Project *project, int kind, QPainter *painter, double width, double height)
{
    if (!project || !painter || !hasFontSet())
        return;
    painter->setFont(font(6));
    const QString text = project->projectProperty(2);
    if (kind == 0) {
        painter->drawText(QRectF(width - 1900, height - 330, 1850, 120), Qt::AlignLeft | Qt::AlignBottom, text);
        return;
    }
    // Right-aligned 40 units left of the stamp, as wide as the text itself.
    const double textWidth = QFontMetricsF(painter->font(), painter->device()).boundingRect(QRectF(), 0, text).width();
    painter->drawText(QRectF(width - 1900 - 40 - textWidth, height - 220, textWidth, 150),
                      Qt::AlignHCenter | Qt::AlignVCenter, text);
}
