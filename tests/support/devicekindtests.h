#ifndef RLAY_TEST_DEVICEKINDTESTS_H
#define RLAY_TEST_DEVICEKINDTESTS_H

// What the tests of the switching device kinds share: reading what a painter
// drew and what boxes were shown, placing a device at an address, rendering
// part of a sheet, and a project with one scheme shown in a real scheme
// editor whose toolbox places items.

#include "app/actionsmanager.h"
#include "graphics/graphicsscene.h"
#include "model/address.h"
#include "model/project.h"
#include "support/actionlist.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QImage>
#include <QList>
#include <QMenuBar>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QToolBar>

#include <functional>
#include <memory>

class GraphicsDevice;
class Pin;
class Place;
class QDialog;
class QPushButton;
class Scheme;
class SchemeEdit;

namespace devicekindtest {

// The names of the item's pins; an empty text for an unnamed pin.
QStringList pinNames(GraphicsDevice *item);
// Draws the item into the recorder as the sheet would.
boundtest::PaintRecorder *paint(boundtest::PaintRecorder *recorder, GraphicsItem *item, bool hideHelp,
                                bool selected = false);
// The pen colours drawn with, each once.
QList<QColor> penColours(const boundtest::PaintRecorder &recorder);

// An address at a position of a place.
Address positionAddress(int position, int suffixKind = -1, int frameKind = 0);
// Puts the device into a new place of the frame sheet at that address.
Place *placeDevice(boundtest::TestScene &frame, Device *device, const Address &address);

// The pin's centre on the sheet.
QPointF at(Pin *pin);

template <class T>
QList<T *> itemsOf(GraphicsScene &scene)
{
    QList<T *> result;
    for (GraphicsItem *item : scene.graphicsItems())
        if (auto *found = dynamic_cast<T *>(item))
            result.append(found);
    return result;
}

// The part of the sheet as the screen fonts show it, one pixel per scene
// unit; saved under the name in the temporary folder when the environment
// has RLAY_SAVE_RENDERS.
QImage renderPart(GraphicsScene &scene, const QRectF &part, const QString &saveAs);
// Dark pixels inside a rectangle of the image.
int darkPixels(const QImage &image, const QRect &rect);
// Dark pixels that the item paints, turned and mirrored as it stands,
// outside its bounding rectangle (what a move would leave behind).
int paintedOutside(GraphicsItem *item);

// A project with one scheme group holding one A3 scheme, shown in a real
// scheme editor with the application's actions.
class SchemeEditor
{
public:
    explicit SchemeEditor(int groupNumber);
    ~SchemeEditor();

    Project *project() const { return m_project.get(); }
    Scheme *scheme() const { return m_scheme; }
    SchemeEdit *view() const { return m_view.get(); }
    QAction *action(int id) const { return m_actions.list.at(id); }

    void hover(const QPointF &scenePoint);
    void click(const QPointF &scenePoint);
    // Runs the toolbox command, answering its dialog with fill (which
    // presses Ok); the new item is dropped with its pin 0 on pinAt. Null
    // when no item was made or it was not dropped.
    GraphicsItem *place(int actionId, ModalRecorder &rec, const std::function<void(QDialog *)> &fill,
                        const QPointF &pinAt);
    // Nets from pin a to pin b, first along the column of a, then along
    // the row of b.
    void wire(Pin *a, Pin *b);
    // Saves the project as dir/plant.rlay and closes the editor and the
    // project.
    bool saveAndClose(const QString &dir);

private:
    ActionList m_actions;
    std::unique_ptr<Project> m_project;
    Scheme *m_scheme = nullptr;
    std::unique_ptr<SchemeEdit> m_view;
};

} // namespace devicekindtest

#endif
