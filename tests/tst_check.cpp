#include "model/check.h"
#include "support/modalrecorder.h"

#include <QMessageBox>
#include <QtTest>

class TestCheck : public QObject
{
    Q_OBJECT

private slots:
    void trueValuesShowNothing()
    {
        ModalRecorder rec;
        int x = 0;
        QVERIFY(checkCondition(true, "a.cpp", 1));
        QVERIFY(checkPointer(&x, "a.cpp", 2));
        QCOMPARE(rec.count(), 0);
    }

    void falseConditionShowsErrorBox()
    {
        ModalRecorder rec;
        QVERIFY(!checkCondition(false, "model/project.cpp", 123));
        QCOMPARE(rec.count(), 1);
        QCOMPARE(rec.shown[0].title, QString("Error"));
        QCOMPARE(rec.shown[0].text, QString("In file model/project.cpp, line 123: FALSE expression"));
        QCOMPARE(rec.shown[0].buttons, QStringList{"OK"});
    }

    void nullPointerShowsOutOfMemory()
    {
        ModalRecorder rec;
        QVERIFY(!checkPointer(nullptr, "x.cpp", 7));
        QCOMPARE(rec.texts(), QStringList{"In file x.cpp, line 7: Out of memory"});
    }

    void macroPassesRelativeSourceName()
    {
        ModalRecorder rec;
        QVERIFY(!CHECK(1 == 2));
        QVERIFY(rec.shown[0].text.startsWith("In file tests/tst_check.cpp, line "));
    }

    void informationAndError()
    {
        ModalRecorder rec;
        showInformation("hello");
        showError("bad");
        QCOMPARE(rec.shown[0].title, QString("Information"));
        QCOMPARE(rec.shown[0].text, QString("hello"));
        QCOMPARE(rec.shown[1].title, QString("Error"));
        QCOMPARE(rec.shown[1].text, QString("bad"));
    }

    void askYesNoButtons()
    {
        ModalRecorder rec;
        rec.clickButton("&Yes");
        QVERIFY(askYesNo("Sure?"));
        QCOMPARE(rec.shown[0].title, QString("Question"));
        QCOMPARE(rec.shown[0].buttons.size(), 2);
        QVERIFY(rec.shown[0].buttons.contains("&Yes"));
        QVERIFY(rec.shown[0].buttons.contains("&No"));
        QCOMPARE(rec.shown[0].defaultButton, QString("&No"));
        rec.clickButton("&No");
        QVERIFY(!askYesNo("Sure?"));
        // Closed without a choice: not a yes.
        QVERIFY(!askYesNo("Sure?"));
    }

    void askYesNoEnterChoosesNo()
    {
        ModalRecorder rec;
        rec.answer([](QDialog *d) {
            d->show();
            QTest::keyClick(d, Qt::Key_Return);
            return d->result();
        });
        QVERIFY(!askYesNo("Sure?"));
    }

    void askYesNoCancelButtons()
    {
        ModalRecorder rec;
        rec.clickButton("&Yes");
        QCOMPARE(askYesNoCancel("Save?"), int(QMessageBox::Yes));
        QCOMPARE(rec.shown[0].defaultButton, QString("&Cancel"));
        QCOMPARE(rec.shown[0].buttons.size(), 3);
        rec.clickButton("&No");
        QCOMPARE(askYesNoCancel("Save?"), int(QMessageBox::No));
        // Escape gives Cancel, and so does Enter (Cancel is the default).
        rec.answer([](QDialog *d) {
            d->show();
            QTest::keyClick(d, Qt::Key_Escape);
            return d->result();
        });
        QCOMPARE(askYesNoCancel("Save?"), int(QMessageBox::Cancel));
        rec.answer([](QDialog *d) {
            d->show();
            QTest::keyClick(d, Qt::Key_Return);
            return d->result();
        });
        QCOMPARE(askYesNoCancel("Save?"), int(QMessageBox::Cancel));
    }

    void divideRoundUpExamples()
    {
        QCOMPARE(divideRoundUp(7, 2), 4);
        QCOMPARE(divideRoundUp(8, 2), 4);
        QCOMPARE(divideRoundUp(0, 5), 0);
        QCOMPARE(divideRoundUp(5, 5), 1);
        QCOMPARE(divideRoundUp(6, 5), 2);
        QCOMPARE(divideRoundUp(-7, 2), -2);
    }
};

QTEST_MAIN(TestCheck)
#include "tst_check.moc"
