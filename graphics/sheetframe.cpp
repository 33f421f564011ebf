#include "graphics/sheetframe.h"

#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/displayflags.h"
#include "model/project.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>

#include <utility>

namespace {

const int centredWrapped = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap; // 0x1084
const int centredLine = Qt::AlignHCenter | Qt::AlignVCenter;                 // 0x84
const int always = SheetFrame::AlwaysShown;

const QLineF bigThick[] = {
    {0, 0, 1850, 0},       {1850, 0, 1850, 550},  {1850, 550, 0, 550},   {0, 550, 0, 0},
    {650, 100, 1850, 100}, {650, 250, 1850, 250}, {650, 400, 1850, 400}, {1350, 300, 1850, 300},
    {0, 200, 650, 200},    {0, 250, 650, 250},    {100, 0, 100, 250},    {200, 0, 200, 550},
    {300, 0, 300, 250},    {400, 0, 400, 550},    {550, 0, 550, 550},    {650, 0, 650, 550},
    {1350, 250, 1350, 550}, {1500, 250, 1500, 400}, {1650, 250, 1650, 400},
};

const QLineF bigThin[] = {
    {0, 50, 650, 50},   {0, 100, 650, 100}, {0, 150, 650, 150}, {0, 300, 650, 300},
    {0, 350, 650, 350}, {0, 400, 650, 400}, {0, 450, 650, 450}, {0, 500, 650, 500},
};

const StampCell bigCells[] = {
    {{0, 200, 100, 50}, 18, centredWrapped, 3, always},
    {{100, 200, 100, 50}, 19, centredWrapped, 3, always},
    {{200, 200, 100, 50}, 20, centredWrapped, 3, always},
    {{300, 200, 100, 50}, 21, centredWrapped, 3, always},
    {{400, 200, 150, 50}, 22, centredWrapped, 3, always},
    {{550, 200, 100, 50}, 23, centredWrapped, 3, always},
    {{1350, 250, 150, 50}, 24, centredWrapped, 3, always},
    {{1500, 250, 150, 50}, 25, centredWrapped, 3, always},
    {{1650, 250, 200, 50}, 26, centredWrapped, 3, always},
    {{650, 0, 1200, 100}, 0, centredWrapped, 8, always},
    {{650, 100, 1200, 150}, 1, centredWrapped, 5, always},
    {{650, 250, 700, 150}, 2, centredWrapped, 5, always},
    {{1350, 400, 500, 150}, 3, centredWrapped, 5, always},
    {{1350, 300, 150, 100}, 16, centredWrapped, 5, always},
    // The six member rows: first field, second field, date.
    {{5, 250, 200, 50}, 4, leftMiddle, 3, always},
    {{5, 300, 200, 50}, 5, leftMiddle, 3, always},
    {{5, 350, 200, 50}, 6, leftMiddle, 3, always},
    {{5, 400, 200, 50}, 7, leftMiddle, 3, always},
    {{5, 450, 200, 50}, 8, leftMiddle, 3, always},
    {{5, 500, 200, 50}, 9, leftMiddle, 3, always},
    {{205, 250, 200, 50}, 10, leftMiddle, 3, always},
    {{205, 300, 200, 50}, 11, leftMiddle, 3, always},
    {{205, 350, 200, 50}, 12, leftMiddle, 3, always},
    {{205, 400, 200, 50}, 13, leftMiddle, 3, always},
    {{205, 450, 200, 50}, 14, leftMiddle, 3, always},
    {{205, 500, 200, 50}, 15, leftMiddle, 3, always},
    {{550, 250, 100, 50}, 17, centredLine, 3, 4},
    {{550, 300, 100, 50}, 17, centredLine, 3, 5},
    {{550, 350, 100, 50}, 17, centredLine, 3, 6},
    {{550, 400, 100, 50}, 17, centredLine, 3, 7},
    {{550, 450, 100, 50}, 17, centredLine, 3, 8},
    {{550, 500, 100, 50}, 17, centredLine, 3, 9},
};

const QLineF smallThick[] = {
    {0, 0, 1850, 0},      {1850, 0, 1850, 150},  {1850, 150, 0, 150},   {0, 150, 0, 0},
    {0, 100, 650, 100},   {1750, 70, 1850, 70},  {100, 0, 100, 150},    {200, 0, 200, 150},
    {300, 0, 300, 150},   {400, 0, 400, 150},    {550, 0, 550, 150},    {650, 0, 650, 150},
    {1750, 0, 1750, 150},
};

const QLineF smallThin[] = {
    {0, 50, 650, 50},
};

const StampCell smallCells[] = {
    {{0, 100, 100, 50}, 18, centredWrapped, 3, always},
    {{100, 100, 100, 50}, 19, centredWrapped, 3, always},
    {{200, 100, 100, 50}, 20, centredWrapped, 3, always},
    {{300, 100, 100, 50}, 21, centredWrapped, 3, always},
    {{400, 100, 150, 50}, 22, centredWrapped, 3, always},
    {{550, 100, 100, 50}, 23, centredWrapped, 3, always},
    {{1750, 0, 100, 70}, 20, centredWrapped, 3, always},
    {{650, 0, 1100, 150}, 0, centredWrapped, 8, always},
};

const QLineF bindingLines[] = {
    {0, 0, 850, 0},     {0, 50, 850, 50},     {0, 0, 0, 120},
    {250, 0, 250, 120}, {600, 0, 600, 120},   {850, 0, 850, 120},
};

const StampCell bindingCells[] = {
    {{0, 0, 250, 50}, 27, centredWrapped, 3, always},
    {{250, 0, 350, 50}, 28, centredWrapped, 3, always},
    {{600, 0, 250, 50}, 29, centredWrapped, 3, always},
};

template <class T, int N>
constexpr int countOf(const T (&)[N])
{
    return N;
}

// Captions 18 to 30, one key per project language.
const char *const captionKeys[13][2] = {
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_Edit"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_Edit")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_Cnt"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_Cnt")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_Pag."), QT_TRANSLATE_NOOP("GraphicsScene", "UA_Pag.")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_NDoc"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_NDoc")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_Sign"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_Sign")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_Date"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_Date")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_Stage"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_Stage")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_Page"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_Page")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_Pages"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_Pages")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_InvNum"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_InvNum")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_SignDate"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_SignDate")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_ReplNum"), QT_TRANSLATE_NOOP("GraphicsScene", "UA_ReplNum")},
    {QT_TRANSLATE_NOOP("GraphicsScene", "RU_p."), QT_TRANSLATE_NOOP("GraphicsScene", "UA_p.")},
};

QPen framePen(double width)
{
    return QPen(QBrush(Qt::black, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

int languageOf(const GraphicsScene &scene)
{
    const Project *project = scene.project();
    return project && project->language() == 1 ? 1 : 0;
}

// Draws the lines of a table with the thick pen and then the thin one, and
// its cells; fonts are set only when they change.
void drawTable(GraphicsScene &scene, QPainter *painter, const StampLayout &layout, int language)
{
    painter->setPen(framePen(penWidth));
    for (int i = 0; i < layout.thickCount; ++i)
        painter->drawLine(layout.thickLines[i]);
    if (layout.thinCount > 0) {
        painter->setPen(framePen(halfPenWidth));
        for (int i = 0; i < layout.thinCount; ++i)
            painter->drawLine(layout.thinLines[i]);
    }
    if (!hasFontSet())
        return;

    int currentFont = -1;
    for (int i = 0; i < layout.cellCount; ++i) {
        const StampCell &cell = layout.cells[i];
        QString text = cell.textId < SheetFrame::FirstCaption ? scene.property(cell.textId)
                                                              : SheetFrame::caption(cell.textId, language);
        if (cell.textId == 0)
            text += scene.groupNumberText();

        int fontIndex = cell.fontIndex;
        if ((cell.textId >= 1 && cell.textId <= 3) || cell.textId >= SheetFrame::FirstCaption) {
            // Long titles, and captions too wide for their narrow cells,
            // take the first smaller size whose wrapped text fits; at the
            // smallest size the text is drawn as it comes.
            while (fontIndex > 0) {
                const QRectF needed
                    = QFontMetricsF(font(fontIndex), painter->device()).boundingRect(cell.rect, cell.flags, text);
                if (needed.width() <= cell.rect.width() && needed.height() <= cell.rect.height())
                    break;
                --fontIndex;
            }
            painter->setFont(font(fontIndex));
            currentFont = fontIndex;
        } else if (fontIndex != currentFont) {
            painter->setFont(font(fontIndex));
            currentFont = fontIndex;
        }

        if (cell.showIf < SheetFrame::AlwaysShown && scene.property(cell.showIf).isEmpty())
            continue;
        painter->drawText(cell.rect, cell.flags, text);
    }
}

void drawGrid(QPainter *painter, const QRectF &area, int step)
{
    painter->setPen(QPen(Qt::black, 0));
    const int x0 = qMax(step, qRound(area.x() / step) * step);
    const int y0 = qMax(step, qRound(area.y() / step) * step);
    const int xEnd = qRound(area.x() + area.width());
    const int yEnd = qRound(area.y() + area.height());
    QPolygon row;
    for (int y = y0; y < yEnd; y += step) {
        row.clear();
        for (int x = x0; x < xEnd; x += step)
            row.append(QPoint(x, y));
        if (!row.isEmpty())
            painter->drawPoints(row);
    }
}

} // namespace

const StampLayout sheetFrameGeometry[2] = {
    {bigThick, countOf(bigThick), bigThin, countOf(bigThin), bigCells, countOf(bigCells)},
    {smallThick, countOf(smallThick), smallThin, countOf(smallThin), smallCells, countOf(smallCells)},
};

const StampLayout bindingTableGeometry = {bindingLines, countOf(bindingLines), nullptr, 0, bindingCells,
                                          countOf(bindingCells)};

const char *SheetFrame::captionKey(int textId, int language)
{
    if (textId < FirstCaption || textId > PageWordCaption)
        return "";
    return captionKeys[textId - FirstCaption][language == 1 ? 1 : 0];
}

QString SheetFrame::caption(int textId, int language)
{
    return QCoreApplication::translate("GraphicsScene", captionKey(textId, language));
}

QRectF SheetFrame::frameRect(const QRectF &sceneRect, int bindingPosition)
{
    if (bindingPosition == 1)
        return sceneRect.adjusted(Margin, BindingMargin, -Margin, -Margin);
    return sceneRect.adjusted(BindingMargin, Margin, -Margin, -Margin);
}

QRectF SheetFrame::stampRect(const QRectF &sceneRect, int borderType)
{
    const double height = borderType == 0 ? BigHeight : SmallHeight;
    return QRectF(sceneRect.right() - BigWidth - Margin, sceneRect.bottom() - height - Margin, BigWidth, height);
}

void SheetFrame::draw(GraphicsScene &scene, QPainter *painter, const QRectF &exposed)
{
    if (!painter)
        return;
    painter->save();
    painter->setBrush(Qt::NoBrush);
    const QRectF sheet = scene.sceneRect();
    const QRectF area = exposed & sheet;
    const int language = languageOf(scene);

    if (scene.gridStep() > 0 && !hideHelp)
        drawGrid(painter, area, scene.gridStep());

    const bool big = scene.borderType() == 0;
    const QRectF stamp = stampRect(sheet, scene.borderType());
    if (area.intersects(stamp.adjusted(-halfPenWidth, -halfPenWidth, halfPenWidth, halfPenWidth))) {
        painter->save();
        painter->translate(stamp.topLeft());
        drawTable(scene, painter, sheetFrameGeometry[big ? 0 : 1], language);
        if (hasFontSet()) {
            if (big) {
                painter->setFont(font(4));
                painter->drawText(QRectF(650, 400, 700, 150), centredWrapped, scene.name());
            }
            painter->setFont(font(5));
            painter->drawText(big ? QRectF(1500, 300, 150, 100) : QRectF(1750, 70, 100, 80), centredWrapped,
                              QString::number(scene.number()));
        }
        painter->restore();
    }

    const QRectF frame = frameRect(sheet, scene.bindingPosition());
    painter->setPen(framePen(penWidth));
    painter->drawRect(frame);

    painter->save();
    if (scene.bindingPosition() == 1) {
        painter->translate(frame.topLeft() - QPointF(0, BindingTableDepth));
    } else {
        // Runs upward along the frame's left edge, captions outermost.
        painter->translate(frame.bottomLeft() - QPointF(BindingTableDepth, 0));
        painter->rotate(-90);
    }
    drawTable(scene, painter, bindingTableGeometry, language);
    painter->restore();

    painter->restore();
}
