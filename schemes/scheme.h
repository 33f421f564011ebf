#ifndef RLAY_SCHEME_H
#define RLAY_SCHEME_H

// The schematic sheet. It belongs to a scheme group and keeps its drawing in
// a file of its own (".sch") in the group's directory beside the project;
// the schemes side file holds only that file's header record. It creates
// its items through the process-wide registry of scheme-item kinds (a hash
// from type id to the kind's record, filled once at start-up).

#include "graphics/graphicsscene.h"
#include "model/file.h"

#include <QSet>

class DataStream;
class GraphicsItem;
class DlgPropGraphicsItem;
class GraphicsNet;
class SchemeGroup;

struct SchemeItemType
{
    int typeId;
    GraphicsItem *(*createItem)(GraphicsScene *scene);         // may be null
    DlgPropGraphicsItem *(*createDialog)(GraphicsScene *scene); // may be null
    const char *name;      // also the translation context of the kind's pin names
    const char *titleName; // the same text
};

class Scheme : public GraphicsScene
{
    Q_OBJECT

public:
    explicit Scheme(Project *project);
    ~Scheme() override;

    // Copies every row of the kinds table into the registry.
    static void registerItemTypes();
    // The record of a type id, or null.
    static const SchemeItemType *itemTypeRecord(int typeId);

    GraphicsItem *createItem(int type) override;
    DlgPropGraphicsItem *createDialog(int type) override;
    GraphicsEdit *createEdit(QList<QAction *> *actions) override;
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
    bool loadItemsGeometry(DataStream &stream) override;
    // First the relay windings, then everything else.
    bool updatePointers(bool first) override;

    // The group this sheet belongs to, through the project tree.
    SchemeGroup *group() const;
    File &file() { return m_file; }
    // Gives the sheet its file in the group directory: a new name (not one
    // of the names taken) for a sheet without one, its own name in the new
    // directory for a sheet moved there. A sheet with a new name is marked
    // modified so that it is written there. False when no name is free.
    bool prepareFile(const QString &directory, QSet<QString> &takenNames);
    // The save that wrote this sheet's file ended: on failure the sheet is
    // modified again and its record is what lies on disk.
    void saveFinished(bool saved);

    // Soldering (schemesolder.cpp): what a pin offered at its place is
    // joined to, whether something could be joined at a free pin, and the
    // net whose free end lies at a point (that end becomes its moving one).
    void solderPin(Pin *pin, const QRectF &sceneRect, GraphicsPins *item) override;
    void checkPinContact(Pin *pin, const QRectF &sceneRect, GraphicsPins *item) override;
    GraphicsNet *freeNetEndAt(const QPointF &point);

private:
    void dropStream();

    File m_file;
    DataStream *m_stream = nullptr;
    FileHeader m_savedRecord;
    bool m_savePending = false;
};

#endif
