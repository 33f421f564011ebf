#include "model/device.h"
#include "devices/dlgpropbutton.h"
#include "devices/dlgpropfuse.h"
#include "devices/dlgpropkeystaff.h"
#include "devices/graphicsbutton.h"
#include "devices/graphicsfuse.h"
#include "devices/graphicskeystaff.h"
#include "graphics/dlgpropellipse.h"
#include "graphics/dlgpropgraphicspins.h"
#include "graphics/dlgpropline.h"
#include "graphics/dlgproppixmap.h"
#include "graphics/dlgproprect.h"
#include "graphics/dlgproptemplate.h"
#include "graphics/dlgproptext.h"
#include "graphics/font.h"
#include "graphics/graphicsellipse.h"
#include "graphics/graphicsline.h"
#include "graphics/graphicspins.h"
#include "graphics/graphicspixmap.h"
#include "graphics/graphicsrect.h"
#include "graphics/graphicsscene.h"
#include "graphics/graphicstext.h"
#include "graphics/rbrushstylecombobox.h"
#include "graphics/rcombobox.h"
#include "graphics/rcolorpushbutton.h"
#include "graphics/rfontpushbutton.h"
#include "graphics/rlineedit.h"
#include "graphics/rpenstylecombobox.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QActionGroup>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

const int pinnedType = QGraphicsItem::UserType + 150;
const int netType = QGraphicsItem::UserType + 102;

// A pinned item with its pins in a row, `step` apart; as a net (type
// UserType + 102) it has two end pins `step` apart.
class TestPinned : public GraphicsPins
{
public:
    TestPinned(GraphicsScene *scene, int pins, double step, int type = pinnedType, GraphicsItem *parent = nullptr)
        : GraphicsPins(scene, parent, 7)
        , m_step(step)
        , m_type(type)
    {
        createPins(pins);
    }

    void createPins(int count) override
    {
        allocatePins<Pin>(count);
        for (int i = 0; i < count; ++i) {
            pin(i)->setSize(pinSize);
            pin(i)->moveCenter(QPointF(m_step * i, 0));
        }
    }

    int type() const override { return m_type; }
    QRectF boundingRect() const override { return QRectF(-10, -10, m_step * qMax(pinCount() - 1, 0) + 20, 20); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool) override { drawPins(painter, false); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override { pins.append(entry); }
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int) override { pins.append(entry); }
    void updateNetLinks(Pin *, QList<Pin *> &) override {}

private:
    double m_step;
    int m_type;
};

// A sheet that solders a pin to the first free pin of another item under it.
class TestScene : public GraphicsScene
{
public:
    explicit TestScene(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }
    int groupNumber() const override { return 0; }

    void solderPin(Pin *pin, const QRectF &rect, GraphicsPins *item) override
    {
        offered << pin;
        const QList<GraphicsItem *> found = items(rect, Qt::IntersectsItemBoundingRect, Qt::DescendingOrder);
        for (GraphicsItem *each : found) {
            auto *other = dynamic_cast<GraphicsPins *>(each);
            if (!other || other == item)
                continue;
            if (Pin *free = other->freePinAt(rect, pin)) {
                pin->solder(free);
                return;
            }
        }
    }

    QList<Pin *> offered;
};

// The dialog of a pinned test item: one field, its name.
class DlgPropTestPinned : public DlgPropGraphicsPins
{
public:
    explicit DlgPropTestPinned(GraphicsScene *scene)
        : DlgPropGraphicsPins(scene)
    {
        addButtons(new QVBoxLayout(this));
    }
    void loadFromItem(GraphicsItem *item) override { loaded << item; }
    void saveToItem(GraphicsItem *item) override
    {
        saved << item;
        DlgPropGraphicsPins::saveToItem(item);
    }
    QList<GraphicsItem *> loaded;
    QList<GraphicsItem *> saved;
};

// A project item for the template: made as TestObject(project).
class TestObject
{
public:
    explicit TestObject(Project *project)
        : project(project)
    {
        ++made;
    }
    Project *project;
    QString name;
    int number = 0;
    static int made;
};
int TestObject::made = 0;

void pressCancel(QDialog *dialog)
{
    pressButton(dialog, QStringLiteral("Cancel"));
}

QString writeImage(const QTemporaryDir &dir, const QString &name, const QImage &image)
{
    const QString path = dir.filePath(name);
    image.save(path, "PNG");
    return path;
}

QString writeBytes(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

// A project item dialog with the meta-object on top of the template.
class DlgPropTestObject : public DlgPropTemplate<Project, TestObject>
{
    Q_OBJECT

public:
    explicit DlgPropTestObject(Project *project)
        : DlgPropTemplate<Project, TestObject>(project)
    {
        edit = new QLineEdit(this);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(edit);
        addButtons(layout);
    }
    void loadFromObject() override
    {
        ++loads;
        edit->setText(object()->name);
    }
    void saveToObject() override
    {
        ++saves;
        object()->name = edit->text();
        object()->number = 7;
    }
    QLineEdit *edit;
    int loads = 0;
    int saves = 0;
};

class DlgPropTestSheet : public DlgPropGraphicsScene<Project, TestObject>
{
    Q_OBJECT

public:
    explicit DlgPropTestSheet(Project *project)
        : DlgPropGraphicsScene<Project, TestObject>(project)
    {
    }
};

class TestItemDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    void okAndCancelRow()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        const int types[] = {GraphicsText::Type, GraphicsLine::Type, GraphicsEllipse::Type, GraphicsRect::Type,
                             GraphicsPixmap::Type};
        for (int type : types) {
            std::unique_ptr<DlgPropGraphicsItem> dialog(scene.createDialog(type));
            QVERIFY(dialog);
            QVERIFY(dialog->parent() == nullptr);
            QPushButton *ok = buttonOf(dialog.get(), "Ok");
            QPushButton *cancel = buttonOf(dialog.get(), "Cancel");
            QVERIFY(ok && cancel);
            QVERIFY(ok->isDefault());
            QCOMPARE(dialog->scene(), &scene);
        }
        QCOMPARE(rec.count(), 0);
    }

    void lineDialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *line = new GraphicsLine(&scene, nullptr);
        line->setPoints(QPointF(0, 0), QPointF(100, 0));
        QVERIFY(scene.addGraphicsItem(line));
        scene.setModified(false);

        // The layout: type, width, border colour, at their defaults.
        {
            DlgPropLine fresh(&scene);
            QCOMPARE(fresh.penStyleCombo()->currentPenStyle(), int(Qt::SolidLine));
            QCOMPARE(fresh.widthSpin()->minimum(), 1.0);
            QCOMPARE(fresh.widthSpin()->maximum(), 99.0);
            QCOMPARE(fresh.widthSpin()->value(), 3.5);
            QCOMPARE(fresh.borderColorButton()->color(), QColor(Qt::black));
        }

        // Cancel: nothing changes, the sheet stays unmodified.
        rec.handle([](QDialog *d) {
            auto *dialog = static_cast<DlgPropLine *>(d);
            QCOMPARE(dialog->widthSpin()->value(), 3.5);
            dialog->widthSpin()->setValue(20);
            dialog->penStyleCombo()->setCurrentPenStyle(Qt::DotLine);
            dialog->borderColorButton()->setColor(Qt::red);
            pressCancel(dialog);
        });
        line->showDialog();
        QCOMPARE(rec.count(), 1);
        QCOMPARE(rec.shown.first().className, QString("DlgPropLine"));
        QCOMPARE(rec.shown.first().title, QString("Line"));
        QCOMPARE(line->width(), 3.5);
        QCOMPARE(line->penStyle(), int(Qt::SolidLine));
        QCOMPARE(line->borderColor(), QColor(Qt::black));
        QVERIFY(!scene.isModified());

        // OK: the fields go into the line.
        rec.handle([](QDialog *d) {
            auto *dialog = static_cast<DlgPropLine *>(d);
            dialog->widthSpin()->setValue(20);
            dialog->penStyleCombo()->setCurrentPenStyle(Qt::DotLine);
            dialog->borderColorButton()->setColor(Qt::red);
            pressOk(dialog);
        });
        line->showDialog();
        QCOMPARE(line->width(), 20.0);
        QCOMPARE(line->penStyle(), int(Qt::DotLine));
        QCOMPARE(line->borderColor(), QColor(Qt::red));
        QVERIFY(scene.isModified());

        // Reopened, the dialog shows them; OK without a change still marks
        // the sheet modified.
        scene.setModified(false);
        rec.handle([](QDialog *d) {
            auto *dialog = static_cast<DlgPropLine *>(d);
            QCOMPARE(dialog->widthSpin()->value(), 20.0);
            QCOMPARE(dialog->penStyleCombo()->currentPenStyle(), int(Qt::DotLine));
            QCOMPARE(dialog->borderColorButton()->color(), QColor(Qt::red));
            pressOk(dialog);
        });
        line->showDialog();
        QVERIFY(scene.isModified());
        QCOMPARE(line->width(), 20.0);
        QCOMPARE(rec.count(), 3);
    }

    void newItemOnlyOnOk()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setModified(false);

        std::unique_ptr<DlgPropGraphicsItem> dialog(scene.createDialog(GraphicsRect::Type));
        rec.handle([](QDialog *d) {
            static_cast<DlgPropRect *>(d)->fillColorButton()->setColor(Qt::green);
            pressCancel(d);
        });
        QCOMPARE(dialog->execDialog(nullptr, GraphicsRect::Type), nullptr);
        QVERIFY(!scene.isModified());
        QVERIFY(scene.graphicsItems().isEmpty());

        dialog.reset(scene.createDialog(GraphicsRect::Type));
        rec.handle([](QDialog *d) {
            auto *rect = static_cast<DlgPropRect *>(d);
            QCOMPARE(rect->fillColorButton()->color(), QColor(Qt::white));
            QCOMPARE(rect->brushStyleCombo()->currentBrushStyle(), int(Qt::SolidPattern));
            rect->fillColorButton()->setColor(Qt::green);
            rect->brushStyleCombo()->setCurrentBrushStyle(Qt::CrossPattern);
            rect->widthSpin()->setValue(5);
            pressOk(d);
        });
        std::unique_ptr<GraphicsItem> made(dialog->execDialog(nullptr, GraphicsRect::Type));
        QVERIFY(made);
        auto *rect = dynamic_cast<GraphicsRect *>(made.get());
        QVERIFY(rect);
        // The caller adds it to the sheet.
        QCOMPARE(rect->scene(), nullptr);
        QVERIFY(scene.graphicsItems().isEmpty());
        QCOMPARE(rect->fillColor(), QColor(Qt::green));
        QCOMPARE(rect->brushStyle(), int(Qt::CrossPattern));
        QCOMPARE(rect->width(), 5.0);
        QCOMPARE(rect->borderColor(), QColor(Qt::black));
        QVERIFY(scene.isModified());
        QCOMPARE(rec.count(), 2);
    }

    void ellipseDialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsEllipse ellipse(&scene, nullptr);
        ellipse.setFillColor(QColor(10, 20, 30));
        ellipse.setBrushStyle(Qt::Dense2Pattern);
        ellipse.setPenStyle(Qt::DashDotLine);
        ellipse.setWidth(12);

        DlgPropEllipse dialog(&scene);
        rec.handle([](QDialog *d) {
            auto *dialog = static_cast<DlgPropEllipse *>(d);
            QCOMPARE(dialog->fillColorButton()->color(), QColor(10, 20, 30));
            QCOMPARE(dialog->brushStyleCombo()->currentBrushStyle(), int(Qt::Dense2Pattern));
            QCOMPARE(dialog->penStyleCombo()->currentPenStyle(), int(Qt::DashDotLine));
            QCOMPARE(dialog->widthSpin()->value(), 12.0);
            dialog->brushStyleCombo()->setCurrentBrushStyle(Qt::NoBrush);
            pressOk(dialog);
        });
        QCOMPARE(dialog.execDialog(&ellipse, GraphicsEllipse::Type), &ellipse);
        QCOMPARE(ellipse.brushStyle(), int(Qt::NoBrush));
        QCOMPARE(ellipse.fillColor(), QColor(10, 20, 30));
        QCOMPARE(ellipse.width(), 12.0);
        QCOMPARE(rec.count(), 1);
    }

    void textDialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);

        {
            DlgPropText fresh(&scene);
            QCOMPARE(fresh.alignmentGroup()->actions().size(), 4);
            QVERIFY(fresh.alignmentGroup()->actions().first()->isChecked());
            QVERIFY(fresh.alignmentGroup()->isExclusive());
            QCOMPARE(fresh.fontButton()->selectedFont(), font(3));
            QCOMPARE(fresh.colorButton()->color(), QColor(Qt::black));
            QStringList texts;
            for (QAction *action : fresh.alignmentGroup()->actions())
                texts << action->text();
            QCOMPARE(texts, QStringList({"Left", "Right", "Center", "Justify"}));
        }

        // A new text through its dialog, centred.
        std::unique_ptr<DlgPropGraphicsItem> dialog(scene.createDialog(GraphicsText::Type));
        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPointSizeF(24);
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropText *>(d);
            dialog->textEdit()->setPlainText(QStringLiteral("Line one\nLine two"));
            dialog->alignmentGroup()->actions().at(2)->trigger();
            dialog->fontButton()->setSelectedFont(chosen);
            dialog->colorButton()->setColor(Qt::blue);
            pressOk(dialog);
        });
        std::unique_ptr<GraphicsItem> made(dialog->execDialog(nullptr, GraphicsText::Type));
        auto *text = dynamic_cast<GraphicsText *>(made.get());
        QVERIFY(text);
        QCOMPARE(text->alignment(), 196);
        QCOMPARE(text->text(), QStringLiteral("Line one\nLine two"));
        QCOMPARE(text->color(), QColor(Qt::blue));
        QCOMPARE(text->font().family(), chosen.family());
        QCOMPARE(text->font().pointSizeF(), toScreenFont(chosen).pointSizeF());

        // Reopened: "Center" on, the font shown as chosen, the text kept.
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropText *>(d);
            QVERIFY(dialog->alignmentGroup()->actions().at(2)->isChecked());
            QVERIFY(!dialog->alignmentGroup()->actions().at(0)->isChecked());
            QVERIFY(qAbs(dialog->fontButton()->selectedFont().pointSizeF() - 24) < 1e-9);
            QCOMPARE(dialog->colorButton()->color(), QColor(Qt::blue));
            QCOMPARE(dialog->textEdit()->toPlainText(), QStringLiteral("Line one\nLine two"));
            // Right for the whole text.
            dialog->alignmentGroup()->actions().at(1)->trigger();
            pressOk(dialog);
        });
        dialog.reset(scene.createDialog(GraphicsText::Type));
        QCOMPARE(dialog->execDialog(text, GraphicsText::Type), text);
        QCOMPARE(text->alignment(), int(Qt::AlignRight | Qt::AlignBottom));
        QCOMPARE(text->text(), QStringLiteral("Line one\nLine two"));

        // Cancel leaves it.
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropText *>(d);
            QVERIFY(dialog->alignmentGroup()->actions().at(1)->isChecked());
            dialog->textEdit()->setPlainText(QStringLiteral("changed"));
            dialog->alignmentGroup()->actions().at(3)->trigger();
            pressCancel(dialog);
        });
        dialog.reset(scene.createDialog(GraphicsText::Type));
        QCOMPARE(dialog->execDialog(text, GraphicsText::Type), nullptr);
        QCOMPARE(text->text(), QStringLiteral("Line one\nLine two"));
        QCOMPARE(text->alignment(), int(Qt::AlignRight | Qt::AlignBottom));
        QCOMPARE(rec.count(), 3);
    }

    void textAlignButtonReinsertsTheText()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        DlgPropText dialog(&scene);
        QTextEdit *edit = dialog.textEdit();
        edit->setPlainText(QStringLiteral("one\ntwo"));
        // Parts with different alignments...
        edit->moveCursor(QTextCursor::Start);
        edit->setAlignment(Qt::AlignRight);
        edit->moveCursor(QTextCursor::End);
        edit->setAlignment(Qt::AlignHCenter);
        // ... end with one.
        dialog.setTextAlign(dialog.alignmentGroup()->actions().at(3));
        QCOMPARE(edit->toPlainText(), QStringLiteral("one\ntwo"));
        for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
            QCOMPARE(int(block.blockFormat().alignment()), int(Qt::AlignJustify));

        // A null action or one of a wrong row changes nothing.
        dialog.setTextAlign(nullptr);
        QAction stray(QStringLiteral("stray"), nullptr);
        stray.setData(7);
        dialog.setTextAlign(&stray);
        QCOMPARE(rec.count(), 2);
        QVERIFY(rec.texts().at(0).endsWith("Out of memory"));
        QVERIFY(rec.texts().at(1).endsWith("FALSE expression"));
        QCOMPARE(edit->toPlainText(), QStringLiteral("one\ntwo"));
    }

    void pixmapDialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QImage big(120, 80, QImage::Format_ARGB32);
        big.fill(QColor(200, 50, 50));
        const QString bigFile = writeImage(dir, "big.png", big);
        QImage small(12, 8, QImage::Format_ARGB32);
        small.fill(Qt::white);
        small.setPixelColor(3, 3, QColor(0, 0, 0));
        const QString smallFile = writeImage(dir, "small.png", small);
        const QString textFile = writeBytes(dir, "notes.png", "this is not an image\n");
        QByteArray broken;
        {
            QFile file(bigFile);
            file.open(QIODevice::ReadOnly);
            broken = file.readAll().left(60);
        }
        const QString brokenFile = writeBytes(dir, "broken.png", broken);

        // A new picture: an empty name, a missing file, a file that is no
        // image and a cut-off image are refused, and the dialog stays open.
        std::unique_ptr<DlgPropGraphicsItem> dialog(scene.createDialog(GraphicsPixmap::Type));
        QStringList results;
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropPixmap *>(d);
            QVERIFY(dialog->backgroundButton()->isChecked());
            QVERIFY(!dialog->transparentButton()->isChecked());
            QVERIFY(!dialog->whiteButton()->isChecked());
            QVERIFY(!dialog->isEditing());
            pressOk(dialog);
            results << QString::number(dialog->result());
            dialog->fileNameEdit()->setText(dir.filePath("missing.png"));
            pressOk(dialog);
            results << QString::number(dialog->result());
            dialog->fileNameEdit()->setText(textFile);
            pressOk(dialog);
            results << QString::number(dialog->result());
            dialog->fileNameEdit()->setText(brokenFile);
            pressOk(dialog);
            results << QString::number(dialog->result());
            pressCancel(dialog);
        });
        QCOMPARE(dialog->execDialog(nullptr, GraphicsPixmap::Type), nullptr);
        QCOMPARE(results, QStringList({"0", "0", "0", "0"}));
        QCOMPARE(rec.texts().mid(1), QStringList({"File name is empty", "File not exist",
                                                  "File format is not supported", "File format is not supported"}));
        QVERIFY(scene.graphicsItems().isEmpty());
        rec.clear();

        // A good file: the picture takes it, in the foreground.
        dialog.reset(scene.createDialog(GraphicsPixmap::Type));
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropPixmap *>(d);
            dialog->fileNameEdit()->setText(bigFile);
            dialog->foregroundButton()->setChecked(true);
            pressOk(dialog);
        });
        std::unique_ptr<GraphicsItem> made(dialog->execDialog(nullptr, GraphicsPixmap::Type));
        auto *picture = dynamic_cast<GraphicsPixmap *>(made.get());
        QVERIFY(picture);
        QCOMPARE(picture->imageSize(), QSize(120, 80));
        QCOMPARE(picture->zValue(), 4.0);
        QCOMPARE(picture->pixmap().toImage().pixelColor(5, 5), QColor(200, 50, 50));
        QCOMPARE(rec.count(), 1);
        const QByteArray bigBytes = picture->imageData();

        // Editing: an empty name keeps the image; "Foreground" is shown.
        dialog.reset(scene.createDialog(GraphicsPixmap::Type));
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropPixmap *>(d);
            QVERIFY(dialog->isEditing());
            QVERIFY(dialog->foregroundButton()->isChecked());
            QVERIFY(dialog->fileNameEdit()->text().isEmpty());
            dialog->backgroundButton()->setChecked(true);
            pressOk(dialog);
        });
        QCOMPARE(dialog->execDialog(picture, GraphicsPixmap::Type), picture);
        QCOMPARE(picture->zValue(), -1.0);
        QCOMPARE(picture->imageData(), bigBytes);
        QCOMPARE(picture->imageSize(), QSize(120, 80));

        // A file that is no image, given while editing: refused, nothing
        // changes; then Cancel.
        dialog.reset(scene.createDialog(GraphicsPixmap::Type));
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropPixmap *>(d);
            dialog->fileNameEdit()->setText(textFile);
            dialog->foregroundButton()->setChecked(true);
            pressOk(dialog);
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            pressCancel(dialog);
        });
        QCOMPARE(dialog->execDialog(picture, GraphicsPixmap::Type), nullptr);
        QCOMPARE(rec.texts().last(), QString("File format is not supported"));
        QCOMPARE(picture->zValue(), -1.0);
        QCOMPARE(picture->imageData(), bigBytes);

        // A smaller image replaces the bigger one whole, made transparent
        // where it was white.
        dialog.reset(scene.createDialog(GraphicsPixmap::Type));
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropPixmap *>(d);
            dialog->fileNameEdit()->setText(smallFile);
            dialog->transparentButton()->setChecked(true);
            pressOk(dialog);
        });
        QCOMPARE(dialog->execDialog(picture, GraphicsPixmap::Type), picture);
        QCOMPARE(picture->imageSize(), QSize(12, 8));
        QVERIFY(picture->imageData().size() < bigBytes.size());
        QImage reworked = picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(reworked.size(), QSize(12, 8));
        QCOMPARE(qAlpha(reworked.pixel(0, 0)), 0);
        QCOMPARE(reworked.pixelColor(3, 3), QColor(0, 0, 0));
        // The saved bytes decode to exactly that image.
        QImage decoded;
        QVERIFY(decoded.loadFromData(picture->imageData(), "PNG"));
        QCOMPARE(decoded.convertToFormat(QImage::Format_ARGB32), reworked);

        // "White": the transparent part becomes white.
        dialog.reset(scene.createDialog(GraphicsPixmap::Type));
        rec.handle([&](QDialog *d) {
            auto *dialog = static_cast<DlgPropPixmap *>(d);
            dialog->whiteButton()->setChecked(true);
            pressOk(dialog);
        });
        QCOMPARE(dialog->execDialog(picture, GraphicsPixmap::Type), picture);
        reworked = picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(reworked.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(reworked.pixelColor(3, 3), QColor(0, 0, 0));
        QCOMPARE(rec.count(), 6);
    }

    void imageFilter()
    {
        const QString filter = DlgPropPixmap::imageFilter();
        QVERIFY(filter.startsWith(" *."));
        QVERIFY(filter.contains(" *.png"));
        QCOMPARE(filter, filter.toLower());
    }

    void pinnedItemsRejoinTheirPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);

        // A device with three pins 100 apart at (1000, 1000); a net end lies
        // under its second pin; a child with one pin lies on a free net end.
        auto *device = new TestPinned(&scene, 3, 100);
        auto *child = new TestPinned(&scene, 1, 0, pinnedType, device);
        child->setPos(0, 300);
        QVERIFY(scene.addGraphicsItem(device));
        device->setPosQuiet(QPointF(1000, 1000));
        auto *net = new TestPinned(&scene, 2, 500, netType);
        QVERIFY(scene.addGraphicsItem(net));
        net->setPosQuiet(QPointF(1100, 1000));
        auto *other = new TestPinned(&scene, 2, 500, netType);
        QVERIFY(scene.addGraphicsItem(other));
        other->setPosQuiet(QPointF(1000, 1300));

        DlgPropTestPinned dialog(&scene);
        rec.handle([](QDialog *d) { pressCancel(d); });
        QCOMPARE(dialog.execDialog(device, pinnedType), nullptr);
        QVERIFY(scene.offered.isEmpty());
        QVERIFY(device->pin(1)->isFree());

        rec.handle([](QDialog *d) { pressOk(d); });
        QCOMPARE(dialog.execDialog(device, pinnedType), device);
        QCOMPARE(dialog.saved, QList<GraphicsItem *>{device});
        // Every free pin was offered, the child's too.
        QCOMPARE(scene.offered, QList<Pin *>({device->pin(0), device->pin(1), device->pin(2), child->pin(0)}));
        QCOMPARE(device->pin(1)->partner(), net->pin(0));
        QCOMPARE(child->pin(0)->partner(), other->pin(0));
        QVERIFY(device->pin(0)->isFree());
        QCOMPARE(scene.graphicsItems().size(), 3);
        QCOMPARE(rec.count(), 2);
    }

    void shortFreeNetsAreRemoved()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *device = new TestPinned(&scene, 1, 0);
        QVERIFY(scene.addGraphicsItem(device));
        device->setPosQuiet(QPointF(100, 100));

        auto net = [&](double length, const QPointF &at, bool vertical = false) {
            auto *n = new TestPinned(&scene, 2, length, netType);
            if (vertical)
                n->setTransform(QTransform().rotate(90));
            scene.addGraphicsItem(n);
            n->setPosQuiet(at);
            return n;
        };
        TestPinned *short39 = net(39, QPointF(1000, 1000));
        TestPinned *long40 = net(40, QPointF(1000, 1200));
        TestPinned *upright39 = net(39, QPointF(1000, 1400), true);
        TestPinned *selected39 = net(39, QPointF(1000, 1600));
        selected39->setSelected(true);
        TestPinned *soldered39 = net(39, QPointF(1000, 1800));
        TestPinned *a = new TestPinned(&scene, 1, 0);
        TestPinned *b = new TestPinned(&scene, 1, 0);
        scene.addGraphicsItem(a);
        scene.addGraphicsItem(b);
        a->setPosQuiet(QPointF(3000, 3000));
        b->setPosQuiet(QPointF(3100, 3000));
        QVERIFY(soldered39->pin(0)->solder(a->pin(0)));
        QVERIFY(soldered39->pin(1)->solder(b->pin(0)));
        // A short net with one end soldered still has a free one: it goes.
        TestPinned *halfSoldered = net(10, QPointF(1000, 2000));
        TestPinned *c = new TestPinned(&scene, 1, 0);
        scene.addGraphicsItem(c);
        c->setPosQuiet(QPointF(3200, 3000));
        QVERIFY(halfSoldered->pin(0)->solder(c->pin(0)));

        QCOMPARE(DlgPropGraphicsPins::netLength(short39), 39.0);
        QCOMPARE(DlgPropGraphicsPins::netLength(long40), 40.0);
        QCOMPARE(DlgPropGraphicsPins::netLength(upright39), 39.0);

        DlgPropTestPinned dialog(&scene);
        rec.handle([](QDialog *d) { pressOk(d); });
        QCOMPARE(dialog.execDialog(device, pinnedType), device);

        const QList<GraphicsItem *> left = scene.graphicsItems();
        QVERIFY(!left.contains(short39));
        QVERIFY(!left.contains(upright39));
        QVERIFY(!left.contains(halfSoldered));
        QVERIFY(left.contains(long40));
        QVERIFY(left.contains(selected39));
        QVERIFY(left.contains(soldered39));
        QVERIFY(left.contains(device));
        // Removed later, once control returns to the event loop.
        QCOMPARE(scene.pendingDeletes().size(), 3);
        QCOMPARE(rec.count(), 1);

        // An installed measure (GraphicsNet::length) takes over.
        DlgPropGraphicsPins::setNetLengthFunction([](GraphicsPins *) { return 1.0; });
        QCOMPARE(DlgPropGraphicsPins::netLength(long40), 1.0);
        rec.handle([](QDialog *d) { pressOk(d); });
        dialog.execDialog(device, pinnedType);
        QVERIFY(!scene.graphicsItems().contains(long40));
        DlgPropGraphicsPins::setNetLengthFunction(nullptr);
        QCOMPARE(DlgPropGraphicsPins::netLength(selected39), 39.0);
        QCoreApplication::processEvents();
        QVERIFY(scene.pendingDeletes().isEmpty());
    }

    void pinsDialogOnANonPinnedItem()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *line = new GraphicsLine(&scene, nullptr);
        QVERIFY(scene.addGraphicsItem(line));
        auto *n = new TestPinned(&scene, 2, 20, netType);
        QVERIFY(scene.addGraphicsItem(n));

        DlgPropTestPinned dialog(&scene);
        rec.handle([](QDialog *d) { pressOk(d); });
        QCOMPARE(dialog.execDialog(line, line->type()), line);
        // The pointer-check message, and the short nets still go.
        QCOMPARE(rec.count(), 2);
        QVERIFY(rec.texts().at(1).endsWith("Out of memory"));
        QVERIFY(!scene.graphicsItems().contains(n));
        QVERIFY(scene.graphicsItems().contains(line));
    }

    void templateDialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestObject::made = 0;

        // New: Cancel makes nothing.
        {
            DlgPropTestObject dialog(&project);
            QVERIFY(dialog.parent() == nullptr);
            QVERIFY(buttonOf(&dialog, "Ok") && buttonOf(&dialog, "Cancel"));
            rec.handle([](QDialog *d) {
                static_cast<DlgPropTestObject *>(d)->edit->setText("unused");
                pressCancel(d);
            });
            QCOMPARE(dialog.execDialog(nullptr), nullptr);
            QCOMPARE(TestObject::made, 0);
            QCOMPARE(dialog.loads, 0);
            QCOMPARE(dialog.saves, 0);
        }
        // New: OK makes one for the project and writes the fields.
        std::unique_ptr<TestObject> made;
        {
            DlgPropTestObject dialog(&project);
            rec.handle([](QDialog *d) {
                static_cast<DlgPropTestObject *>(d)->edit->setText("Group 1");
                pressOk(d);
            });
            made.reset(dialog.execDialog(nullptr));
            QVERIFY(made);
            QCOMPARE(TestObject::made, 1);
            QCOMPARE(made->project, &project);
            QCOMPARE(made->name, QString("Group 1"));
            QCOMPARE(made->number, 7);
            QCOMPARE(dialog.loads, 0);
            QCOMPARE(dialog.object(), made.get());
        }
        // Existing: loaded; Cancel leaves it.
        made->number = 1;
        {
            DlgPropTestObject dialog(&project);
            rec.handle([](QDialog *d) {
                auto *dialog = static_cast<DlgPropTestObject *>(d);
                QCOMPARE(dialog->edit->text(), QString("Group 1"));
                dialog->edit->setText("Group 2");
                pressCancel(d);
            });
            QCOMPARE(dialog.execDialog(made.get()), nullptr);
            QCOMPARE(dialog.loads, 1);
            QCOMPARE(dialog.saves, 0);
            QCOMPARE(made->name, QString("Group 1"));
            QCOMPARE(made->number, 1);
        }
        // Existing: OK writes into it, nothing new is made.
        {
            DlgPropTestObject dialog(&project);
            rec.handle([](QDialog *d) {
                static_cast<DlgPropTestObject *>(d)->edit->setText("Group 2");
                pressOk(d);
            });
            QCOMPARE(dialog.execDialog(made.get()), made.get());
            QCOMPARE(made->name, QString("Group 2"));
            QCOMPARE(made->number, 7);
            QCOMPARE(TestObject::made, 1);
        }
        QCOMPARE(rec.shown.first().className, QString("DlgPropTestObject"));

        // The sheet variant: the same sequence with an empty fill and apply.
        {
            DlgPropTestSheet dialog(&project);
            QCOMPARE(QString(dialog.metaObject()->className()), QString("DlgPropTestSheet"));
            rec.handle([](QDialog *d) { d->accept(); });
            std::unique_ptr<TestObject> sheet(dialog.execDialog(nullptr));
            QVERIFY(sheet);
            QCOMPARE(sheet->name, QString());
            QCOMPARE(sheet->number, 0);
            rec.handle([](QDialog *d) { d->reject(); });
            QCOMPARE(dialog.execDialog(sheet.get()), nullptr);
        }
        QCOMPARE(rec.count(), 6);
    }

    void refusedOkLeavesNoDeviceWithoutItem()
    {
        // The only item of a device asks on Ok, under its name, a free one
        // or another device's, for a form the device cannot take: nothing
        // changes.
        Scheme::registerItemTypes();
        const struct
        {
            int type, kind, model; // "KMD I" takes form 1 ("f") not 2; "Stand." no kind 2; fuse 1 no contact
            std::function<void(GraphicsItem *)> form;
            std::function<void(QDialog *)> change;
        } cases[] = {
            {GraphicsButton::Type, ButtonKind, 10, [](GraphicsItem *i) { static_cast<GraphicsButton *>(i)->setContactKind(1); },
             [](QDialog *d) { static_cast<DlgPropButton *>(d)->kindCombo()->setCurrentIndex(2); }},
            {GraphicsKeystaff::Type, KeystaffKind, 0, [](GraphicsItem *i) { static_cast<GraphicsKeystaff *>(i)->setKind(1); },
             [](QDialog *d) { static_cast<DlgPropKeystaff *>(d)->kindCombo()->setCurrentIndex(2); }},
            {GraphicsFuse::Type, FuseKind, 1, [](GraphicsItem *i) { static_cast<GraphicsFuse *>(i)->setRole(false, false); },
             [](QDialog *d) {
                 static_cast<DlgPropFuse *>(d)->duplicateBox()->setChecked(true);
                 static_cast<DlgPropFuse *>(d)->rbFusion()->click();
             }},
        };
        for (const auto &c : cases) {
            ModalRecorder rec;
            Project project(nullptr, nullptr);
            Scheme sheet(&project);
            auto *device = static_cast<Device *>(project.createDevice(c.kind));
            QVERIFY(device->setName("D1") && device->setModelIndex(c.model));
            auto *item = static_cast<GraphicsObjItem *>(sheet.createItem(c.type));
            QVERIFY(sheet.addGraphicsItem(item));
            c.form(item);
            item->setName("D1");
            // Another device of the name takes the form no more than D1.
            auto *other = static_cast<Device *>(project.createDevice(c.kind));
            QVERIFY(other->setName("D3") && other->setModelIndex(c.model));
            for (const QString name : {"D1", "D2", "D3"}) {
                std::unique_ptr<DlgPropGraphicsItem> dialog(sheet.createDialog(c.type));
                rec.handle([&](QDialog *d) {
                    c.change(d);
                    static_cast<DlgPropGraphicsObjItem *>(d)->edName()->setText(name);
                    pressOk(d);
                });
                QCOMPARE(dialog->execDialog(item, c.type), nullptr);
                QVERIFY(item->obj() == device && device->name() == "D1");
            }
            QCOMPARE(rec.count(), 6);
        }
    }

    void treeRowsBoundToObjects()
    {
        ModalRecorder rec;
        QTreeWidget tree;
        int first = 0;
        int second = 0;
        auto *plain = new QTreeWidgetItem(&tree, QStringList("plain"));
        auto *a = new QTreeWidgetItem(&tree, QStringList("a"));
        auto *b = new QTreeWidgetItem(&tree, QStringList("b"));
        setTreeItemObject(a, &first);
        setTreeItemObject(b, &second);
        QCOMPARE(a->data(0, Qt::UserRole + 1).value<quintptr>(), quintptr(&first));
        QCOMPARE(findTopLevelItemByObject(&tree, &first), a);
        QCOMPARE(findTopLevelItemByObject(&tree, &second), b);
        int third = 0;
        QCOMPARE(findTopLevelItemByObject(&tree, &third), nullptr);
        QCOMPARE(findTopLevelItemByObject(&tree, nullptr), nullptr);
        Q_UNUSED(plain);
        QCOMPARE(rec.count(), 0);
    }
};

QTEST_MAIN(TestItemDialogs)
#include "tst_itemdialogs.moc"
