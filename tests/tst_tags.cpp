// The tag kinds of the schemes: sources, footnotes and conductors. Their
// objects' and items' records byte for byte and read at the older formats,
// their labels and extents, the walks that pass through them or end at them,
// the single-source check, their painting, and their dialogs driven on the
// real widgets from the toolbox of a real scheme editor, saved with a
// project and loaded again.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "devices/clamp.h"
#include "devices/graphicsclamp.h"
#include "graphics/font.h"
#include "graphics/rlineedit.h"
#include "model/address.h"
#include "model/check.h"
#include "model/checkmessage.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/conductor.h"
#include "schemes/dlgpropconductor.h"
#include "schemes/dlgpropfootnote.h"
#include "schemes/dlgpropsource.h"
#include "schemes/footnote.h"
#include "schemes/graphicsconductor.h"
#include "schemes/graphicsfootnote.h"
#include "schemes/graphicsnode.h"
#include "schemes/graphicsslantingnet.h"
#include "schemes/graphicssource.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "schemes/source.h"
#include "support/boundtestitems.h"
#include "support/filesbelow.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"
#include "support/streambytes.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using schemetest::clew;
using schemetest::put;
using schemetest::soldered;

namespace {

const QChar lineSeparator(0x2028);

// What a painter drew: lines and texts with their pen colours, the texts
// at their place on the device.
class DrawRecorder : public QPaintDevice
{
public:
    struct Drawn
    {
        QString kind; // "line", "text", "rect", "ellipse", "other"
        QString text;
        QColor pen;
        QRectF rect;
    };

    DrawRecorder()
        : m_engine(new Engine(this))
    {
    }
    ~DrawRecorder() override = default;

    QPaintEngine *paintEngine() const override { return m_engine.get(); }

    QList<Drawn> drawn;

    QStringList texts() const
    {
        QStringList result;
        for (const Drawn &d : drawn)
            if (d.kind == QLatin1String("text"))
                result << d.text;
        return result;
    }
    // The pen colour of a text, invalid when it was not drawn.
    QColor textPen(const QString &text) const
    {
        for (const Drawn &d : drawn)
            if (d.kind == QLatin1String("text") && d.text == text)
                return d.pen;
        return QColor();
    }
    QList<QColor> linePens() const
    {
        QList<QColor> result;
        for (const Drawn &d : drawn)
            if (d.kind == QLatin1String("line") && !result.contains(d.pen))
                result << d.pen;
        return result;
    }
    int count(const QString &kind) const
    {
        int n = 0;
        for (const Drawn &d : drawn)
            n += d.kind == kind ? 1 : 0;
        return n;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 4000;
        case PdmWidthMM:
        case PdmHeightMM:
            return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 1;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(DrawRecorder *device)
            : QPaintEngine(QPaintEngine::AllFeatures)
            , m_device(device)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyPen)
                m_pen = state.pen();
            if (state.state() & DirtyTransform)
                m_transform = state.transform();
        }
        void drawLines(const QLineF *lines, int count) override
        {
            for (int i = 0; i < count; ++i)
                add("line", QString(), QRectF(lines[i].p1(), lines[i].p2()).normalized());
        }
        void drawRects(const QRectF *rects, int count) override
        {
            for (int i = 0; i < count; ++i)
                add("rect", QString(), rects[i]);
        }
        void drawEllipse(const QRectF &rect) override { add("ellipse", QString(), rect); }
        void drawPath(const QPainterPath &path) override { add("other", QString(), path.boundingRect()); }
        void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
        {
            QPolygonF polygon;
            for (int i = 0; i < count; ++i)
                polygon << points[i];
            add("other", QString(), polygon.boundingRect());
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawTextItem(const QPointF &point, const QTextItem &item) override
        {
            add("text", item.text(), QRectF(point, QSizeF(1, 1)));
        }

    private:
        void add(const char *kind, const QString &text, const QRectF &rect)
        {
            m_device->drawn << Drawn{QString::fromLatin1(kind), text, m_pen.color(), m_transform.mapRect(rect)};
        }
        DrawRecorder *m_device;
        QPen m_pen;
        QTransform m_transform;
    };
    std::unique_ptr<Engine> m_engine;
};

void paint(DrawRecorder *recorder, GraphicsItem *item, bool hideHelp, bool selected = false)
{
    QPainter painter(recorder);
    QStyleOptionGraphicsItem option;
    option.rect = item->boundingRect().toRect();
    if (selected)
        option.state |= QStyle::State_Selected;
    item->draw(&painter, &option, hideHelp);
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

// Reads the bytes at a format; true when the stream is fine and read to
// its end.
bool readAt(int format, const QByteArray &bytes, const std::function<void(DataStream &)> &read)
{
    QByteArray copy = bytes;
    DataStream in(&copy, QIODevice::ReadOnly);
    in.setFormatIndex(format);
    read(in);
    return in.status() == QDataStream::Ok && in.atEnd();
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray stringBytes(const QString &text)
{
    return bytesOf([&](DataStream &out) { out << text; });
}

template <class T>
T *newTag(Project &project, int kind, const QString &name)
{
    auto *obj = dynamic_cast<T *>(project.createDevice(kind));
    if (obj && !obj->setName(name)) {
        delete obj;
        return nullptr;
    }
    return obj;
}

// An item on the sheet at a point, named (and so bound to the tag of that
// name when there is one).
template <class T>
T *tagItem(GraphicsScene &scene, const QString &name, const QPointF &pos)
{
    auto *item = put(scene, new T(&scene), pos);
    if (!name.isEmpty())
        item->setName(name);
    return item;
}

QPointF at(Pin *pin)
{
    return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center());
}

// A net from pin a to pin b, soldered at both ends.
GraphicsNet *wire(GraphicsScene &scene, Pin *a, Pin *b)
{
    GraphicsNet *net = schemetest::straightNet(scene, at(a), b ? at(b) : at(a) + QPointF(400, 0));
    net->pin(0)->solder(a);
    if (b)
        net->pin(1)->solder(b);
    return net;
}

void press(QDialog *dialog, const QString &text)
{
    QPushButton *button = buttonOf(dialog, text);
    QVERIFY2(button, qPrintable(text));
    button->click();
}

QStringList rowTexts(QTreeWidgetItem *row)
{
    QStringList texts;
    for (int i = 0; row && i < row->columnCount(); ++i)
        texts << row->text(i);
    return texts;
}

QTreeWidgetItem *rowOf(QTreeWidget *table, const QString &name)
{
    const QList<QTreeWidgetItem *> rows = table->findItems(name, Qt::MatchExactly, 0);
    return rows.size() == 1 ? rows.first() : nullptr;
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

// Only the boxes of failed checks, so many of them.
bool onlyFailedChecks(const ModalRecorder &rec, int count)
{
    const QStringList texts = boxTexts(rec);
    if (texts.size() != count)
        return false;
    for (const QString &text : texts)
        if (!text.endsWith(QLatin1String("FALSE expression")) && !text.endsWith(QLatin1String("Out of memory")))
            return false;
    return true;
}

} // namespace

class TestTags : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Actions> m_actions;
    std::unique_ptr<Project> m_project;
    Scheme *m_scheme = nullptr;
    std::unique_ptr<SchemeEdit> m_view;

    QAction *action(int id) { return m_actions->list.at(id); }

    QPoint point(const QPointF &scenePoint) { return m_view->mapFromScene(scenePoint); }

    void click(const QPointF &scenePoint)
    {
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, point(scenePoint));
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

    // A project with one scheme group of one A3 scheme, in its editor.
    void openScheme()
    {
        m_project.reset(new Project(nullptr, nullptr));
        auto *group = new SchemeGroup(m_project.get());
        group->setAtrNumber(2);
        m_project->schemes()->appendItem(group);
        m_scheme = new Scheme(m_project.get());
        m_scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        m_scheme->setName("supply");
        m_scheme->setNumber(1);
        group->appendItem(m_scheme);

        m_view.reset(new SchemeEdit(&m_actions->list));
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

    // A second scheme in the same group, shown in the editor.
    Scheme *openSecondScheme()
    {
        SchemeGroup *group = m_project->schemes()->itemList().first();
        auto *other = new Scheme(m_project.get());
        other->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        other->setNumber(2);
        group->appendItem(other);
        m_scheme = other;
        m_view->setScene(other);
        m_view->centerOn(1400, 1400);
        return other;
    }

    void closeScheme()
    {
        if (m_view) {
            m_view->setActive(false);
            m_view.reset();
        }
        m_scheme = nullptr;
        m_project.reset();
    }

    // A toolbox command answered by the step on its dialog, and the new
    // item dropped at the point.
    template <class T>
    T *place(ModalRecorder &rec, int actionId, const std::function<void(QDialog *)> &step, const QPointF &where)
    {
        const int before = m_scheme->graphicsItems().size();
        rec.handle(step);
        action(actionId)->trigger();
        if (m_scheme->graphicsItems().size() != before + 1)
            return nullptr;
        auto *item = dynamic_cast<T *>(m_scheme->graphicsItems().last());
        if (!item || m_view->carriedItems() != QList<GraphicsItem *>({item}))
            return nullptr;
        hover(where);
        click(where);
        return m_view->carriedItems().isEmpty() ? item : nullptr;
    }

    void editItem(ModalRecorder &rec, GraphicsItem *item, const std::function<void(QDialog *)> &step)
    {
        action(30)->trigger();
        rec.handle(step);
        const QRectF box = item->sceneBoundingRect();
        // Into the line, clear of the pin at the item's start.
        doubleClick(QPointF(box.center().x() + 10, item->mapToScene(item->boundingRect().center()).y()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        clockNow = QDateTime(QDate(2024, 6, 7), QTime(8, 9, 10, 456));
        setFileClock([] { return clockNow; });
        createScreenFonts();
        Scheme::registerItemTypes();
        QVERIFY(Scheme::setItemTypeFactories(GraphicsSource::Type, createGraphicsSource, createDlgPropSource));
        QVERIFY(Scheme::setItemTypeFactories(GraphicsFootnote::Type, createGraphicsFootnote, createDlgPropFootnote));
        QVERIFY(
            Scheme::setItemTypeFactories(GraphicsConductor::Type, createGraphicsConductor, createDlgPropConductor));
        showBigDeviceNames = false;
        hideHelp = false;
    }

    void cleanupTestCase()
    {
        Scheme::registerItemTypes();
        setFileClock(nullptr);
        deleteFonts();
    }

    void init() { m_actions.reset(new Actions); }

    void cleanup()
    {
        closeScheme();
        m_actions.reset();
        GraphicsConductor::setPairedClampLookup(nullptr);
        showBigDeviceNames = false;
        hideHelp = false;
    }

    // ---------------------------------------------------------------------
    // Records

    void sourceRecord()
    {
        Project project(nullptr, nullptr);
        Source source(&project);
        source.setBusRFrame(true);
        source.setRingBus(false);
        source.setBusRBFrame(false);
        QCOMPARE(bytesOf([&](DataStream &out) { source.writeData(out); }), hex("010000"));
        source.setBusRBFrame(true);
        source.setRingBus(true);
        QCOMPARE(bytesOf([&](DataStream &out) { source.writeData(out); }), hex("010101"));

        // The object record: name, identity, then the flags.
        auto *named = newTag<Source>(project, SourceKind, "BP");
        QVERIFY(named);
        named->setRingBus(true);
        QByteArray record;
        {
            Project::IdentityScope scope(project);
            record = bytesOf([&](DataStream &out) { named->write(out); });
            QCOMPARE(record, stringBytes("BP") + bytesOf([&](DataStream &out) { out << project.identity(named); })
                                 + hex("000100"));
        }

        // Format 4 reads the rb flag; older formats give it the r flag.
        Source read(&project);
        QVERIFY(readAt(4, hex("000100"), [&](DataStream &in) { read.readData(in); }));
        QVERIFY(!read.busRFrame() && read.ringBus() && !read.busRBFrame());
        Source old(&project);
        QVERIFY(readAt(3, hex("0100"), [&](DataStream &in) { old.readData(in); }));
        QVERIFY(old.busRFrame() && !old.ringBus() && old.busRBFrame());
        Source older(&project);
        older.setBusRBFrame(true);
        QVERIFY(readAt(0, hex("0001"), [&](DataStream &in) { older.readData(in); }));
        QVERIFY(!older.busRFrame() && older.ringBus() && !older.busRBFrame());

        // A cut record leaves the object as it was.
        Source cut(&project);
        cut.setRingBus(true);
        QVERIFY(!readAt(11, hex("01"), [&](DataStream &in) { cut.readData(in); }));
        QVERIFY(!cut.busRFrame() && cut.ringBus());
    }

    void conductorRecord()
    {
        Project project(nullptr, nullptr);
        Conductor conductor(&project);
        QCOMPARE(conductor.count(), quint8(0));
        QVERIFY(!conductor.polarity() && !conductor.polarityPK() && !conductor.ringWithTopClamp());
        QVERIFY(!conductor.twistedPair() && conductor.cableName().isEmpty());

        conductor.setCount(3);
        conductor.setPolarity(true);
        conductor.setPolarityPK(true);
        conductor.setRingWithTopClamp(true);
        conductor.setCableName("KB1");
        QCOMPARE(bytesOf([&](DataStream &out) { conductor.writeData(out); }),
                 hex("03" "01" "01" "01" "00") + stringBytes("KB1"));
        // Without polarity its sign is not written.
        conductor.setPolarity(false);
        conductor.setTwistedPair(true);
        QCOMPARE(bytesOf([&](DataStream &out) { conductor.writeData(out); }),
                 hex("03" "00" "01" "01") + stringBytes("KB1"));

        Conductor read(&project);
        QVERIFY(readAt(1, hex("02" "01" "00" "00" "01") + stringBytes("W"), [&](DataStream &in) { read.readData(in); }));
        QCOMPARE(read.count(), quint8(2));
        QVERIFY(read.polarity() && !read.polarityPK() && !read.ringWithTopClamp() && read.twistedPair());
        QCOMPARE(read.cableName(), QString("W"));

        // Format 0 has no cable name.
        Conductor old(&project);
        QVERIFY(readAt(0, hex("05" "00" "01" "00"), [&](DataStream &in) { old.readData(in); }));
        QCOMPARE(old.count(), quint8(5));
        QVERIFY(!old.polarity() && old.ringWithTopClamp() && !old.twistedPair());
        QVERIFY(old.cableName().isEmpty());
    }

    void itemRecords()
    {
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);

        // An unbound item: its own fields, then identity 0 and its name.
        auto *main = tagItem<GraphicsConductor>(sheet, "W1", QPointF(400, 400));
        QVERIFY(!main->duplicate() && main->solderWithBottom() && !main->readdress());
        const QByteArray unbound = hex("00000000") + stringBytes("W1");
        QCOMPARE(bytesOf([&](DataStream &out) { main->saveData(out); }), hex("00") + unbound);
        main->setDuplicate(true);
        main->setSolderWithBottom(false);
        main->setReaddress(true);
        QCOMPARE(bytesOf([&](DataStream &out) { main->saveData(out); }), hex("01" "00" "01") + unbound);

        // Format 5 reads a duplicate without the readdress flag, format 6
        // with it.
        GraphicsConductor old(&sheet);
        QVERIFY(readAt(5, hex("01" "01") + unbound, [&](DataStream &in) { old.loadData(in); }));
        QVERIFY(old.duplicate() && old.solderWithBottom() && !old.readdress());
        QCOMPARE(old.ownName(), QString("W1"));
        GraphicsConductor current(&sheet);
        QVERIFY(readAt(6, hex("01" "00" "01") + unbound, [&](DataStream &in) { current.loadData(in); }));
        QVERIFY(current.duplicate() && !current.solderWithBottom() && current.readdress());
        GraphicsConductor plain(&sheet);
        QVERIFY(readAt(11, hex("00") + unbound, [&](DataStream &in) { plain.loadData(in); }));
        QVERIFY(!plain.duplicate());

        // A source item: the additional parameters only when set.
        auto *source = tagItem<GraphicsSource>(sheet, "BP", QPointF(400, 800));
        const QByteArray bp = hex("00000000") + stringBytes("BP");
        QCOMPARE(bytesOf([&](DataStream &out) { source->saveData(out); }), hex("00") + bp);
        source->setAdditional(true);
        source->setPlaceCreate(true);
        source->setFromFrame(12);
        source->setGroup(3);
        source->setAddToName(true);
        QCOMPARE(bytesOf([&](DataStream &out) { source->saveData(out); }),
                 hex("01" "01" "0000000c" "03" "01") + bp);
        GraphicsSource readSource(&sheet);
        QVERIFY(readAt(0, hex("01" "00" "00000007" "02" "00") + bp, [&](DataStream &in) { readSource.loadData(in); }));
        QVERIFY(readSource.additional() && !readSource.placeCreate() && !readSource.addToName());
        QCOMPARE(readSource.fromFrame(), 7);
        QCOMPARE(readSource.group(), quint8(2));

        // A footnote item has no fields of its own.
        auto *footnote = tagItem<GraphicsFootnote>(sheet, "F1", QPointF(400, 1200));
        QCOMPARE(bytesOf([&](DataStream &out) { footnote->saveData(out); }), hex("00000000") + stringBytes("F1"));

        // A bound item writes its object's identity.
        auto *tag = newTag<Footnote>(project, FootnoteKind, "F2");
        QVERIFY(tag);
        footnote->setName("F2");
        QCOMPARE(footnote->obj(), tag);
        Project::IdentityScope scope(project);
        const qint32 id = project.identity(tag);
        QCOMPARE(bytesOf([&](DataStream &out) { footnote->saveData(out); }),
                 bytesOf([&](DataStream &out) { out << id; }));
    }

    // ---------------------------------------------------------------------
    // Labels and extents

    void labelWidths()
    {
        QCOMPARE(GraphicsConductor::roundedLabelWidth(0), 80.0);
        QCOMPARE(GraphicsConductor::roundedLabelWidth(79.9), 80.0);
        QCOMPARE(GraphicsConductor::roundedLabelWidth(80.5), 80.0);
        QCOMPARE(GraphicsConductor::roundedLabelWidth(81), 120.0);
        QCOMPARE(GraphicsConductor::roundedLabelWidth(160), 160.0);

        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        const QFontMetricsF font3(font(3));
        const QFontMetricsF font2(font(2));
        const auto rounded = [](double w) { return 40.0 * divideRoundUp(int(w), 40); };

        // A source: its name rounded up to the grid; with additional
        // parameters at least 80 wide and 80 high.
        auto *source = tagItem<GraphicsSource>(sheet, "BP", QPointF(400, 400));
        QCOMPARE(source->textWidth(), rounded(font3.horizontalAdvance("BP")));
        QCOMPARE(source->boundingRect(), QRectF(-7, 0, 14 + source->textWidth(), 47).adjusted(-3.5, -3.5, 3.5, 3.5));
        source->setAdditional(true);
        source->updateFromObj();
        QCOMPARE(source->textWidth(), 80.0);
        QCOMPARE(source->boundingRect(), QRectF(-10.5, -3.5, 101, 87));
        const QString longName = "SUPPLY-24V-MAIN-BUS";
        source->setName(longName);
        QVERIFY(font3.horizontalAdvance(longName) > 80);
        QCOMPARE(source->textWidth(), rounded(font3.horizontalAdvance(longName)));
        // The frame number in front counts.
        source->setName("BP");
        source->setAddToName(true);
        source->setFromFrame(1234567);
        QCOMPARE(source->numberedName(), QString("1234567BP"));
        QCOMPARE(source->textWidth(), qMax(80.0, rounded(font3.horizontalAdvance("1234567BP"))));
        // An empty name without parameters is no width at all.
        auto *empty = put(sheet, new GraphicsSource(&sheet), QPointF(0, 0));
        QCOMPARE(empty->textWidth(), 0.0);
        // Big device names measure in font 4.
        showBigDeviceNames = true;
        auto *big = tagItem<GraphicsSource>(sheet, longName, QPointF(400, 1600));
        QCOMPARE(big->textWidth(), rounded(QFontMetricsF(font(4)).horizontalAdvance(longName)));
        showBigDeviceNames = false;

        // A footnote: the wider of its two parts, always 47 high.
        auto *footnote = tagItem<GraphicsFootnote>(sheet, "K5_see sheet 3", QPointF(400, 800));
        QCOMPARE(footnote->topPart(), QString("K5"));
        QCOMPARE(footnote->bottomPart(), QString("see sheet 3"));
        QCOMPARE(footnote->textWidth(),
                 rounded(qMax(font3.horizontalAdvance("K5"), font2.horizontalAdvance("see sheet 3"))));
        footnote->setName("K5");
        QCOMPARE(footnote->bottomPart(), QString());
        QCOMPARE(footnote->textWidth(), rounded(font3.horizontalAdvance("K5")));
        QCOMPARE(footnote->boundingRect().height(), 54.0);
        QCOMPARE(footnote->boundingRect().top(), 9.5);
        footnote->setName("A_B_C");
        QCOMPARE(footnote->topPart(), QString("A"));
        QCOMPARE(footnote->bottomPart(), QString("B_C"));

        // A conductor: at least 80; a marked duplicate 20 wider; a
        // duplicate only 47 high.
        auto *conductor = tagItem<GraphicsConductor>(sheet, "W1", QPointF(400, 1200));
        QCOMPARE(conductor->textWidth(), 80.0);
        QCOMPARE(conductor->boundingRect(), QRectF(-10.5, -43.5, 101, 87));
        conductor->setDuplicate(true);
        conductor->updateFromObj();
        QCOMPARE(conductor->boundingRect(), QRectF(-10.5, -43.5, 101, 54));
        const QString wide = "WIRE-OF-THE-MAIN-BUS";
        conductor->setName(wide);
        QCOMPARE(conductor->textWidth(), GraphicsConductor::roundedLabelWidth(font3.horizontalAdvance(wide) + 20));
        conductor->setSolderWithBottom(false);
        conductor->updateFromObj();
        QCOMPARE(conductor->textWidth(), GraphicsConductor::roundedLabelWidth(font3.horizontalAdvance(wide)));

        // A renamed tag renames its items, whose labels follow.
        auto *tag = newTag<Source>(project, SourceKind, "S");
        auto *bound = tagItem<GraphicsSource>(sheet, "S", QPointF(1200, 400));
        QCOMPARE(bound->obj(), tag);
        QVERIFY(tag->setName(longName));
        QCOMPARE(bound->ownName(), longName);
        QCOMPARE(bound->textWidth(), rounded(font3.horizontalAdvance(longName)));
    }

    void sourceNames()
    {
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        auto *source = newTag<Source>(project, SourceKind, "BP");
        QVERIFY(source);
        auto *item = tagItem<GraphicsSource>(sheet, "BP", QPointF(400, 400));
        QCOMPARE(item->source(), source);
        schemetest::TestDevice *device = schemetest::device(sheet, QPointF(1200, 440));
        wire(sheet, item->pin(0), device->pin(0));

        QString name;
        device->pin(0)->sourceName(&name);
        QCOMPARE(name, QString("BP"));
        QCOMPARE(item->tiedFrameNumber(), 0);

        // Numbered with the frame in front: shown and named 12BP, tied to
        // frame 12.
        item->setAdditional(true);
        item->setPlaceCreate(false);
        item->setAddToName(true);
        item->setFromFrame(12);
        QCOMPARE(item->numberedName(), QString("12BP"));
        device->pin(0)->sourceName(&name);
        QCOMPARE(name, QString("12BP"));
        QCOMPARE(item->tiedFrameNumber(), 12);
        DrawRecorder shown;
        paint(&shown, item, false);
        QVERIFY(shown.texts().contains("12BP"));
        QVERIFY(shown.texts().contains("N0"));

        // A place create item still shows 12BP, but its nets are BP.
        item->setPlaceCreate(true);
        device->pin(0)->sourceName(&name);
        QCOMPARE(name, QString("BP"));
        QCOMPARE(item->tiedFrameNumber(), 0);
        DrawRecorder placed;
        paint(&placed, item, false);
        QVERIFY(placed.texts().contains("12BP"));
        QVERIFY(placed.texts().contains("C12"));

        // An unbound item names its nets with its own name.
        auto *loose = tagItem<GraphicsSource>(sheet, "X", QPointF(400, 1600));
        schemetest::TestDevice *fed = schemetest::device(sheet, QPointF(1200, 1640));
        wire(sheet, loose->pin(0), fed->pin(0));
        QVERIFY(!loose->obj());
        fed->pin(0)->sourceName(&name);
        QCOMPARE(name, QString("X"));
    }

    // ---------------------------------------------------------------------
    // Walks

    void twoSourcesOfOneTagFormOneNet()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        auto *source = newTag<Source>(project, SourceKind, "S");
        auto *a = tagItem<GraphicsSource>(sheet, "S", QPointF(400, 400));
        auto *b = tagItem<GraphicsSource>(sheet, "S", QPointF(400, 1200));
        QCOMPARE(source->items().size(), 2);
        schemetest::TestDevice *d1 = schemetest::device(sheet, QPointF(1200, 440));
        schemetest::TestDevice *d2 = schemetest::device(sheet, QPointF(1200, 1240));
        GraphicsNet *n1 = wire(sheet, a->pin(0), d1->pin(0));
        GraphicsNet *n2 = wire(sheet, b->pin(0), d2->pin(0));

        // A source ends the clew with its pin; the collecting walk stops
        // there and adds nothing.
        QCOMPARE(clew(d1->pin(0)), QList<Pin *>({a->pin(0)}));
        QList<Pin *> pins;
        QList<GraphicsUnite *> nets;
        d1->pin(0)->collectNetAcross(pins, &nets, 0);
        QCOMPARE(pins, QList<Pin *>());
        QCOMPARE(nets, QList<GraphicsUnite *>({n1}));

        // The items of one source are one point: a pin reached through one
        // item is reached through the other.
        QVERIFY(a->isConnected(n2->pin(1), a->pin(0)));
        QVERIFY(b->isConnected(n1->pin(1), b->pin(0)));

        // Wire links of the devices of the one net are kept, others go.
        schemetest::TestDevice *d3 = schemetest::device(sheet, QPointF(2000, 2000));
        QVERIFY(d1->wiringPin(0)->linkTo(d2->wiringPin(0)));
        QVERIFY(d2->wiringPin(0)->linkTo(d3->wiringPin(0)));
        QList<Pin *> net = {d1->pin(0), d2->pin(0)};
        a->updateNetLinks(a->pin(0), net);
        QCOMPARE(d2->wiringPin(0)->linkCount(), 1);
        QCOMPARE(d2->wiringPin(0)->link(0), d1->wiringPin(0));

        // The single-source check collects the device pins of both items
        // and finds no second source.
        QList<Pin *> fed;
        source->checkSingleSource(fed);
        QCOMPARE(fed, QList<Pin *>({d1->pin(0), d2->pin(0)}));
        QCOMPARE(rec.count(), 0);

        // A free item of the source is not offered to a pin that the source
        // reaches already: joining them would close a loop.
        auto *c = tagItem<GraphicsSource>(sheet, "S", QPointF(2400, 360));
        GraphicsNet *loose = schemetest::straightNet(sheet, QPointF(2400, 800), QPointF(2800, 800));
        QCOMPARE(c->freePinAt(c->pinSceneRect(c->pin(0)), n1->pin(1)), nullptr);
        QCOMPARE(c->freePinAt(c->pinSceneRect(c->pin(0)), n2->pin(1)), nullptr);
        QCOMPARE(c->freePinAt(c->pinSceneRect(c->pin(0)), loose->pin(0)), c->pin(0));
        QCOMPARE(rec.count(), 0);
    }

    void footnotesCarryTheClewAcrossSheets()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme first(&project);
        schemetest::DeviceScheme second(&project);
        auto *footnote = newTag<Footnote>(project, FootnoteKind, "K5_see sheet 3");
        auto *f1 = tagItem<GraphicsFootnote>(first, "K5_see sheet 3", QPointF(1200, 360));
        auto *f2 = tagItem<GraphicsFootnote>(second, "K5_see sheet 3", QPointF(1200, 360));
        QCOMPARE(footnote->items().size(), 2);
        schemetest::TestDevice *d1 = schemetest::device(first, QPointF(400, 400));
        schemetest::TestDevice *d2 = schemetest::device(second, QPointF(400, 400));
        GraphicsNet *n1 = wire(first, d1->pin(1), f1->pin(0));
        GraphicsNet *n2 = wire(second, d2->pin(1), f2->pin(0));

        QCOMPARE(clew(d1->pin(1)), QList<Pin *>({d2->pin(1)}));
        QCOMPARE(clew(d2->pin(1)), QList<Pin *>({d1->pin(1)}));
        QList<Pin *> pins;
        QList<GraphicsUnite *> nets;
        d1->pin(1)->collectNetAcross(pins, &nets, 0);
        QCOMPARE(pins, QList<Pin *>({d2->pin(1)}));
        QCOMPARE(nets, QList<GraphicsUnite *>({n2, n1}));
        // The footnote's items are one point.
        QVERIFY(f1->isConnected(n2->pin(0), f1->pin(0)));

        // Links across the footnote are kept.
        QVERIFY(d1->wiringPin(1)->linkTo(d2->wiringPin(1)));
        QList<Pin *> net = {d1->pin(1), d2->pin(1)};
        n1->updateNetLinks(n1->pin(1), net);
        QCOMPARE(d1->wiringPin(1)->linkCount(), 1);

        // A third item on a branch of the first sheet: a closed loop
        // through the footnote (as a damaged file may hold) is passed once.
        auto *f3 = tagItem<GraphicsFootnote>(first, "K5_see sheet 3", QPointF(1200, 1160));
        auto *node = put(first, new GraphicsNode(&first), QPointF(800, 800));
        n1->pin(1)->unsolder();
        wire(first, d1->pin(0), node->pin(0));
        wire(first, node->pin(1), f1->pin(0));
        wire(first, node->pin(2), f3->pin(0));
        QCOMPARE(clew(d1->pin(0)), QList<Pin *>({d2->pin(1)}));
        pins.clear();
        d1->pin(0)->collectNetAcross(pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>({d2->pin(1)}));

        // An unbound footnote item passes nothing on.
        auto *loose = tagItem<GraphicsFootnote>(second, "nowhere", QPointF(2000, 360));
        schemetest::TestDevice *d4 = schemetest::device(second, QPointF(2400, 800));
        wire(second, d4->pin(0), loose->pin(0));
        QVERIFY(!loose->obj());
        QCOMPARE(clew(d4->pin(0)), QList<Pin *>());
        QCOMPARE(rec.count(), 0);
    }

    void conductorsEndTheClew()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        auto *conductor = newTag<Conductor>(project, ConductorKind, "W1");
        auto *main = tagItem<GraphicsConductor>(sheet, "W1", QPointF(1200, 400));
        QCOMPARE(conductor->mainItem(), main);
        schemetest::TestDevice *d1 = schemetest::device(sheet, QPointF(400, 400));
        wire(sheet, d1->pin(1), main->pin(0));
        QCOMPARE(clew(d1->pin(1)), QList<Pin *>({main->pin(0)}));
        QList<Pin *> pins;
        d1->pin(1)->collectNetAcross(pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>());

        // No wire links pass a conductor.
        schemetest::TestDevice *d2 = schemetest::device(sheet, QPointF(400, 1200));
        auto *other = tagItem<GraphicsConductor>(sheet, "W1", QPointF(1200, 1200));
        other->setDuplicate(true);
        other->setSolderWithBottom(false);
        QVERIFY(!other->obj());
        other->setName("W2");
        other->setName("W1");
        QCOMPARE(other->obj(), conductor);
        wire(sheet, d2->pin(1), other->pin(0));
        QVERIFY(d2->wiringPin(1)->linkTo(d1->wiringPin(1)));
        QList<Pin *> none;
        main->updateNetLinks(main->pin(0), none);
        QCOMPARE(d2->wiringPin(1)->linkCount(), 1);
        QCOMPARE(rec.count(), 0);
    }

    void theMainGraphicCarriesTheWalkOverTheBottomClamp()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        auto *source = newTag<Source>(project, SourceKind, "BP");
        auto *feed = tagItem<GraphicsSource>(sheet, "BP", QPointF(400, 360));
        auto *conductor = newTag<Conductor>(project, ConductorKind, "W1");
        auto *main = tagItem<GraphicsConductor>(sheet, "W1", QPointF(1200, 400));
        wire(sheet, feed->pin(0), main->pin(0));

        // The bottom panel's clamps, a pair.
        auto *panel = dynamic_cast<ClampPanel *>(project.createDevice(ClampPanelKind));
        QVERIFY(panel);
        QVERIFY(panel->setName("XB"));
        panel->setModelAndStripType(2, 3);
        auto *clamp = put(sheet, new GraphicsClamp(&sheet), QPointF(2400, 1200));
        auto *partner = put(sheet, new GraphicsClamp(&sheet), QPointF(2400, 1600));
        clamp->setClamp(0, "XB");
        partner->setClamp(1, "XB");
        QCOMPARE(clamp->obj(), panel);
        GraphicsConductor::setPairedClampLookup(pairedClampOf);

        // The solder-with-bottom duplicate wired to the clamp.
        auto *solder = put(sheet, new GraphicsConductor(&sheet), QPointF(1200, 1200));
        solder->setDuplicate(true);
        solder->setName("W1");
        QCOMPARE(conductor->solderWithBottomItem(), solder);
        wire(sheet, solder->pin(0), clamp->pin(0));

        // From the source the walk goes on at the paired clamp.
        QList<Pin *> pins;
        feed->pin(0)->collectNetAcross(pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>({partner->pin(0)}));
        QList<Pin *> checked;
        source->checkSingleSource(checked);
        QCOMPARE(checked, QList<Pin *>({partner->pin(0)}));
        QCOMPARE(rec.count(), 0);
        // The pin-collecting walk ends at the conductor.
        QCOMPARE(clew(feed->pin(0)), QList<Pin *>({main->pin(0)}));

        // A source from a frame's bus, a pair that is not used, a clamp of
        // another panel or an unbound clamp: the walk goes on without the
        // pin, and without a box.
        source->setBusRBFrame(true);
        pins.clear();
        feed->pin(0)->collectNetAcross(pins, nullptr, 0);
        source->setBusRBFrame(false);
        partner->setClamp(2, "XB");
        feed->pin(0)->collectNetAcross(pins, nullptr, 0);
        partner->setClamp(1, "XB");
        panel->setModelIndex(1);
        feed->pin(0)->collectNetAcross(pins, nullptr, 0);
        panel->setModelIndex(2);
        clamp->setClamp(0, "XC");
        feed->pin(0)->collectNetAcross(pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>());
        QCOMPARE(rec.count(), 0);
        clamp->setClamp(0, "XB");

        // A duplicate, or an unbound main graphic, carries nothing.
        rec.clear();
        auto *duplicate = put(sheet, new GraphicsConductor(&sheet), QPointF(1200, 2000));
        duplicate->setDuplicate(true);
        duplicate->setSolderWithBottom(false);
        duplicate->setName("W1");
        auto *feed2 = tagItem<GraphicsSource>(sheet, "BP", QPointF(400, 1960));
        wire(sheet, feed2->pin(0), duplicate->pin(0));
        pins.clear();
        feed2->pin(0)->collectNetAcross(pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>());
        main->setName("W9");
        QVERIFY(!main->obj());
        feed->pin(0)->collectNetAcross(pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>());
        QCOMPARE(rec.count(), 0);

        // Fed by no source: the step is skipped.
        main->setName("W1");
        QCOMPARE(conductor->mainItem(), main);
        feed->pin(0)->unsolder();
        pins.clear();
        main->collectNet(main->pin(0), pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>());
        QCOMPARE(rec.count(), 0);
    }

    void theSingleSourceCheck()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme first(&project);
        schemetest::DeviceScheme second(&project);
        first.setName("first");
        second.setName("second");
        auto *s1 = newTag<Source>(project, SourceKind, "S1");
        auto *s2 = newTag<Source>(project, SourceKind, "S2");
        newTag<Footnote>(project, FootnoteKind, "F");
        auto *a = tagItem<GraphicsSource>(first, "S1", QPointF(400, 360));
        auto *f1 = tagItem<GraphicsFootnote>(first, "F", QPointF(1200, 360));
        auto *f2 = tagItem<GraphicsFootnote>(second, "F", QPointF(1200, 360));
        auto *b = tagItem<GraphicsSource>(second, "S2", QPointF(400, 360));
        schemetest::TestDevice *d = schemetest::device(second, QPointF(400, 1200));
        wire(first, a->pin(0), f1->pin(0));
        auto *node = put(second, new GraphicsNode(&second), QPointF(800, 800));
        wire(second, f2->pin(0), node->pin(0));
        wire(second, b->pin(0), node->pin(1));
        wire(second, d->pin(0), node->pin(2));

        // Each source reports the other source's item, naming itself and
        // its own sheet.
        QList<Pin *> pins;
        s1->checkSingleSource(pins);
        QCOMPARE(boxTexts(rec), QStringList({QString("In clew source S1 scheme %1 have more than one souces!")
                                                  .arg(first.displayName())}));
        QCOMPARE(rec.shown.first().title, QString("Error"));
        QCOMPARE(pins, QList<Pin *>({d->pin(0)}));
        rec.clear();
        pins.clear();
        s2->checkSingleSource(pins);
        QCOMPARE(boxTexts(rec), QStringList({QString("In clew source S2 scheme %1 have more than one souces!")
                                                  .arg(second.displayName())}));

        // The list must come empty.
        rec.clear();
        s2->checkSingleSource(pins);
        QVERIFY(onlyFailedChecks(rec, 1));
    }

    // ---------------------------------------------------------------------
    // Binding

    void conductorSorts()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        auto *conductor = newTag<Conductor>(project, ConductorKind, "W1");
        const auto item = [&](bool duplicate, bool solder, bool readdress) {
            auto *c = put(sheet, new GraphicsConductor(&sheet), QPointF(400, 400));
            c->setDuplicate(duplicate);
            c->setSolderWithBottom(solder);
            c->setReaddress(readdress);
            c->setName("W1");
            return c;
        };
        GraphicsConductor *main = item(false, true, false);
        QCOMPARE(main->obj(), conductor);
        // A second main graphic is refused.
        GraphicsConductor *second = item(false, false, false);
        QVERIFY(!second->obj());
        QVERIFY(!conductor->canAppend(second));
        // The main graphic does not count against itself.
        QVERIFY(conductor->canAppend(main));
        // Additional duplicates without limit.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(item(true, false, false)->obj(), conductor);
        GraphicsConductor *solder = item(true, true, false);
        QCOMPARE(solder->obj(), conductor);
        QVERIFY(!item(true, true, false)->obj());
        GraphicsConductor *readdress = item(true, false, true);
        QCOMPARE(readdress->obj(), conductor);
        QVERIFY(!item(true, false, true)->obj());
        QCOMPARE(conductor->mainItem(), main);
        QCOMPARE(conductor->solderWithBottomItem(), solder);
        QCOMPARE(conductor->readdressItem(), readdress);
        QCOMPARE(conductor->items().size(), 6);
        QCOMPARE(rec.count(), 0);

        // Not a conductor item, or none at all.
        auto *stranger = tagItem<GraphicsFootnote>(sheet, "W1", QPointF(0, 0));
        QVERIFY(!conductor->canAppend(stranger));
        QCOMPARE(rec.count(), 0);
        QVERIFY(!conductor->canAppend(nullptr));
        QVERIFY(onlyFailedChecks(rec, 1));

        // The last item gone, the conductor goes with it.
        for (GraphicsItem *i : sheet.graphicsItems())
            if (auto *c = dynamic_cast<GraphicsConductor *>(i))
                c->detachObj(true);
        QCOMPARE(project.findObj(ConductorKind, "W1"), nullptr);
    }

    // ---------------------------------------------------------------------
    // Painting

    void paintingAConductor()
    {
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        auto *conductor = newTag<Conductor>(project, ConductorKind, "W1");
        conductor->setCount(2);
        auto *main = tagItem<GraphicsConductor>(sheet, "W1", QPointF(400, 400));
        const QString two = QString("(2%1)").arg(Conductor::markText());
        const QString one = QString("(1%1)").arg(Conductor::markText());
        QCOMPARE(Conductor::markText(), QString("j"));

        DrawRecorder shown;
        paint(&shown, main, false);
        QCOMPARE(shown.texts(), QStringList({"W1", two}));
        QCOMPARE(shown.textPen(two), penBlack.color());
        QCOMPARE(shown.linePens(), QList<QColor>({penBlack.color()}));
        QVERIFY(shown.count("rect") >= 1); // the free pin
        DrawRecorder hidden;
        paint(&hidden, main, true);
        QCOMPARE(hidden.texts(), QStringList({"W1", two}));
        QCOMPARE(hidden.count("rect"), 0);

        // A count of 1 is help: green, and only while help is shown.
        conductor->setCount(1);
        DrawRecorder single;
        paint(&single, main, false);
        QCOMPARE(single.textPen(one), penGreen.color());
        DrawRecorder singleHidden;
        paint(&singleHidden, main, true);
        QCOMPARE(singleHidden.texts(), QStringList({"W1"}));

        // The polarity in green.
        conductor->setCount(3);
        conductor->setPolarity(true);
        DrawRecorder polar;
        paint(&polar, main, false);
        QCOMPARE(polar.textPen("RK"), penGreen.color());
        conductor->setPolarityPK(true);
        DrawRecorder polarPK;
        paint(&polarPK, main, false, true);
        QCOMPARE(polarPK.textPen("PK"), penBlue.color());
        QCOMPARE(polarPK.textPen("W1"), penBlue.color());
        DrawRecorder polarHidden;
        paint(&polarHidden, main, true);
        QVERIFY(!polarHidden.texts().contains("PK"));

        // Unbound: red, without count.
        auto *loose = tagItem<GraphicsConductor>(sheet, "W7", QPointF(400, 1200));
        DrawRecorder red;
        paint(&red, loose, false);
        QCOMPARE(red.texts(), QStringList({"W7"}));
        QCOMPARE(red.linePens(), QList<QColor>({penRed.color()}));

        // The solder-with-bottom duplicate: "*" in green, nothing of the
        // mark while help is hidden.
        auto *solder = put(sheet, new GraphicsConductor(&sheet), QPointF(400, 2000));
        solder->setDuplicate(true);
        solder->setName("W1");
        DrawRecorder star;
        paint(&star, solder, false);
        QCOMPARE(star.texts(), QStringList({"W1", "*"}));
        QCOMPARE(star.textPen("*"), penGreen.color());
        QCOMPARE(star.textPen("W1"), penBlack.color());
        DrawRecorder starHidden;
        paint(&starHidden, solder, true);
        QCOMPARE(starHidden.texts(), QStringList({"W1"}));
        QCOMPARE(starHidden.count("rect"), 0);

        // With a readdress duplicate its line and name are help too.
        auto *readdress = put(sheet, new GraphicsConductor(&sheet), QPointF(400, 2400));
        readdress->setDuplicate(true);
        readdress->setSolderWithBottom(false);
        readdress->setReaddress(true);
        readdress->setName("W1");
        QCOMPARE(conductor->readdressItem(), readdress);
        DrawRecorder faded;
        paint(&faded, solder, false);
        QCOMPARE(faded.textPen("W1"), penGreen.color());
        QCOMPARE(faded.linePens(), QList<QColor>({penGreen.color()}));
        DrawRecorder gone;
        paint(&gone, solder, true);
        QCOMPARE(gone.drawn.size(), 0);
        DrawRecorder letter;
        paint(&letter, readdress, false);
        QCOMPARE(letter.texts(), QStringList({"W1", "P"}));
        QCOMPARE(letter.textPen("W1"), penBlack.color());

        // An additional duplicate: line and name only.
        auto *additional = put(sheet, new GraphicsConductor(&sheet), QPointF(400, 2800));
        additional->setDuplicate(true);
        additional->setSolderWithBottom(false);
        additional->setName("W1");
        DrawRecorder plain;
        paint(&plain, additional, false);
        QCOMPARE(plain.texts(), QStringList({"W1"}));
        QVERIFY(plain.count("rect") >= 1);
    }

    void aProtectionBranchFadesTheSolder()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        auto *conductor = newTag<Conductor>(project, ConductorKind, "W1");
        conductor->setCount(2);
        auto *main = tagItem<GraphicsConductor>(sheet, "W1", QPointF(400, 400));
        auto *solder = put(sheet, new GraphicsConductor(&sheet), QPointF(400, 2000));
        solder->setDuplicate(true);
        solder->setName("W1");

        // The main graphic wired into an input of a slanting net whose
        // branch goes to a varistor with an address.
        auto *slanting = put(sheet, new GraphicsSlantingNet(&sheet), QPointF(1200, 400));
        slanting->setWide(false);
        QCOMPARE(slanting->pinCount(), 3);
        auto *varistor = put(sheet, new boundtest::TestDeviceItem(&sheet, QGraphicsItem::UserType + 409,
                                                                  GraphicsObjItem::BindOwned, ResistorKind),
                             QPointF(2000, 800));
        main->pin(0)->solder(slanting->pin(0));
        slanting->pin(2)->solder(varistor->pin(0));
        Pin *found = nullptr;
        // Without an address it is no protection branch.
        QVERIFY(!GraphicsConductor::findProtectionBranch(main->pin(0), &found));
        QCOMPARE(found, nullptr);

        // A device with an address: the resistor stand-in bound to a
        // placed device is not at hand, so the check is made on the shape
        // of the walk alone through a kind that answers an address.
        struct Addressed : boundtest::TestDeviceItem
        {
            explicit Addressed(GraphicsScene *scene)
                : boundtest::TestDeviceItem(scene, QGraphicsItem::UserType + 408, GraphicsObjItem::BindOwned,
                                            ResistorKind)
            {
            }
            Address *address() override { return &place; }
            Address place;
        };
        auto *discharger = put(sheet, new Addressed(&sheet), QPointF(2000, 1200));
        slanting->pin(2)->unsolder();
        slanting->pin(2)->solder(discharger->pin(0));
        QVERIFY(GraphicsConductor::findProtectionBranch(main->pin(0), &found));
        QCOMPARE(found, slanting->pin(1));
        DrawRecorder faded;
        paint(&faded, solder, false);
        QCOMPARE(faded.textPen("W1"), penGreen.color());
        DrawRecorder gone;
        paint(&gone, solder, true);
        QCOMPARE(gone.texts(), QStringList());

        // Entered at the other input.
        main->pin(0)->unsolder();
        main->pin(0)->solder(slanting->pin(1));
        QVERIFY(GraphicsConductor::findProtectionBranch(main->pin(0), &found));
        QCOMPARE(found, slanting->pin(0));

        // A second device on the branch: no longer one.
        auto *other = put(sheet, new Addressed(&sheet), QPointF(2000, 1600));
        auto *node = put(sheet, new GraphicsNode(&sheet), QPointF(1600, 1200));
        slanting->pin(2)->unsolder();
        slanting->pin(2)->solder(node->pin(0));
        node->pin(1)->solder(discharger->pin(0));
        node->pin(2)->solder(other->pin(0));
        QVERIFY(!GraphicsConductor::findProtectionBranch(main->pin(0), &found));
        QCOMPARE(rec.count(), 0);
    }

    void paintingSourcesAndFootnotes()
    {
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        newTag<Footnote>(project, FootnoteKind, "K5_see sheet 3");
        auto *footnote = tagItem<GraphicsFootnote>(sheet, "K5_see sheet 3", QPointF(400, 400));
        DrawRecorder shown;
        paint(&shown, footnote, false);
        QCOMPARE(shown.texts(), QStringList({"K5", "see sheet 3"}));
        QCOMPARE(shown.textPen("K5"), penBlack.color());
        QCOMPARE(shown.textPen("see sheet 3"), penGreen.color());
        // The help part below the line.
        QVERIFY(shown.drawn[2].rect.top() > shown.drawn[1].rect.top());
        DrawRecorder hidden;
        paint(&hidden, footnote, true);
        QCOMPARE(hidden.texts(), QStringList({"K5"}));
        QCOMPARE(hidden.count("rect"), 0);
        DrawRecorder selected;
        paint(&selected, footnote, false, true);
        QCOMPARE(selected.textPen("see sheet 3"), penBlue.color());

        auto *loose = tagItem<GraphicsFootnote>(sheet, "K6", QPointF(400, 800));
        DrawRecorder red;
        paint(&red, loose, false);
        QCOMPARE(red.texts(), QStringList({"K6"}));
        QCOMPARE(red.linePens(), QList<QColor>({penRed.color()}));

        newTag<Source>(project, SourceKind, "BP");
        auto *source = tagItem<GraphicsSource>(sheet, "BP", QPointF(400, 1200));
        source->setAdditional(true);
        source->setGroup(4);
        source->updateFromObj();
        DrawRecorder numbered;
        paint(&numbered, source, false);
        QCOMPARE(numbered.texts(), QStringList({"BP", "N4"}));
        QCOMPARE(numbered.textPen("BP"), penBlack.color());
        QCOMPARE(numbered.textPen("N4"), penGreen.color());
        DrawRecorder numberedHidden;
        paint(&numberedHidden, source, true);
        QCOMPARE(numberedHidden.texts(), QStringList({"BP"}));
        auto *unbound = tagItem<GraphicsSource>(sheet, "X", QPointF(400, 1600));
        DrawRecorder redSource;
        paint(&redSource, unbound, false);
        QCOMPARE(redSource.textPen("X"), penRed.color());
    }

    // ---------------------------------------------------------------------
    // Dialogs from the toolbox of a real scheme editor

    void placingASource()
    {
        ModalRecorder rec;
        openScheme();
        QVERIFY(action(82)->isEnabled());
        boundtest::SignalCount appended(*m_project, &Project::objAppend);

        // An empty item name keeps the dialog open; the source is added
        // from the object part and chosen with "V".
        auto *item = place<GraphicsSource>(
            rec, 82,
            [](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropSource *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Source"));
                QVERIFY(!dialog->additionalBox()->isChecked());
                QVERIFY(dialog->radioGroup()->button(0)->isChecked());
                QVERIFY(!dialog->groupLabel()->isEnabled() && !dialog->spinGroup()->isEnabled());
                QCOMPARE(dialog->spinFromFrame()->maximum(), 999);
                QCOMPARE(dialog->spinGroup()->minimum(), 1);
                QCOMPARE(dialog->objTable()->headerItem()->text(4), QString("Cnt"));
                press(d, "Ok");
                QCOMPARE(dialog->result(), int(QDialog::Rejected));

                QTest::keyClicks(dialog->edObjName(), "BP");
                dialog->chkBusR()->setChecked(true);
                dialog->chkRingBus()->setChecked(true);
                press(d, "Add");
                QTreeWidgetItem *row = rowOf(dialog->objTable(), "BP");
                QVERIFY(row);
                QCOMPARE(rowTexts(row), QStringList({"BP", "Yes", "No", "Yes", "0"}));
                QVERIFY(row->isSelected());
                press(d, "V");
                QCOMPARE(dialog->edName()->text(), QString("BP"));

                // Numbered: the group is asked for, the frame is put in front.
                dialog->additionalBox()->setChecked(true);
                dialog->radioGroup()->button(1)->click();
                QVERIFY(dialog->groupLabel()->isEnabled() && dialog->spinGroup()->isEnabled());
                QVERIFY(dialog->chkAddToName()->isChecked() && !dialog->chkAddToName()->isEnabled());
                dialog->spinGroup()->setValue(3);
                dialog->spinFromFrame()->setValue(12);
                press(d, "Ok");
            },
            QPointF(1200, 1200));
        QVERIFY(item);
        QCOMPARE(boxTexts(rec), QStringList({"Need enter graphics Source name!"}));
        auto *source = dynamic_cast<Source *>(m_project->findObj(SourceKind, "BP"));
        QVERIFY(source);
        QCOMPARE(item->source(), source);
        QVERIFY(source->busRFrame() && !source->busRBFrame() && source->ringBus());
        QVERIFY(item->additional() && !item->placeCreate() && item->addToName());
        QCOMPARE(item->group(), quint8(3));
        QCOMPARE(item->fromFrame(), 12);
        QCOMPARE(item->numberedName(), QString("12BP"));
        QCOMPARE(item->textWidth(), qMax(80.0, 40.0 * divideRoundUp(int(QFontMetricsF(font(3)).horizontalAdvance("12BP")), 40)));
        QCOMPARE(appended.count(), 1);
        QVERIFY(m_project->devicesChanged());

        // Opened again: its fields come back; place create frees "add to
        // source name", and without the parameters it is not kept.
        rec.clear();
        editItem(rec, item, [](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropSource *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->edName()->text(), QString("BP"));
            QVERIFY(dialog->additionalBox()->isChecked());
            QVERIFY(dialog->radioGroup()->button(1)->isChecked());
            QVERIFY(dialog->spinGroup()->isEnabled() && !dialog->chkAddToName()->isEnabled());
            QCOMPARE(dialog->spinGroup()->value(), 3);
            QCOMPARE(dialog->spinFromFrame()->value(), 12);
            QTreeWidgetItem *row = rowOf(dialog->objTable(), "BP");
            QVERIFY(row && row->isSelected());
            QCOMPARE(row->text(4), QString("1"));
            QCOMPARE(dialog->framesTable()->topLevelItemCount(), 0);
            dialog->radioGroup()->button(0)->click();
            QVERIFY(!dialog->spinGroup()->isEnabled() && dialog->chkAddToName()->isEnabled());
            QVERIFY(dialog->chkAddToName()->isChecked());
            dialog->spinFromFrame()->setValue(7);
            press(d, "Ok");
        });
        QCOMPARE(rec.count(), 1);
        QVERIFY(item->additional() && item->placeCreate() && item->addToName());
        QCOMPARE(item->fromFrame(), 7);
        QCOMPARE(item->numberedName(), QString("7BP"));

        // The frames table lists the place create items.
        rec.clear();
        editItem(rec, item, [](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropSource *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->framesTable()->topLevelItemCount(), 1);
            QCOMPARE(rowTexts(dialog->framesTable()->topLevelItem(0)),
                     QStringList({"7", dialog->scene()->displayName()}));
            dialog->additionalBox()->setChecked(false);
            press(d, "Ok");
        });
        QVERIFY(!item->additional() && !item->addToName());
        QCOMPARE(item->numberedName(), QString("BP"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void placingFootnotesOnTwoSheets()
    {
        ModalRecorder rec;
        openScheme();
        Scheme *first = m_scheme;
        const auto fill = [](const QString &name, bool add) {
            return [name, add](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropFootnote *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Footnote"));
                if (add) {
                    QTest::keyClicks(dialog->edObjName(), name);
                    press(d, "Add");
                } else {
                    QTest::keyClicks(dialog->edFind(), name.left(2));
                }
                QTreeWidgetItem *row = rowOf(dialog->objTable(), name);
                QVERIFY(row && row->isSelected());
                // A double click takes the footnote and closes the dialog.
                dialog->doubleClickOfTable(row);
            };
        };
        auto *f1 = place<GraphicsFootnote>(rec, 84, fill("K5_see sheet 3", true), QPointF(1200, 1200));
        QVERIFY(f1);
        auto *footnote = dynamic_cast<Footnote *>(m_project->findObj(FootnoteKind, "K5_see sheet 3"));
        QVERIFY(footnote);
        QCOMPARE(f1->footnote(), footnote);
        Scheme *second = openSecondScheme();
        auto *f2 = place<GraphicsFootnote>(rec, 84, fill("K5_see sheet 3", false), QPointF(1200, 1200));
        QVERIFY(f2);
        QCOMPARE(f2->footnote(), footnote);
        QCOMPARE(footnote->items().size(), 2);
        QCOMPARE(boxTexts(rec), QStringList());

        // The table counts both, the scheme table names both sheets.
        rec.clear();
        editItem(rec, f2, [&](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropFootnote *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->edName()->text(), QString("K5_see sheet 3"));
            QTreeWidgetItem *row = rowOf(dialog->objTable(), "K5_see sheet 3");
            QVERIFY(row && row->isSelected());
            QCOMPARE(row->text(1), QString("2"));
            QStringList sheets;
            for (int i = 0; i < dialog->schemeTable()->topLevelItemCount(); ++i)
                sheets << dialog->schemeTable()->topLevelItem(i)->text(0);
            sheets.sort();
            QStringList expected = {first->displayName(), second->displayName()};
            expected.sort();
            QCOMPARE(sheets, expected);
            // Renamed: the item leaves the shared footnote for a new name.
            dialog->edName()->setText(" K6 ");
            press(d, "Ok");
        });
        QCOMPARE(rec.count(), 1);
        QCOMPARE(f2->obj(), nullptr);
        QCOMPARE(f2->ownName(), QString("K6"));
        QCOMPARE(footnote->items(), QList<ObjItem *>({f1}));
        // The only item of a footnote renames it.
        rec.clear();
        m_view->setScene(first);
        m_scheme = first;
        editItem(rec, f1, [](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropFootnote *>(d);
            QVERIFY(dialog);
            dialog->edName()->setText("K7");
            press(d, "Ok");
        });
        QCOMPARE(footnote->name(), QString("K7"));
        QCOMPARE(f1->footnote(), footnote);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void placingConductors()
    {
        ModalRecorder rec;
        openScheme();
        const auto fill = [](bool add, int sort, bool duplicate) {
            return [add, sort, duplicate](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropConductor *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Conductor"));
                QVERIFY(dialog->rbPK()->isChecked());
                QVERIFY(dialog->duplicateGroup()->button(0)->isChecked());
                QVERIFY(!dialog->duplicateBox()->isChecked() && !dialog->polarityBox()->isChecked());
                QCOMPARE(dialog->spinCount()->minimum(), 1);
                if (add) {
                    QTest::keyClicks(dialog->edObjName(), "W1");
                    dialog->spinCount()->setValue(3);
                    QTest::keyClicks(dialog->edCableName(), " KB  1 ");
                    dialog->chkRing()->setChecked(true);
                    dialog->polarityBox()->setChecked(true);
                    dialog->rbRK()->click();
                    press(d, "Add");
                }
                QTreeWidgetItem *row = rowOf(dialog->objTable(), "W1");
                QVERIFY(row);
                dialog->selectTreeItem(dialog->objTable(), row);
                press(d, "V");
                QCOMPARE(dialog->edName()->text(), QString("W1"));
                dialog->duplicateBox()->setChecked(duplicate);
                dialog->duplicateGroup()->button(sort)->click();
                press(d, "Ok");
            };
        };
        auto *main = place<GraphicsConductor>(rec, 94, fill(true, 0, false), QPointF(1200, 800));
        QVERIFY(main);
        auto *conductor = dynamic_cast<Conductor *>(m_project->findObj(ConductorKind, "W1"));
        QVERIFY(conductor);
        QCOMPARE(main->conductor(), conductor);
        QVERIFY(!main->duplicate());
        QCOMPARE(conductor->count(), quint8(3));
        QCOMPARE(conductor->cableName(), QString("KB 1"));
        QVERIFY(conductor->ringWithTopClamp() && !conductor->twistedPair());
        QVERIFY(conductor->polarity() && !conductor->polarityPK());
        auto *solder = place<GraphicsConductor>(rec, 94, fill(false, 0, true), QPointF(1200, 1600));
        QVERIFY(solder && solder->duplicate() && solder->solderWithBottom() && !solder->readdress());
        QCOMPARE(conductor->solderWithBottomItem(), solder);
        auto *additional = place<GraphicsConductor>(rec, 94, fill(false, 1, true), QPointF(1200, 2000));
        QVERIFY(additional && additional->duplicate() && !additional->solderWithBottom() && !additional->readdress());
        QCOMPARE(conductor->items().size(), 3);
        QCOMPARE(boxTexts(rec), QStringList());

        // The table: count over items without the solder duplicate, the
        // sheets of the main graphic and the solder duplicate.
        rec.clear();
        editItem(rec, additional, [&](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropConductor *>(d);
            QVERIFY(dialog);
            QVERIFY(dialog->duplicateBox()->isChecked());
            QVERIFY(dialog->duplicateGroup()->button(1)->isChecked());
            QTreeWidgetItem *row = rowOf(dialog->objTable(), "W1");
            QVERIFY(row && row->isSelected());
            const QString sheet = m_scheme->displayName();
            QCOMPARE(rowTexts(row), QStringList({"W1", "3/2", "KB 1", "Yes", "No", "RK", sheet, sheet}));
            // The selection fills the object part.
            QCOMPARE(dialog->spinCount()->value(), 3);
            QCOMPARE(dialog->edCableName()->text(), QString("KB 1"));
            QVERIFY(dialog->polarityBox()->isChecked() && dialog->rbRK()->isChecked());
            // Renamed with "Repl": the count changes too.
            dialog->spinCount()->setValue(4);
            dialog->polarityBox()->setChecked(false);
            press(d, "Repl");
            QCOMPARE(rowTexts(row), QStringList({"W1", "4/2", "KB 1", "Yes", "No", "", sheet, sheet}));
            // It becomes a second main graphic: it leaves the conductor.
            dialog->duplicateBox()->setChecked(false);
            press(d, "Ok");
        });
        QCOMPARE(rec.count(), 1);
        QCOMPARE(conductor->count(), quint8(4));
        QVERIFY(!conductor->polarity());
        QVERIFY(!additional->duplicate());
        QCOMPARE(additional->obj(), nullptr);
        QCOMPARE(conductor->mainItem(), main);
        QCOMPARE(conductor->items().size(), 2);

        // A readdress duplicate is taken once.
        auto *readdress = place<GraphicsConductor>(rec, 94, fill(false, 2, true), QPointF(2000, 800));
        QVERIFY(readdress && readdress->readdress());
        QCOMPARE(conductor->readdressItem(), readdress);
        auto *again = place<GraphicsConductor>(rec, 94, fill(false, 2, true), QPointF(2000, 1200));
        QVERIFY(again);
        QCOMPARE(again->obj(), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());

        // An empty name is refused, and nothing is placed.
        rec.clear();
        const int before = m_scheme->graphicsItems().size();
        rec.handle([](QDialog *d) {
            press(d, "Ok");
            QCOMPARE(d->result(), int(QDialog::Rejected));
        });
        action(94)->trigger();
        QCOMPARE(boxTexts(rec), QStringList({"Need enter graphics Conductor name!"}));
        QCOMPARE(m_scheme->graphicsItems().size(), before);
    }

    // ---------------------------------------------------------------------
    // Saving and loading

    void saveAndLoadWithAProject()
    {
        ModalRecorder rec;
        openScheme();
        Project &project = *m_project;
        auto *source = newTag<Source>(project, SourceKind, "BP");
        source->setBusRBFrame(true);
        auto *conductor = newTag<Conductor>(project, ConductorKind, "W1");
        conductor->setCount(2);
        conductor->setPolarity(true);
        conductor->setPolarityPK(true);
        conductor->setCableName("KB1");
        conductor->setTwistedPair(true);
        newTag<Footnote>(project, FootnoteKind, "F1_help");

        auto *feed = tagItem<GraphicsSource>(*m_scheme, "BP", QPointF(400, 360));
        feed->setAdditional(true);
        feed->setFromFrame(5);
        feed->setGroup(2);
        feed->setAddToName(true);
        feed->updateFromObj();
        auto *main = tagItem<GraphicsConductor>(*m_scheme, "W1", QPointF(1200, 400));
        auto *solder = put(*m_scheme, new GraphicsConductor(m_scheme), QPointF(1200, 1200));
        solder->setDuplicate(true);
        solder->setName("W1");
        auto *readdress = put(*m_scheme, new GraphicsConductor(m_scheme), QPointF(1200, 1600));
        readdress->setDuplicate(true);
        readdress->setSolderWithBottom(false);
        readdress->setReaddress(true);
        readdress->setName("W1");
        auto *f1 = tagItem<GraphicsFootnote>(*m_scheme, "F1_help", QPointF(2000, 360));
        tagItem<GraphicsFootnote>(*m_scheme, "nobody", QPointF(2000, 1160));
        wire(*m_scheme, feed->pin(0), main->pin(0));
        wire(*m_scheme, f1->pin(0), nullptr);
        main->rotateBy(1, true);
        f1->mirror(false);
        QCOMPARE(rec.count(), 0);

        const double feedWidth = feed->textWidth();
        const int mainTurn = main->rotationIndex();
        const QString dir = m_dir.path() + "/saved";
        QVERIFY(QDir().mkpath(dir));
        project.setFileName(dir + "/plant.rlay");
        QVERIFY(project.save());
        QCOMPARE(rec.count(), 0);
        const QMap<QString, QByteArray> first = filesBelow(dir);
        QCOMPARE(first.size(), 7);
        closeScheme();

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        QCOMPARE(boxTexts(rec), QStringList());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        auto *s = dynamic_cast<Source *>(loaded.findObj(SourceKind, "BP"));
        auto *w = dynamic_cast<Conductor *>(loaded.findObj(ConductorKind, "W1"));
        auto *f = dynamic_cast<Footnote *>(loaded.findObj(FootnoteKind, "F1_help"));
        QVERIFY(s && w && f);
        QVERIFY(!s->busRFrame() && s->busRBFrame() && !s->ringBus());
        QCOMPARE(w->count(), quint8(2));
        QVERIFY(w->polarity() && w->polarityPK() && w->twistedPair() && !w->ringWithTopClamp());
        QCOMPARE(w->cableName(), QString("KB1"));

        const QList<GraphicsSource *> sources = itemsOf<GraphicsSource>(*sheet);
        const QList<GraphicsConductor *> conductors = itemsOf<GraphicsConductor>(*sheet);
        const QList<GraphicsFootnote *> footnotes = itemsOf<GraphicsFootnote>(*sheet);
        QCOMPARE(sources.size(), 1);
        QCOMPARE(conductors.size(), 3);
        QCOMPARE(footnotes.size(), 2);
        GraphicsSource *feed2 = sources.first();
        QCOMPARE(feed2->source(), s);
        QVERIFY(feed2->additional() && !feed2->placeCreate() && feed2->addToName());
        QCOMPARE(feed2->fromFrame(), 5);
        QCOMPARE(feed2->group(), quint8(2));
        QCOMPARE(feed2->numberedName(), QString("5BP"));
        QCOMPARE(feed2->textWidth(), feedWidth);
        QCOMPARE(w->mainItem(), conductors[0]);
        QCOMPARE(w->solderWithBottomItem(), conductors[1]);
        QCOMPARE(w->readdressItem(), conductors[2]);
        QCOMPARE(conductors[0]->rotationIndex(), mainTurn);
        QVERIFY(mainTurn != 0);
        QCOMPARE(footnotes[0]->footnote(), f);
        QVERIFY(footnotes[0]->isMirrored());
        QCOMPARE(footnotes[1]->obj(), nullptr);
        QCOMPARE(footnotes[1]->ownName(), QString("nobody"));
        QVERIFY(soldered(feed2->pin(0)->partner() ? feed2->pin(0) : nullptr, feed2->pin(0)->partner()));
        QCOMPARE(clew(feed2->pin(0)), QList<Pin *>({conductors[0]->pin(0)}));
        QVERIFY(!footnotes[0]->pin(0)->isFree());
        QCOMPARE(schemetest::nets(*sheet).size(), 2);
        QCOMPARE(clew(footnotes[0]->pin(0)), QList<Pin *>());

        // The project check reports the unbound footnote only.
        QTreeWidget results;
        loaded.check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 1);
        QCOMPARE(results.topLevelItem(0)->text(CheckMessage::MessageColumn), QString("Parent is absent"));
        QCOMPARE(results.topLevelItem(0)->text(CheckMessage::NameColumn), QString("nobody"));

        // Saved again: the same bytes.
        const QString again = m_dir.path() + "/again";
        QVERIFY(QDir().mkpath(again));
        loaded.setFileName(again + "/plant.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        loaded.setEquipmentChanged();
        loaded.setSpecificationDeviceChanged();
        loaded.setSpecificationCableChanged();
        sheet->setModified(true);
        QVERIFY(loaded.save());
        const QMap<QString, QByteArray> second = filesBelow(again);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &file : first.keys())
            QVERIFY2(second[file] == first[file], qPrintable(file));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void copyAndPasteIntoAnotherProject()
    {
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        auto *conductor = newTag<Conductor>(project, ConductorKind, "W1");
        conductor->setCount(5);
        conductor->setCableName("KB2");
        auto *source = newTag<Source>(project, SourceKind, "BP");
        source->setRingBus(true);
        auto *main = tagItem<GraphicsConductor>(sheet, "W1", QPointF(400, 400));
        auto *feed = tagItem<GraphicsSource>(sheet, "BP", QPointF(400, 800));
        feed->setAdditional(true);
        feed->setPlaceCreate(true);
        feed->setFromFrame(9);
        const QByteArray bytes = boundtest::copyItems(project, sheet, {main, feed});

        Project other(nullptr, nullptr);
        schemetest::DeviceScheme target(&other);
        const QList<GraphicsItem *> pasted = boundtest::pasteItems(other, target, bytes);
        QCOMPARE(pasted.size(), 2);
        auto *w = dynamic_cast<Conductor *>(other.findObj(ConductorKind, "W1"));
        auto *s = dynamic_cast<Source *>(other.findObj(SourceKind, "BP"));
        QVERIFY(w && s);
        QCOMPARE(w->count(), quint8(5));
        QCOMPARE(w->cableName(), QString("KB2"));
        QVERIFY(s->ringBus());
        auto *pastedFeed = dynamic_cast<GraphicsSource *>(pasted[1]);
        QVERIFY(pastedFeed);
        QCOMPARE(pastedFeed->source(), s);
        QVERIFY(pastedFeed->additional() && pastedFeed->placeCreate());
        QCOMPARE(pastedFeed->fromFrame(), 9);
        QCOMPARE(w->mainItem(), pasted[0]);

        // Pasted again into the same project: a second main graphic is
        // not taken by the conductor.
        const QList<GraphicsItem *> twice = boundtest::pasteItems(other, target, bytes);
        QCOMPARE(twice.size(), 2);
        auto *second = dynamic_cast<GraphicsConductor *>(twice[0]);
        QVERIFY(second);
        QVERIFY(second->obj() != w);
        QCOMPARE(w->mainItem(), pasted[0]);
    }

    // ---------------------------------------------------------------------
    // Seen as a user

    void renderedScheme()
    {
        Project project(nullptr, nullptr);
        schemetest::DeviceScheme sheet(&project);
        newTag<Source>(project, SourceKind, "BP");
        auto *conductor = newTag<Conductor>(project, ConductorKind, "W1");
        conductor->setCount(2);
        conductor->setPolarity(true);
        newTag<Footnote>(project, FootnoteKind, "K5_see sheet 3");
        QList<GraphicsItem *> items;
        for (int turn = 0; turn < 4; ++turn) {
            for (int mirrored = 0; mirrored < 2; ++mirrored) {
                const QPointF origin(400 + 1200 * turn, 400 + 1200 * mirrored);
                auto *s = tagItem<GraphicsSource>(sheet, "BP", origin);
                s->setAdditional(true);
                s->setGroup(3);
                s->updateFromObj();
                auto *f = tagItem<GraphicsFootnote>(sheet, "K5_see sheet 3", origin + QPointF(400, 0));
                auto *c = tagItem<GraphicsConductor>(sheet, turn == 0 && mirrored == 0 ? "W1" : "W2",
                                                     origin + QPointF(0, 600));
                auto *dup = put(sheet, new GraphicsConductor(&sheet), origin + QPointF(400, 600));
                dup->setDuplicate(true);
                dup->setName("W1");
                for (GraphicsItem *item : QList<GraphicsItem *>{s, f, c, dup}) {
                    item->rotateBy(turn, true);
                    if (mirrored)
                        item->mirror(false);
                    items << item;
                }
            }
        }
        QImage image(2600, 1500, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            sheet.render(&painter, QRectF(0, 0, 2600, 1500), QRectF(0, 0, 5200, 3000));
        }
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY(dark > 1000);
        const QByteArray out = qgetenv("RLAY_RENDER_DIR");
        if (!out.isEmpty())
            QVERIFY(image.save(QString::fromLocal8Bit(out) + "/tags.png"));
    }
};

QTEST_MAIN(TestTags)
#include "tst_tags.moc"
