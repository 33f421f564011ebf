#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "model/datastream.h"
#include "model/project.h"
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

    void stripTypesAndClampNames()
    {
        ModalRecorder rec;
        QCOMPARE(int(std::size(clampStripTypes)), 10);
        QCOMPARE(int(std::size(clampNameList)), 73);
        QStringList names;
        QList<int> counts;
        for (int s = 0; s < clampStripTypeCount; ++s) {
            names << clampStripTypeName(s);
            counts << clampStripTypes[s].clampCount;
        }
        QCOMPARE(names, (QStringList{"2", "3", "8", "PK-8-69", "20", "14", "64", "6", "50", "30"}));
        QCOMPARE(counts, (QList<int>{2, 3, 8, 16, 20, 14, 64, 6, 50, 30}));
        QCOMPARE(clampStripTypes[2].maxWires, 6);
        QCOMPARE(clampStripTypes[3].maxWires, 4);
        QCOMPARE(QString(clampStripClampName(0, 1)), QString("3"));
        QCOMPARE(QString(clampStripClampName(6, 0)), QString("01"));
        QCOMPARE(QString(clampStripClampName(6, 63)), QString("64"));
        QCOMPARE(QString(clampStripClampName(8, 49)), QString("50"));
        QCOMPARE(clampStripClampName(4, 20), nullptr);

        // Every name once; every clamp of every strip is in the list.
        QCOMPARE(QString(clampNameList[20]) + clampNameList[29] + clampNameList[72], QString("0121" "64"));
        QCOMPARE(QSet<QString>(std::begin(clampNameList), std::end(clampNameList)).size(), 73);
        for (const ClampStripType &strip : clampStripTypes)
            for (int i = 0; i < strip.clampCount; ++i)
                QVERIFY(strip.clampNames[i] < 73);
        QCOMPARE(clampNameIndex("01"), 20);
        QCOMPARE(clampNameAt(72), clampNameList[72]);
        QCOMPARE(clampNameAt(73), nullptr);
        QCOMPARE(rec.count(), 0);
    }

    void lookups()
    {
        ModalRecorder rec;
        QCOMPARE(clampPanelModelPlaceText(3), QString("PR X"));
        QCOMPARE(QString(clampNameOf(10, "07")), QString("07"));
        QCOMPARE(clampNameOf(10, "7"), nullptr);
        QCOMPARE(clampNameOf(0, "3"), clampNameList[2]);
        QCOMPARE(clampStripTypeFromText(0, "30"), 9);
        QCOMPARE(clampStripTypeFromText(0, "50"), -1);
        QVERIFY(clampPanelTypeHasModel(3, 2));
        QVERIFY(!clampPanelTypeHasModel(3, 0));
        QCOMPARE(defaultClampPanelModel(24), 6);

        // A name parses back to the first model row that accepts it.
        bool ok = true;
        int model = 0;
        parseClampPanelName(QString(), nullptr, &ok, &model);
        QVERIFY(!ok);
        QCOMPARE(model, -1);
        const Address top = parseClampPanelName("12V21", nullptr, &ok, &model);
        QVERIFY(ok);
        QCOMPARE(model, 0);
        QCOMPARE(top.number(0), 12);
        QCOMPARE(top.number(1), 21);
        parseClampPanelName("K12V21", nullptr, &ok, &model);
        QCOMPARE(model, 6);
        const int cross = 4;
        parseClampPanelName("12V21", &cross, &ok, &model);
        QVERIFY(!ok);
        QCOMPARE(rec.count(), 0);

        // Bad indices fail their check and answer the empty value.
        QCOMPARE(clampStripTypeName(10), QString());
        QCOMPARE(clampNameIndex("65"), -1);
        QCOMPARE(defaultClampPanelModel(0), -1);
        QCOMPARE(rec.count(), 3);
    }

    void panelRecord()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        auto *panel = dynamic_cast<ClampPanel *>(project.createDevice(ClampPanelKind));
        QVERIFY(panel);
        QCOMPARE(panel->kind(), 203);
        QCOMPARE(panel->stripType(), -1);
        QCOMPARE(panel->placeType(), -1);
        QVERIFY(!panel->setModelAndStripType(24, 0));
        QVERIFY(!panel->setModelAndStripType(0, 10));
        QCOMPARE(rec.count(), 2);
        QCOMPARE(panel->modelIndex(), -1);

        // Saved without a strip type, read back without one.
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            panel->writeData(out);
        }
        QCOMPARE(bytes.toHex(), QByteArray("ffffffffff"));
        ClampPanel none(&project);
        DataStream in(&bytes, QIODevice::ReadOnly);
        none.setModelAndStripType(0, 0);
        none.readData(in);
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(none.stripType(), -1);
        QCOMPARE(none.clampCount(), 0);

        QVERIFY(panel->setModelAndStripType(7, 5));
        QVERIFY(panel->setName("12N21"));
        QCOMPARE(panel->modelName(), QString("14"));
        QCOMPARE(panel->baseName(), QString("N21"));
        QCOMPARE(panel->placeType(), 126);
        QCOMPARE(panel->clampCount(), 14);
        bytes.clear();
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            panel->writeData(out);
        }
        QCOMPARE(bytes.toHex(), QByteArray("0000000705"));

        // A strip type outside the table is a damaged record.
        bytes[4] = 10;
        ClampPanel damaged(&project);
        DataStream bad(&bytes, QIODevice::ReadOnly);
        damaged.readData(bad);
        QCOMPARE(bad.status(), QDataStream::ReadCorruptData);
        QCOMPARE(damaged.stripType(), -1);
        QCOMPARE(rec.count(), 2);
    }
};

QTEST_MAIN(TestClampCatalogue)
#include "tst_clampcatalogue.moc"
