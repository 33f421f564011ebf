#include "devices/clampcatalogue.h"
#include "support/modalrecorder.h"

#include <QtTest>

namespace {

QList<int> stripsOf(int model)
{
    const ClampPanelModel &row = clampPanelModels[model];
    return QList<int>(row.stripTypes, row.stripTypes + row.stripTypeCount);
}

QList<int> modelsOf(int type)
{
    const ClampPanelType &row = clampPanelTypes[type];
    return QList<int>(row.models, row.models + row.count);
}

} // namespace

class TestClampCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void panelModels()
    {
        QCOMPARE(int(sizeof(clampPanelModels) / sizeof(clampPanelModels[0])), 24);

        const ClampPanelModel &top = clampPanelModels[0];
        QCOMPARE(top.frameKind, 0);
        QCOMPARE(top.placeKind, 0);
        QCOMPARE(stripsOf(0), (QList<int>{1, 0, 2, 4, 9}));
        QCOMPARE(top.placeType, 16);
        QVERIFY(!top.note);

        QCOMPARE(stripsOf(1), (QList<int>{2, 3, 4}));
        QCOMPARE(clampPanelModels[1].placeType, 17);
        QCOMPARE(clampPanelModels[2].frameKind, 4);
        QCOMPARE(clampPanelModels[2].placeKind, 2);
        QCOMPARE(stripsOf(2), QList<int>{3});
        QCOMPARE(clampPanelModels[2].placeType, 28);

        const ClampPanelModel &rc = clampPanelModels[7];
        QCOMPARE(rc.frameKind, 5);
        QCOMPARE(rc.placeKind, 5);
        QCOMPARE(stripsOf(7), QList<int>{5});
        QCOMPARE(rc.placeType, 126);
        QCOMPARE(QString(rc.note), QString("RC"));

        QCOMPARE(stripsOf(9), (QList<int>{0, 1, 5, 4}));
        QCOMPARE(stripsOf(10), QList<int>{6});
        QCOMPARE(clampPanelModels[10].placeType, 152);
        QCOMPARE(stripsOf(17), (QList<int>{0, 5}));

        const ClampPanelModel &last = clampPanelModels[23];
        QCOMPARE(last.frameKind, 18);
        QCOMPARE(last.placeKind, 18);
        QCOMPARE(stripsOf(23), (QList<int>{1, 7, 4}));
        QCOMPARE(last.placeType, 16);

        // Only model 7 has a note; every strip index names one of ten types.
        for (int m = 0; m < clampPanelModelCount; ++m) {
            QCOMPARE(bool(clampPanelModels[m].note), m == 7);
            for (int s : stripsOf(m))
                QVERIFY(s >= 0 && s < 10);
        }
    }

    void panelModelTexts()
    {
        ModalRecorder rec;
        QStringList texts;
        for (int m = 0; m < clampPanelModelCount; ++m)
            texts << clampPanelModelText(m);
        QCOMPARE(texts, (QStringList{"V", "B", "KN", "PR X", "P", "T", "KV", "N RC", "PW X", "PWP X",
                                     "DCK", "PR K", "PW K", "PWP K", "PSPN K", "PP X", "PSTN X",
                                     "SHWPU X", "ShN", "-N", "K-N", "PRBB K", "PW-60 K", "PWBB K"}));
        QCOMPARE(rec.count(), 0);
        QCOMPARE(clampPanelModelText(24), QString());
        QCOMPARE(clampPanelModelText(-1), QString());
        QCOMPARE(rec.count(), 2);
    }

    void panelTypes()
    {
        QCOMPARE(int(sizeof(clampPanelTypes) / sizeof(clampPanelTypes[0])), 27);
        QCOMPARE(clampPanelTypes[0].count, 0);
        QCOMPARE(modelsOf(1), (QList<int>{0, 19}));
        QCOMPARE(modelsOf(3), (QList<int>{20, 2}));
        QCOMPARE(modelsOf(11), QList<int>{10});
        QCOMPARE(modelsOf(19), QList<int>{18});
        QCOMPARE(modelsOf(20), QList<int>{21});
        QCOMPARE(modelsOf(23), QList<int>{20});
        QCOMPARE(modelsOf(24), (QList<int>{6, 20}));
        QCOMPARE(modelsOf(26), QList<int>{19});
        for (int t = 1; t < clampPanelTypeCount; ++t) {
            QVERIFY(clampPanelTypes[t].count >= 1);
            for (int m : modelsOf(t))
                QVERIFY(m >= 0 && m < clampPanelModelCount);
        }
    }
};

QTEST_MAIN(TestClampCatalogue)
#include "tst_clampcatalogue.moc"
