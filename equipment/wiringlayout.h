#ifndef RLAY_WIRINGLAYOUT_H
#define RLAY_WIRINGLAYOUT_H

// The wiring documents of a frame: A3 pages built from the frame layout each
// time a project is loaded, never stored as pages. A page shows how the
// devices, clamp panels and containers of a frame are wired (a part or row
// page), the table of the frame's control modules, the scheme of one module,
// or the cores of the cables that leave the frame. Only what the user draws
// on a page by hand (texts, lines, rectangles, ellipses, pictures) is saved,
// as a block of the equipment side file, and put back on the page built
// anew. A page hangs under its frame's row in the project tree; whoever
// built it owns it. Wiring pages and cable specification pages draw the
// project-name field over their title block.

#include "equipment/frame.h"
#include "graphics/graphicsscene.h"

#include <QList>
#include <QString>

#include <functional>

class Cable;
class GraphicsCommand;
class Module;
class Obj;
class Pin;

class WiringLayout : public GraphicsScene
{
    Q_OBJECT

public:
    // What the page shows; the title block and the frame line follow it.
    enum Kind { PartPage = 0, RowPage = 1, DCTablePage = 2, DCSchemePage = 3 };
    // The classes of page, as a row that stands for a page not yet built
    // names them.
    enum PageClass { PlainClass, CableClass, DCTableClass, DCSchemeClass };
    enum { ClassId = PlainClass };

    // The row, when given, is one that listed the page before it was
    // built: the page takes it as its own.
    WiringLayout(Project *project, Frame *frame, SceneItem *row = nullptr);
    ~WiringLayout() override;

    Frame *frame() const { return m_frame; }
    virtual int pageClass() const { return ClassId; }
    int kind() const { return m_kind; }
    void setKind(int kind) { m_kind = kind; }
    bool isFrontView() const { return m_frontView; }
    void setFrontView(bool front) { m_frontView = front; }
    // The rack or row the page belongs to; empty on frame-level pages.
    const QString &firstCaption() const { return m_firstCaption; }
    void setFirstCaption(const QString &caption) { m_firstCaption = caption; }
    // The page note: lines separated by U+2028, growing upwards.
    const QString &secondCaption() const;
    void setSecondCaption(const QString &caption) { m_secondCaption = caption; }
    // Adds a line to the note unless the note holds the text already.
    void appendNote(const QString &text) { appendNote(m_secondCaption, text); }
    static void appendNote(QString &note, const QString &text);
    // A note that names the wire sections of what the page shows stands for
    // them: the source works it out again whenever a chain may have changed
    // since (Pin::chainStamp), so that the page shows, prints and exports
    // the sections the schemes give now. The note set is the source's
    // answer of this moment. An empty source keeps the note as it is.
    void setNoteSource(std::function<QString()> source);

    GraphicsEdit *createEdit(QList<QAction *> *actions) override;
    // Only the user's drawings have dialogs here: a double click on a
    // generated picture opens nothing.
    bool hasDialog(int type) const override;
    // "F ", the frame's designation, "_" and the sheet number.
    QString sheetName() const;
    // The sheet name, marked while the page is modified.
    QString displayName() const override;
    int groupNumber() const override;
    QString property(int id) const override;

    // The user's own items: count, then type id and data of each.
    void saveUserItems(DataStream &stream) override;
    bool loadUserItems(DataStream &stream) override;
    bool saveUserItemsGeometry(DataStream &stream) override;
    bool loadUserItemsGeometry(DataStream &stream) override;

    // Whether an item of the type is the user's own (a drawing primitive):
    // generated wiring items never are.
    static bool isUserItemType(int type);

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    // The frame's designation after the label, at the right of the sheet.
    void drawFrameLine(QPainter *painter, const QString &label, double y);

private:
    QList<GraphicsItem *> userItems() const;

    Frame *m_frame;
    QString m_firstCaption;
    bool m_frontView = true;
    mutable QString m_secondCaption;
    std::function<QString()> m_noteSource;
    mutable quint64 m_noteStamp = 0;
    int m_kind = PartPage;
};

// The cores of the cables that leave the frame, one row each, in columns
// that repeat the table header.
class WiringLayoutCable : public WiringLayout
{
    Q_OBJECT

public:
    WiringLayoutCable(Project *project, Frame *frame, SceneItem *row = nullptr);
    ~WiringLayoutCable() override;
    enum { ClassId = CableClass };
    int pageClass() const override { return ClassId; }

    const QList<Cable *> &cables() const { return m_cables; }
    void setCables(const QList<Cable *> &cables) { m_cables = cables; }

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    QList<Cable *> m_cables;
};

// The table of up to two (TS, TU) or four (TV) control modules of one type:
// per module a block with its designation and clamp panel and a row per
// command number.
class WiringLayoutDCTable : public WiringLayout
{
    Q_OBJECT

public:
    WiringLayoutDCTable(Project *project, Frame *frame, SceneItem *row = nullptr);
    ~WiringLayoutDCTable() override;
    enum { ClassId = DCTableClass };
    int pageClass() const override { return ClassId; }

    const QList<Module *> &modules() const { return m_modules; }
    void setModules(const QList<Module *> &modules) { m_modules = modules; }
    void appendModule(Module *module) { m_modules.append(module); }

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private slots:
    // A module leaving the project leaves the page: its block stays empty.
    void dropObj(Obj &obj);

private:
    QList<Module *> m_modules;
};

// The commands of one module as symbols with the wire destination of each
// command pin. A module whose commands need two pages gets two; the first
// has the first-page flag.
class WiringLayoutDCScheme : public WiringLayout
{
    Q_OBJECT

public:
    WiringLayoutDCScheme(Project *project, Frame *frame, SceneItem *row = nullptr);
    ~WiringLayoutDCScheme() override;
    enum { ClassId = DCSchemeClass };
    int pageClass() const override { return ClassId; }

    Module *module() const { return m_module; }
    void setModule(Module *module) { m_module = module; }
    bool isFirstPage() const { return m_firstPage; }
    void setFirstPage(bool first) { m_firstPage = first; }

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private slots:
    // Without its module the page shows only its sheet.
    void dropObj(Obj &obj);

private:
    Module *m_module = nullptr;
    bool m_firstPage = false;
};

// The project's object name (property 2) in font 6, on a sheet of the given
// width and height: above the stamp for kind 0 (part and cable pages, cable
// specification lists), to the left of the stamp for the other kinds.
void drawTitleBlock(Project *project, int kind, QPainter *painter, double width, double height);

// The destination of one command pin: with draw, the scheme form (the pin's
// designation, lines, dots and notes); without, the table form (one text
// per clamp reached), setting drawn when it wrote one.
void drawCommandLink(QPainter *painter, double x, double y, GraphicsCommand *item, int pin, bool draw,
                     bool *drawn);

// The DC table and DC scheme pages of the frame's control modules, given
// by number, then name, appended to pages in page order: tables, then
// schemes, each by type in the order TU, TV, TS, and within a type the
// modules in the order given.
void createModuleWiringLayouts(Frame *frame, const QList<Module *> &modules, QList<WiringLayout *> &pages,
                               const QStringList *typeNames = nullptr);
// Whether the frame's type gives its modules DC pages.
bool hasModulePages(const Frame *frame);

extern template WiringLayout *Frame::addWiringLayout<WiringLayout>(const QString &, int, const QString &, bool,
                                                                   const QString &);
extern template WiringLayoutCable *Frame::addWiringLayout<WiringLayoutCable>(const QString &, int, const QString &,
                                                                             bool, const QString &);
extern template WiringLayoutDCTable *Frame::addWiringLayout<WiringLayoutDCTable>(const QString &, int,
                                                                                 const QString &, bool,
                                                                                 const QString &);
extern template WiringLayoutDCScheme *Frame::addWiringLayout<WiringLayoutDCScheme>(const QString &, int,
                                                                                   const QString &, bool,
                                                                                   const QString &);

#endif
