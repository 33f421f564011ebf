#include "graphics/rhboxlayout.h"

RHBoxLayout::RHBoxLayout()
    : QHBoxLayout()
{
}

RHBoxLayout::RHBoxLayout(QWidget *parent, int margin, int spacing)
    : QHBoxLayout(parent)
{
    setContentsMargins(margin, margin, margin, margin);
    setSpacing(spacing);
}
