#include "support/devicekindtests.h"

#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "graphics/graphicsdevice.h"
#include "model/device.h"
#include "model/pin.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

namespace devicekindtest {

QStringList pinNames(GraphicsDevice *item)
{
    QStringList names;
    for (int i = 0; i < item->pinCount(); ++i) {
        WiringPin *pin = item->wiringPin(i);
        names << (pin && pin->name() ? QString::fromUtf8(pin->name()) : QString());
    }
    return names;
}

boundtest::PaintRecorder *paint(boundtest::PaintRecorder *recorder, GraphicsItem *item, bool hideHelp,
                                bool selected)
{
    QPainter painter(recorder);
    QStyleOptionGraphicsItem option;
    option.rect = item->boundingRect().toRect();
    if (selected)
        option.state |= QStyle::State_Selected;
    item->draw(&painter, &option, hideHelp);
    return recorder;
}

QList<QColor> penColours(const boundtest::PaintRecorder &recorder)
{
    QList<QColor> colours;
    for (const boundtest::PaintRecorder::Shape &shape : recorder.shapes) {
        if (!colours.contains(shape.pen))
            colours << shape.pen;
    }
    return colours;
}

Address positionAddress(int position, int suffixKind, int frameKind)
{
    Address address;
    address.setField(0, quint8(frameKind));
    address.setField(1, 1);
    address.setField(2, 2);
    address.setField(3, 3);
    address.setField(4, 5);
    address.setField(5, quint8(position));
    if (suffixKind >= 0)
        address.setSuffixKind(suffixKind);
    return address;
}

Place *placeDevice(boundtest::TestScene &frame, Device *device, const Address &address)
{
    auto *place = new Place(&frame, nullptr, 0, 1);
    place->setPlaceSize(QSizeF(100, 80), 1);
    frame.addLoose(place);
    place->setAddress(address);
    GraphicsPlaceItemDevice *item = device->createPlaceItem(&frame);
    frame.addGraphicsItem(item);
    place->putItem(item);
    return place;
}

QPointF at(Pin *pin)
{
    return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center());
}

QImage renderPart(GraphicsScene &scene, const QRectF &part, const QString &saveAs)
{
    QImage image(int(part.width()), int(part.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), part.size()), part);
    painter.end();
    if (qEnvironmentVariableIsSet("RLAY_SAVE_RENDERS"))
        image.save(QDir::temp().filePath(saveAs));
    return image;
}

int darkPixels(const QImage &image, const QRect &rect)
{
    // Read line by line: the tests count millions of pixels.
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    const QRect area = rect.intersected(rgb.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(line[x]) < 128;
    }
    return count;
}

int paintedOutside(GraphicsItem *item)
{
    QImage image(2400, 2400, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QTransform matrix = item->transform() * QTransform::fromTranslate(1200, 1200);
    QPainter painter(&image);
    painter.setTransform(matrix);
    QStyleOptionGraphicsItem option;
    item->draw(&painter, &option, false);
    painter.end();
    const QRect inside = matrix.mapRect(item->boundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1);
    return darkPixels(image, image.rect()) - darkPixels(image, inside.intersected(image.rect()));
}

SchemeEditor::SchemeEditor(int groupNumber)
    : m_project(new Project(nullptr, nullptr))
{
    auto *group = new SchemeGroup(m_project.get());
    group->setAtrNumber(groupNumber);
    m_project->schemes()->appendItem(group);
    m_scheme = new Scheme(m_project.get());
    m_scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
    m_scheme->setNumber(1);
    group->appendItem(m_scheme);
    m_view.reset(new SchemeEdit(&m_actions.list));
    m_view->setScene(m_scheme);
    m_view->resize(1200, 800);
    m_view->show();
    if (!QTest::qWaitForWindowExposed(m_view.get()))
        qWarning("view not exposed");
    m_view->setActive(true);
    m_view->zoom(1);
    m_view->zoom(1);
    m_view->centerOn(1400, 1400);
}

SchemeEditor::~SchemeEditor()
{
    if (m_view)
        m_view->setActive(false);
}

void SchemeEditor::hover(const QPointF &scenePoint)
{
    const QPoint pos = m_view->mapFromScene(scenePoint);
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(m_view->viewport()->mapToGlobal(pos)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_view->viewport(), &event);
}

void SchemeEditor::click(const QPointF &scenePoint)
{
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, m_view->mapFromScene(scenePoint));
}

GraphicsItem *SchemeEditor::place(int actionId, ModalRecorder &rec, const std::function<void(QDialog *)> &fill,
                                  const QPointF &pinAt)
{
    const int before = int(m_scheme->graphicsItems().size());
    rec.handle(fill);
    action(actionId)->trigger();
    if (m_scheme->graphicsItems().size() != before + 1)
        return nullptr;
    auto *item = dynamic_cast<GraphicsPins *>(m_scheme->graphicsItems().last());
    if (!item || item->pinCount() == 0 || m_view->carriedItems() != QList<GraphicsItem *>({item}))
        return nullptr;
    // The carried item's centre follows the mouse.
    const QPointF mouse = pinAt + item->boundingRect().center() - item->pin(0)->center();
    hover(mouse);
    click(mouse);
    return m_view->carriedItems().isEmpty() ? item : nullptr;
}

void SchemeEditor::wire(Pin *a, Pin *b)
{
    const QPointF from = at(a);
    const QPointF to = at(b);
    QList<QPointF> points = {from};
    if (from.x() != to.x() && from.y() != to.y())
        points << QPointF(from.x(), to.y());
    points << to;
    action(73)->trigger();
    for (int i = 0; i + 1 < points.size(); ++i) {
        click(points[i]);
        hover(points[i + 1]);
        click(points[i + 1]);
    }
    action(73)->trigger();
}

bool SchemeEditor::saveAndClose(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return false;
    m_project->setFileName(dir + "/plant.rlay");
    const bool saved = m_project->save();
    m_view->setActive(false);
    m_view.reset();
    m_project.reset();
    m_scheme = nullptr;
    return saved;
}

} // namespace devicekindtest
