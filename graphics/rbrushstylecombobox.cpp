#include "graphics/rbrushstylecombobox.h"

#include "model/check.h"

namespace {

struct BrushStyleName
{
    const char *name;
    Qt::BrushStyle style;
};

const BrushStyleName brushStyles[] = {
    {"NoBrush", Qt::NoBrush},
    {"SolidPattern", Qt::SolidPattern},
    {"Dense1Pattern", Qt::Dense1Pattern},
    {"Dense2Pattern", Qt::Dense2Pattern},
    {"Dense3Pattern", Qt::Dense3Pattern},
    {"Dense4Pattern", Qt::Dense4Pattern},
    {"Dense5Pattern", Qt::Dense5Pattern},
    {"Dense6Pattern", Qt::Dense6Pattern},
    {"Dense7Pattern", Qt::Dense7Pattern},
    {"HorPattern", Qt::HorPattern},
    {"VerPattern", Qt::VerPattern},
    {"CrossPattern", Qt::CrossPattern},
    {"BDiagPattern", Qt::BDiagPattern},
    {"FDiagPattern", Qt::FDiagPattern},
    {"DiagCrossPattern", Qt::DiagCrossPattern},
};

} // namespace

RBrushStyleComboBox::RBrushStyleComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setIconSize(sizeHint());
    for (const BrushStyleName &entry : brushStyles)
        addItem(QString::fromLatin1(entry.name), int(entry.style));
    setCurrentBrushStyle(int(Qt::SolidPattern));
}

void RBrushStyleComboBox::setCurrentBrushStyle(int style)
{
    const int index = findData(style);
    if (CHECK(index >= 0 && index < count()))
        setCurrentIndex(index);
}

int RBrushStyleComboBox::currentBrushStyle() const
{
    const int index = currentIndex();
    if (!CHECK(index >= 0 && index < count()))
        return int(Qt::SolidPattern);
    bool ok = false;
    const int style = itemData(index).toInt(&ok);
    if (!CHECK(ok))
        return int(Qt::SolidPattern);
    return style;
}
