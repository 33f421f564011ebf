// Heatings, measuring panels and lamps: their catalogues, records, pictures
// on schemes, in places and on wiring pages, and their dialogs in the scheme
// editor.

#include "devices/lampsymbol.h"
#include "equipment/place.h"
#include "graphics/font.h"
#include "support/boundtestitems.h"
#include "support/devicekindtests.h"
#include "support/modalrecorder.h"

#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace boundtest;
using namespace devicekindtest;

class TestHeatingLampPanel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        createScreenFonts();
    }
    void cleanupTestCase() { deleteFonts(); }

    // The lamp in its place: the symbol on top, "OKL" in the signal-lamp
    // panel's places, the name as help below.
    void lampInPlace_data()
    {
        QTest::addColumn<int>("placeType");
        QTest::addColumn<bool>("hideHelp");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<double>("nameTop");
        QTest::newRow("plain") << 10 << false << QStringList({"HL1"}) << 140.0;
        QTest::newRow("okl") << 116 << false << QStringList({"OKL", "HL1"}) << 170.0;
        QTest::newRow("okl, no help") << 116 << true << QStringList({"OKL"}) << 0.0;
    }
    void lampInPlace()
    {
        QFETCH(int, placeType);
        QFETCH(bool, hideHelp);
        Project project(nullptr, nullptr);
        TestScene frame(&project);
        Place place(&frame, nullptr, placeType, 1);
        PaintRecorder recorder;
        {
            QPainter painter(&recorder);
            painter.setPen(penBlack);
            drawLampInPlace(&painter, QRectF(20, 100, 80, 160), nullptr, &place, hideHelp, "HL1");
            QCOMPARE(painter.pen().color(), penBlack.color());
        }
        QTEST(recorder.texts, "texts");
        const QList<PaintRecorder::Shape> circles = recorder.shapesOf("ellipse");
        QVERIFY(!circles.isEmpty());
        QCOMPARE(circles.first().bounds, QRectF(44, 110, 32, 32));
        if (!hideHelp) {
            QFETCH(double, nameTop);
            const double baseline = recorder.textRects.last().y();
            QVERIFY(baseline > nameTop && baseline < nameTop + 30);
        }
    }
};

QTEST_MAIN(TestHeatingLampPanel)
#include "tst_heatinglamppanel.moc"
