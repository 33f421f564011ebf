#ifndef RLAY_WIRINGBUILDER_H
#define RLAY_WIRINGBUILDER_H

// The calls by which the wiring generation makes the pages of a frame's
// wiring documents: a page of one of the page classes under the frame's row
// with the frame's next sheet number, the DC pages of the frame's modules,
// a cable page's cables, the notes, and the pages a panel builds for
// itself. The wiring document classes answer them; a test or a benchmark
// may install pages of its own.

#include <QList>
#include <QString>

class Cable;
class Frame;
class GraphicsPlaceContainer;
class GraphicsScene;

class WiringBuilder
{
public:
    enum PageClass { PlainPage = 0, CablePage = 1, DCTablePage = 2, DCSchemePage = 3 };

    virtual ~WiringBuilder() = default;

    // A new page of the class with its name, kind and view, both captions
    // empty, under the frame's row with the frame's next sheet number; null
    // when it cannot be made. The caller owns it.
    virtual GraphicsScene *addPage(Frame *frame, int pageClass, const QString &name, int kind, bool frontView) = 0;
    // The DC table and DC scheme pages of the modules placed in the frame,
    // appended to the list in page order.
    virtual void addModulePages(Frame *frame, QList<GraphicsScene *> &pages) = 0;
    // The cables of a cable page.
    virtual void setCables(GraphicsScene *page, const QList<Cable *> &cables) = 0;
    // Adds a line to the page note unless the note holds the text already.
    virtual void appendNote(GraphicsScene *page, const QString &text) = 0;
    // Replaces the page note.
    virtual void setSecondCaption(GraphicsScene *page, const QString &text) = 0;
    // A panel (type UserType + 102) builds its own page, or those of the
    // panels it carries.
    virtual void buildPanelWiring(GraphicsPlaceContainer *panel) = 0;
    // The panel and the panels it carries let go of their pages; a power
    // bus is the user's and stays.
    virtual void releasePanelWiring(GraphicsPlaceContainer *panel) = 0;
    // The class and kind of a wiring page; false for any other sheet.
    virtual bool describe(const GraphicsScene *page, int *pageClass, int *kind) const = 0;

    // The builder the generation uses: the one installed, else the wiring
    // document classes.
    static WiringBuilder *installed();
    // Not owned; null goes back to the wiring document classes.
    static void install(WiringBuilder *builder);
};

#endif
