#ifndef RLAY_SCHEME_H
#define RLAY_SCHEME_H

// The schematic sheet. It belongs to a scheme group and keeps its drawing in
// a file of its own (".sch") in the group's directory beside the project;
// the schemes side file holds only that file's header record. It creates
// its items through the process-wide registry of scheme-item kinds (a hash
// from type id to the kind's record, filled once at start-up), keeps the
// list of its passages and lays their clamps out as a table at the right
// edge of the sheet.

#include "graphics/graphicsscene.h"
#include "model/file.h"

#include <QGraphicsItem>
#include <QList>
#include <QSet>

class DataStream;
class GraphicsItem;
class DlgPropGraphicsItem;
class GraphicsNet;
class SchemeGroup;
class SchemePassage;

using SchemeItemFactory = GraphicsItem *(*)(GraphicsScene *scene);
using SchemeDialogFactory = DlgPropGraphicsItem *(*)(GraphicsScene *scene);

// One row of the registry. A kind whose classes are not built yet has null
// factories: nothing of it is created and its toolbox command stays off.
struct SchemeItemType
{
    int typeId;
    SchemeItemFactory createItem;     // may be null
    SchemeDialogFactory createDialog; // may be null
    const char *name;      // the dialog title in the context "Scheme"; also
                           // the translation context of the kind's pin names
    const char *titleName; // the same text
};

// Factories for the registry rows of kinds made from the scene alone.
template <class Item>
GraphicsItem *newSchemeItem(GraphicsScene *scene)
{
    return new Item(scene);
}

template <class Dialog>
DlgPropGraphicsItem *newSchemeDialog(GraphicsScene *scene)
{
    return new Dialog(scene);
}

class Scheme : public GraphicsScene
{
    Q_OBJECT

public:
    // The type ids the sheet tells apart.
    enum {
        PassageType = QGraphicsItem::UserType + 104,
        TextType = QGraphicsItem::UserType + 6,
        FirstJoiningType = QGraphicsItem::UserType + 100,
        FirstWindingType = QGraphicsItem::UserType + 301,
        EndWindingType = QGraphicsItem::UserType + 400,
        FirstNamedType = QGraphicsItem::UserType + 200,
        EndNamedType = QGraphicsItem::UserType + 499
    };
    enum { ItemTypeCount = 39 };

    explicit Scheme(Project *project);
    ~Scheme() override;

    // Copies every row of the kinds table into the registry.
    static void registerItemTypes();
    // The record of a type id, or null.
    static const SchemeItemType *itemTypeRecord(int typeId);
    // Gives a registered row other factories (a stand-in kind); false for
    // a type id without a row.
    static bool setItemTypeFactories(int typeId, SchemeItemFactory item, SchemeDialogFactory dialog);
    // The rows of the kinds table, in table order.
    static const SchemeItemType *itemTypes(int &count);

    GraphicsItem *createItem(int type) override;
    DlgPropGraphicsItem *createDialog(int type) override;
    bool hasDialog(int type) const override;
    GraphicsEdit *createEdit(QList<QAction *> *actions) override;
    // A passage joins the passage list; one already in it is refused.
    bool addGraphicsItem(GraphicsItem *item) override;
    // A passage lets go of its clamps and leaves the list, which is laid
    // out again; a removed item's pins are unsoldered.
    bool removeGraphicsItem(GraphicsItem *item) override;
    // A passage made through its dialog takes its place in the table.
    void notifyItem(GraphicsItem *item) override;
    // " 03_07" for sheet 7 of group 3, then the modified mark.
    QString displayName() const override;
    // The number of the owning group; 0 outside a group.
    int groupNumber() const override;
    // The owning group's answer; the project's outside a group.
    QString property(int id) const override;

    // The record in the schemes side file: the header of the own file.
    void saveReference(DataStream &stream) override;
    void loadReference(DataStream &stream) override;
    // The drawing goes to and comes from the own file; nothing is written
    // to the side file. Only a modified scheme writes its file.
    void saveScene(DataStream &stream) override;
    bool saveItemsGeometry(DataStream &stream) override;
    bool loadScene(DataStream &stream) override;
    // The file the project's record names for this sheet, in its group's
    // directory; empty when the record names none that may be read.
    QString recordedFilePath() const;
    bool loadItemsGeometry(DataStream &stream) override;
    // A sheet pasted whole lays its passage table out as a loaded one does.
    void loadClipboardGeometry(DataStream &stream) override;
    // With true the relay windings, with false every other item.
    bool updatePointers(bool windings) override;
    void forgetItem(GraphicsItem *item) override;

    // The group this sheet belongs to, through the project tree.
    SchemeGroup *group() const;
    File &file() { return m_file; }
    // Gives the sheet its file in the group directory: a new name (not one
    // of the names taken) for a sheet without one, its own name in the new
    // directory for a sheet moved there. A sheet with a new name is marked
    // modified so that it is written there. False, after a message, when
    // no name is free.
    bool prepareFile(const QString &directory, QSet<QString> &takenNames);
    // Whether the sheet's file is named directly in the directory, as the
    // directory is written.
    bool hasFileIn(const QString &directory) const;
    // The save that wrote this sheet's file ended: on failure the sheet is
    // modified again and its record is what lies on disk.
    void saveFinished(bool saved);
    // The sheet's file as a Save as finds it, which a failed one puts back
    // in place of the end above.
    struct FileState
    {
        QString path;
        FileHeader record;
        bool modified = false;
    };
    FileState fileState() const { return {m_file.path(), m_file.record(), isModified()}; }
    void restoreFileState(const FileState &state);

    // The passages in the order they joined the sheet; a passage's number
    // is its place here plus one (-1 when it is not listed).
    const QList<GraphicsItem *> &passages() const { return m_passages; }
    int passageIndex(const GraphicsItem *passage) const;
    double clampColumnWidth() const { return m_clampColumnWidth; }
    // Lines the passages' clamps up in columns at the right edge and
    // repaints the sheet.
    void layoutPassages();

    // Appends the items whose name contains the text: a bound item's
    // object name (its own without one), with includeTexts also a text's
    // string. A whole-name search wants the name exactly as long as the
    // text.
    void findItems(const QString &text, QList<GraphicsItem *> &found, bool wholeName,
                   Qt::CaseSensitivity sensitivity, bool includeTexts, bool selectedOnly) const;

    // Soldering (schemesolder.cpp): what a pin offered at its place is
    // joined to, whether something could be joined at a free pin, and the
    // net whose free end lies at a point (that end becomes its moving one).
    void solderPin(Pin *pin, const QRectF &sceneRect, GraphicsPins *item) override;
    void checkPinContact(Pin *pin, const QRectF &sceneRect, GraphicsPins *item) override;
    GraphicsNet *freeNetEndAt(const QPointF &point);

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    void dropStream();
    // Lets go of what a failed save's first pass wrote.
    void abandonWrite();
    // The label font of the table, and the table's geometry.
    static int tableFontIndex();
    struct Block
    {
        double x;
        double y;
        double height;
        bool firstInColumn;
        bool firstColumn;
    };
    QList<Block> tableBlocks() const;
    void drawPassageTable(QPainter *painter) const;

    File m_file;
    DataStream *m_stream = nullptr;
    FileHeader m_savedRecord;
    bool m_savePending = false;
    QList<GraphicsItem *> m_passages;
    // The windings read since the last resolving pass.
    QList<GraphicsItem *> m_readWindings;
    double m_clampColumnWidth = 0;
};

// The passage part of an item of the passage type, or null.
SchemePassage *schemePassageCast(GraphicsItem *item);

#endif
