#ifndef RLAY_SHEETFRAME_H
#define RLAY_SHEETFRAME_H

// The drawing frame of a technical sheet, drawn as every sheet's background:
// the grid of dots, the frame line with its wider margin on the binding
// side, the small table in the binding margin and the title block (stamp) in
// the bottom-right corner, filled from the project's properties and from
// translated captions. The stamp and table geometry are constant tables in
// the coordinates of each table (origin at its top-left corner).

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>

class GraphicsScene;
class QPainter;

// One text cell of a stamp or of the binding table.
struct StampCell
{
    QRectF rect;
    // 0 to 17 a project property, 18 to 30 a translated caption.
    int textId;
    int flags;
    int fontIndex;
    // Drawn only when this project property is not empty; 18: always.
    int showIf;
};

struct StampLayout
{
    const QLineF *thickLines;
    int thickCount;
    const QLineF *thinLines;
    int thinCount;
    const StampCell *cells;
    int cellCount;
};

// Indexed by the sheet's border type: 0 the big stamp, 1 the small one.
extern const StampLayout sheetFrameGeometry[2];
extern const StampLayout bindingTableGeometry;

class SheetFrame
{
public:
    enum {
        BigWidth = 1850,
        BigHeight = 550,
        SmallHeight = 150,
        Margin = 50,
        BindingMargin = 200,
        BindingTableDepth = 120,
        FirstCaption = 18,
        PageWordCaption = 30,
        AlwaysShown = 18
    };

    // A caption's key for a project language, and its translation in the
    // context "GraphicsScene".
    static const char *captionKey(int textId, int language);
    static QString caption(int textId, int language);

    // The frame line of a sheet: the scene rectangle shrunk by 50 on the
    // right and at the bottom, by 200 on the binding side (0 left, 1 top)
    // and by 50 on the remaining side.
    static QRectF frameRect(const QRectF &sceneRect, int bindingPosition);
    // The stamp's rectangle: its bottom-right corner is the frame's.
    static QRectF stampRect(const QRectF &sceneRect, int borderType);

    // Draws grid, stamp, frame and binding table for the exposed area.
    static void draw(GraphicsScene &scene, QPainter *painter, const QRectF &exposed);
};

#endif
