#ifndef RLAY_GRAPHICSOBJITEM_H
#define RLAY_GRAPHICSOBJITEM_H

// The scene item that stands for a model object on a document: the base of
// every device item and every tag item. It keeps a name of its own, is bound
// to at most one object of its kind, and follows one of three bind modes:
//
// - BindByName: the item finds the object of its kind that bears its name
//   and never owns or renames it (contacts, module commands, measuring
//   panels);
// - BindShared: several items share one object, and the last one to leave
//   it deletes it (blocks, boxes, buttons, commutators, fuses, keystaffs,
//   transformers, clamps, sources, footnotes, conductors);
// - BindOwned: the item owns its object and renaming the item renames the
//   object (the two-terminal components, lamps, heatings, autoswitches,
//   interrupters, relay windings).
//
// A kind passes its bind mode and its flag word (GraphicsItem::ItemFlag) to
// the constructor, answers objType() with the kind code of its objects and
// refreshes its texts and geometry from its object in updateFromObj(). Its
// document record is its own fields followed by GraphicsObjItem::saveData;
// the clipboard record adds the binding to that record, so a kind overrides
// saveData and loadData only.

#include "graphics/graphicspins.h"
#include "model/obj.h"

#include <QCoreApplication>
#include <QString>

class Project;
class QTreeWidget;

class GraphicsObjItem : public GraphicsPins, public ObjItem
{
    Q_DECLARE_TR_FUNCTIONS(GraphicsObjItem)

public:
    enum BindMode { BindByName = 0, BindShared = 1, BindOwned = 2 };

    GraphicsObjItem(GraphicsScene *scene, int bindMode, GraphicsItem *parent, int itemFlags);
    // Leaves the object; a shared or owned object that is left without
    // items goes with the item.
    ~GraphicsObjItem() override;

    // ObjItem.
    PinOwner *pinOwner() override { return this; }
    Obj *boundObj() const override { return m_obj; }
    // A bound item bears its object's name.
    void setBoundObj(Obj *obj) override;
    void setOwnName(const QString &name) override;
    void setDocumentModified() override;
    void updatePinNames() override;
    int bindMode() const override { return m_bindMode; }
    // False when the item is bound or has no name, or no object of its kind
    // bears the name; else whether that object takes the item.
    bool bindByName() override;

    int objType() const override = 0;
    // Appends "?" to the own name while an object of that name refuses the
    // item; the object that accepts it, or null when none bears the name.
    virtual Obj *makeUniqueName();
    // Refreshes the item's texts and geometry from its object.
    void updateFromObj() override;
    QString documentName() const override;

    Obj *obj() const { return m_obj; }
    // The bound object's name, else the item's own name.
    QString name() const;
    const QString &ownName() const { return m_name; }
    // The measure the kinds' painters use for their symbols. One asked for
    // by refreshTextWidth while the sheet reads its items is measured when
    // first needed after the reading.
    double textWidth() const;
    void setTextWidth(double width);

    // Renames the item: renames its object, moves to the object of the new
    // name or stays unbound, as the bind mode says.
    void setName(const QString &name);
    // Unbinds the item; with deleteAlone a shared or owned object left
    // without items is deleted.
    void detachObj(bool deleteAlone);
    // For an unbound item: binds it by name and refreshes it.
    void rebindByName();

    // Record: the object's identity, and the own name when unbound.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // The document record, then the binding: bound flag, own name and, for
    // a shared or owned object, the object's fields.
    void saveClipboardData(DataStream &stream) override;
    void loadClipboardData(DataStream &stream) override;
    // Binds the item to the object read under its saved identity; false
    // when no object was read under it.
    bool resolveLinks() override;
    // The geometry record; then a bound item renames its pins, and every
    // item, bound or not, takes the extent its texts and turn give it, as
    // it had it when it was saved.
    void loadGeometry(DataStream &stream) override;
    // Check code 0: an unbound item reports "Parent is absent".
    void check(QTreeWidget *results, int code) override;
    void rotateBy(int quarterTurns, bool clockwise) override;
    // A walk that reaches the item ends at the pin it arrived at.
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;

    // The identity read with the item and not yet resolved; 0 when none.
    qint32 pendingIdentity() const { return m_pendingId; }
    // A width or extent left to measure while the sheet read its items
    // announces its change.
    void extentRead() override;

protected:
    // Whether the object found under the item's name takes the item: it
    // accepts it, and no other copied object of the same paste became it.
    bool takesItem(Obj *found);
    // For kinds sized to their texts: the width they want now (it may
    // depend on the item's matrix, which is why a width left to measure is
    // measured before the matrix changes).
    virtual double measureTextWidth() const;
    // Sets the width to measureTextWidth(), announcing the change (always
    // with announceAlways: other fields of the kind changed with it). While
    // the sheet reads its items the width is only marked to be measured:
    // a sheet is read without measuring the name of every device on it.
    void refreshTextWidth(bool announceAlways = false);
    // For kinds whose extent follows several texts: measures the extent and
    // keeps it, without announcing the change (refreshExtent announces).
    virtual void measureExtent();
    // Measures the extent now, announcing the change. While the sheet reads
    // its items the extent is only marked to be measured when first needed
    // (settleExtent), before the item's matrix changes at the latest.
    void refreshExtent();
    // Measures an extent left to measure once the sheet no longer reads its
    // items: the kind's boundingRect and extent getters ask for it first.
    void settleExtent() const
    {
        if (m_extentPending)
            settlePendingExtent();
    }
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    Project *sceneProject() const;
    // Whether the pin is one of the item's own.
    bool ownsPin(const Pin *pin) const;
    // The object the item carries inside it, or null.
    virtual Obj *carriedObj();

private:
    // After binding by name: the pins and the item follow the object.
    void bindAndRefresh();

    Obj *m_obj = nullptr;
    QString m_name;
    void applyTextWidth(bool announceAlways);
    void settlePendingExtent() const;

    mutable double m_textWidth = 3.5;
    mutable bool m_widthPending = false;
    mutable bool m_extentPending = false;
    int m_bindMode;
    qint32 m_pendingId = 0;
};

#endif
