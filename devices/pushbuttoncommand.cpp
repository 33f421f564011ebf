#include "devices/pushbuttoncommand.h"

#include "devices/graphicscommand.h"
#include "devices/module.h"
#include "devices/modulecatalogue.h"
#include "graphics/font.h"

#include <QPainter>

namespace {

// Item units to button pixels.
const double commandScaleX = 0.37401574803149606;
const double commandScaleY = 0.37795275590551186;
const double commandMargin = 10;
const double areaWidth = 200;
const double areaHeight = 150;

} // namespace

PushButtonCommand::PushButtonCommand(int kind, QWidget *parent)
    : QPushButton(parent)
    , m_kind(kind)
{
    setCheckable(true);
}

PushButtonCommand::~PushButtonCommand() = default;

QSize PushButtonCommand::sizeHint() const
{
    return QSize(qRound(2 * commandMargin + areaWidth * commandScaleX), qRound(2 * commandMargin + areaHeight * commandScaleY));
}

void PushButtonCommand::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!isCommandKind(m_kind))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(commandScaleX, commandScaleY);
    const double symbol = GraphicsCommand::symbolWidth(m_kind);
    const double dx = commandMargin / commandScaleX + ((width() - 2 * commandMargin) / commandScaleX - symbol) / 2;
    const double dy = commandMargin / commandScaleY + 88;
    painter.translate(dx, dy);
    painter.setPen(isChecked() ? penBlue : penBlack);
    drawCommand(&painter, m_kind, true, false);
    if (!hasFontSet())
        return;
    painter.setFont(::font(3));
    const QRectF title = m_kind == 0 ? QRectF(0, -78, 120, 40) : QRectF(0, -88, 200, 40);
    painter.drawText(title, Qt::AlignCenter, Module::typeModelName(commandKindModuleTypes[m_kind]));
}
