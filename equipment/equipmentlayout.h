#ifndef RLAY_EQUIPMENTLAYOUT_H
#define RLAY_EQUIPMENTLAYOUT_H

// The table of devices to place, the content of the "Table devices" dock:
// one row per placeable device of the project, kept in step with the
// project's object signals, and a filter over the rows by ATR and page
// number of the schemes, device type, place type and missing address. A
// double click on a device without a place hands it to the current frame
// editor.

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

class Device;
class FrameEdit;
class GraphicsScene;
class Obj;
class Project;
class QCheckBox;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class RLineEdit;
class RTreeWidget;

class EquipmentLayout : public QWidget
{
    Q_OBJECT

public:
    EquipmentLayout(QWidget *parent, Project *project);

    // The frame editor that places the devices, or none.
    void setFrameEdit(FrameEdit *edit);
    FrameEdit *frameEdit() const { return m_frameEdit; }

    // The row of a device, null when it has none.
    QTreeWidgetItem *findTreeItemOfObj(Obj &obj) const;
    // The device of a row.
    static Device *treeItemObj(QTreeWidgetItem *item);
    QTreeWidget *tree() const;
    QSpinBox *atrSpin() const { return m_atr; }
    QSpinBox *pageSpin() const { return m_page; }
    RLineEdit *deviceTypeEdit() const { return m_deviceType; }
    RLineEdit *placeTypeEdit() const { return m_placeType; }
    QCheckBox *withoutAddressBox() const { return m_withoutAddress; }
    QPushButton *setFilterButton() const { return m_setFilter; }
    QPushButton *cancelFilterButton() const { return m_cancelFilter; }

    // Devices of these kinds are placed in frames; clamp panels and boxes
    // are not.
    static bool isPlaceable(const Obj &obj);

signals:
    void needPlacingDevice(Device &device);

public slots:
    void appendObj(Obj &obj);
    void deleteObj(Obj &obj);
    void updateObj(Obj &obj);
    // A sheet's name changed: the sheet names of the rows of its devices
    // are written again once the action that renamed it is over (a group's
    // ATR number renames all its sheets), each row once.
    void sceneNamesChanged(const GraphicsScene &scene);
    // A drawing joined or left the object: the sheet names of its row are
    // written again once the action is over (a paste binds many at once).
    void bindingsChanged(Obj &obj);

protected slots:
    void treeDoubleClick(QTreeWidgetItem *item, int column);
    // Hides the rows that do not match the filter, once.
    void btnSetFilterClick();
    // Shows every row again.
    void btnCanFilterClick();

protected:
    // The rows are built when the table is first shown.
    void showEvent(QShowEvent *event) override;

private:
    void fillRow(QTreeWidgetItem *item, Device &device);
    // The names of the sheets that draw the device, a sheet as often as it
    // shows it.
    static QString sceneNames(Device &device);
    // Writes the sheet names of the rows asked for since the last time,
    // each row once.
    void refreshSceneNames();
    void scheduleRefresh();

    Project *m_project;
    QPointer<FrameEdit> m_frameEdit;
    QSpinBox *m_atr = nullptr;
    QSpinBox *m_page = nullptr;
    RLineEdit *m_deviceType = nullptr;
    RLineEdit *m_placeType = nullptr;
    QCheckBox *m_withoutAddress = nullptr;
    QPushButton *m_setFilter = nullptr;
    QPushButton *m_cancelFilter = nullptr;
    RTreeWidget *m_tree = nullptr;
    // The row of each device: renumbering a frame updates every device in
    // it, so the lookup must not walk the table.
    QHash<const Obj *, QTreeWidgetItem *> m_rows;
    bool m_stale = true;
    // The sheets renamed since the last refresh of the rows.
    QList<QPointer<const GraphicsScene>> m_renamedScenes;
    // The objects whose drawings changed since then; only looked up, never
    // followed, as one may have gone since.
    QSet<const Obj *> m_rebound;
    bool m_refreshQueued = false;
};

#endif
