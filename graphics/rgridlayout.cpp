#include "graphics/rgridlayout.h"

RGridLayout::RGridLayout()
    : QGridLayout()
{
}

RGridLayout::RGridLayout(QWidget *parent, int margin, int spacing)
    : QGridLayout(parent)
{
    setContentsMargins(margin, margin, margin, margin);
    setSpacing(spacing);
}
