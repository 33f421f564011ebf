#ifndef RLAY_OBJ_H
#define RLAY_OBJ_H

// The model objects of a project: every device and every tag is an Obj,
// indexed by the project under its kind code and its name, and shown on the
// documents by the scene items bound to it.

#include <QHash>
#include <QList>
#include <QString>

class DataStream;
class Obj;
class Pin;
class PinOwner;
class Project;

// Kind codes. Below 100: objects carried inside a scene item; 101 to 199:
// tags; 201 and above: devices.
enum ObjKind {
    RelayWindingKind = 2,
    SourceKind = 101,
    FootnoteKind = 102,
    ConductorKind = 103,
    BlockKind = 201,
    RelayKind = 202,
    ClampPanelKind = 203,
    FuseKind = 204,
    TransKind = 205,
    PlugholeKind = 206,
    CapacitorKind = 207,
    ResistorKind = 208,
    DischargerKind = 209,
    VaristorKind = 210,
    DiodeKind = 211,
    StabilitronKind = 212,
    LampKind = 213,
    BellKind = 214,
    MeasuringPanelKind = 215,
    HeatingKind = 216,
    BoxKind = 217,
    InterrupterKind = 218,
    LuminodiodeKind = 219,
    SignallampKind = 220,
    ButtonKind = 221,
    CommutatorKind = 222,
    KeystaffKind = 223,
    ModuleKind = 224,
    AmmeterKind = 225,
    AutoSwitchKind = 226
};

// What an object needs of a scene item bound to it. The bound scene items
// implement it; the object keeps the list of its items and tells each one
// when it is bound, unbound or renamed.
class ObjItem
{
public:
    virtual ~ObjItem();

    // The item's pins and scene item (its type id tells device items from
    // tag items).
    virtual PinOwner *pinOwner() = 0;
    virtual Obj *boundObj() const = 0;
    // Only the field: the object keeps its list itself.
    virtual void setBoundObj(Obj *obj) = 0;
    virtual void setOwnName(const QString &name) = 0;
    // Marks the item's document modified.
    virtual void setDocumentModified() = 0;
    virtual void updatePinNames() = 0;
    // 0 bound by name only, 1 sharing its object, 2 owning its object.
    virtual int bindMode() const = 0;
    // The kind code of the objects the item binds to.
    virtual int objType() const = 0;
    // Binds an unbound item to the object of its kind and own name.
    virtual bool bindByName() = 0;

    // Takes the texts and extent of its object anew; nothing by default.
    virtual void updateFromObj();
    // The display name of the item's document; empty by default.
    virtual QString documentName() const;
    // The item's pins, all of them and the named ones by name; by default
    // those of pinOwner(). A device item that carries an object of its own
    // adds the pins of the items bound to that object.
    virtual void allPins(QList<Pin *> &pins);
    virtual void pinsByName(QHash<QString, Pin *> &pins);
};

class Obj
{
public:
    Obj(Project *project, int kind);
    virtual ~Obj();

    Obj(const Obj &) = delete;
    Obj &operator=(const Obj &) = delete;

    Project *project() const { return m_project; }
    const QString &name() const { return m_name; }
    const QList<ObjItem *> &items() const { return m_items; }
    int kind() const { return m_kind; }
    // Whether the project's index holds the object (under its name).
    bool isIndexed() const { return m_indexed; }
    // Whether the object is a Device (asDevice casts it without a lookup).
    bool isDevice() const { return m_device; }

    // The first name indexes the object, later ones re-key it. A name that
    // another object of the kind bears is refused.
    virtual bool setName(const QString &name);
    // Whether the object accepts one more bound item.
    virtual bool canAppend(ObjItem *item);
    virtual bool appendItem(ObjItem *item);
    virtual bool removeItem(ObjItem *item);
    // Binds an item read from a file or the clipboard to this object, which
    // must be of the kind the item binds (a failed check otherwise). An item
    // read from a file was accepted when it was saved: the object is not
    // asked again. A pasted item joins only when the object takes it. No
    // document is marked modified.
    bool restoreItem(ObjItem *item);

    // Record: name, identity, then the kind's own fields.
    virtual void write(DataStream &stream);
    // Sets the name without indexing and registers the saved identity; an
    // identity that already stands for another object is damaged data.
    virtual void read(DataStream &stream);
    virtual void writeData(DataStream &stream);
    virtual void readData(DataStream &stream);

    // The pins of the bound device items, by name and all of them; a
    // device item that carries an object of its own adds the pins of the
    // items bound to that object.
    void pinsByName(QHash<QString, Pin *> &pins) const;
    void allPins(QList<Pin *> &pins) const;

protected:
    // True for a bound item whose type id lies in [first, last).
    static bool itemTypeIn(ObjItem *item, int first, int last);
    // Only for an object that is not in the project's index (an object
    // carried by a scene item while it is pasted): the index is untouched.
    void setStoredName(const QString &name) { m_name = name; }
    // Set by the Device base alone.
    void markDevice() { m_device = true; }

private:
    friend class Project;
    // Tells the project of a change in the items bound.
    void bindingsChanged();

    Project *m_project;
    QString m_name;
    QList<ObjItem *> m_items;
    int m_kind;
    bool m_indexed = false;
    bool m_device = false;
    // The identity in files, given by the project (0 until it is given).
    mutable qint32 m_identity = 0;
};

#endif
