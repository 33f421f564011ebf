#include "devices/fusesymbol.h"

#include <QLineF>
#include <QPainter>

void drawFuseSymbol(QPainter *painter)
{
    if (!painter)
        return;
    const QLineF lines[6] = {
        QLineF(0, 0, 40, 0),     QLineF(120, 0, 160, 0),  QLineF(40, -15, 120, -15),
        QLineF(120, -15, 120, 15), QLineF(120, 15, 40, 15), QLineF(40, 15, 40, -15),
    };
    painter->drawLines(lines, 6);
}
