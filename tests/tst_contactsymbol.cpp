#include "devices/contactsymbol.h"
#include "devices/pushbuttoncontact.h"
#include "devices/relaycatalogue.h"
#include "graphics/font.h"
#include "support/modalrecorder.h"

#include <QImage>
#include <QPainter>
#include <QtMath>
#include <QtTest>

namespace {

// Item coordinates are drawn one unit to one pixel, shifted by origin so
// that the ticks above y 0 and the heater at y 160 fit.
const QPoint origin(30, 40);
const QRgb white = qRgb(255, 255, 255);

// Pens whose colours tell the solid, the dashed and the help strokes apart.
const QPen solidRed(QBrush(Qt::red), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
const QPen dashBlue(QBrush(Qt::blue), penWidth, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);

struct Options
{
    bool frontOn = true;
    bool backOn = true;
    bool hideHelp = false;
};

QImage render(int kind, bool underCurrent, Options o = Options())
{
    QImage image(240, 280, QImage::Format_RGB32);
    image.fill(white);
    QPainter painter(&image);
    painter.translate(origin);
    drawContact(&painter, kind, underCurrent, solidRed, dashBlue, o.frontOn, o.backOn,
                o.hideHelp);
    return image;
}

QRgb at(const QImage &image, int x, int y)
{
    return image.pixel(x + origin.x(), y + origin.y());
}

bool inked(const QImage &image, int x, int y)
{
    return at(image, x, y) != white;
}

bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
bool isBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }
bool isHelpGreen(QRgb c) { return c == colorGreen.rgb(); }

// Colours met along the stroke from a to b, leaving out both ends (the
// parts of the stroke from first to last percent).
QList<QRgb> colorsAlong(const QImage &image, QPointF a, QPointF b, int first = 10, int last = 90)
{
    QList<QRgb> colors;
    for (int i = first; i <= last; ++i) {
        const QPointF p = a + (b - a) * (i / 100.0);
        colors << at(image, qFloor(p.x()), qFloor(p.y()));
    }
    return colors;
}

bool isPolarKind(int kind) { return kind == 4 || kind == 6 || kind == 8; }
bool hasFrontPart(int kind) { return kind != 5 && kind != 11; }
bool hasBackPart(int kind) { return kind != 3 && kind != 9; }

bool anyPixel(const QImage &image, QRect r, bool (*test)(QRgb))
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixel(x, y)))
                return true;
    return false;
}

bool isDark(QRgb c) { return qGray(c) < 100 && qBlue(c) < 120; }
bool isBlueInk(QRgb c) { return qBlue(c) > qRed(c) + 100 && qBlue(c) > qGreen(c) + 100; }

} // namespace

class TestContactSymbol : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_flagAtStart = contactPictureUnderCurrent;
        createScreenFonts();
    }
    void init() { contactPictureUnderCurrent = false; }

    void symbolBox()
    {
        for (int kind = 0; kind < ContactKindCount; ++kind)
            QCOMPARE(contactSize(kind), kind == 10 ? QSizeF(160, 160) : QSizeF(160, 80));
    }

    void partsOfEveryKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("underCurrent");
        for (int kind = 0; kind < ContactKindCount; ++kind) {
            QTest::addRow("%d released", kind) << kind << false;
            QTest::addRow("%d under current", kind) << kind << true;
        }
    }

    void partsOfEveryKind()
    {
        QFETCH(int, kind);
        QFETCH(bool, underCurrent);
        ModalRecorder recorder;
        const QImage image = render(kind, underCurrent);
        const bool polar = isPolarKind(kind);

        // Lead and common terminal.
        QCOMPARE(inked(image, 20, 40), polar);
        QCOMPARE(inked(image, 20, 0), !polar);
        QCOMPARE(inked(image, 40, 10), !polar);

        // Front part: the stub and the line to the front pin.
        QCOMPARE(inked(image, 120, 10), hasFrontPart(kind));
        QCOMPARE(inked(image, 150, 0), hasFrontPart(kind));
        // Back part: the stub, and the line to a back pin at (160, 80).
        QCOMPARE(inked(image, 120, 70), hasBackPart(kind));
        const bool backPinAt160 = hasBackPart(kind) && kind != 0 && kind != 2 && kind != 7
                                  && kind != 8 && kind != 11;
        QCOMPARE(inked(image, 150, 80), backPinAt160);

        // Slanted marks in front and back.
        QCOMPARE(inked(image, 135, 5), kind == 1 || kind == 3 || kind == 6 || kind == 12);
        QCOMPARE(inked(image, 135, 75), kind == 1 || kind == 5 || kind == 6 || kind == 13);
        // Zigzags: in front from 120 (kind 2) or 130 (kind 4); in back for kind 4.
        QCOMPARE(inked(image, 124, -5), kind == 2);
        QCOMPARE(inked(image, 158, 5), kind == 4);
        QCOMPARE(inked(image, 156, 85), kind == 4);
        // The tick at 150 of the polar heavy-duty contact.
        QCOMPARE(inked(image, 150, -8), kind == 6);
        // The bridge of the make-before-break contact.
        QCOMPARE(inked(image, 140, 40), kind == 0);
        // The heater of the thermal contact.
        QCOMPARE(inked(image, 25, 160), kind == 10);
        QCOMPARE(inked(image, 135, 160), kind == 10);

        // Every stroke is drawn with the caller's pens, never help green.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(!isHelpGreen(image.pixel(x, y)));
        QCOMPARE(recorder.count(), 0);
    }

    void armOfStraightKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("underCurrent");
        for (int kind = 0; kind < ContactKindCount; ++kind) {
            if (isPolarKind(kind))
                continue;
            QTest::addRow("%d released", kind) << kind << false;
            QTest::addRow("%d under current", kind) << kind << true;
        }
    }

    void armOfStraightKinds()
    {
        QFETCH(int, kind);
        QFETCH(bool, underCurrent);
        const QImage image = render(kind, underCurrent);
        // The thermal contact is always drawn released.
        const bool closed = underCurrent && kind != 10;
        const int y = closed ? 20 : 40; // the arm at x 85
        const int other = closed ? 40 : 20;
        QVERIFY(isRed(at(image, 85, y)));
        // Twice as thick as the drawing pens: 3 off its middle is still inked.
        QVERIFY(isRed(at(image, 85, y + 3)));
        QVERIFY(isRed(at(image, 85, y - 3)));
        QVERIFY(!inked(image, 85, y + 6));
        QVERIFY(!inked(image, 85, other));
        // The arm ends at x 130.
        const int endY = closed ? 20 : 60;
        QVERIFY(isRed(at(image, 128, endY - 1)));
        if (kind != 0) // the bridge passes there
            QVERIFY(!inked(image, 136, endY));
    }

    void polarArms_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("underCurrent");
        for (int kind : {4, 6, 8}) {
            QTest::addRow("%d released", kind) << kind << false;
            QTest::addRow("%d under current", kind) << kind << true;
        }
    }

    void polarArms()
    {
        QFETCH(int, kind);
        QFETCH(bool, underCurrent);
        const QImage image = render(kind, underCurrent);
        // The solid arm holds the position, the dashed one shows the other.
        const double solidEnd = underCurrent ? 17.5 : 62.5;
        const double dashedEnd = underCurrent ? 62.5 : 17.5;

        QVERIFY(isRed(at(image, 129, qFloor(solidEnd))));
        if (kind != 6) // its slanted marks pass there
            QVERIFY(!inked(image, 129, qFloor(solidEnd) + (underCurrent ? -5 : 5)));
        QVERIFY(!inked(image, 135, qFloor(solidEnd)));
        // Drawn with the plain pen, not the thick one of the straight arm.
        QVERIFY(!inked(image, 85, qRound(40 + (solidEnd - 40) / 2) + 4));

        const QList<QRgb> solid = colorsAlong(image, QPointF(40, 40), QPointF(130, solidEnd));
        for (QRgb c : solid)
            QVERIFY(isRed(c));
        // Up to where it crosses a stub.
        const QList<QRgb> dashed = colorsAlong(image, QPointF(40, 40), QPointF(130, dashedEnd), 10, 75);
        int blue = 0;
        int gaps = 0;
        for (QRgb c : dashed) {
            QVERIFY(!isRed(c));
            blue += isBlue(c);
            gaps += c == white;
        }
        QVERIFY(blue > 20);
        QVERIFY(gaps > 5);
    }

    void signalContactReleased()
    {
        // What the keystaff draws: kind 11 released.
        const QImage image = render(11, false);
        QVERIFY(isRed(at(image, 20, 0)));
        QVERIFY(isRed(at(image, 40, 10)));
        QVERIFY(isRed(at(image, 85, 40)));
        QVERIFY(isRed(at(image, 128, 59)));
        QVERIFY(isRed(at(image, 120, 62)));
        QVERIFY(isRed(at(image, 120, 78)));
        QVERIFY(!inked(image, 120, 50));
        for (int x = 126; x < 170; ++x) {
            QVERIFY(!inked(image, x, 80));
            QVERIFY(!inked(image, x, 0));
        }
    }

    void thermalContact()
    {
        for (bool underCurrent : {false, true}) {
            const QImage image = render(10, underCurrent);
            // Leads of the heater and its loop.
            QVERIFY(isRed(at(image, 25, 160)));
            QVERIFY(isRed(at(image, 135, 160)));
            QVERIFY(isRed(at(image, 65, 146)));
            QVERIFY(isRed(at(image, 95, 146)));
            QVERIFY(!inked(image, 65, 170));
            // The dashed link from the heater up towards the arm.
            const QList<QRgb> link = colorsAlong(image, QPointF(80, 155), QPointF(80, 45));
            int blue = 0;
            for (QRgb c : link)
                blue += isBlue(c);
            QVERIFY(blue > 20);
            QVERIFY(link.contains(white));
            // The heated element rises over the arm near x 88.
            QVERIFY(inked(image, 88, 27) || inked(image, 89, 27));
            // Front and back pins on the usual rows, heater pins at y 160.
            QVERIFY(isRed(at(image, 150, 0)));
            QVERIFY(isRed(at(image, 150, 80)));
        }
    }

    void helpParts()
    {
        const QPen pen = solidRed;
        QImage image(240, 280, QImage::Format_RGB32);
        image.fill(white);
        QPainter painter(&image);
        painter.translate(origin);
        drawContact(&painter, 1, false, pen, dashBlue, false, true, false);
        QCOMPARE(painter.pen(), pen);
        painter.end();
        // The front part is green, the back part and the arm keep the pen.
        QVERIFY(isHelpGreen(at(image, 150, 0)));
        QVERIFY(isHelpGreen(at(image, 120, 10)));
        QVERIFY(isHelpGreen(at(image, 135, 5)));
        QVERIFY(isRed(at(image, 150, 80)));
        QVERIFY(isRed(at(image, 135, 75)));
        QVERIFY(isRed(at(image, 20, 0)));

        Options noBack;
        noBack.backOn = false;
        image = render(1, true, noBack);
        QVERIFY(isRed(at(image, 150, 0)));
        QVERIFY(isHelpGreen(at(image, 150, 80)));
        QVERIFY(isHelpGreen(at(image, 120, 70)));
        QVERIFY(isHelpGreen(at(image, 135, 75)));
    }

    void hiddenHelpIsLeftOut()
    {
        Options o;
        o.frontOn = false;
        o.hideHelp = true;
        QImage image = render(1, false, o);
        QVERIFY(!inked(image, 150, 0));
        QVERIFY(!inked(image, 120, 10));
        QVERIFY(!inked(image, 135, 5));
        QVERIFY(isRed(at(image, 150, 80)));
        QVERIFY(isRed(at(image, 20, 0)));

        o.frontOn = true;
        o.backOn = false;
        image = render(4, true, o);
        QVERIFY(isRed(at(image, 150, 0)));
        QVERIFY(isRed(at(image, 158, 5)));
        QVERIFY(!inked(image, 150, 80));
        QVERIFY(!inked(image, 120, 70));
        QVERIFY(!inked(image, 156, 85));

        // Parts that are on are drawn whatever hideHelp says.
        o.backOn = true;
        QCOMPARE(render(13, false, o), render(13, false));
    }

    void helpFrontEndingEarly()
    {
        // The polar heavy-duty front part ends at its tick; the back part
        // after it must still be drawn with the caller's pen.
        Options o;
        o.frontOn = false;
        const QImage image = render(6, false, o);
        QVERIFY(isHelpGreen(at(image, 150, -8)));
        QVERIFY(isHelpGreen(at(image, 135, 5)));
        QVERIFY(isRed(at(image, 150, 80)));
        QVERIFY(isRed(at(image, 135, 75)));
    }

    void painterLeftAsFound()
    {
        QImage image(400, 400, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.translate(200, 150);
        painter.rotate(90);
        painter.scale(0.5, -1);
        const QTransform before = painter.worldTransform();
        const QBrush brush = painter.brush();
        for (int kind = 0; kind < ContactKindCount; ++kind) {
            for (int variant = 0; variant < 8; ++variant) {
                painter.setPen(penGreenDash);
                drawContact(&painter, kind, variant & 1, penBlue, penBlueDash, variant & 2,
                            variant & 4, variant == 2);
                QCOMPARE(painter.worldTransform(), before);
                QCOMPARE(painter.pen(), penBlue);
                QCOMPARE(painter.brush(), brush);
            }
        }
    }

    void badKindDrawsNothing()
    {
        ModalRecorder recorder;
        const QImage blank = render(-1, false);
        for (int y = 0; y < blank.height(); ++y)
            for (int x = 0; x < blank.width(); ++x)
                QCOMPARE(blank.pixel(x, y), white);
        QCOMPARE(render(ContactKindCount, true), blank);
        QCOMPARE(render(255, false), blank);

        // The painter is not touched either.
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setPen(penGreenDash);
        drawContact(&painter, 14, false, penBlack, penBlackDash, true, true, false);
        QCOMPARE(painter.pen(), penGreenDash);
        drawContact(nullptr, 7, false, penBlack, penBlackDash, true, true, false);
        QCOMPARE(recorder.count(), 0);
    }

    void pictureFlagStartsFalse() { QCOMPARE(m_flagAtStart, false); }

    void buttonSize()
    {
        PushButtonContact button(7);
        QCOMPARE(button.sizeHint(), QSize(90, 70));
        QVERIFY(button.isCheckable());
        QVERIFY(!button.isChecked());
    }

    void buttonPicture()
    {
        ModalRecorder recorder;
        PushButtonContact button(7);
        button.resize(button.sizeHint());
        // The arm at item x 85 lands on pixel column 50; released it lies on
        // row 35, energised on row 27.
        QImage released = button.grab().toImage();
        QVERIFY(isDark(released.pixel(50, 35)));
        QVERIFY(!isDark(released.pixel(50, 27)));
        // The lead at item (20, 0) on pixel (26, 20).
        QVERIFY(isDark(released.pixel(26, 20)) || isDark(released.pixel(26, 19)));
        QVERIFY(!anyPixel(released, released.rect(), isBlueInk));

        contactPictureUnderCurrent = true;
        QImage energised = button.grab().toImage();
        QVERIFY(isDark(energised.pixel(50, 27)));
        QVERIFY(!isDark(energised.pixel(50, 35)));

        button.setChecked(true);
        QImage checked = button.grab().toImage();
        QVERIFY(isBlueInk(checked.pixel(50, 27)));
        QVERIFY(!anyPixel(checked, QRect(10, 10, 70, 40), isDark));
        QCOMPARE(recorder.count(), 0);
    }

    void buttonClipsTheHeater()
    {
        // The picture is clipped to its 200 x 120 frame: in a tall button the
        // thermal contact's heater (item y 160, pixel row 80) stays hidden.
        PushButtonContact button(10);
        button.resize(100, 120);
        const QImage image = button.grab().toImage();
        QVERIFY(!anyPixel(image, QRect(21, 78, 16, 5), isDark));
        QVERIFY(isDark(image.pixel(26, 20)) || isDark(image.pixel(26, 19)));
    }

    void buttonWithBadKind()
    {
        ModalRecorder recorder;
        PushButtonContact button(-1);
        button.resize(button.sizeHint());
        const QImage image = button.grab().toImage();
        QVERIFY(!anyPixel(image, QRect(10, 10, 70, 40), isDark));
        QCOMPARE(recorder.count(), 0);
    }

private:
    bool m_flagAtStart = true;
};

QTEST_MAIN(TestContactSymbol)
#include "tst_contactsymbol.moc"
