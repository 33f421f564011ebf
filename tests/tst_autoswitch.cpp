// Autoswitches: the catalogue, the device owned by its one item, the item's
// pins, extent and drawing, the records with damaged references and
// indices, the clipboard, the property dialog on its real widgets, and an
// autoswitch placed, saved and loaded through the scheme editor.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "devices/autoswitch.h"
#include "devices/autoswitchcatalogue.h"
#include "devices/dlgpropautoswitch.h"
#include "devices/graphicsautoswitch.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/file.h"
#include "model/pin.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace boundtest;

namespace {

// A sheet that makes autoswitch items from their type id, as the scheme's
// registry does.
class SwitchSheet : public GraphicsScene
{
public:
    explicit SwitchSheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsAutoSwitch::Type)
            return createGraphicsAutoSwitch(this);
        return GraphicsScene::createItem(type);
    }

    QString title = QStringLiteral("S1");
};

QStringList pinNames(GraphicsDevice *item)
{
    QStringList names;
    for (int i = 0; i < item->pinCount(); ++i) {
        WiringPin *pin = item->wiringPin(i);
        names << (pin && pin->name() ? QString::fromUtf8(pin->name()) : QString());
    }
    return names;
}

PaintRecorder *paint(PaintRecorder *recorder, GraphicsItem *item, bool hideHelp, bool selected = false)
{
    QPainter painter(recorder);
    QStyleOptionGraphicsItem option;
    option.rect = item->boundingRect().toRect();
    if (selected)
        option.state |= QStyle::State_Selected;
    item->draw(&painter, &option, hideHelp);
    return recorder;
}

QList<QColor> lineColours(const PaintRecorder &recorder)
{
    QList<QColor> colours;
    for (const PaintRecorder::Shape &shape : recorder.shapes) {
        if (!colours.contains(shape.pen))
            colours << shape.pen;
    }
    return colours;
}

bool hasLine(const PaintRecorder &recorder, const QPointF &a, const QPointF &b)
{
    const QRectF wanted = QRectF(a, b).normalized();
    for (const PaintRecorder::Shape &shape : recorder.shapesOf("line")) {
        if (shape.bounds.normalized() == wanted)
            return true;
    }
    return false;
}

struct Actions
{
    Actions()
    {
        ActionsManager::createMenus(&host, &list, &menuBar, &toolBar);
        ActionsManager::createToolBox(&toolBox, &list);
    }
    QWidget host;
    QMenuBar menuBar;
    QToolBar toolBar;
    QTabWidget toolBox;
    QList<QAction *> list;
};

template <class T>
QList<T *> itemsOf(GraphicsScene &scene)
{
    QList<T *> result;
    for (GraphicsItem *item : scene.graphicsItems())
        if (auto *found = dynamic_cast<T *>(item))
            result.append(found);
    return result;
}

// An autoswitch item placed as its dialog places it: its own device, typed
// and named.
GraphicsAutoSwitch *placeSwitch(GraphicsScene &sheet, const QString &name)
{
    auto *item = new GraphicsAutoSwitch(&sheet);
    sheet.addGraphicsItem(item);
    Obj *device = sheet.project()->createDevice(AutoSwitchKind);
    dynamic_cast<Device *>(device)->setModelIndex(0);
    device->appendItem(item);
    device->setName(name);
    item->setName(name);
    item->updateFromObj();
    return item;
}

} // namespace


class TestAutoSwitch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        setFileClock([] { return QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 123)); });
        createScreenFonts();
        Scheme::registerItemTypes();
        QVERIFY(Scheme::setItemTypeFactories(GraphicsAutoSwitch::Type, createGraphicsAutoSwitch,
                                             createDlgPropAutoSwitch));
    }

    void cleanupTestCase()
    {
        Scheme::registerItemTypes();
        setFileClock(nullptr);
        deleteFonts();
    }

    void init() { hideHelp = false; }

    void catalogueAndDevice()
    {
        ModalRecorder rec;
        QCOMPARE(int(AutoSwitchTypeCount), 1);
        QCOMPARE(QString(autoSwitchTypes[0]), QString("ADN"));
        QCOMPARE(autoSwitchTypes[1], nullptr);
        QCOMPARE(QString(autoSwitchPinNames[0]), QString("SH1"));
        QCOMPARE(QString(autoSwitchPinNames[1]), QString("SH2"));
        QCOMPARE(QString(autoSwitchPinNames[2]), QString("SH3"));
        QCOMPARE(autoSwitchModelName(0), QString("ADN"));
        QCOMPARE(boxTexts(rec), QStringList());
        QCOMPARE(autoSwitchModelName(1), QString());
        QCOMPARE(autoSwitchModelName(-1), QString());
        QCOMPARE(boxTexts(rec).size(), 2);
        rec.clear();

        Project project(nullptr, nullptr);
        SwitchSheet sheet(&project);
        auto *device = dynamic_cast<AutoSwitch *>(project.createDevice(AutoSwitchKind));
        QVERIFY(device);
        QCOMPARE(device->kind(), 226);
        QCOMPARE(project.kindName(AutoSwitchKind), QString("AutoSwitch"));
        QCOMPARE(device->modelName(), QString());
        device->setModelIndex(0);
        QCOMPARE(device->modelName(), QString("ADN"));
        QCOMPARE(device->placeType(), 142);
        QCOMPARE(device->placeTypeName(), QString("Console Control"));
        QCOMPARE(device->pinCount(), 3);
        device->setName("QF1");

        // One item only.
        GraphicsAutoSwitch one(&sheet);
        GraphicsAutoSwitch two(&sheet);
        QVERIFY(device->appendItem(&one));
        QVERIFY(!device->appendItem(&two));
        QCOMPARE(two.obj(), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
        QVERIFY(!device->canAppend(nullptr));
        QCOMPARE(boxTexts(rec).size(), 1);
        rec.clear();
        QVERIFY(!device->setModelIndex(3));
        QCOMPARE(device->modelName(), QString("ADN"));
        QCOMPARE(boxTexts(rec).size(), 0);
        device->setModelIndex(0);
        // The item owns its device: it goes with it.
        one.detachObj(true);
        QCOMPARE(project.findObj(AutoSwitchKind, "QF1"), nullptr);
    }

    void itemPinsAndExtent()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        SwitchSheet sheet(&project);
        GraphicsAutoSwitch fresh(&sheet);
        QCOMPARE(fresh.type(), QGraphicsItem::UserType + 425);
        QCOMPARE(fresh.objType(), int(AutoSwitchKind));
        QCOMPARE(fresh.bindMode(), int(GraphicsObjItem::BindOwned));
        QCOMPARE(fresh.itemFlags(), 3);
        QCOMPARE(fresh.parentItem(), nullptr);
        QCOMPARE(fresh.pinCount(), 3);
        QCOMPARE(fresh.pin(0)->center(), QPointF(0, 0));
        QCOMPARE(fresh.pin(1)->center(), QPointF(160, 0));
        QCOMPARE(fresh.pin(2)->center(), QPointF(80, 80));
        // Named while unbound as well.
        QCOMPARE(pinNames(&fresh), QStringList({"SH1", "SH2", "SH3"}));
        fresh.updatePinNames();
        QCOMPARE(pinNames(&fresh), QStringList({"SH1", "SH2", "SH3"}));

        GraphicsAutoSwitch *item = placeSwitch(sheet, "QF1");
        QCOMPARE(item->autoSwitch(), project.findObj(AutoSwitchKind, "QF1"));
        QCOMPARE(item->extentWidth(), 174.0);
        QCOMPARE(item->extentHeight(), 40.0);
        // The symbol's box, and the name above it whole.
        const QRectF box(-7 - 3.5, -80 - 3.5, 174 + 7, 167 + 7);
        QVERIFY(item->boundingRect().contains(box));
        QCOMPARE(item->boundingRect().left(), box.left());
        QCOMPARE(item->boundingRect().width(), box.width());
        QCOMPARE(item->boundingRect().bottom(), box.bottom());
        QVERIFY(item->boundingRect().contains(
            textRect(item, font(3), QPointF(80, -45), Qt::AlignHCenter | Qt::AlignBottom, "QF1")));
        QCOMPARE(item->pinName(item->pin(2), nullptr), QString("QF1-SH3"));

        // A name wider than the symbol widens the item; turned, the item is
        // as high as its name is wide.
        GraphicsAutoSwitch *wide = placeSwitch(sheet, "QF_WITH_A_VERY_LONG_NAME_INDEED_AND_MORE");
        const double nameWidth = QFontMetricsF(font(3)).horizontalAdvance(wide->name());
        QVERIFY(nameWidth > 174);
        QCOMPARE(wide->extentWidth(), nameWidth);
        QCOMPARE(wide->extentHeight(), 40.0);
        wide->rotateBy(1, true);
        QCOMPARE(wide->extentWidth(), 174.0);
        QCOMPARE(wide->extentHeight(), nameWidth);
        QVERIFY(wide->boundingRect().top() <= -40 - nameWidth - 3.5);
        QVERIFY(wide->boundingRect().contains(
            textRect(wide, font(3), QPointF(80, -45), Qt::AlignHCenter | Qt::AlignBottom, wide->name())));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void drawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        SwitchSheet sheet(&project);
        GraphicsAutoSwitch *item = placeSwitch(sheet, "QF1");
        PaintRecorder drawn;
        paint(&drawn, item, false);
        QCOMPARE(drawn.shapesOf("ellipse").first().bounds, QRectF(40, -40, 80, 80));
        QVERIFY(hasLine(drawn, {0, 0}, {55, 0}));
        QVERIFY(hasLine(drawn, {105, 0}, {160, 0}));
        QVERIFY(hasLine(drawn, {80, 25}, {80, 80}));
        for (const auto &arrow : QList<QPair<QPointF, QPointF>>{{{62, -7}, {55, 0}},
                                                                 {{62, 7}, {55, 0}},
                                                                 {{98, -7}, {105, 0}},
                                                                 {{98, 7}, {105, 0}},
                                                                 {{73, 18}, {80, 25}},
                                                                 {{87, 18}, {80, 25}}})
            QVERIFY(hasLine(drawn, arrow.first, arrow.second));
        QCOMPARE(drawn.texts, QStringList({"QF1", "SH1", "SH2", "SH3"}));
        QVERIFY(lineColours(drawn).contains(penBlack.color()));
        QVERIFY(lineColours(drawn).contains(penGreen.color()));
        PaintRecorder selected;
        paint(&selected, item, true, true);
        QVERIFY(lineColours(selected).contains(penBlue.color()));
        QVERIFY(!lineColours(selected).contains(penGreen.color()));

        // Its device deleted: nothing but the pins, and those only as help.
        delete item->autoSwitch();
        QCOMPARE(item->obj(), nullptr);
        QCOMPARE(pinNames(item), QStringList({"SH1", "SH2", "SH3"}));
        PaintRecorder bare;
        paint(&bare, item, false);
        QVERIFY(bare.texts.isEmpty());
        QVERIFY(bare.shapesOf("ellipse").isEmpty());
        QVERIFY(!lineColours(bare).contains(penBlack.color()));
        QVERIFY(lineColours(bare).contains(penGreen.color()));
        PaintRecorder nothing;
        paint(&nothing, item, true);
        QVERIFY(nothing.texts.isEmpty());
        QVERIFY(nothing.shapes.isEmpty());
        QTreeWidget results;
        item->check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 1);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void records()
    {
        ModalRecorder rec;
        QByteArray bytes;
        int turn = -1;
        {
            Project project(nullptr, nullptr);
            SwitchSheet sheet(&project);
            GraphicsAutoSwitch *a = placeSwitch(sheet, "QF1");
            a->setPos(400, 800);
            a->rotateBy(1, true);
            a->mirror(false);
            turn = a->rotationIndex();
            QVERIFY(a->isTurned());
            placeSwitch(sheet, "QF2");
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        SwitchSheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        const QList<GraphicsAutoSwitch *> items = itemsOf<GraphicsAutoSwitch>(sheet);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->autoSwitch(), project.findObj(AutoSwitchKind, "QF1"));
        QCOMPARE(items[1]->autoSwitch(), project.findObj(AutoSwitchKind, "QF2"));
        QCOMPARE(items[0]->autoSwitch()->modelIndex(), 0);
        QCOMPARE(items[0]->rotationIndex(), turn);
        QVERIFY(items[0]->isMirrored());
        QCOMPARE(items[0]->pos(), QPointF(400, 800));
        QCOMPARE(items[0]->extentWidth(), 174.0);
        QCOMPARE(pinNames(items[0]), QStringList({"SH1", "SH2", "SH3"}));
        QCOMPARE(saveAll(project, sheet), bytes);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void damagedRecords()
    {
        ModalRecorder rec;
        // A catalogue index outside the table is a damaged device record.
        Project project(nullptr, nullptr);
        for (const int index : {-1, 0, 1, 9, -5}) {
            QByteArray bytes;
            {
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << qint32(index);
            }
            AutoSwitch fresh(&project);
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            fresh.readData(in);
            QCOMPARE(in.status() == QDataStream::Ok, index == -1 || index == 0);
        }

        // Two items under the identity of one autoswitch: the second is
        // damaged data.
        QByteArray bytes;
        qint32 first = 0;
        qint32 second = 0;
        {
            Project source(nullptr, nullptr);
            SwitchSheet sheet(&source);
            GraphicsAutoSwitch *a = placeSwitch(sheet, "QF1");
            GraphicsAutoSwitch *b = placeSwitch(sheet, "QF2");
            Project::IdentityScope scope(source);
            first = source.identity(a->obj());
            second = source.identity(b->obj());
            bytes = saveAll(source, sheet);
        }
        QByteArray needle;
        {
            DataStream s(&needle, QIODevice::WriteOnly);
            s.setFormatIndex(DataStream::CurrentFormat);
            s << qint32(GraphicsAutoSwitch::Type) << second;
        }
        const int at = int(bytes.lastIndexOf(needle));
        QVERIFY(at > 0);
        QByteArray patched;
        {
            DataStream s(&patched, QIODevice::WriteOnly);
            s.setFormatIndex(DataStream::CurrentFormat);
            s << qint32(GraphicsAutoSwitch::Type) << first;
        }
        bytes.replace(at, patched.size(), patched);
        SwitchSheet sheet(&project);
        QVERIFY(!loadAll(project, sheet, bytes));
        const QList<GraphicsAutoSwitch *> items = itemsOf<GraphicsAutoSwitch>(sheet);
        QCOMPARE(items.size(), 2);
        QVERIFY(items[0]->obj());
        QCOMPARE(items[1]->obj(), nullptr);
        QCOMPARE(items[0]->obj()->items().size(), 1);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void clipboard()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        SwitchSheet sheet(&project);
        GraphicsAutoSwitch *a = placeSwitch(sheet, "QF1");
        const QByteArray bytes = copyItems(project, sheet, {a});
        {
            Project other(nullptr, nullptr);
            SwitchSheet target(&other);
            const QList<GraphicsItem *> pasted = pasteItems(other, target, bytes);
            QCOMPARE(pasted.size(), 1);
            auto *copy = dynamic_cast<GraphicsAutoSwitch *>(pasted.first());
            QVERIFY(copy && copy->autoSwitch());
            QCOMPARE(copy->autoSwitch()->name(), QString("QF1"));
            QCOMPARE(copy->autoSwitch()->modelIndex(), 0);
        }
        // In the same project the copy gets an autoswitch of its own.
        SwitchSheet target(&project);
        const QList<GraphicsItem *> pasted = pasteItems(project, target, bytes);
        auto *copy = dynamic_cast<GraphicsAutoSwitch *>(pasted.first());
        QVERIFY(copy && copy->autoSwitch());
        QVERIFY(copy->autoSwitch() != a->autoSwitch());
        QCOMPARE(copy->name(), QString("QF1?"));
        QCOMPARE(a->autoSwitch()->items().size(), 1);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        SwitchSheet sheet(&project);
        GraphicsAutoSwitch *existing = placeSwitch(sheet, "QF2");

        // The table, the fields and the validation of a new item.
        DlgPropAutoSwitch dialog(&sheet);
        QCOMPARE(dialog.objTable()->columnCount(), 3);
        QCOMPARE(dialog.objTable()->headerItem()->text(2), QString("Scheme"));
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 1);
        QTreeWidgetItem *row = dialog.objTable()->topLevelItem(0);
        QCOMPARE(row->text(0), QString("QF2"));
        QCOMPARE(row->text(1), QString("ADN"));
        QCOMPARE(row->text(2), QString("S1*"));
        QCOMPARE(dialog.typeCombo()->count(), 1);
        QCOMPARE(dialog.typeCombo()->currentText(), QString("ADN"));
        QCOMPARE(dialog.typeCombo()->itemData(0).toInt(), 0);
        QVERIFY(!buttonOf(&dialog, "Add"));
        rec.handle([&](QDialog *) {
            buttonOf(&dialog, "Ok")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            dialog.edName()->setText("QF2");
            buttonOf(&dialog, "Ok")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            dialog.edName()->setText(" QF1 ");
            buttonOf(&dialog, "Ok")->click();
        });
        auto *item = dynamic_cast<GraphicsAutoSwitch *>(dialog.execDialog(nullptr, GraphicsAutoSwitch::Type));
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!", "Object already exists!"}));
        QVERIFY(item);
        sheet.addGraphicsItem(item);
        auto *device = dynamic_cast<AutoSwitch *>(project.findObj(AutoSwitchKind, "QF1"));
        QVERIFY(device);
        QCOMPARE(item->autoSwitch(), device);
        QCOMPARE(device->modelIndex(), 0);
        QVERIFY(project.devicesChanged());
        rec.clear();

        // Editing: its own name is no conflict; a new name renames the
        // device.
        DlgPropAutoSwitch edit(&sheet);
        rec.handle([&](QDialog *) {
            QCOMPARE(edit.edName()->text(), QString("QF1"));
            QCOMPARE(edit.objTable()->selectedItems().first()->text(0), QString("QF1"));
            buttonOf(&edit, "Ok")->click();
            QCOMPARE(edit.result(), int(QDialog::Accepted));
            edit.edName()->setText("QF3");
            buttonOf(&edit, "Ok")->click();
        });
        QCOMPARE(edit.execDialog(item, GraphicsAutoSwitch::Type), item);
        QCOMPARE(device->name(), QString("QF3"));
        QCOMPARE(item->name(), QString("QF3"));
        QCOMPARE(item->autoSwitch(), device);
        QCOMPARE(boxTexts(rec), QStringList());

        // An item whose device was deleted opens without a box, and Ok gives
        // it a new device.
        delete existing->autoSwitch();
        DlgPropAutoSwitch lost(&sheet);
        rec.handle([&](QDialog *) {
            QCOMPARE(lost.edName()->text(), QString("QF2"));
            buttonOf(&lost, "Ok")->click();
        });
        QCOMPARE(lost.execDialog(existing, GraphicsAutoSwitch::Type), existing);
        QVERIFY(existing->autoSwitch());
        QCOMPARE(existing->autoSwitch()->name(), QString("QF2"));
        QCOMPARE(boxTexts(rec), QStringList());

        DlgPropAutoSwitch find(&sheet);
        QTest::keyClicks(find.edFind(), "QF3");
        QCOMPARE(find.objTable()->selectedItems().first()->text(0), QString("QF3"));
        rec.reject();
        QCOMPARE(find.execDialog(nullptr, GraphicsAutoSwitch::Type), nullptr);
        QCOMPARE(project.objectsOfKind(AutoSwitchKind)->size(), 2);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void schemeEditor()
    {
        ModalRecorder rec;
        Actions actions;
        const QString dir = m_dir.path() + "/scheme";
        QVERIFY(QDir().mkpath(dir));
        {
            Project project(nullptr, nullptr);
            auto *group = new SchemeGroup(&project);
            group->setAtrNumber(1);
            project.schemes()->appendItem(group);
            auto *scheme = new Scheme(&project);
            scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
            scheme->setNumber(1);
            group->appendItem(scheme);
            SchemeEdit view(&actions.list);
            view.setScene(scheme);
            view.resize(1200, 800);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            view.setActive(true);
            view.centerOn(1400, 1400);
            QAction *place = actions.list.at(105);
            QVERIFY(place->isEnabled());
            for (const QString &name : {QString("QF1"), QString("QF2")}) {
                rec.handle([&](QDialog *d) {
                    auto *dialog = qobject_cast<DlgPropAutoSwitch *>(d);
                    QVERIFY(dialog);
                    QCOMPARE(dialog->windowTitle(), QString("AutoSwitch"));
                    QTest::keyClicks(dialog->edName(), name);
                    buttonOf(d, "Ok")->click();
                });
                place->trigger();
                const QPoint pos = view.mapFromScene(QPointF(name == "QF1" ? 800 : 1600, 800));
                QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(view.viewport()->mapToGlobal(pos)),
                                 Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(view.viewport(), &move);
                QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos);
                QVERIFY(view.carriedItems().isEmpty());
            }
            QCOMPARE(itemsOf<GraphicsAutoSwitch>(*scheme).size(), 2);
            QCOMPARE(project.objectsOfKind(AutoSwitchKind)->size(), 2);

            // A double click opens its dialog; renamed there.
            actions.list.at(30)->trigger();
            GraphicsAutoSwitch *second = itemsOf<GraphicsAutoSwitch>(*scheme).last();
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropAutoSwitch *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->edName()->text(), QString("QF2"));
                dialog->edName()->setText("QF7");
                buttonOf(d, "Ok")->click();
            });
            QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                               view.mapFromScene(second->mapToScene(QPointF(80, 0))));
            QCOMPARE(rec.count(), 3);
            QCOMPARE(second->name(), QString("QF7"));
            QCOMPARE(boxTexts(rec), QStringList());
            project.setFileName(dir + "/plant.rlay");
            QVERIFY(project.save());
            view.setActive(false);
        }
        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *scheme = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsAutoSwitch *> items = itemsOf<GraphicsAutoSwitch>(*scheme);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->autoSwitch(), loaded.findObj(AutoSwitchKind, "QF1"));
        QCOMPARE(items[1]->autoSwitch(), loaded.findObj(AutoSwitchKind, "QF7"));
        QCOMPARE(items[1]->autoSwitch()->modelName(), QString("ADN"));
        QCOMPARE(pinNames(items[1]), QStringList({"SH1", "SH2", "SH3"}));
        QCOMPARE(boxTexts(rec), QStringList());
    }
};

QTEST_MAIN(TestAutoSwitch)
#include "tst_autoswitch.moc"
