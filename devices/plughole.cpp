#include "devices/plughole.h"

#include <QCoreApplication>
#include <QPainter>

const TwoPinCatalogue plugholeCatalogue = {"Plughole", 0, nullptr, nullptr, nullptr, false, false};

Plughole::Plughole(Project *project)
    : TwoPinDevice(project, PlugholeKind, plugholeCatalogue)
{
}

Plughole::~Plughole() = default;

QString Plughole::modelName() const
{
    return QCoreApplication::translate("Plughole", "Plughole");
}

int Plughole::placeType() const
{
    return 34;
}

void Plughole::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *, bool)
{
    if (!painter)
        return;
    const QString text = baseName();
    painter->drawRect(rect);
    drawCentred(painter, rect, fittingFont(text, rect.width()), text);
}

void Plughole::paintCaption(QPainter *painter, const QRectF &rect)
{
    drawCaption(painter, rect, baseName());
}
