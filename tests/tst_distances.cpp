#include "equipment/equipmentmenager.h"
#include "equipment/equipmentscheme.h"
#include "model/project.h"
#include "support/modalrecorder.h"

#include <QtTest>

class TestDistances : public QObject
{
    Q_OBJECT

private slots:
    void lookupUnderEitherOrderWithoutBox();
    void metresFromMillimetres();
};

void TestDistances::lookupUnderEitherOrderWithoutBox()
{
    Project p(nullptr, nullptr);
    ModalRecorder rec;
    EquipmentScheme *scheme = p.equipment()->equipmentScheme();
    EquipmentScheme::DistanceTable table;
    table[0x000102][0x000101] = 7;
    table[0x000103][0x000101] = 0;
    scheme->setDistances(table);
    QCOMPARE(scheme->distance(0x000101, 0x000102), 7u);
    QVERIFY(scheme->distanceError(0x000101, 0x000102).isEmpty());
    // Missing, stored as 0 and the same frame twice: 0, and no box from
    // the lookup, which painters call.
    QCOMPARE(scheme->distance(0x000101, 0x000104), 0u);
    QCOMPARE(scheme->distance(0x000101, 0x000103), 0u);
    QCOMPARE(scheme->distance(0x000101, 0x000101), 0u);
    QCOMPARE(rec.count(), 0);
    QCOMPARE(scheme->distanceError(0x000103, 0x000101),
             QString("Distance not correct between 13- and 11- frame!"));
}

void TestDistances::metresFromMillimetres()
{
    Project p(nullptr, nullptr);
    EquipmentScheme *scheme = p.equipment()->equipmentScheme();
    EquipmentScheme::DistanceTable table;
    const quint32 stored[] = {499, 500, 1000, 1001, 2500};
    for (int i = 0; i < 5; ++i)
        table[0x000100][0x000101 + i] = stored[i];
    scheme->setDistances(table);
    const quint32 metres[] = {499, 1, 1, 2, 3};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(scheme->distanceBetween(0x000101 + i, 0x000100), metres[i]);
}

QTEST_MAIN(TestDistances)
#include "tst_distances.moc"
