// The command item of a DC module and its property dialog: the symbol and
// its pins, the terminal names, the record at every format, the project
// check, the template text, every widget and message of the dialog, and
// commands placed, copied, wired, edited, saved and loaded through the real
// scheme editor.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "devices/dlgpropcommand.h"
#include "devices/graphicscommand.h"
#include "devices/module.h"
#include "devices/modulecatalogue.h"
#include "devices/pushbuttoncommand.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "model/address.h"
#include "model/checkmessage.h"
#include "model/datastream.h"
#include "model/file.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/boundtestitems.h"
#include "support/filesbelow.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDirIterator>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QtEndian>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using boundtest::PaintRecorder;
using schemetest::clew;
using schemetest::nets;

namespace {

const int commandType = QGraphicsItem::UserType + 423;

// A sheet that makes command items from their type id.
class CommandSheet : public GraphicsScene
{
public:
    explicit CommandSheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsCommand::Type)
            return createGraphicsCommand(this);
        return GraphicsScene::createItem(type);
    }
};

// Descriptions of a few templates, as a translation file gives them.
class Descriptions : public QTranslator
{
public:
    Descriptions()
    {
        texts.insert("TS Approach  56", "Approach %1 ''%2'' state %3");
        texts.insert("TS Cross    1", "Cross %1 ''%2'' state %3");
        texts.insert("TS Cross    2", "Switch %1 to %2");
        texts.insert("TS Cross    3", "Lamp %1 and %10");
        texts.insert("TS Cross    4", "%1 %2 %3 %4 %5 %6 %7 %8 %9 %10");
        texts.insert("TU Route 346", "Route %1 set");
        QCoreApplication::installTranslator(this);
    }
    ~Descriptions() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "GraphicsCommand") != 0)
            return QString();
        return texts.value(QByteArray(source));
    }
    bool isEmpty() const override { return false; }

    QHash<QByteArray, QString> texts;
};

void press(QWidget *dialog, const QString &text)
{
    QPushButton *button = buttonOf(dialog, text);
    QVERIFY2(button, qPrintable(text));
    button->click();
}

QString pinName(GraphicsDevice *item, int index)
{
    WiringPin *pin = item->wiringPin(index);
    return pin && pin->name() ? QString::fromLatin1(pin->name()) : QString();
}

QStringList pinNames(GraphicsDevice *item)
{
    return {pinName(item, 0), pinName(item, 1)};
}

Module *newModule(Project &project, const QString &name, int type)
{
    auto *module = dynamic_cast<Module *>(project.createDevice(ModuleKind));
    if (!module)
        return nullptr;
    module->setModelIndex(type);
    module->setName(name);
    return module;
}

GraphicsCommand *newCommand(GraphicsScene &sheet, int kind, const QStringList &params = {"a"})
{
    auto *item = dynamic_cast<GraphicsCommand *>(sheet.createItem(GraphicsCommand::Type));
    if (!item)
        return nullptr;
    sheet.addGraphicsItem(item);
    item->setKind(kind);
    // The first template of the kind's first group, the first signal.
    const int firstTemplate[] = {0, 329, 329, 424};
    item->setTemplateIndex(firstTemplate[kind]);
    item->setSignal(0);
    item->setTemplateParams(params);
    return item;
}

QStringList comboTexts(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QList<int> comboData(QComboBox *combo)
{
    QList<int> data;
    for (int i = 0; i < combo->count(); ++i)
        data << combo->itemData(i).toInt();
    return data;
}

QStringList headers(QTreeWidget *tree)
{
    QStringList texts;
    for (int i = 0; i < tree->columnCount(); ++i)
        texts << tree->headerItem()->text(i);
    return texts;
}

QStringList rowTexts(QTreeWidgetItem *row)
{
    QStringList texts;
    for (int i = 0; row && i < row->columnCount(); ++i)
        texts << row->text(i);
    return texts;
}

QList<int> visibleParams(QTableWidget *table)
{
    QList<int> shown;
    for (int c = 0; c < table->columnCount(); ++c) {
        if (!table->isColumnHidden(c))
            shown << c;
    }
    return shown;
}

void setParam(DlgPropCommand *dialog, int column, const QString &text)
{
    dialog->paramTable()->item(0, column)->setText(text);
}

// The record of an item written by hand: the own fields (the last three
// only from format 2), then an unbound object part.
QByteArray handRecord(qint32 kind, qint32 signal, qint32 templateIndex, const QStringList &params, bool withFormat2,
                      quint8 number = 255)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    out << kind << signal << templateIndex << true << QString("gi") << quint32(params.size());
    for (const QString &p : params)
        out << p;
    if (withFormat2)
        out << number << QString("right") << QString("left");
    out << qint32(0) << QString("TS1");
    return bytes;
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

QDateTime clockNow;

QPointF at(Pin *pin)
{
    return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center());
}

template <class T>
QList<T *> itemsOf(GraphicsScene &scene)
{
    QList<T *> result;
    for (GraphicsItem *item : scene.graphicsItems())
        if (auto *found = dynamic_cast<T *>(item))
            result.append(found);
    return result;
}

// What a command shows: kind, number, signal, template, parameters,
// comments, title, module, pins and position.
QString describe(GraphicsCommand *c)
{
    return QString("%1 #%2 s%3 t%4 [%5] gi=%6 r=%7 l=%8 title=%9 %10 pins=%11 at=(%12,%13)")
        .arg(c->kind())
        .arg(int(c->number()))
        .arg(c->signal())
        .arg(c->templateIndex())
        .arg(c->templateParams().join('|'))
        .arg(c->commentGi(), c->commentRightPin(), c->commentLeftPin())
        .arg(c->drawTitle() ? "true" : "false")
        .arg(c->module() ? c->module()->name() : QString("-"))
        .arg(pinNames(c).join('/'))
        .arg(c->pos().x())
        .arg(c->pos().y());
}

} // namespace

class TestCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Actions> m_actions;
    std::unique_ptr<Project> m_project;
    SchemeGroup *m_group = nullptr;
    Scheme *m_scheme = nullptr;
    std::unique_ptr<SchemeEdit> m_view;

    QAction *action(int id) { return m_actions->list.at(id); }
    QPoint point(const QPointF &scenePoint) { return m_view->mapFromScene(scenePoint); }

    void click(const QPointF &scenePoint, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, modifiers, point(scenePoint));
    }

    void hover(const QPointF &scenePoint)
    {
        const QPoint pos = point(scenePoint);
        QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(m_view->viewport()->mapToGlobal(pos)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_view->viewport(), &event);
    }

    void doubleClick(const QPointF &scenePoint)
    {
        QWidget *target = m_view->viewport();
        const QPointF pos(point(scenePoint));
        const QPointF global(target->mapToGlobal(pos.toPoint()));
        const QEvent::Type sequence[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                         QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease};
        for (QEvent::Type type : sequence) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, pos, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        }
    }

    // A project with one scheme group holding one A3 scheme.
    void openProject()
    {
        m_project.reset(new Project(nullptr, nullptr));
        m_group = new SchemeGroup(m_project.get());
        m_group->setAtrNumber(2);
        m_project->schemes()->appendItem(m_group);
        m_scheme = new Scheme(m_project.get());
        m_scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        m_scheme->setName("dc");
        m_scheme->setNumber(1);
        m_group->appendItem(m_scheme);
    }

    void openView()
    {
        m_actions.reset(new Actions);
        m_view.reset(new SchemeEdit(&m_actions->list));
        m_view->setScene(m_scheme);
        m_view->resize(1200, 800);
        m_view->show();
        if (!QTest::qWaitForWindowExposed(m_view.get()))
            qWarning("view not exposed");
        m_view->setActive(true);
        m_view->zoom(1);
        m_view->zoom(1);
        m_view->centerOn(1400, 1000);
    }

    void closeProject()
    {
        if (m_view) {
            m_view->setActive(false);
            m_view.reset();
        }
        m_actions.reset();
        m_scheme = nullptr;
        m_group = nullptr;
        m_project.reset();
    }

    // The scheme's dialog of the command type, run with the step; a new
    // item is added to the scheme.
    GraphicsCommand *runDialog(ModalRecorder &rec, GraphicsCommand *item,
                               const std::function<void(DlgPropCommand *)> &step)
    {
        DlgPropGraphicsItem *dialog = m_scheme->createDialog(commandType);
        if (!dialog)
            return nullptr;
        rec.handle([&](QDialog *d) {
            auto *command = qobject_cast<DlgPropCommand *>(d);
            QVERIFY(command);
            QCOMPARE(command->windowTitle(), QString("Command"));
            step(command);
        });
        GraphicsItem *result = dialog->execDialog(item, commandType);
        delete dialog;
        if (result && !item)
            m_scheme->addGraphicsItem(result);
        return dynamic_cast<GraphicsCommand *>(result);
    }

    // Chooses the module row of that name.
    static void chooseModule(DlgPropCommand *dialog, const QString &name)
    {
        const QList<QTreeWidgetItem *> rows = dialog->objTable()->findItems(name, Qt::MatchExactly, 0);
        QCOMPARE(rows.size(), 1);
        dialog->selectTreeItem(dialog->objTable(), rows.first());
    }

    static void chooseKind(DlgPropCommand *dialog, int kind)
    {
        QTest::mouseClick(dialog->kindGroup()->button(kind), Qt::LeftButton);
        QCOMPARE(dialog->kindGroup()->checkedId(), kind);
    }

    static void chooseTemplate(DlgPropCommand *dialog, int templateIndex)
    {
        const int group = commandTemplates[templateIndex].group;
        dialog->groupCombo()->setCurrentIndex(dialog->groupCombo()->findData(group));
        dialog->templateCombo()->setCurrentIndex(dialog->templateCombo()->findData(templateIndex));
        QCOMPARE(dialog->templateCombo()->comboCurrentData(), templateIndex);
    }

    static void chooseSignal(DlgPropCommand *dialog, int signal)
    {
        dialog->signalCombo()->setCurrentIndex(dialog->signalCombo()->findData(signal));
        QCOMPARE(dialog->signalCombo()->comboCurrentData(), signal);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        clockNow = QDateTime(QDate(2024, 6, 7), QTime(8, 9, 10, 11));
        setFileClock([] { return clockNow; });
        createScreenFonts();
    }

    void cleanupTestCase()
    {
        setFileClock(nullptr);
        deleteFonts();
    }

    void init()
    {
        Scheme::registerItemTypes();
        QVERIFY(Scheme::setItemTypeFactories(commandType, createGraphicsCommand, createDlgPropCommand));
        hideHelp = false;
        showStrTemplateCommand = false;
        showBigDeviceNames = false;
    }

    void cleanup()
    {
        closeProject();
        Scheme::registerItemTypes();
        hideHelp = false;
        showStrTemplateCommand = false;
    }

    // ---- the item ----

    void newItemAndItsKinds()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        GraphicsCommand item(&sheet);
        QCOMPARE(item.type(), 65959);
        QCOMPARE(item.objType(), int(ModuleKind));
        QCOMPARE(item.bindMode(), int(GraphicsObjItem::BindByName));
        QCOMPARE(item.itemFlags(), 3);
        QCOMPARE(item.kind(), -1);
        QCOMPARE(item.signal(), -1);
        QCOMPARE(item.templateIndex(), -1);
        QCOMPARE(int(item.number()), 255);
        QVERIFY(item.templateParams().isEmpty());
        QVERIFY(item.commentGi().isEmpty() && item.commentRightPin().isEmpty() && item.commentLeftPin().isEmpty());
        QCOMPARE(item.pinCount(), 2);
        QCOMPARE(item.pin(1)->center(), QPointF(0, 0));
        QVERIFY(item.templateText().isEmpty());

        item.setKind(0);
        QCOMPARE(item.pin(0)->center(), QPointF(120, 0));
        // With the band of the module's number and address above.
        QCOMPARE(item.boundingRect(), QRectF(-43.5, -121.5, 207, 165));
        item.setKind(1);
        QCOMPARE(item.pin(0)->center(), QPointF(200, 0));
        QCOMPARE(item.pin(1)->center(), QPointF(0, 0));
        QCOMPARE(item.boundingRect(), QRectF(-43.5, -121.5, 254, 175));
        // The same kind again moves nothing.
        item.pin(0)->moveCenter(QPointF(5, 5));
        item.setKind(1);
        QCOMPARE(item.pin(0)->center(), QPointF(5, 5));
        item.setKind(3);
        QCOMPARE(item.pin(0)->center(), QPointF(200, 0));
        QCOMPARE(boxTexts(rec), QStringList());
        // No kind outside the four.
        item.setKind(4);
        QCOMPARE(item.kind(), 3);
        QCOMPARE(boxTexts(rec).size(), 1);

        // The comments by pin: 0 the right one, 1 the left one.
        item.setCommentPin(0, "R");
        item.setCommentPin(1, "L");
        QCOMPARE(item.commentRightPin(), QString("R"));
        QCOMPARE(item.commentLeftPin(), QString("L"));
        QCOMPARE(item.commentPin(0), QString("R"));
        QCOMPARE(item.commentPin(1), QString("L"));
    }

    void aNewKindMovesWhatIsSolderedToTheRightPin()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        GraphicsCommand *item = newCommand(sheet, 0);
        boundtest::TestDeviceItem other(&sheet, boundtest::PanelItemType, GraphicsObjItem::BindByName, ModuleKind);
        QVERIFY(item->pin(0)->solder(other.pin(0)));
        // A device cannot stretch to the pin's new place: the joint goes.
        item->setKind(1);
        QVERIFY(item->pin(0)->isFree());
        QVERIFY(other.pin(0)->isFree());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void aNumberOfAnotherTypeIsDropped()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        GraphicsCommand *item = newCommand(sheet, 0);
        item->setNumber(40);
        item->setKind(1);
        QCOMPARE(int(item->number()), 255);
        item->setNumber(20);
        item->setKind(2);
        QCOMPARE(int(item->number()), 20);
        item->setKind(3);
        QCOMPARE(int(item->number()), 255);
        item->setNumber(11);
        item->setKind(0);
        QCOMPARE(int(item->number()), 11);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void pinNamesFollowTheNumber_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("left");
        QTest::newRow("TS 0") << 0 << 0 << "01" << "04";
        QTest::newRow("TS 1") << 0 << 1 << "02" << "";
        QTest::newRow("TS 2") << 0 << 2 << "03" << "";
        QTest::newRow("TS 3") << 0 << 3 << "05" << "08";
        QTest::newRow("TS 45") << 0 << 45 << "61" << "64";
        QTest::newRow("TS 47") << 0 << 47 << "63" << "";
        QTest::newRow("TU1 5") << 1 << 5 << "11" << "12";
        QTest::newRow("TU2 5") << 2 << 5 << "11" << "12";
        QTest::newRow("TU2 31") << 2 << 31 << "63" << "64";
        QTest::newRow("TV 5") << 3 << 5 << "12" << "11";
        QTest::newRow("TV 11") << 3 << 11 << "24" << "23";
    }

    void pinNamesFollowTheNumber()
    {
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(QString, right);
        QFETCH(QString, left);
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        newModule(project, "M1", moduleTypeOfKind(kind));
        GraphicsCommand *item = newCommand(sheet, kind);
        item->setNumber(quint8(number));
        // Unbound: no names.
        item->updatePinNames();
        QCOMPARE(pinNames(item), QStringList({"", ""}));
        item->setName("M1");
        QVERIFY(item->obj());
        QCOMPARE(int(item->number()), number);
        QCOMPARE(pinNames(item), QStringList({right, left}));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void aBoundItemWithoutNumberIsReported()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        newModule(project, "TS1", 0);
        GraphicsCommand *item = newCommand(sheet, 0);
        item->setName("TS1");
        QCOMPARE(pinNames(item), QStringList({"01", "04"}));
        item->setNumber(255);
        item->updatePinNames();
        QCOMPARE(boxTexts(rec).size(), 1);
        QCOMPARE(pinNames(item), QStringList({"01", "04"}));
    }

    void unnamedPinsAreCollectedOnlyWhenAsked()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        newModule(project, "TS1", 0);
        GraphicsCommand *first = newCommand(sheet, 0);
        GraphicsCommand *second = newCommand(sheet, 0);
        first->setName("TS1");
        second->setName("TS1");
        QCOMPARE(pinNames(second), QStringList({"02", ""}));
        QList<Pin *> pins;
        second->collectNet(second->pin(1), pins, nullptr, 0);
        QVERIFY(pins.isEmpty());
        second->collectNet(second->pin(1), pins, nullptr, 1);
        QCOMPARE(pins, QList<Pin *>({second->pin(1)}));
        second->collectNet(second->pin(0), pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>({second->pin(1), second->pin(0)}));
        QCOMPARE(boxTexts(rec), QStringList());
        // A pin of another item adds nothing, after the report.
        second->collectNet(first->pin(0), pins, nullptr, 1);
        QCOMPARE(pins.size(), 2);
        QCOMPARE(boxTexts(rec).size(), 1);
    }

    void templateText()
    {
        ModalRecorder rec;
        Descriptions descriptions;
        QCOMPARE(composeTemplateText(0, {}), QString("Cross %1 ''%2'' state %3"));
        QCOMPARE(composeTemplateText(0, {"A", "B", "on"}), QString("Cross A ''B'' state on"));
        // "-" takes the quotes round its placeholder with it.
        QCOMPARE(composeTemplateText(0, {"A", "-", "  on   line "}), QString("Cross A state on line"));
        // A blank parameter leaves its placeholder; "%" are dropped.
        QCOMPARE(composeTemplateText(0, {"", " % ", "x%y"}), QString("Cross %1 ''%2'' state xy"));
        QCOMPARE(composeTemplateText(0, {"A", "B"}), QString("Cross A ''B'' state %3"));
        // Without quotes round it, "-" takes the placeholder alone.
        QCOMPARE(composeTemplateText(1, {"-", "B"}), QString("Switch to B"));
        // "%10" is a placeholder whole, never "%1" and a "0", filled or blank.
        QCOMPARE(composeTemplateText(2, {"x", "", "", "", "", "", "", "", "", "y"}), QString("Lamp x and y"));
        QCOMPARE(composeTemplateText(2, {"x"}), QString("Lamp x and %10"));
        QCOMPARE(composeTemplateText(2, {"-", "", "", "", "", "", "", "", "", "-"}), QString("Lamp and"));
        // Untranslated: the name itself, simplified.
        QCOMPARE(composeTemplateText(622, {"a"}), QString("TU Route 1078"));
        QCOMPARE(composeTemplateText(20, {}), QString("TS Cross 21"));
        QCOMPARE(boxTexts(rec), QStringList());
        // A template outside the catalogue.
        QCOMPARE(composeTemplateText(623, {"a"}), QString());
        QCOMPARE(boxTexts(rec).size(), 1);

        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        GraphicsCommand *item = newCommand(sheet, 0, {"7", "-", "off"});
        QCOMPARE(item->templateText(), QString("Cross 7 state off"));
    }

    void recordRoundTrip()
    {
        ModalRecorder rec;
        QByteArray bytes;
        QStringList before;
        {
            Project project(nullptr, nullptr);
            CommandSheet sheet(&project);
            newModule(project, "TU4", 1);
            GraphicsCommand *a = newCommand(sheet, 2, {"x", "y z"});
            a->setSignal(11);
            a->setTemplateIndex(350);
            a->setDrawTitle(true);
            a->setCommentGi("gi text");
            a->setCommentPin(0, "right\nline");
            a->setCommentPin(1, "left");
            a->setNumber(7);
            a->setName("TU4");
            a->setPos(400, 800);
            GraphicsCommand *b = newCommand(sheet, 3, {});
            b->setName("TV9");
            b->setPos(800, 800);
            b->setTransform(QTransform().rotate(90), true);
            before << describe(a) << describe(b);
            QCOMPARE(before[0], QString("2 #7 s11 t350 [x|y z] gi=gi text r=right\nline l=left title=true TU4 "
                                        "pins=15/16 at=(400,800)"));
            bytes = boundtest::saveAll(project, sheet);
        }
        Project loaded(nullptr, nullptr);
        CommandSheet sheet(&loaded);
        QVERIFY(boundtest::loadAll(loaded, sheet, bytes));
        const QList<GraphicsCommand *> items = itemsOf<GraphicsCommand>(sheet);
        QCOMPARE(items.size(), 2);
        QCOMPARE(QStringList({describe(items[0]), describe(items[1])}), before);
        QCOMPARE(items[0]->module(), loaded.findObj(ModuleKind, "TU4"));
        QCOMPARE(items[1]->name(), QString("TV9"));
        QCOMPARE(items[1]->rotationIndex(), 1);
        QCOMPARE(items[0]->pin(0)->center(), QPointF(200, 0));
        QCOMPARE(boxTexts(rec), QStringList());
        // Written again: the same bytes.
        QCOMPARE(boundtest::saveAll(loaded, sheet), bytes);
    }

    void recordOfAnEarlierFormat()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        // Format 1 has no number and no pin comments.
        QByteArray old = handRecord(0, 6, 622, {"p", ""}, false);
        {
            GraphicsCommand item(&sheet);
            item.setCommentPin(0, "stale");
            DataStream in(&old, QIODevice::ReadOnly);
            in.setFormatIndex(1);
            item.loadData(in);
            QCOMPARE(in.status(), QDataStream::Ok);
            QVERIFY(in.atEnd());
            QCOMPARE(item.kind(), 0);
            QCOMPARE(item.signal(), 6);
            QCOMPARE(item.templateIndex(), 622);
            QVERIFY(item.drawTitle());
            QCOMPARE(item.commentGi(), QString("gi"));
            QCOMPARE(item.templateParams(), QStringList({"p", ""}));
            QCOMPARE(int(item.number()), 255);
            QVERIFY(item.commentRightPin().isEmpty() && item.commentLeftPin().isEmpty());
            QCOMPARE(item.ownName(), QString("TS1"));
            QCOMPARE(item.pin(0)->center(), QPointF(120, 0));

            // Written again, at the current format: with the later fields.
            QByteArray again;
            DataStream out(&again, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            {
                Project::IdentityScope scope(project);
                item.saveData(out);
            }
            QByteArray expected;
            DataStream e(&expected, QIODevice::WriteOnly);
            e.setFormatIndex(DataStream::CurrentFormat);
            e << qint32(0) << qint32(6) << qint32(622) << true << QString("gi") << quint32(2) << QString("p")
              << QString("") << quint8(255) << QString() << QString() << qint32(0) << QString("TS1");
            QCOMPARE(again, expected);
        }
        // Format 2 reads them.
        QByteArray current = handRecord(3, 11, 613, {"q"}, true, 11);
        GraphicsCommand item(&sheet);
        DataStream in(&current, QIODevice::ReadOnly);
        in.setFormatIndex(2);
        item.loadData(in);
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(in.atEnd());
        QCOMPARE(int(item.number()), 11);
        QCOMPARE(item.commentRightPin(), QString("right"));
        QCOMPARE(item.commentLeftPin(), QString("left"));
        QCOMPARE(item.pin(0)->center(), QPointF(200, 0));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void damagedIndicesAreRefused_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("templateIndex");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("valid");
        QTest::newRow("all set") << 0 << 6 << 622 << 47 << true;
        QTest::newRow("nothing set") << -1 << -1 << -1 << 255 << true;
        QTest::newRow("kind 4") << 4 << 0 << 0 << 255 << false;
        QTest::newRow("kind -2") << -2 << -1 << 0 << 255 << false;
        QTest::newRow("TS signal 7") << 0 << 7 << 0 << 255 << false;
        QTest::newRow("TU signal 11") << 1 << 11 << 0 << 255 << true;
        QTest::newRow("TU signal 12") << 2 << 12 << 0 << 255 << false;
        QTest::newRow("signal -2") << 3 << -2 << 0 << 255 << false;
        QTest::newRow("signal without kind") << -1 << 0 << 0 << 255 << false;
        QTest::newRow("template 623") << 0 << 0 << 623 << 255 << false;
        QTest::newRow("template -2") << 0 << 0 << -2 << 255 << false;
        QTest::newRow("TS number 48") << 0 << 0 << 0 << 48 << false;
        QTest::newRow("TU number 31") << 1 << 0 << 0 << 31 << true;
        QTest::newRow("TU number 32") << 2 << 0 << 0 << 32 << false;
        QTest::newRow("TV number 12") << 3 << 0 << 0 << 12 << false;
        QTest::newRow("number without kind") << -1 << -1 << 0 << 0 << false;
    }

    void damagedIndicesAreRefused()
    {
        QFETCH(int, kind);
        QFETCH(int, signal);
        QFETCH(int, templateIndex);
        QFETCH(int, number);
        QFETCH(bool, valid);
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        QByteArray bytes = handRecord(kind, signal, templateIndex, {"a"}, true, quint8(number));
        GraphicsCommand item(&sheet);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        item.loadData(in);
        QCOMPARE(in.status() == QDataStream::Ok, valid);
        if (valid) {
            QCOMPARE(item.kind(), kind);
            QCOMPARE(int(item.number()), number);
        } else {
            // Nothing of a damaged record is taken.
            QCOMPARE(item.kind(), -1);
            QCOMPARE(item.templateIndex(), -1);
            QVERIFY(item.templateParams().isEmpty());
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void aCutRecordIsRefused()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        QByteArray bytes = handRecord(0, 0, 0, {"a", "b", "c"}, true);
        // A parameter count beyond the stream stops at its end.
        QByteArray huge = bytes;
        {
            QByteArray count;
            DataStream c(&count, QIODevice::WriteOnly);
            c << quint32(0x7fffffff);
            const int at = 12 + 1 + 4 + 4; // three qint32, the flag, "gi"
            huge.replace(at, 4, count);
        }
        for (const QByteArray &damaged : {bytes.left(30), huge}) {
            QByteArray copy = damaged;
            GraphicsCommand item(&sheet);
            DataStream in(&copy, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            item.loadData(in);
            QVERIFY(in.status() != QDataStream::Ok);
            QVERIFY(item.templateParams().isEmpty());
            QCOMPARE(item.kind(), -1);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void aLoadedBindingWithoutNumberTakesAFreeOne()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            CommandSheet sheet(&project);
            newModule(project, "TS2", 0);
            GraphicsCommand *a = newCommand(sheet, 0);
            a->setName("TS2");
            GraphicsCommand *b = newCommand(sheet, 0);
            b->setName("TS2");
            QCOMPARE(int(b->number()), 1);
            // As an earlier format leaves it.
            a->setNumber(255);
            b->setNumber(255);
            bytes = boundtest::saveAll(project, sheet);
        }
        Project loaded(nullptr, nullptr);
        CommandSheet sheet(&loaded);
        QVERIFY(boundtest::loadAll(loaded, sheet, bytes));
        const QList<GraphicsCommand *> items = itemsOf<GraphicsCommand>(sheet);
        QCOMPARE(int(items[0]->number()), 0);
        QCOMPARE(int(items[1]->number()), 1);
        QCOMPARE(pinNames(items[0]), QStringList({"01", "04"}));
        QCOMPARE(pinNames(items[1]), QStringList({"02", ""}));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void checkReportsEveryUnboundCommand()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        newModule(project, "TS1", 0);
        GraphicsCommand *filledLoose = newCommand(sheet, 0, {"a", "b"});
        GraphicsCommand *emptyLoose = newCommand(sheet, 0, {"a", ""});
        GraphicsCommand *emptyBound = newCommand(sheet, 0, {""});
        GraphicsCommand *noParams = newCommand(sheet, 0, {});
        emptyBound->setName("TS1");
        QTreeWidget results;
        results.setColumnCount(3);
        filledLoose->check(&results, 0);
        noParams->check(&results, 0);
        emptyBound->check(&results, 0);
        emptyLoose->check(&results, 1);
        // The two unbound ones, whatever their parameters; not the bound one.
        QCOMPARE(results.topLevelItemCount(), 2);
        emptyLoose->check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 3);
        QCOMPARE(results.topLevelItem(2)->text(CheckMessage::MessageColumn), QString("Parent is absent"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void drawingTheItem()
    {
        ModalRecorder rec;
        Descriptions descriptions;
        Project project(nullptr, nullptr);
        CommandSheet sheet(&project);
        QStyleOptionGraphicsItem option;
        const auto paint = [&](GraphicsCommand *item, bool help) {
            auto recorder = std::make_unique<PaintRecorder>();
            QPainter painter(recorder.get());
            item->draw(&painter, &option, help);
            painter.end();
            return recorder;
        };

        // A "TS" command: black, "c", the title when asked.
        GraphicsCommand *ts = newCommand(sheet, 0, {"A", "B", "C"});
        ts->setDrawTitle(true);
        {
            auto r = paint(ts, false);
            QCOMPARE(r->texts, QStringList({"c", "MTS"}));
            QCOMPARE(r->shapesOf("ellipse").size(), 3);
            QCOMPARE(r->shapesOf("rect").first().pen, penBlack.color());
            QCOMPARE(r->shapesOf("ellipse").at(1).brush, penBlack.color());
            // Two leads and the arrow, then the free pins in green.
            QCOMPARE(r->shapesOf("line").size(), 4);
            QCOMPARE(r->shapesOf("rect").size(), 3);
            QCOMPARE(r->shapesOf("rect").at(1).pen, penGreen.color());
        }
        // Hidden help: no pins.
        QCOMPARE(paint(ts, true)->shapesOf("rect").size(), 1);
        // An empty parameter: red; selected: blue.
        ts->setTemplateParams({"A", ""});
        QCOMPARE(paint(ts, true)->shapesOf("rect").first().pen, penRed.color());
        option.state |= QStyle::State_Selected;
        QCOMPARE(paint(ts, true)->shapesOf("rect").first().pen, penBlue.color());
        option.state &= ~QStyle::State_Selected;

        // The template's text as help.
        ts->setTemplateParams({"1", "-", "on"});
        showStrTemplateCommand = true;
        QCOMPARE(paint(ts, false)->texts, QStringList({"c", "MTS", "Cross 1 state on"}));
        QCOMPARE(paint(ts, true)->texts, QStringList({"c", "MTS"}));
        showStrTemplateCommand = false;

        // "TU" forms and "TV".
        GraphicsCommand *tu = newCommand(sheet, 2);
        tu->setDrawTitle(true);
        QCOMPARE(paint(tu, true)->texts, QStringList({"y2", "y1", "MTU"}));
        GraphicsCommand *tv = newCommand(sheet, 3);
        QCOMPARE(paint(tv, true)->texts, QStringList({"+", "-"}));
        tv->setDrawTitle(true);
        QCOMPARE(paint(tv, true)->texts, QStringList({"+", "-", "MTV"}));
        // The wave and the two leads.
        QCOMPARE(paint(tv, true)->shapesOf("polygon").size(), 1);
        QCOMPARE(paint(tv, true)->shapesOf("line").size(), 2);
        // No kind yet: "M" alone, and no report from a painter.
        GraphicsCommand *loose = newCommand(sheet, 0);
        GraphicsCommand fresh(&sheet);
        fresh.setDrawTitle(true);
        QCOMPARE(paint(&fresh, true)->texts, QStringList({"M"}));
        QCOMPARE(boxTexts(rec), QStringList());

        // A placed module adds its number and address.
        Module *module = newModule(project, "TS12", 0);
        loose->setName("TS12");
        QCOMPARE(loose->module(), module);
        QCOMPARE(paint(loose, false)->texts, QStringList({"c"}));
        boundtest::TestScene frame(&project);
        GraphicsPlaceItemDevice *placed = module->createPlaceItem(&frame);
        frame.addGraphicsItem(placed);
        auto *place = new Place(&frame, nullptr, 149, 1);
        frame.addLoose(place);
        Address address;
        address.setField(3, 3);
        address.setField(4, 5);
        place->setAddress(address);
        QVERIFY(place->putItem(placed));
        QVERIFY(module->address());
        QCOMPARE(paint(loose, false)->texts, QStringList({"c", "12", module->address()->toString(1)}));
        QCOMPARE(paint(loose, true)->texts, QStringList({"c"}));
        QCOMPARE(loose->commandName(loose->pin(0)), QString("K35-01"));
        QCOMPARE(boxTexts(rec), QStringList());

        // All it paints lies inside its bounding rectangle: no stale paint.
        loose->setDrawTitle(true);
        loose->setTemplateIndex(0);
        loose->setTemplateParams({"a cross of a long name", "B", "on"});
        showStrTemplateCommand = true;
        auto all = paint(loose, false);
        showStrTemplateCommand = false;
        QRectF painted;
        for (const QRectF &rect : std::as_const(all->textRects))
            painted |= rect;
        for (const PaintRecorder::Shape &shape : std::as_const(all->shapes))
            painted |= shape.bounds;
        QVERIFY(all->texts.size() == 5 && loose->boundingRect().contains(painted));
    }

    void drawingTheSymbol()
    {
        ModalRecorder rec;
        for (int kind = 0; kind < 4; ++kind) {
            PaintRecorder plain;
            PaintRecorder labelled;
            PaintRecorder swapped;
            for (PaintRecorder *r : {&plain, &labelled, &swapped}) {
                QPainter painter(r);
                painter.setPen(penBlue);
                drawCommand(&painter, kind, r != &plain, r == &swapped);
            }
            // A circle, two dots, a frame; all in the pen's colour.
            QCOMPARE(plain.shapesOf("ellipse").size(), 3);
            QCOMPARE(plain.shapesOf("rect").size(), 1);
            for (const PaintRecorder::Shape &shape : plain.shapes)
                QCOMPARE(shape.pen, penBlue.color());
            const double w = kind == 0 ? 120 : 200;
            QCOMPARE(plain.shapesOf("ellipse").at(1).bounds, QRectF(14, -6, 12, 12));
            QCOMPARE(plain.shapesOf("ellipse").at(2).bounds, QRectF(w - 26, -6, 12, 12));
            QCOMPARE(plain.shapesOf("ellipse").at(2).brush, penBlue.color());
            const QStringList labels[4][3] = {{{}, {"c"}, {"c"}},
                                              {{}, {"y2", "y1"}, {"y2", "y1"}},
                                              {{}, {"y2", "y1"}, {"y2", "y1"}},
                                              {{"+", "-"}, {"+", "-"}, {"-", "+"}}};
            QCOMPARE(plain.texts, labels[kind][0]);
            QCOMPARE(labelled.texts, labels[kind][1]);
            QCOMPARE(swapped.texts, labels[kind][2]);
        }
        // The kinds' marks.
        const auto lines = [](int kind) {
            PaintRecorder r;
            QPainter painter(&r);
            drawCommand(&painter, kind, false, false);
            painter.end();
            return r.shapesOf("line").size();
        };
        QCOMPARE(lines(0), 4);
        QCOMPARE(lines(1), 7);
        QCOMPARE(lines(2), 7);
        // Any other kind: only the two dots.
        PaintRecorder other;
        {
            QPainter painter(&other);
            drawCommand(&painter, 7, true, false);
        }
        QCOMPARE(other.shapes.size(), 2);
        QVERIFY(other.texts.isEmpty());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void theKindButtons()
    {
        ModalRecorder rec;
        for (int kind = 0; kind < 4; ++kind) {
            PushButtonCommand button(kind);
            QCOMPARE(button.kind(), kind);
            QVERIFY(button.isCheckable());
            QCOMPARE(button.sizeHint(), QSize(95, 77));
            button.resize(button.sizeHint());
            button.setChecked(kind % 2 == 1);
            const QImage image = button.grab().toImage();
            // The symbol is drawn in the pen of the state.
            const QColor pen = kind % 2 == 1 ? penBlue.color() : penBlack.color();
            bool found = false;
            for (int y = 0; y < image.height() && !found; ++y)
                for (int x = 0; x < image.width() && !found; ++x)
                    found = image.pixelColor(x, y) == pen;
            QVERIFY(found);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // ---- the dialog ----

    void dialogWidgets()
    {
        ModalRecorder rec;
        openProject();
        bool ran = false;
        runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            ran = true;
            QCOMPARE(headers(d->commandsTable()),
                     QStringList({"Command name", "Type", "Signal", "Scheme", "Comment gi", "Comment connect left pin",
                                  "Comment connect right pin"}));
            QCOMPARE(d->commandsTable()->columnWidth(0), 400);
            QCOMPARE(d->commandsTable()->columnWidth(3), 45);
            QCOMPARE(d->commandsTable()->sizeHint(), QSize(540, 550));
            QCOMPARE(d->commandsTable()->minimumWidth(), 540);
            QVERIFY(!d->commandsTable()->isClipboardMenuEnabled());
            QVERIFY(d->commandsTable()->isSortingEnabled());
            QCOMPARE(d->commandsTable()->topLevelItemCount(), 0);
            QCOMPARE(headers(d->typesTable()), QStringList({"Type module", "Cnt commands", "Cnt"}));
            QVERIFY(!d->typesTable()->isSortingEnabled());
            QCOMPARE(d->typesTable()->sizeHint(), QSize(150, 120));
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(0)), QStringList({"TS", "0", "0 / 0"}));
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(2)), QStringList({"TV", "0", "0 / 0"}));
            QCOMPARE(headers(d->objTable()), QStringList({"Modules"}));
            QCOMPARE(d->objTable()->topLevelItemCount(), 0);
            QCOMPARE(comboTexts(d->typeCombo()), QStringList({"TS", "TU", "TV"}));
            QCOMPARE(comboData(d->typeCombo()), QList<int>({0, 1, 2}));
            QCOMPARE(d->numberSpin()->minimum(), 1);
            for (const char *text : {"Add", "Del", "Repl", "Ok", "Cancel"})
                QVERIFY(buttonOf(d, text));
            QVERIFY(!buttonOf(d, "V"));

            // Kind 0 with the "TS" lists; the first group and template.
            QCOMPARE(d->kindGroup()->buttons().size(), 4);
            QCOMPARE(d->kindGroup()->checkedId(), 0);
            QVERIFY(d->kindGroup()->exclusive());
            QCOMPARE(d->currentType(), 0);
            QCOMPARE(comboTexts(d->signalCombo()), QStringList({"0", "1", "1/2", "2", "2/1", "2D", "D"}));
            QCOMPARE(comboData(d->signalCombo()), QList<int>({0, 1, 3, 2, 4, 5, 6}));
            QCOMPARE(d->groupCombo()->count(), 20);
            QCOMPARE(d->groupCombo()->itemText(0), QString("TS Approach"));
            QCOMPARE(d->groupCombo()->itemText(19), QString("TS Ties"));
            QCOMPARE(d->templateCombo()->count(), 4);
            QCOMPARE(d->templateCombo()->currentText(), QString("TS Approach  56"));
            QCOMPARE(d->templateCombo()->comboCurrentData(), 55);
            QCOMPARE(d->commandEdit()->text(), QString("TS Approach 56"));
            QVERIFY(d->commandEdit()->isReadOnly());

            QCOMPARE(d->paramTable()->rowCount(), 1);
            QCOMPARE(d->paramTable()->columnCount(), 10);
            QCOMPARE(d->paramTable()->horizontalHeaderItem(0)->text(), QString("%1"));
            QCOMPARE(d->paramTable()->horizontalHeaderItem(9)->text(), QString("%10"));
            QCOMPARE(d->paramTable()->height(), 65);
            QCOMPARE(d->paramTable()->rowHeight(0), 20);
            for (int c = 0; c < 10; ++c)
                QVERIFY(d->paramTable()->item(0, c) && d->paramTable()->item(0, c)->text().isEmpty());
            QCOMPARE(visibleParams(d->paramTable()), QList<int>());
            QCOMPARE(d->leftPinEdit()->height(), 40);
            QVERIFY(d->drawTitleCheck()->isChecked());
            QCOMPARE(d->drawTitleCheck()->text(), QString("Need draw title"));
            const QStringList labels = [&] {
                QStringList texts;
                for (QLabel *label : d->findChildren<QLabel *>())
                    texts << label->text();
                return texts;
            }();
            for (const char *text : {"Number module:", "Type module:", "Type signal:", "Group template:",
                                     "Template:", "Command:", "Comment gi:",
                                     "Comment connect left pin gi (''co'', ''y2'', ''+''):",
                                     "Comment connect right pin gi (''c'', ''y1'', ''-''):"})
                QVERIFY2(labels.contains(text), text);
        });
        QVERIFY(ran);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void kindsChooseTheLists()
    {
        ModalRecorder rec;
        openProject();
        runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            chooseKind(d, 1);
            QCOMPARE(d->currentType(), 1);
            QCOMPARE(d->signalCombo()->count(), 12);
            QCOMPARE(d->groupCombo()->count(), 11);
            QCOMPARE(d->groupCombo()->itemText(0), QString("TU Control"));
            chooseTemplate(d, 357);
            chooseSignal(d, 5);
            // The other "TU" kind keeps the lists and the choices.
            chooseKind(d, 2);
            QCOMPARE(d->currentType(), 1);
            QCOMPARE(d->templateCombo()->comboCurrentData(), 357);
            QCOMPARE(d->signalCombo()->comboCurrentData(), 5);
            QCOMPARE(d->groupCombo()->currentText(), QString("TU Route"));
            // "TV": its signals, with "rM" before "rP" by index.
            chooseKind(d, 3);
            QCOMPARE(d->currentType(), 2);
            QCOMPARE(d->groupCombo()->count(), 6);
            QCOMPARE(d->signalCombo()->itemData(d->signalCombo()->findText("rM")).toInt(), 4);
            QCOMPARE(d->signalCombo()->itemData(d->signalCombo()->findText("rP")).toInt(), 5);
            // Back to "TS": refilled, the first group and template.
            chooseKind(d, 0);
            QCOMPARE(d->currentType(), 0);
            QCOMPARE(d->groupCombo()->currentIndex(), 0);
            QCOMPARE(d->templateCombo()->comboCurrentData(), 55);
            // A group lists its templates sorted by text.
            chooseTemplate(d, 9);
            QCOMPARE(d->templateCombo()->itemText(0), QString("TS Cross    1"));
            QCOMPARE(d->templateCombo()->itemText(6), QString("TS Cross    7"));
            QCOMPARE(d->templateCombo()->itemText(7), QString("TS Cross    7a"));
            QCOMPARE(d->templateCombo()->itemText(10), QString("TS Cross   10"));
            QCOMPARE(d->templateCombo()->itemText(11), QString("TS Cross   10a"));
            QCOMPARE(d->templateCombo()->itemText(25), QString("TS Cross   22"));
            QCOMPARE(d->templateCombo()->count(), 26);
        });
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void parametersFollowTheTemplate()
    {
        ModalRecorder rec;
        Descriptions descriptions;
        openProject();
        runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            // Three placeholders: three columns.
            QCOMPARE(d->templateCombo()->comboCurrentData(), 55);
            QCOMPARE(visibleParams(d->paramTable()), QList<int>({0, 1, 2}));
            QCOMPARE(d->commandEdit()->text(), QString("Approach %1 ''%2'' state %3"));
            setParam(d, 0, "5");
            QCOMPARE(d->commandEdit()->text(), QString("Approach 5 ''%2'' state %3"));
            setParam(d, 1, "-");
            setParam(d, 2, "a % b");
            QCOMPARE(d->commandEdit()->text(), QString("Approach 5 state a b"));
            // None: every column hidden.
            d->templateCombo()->setCurrentIndex(d->templateCombo()->findData(56));
            QCOMPARE(visibleParams(d->paramTable()), QList<int>());
            // Hidden cells still count for the preview.
            QCOMPARE(d->commandEdit()->text(), QString("TS Approach 57"));
            // "%10" counts one "%".
            chooseTemplate(d, 2);
            QCOMPARE(visibleParams(d->paramTable()), QList<int>({0, 1}));
            chooseTemplate(d, 3);
            QCOMPARE(visibleParams(d->paramTable()), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
            for (int c = 0; c < 10; ++c)
                QCOMPARE(d->paramTable()->columnWidth(c), 70);
        });
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void modulesAreAddedRenamedAndDeleted()
    {
        ModalRecorder rec;
        openProject();
        GraphicsCommand *bound = newCommand(*m_scheme, 1);
        runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            // "TS" and 7: TS7.
            d->typeCombo()->setCurrentIndex(d->typeCombo()->findText("TS"));
            d->numberSpin()->setValue(7);
            press(d, "Add");
            auto *ts7 = dynamic_cast<Module *>(m_project->findObj(ModuleKind, "TS7"));
            QVERIFY(ts7);
            QCOMPARE(ts7->modelIndex(), 0);
            QCOMPARE(d->selectedModule(), ts7);
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(0)), QStringList({"TS", "0", "1 / 0"}));
            QCOMPARE(boxTexts(rec), QStringList());
            press(d, "Add");
            QCOMPARE(boxTexts(rec), QStringList({"Object already exists!"}));

            d->typeCombo()->setCurrentIndex(d->typeCombo()->findText("TU"));
            d->numberSpin()->setValue(2);
            press(d, "Add");
            auto *tu2 = dynamic_cast<Module *>(m_project->findObj(ModuleKind, "TU2"));
            QVERIFY(tu2);
            QCOMPARE(tu2->modelIndex(), 1);
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(1)), QStringList({"TU", "1", "1 / 1"}));

            // Choosing a module shows its type and number.
            chooseModule(d, "TS7");
            QCOMPARE(d->typeCombo()->currentText(), QString("TS"));
            QCOMPARE(d->numberSpin()->value(), 7);

            // Renamed with another type and number.
            d->typeCombo()->setCurrentIndex(d->typeCombo()->findText("TV"));
            d->numberSpin()->setValue(3);
            press(d, "Repl");
            QCOMPARE(ts7->name(), QString("TV3"));
            QCOMPARE(ts7->modelIndex(), 2);
            QCOMPARE(d->objTable()->findItems("TV3", Qt::MatchExactly).size(), 1);
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(0)), QStringList({"TS", "0", "0 / 0"}));
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(2)), QStringList({"TV", "0", "1 / 0"}));
            // To a name in use.
            d->typeCombo()->setCurrentIndex(d->typeCombo()->findText("TU"));
            d->numberSpin()->setValue(2);
            press(d, "Repl");
            QCOMPARE(boxTexts(rec).last(), QString("Object already exists!"));
            QCOMPARE(ts7->name(), QString("TV3"));

            // A module with commands is deleted only when the user agrees.
            bound->setName("TU2");
            QCOMPARE(bound->module(), tu2);
            chooseModule(d, "TU2");
            rec.clickButton("&No");
            press(d, "Del");
            QCOMPARE(boxTexts(rec).last(), QString("Module: `TU2` have graphics children! Delete this object?"));
            QCOMPARE(m_project->findObj(ModuleKind, "TU2"), tu2);
            rec.clickButton("&Yes");
            press(d, "Del");
            QVERIFY(!m_project->findObj(ModuleKind, "TU2"));
            QVERIFY(!bound->obj());
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(1)), QStringList({"TU", "1", "0 / 1"}));
            QCOMPARE(d->objTable()->topLevelItemCount(), 1);
            press(d, "Cancel");
        });
        QCOMPARE(boxTexts(rec).size(), 4);
    }

    void theTablesCountTheCommands()
    {
        ModalRecorder rec;
        openProject();
        newModule(*m_project, "TS1", 0);
        newModule(*m_project, "TV1", 2);
        for (int i = 0; i < 49; ++i)
            newCommand(*m_scheme, 0);
        newCommand(*m_scheme, 1);
        newCommand(*m_scheme, 2);
        // A command on a second scheme of another group.
        auto *group = new SchemeGroup(m_project.get());
        group->setAtrNumber(5);
        m_project->schemes()->appendItem(group);
        auto *other = new Scheme(m_project.get());
        other->setNumber(4);
        group->appendItem(other);
        GraphicsCommand *far = newCommand(*other, 3, {"7"});
        far->setSignal(4);
        far->setTemplateIndex(613);
        far->setCommentGi("gi");
        far->setCommentPin(0, "r");
        far->setCommentPin(1, "l");
        far->setName("TV1");
        QCOMPARE(DlgPropCommand::collectCommandItems(m_project.get()).size(), 52);
        QCOMPARE(DlgPropCommand::collectCommandItems(m_project.get()).last(), far);
        QCOMPARE(DlgPropCommand::collectCommandItems(nullptr).size(), 0);

        runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(0)), QStringList({"TS", "49", "1 / 2"}));
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(1)), QStringList({"TU", "2", "0 / 1"}));
            QCOMPARE(rowTexts(d->typesTable()->topLevelItem(2)), QStringList({"TV", "1", "1 / 1"}));
            QCOMPARE(d->commandsTable()->topLevelItemCount(), 52);
            QTreeWidgetItem *row = findTopLevelItemByObject(d->commandsTable(), far);
            QVERIFY(row);
            QCOMPARE(rowTexts(row), QStringList({"TV Ties 1069", "MTV", "rM", other->displayName(), "gi", "l", "r"}));
            QCOMPARE(QStringList({d->objTable()->topLevelItem(0)->text(0), d->objTable()->topLevelItem(1)->text(0)}),
                     QStringList({"TS1", "TV1"}));
        });
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void okRefusesAModuleThatCannotTakeTheCommand()
    {
        ModalRecorder rec;
        openProject();
        newModule(*m_project, "TU1", 1);
        newModule(*m_project, "TV1", 2);
        for (int i = 0; i < 12; ++i) {
            GraphicsCommand *item = newCommand(*m_scheme, 3);
            item->setName("TV1");
        }
        const int before = m_scheme->graphicsItems().size();
        GraphicsCommand *made = runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            chooseModule(d, "TU1");
            chooseKind(d, 0);
            press(d, "Ok");
            QCOMPARE(boxTexts(rec), QStringList({"Module type and command type not compatibility!"}));
            chooseModule(d, "TV1");
            chooseKind(d, 3);
            press(d, "Ok");
            QCOMPARE(boxTexts(rec).last(), QString("Module is busy!"));
            QCOMPARE(d->result(), int(QDialog::Rejected));
            press(d, "Cancel");
        });
        QVERIFY(!made);
        QCOMPARE(m_scheme->graphicsItems().size(), before);
        QCOMPARE(boxTexts(rec).size(), 2);

        // An item of the full module itself is no further command.
        GraphicsCommand *member = itemsOf<GraphicsCommand>(*m_scheme).at(5);
        QCOMPARE(runDialog(rec, member, [&](DlgPropCommand *d) { press(d, "Ok"); }), member);
        QCOMPARE(int(member->number()), 5);
        QCOMPARE(boxTexts(rec).size(), 2);
    }

    void okWritesTheItem()
    {
        ModalRecorder rec;
        Descriptions descriptions;
        openProject();
        Module *tu = newModule(*m_project, "TU3", 1);
        newModule(*m_project, "TU4", 1);
        m_project->clearChangeFlags();
        GraphicsCommand *item = runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            chooseModule(d, "TU3");
            chooseKind(d, 2);
            chooseTemplate(d, 345);
            QCOMPARE(visibleParams(d->paramTable()), QList<int>({0}));
            chooseSignal(d, 9);
            setParam(d, 0, "  north %  line ");
            // A hidden column is not stored.
            setParam(d, 3, "hidden");
            d->commentGiEdit()->setText("gi 1");
            d->leftPinEdit()->setPlainText("to co\nand on");
            d->rightPinEdit()->setPlainText("to c");
            d->drawTitleCheck()->setChecked(false);
            press(d, "Ok");
        });
        QVERIFY(item);
        QCOMPARE(item->graphicsScene(), m_scheme);
        QCOMPARE(describe(item), QString("2 #0 s9 t345 [north line] gi=gi 1 r=to c l=to co\nand on title=false TU3 "
                                         "pins=01/02 at=(0,0)"));
        QCOMPARE(item->module(), tu);
        QCOMPARE(item->templateText(), QString("Route north line set"));
        QVERIFY(m_project->devicesChanged());
        QVERIFY(m_scheme->isModified());

        // Opened again: the widgets show it; Ok keeps every field.
        const QString before = describe(item);
        runDialog(rec, item, [&](DlgPropCommand *d) {
            QCOMPARE(d->kindGroup()->checkedId(), 2);
            QCOMPARE(d->currentType(), 1);
            QCOMPARE(d->signalCombo()->comboCurrentData(), 9);
            QCOMPARE(d->groupCombo()->currentText(), QString("TU Route"));
            QCOMPARE(d->templateCombo()->comboCurrentData(), 345);
            QCOMPARE(d->paramTable()->item(0, 0)->text(), QString("north line"));
            QCOMPARE(d->commandEdit()->text(), QString("Route north line set"));
            QCOMPARE(d->commentGiEdit()->text(), QString("gi 1"));
            QCOMPARE(d->leftPinEdit()->toPlainText(), QString("to co\nand on"));
            QCOMPARE(d->rightPinEdit()->toPlainText(), QString("to c"));
            QVERIFY(!d->drawTitleCheck()->isChecked());
            QList<QTreeWidgetItem *> selected = d->commandsTable()->selectedItems();
            QCOMPARE(selected.size(), 1);
            QCOMPARE(findTopLevelItemByObject(d->commandsTable(), item), selected.first());
            QCOMPARE(d->selectedModule(), tu);
            QCOMPARE(d->numberSpin()->value(), 3);
            press(d, "Ok");
        });
        QCOMPARE(describe(item), before);

        // Moved to the other module and to kind 1.
        runDialog(rec, item, [&](DlgPropCommand *d) {
            chooseModule(d, "TU4");
            chooseKind(d, 1);
            press(d, "Ok");
        });
        QCOMPARE(item->module()->name(), QString("TU4"));
        QCOMPARE(item->kind(), 1);
        QVERIFY(tu->items().isEmpty());
        // Cancel changes nothing.
        const QString moved = describe(item);
        runDialog(rec, item, [&](DlgPropCommand *d) {
            chooseKind(d, 0);
            d->commentGiEdit()->setText("not this");
            press(d, "Cancel");
        });
        QCOMPARE(describe(item), moved);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void doubleClickingACommandShowsIt()
    {
        ModalRecorder rec;
        openProject();
        newModule(*m_project, "TS1", 0);
        GraphicsCommand *a = newCommand(*m_scheme, 0);
        GraphicsCommand *b = newCommand(*m_scheme, 0, {"b"});
        a->setName("TS1");
        GraphicsScene *shownScene = nullptr;
        GraphicsItem *shownItem = nullptr;
        connect(m_project.get(), &Project::showGraphicsScene, this, [&](GraphicsScene &scene, GraphicsItem *item) {
            shownScene = &scene;
            shownItem = item;
        });
        const QString before = describe(a);
        GraphicsCommand *result = runDialog(rec, a, [&](DlgPropCommand *d) {
            d->commentGiEdit()->setText("not saved");
            QTreeWidgetItem *row = findTopLevelItemByObject(d->commandsTable(), b);
            QVERIFY(row);
            emit d->commandsTable()->itemDoubleClicked(row, 0);
            QCOMPARE(d->result(), int(QDialog::Rejected));
        });
        QVERIFY(!result);
        QCOMPARE(shownScene, static_cast<GraphicsScene *>(m_scheme));
        QCOMPARE(shownItem, static_cast<GraphicsItem *>(b));
        QVERIFY(b->isSelected());
        QCOMPARE(describe(a), before);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // ---- through the editor ----

    void placeCopyWireSaveAndLoad()
    {
        ModalRecorder rec;
        openProject();
        openView();
        // The toolbox entry stays off: commands come from their dialog,
        // files and the clipboard.
        QVERIFY(!action(110)->isEnabled());

        // The first command through the scheme's dialog, with its module.
        GraphicsCommand *a = runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            d->typeCombo()->setCurrentIndex(d->typeCombo()->findText("TS"));
            d->numberSpin()->setValue(1);
            press(d, "Add");
            chooseTemplate(d, 10);
            chooseSignal(d, 3);
            d->commentGiEdit()->setText("first");
            press(d, "Ok");
        });
        QVERIFY(a);
        a->setPos(800, 800);
        auto *ts1 = dynamic_cast<Module *>(m_project->findObj(ModuleKind, "TS1"));
        QVERIFY(ts1);
        QCOMPARE(a->module(), ts1);
        QCOMPARE(pinNames(a), QStringList({"01", "04"}));

        // Copied and pasted three times with the editor: each copy takes
        // the next command number of the module.
        action(30)->trigger();
        click(a->mapToScene(QPointF(60, 20)));
        QCOMPARE(m_scheme->selectedGraphicsItems(), QList<GraphicsItem *>({a}));
        action(14)->trigger();
        QList<GraphicsCommand *> copies;
        for (int i = 0; i < 3; ++i) {
            action(15)->trigger();
            QCOMPARE(m_view->carriedItems().size(), 1);
            auto *copy = dynamic_cast<GraphicsCommand *>(m_view->carriedItems().first());
            QVERIFY(copy);
            const QPointF target(800 + 400 * (i + 1), 800);
            const QPointF mouse = target + copy->boundingRect().center() - copy->pin(1)->center();
            hover(mouse);
            click(mouse);
            QVERIFY(m_view->carriedItems().isEmpty());
            QCOMPARE(copy->pos(), target);
            copies << copy;
        }
        QCOMPARE(copies[0]->module(), ts1);
        QCOMPARE(int(copies[0]->number()), 1);
        QCOMPARE(int(copies[1]->number()), 2);
        QCOMPARE(int(copies[2]->number()), 3);
        QCOMPARE(pinNames(copies[0]), QStringList({"02", ""}));
        QCOMPARE(pinNames(copies[2]), QStringList({"05", "08"}));
        QCOMPARE(copies[1]->commentGi(), QString("first"));
        QCOMPARE(copies[1]->templateIndex(), 10);

        // A "TU" and a "TV" command with their modules.
        GraphicsCommand *u = runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            d->typeCombo()->setCurrentIndex(d->typeCombo()->findText("TU"));
            d->numberSpin()->setValue(2);
            press(d, "Add");
            chooseKind(d, 2);
            chooseTemplate(d, 400);
            press(d, "Ok");
        });
        GraphicsCommand *v = runDialog(rec, nullptr, [&](DlgPropCommand *d) {
            d->typeCombo()->setCurrentIndex(d->typeCombo()->findText("TV"));
            d->numberSpin()->setValue(1);
            press(d, "Add");
            chooseKind(d, 3);
            chooseTemplate(d, 613);
            press(d, "Ok");
        });
        QVERIFY(u && v);
        u->setPos(800, 1400);
        v->setPos(1600, 1400);
        v->setTransform(QTransform().rotate(90), true);
        QCOMPARE(pinNames(u), QStringList({"01", "02"}));
        QCOMPARE(pinNames(v), QStringList({"02", "01"}));

        // Nets from the first command to its copy and to the "TU" command.
        action(73)->trigger();
        const auto wire = [&](Pin *from, Pin *to, double via) {
            QList<QPointF> points = {at(from)};
            if (at(from).y() != at(to).y() && at(from).x() != at(to).x())
                points << QPointF(at(from).x(), via) << QPointF(at(to).x(), via);
            points << at(to);
            for (int i = 0; i + 1 < points.size(); ++i) {
                click(points[i]);
                hover(points[i + 1]);
                click(points[i + 1]);
            }
        };
        wire(a->pin(0), copies[0]->pin(1), 0);
        wire(a->pin(1), u->pin(1), 1200);
        action(73)->trigger();
        QCOMPARE(nets(*m_scheme).size(), 2);
        QCOMPARE(clew(a->pin(0)), QList<Pin *>({copies[0]->pin(1)}));
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({u->pin(1)}));

        // Double-clicked: the dialog shows the command; Ok keeps the
        // binding and the wiring.
        action(30)->trigger();
        rec.handle([&](QDialog *dialog) {
            auto *d = qobject_cast<DlgPropCommand *>(dialog);
            QVERIFY(d);
            QCOMPARE(d->commentGiEdit()->text(), QString("first"));
            QCOMPARE(d->selectedModule(), ts1);
            QCOMPARE(d->commandsTable()->topLevelItemCount(), 6);
            d->commentGiEdit()->setText("edited");
            press(d, "Ok");
        });
        doubleClick(a->mapToScene(QPointF(60, 20)));
        QCOMPARE(a->commentGi(), QString("edited"));
        QCOMPARE(a->module(), ts1);
        QCOMPARE(int(a->number()), 0);
        QCOMPARE(clew(a->pin(0)), QList<Pin *>({copies[0]->pin(1)}));

        // The project check reports a command bound to no module.
        QTreeWidget results;
        results.setColumnCount(3);
        m_project->check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 0);
        GraphicsCommand *loose = newCommand(*m_scheme, 0, {""});
        m_project->check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 1);
        QCOMPARE(results.topLevelItem(0)->text(CheckMessage::MessageColumn), QString("Parent is absent"));
        m_scheme->removeGraphicsItem(loose);
        QCOMPARE(boxTexts(rec), QStringList());

        // As the user sees it, with the commands' texts shown.
        {
            showStrTemplateCommand = true;
            QImage image(1400, 1000, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            m_scheme->render(&painter, QRectF(), QRectF(400, 500, 2100, 1500));
            painter.end();
            showStrTemplateCommand = false;
            if (qEnvironmentVariableIsSet("RLAY_SNAPSHOT_DIR"))
                image.save(qEnvironmentVariable("RLAY_SNAPSHOT_DIR") + "/commands.png");
            int dark = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    dark += qGray(image.pixel(x, y)) < 100;
            QVERIFY(dark > 1000);
        }

        const QList<GraphicsCommand *> all = itemsOf<GraphicsCommand>(*m_scheme);
        QStringList drawn;
        for (GraphicsCommand *c : all)
            drawn << describe(c);
        const QString dir = m_dir.path() + "/first";
        QVERIFY(QDir().mkpath(dir));
        m_project->setFileName(dir + "/dc.rlay");
        QVERIFY(m_project->save());
        const QMap<QString, QByteArray> first = filesBelow(dir);
        closeProject();

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/dc.rlay");
        QVERIFY(loaded.load());
        QCOMPARE(boxTexts(rec), QStringList());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsCommand *> back = itemsOf<GraphicsCommand>(*sheet);
        QStringList read;
        for (GraphicsCommand *c : back)
            read << describe(c);
        QCOMPARE(read, drawn);
        QCOMPARE(back[0]->module(), loaded.findObj(ModuleKind, "TS1"));
        QCOMPARE(loaded.findObj(ModuleKind, "TS1")->items().size(), 4);
        QCOMPARE(loaded.findObj(ModuleKind, "TU2")->items().size(), 1);
        QCOMPARE(dynamic_cast<Module *>(loaded.findObj(ModuleKind, "TV1"))->modelIndex(), 2);
        QCOMPARE(clew(back[0]->pin(0)), QList<Pin *>({back[1]->pin(1)}));
        QCOMPARE(clew(back[0]->pin(1)), QList<Pin *>({back[4]->pin(1)}));
        QCOMPARE(back[5]->rotationIndex(), 1);
        QCOMPARE(nets(*sheet).size(), 2);

        // Saved again: the same bytes.
        const QString again = m_dir.path() + "/again";
        QVERIFY(QDir().mkpath(again));
        loaded.setFileName(again + "/dc.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        loaded.setEquipmentChanged();
        loaded.setSpecificationDeviceChanged();
        loaded.setSpecificationCableChanged();
        sheet->setModified(true);
        QVERIFY(loaded.save());
        const QMap<QString, QByteArray> second = filesBelow(again);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &name : first.keys())
            QVERIFY2(second[name] == first[name], qPrintable(name));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void aDamagedClipboardRecordIsRefused()
    {
        ModalRecorder rec;
        openProject();
        openView();
        newModule(*m_project, "TS1", 0);
        GraphicsCommand *a = newCommand(*m_scheme, 0);
        a->setName("TS1");
        a->setPos(800, 800);
        action(30)->trigger();
        click(a->mapToScene(QPointF(60, 20)));
        action(14)->trigger();
        const QString format = "r-lay/scheme-edit";
        const QByteArray good = QGuiApplication::clipboard()->mimeData()->data(format);
        // Format, count, type id, then the kind, the signal and the template.
        QCOMPARE(qFromBigEndian<qint32>(good.constData() + 8), commandType);
        QCOMPARE(qFromBigEndian<qint32>(good.constData() + 12), 0);
        QCOMPARE(qFromBigEndian<qint32>(good.constData() + 20), 0);
        const auto patched = [&](int offset, qint32 value) {
            QByteArray bytes = good;
            qToBigEndian<qint32>(value, bytes.data() + offset);
            return bytes;
        };
        const int before = m_scheme->graphicsItems().size();
        for (const QByteArray &bytes : {patched(12, 9), patched(16, 7), patched(20, 623), patched(20, -5)}) {
            rec.clear();
            auto *mime = new QMimeData;
            mime->setData(format, bytes);
            QGuiApplication::clipboard()->setMimeData(mime);
            action(15)->trigger();
            QCOMPARE(m_scheme->graphicsItems().size(), before);
            QVERIFY(m_view->carriedItems().isEmpty());
            QCOMPARE(boxTexts(rec),
                     QStringList({"The clipboard holds data this program cannot paste. Nothing was pasted."}));
        }
        QCOMPARE(a->module()->items().size(), 1);

        // The record as copied pastes a second command of the module.
        rec.clear();
        auto *mime = new QMimeData;
        mime->setData(format, good);
        QGuiApplication::clipboard()->setMimeData(mime);
        action(15)->trigger();
        QCOMPARE(m_scheme->graphicsItems().size(), before + 1);
        QCOMPARE(a->module()->items().size(), 2);
        QCOMPARE(boxTexts(rec), QStringList());
    }
};

QTEST_MAIN(TestCommand)
#include "tst_command.moc"
