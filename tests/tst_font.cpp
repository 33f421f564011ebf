#include "graphics/font.h"
#include "support/modalrecorder.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

class TestFont : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { deleteFonts(); setFontSet(0); }

    void tableAndScreenSet()
    {
        QCOMPARE(int(FontCount), 14);
        QCOMPARE(fontTable[0].size, 10.0);
        QCOMPARE(fontTable[7].lineHeight, 85.0);
        QCOMPARE(fontTable[13].size, 400.0);
        QCOMPARE(QString(fontTable[5].family), QString("R LAY R"));
        createScreenFonts();
        QCOMPARE(font(0).pointSizeF(), 9.6);
        QCOMPARE(font(0).family(), QString("R LAY R"));
        QCOMPARE(lineHeight(13), 500.0);
    }

    void secondCreateKeepsFirstSet()
    {
        ModalRecorder rec;
        createScreenFonts();
        QFont *first = &font(3);
        createScreenFonts();
        QCOMPARE(rec.count(), 1);
        QCOMPARE(&font(3), first);
    }

    void printerSetAndSwitching()
    {
        ModalRecorder rec;
        createScreenFonts();
        QImage device(10, 10, QImage::Format_RGB32);
        device.setDotsPerMeterY(int(600 / 0.0254 + 0.5));
        QCOMPARE(device.logicalDpiY(), 600);
        createPrinterFonts(&device);
        QVERIFY(setFontSet(1));
        QCOMPARE(font(3).pointSizeF(), 3.75);
        QVERIFY(!setFontSet(2));
        QCOMPARE(rec.count(), 1);
        QCOMPARE(currentFontSet(), 1);
        QVERIFY(setFontSet(0));
        QCOMPARE(font(3).pointSizeF(), 25 * 0.96);
    }

    void badIndexesAreChecked()
    {
        ModalRecorder rec;
        QCOMPARE(lineHeight(-1), 0.0);
        QFont f("Serif", 12);
        initFont(f, -1);
        QCOMPARE(f.pointSizeF(), 12.0);
        QCOMPARE(rec.count(), 2);
    }

    void screenConversionRoundTrip()
    {
        QFont f("Serif");
        f.setPointSizeF(17.5);
        QCOMPARE(fromScreenFont(toScreenFont(f)).pointSizeF(), 17.5);
        QCOMPARE(toScreenFont(f).pointSizeF(), 17.5 * 0.96);
    }

    // Extents come from the cache as the font's metrics give them: for
    // texts asked for the first time and again, after the cache was
    // forgotten, and after so many texts that its older generation went.
    void cachedExtentsAreMeasured()
    {
        createScreenFonts();
        const QFont fonts[] = {font(3), QFont("Serif", 11)};
        const int flags[] = {Qt::AlignLeft, Qt::AlignCenter, Qt::AlignRight | Qt::AlignBottom, Qt::TextWordWrap};
        QRandomGenerator random(7);
        struct Asked { QFont font; QRectF rect; int flags; QString text; };
        QList<Asked> asked;
        for (int i = 0; i < 2000; ++i) {
            QString text;
            for (int n = int(random.bounded(14)); n > 0; --n)
                text += QChar(u"ab KM-1\n"[random.bounded(8)]);
            asked.append({fonts[random.bounded(2)], QRectF(random.bounded(9), 0, random.bounded(3) * 40, 20),
                          flags[random.bounded(4)], text});
        }
        const auto check = [&asked] {
            for (const Asked &a : asked) {
                const QFontMetricsF metrics(a.font);
                QCOMPARE(textAdvance(a.font, a.text), metrics.horizontalAdvance(a.text));
                QCOMPARE(textBoundingRect(a.font, a.rect, a.flags, a.text), metrics.boundingRect(a.rect, a.flags, a.text));
            }
        };
        check();
        check();
        forgetTextExtents();
        check();
        for (int i = 0; i < 250000; ++i)
            textAdvance(fonts[0], QString::number(i));
        check();
    }

    void drawingDefaults()
    {
        QCOMPARE(pinSize, QSizeF(14, 14));
        QCOMPARE(penBlack.widthF(), 3.5);
        QCOMPARE(penBlueThin.widthF(), 0.875);
        QCOMPARE(penGreyDash.color(), QColor(192, 192, 192));
        QCOMPARE(penGreenDash.style(), Qt::DashLine);
        QCOMPARE(penRed.capStyle(), Qt::SquareCap);
        QCOMPARE(penRed.joinStyle(), Qt::BevelJoin);
        QCOMPARE(noPosition, QPointF(-99999, -99999));
        QCOMPARE(nameSeparator, QChar('-'));
    }
};

QTEST_MAIN(TestFont)
#include "tst_font.moc"
