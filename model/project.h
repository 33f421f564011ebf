#ifndef RLAY_PROJECT_H
#define RLAY_PROJECT_H

// The open document: one installation's devices, tags, schemes, equipment
// layout and specifications. It is also the project explorer, the tree that
// the main window shows in its "Project Explorer" dock. It owns the four
// managers whose branches make up the tree, the six project files, the
// registry that creates a device or tag from its kind code, and the index
// that finds every model object by kind and name; every change to the set of
// objects goes through it and is reported by its signals. The kinds and the
// managers are those the folders above registered (ProjectParts).

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QTreeWidget>

// The signals pass sheets and items: the meta-type system sees their classes.
#include "graphics/graphicsitem.h"
#include "graphics/graphicsscene.h"
#include "model/file.h"
#include "model/nameindex.h"
#include "model/pin.h"
#include "model/projectparts.h"

#include <array>
#include <memory>
#include <vector>

class CommitRecord;
class DataStream;
class HeapReserve;
class EquipmentMenager;
class File;
class Identified;
class ItemMenagerBase;
class Obj;
class ObjItem;
class Pin;
class Project;
class ProjectLock;
class QAction;
class Scheme;
class SchemeMenager;
class SpecificationManagerCable;
class SpecificationManagerDevice;

class Project : public QTreeWidget
{
    Q_OBJECT

public:
    enum { PropertyCount = 18, LanguageCount = 2, DefaultLanguage = 1 };
    // The six files: the main file, then the five side files.
    enum FileIndex {
        MainFile,
        DevicesFile,
        SchemesFile,
        EquipmentFile,
        SpecificationDeviceFile,
        SpecificationCableFile,
        FileCount
    };

    Project(QWidget *parent, QList<QAction *> *actions);
    ~Project() override;

    // True while the project is being destroyed: everything it holds goes
    // with it, so what dies need not tidy up what dies too (partners,
    // links, index entries).
    bool isClosing() const { return m_closing; }
    bool isLoading() const { return m_loading; }

    // Object index.
    Obj *findObj(int kind, const QString &name) const;
    // The name-to-object hash of a kind, null when the kind has none. Do
    // not keep it across changes of the index.
    const NameIndex *objectsOfKind(int kind) const;
    // The objects of a kind sorted by name: a stable order for files.
    QList<Obj *> sortedObjectsOfKind(int kind) const;
    // The kinds that have objects, ascending.
    QList<int> indexedKinds() const;
    bool appendObj(Obj *obj);
    // As appendObj, but the object indexed under its name already is let be.
    bool keepIndexed(Obj *obj);
    bool removeObj(Obj *obj);
    // removeObj for an object that may not be in the index (then nothing
    // happens), with one look-up.
    bool removeObjIfIndexed(Obj *obj);
    bool renameObj(Obj *obj, const QString &formerName);
    void updateObj(Obj *obj);
    // The frames, by frame code, whose wiring pages a change may alter
    // beyond their own layouts: a change of a placed device (a rename, a
    // module's commands, a clamp panel's strip) marks the frame it stands
    // in, a cable both frames it joins. The next save builds those frames'
    // pages anew and takes the marks.
    void noteWiringInput(const Obj *obj);
    // A drawing joined or left the object: told as objBindingsChanged,
    // except while the project is read or closed.
    void noteBindingsChanged(Obj *obj);
    void noteWiringFrame(quint32 frameCode);
    QSet<quint32> takeWiringFrames();

    // Registry.
    Obj *createDevice(int kind);
    QString kindName(int kind) const;
    const DeviceKindEntry *kindEntry(int kind) const;

    // Properties and flags.
    QString projectProperty(int index) const;
    void setProjectProperty(int index, const QString &text);
    int language() const { return m_language; }
    void setLanguage(int index);
    static QString languageName(int index);
    bool isModified() const { return m_modified; }
    void setModified(bool modified);
    void setDevicesChanged();
    void setSchemesChanged();
    void setEquipmentChanged();
    void setSpecificationDeviceChanged();
    void setSpecificationCableChanged();
    bool devicesChanged() const { return m_changed[0]; }
    bool schemesChanged() const { return m_changed[1]; }
    bool equipmentChanged() const { return m_changed[2]; }
    bool specificationDeviceChanged() const { return m_changed[3]; }
    bool specificationCableChanged() const { return m_changed[4]; }
    // After a save: every side file is written.
    void clearChangeFlags();
    // Grows whenever a record kept of an earlier save may no longer be
    // what a save writes for reasons its owner does not see (an object of
    // the project gone, a save as): a kept record is used only under the
    // count it was made under.
    quint64 recordEpoch() const { return m_recordEpoch; }
    // Writes bytes kept of an earlier save; written into the file the save
    // writes now, their checksum is taken as kept.
    void writeKeptBlock(DataStream &stream, const KeptBlock &block);
    bool hasFileName() const { return m_hasFileName; }
    void setHasFileName(bool has) { m_hasFileName = has; }
    void setBuildStamp(const QDateTime &stamp);
    bool keepsStamp() const { return m_keepStamp; }
    QDateTime stamp() const { return m_stamp; }

    // Files. The main file takes the path; each side file the same
    // directory and the main file's name up to its last dot, with its own
    // extension.
    void setFileName(const QString &path);
    QString fileName() const;
    File *file(int index) const;

    // Writes the side files whose change flag is set, then the main file;
    // a side file it does not write must still be on disk as this project
    // last read or wrote it, and is written anew otherwise, and so is a
    // sheet's file once the main file is not the one this project wrote.
    // Every file is first written beside its target and the targets are
    // replaced only once all of them were written, so a failed save leaves
    // the files on disk as they were. It needs the project's lock (below):
    // a save refused it, or refused as read-only, writes nothing. False
    // after the failure's message.
    bool save();
    // The next save writes every file anew ("Save as"): every side file,
    // every sheet's own file, every frame's wiring pages built from the
    // project as it stands; nothing kept from an earlier save or load.
    void prepareFullSave();
    // "Save as": the project takes the path and writes every file anew
    // there. Under a new name it writes nothing that the records of another
    // project name, even in the same folder: the branches take files of
    // their own. A failed one leaves the name, the flags and the files as
    // they were.
    bool saveAs(const QString &path);
    // Reads the project from its files (names set with setFileName); false
    // after a message that names the step and the file. Called once, on a
    // new project.
    bool load();
    // During a save: writes a file of this save beside its target; it
    // replaces the target when the whole save succeeds and is dropped
    // otherwise. False after the file's message.
    bool stageFile(File *file);
    // The date-time at which the program was built.
    static QDateTime buildDateTime();

    // One project, one writer: a lock file beside the main file names the
    // program that holds the project. lockFiles takes it for the current
    // name, taking over one left by a program that is gone; a load takes it
    // where it is free and only then finishes or undoes a save cut short; a
    // save takes it where it is free and keeps it under the name it saved
    // to, letting go of the one held under an earlier name once that save
    // stands. LockHeldElsewhere: lockHolder names the program that has it.
    enum LockResult { LockHeld, LockHeldElsewhere, LockUnavailable };
    LockResult lockFiles();
    QString lockHolder() const;
    // Why a lock could not be taken where no program holds it (LockUnavailable).
    QString lockUnavailableText() const;
    // Why an open waits for the lock's holder to end its save.
    QString beingSavedText() const;
    // Opened read-only: every save under the name it was opened with is
    // refused in words, and no load or save of it changes the files there.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const;

    // The managers of the branches under their own classes: the model
    // includes none of those (it drives them as ItemMenagerBase), so the
    // default argument names the class, which the caller includes.
    template <class Manager = SchemeMenager>
    Manager *schemes() const { return static_cast<Manager *>(m_schemes); }
    template <class Manager = EquipmentMenager>
    Manager *equipment() const { return static_cast<Manager *>(m_equipment); }
    template <class Manager = SpecificationManagerDevice>
    Manager *specificationDevice() const { return static_cast<Manager *>(m_specificationDevice); }
    template <class Manager = SpecificationManagerCable>
    Manager *specificationCable() const { return static_cast<Manager *>(m_specificationCable); }
    // The window's shared action list (not QWidget::actions()).
    QList<QAction *> *actionList() const { return m_actions; }
    // The sheet of the project's reference format (A3, landscape, one
    // sheet across); it belongs to no branch.
    template <class Sheet = Scheme>
    Sheet *referenceScheme() const { return static_cast<Sheet *>(m_referenceScheme); }

    void check(QTreeWidget *results, int code);

    // Identities written to files and to the clipboard. Every object, pin,
    // passage and place keeps one 32-bit identity for its whole life: the
    // one it was loaded with, or, when first asked for, a number that no
    // record of the project holds or held, nor any file of it names. A save
    // rewrites only the changed files, so the files left as they were and
    // those rewritten always agree. A null pointer is 0.
    // Records are looked up in spaces of their own when a project is read:
    // an identity is unique within its space.
    enum IdentitySpace { ObjectIdentities, PinIdentities, PassageIdentities, PlaceIdentities, IdentitySpaceCount };
    qint32 identity(const Obj *obj);
    qint32 identity(const Pin *pin);
    qint32 identity(const Identified *record, IdentitySpace space);
    // While the project is read: the record keeps the identity it was read
    // with, unless another record of its space holds that one already
    // (damaged data), and then gets a new one when it is next written.
    void keepIdentity(const Identified *record, qint32 id, IdentitySpace space);
    // Marks a save or a clipboard copy. Identities no longer depend on it;
    // it stays for the callers that open one.
    class IdentityScope
    {
    public:
        explicit IdentityScope(Project &) {}
        IdentityScope(const IdentityScope &) = delete;
        IdentityScope &operator=(const IdentityScope &) = delete;
    };

    // Load support: the identities read map to the new objects and pins.
    // An identity stands for one object: false, and nothing changes, when
    // it already stands for another.
    bool registerOldId(int id, Obj *obj);
    Obj *objByOldId(int id) const;
    // During a paste: whether the object stands for an identity other than
    // the one given (another copied object became it).
    bool standsForOtherId(const Obj *obj, int id) const;
    // During a paste: an item whose copied object its fellows took to
    // another one (a relay's second winding, refused by the relay that took
    // the first) keeps the object it chose.
    void notePasteChoice(const ObjItem *item, Obj *obj) { m_pasteChoices.insert(item, obj); }
    Obj *pasteChoiceOf(const ObjItem *item) const { return m_pasteChoices.value(item, nullptr); }
    // The same for the scene items that other items of their sheet refer
    // to (passages): an identity is looked up on the sheet that asks, so
    // that sheets written apart never take each other's items.
    void registerOldItem(int id, GraphicsItem *item);
    GraphicsItem *itemByOldId(int id, const GraphicsScene *scene) const;
    void clearOldIds();
    QHash<int, Pin *> &pinMap() { return m_pinMap; }
    // Reads a pin's record: while the project is read into the pins of the
    // load, else into the map.
    void readPin(Pin &pin, DataStream &stream);
    bool updatePinsPointers();
    // A paste reads records that may come from anywhere. The objects it
    // indexes and the items it binds are noted, so that a paste that cannot
    // be read whole takes them back: endPaste(false), called before the
    // pasted items are deleted, unbinds them (no object that was there
    // before goes with them), deletes the objects and forgets the pins.
    // Either way endPaste forgets the identities read.
    void beginPaste();
    void endPaste(bool keep);
    // The objects note every item bound and every object deleted meanwhile.
    void notePasteBinding(Obj *obj, ObjItem *item);
    void forgetPasted(const Obj *obj);
    // Tells the user that the clipboard holds data this program cannot
    // paste and that nothing was pasted.
    static void refusePaste();
    bool isPasting() const { return m_pasting; }

    // While a project is read: a reader of a file other than its pass's own
    // (a scheme's file) names that file as the one that failed, for the
    // load's message.
    void setFailedFile(const QString &path)
    {
        if (m_failedFile.isEmpty())
            m_failedFile = path;
    }

    // The devices side file's content after its name and date: the kinds
    // above 100 in ascending order, each with its objects by name.
    void writeDevices(DataStream &stream);
    // Reads it back, creating and indexing every object; false with the
    // message set when the data is damaged.
    bool readDevices(DataStream &stream, QString *message);

    void emitShowGraphicsScene(GraphicsScene &scene, GraphicsItem *item = nullptr);
    void emitDeleteGraphicsScene(GraphicsScene *scene);
    void emitNameChangedGraphicsScene(const GraphicsScene &scene);

signals:
    void projectChanged();
    void showGraphicsScene(GraphicsScene &scene, GraphicsItem *item = nullptr);
    void deleteGraphicsScene(GraphicsScene *scene);
    void nameChangedGraphicsScene(const GraphicsScene &scene);
    void objAppend(Obj &obj);
    void objDelete(Obj &obj);
    void objUpdate(Obj &obj);
    void objBindingsChanged(Obj &obj);

public slots:
    void changeCurrentItem(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void doubleClickCurrentItem(QTreeWidgetItem *item, int column);
    void doubleClickCurrentItem(QTreeWidgetItem *item);
    void collapseItem(QTreeWidgetItem *item);
    void expandedItem(QTreeWidgetItem *item);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void setSideFileChanged(int flag);
    // Indexes the object under its name as appendObj does; with mayBeThere
    // the object already indexed there is let be.
    bool indexObj(Obj *obj, bool mayBeThere);
    // The same, the name's hash in its kind's index given (NameIndex::fetchAhead).
    bool indexObj(Obj *obj, bool mayBeThere, quint32 hash);
    // Takes the entry out (and the kind, when it was its last), then
    // announces the object as removeObj does.
    void eraseFromIndex(QHash<int, NameIndex>::iterator inner, qsizetype entry);
    void forgetOldIds(const Obj *obj);
    QString sideFilePath(int index, bool firstDot) const;
    // Another project beside path whose side files bear the names a project
    // saved at path would write: one whose name differs only in the letters
    // of its extension ("plant.RLAY" beside "plant.rlay"), or one whose side
    // files are named up to the first dot of its main file as older projects
    // have them ("plant.v1.rlay" reads "plant.obj"); empty when there is none.
    static QString projectReadingSideFilesOf(const QString &path);
    bool writeSideFile(int index, DataStream &stream);
    void writeMainFile(DataStream &stream);
    enum MainFileResult { MainFileRead, MainFileDamaged, ProgramTooOld };
    MainFileResult readMainFile(DataStream *const *streams);
    void runLoadPasses(DataStream *const *streams, QString *message, HeapReserve &reserve);
    void useRecordedSideFileNames();
    // Takes the managers' branches out of the tree, with no row current:
    // rows added to or deleted from a branch out there cost the tree no
    // notification each.
    QList<QTreeWidgetItem *> takeBranches();

    QHash<int, DeviceKindEntry> m_registry;
    QHash<int, NameIndex> m_index;
    QSet<quint32> m_wiringFrames;
    // The branches, made by the factories registered for them.
    ItemMenagerBase *m_schemes = nullptr;
    ItemMenagerBase *m_equipment = nullptr;
    ItemMenagerBase *m_specificationDevice = nullptr;
    ItemMenagerBase *m_specificationCable = nullptr;
    GraphicsScene *m_referenceScheme = nullptr;
    bool m_modified = false;
    // Devices, schemes, equipment, device and cable specification.
    bool m_changed[5] = {false, false, false, false, false};
    // The change flags asked for since it was last cleared, set or not.
    unsigned m_changeRequests = 0;
    bool m_hasFileName = false;
    int m_language = DefaultLanguage;
    QString m_properties[PropertyCount];
    QList<QAction *> *m_actions;
    IdentityTable<Obj> m_oldIds;
    // During a paste, the identity each object registered stands for.
    QHash<const Obj *, int> m_pasteIdOf;
    QHash<const ObjItem *, Obj *> m_pasteChoices;
    QMultiHash<int, GraphicsItem *> m_oldItems;
    QHash<int, Pin *> m_pinMap;
    PinIndex m_readPins;
    std::array<std::unique_ptr<File>, FileCount> m_files;
    bool m_keepStamp = false;
    QDateTime m_stamp;

    // The lock this project holds, for the name it gives, and the name it
    // was opened read-only under.
    std::unique_ptr<ProjectLock> m_lock;
    QString m_readOnlyPath;
    bool holdsLock();
    // A lock taken for the current name; null when this project holds it
    // already (LockHeld) or cannot take it.
    std::unique_ptr<ProjectLock> newLock(LockResult *result);
    // The names a commit record knows as the project's own files.
    QStringList sideFileNames() const;
    // Marks for writing every file this save would leave unwritten that is
    // no longer the one the project last read or wrote.
    void markFilesChangedOnDisk();

    // The save under way and the record of the files it has written; the
    // stream of the file it writes now.
    bool m_saving = false;
    DataStream *m_savingStream = nullptr;
    File *m_savingFile = nullptr;
    CommitRecord *m_commit = nullptr;
    // The main file beside which no staged file is left: so found by the
    // last load or save of it, with every save since replacing all it
    // staged. A save then looks only for a commit record there.
    QString m_tidyBeside;

    // Identities held, by space (each space is looked up apart on loading,
    // so each set is unique on its own); new numbers avoid them all.
    qint32 newIdentity();
    qint32 giveIdentity(qint32 &held, IdentitySpace space);
    void adoptIdentity(qint32 &held, qint32 id, IdentitySpace space);
    // Identities are numbered from 1 up: a bit table holds them, a hash
    // the others (damaged data).
    class IdentitySet
    {
    public:
        bool contains(qint32 id) const
        {
            return (id > 0 && size_t(id) < m_bits.size() && m_bits[size_t(id)])
                || (!m_outliers.isEmpty() && m_outliers.contains(id));
        }
        // held: the identities the project holds in every space, among
        // which this space's are spread; counts the one added.
        void insert(qint32 id, size_t &held);

    private:
        std::vector<bool> m_bits;
        QSet<qint32> m_outliers;
    };
    std::array<IdentitySet, IdentitySpaceCount> m_identities;
    size_t m_heldIdentities = 0;
    qint32 m_lastIdentity = 0;
    // While a project is read, the identities read become the records'
    // own.
    bool m_loading = false;
    // The paste under way, the objects it has indexed and the items it has
    // bound.
    bool m_pasting = false;
    QList<Obj *> m_pasteAdded;
    QList<std::pair<Obj *, ObjItem *>> m_pasteBound;
    QString m_failedFile;
    bool m_closing = false;
    // The devices file as the last save wrote it, kind by kind: the kind's
    // objects in the order of their names and their records in runs of a
    // fixed number of objects, each run kept until one of its objects
    // changes. A kind whose index changes (an object added, removed or
    // renamed) is sorted and written anew whole.
    struct DeviceKindRecord
    {
        QList<Obj *> sorted;
        std::vector<KeptBlock> runs;
        int format = -1;
    };
    QHash<int, DeviceKindRecord> m_deviceRecords;
    void forgetDeviceKind(int kind) { m_deviceRecords.remove(kind); }
    quint64 m_recordEpoch = 0;
    void forgetDeviceRecord(const Obj *obj);
    // The carried objects that went with their items while the project
    // closes.
    std::vector<const Obj *> m_goneCarried;
};

#endif
