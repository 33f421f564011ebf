#include "graphics/dlgpropellipse.h"
#include "graphics/dlgpropline.h"
#include "graphics/dlgproppixmap.h"
#include "graphics/dlgproprect.h"
#include "graphics/dlgproptext.h"
#include "graphics/font.h"
#include "graphics/graphicsellipse.h"
#include "graphics/graphicsline.h"
#include "graphics/graphicspixmap.h"
#include "graphics/graphicsrect.h"
#include "graphics/graphicsscene.h"
#include "graphics/graphicstext.h"
#include "model/datastream.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "support/devicekindtests.h"
#include "support/modalrecorder.h"
#include "support/streambytes.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

#include <functional>

namespace {

class TestScene : public GraphicsScene
{
public:
    explicit TestScene(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA4, true, 1);
    }
    int groupNumber() const override { return 1; }
};

// The framework's own stream at Qt 4.3's version, for reference bytes.
QByteArray qtBytesOf(const std::function<void(QDataStream &)> &write)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_3);
    write(out);
    return bytes;
}

void loadFrom(GraphicsItem *item, QByteArray bytes, int format = DataStream::CurrentFormat)
{
    DataStream in(&bytes, QIODevice::ReadOnly);
    in.setFormatIndex(format);
    item->loadData(in);
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
}

QPixmap testImage(int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    // A pattern, so that the PNG bytes are not trivially small.
    for (int x = 0; x < width; ++x)
        image.setPixelColor(x, (x * 7) % height, QColor((x * 37) % 256, (x * 11) % 256, 90));
    return QPixmap::fromImage(image);
}

QByteArray pngOf(const QPixmap &pixmap)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pixmap.save(&buffer, "PNG");
    return bytes;
}

// The sheet rendered through renderTo onto an image of the given size and
// resolution (dots per metre).
QImage render(GraphicsScene &scene, int width, int height, int dotsPerMetre)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.renderTo(&painter);
    painter.end();
    return image;
}

// One item painted alone at one pixel per sheet unit, shifted by offset.
QImage paintItem(GraphicsItem *item, const QSize &size, const QPointF &offset, bool selected)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(offset);
    QStyleOptionGraphicsItem option;
    if (selected)
        option.state |= QStyle::State_Selected;
    item->draw(&painter, &option, false);
    painter.end();
    return image;
}

int countColor(const QImage &image, const std::function<bool(QColor)> &test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

bool isBlue(QColor c)
{
    return c.blue() > 200 && c.red() < 80 && c.green() < 80;
}

bool isBlack(QColor c)
{
    return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}

} // namespace

class TestPrimitives : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }

    void pastedCoordinatesMustBeNumbersOnTheSheet()
    {
        // A pasted point or position that is no number, or off any sheet, is
        // damage: nothing is pasted, and the sheet saves and opens.
        QTemporaryDir dir;
        ModalRecorder rec;
        devicekindtest::SchemeEditor editor(1);
        auto *line = new GraphicsLine(editor.scheme(), nullptr);
        QVERIFY(editor.scheme()->addGraphicsItem(line));
        line->setSelected(true);
        editor.view()->copy();
        const QByteArray copied = QGuiApplication::clipboard()->mimeData()->data("r-lay/scheme-edit");
        // The first point follows the type; the position precedes the
        // transform flag and the end mark.
        for (const int at : {12, int(copied.size()) - 21}) {
            for (const double bad : {qQNaN(), qInf(), -qInf(), 1e300}) {
                auto *mime = new QMimeData;
                mime->setData("r-lay/scheme-edit", QByteArray(copied).replace(at, 8, bytesOf([&](DataStream &s) { s << bad; })));
                QGuiApplication::clipboard()->setMimeData(mime);
                editor.view()->paste();
                QCOMPARE(editor.scheme()->graphicsItems().size(), 1);
            }
        }
        QVERIFY(editor.saveAndClose(dir.path()));
        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir.path() + "/plant.rlay");
        QVERIFY(loaded.load() && rec.count() == 8);
    }
    void cleanupTestCase() { deleteFonts(); }

    void typesFlagsAndRegistry()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);

        struct Row
        {
            int type;
            const char *title;
            const char *dialogClass;
            int flags;
        };
        const Row rows[] = {
            {QGraphicsItem::UserType + 6, "Text", "DlgPropText", 9},
            {QGraphicsItem::UserType + 16, "Line", "DlgPropLine", 8},
            {QGraphicsItem::UserType + 26, "Ellipse", "DlgPropEllipse", 8},
            {QGraphicsItem::UserType + 27, "Rect", "DlgPropRect", 8},
            {QGraphicsItem::UserType + 7, "Pixmap", "DlgPropPixmap", 9},
        };
        for (const Row &row : rows) {
            std::unique_ptr<GraphicsItem> item(scene.createItem(row.type));
            QVERIFY(item);
            QCOMPARE(item->type(), row.type);
            QCOMPARE(item->itemFlags(), row.flags);
            QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
            QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
            QCOMPARE(item->graphicsScene(), &scene);
            QCOMPARE(item->scene(), nullptr);
            QCOMPARE(GraphicsScene::primitiveItems({item.get()}).size(), 1);

            std::unique_ptr<DlgPropGraphicsItem> dialog(scene.createDialog(row.type));
            QVERIFY(dialog);
            QCOMPARE(QString(dialog->metaObject()->className()), QString(row.dialogClass));
            QCOMPARE(dialog->windowTitle(), QString(row.title));
        }
        QCOMPARE(rec.count(), 0);

        // The picture starts in the background layer.
        GraphicsPixmap picture(&scene, nullptr);
        QCOMPARE(picture.zValue(), -1.0);
        QVERIFY(picture.imageData().isEmpty());
        QVERIFY(!picture.imageSize().isValid());

        // Defaults of the two-point primitives.
        GraphicsRect rect(&scene, nullptr);
        QCOMPARE(rect.borderColor(), QColor(Qt::black));
        QCOMPARE(rect.penStyle(), int(Qt::SolidLine));
        QCOMPARE(rect.width(), 3.5);
        QCOMPARE(rect.fillColor(), QColor(Qt::white));
        QCOMPARE(rect.brushStyle(), int(Qt::SolidPattern));
        GraphicsText text(&scene, nullptr);
        QVERIFY(!text.color().isValid());
        QCOMPARE(text.alignment(), 0);
        QVERIFY(text.text().isEmpty());
    }

    void lineRecordBytes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsLine line(&scene, nullptr);
        line.setPoints(QPointF(0, 0), QPointF(100, 50));
        line.setPenStyle(Qt::DashLine);

        const QByteArray bytes = bytesOf([&](DataStream &out) { line.saveData(out); });
        QCOMPARE(bytes.toHex(), QByteArray("0000000000000000"
                                           "0000000000000000" // p1
                                           "4059000000000000"
                                           "4049000000000000" // p2
                                           "01ffff0000000000000000" // black
                                           "00000002" // dash line
                                           "400c000000000000")); // 3.5

        // The record has no format gate.
        for (int format = 0; format < DataStream::FormatCount; ++format)
            QCOMPARE(bytesOf([&](DataStream &out) { line.saveData(out); }, format), bytes);

        GraphicsLine copy(&scene, nullptr);
        loadFrom(&copy, bytes, 0);
        QCOMPARE(copy.p1(), QPointF(0, 0));
        QCOMPARE(copy.p2(), QPointF(100, 50));
        QCOMPARE(copy.borderColor(), QColor(Qt::black));
        QCOMPARE(copy.penStyle(), int(Qt::DashLine));
        QCOMPARE(copy.width(), 3.5);
        QCOMPARE(rec.count(), 0);
    }

    void rectAndEllipseRecordBytes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsRect rect(&scene, nullptr);
        rect.setPoints(QPointF(-10, 20), QPointF(30, -40));
        rect.setBorderColor(QColor(255, 0, 0));
        rect.setWidth(7);
        rect.setFillColor(QColor(0, 0, 255));
        rect.setBrushStyle(Qt::Dense4Pattern);

        const QByteArray bytes = bytesOf([&](DataStream &out) { rect.saveData(out); });
        QCOMPARE(bytes.toHex(), QByteArray("c024000000000000"
                                           "4034000000000000" // p1 (-10, 20)
                                           "403e000000000000"
                                           "c044000000000000" // p2 (30, -40)
                                           "01ffffffff00000000" "0000" // red
                                           "00000001" // solid line
                                           "401c000000000000" // 7
                                           "01ffff00000000ffff" "0000" // blue
                                           "00000005")); // Dense4Pattern

        // The ellipse writes the same seven fields.
        GraphicsEllipse ellipse(&scene, nullptr);
        loadFrom(&ellipse, bytes);
        QCOMPARE(ellipse.p1(), QPointF(-10, 20));
        QCOMPARE(ellipse.p2(), QPointF(30, -40));
        QCOMPARE(ellipse.borderColor(), QColor(255, 0, 0));
        QCOMPARE(ellipse.penStyle(), int(Qt::SolidLine));
        QCOMPARE(ellipse.width(), 7.0);
        QCOMPARE(ellipse.fillColor(), QColor(0, 0, 255));
        QCOMPARE(ellipse.brushStyle(), int(Qt::Dense4Pattern));
        QCOMPARE(bytesOf([&](DataStream &out) { ellipse.saveData(out); }), bytes);

        // A line record has only the first five fields.
        GraphicsLine line(&scene, nullptr);
        QCOMPARE(bytesOf([&](DataStream &out) { line.saveData(out); }).size(), 16 + 16 + 11 + 4 + 8);
        QCOMPARE(bytes.size(), 16 + 16 + 11 + 4 + 8 + 11 + 4);
        QCOMPARE(rec.count(), 0);
    }

    void boundingRectsAndShapes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);

        // A click without a drag: 28 by 28 about the point.
        GraphicsLine dot(&scene, nullptr);
        QCOMPARE(dot.boundingRect(), QRectF(-14, -14, 28, 28));

        // Drawn from the lower right to the upper left: normalised.
        GraphicsRect rect(&scene, nullptr);
        rect.setPoints(QPointF(200, 100), QPointF(0, 0));
        QCOMPARE(rect.boundingRect(), QRectF(-14, -14, 228, 128));
        GraphicsRect other(&scene, nullptr);
        other.setPoints(QPointF(0, 0), QPointF(200, 100));
        QCOMPARE(other.boundingRect(), rect.boundingRect());
        // ... and drawn the same.
        const QImage a = paintItem(&rect, QSize(260, 160), QPointF(30, 30), false);
        const QImage b = paintItem(&other, QSize(260, 160), QPointF(30, 30), false);
        QCOMPARE(a, b);
        // The rectangle is hit anywhere in its bounding rectangle.
        QVERIFY(rect.contains(QPointF(100, 50)));
        QVERIFY(rect.contains(QPointF(-10, -10)));

        // The line's shape is a stroke 3.5 wider than the line.
        GraphicsLine line(&scene, nullptr);
        line.setPoints(QPointF(0, 0), QPointF(100, 0));
        line.setWidth(10);
        QVERIFY(line.contains(QPointF(50, 6.5)));
        QVERIFY(!line.contains(QPointF(50, 7.5)));
        QVERIFY(!line.contains(QPointF(50, 12)));
        QCOMPARE(line.boundingRect(), QRectF(-14, -14, 128, 28));

        // The ellipse is hit inside the ellipse only.
        GraphicsEllipse ellipse(&scene, nullptr);
        ellipse.setPoints(QPointF(0, 0), QPointF(100, 60));
        QVERIFY(ellipse.contains(QPointF(50, 30)));
        QVERIFY(!ellipse.contains(QPointF(3, 3)));
        QCOMPARE(ellipse.boundingRect(), QRectF(-14, -14, 128, 88));

        // A picture: its size grown by 1.75; without an image, 3.5 square.
        GraphicsPixmap picture(&scene, nullptr);
        QCOMPARE(picture.boundingRect(), QRectF(-1.75, -1.75, 3.5, 3.5));
        picture.setPixmap(testImage(40, 30, Qt::white));
        QCOMPARE(picture.boundingRect(), QRectF(-1.75, -1.75, 43.5, 33.5));
        picture.dropCachedPixmap();
        QCOMPARE(picture.boundingRect(), QRectF(-1.75, -1.75, 43.5, 33.5));
        QCOMPARE(rec.count(), 0);
    }

    void placingAndStretching()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setGridStep(40);
        auto *line = new GraphicsLine(&scene, nullptr);
        QVERIFY(scene.addGraphicsItem(line));
        scene.setModified(false);

        line->placeAt(QPointF(59, 61), Qt::NoModifier);
        QCOMPARE(line->pos(), QPointF(40, 80));
        QVERIFY(scene.isModified());
        line->stretchTo(QPointF(139, 61), Qt::NoModifier);
        QCOMPARE(line->p1(), QPointF(0, 0));
        QCOMPARE(line->p2(), QPointF(80, 0));

        // Control keeps the exact mouse position.
        line->placeAt(QPointF(59, 61), Qt::ControlModifier);
        QCOMPARE(line->pos(), QPointF(59, 61));
        line->stretchTo(QPointF(100, 100), Qt::ControlModifier);
        QCOMPARE(line->p2(), QPointF(41, 39));

        // A primitive is never snapped when moved through the framework.
        line->setPos(QPointF(13, 17));
        QCOMPARE(line->pos(), QPointF(13, 17));
        QCOMPARE(rec.count(), 0);
    }

    void textAlignmentAndRect()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsText text(&scene, nullptr);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(20);
        text.setFont(font);
        text.setText(QStringLiteral("Relay K1"));

        // The bottom alignment is always added.
        text.setAlignment(Qt::AlignLeft);
        QCOMPARE(text.alignment(), 65);
        text.setAlignment(Qt::AlignCenter);
        QCOMPARE(text.alignment(), 196);

        // Left: above the origin, running to the right.
        text.setAlignment(Qt::AlignLeft);
        QRectF r = text.boundingRect();
        QCOMPARE(r, QFontMetricsF(font).boundingRect(QRectF(0, 0, 0, 0), 65, text.text()));
        QVERIFY(r.width() > 0 && r.height() > 0);
        QVERIFY(qAbs(r.bottom()) < 1e-9);
        QVERIFY(qAbs(r.left()) < 1e-9);
        // Right: to the left of the origin.
        text.setAlignment(Qt::AlignRight);
        r = text.boundingRect();
        QVERIFY(qAbs(r.right()) < 1e-9);
        QVERIFY(qAbs(r.bottom()) < 1e-9);
        // Centred on the origin horizontally.
        text.setAlignment(Qt::AlignHCenter);
        r = text.boundingRect();
        QVERIFY(qAbs(r.center().x()) < 1e-9);
        QVERIFY(qAbs(r.bottom()) < 1e-9);

        // Two lines are twice as high as one.
        const double oneLine = r.height();
        text.setText(QStringLiteral("Relay K1\nSheet 2"));
        QVERIFY(text.boundingRect().height() > 1.5 * oneLine);

        // On a printer the point size becomes size / dpi * 90.
        QCOMPARE(text.deviceFont(600).pointSizeF(), 20.0 / 600 * 90);
        QCOMPARE(text.deviceFont(96), font);
        QCOMPARE(text.deviceFont(100), font);
        QCOMPARE(rec.count(), 0);
    }

    void textRecord()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsText text(&scene, nullptr);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(12);
        font.setBold(true);
        text.setFont(font);
        text.setColor(QColor(0, 128, 0));
        text.setAlignment(Qt::AlignCenter);
        text.setText(QStringLiteral("First line\nSecond line"));

        const QByteArray bytes = bytesOf([&](DataStream &out) { text.saveData(out); });
        const QByteArray expected = qtBytesOf([&](QDataStream &out) {
            out << font << QColor(0, 128, 0) << qint32(196) << QStringLiteral("First line\nSecond line");
        });
        QCOMPARE(bytes.toHex(), expected.toHex());
        // The tail: alignment, then the text as UTF-16 with its byte length.
        const QByteArray tail = QByteArray("000000c4") + QByteArray("0000002c")
            + QByteArray::fromRawData("\0F\0i\0r\0s\0t", 10).toHex();
        const QByteArray hex = bytes.toHex();
        QVERIFY(hex.contains(tail));
        // The font comes first, then the colour.
        QVERIFY(hex.contains(QByteArray("01ffff00008080" "00000000" "000000c4")));

        // Loading keeps the alignment as read, line breaks included.
        QByteArray odd = qtBytesOf([&](QDataStream &out) {
            out << font << QColor(Qt::red) << qint32(2) << QStringLiteral("a\nb");
        });
        GraphicsText copy(&scene, nullptr);
        loadFrom(&copy, odd);
        QCOMPARE(copy.alignment(), 2);
        QCOMPARE(copy.text(), QStringLiteral("a\nb"));
        QCOMPARE(copy.color(), QColor(Qt::red));
        QCOMPARE(copy.font().family(), font.family());
        QCOMPARE(copy.font().pointSizeF(), 12.0);
        QVERIFY(copy.font().bold());

        GraphicsText again(&scene, nullptr);
        loadFrom(&again, bytes);
        QCOMPARE(again.alignment(), 196);
        QCOMPARE(again.text(), QStringLiteral("First line\nSecond line"));
        QCOMPARE(bytesOf([&](DataStream &out) { again.saveData(out); }), bytes);
        QCOMPARE(rec.count(), 0);
    }

    void pictureRecord()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsPixmap picture(&scene, nullptr);
        const QPixmap image = testImage(20, 10, Qt::yellow);
        picture.setPixmap(image);
        picture.setZValue(4);
        QCOMPARE(picture.imageSize(), QSize(20, 10));
        QCOMPARE(picture.imageData(), pngOf(image));

        const QByteArray png = pngOf(image);
        const QByteArray bytes = bytesOf([&](DataStream &out) { picture.saveData(out); });
        QByteArray expected = QByteArray::fromHex("4010000000000000" // z 4
                                                  "00" // reserved flag
                                                  "00000014" "0000000a"); // size
        expected += QByteArray::fromHex(QByteArray::number(png.size(), 16).rightJustified(8, '0'));
        expected += png;
        QCOMPARE(bytes.toHex(), expected.toHex());
        QVERIFY(png.startsWith("\x89PNG"));

        // Always the newest layout, whatever the stream's format.
        QCOMPARE(bytesOf([&](DataStream &out) { picture.saveData(out); }, 2), bytes);

        GraphicsPixmap copy(&scene, nullptr);
        loadFrom(&copy, bytes, 5);
        QCOMPARE(copy.zValue(), 4.0);
        QCOMPARE(copy.imageSize(), QSize(20, 10));
        QCOMPARE(copy.imageData(), png);
        QVERIFY(!copy.hasCachedPixmap());
        QCOMPARE(copy.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 image.toImage().convertToFormat(QImage::Format_ARGB32));
        // pixmap() decodes without caching.
        QVERIFY(!copy.hasCachedPixmap());

        // Bytes that decode to nothing: an empty picture of the stored size.
        const QByteArray damaged = qtBytesOf([&](QDataStream &out) {
            out << double(-1) << false << QSize(10, 10) << QByteArray("no png here");
        });
        GraphicsPixmap broken(&scene, nullptr);
        loadFrom(&broken, damaged, 5);
        QVERIFY(broken.pixmap().isNull());
        QCOMPARE(broken.boundingRect(), QRectF(-1.75, -1.75, 13.5, 13.5));
        const QImage shown = paintItem(&broken, QSize(20, 20), QPointF(5, 5), false);
        QCOMPARE(countColor(shown, [](QColor c) { return c != QColor(Qt::white); }), 0);
        QCOMPARE(broken.boundingRect(), QRectF(-1.75, -1.75, 13.5, 13.5));

        // A picture without an image reads back as it was written.
        GraphicsPixmap empty(&scene, nullptr);
        const QByteArray none = bytesOf([&](DataStream &out) { empty.saveData(out); });
        loadFrom(&broken, none, 11);
        QCOMPARE(bytesOf([&](DataStream &out) { broken.saveData(out); }), none);
        QCOMPARE(rec.count(), 0);
    }

    void pictureReadAtOldFormats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("hasFlag");
        QTest::addColumn<bool>("hasPixmap");
        QTest::newRow("format 2") << 2 << false << true;
        QTest::newRow("format 3") << 3 << true << true;
        QTest::newRow("format 4") << 4 << true << true;
        QTest::newRow("format 5") << 5 << true << false;
        QTest::newRow("format 11") << 11 << true << false;
    }

    void pictureReadAtOldFormats()
    {
        QFETCH(int, format);
        QFETCH(bool, hasFlag);
        QFETCH(bool, hasPixmap);
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        const QPixmap image = testImage(30, 12, Qt::cyan);

        const QByteArray stored = qtBytesOf([&](QDataStream &out) {
            out << double(-1);
            if (hasFlag)
                out << true; // ignored on reading
            if (hasPixmap)
                out << image;
            else
                out << QSize(30, 12) << pngOf(image);
        });
        if (!hasFlag) {
            // A z value and straight away the pixmap's null marker and PNG.
            QCOMPARE(stored.mid(8, 4).toHex(), QByteArray("00000001"));
        }

        GraphicsPixmap picture(&scene, nullptr);
        picture.setZValue(4);
        loadFrom(&picture, stored, format);
        QCOMPARE(picture.zValue(), -1.0);
        QCOMPARE(picture.imageSize(), QSize(30, 12));
        QVERIFY(!picture.hasCachedPixmap());
        QCOMPARE(picture.imageData(), pngOf(image));
        QCOMPARE(picture.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 image.toImage().convertToFormat(QImage::Format_ARGB32));

        // Written back in the newest layout: size and PNG bytes.
        const QByteArray written = bytesOf([&](DataStream &out) { picture.saveData(out); });
        QByteArray expected = qtBytesOf([&](QDataStream &out) {
            out << double(-1) << false << QSize(30, 12) << pngOf(image);
        });
        QCOMPARE(written.toHex(), expected.toHex());
        QCOMPARE(rec.count(), 0);
    }

    void smallerImageLeavesNoStaleBytes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsPixmap picture(&scene, nullptr);
        picture.setPixmap(testImage(300, 200, Qt::magenta));
        const int bigSize = picture.imageData().size();

        const QPixmap small = testImage(8, 6, Qt::green);
        picture.setPixmap(small);
        QVERIFY(picture.imageData().size() < bigSize);
        QCOMPARE(picture.imageData(), pngOf(small));
        QCOMPARE(picture.imageSize(), QSize(8, 6));

        // The saved record holds exactly the small image.
        const QByteArray bytes = bytesOf([&](DataStream &out) { picture.saveData(out); });
        QCOMPARE(bytes.size(), 8 + 1 + 8 + 4 + pngOf(small).size());
        GraphicsPixmap copy(&scene, nullptr);
        loadFrom(&copy, bytes);
        QCOMPARE(copy.imageData(), pngOf(small));
        QCOMPARE(rec.count(), 0);
    }

    void pictureFromMimeData()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsPixmap picture(&scene, nullptr);
        const QPixmap first = testImage(10, 10, Qt::red);
        picture.setPixmap(first);

        // No image: a message, nothing changes.
        QMimeData text;
        text.setText(QStringLiteral("not a picture"));
        QVERIFY(!picture.setPixmapFromMimeData(&text));
        QVERIFY(!picture.setPixmapFromMimeData(nullptr));
        QCOMPARE(rec.texts(), QStringList({"The clipboard holds no image", "The clipboard holds no image"}));
        QCOMPARE(picture.imageData(), pngOf(first));

        QMimeData data;
        const QPixmap second = testImage(16, 4, Qt::blue);
        data.setImageData(second.toImage());
        QVERIFY(picture.setPixmapFromMimeData(&data));
        QCOMPARE(picture.imageSize(), QSize(16, 4));
        QCOMPARE(picture.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 second.toImage().convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(rec.count(), 2);
    }

    void drawingAndSelection()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);

        GraphicsRect rect(&scene, nullptr);
        rect.setPoints(QPointF(0, 0), QPointF(100, 60));
        rect.setBorderColor(Qt::black);
        rect.setFillColor(QColor(255, 255, 0));
        rect.setWidth(6);
        QImage plain = paintItem(&rect, QSize(140, 100), QPointF(20, 20), false);
        QVERIFY(isBlack(plain.pixelColor(20, 50)));
        QCOMPARE(plain.pixelColor(70, 50), QColor(255, 255, 0));
        QCOMPARE(countColor(plain, isBlue), 0);
        // Selected: outlined in blue with its own width, the fill kept.
        QImage selected = paintItem(&rect, QSize(140, 100), QPointF(20, 20), true);
        QVERIFY(isBlue(selected.pixelColor(20, 50)));
        QVERIFY(isBlue(selected.pixelColor(22, 50)));
        QCOMPARE(selected.pixelColor(70, 50), QColor(255, 255, 0));
        QCOMPARE(countColor(selected, isBlack), 0);

        // The ellipse leaves the corners of its rectangle alone.
        GraphicsEllipse ellipse(&scene, nullptr);
        ellipse.setPoints(QPointF(0, 0), QPointF(100, 60));
        ellipse.setFillColor(QColor(255, 0, 0));
        QImage oval = paintItem(&ellipse, QSize(140, 100), QPointF(20, 20), false);
        QCOMPARE(oval.pixelColor(22, 22), QColor(Qt::white));
        QCOMPARE(oval.pixelColor(70, 50), QColor(255, 0, 0));

        // A dashed line leaves gaps.
        GraphicsLine line(&scene, nullptr);
        line.setPoints(QPointF(0, 0), QPointF(200, 0));
        line.setPenStyle(Qt::DashLine);
        QImage dashed = paintItem(&line, QSize(240, 40), QPointF(20, 20), false);
        int gaps = 0;
        for (int x = 22; x < 218; ++x)
            gaps += dashed.pixelColor(x, 20) == QColor(Qt::white) ? 1 : 0;
        QVERIFY(gaps > 20);

        // A selected text and picture get the thin selection frame.
        GraphicsText text(&scene, nullptr);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(20);
        text.setFont(font);
        text.setColor(Qt::black);
        text.setAlignment(Qt::AlignLeft);
        text.setText(QStringLiteral("Text"));
        QImage words = paintItem(&text, QSize(200, 100), QPointF(20, 80), false);
        QVERIFY(countColor(words, isBlack) > 20);
        QCOMPARE(countColor(words, isBlue), 0);
        words = paintItem(&text, QSize(200, 100), QPointF(20, 80), true);
        QVERIFY(countColor(words, isBlue) > 20);

        GraphicsPixmap picture(&scene, nullptr);
        picture.setPixmap(testImage(30, 20, QColor(0, 200, 0)));
        picture.dropCachedPixmap();
        QImage shown = paintItem(&picture, QSize(70, 60), QPointF(20, 20), false);
        // Drawing decodes and keeps the image; one pixel per sheet unit.
        QVERIFY(picture.hasCachedPixmap());
        QCOMPARE(shown.pixelColor(25, 38), QColor(0, 200, 0));
        QCOMPARE(shown.pixelColor(55, 38), QColor(Qt::white));
        QCOMPARE(countColor(shown, isBlue), 0);
        shown = paintItem(&picture, QSize(70, 60), QPointF(20, 20), true);
        QVERIFY(countColor(shown, isBlue) > 40);
        QCOMPARE(rec.count(), 0);
    }

    // A picture turned over by the view's scale shows its pixels turned over; drawn less than a pixel high, as a
    // sheet far zoomed out or a preview shows it, it still draws.
    void turnedOverPicture()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        GraphicsPixmap picture(&scene, nullptr);
        QImage image(51, 16, QImage::Format_RGB32);
        image.fill(QColor(0, 200, 0));
        image.setPixelColor(0, 0, Qt::red);
        picture.setPixmap(QPixmap::fromImage(image));
        const auto drawn = [&picture](const QTransform &turn) {
            QImage device(210, 148, QImage::Format_RGB32);
            device.fill(Qt::white);
            QPainter painter(&device);
            painter.setTransform(turn);
            QStyleOptionGraphicsItem option;
            picture.draw(&painter, &option, true);
            return device;
        };
        const QImage half = drawn(QTransform(-1, 0, 0, -1, 60, 30));
        QCOMPARE(half.pixelColor(59, 29), QColor(Qt::red));
        QCOMPARE(half.pixelColor(20, 20), QColor(0, 200, 0));
        QCOMPARE(drawn(QTransform(1, 0, 0, -1, 0, 30)).pixelColor(0, 29), QColor(Qt::red));
        const double far = -0.044741377024841593;
        QVERIFY(!drawn(QTransform(far, 0, 0, far, 49.347501259312274, 91.305591788400179)).isNull());
        QCOMPARE(rec.count(), 0);
    }

    void turnedMirroredSavedAndLoaded()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);

        auto *line = new GraphicsLine(&scene, nullptr);
        line->setPoints(QPointF(0, 0), QPointF(200, 100));
        auto *rect = new GraphicsRect(&scene, nullptr);
        rect->setPoints(QPointF(0, 0), QPointF(150, 80));
        rect->setFillColor(QColor(200, 200, 255));
        auto *ellipse = new GraphicsEllipse(&scene, nullptr);
        ellipse->setPoints(QPointF(0, 0), QPointF(160, 90));
        ellipse->setBrushStyle(Qt::DiagCrossPattern);
        auto *text = new GraphicsText(&scene, nullptr);
        text->setColor(Qt::darkRed);
        text->setAlignment(Qt::AlignCenter);
        text->setText(QStringLiteral("Turned\ntext"));
        auto *picture = new GraphicsPixmap(&scene, nullptr);
        picture->setPixmap(testImage(60, 40, Qt::yellow));
        picture->setZValue(GraphicsPixmap::ForegroundZ);
        const QList<GraphicsItem *> items = {line, rect, ellipse, text, picture};
        for (int i = 0; i < items.size(); ++i) {
            QVERIFY(scene.addGraphicsItem(items[i]));
            items[i]->setPosQuiet(QPointF(300 + 400 * i, 500));
        }
        // Turned by 270 and mirrored, turned by 90, mirrored with a half turn.
        line->rotateBy(3, true);
        line->mirror(false);
        rect->rotateBy(1, true);
        ellipse->mirror(true);
        text->rotateBy(1, false);
        picture->rotateBy(2, true);

        QByteArray body;
        {
            DataStream out(&body, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            scene.saveScene(out);
            QVERIFY(scene.saveItemsGeometry(out));
        }

        TestScene loaded(&project);
        {
            DataStream in(&body, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            QVERIFY(loaded.loadScene(in));
            QVERIFY(loaded.loadItemsGeometry(in));
            QVERIFY(in.atEnd());
        }
        const QList<GraphicsItem *> copies = loaded.graphicsItems();
        QCOMPARE(copies.size(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(copies[i]->type(), items[i]->type());
            QCOMPARE(copies[i]->pos(), items[i]->pos());
            QCOMPARE(copies[i]->rotationIndex(), items[i]->rotationIndex());
            QCOMPARE(copies[i]->isMirrored(), items[i]->isMirrored());
            QCOMPARE(copies[i]->boundingRect(), items[i]->boundingRect());
            QCOMPARE(copies[i]->sceneBoundingRect(), items[i]->sceneBoundingRect());
        }
        QVERIFY(copies[0]->isMirrored());
        QCOMPARE(copies[1]->rotationIndex(), 1);
        QVERIFY(copies[2]->isMirrored());
        QCOMPARE(copies[3]->rotationIndex(), 3);
        QCOMPARE(copies[4]->rotationIndex(), 2);
        QCOMPARE(copies[4]->zValue(), 4.0);
        QCOMPARE(static_cast<GraphicsText *>(copies[3])->text(), QStringLiteral("Turned\ntext"));

        // Saving the loaded sheet gives the same bytes.
        QByteArray again;
        {
            DataStream out(&again, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            loaded.saveScene(out);
            QVERIFY(loaded.saveItemsGeometry(out));
        }
        QCOMPARE(again, body);

        // The clipboard takes the same records.
        QByteArray clip;
        {
            DataStream out(&clip, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            scene.writeItems(out, scene.graphicsItems());
        }
        TestScene pasted(&project);
        {
            DataStream in(&clip, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            QCOMPARE(pasted.readItems(in).size(), 5);
        }
        QCOMPARE(rec.count(), 0);
    }

    void renderedSheet()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);

        // Each primitive upright in the first row, turned or mirrored in the
        // second.
        auto add = [&](GraphicsItem *item, const QPointF &pos) {
            QVERIFY(scene.addGraphicsItem(item));
            item->setPosQuiet(pos);
        };
        for (int row = 0; row < 2; ++row) {
            const double y = 400 + row * 800;
            auto *line = new GraphicsLine(&scene, nullptr);
            line->setPoints(QPointF(0, 0), QPointF(300, 150));
            line->setWidth(10);
            line->setBorderColor(Qt::darkBlue);
            auto *rect = new GraphicsRect(&scene, nullptr);
            rect->setPoints(QPointF(0, 0), QPointF(350, 200));
            rect->setFillColor(QColor(255, 220, 220));
            rect->setWidth(8);
            auto *ellipse = new GraphicsEllipse(&scene, nullptr);
            ellipse->setPoints(QPointF(0, 0), QPointF(350, 200));
            ellipse->setFillColor(QColor(220, 255, 220));
            ellipse->setBrushStyle(Qt::BDiagPattern);
            ellipse->setPenStyle(Qt::DashLine);
            ellipse->setWidth(8);
            auto *text = new GraphicsText(&scene, nullptr);
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPointSizeF(60);
            text->setFont(font);
            text->setColor(Qt::black);
            text->setAlignment(Qt::AlignLeft);
            text->setText(QStringLiteral("Text R-LAY\nline two"));
            auto *picture = new GraphicsPixmap(&scene, nullptr);
            QImage arrow(300, 200, QImage::Format_ARGB32);
            arrow.fill(QColor(255, 255, 160));
            {
                QPainter p(&arrow);
                p.setPen(QPen(Qt::red, 12));
                p.drawLine(20, 100, 260, 100);
                p.drawLine(260, 100, 200, 40);
                p.drawLine(260, 100, 200, 160);
            }
            picture->setPixmap(QPixmap::fromImage(arrow));
            add(line, QPointF(150, y));
            add(rect, QPointF(650, y));
            add(ellipse, QPointF(1150, y));
            add(text, QPointF(1650, y + 200));
            add(picture, QPointF(2450, y));
            if (row == 1) {
                line->mirror(false);
                line->setPosQuiet(line->pos() + QPointF(300, 0));
                rect->rotateBy(1, true);
                rect->setPosQuiet(rect->pos() + QPointF(200, 0));
                ellipse->mirror(true);
                ellipse->setPosQuiet(ellipse->pos() + QPointF(0, 200));
                text->rotateBy(1, false);
                text->setPosQuiet(text->pos() + QPointF(200, 300));
                picture->rotateBy(1, true);
                picture->setPosQuiet(picture->pos() + QPointF(200, 0));
            }
        }

        // On the screen's resolution the stored fonts are used.
        const QImage screen = render(scene, 1500, 1070, 3780);
        const QString keep = qEnvironmentVariable("RLAY_PRIMITIVES_PNG");
        if (!keep.isEmpty())
            screen.save(keep);
        // The decoded pictures are dropped after rendering.
        for (GraphicsItem *item : scene.graphicsItems()) {
            if (auto *picture = dynamic_cast<GraphicsPixmap *>(item))
                QVERIFY(!picture->hasCachedPixmap());
        }

        // Some of every colour shows.
        QVERIFY(countColor(screen, [](QColor c) { return c == QColor(255, 220, 220); }) > 1000);
        QVERIFY(countColor(screen, [](QColor c) { return c == QColor(255, 255, 160); }) > 1000);
        QVERIFY(countColor(screen, [](QColor c) { return c.red() > 200 && c.green() < 50 && c.blue() < 50; }) > 100);
        QVERIFY(countColor(screen, [](QColor c) { return c.blue() > 100 && c.red() < 30 && c.green() < 30; }) > 100);

        // On a printer the text shrinks to 90 / dpi of its point size.
        const QImage printed = render(scene, 2970 + 40, 2100 + 40, 10000);
        if (!keep.isEmpty())
            printed.save(QFileInfo(keep).path() + QStringLiteral("/printed-") + QFileInfo(keep).fileName());
        QVERIFY(countColor(printed, [](QColor c) { return c == QColor(255, 255, 160); }) > 10000);
        QCOMPARE(rec.count(), 0);
    }

    void pixmapCachesOfTheSheet()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *a = new GraphicsPixmap(&scene, nullptr);
        auto *b = new GraphicsPixmap(&scene, nullptr);
        auto *line = new GraphicsLine(&scene, nullptr);
        a->setPixmap(testImage(5, 5, Qt::red));
        b->setPixmap(testImage(6, 6, Qt::red));
        QVERIFY(scene.addGraphicsItem(a));
        QVERIFY(scene.addGraphicsItem(b));
        QVERIFY(scene.addGraphicsItem(line));
        QVERIFY(a->hasCachedPixmap() && b->hasCachedPixmap());
        scene.clearPixmapCaches();
        QVERIFY(!a->hasCachedPixmap());
        QVERIFY(!b->hasCachedPixmap());
        // The image stays in the bytes.
        QCOMPARE(a->imageSize(), QSize(5, 5));
        QCOMPARE(a->pixmap().size(), QSize(5, 5));
        QCOMPARE(rec.count(), 0);
    }
};

QTEST_MAIN(TestPrimitives)
#include "tst_primitives.moc"
