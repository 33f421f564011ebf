#include "graphics/rpenstylecombobox.h"

#include "model/check.h"

#include <QIcon>

RPenStyleComboBox::RPenStyleComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setIconSize(sizeHint());
    addItem(QIcon(QStringLiteral(":/images/line_solid.png")), QString(), int(Qt::SolidLine));
    addItem(QIcon(QStringLiteral(":/images/line_dashed.png")), QString(), int(Qt::DashLine));
    addItem(QIcon(QStringLiteral(":/images/line_dotted.png")), QString(), int(Qt::DotLine));
    addItem(QIcon(QStringLiteral(":/images/line_dash_dot.png")), QString(), int(Qt::DashDotLine));
    addItem(QIcon(QStringLiteral(":/images/line_dash_dot_dot.png")), QString(), int(Qt::DashDotDotLine));
}

void RPenStyleComboBox::setCurrentPenStyle(int style)
{
    const int index = findData(style);
    if (CHECK(index >= 0 && index < count()))
        setCurrentIndex(index);
}

int RPenStyleComboBox::currentPenStyle() const
{
    const int index = currentIndex();
    if (!CHECK(index >= 0 && index < count()))
        return int(Qt::SolidLine);
    bool ok = false;
    const int style = itemData(index).toInt(&ok);
    if (!CHECK(ok))
        return int(Qt::SolidLine);
    return style;
}
