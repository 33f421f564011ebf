#ifndef RLAY_WIRINGBUILDER_H
#define RLAY_WIRINGBUILDER_H

// The calls by which the wiring generation makes the pages of a frame's
// wiring documents: a page of one of the four page classes under the
// frame's row with the frame's next sheet number, its modules or cables,
// its notes, and the pages a panel builds for itself. The wiring document
// classes answer them; while no builder is installed the generation makes
// nothing.

#include <QList>
#include <QString>

class Cable;
class Device;
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
    // The modules of a DC table page, the module of a DC scheme page, the
    // cables of a cable page.
    virtual void setModules(GraphicsScene *page, const QList<Device *> &modules) = 0;
    virtual void setModule(GraphicsScene *page, Device *module, bool firstPage) = 0;
    virtual void setCables(GraphicsScene *page, const QList<Cable *> &cables) = 0;
    // Adds a line to the page note unless the note holds the text already.
    virtual void appendNote(GraphicsScene *page, const QString &text) = 0;
    // Replaces the page note.
    virtual void setSecondCaption(GraphicsScene *page, const QString &text) = 0;
    // A panel (type UserType + 102) builds its own page, or lets it go.
    virtual void buildPanelWiring(GraphicsPlaceContainer *panel) = 0;
    virtual void releasePanelWiring(GraphicsPlaceContainer *panel) = 0;
    // The class and kind of a wiring page; false for any other sheet.
    virtual bool describe(const GraphicsScene *page, int *pageClass, int *kind) const = 0;

    // The builder the generation uses; null makes nothing.
    static WiringBuilder *installed();
    // Not owned; null uninstalls.
    static void install(WiringBuilder *builder);
};

#endif
