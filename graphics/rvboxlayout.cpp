#include "graphics/rvboxlayout.h"

RVBoxLayout::RVBoxLayout()
    : QVBoxLayout()
{
}

RVBoxLayout::RVBoxLayout(QWidget *parent, int margin, int spacing)
    : QVBoxLayout(parent)
{
    setContentsMargins(margin, margin, margin, margin);
    setSpacing(spacing);
}
