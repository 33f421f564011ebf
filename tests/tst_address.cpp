#include "devices/clampcatalogue.h"
#include "model/address.h"
#include "model/addresstables.h"
#include "support/modalrecorder.h"

#include <QComboBox>
#include <QtTest>

#include <algorithm>

namespace {

// Row 1, frame 2 of a "Basic" frame, place "Top" 3/5, position 4.
Address basicTop(bool positionShown)
{
    Address a = Address::fromPlaceKind(0);
    a.setNumber(12, false);
    a.setNumber(35, true);
    a.setField(5, 4);
    a.setHasField5(positionShown);
    return a;
}

QList<int> bytesOf(const Address &a)
{
    QList<int> out;
    for (int i = 0; i < 7; ++i)
        out << a.field(i);
    return out;
}

} // namespace

class TestAddress : public QObject
{
    Q_OBJECT

private slots:
    void defaultAddress()
    {
        ModalRecorder rec;
        Address a;
        QCOMPARE(bytesOf(a), (QList<int>{0, 0, 0, 0, 0, 0, 0}));
        QVERIFY(!a.hasField5());
        QVERIFY(a.padWithZero());
        QVERIFY(!a.hasPlaceKind());
        QCOMPARE(a.suffixKind(), -1);
        QCOMPARE(a.toString(1), QString("-"));
        QCOMPARE(a.toString(0), QString("-"));
        QCOMPARE(a.toString(3), QString());
        QCOMPARE(a.toString(4), QString());
        QCOMPARE(a.toString(5), QString());
        QCOMPARE(rec.count(), 0);

        QCOMPARE(a.toString(2), QString());
        QCOMPARE(a.toString(6), QString());
        QCOMPARE(a.toString(-1), QString());
        QCOMPARE(rec.count(), 3);
        QVERIFY(rec.shown[0].text.startsWith("In file model/address.cpp, line "));
    }

    void wholeText()
    {
        ModalRecorder rec;
        Address a = basicTop(true);
        QCOMPARE(a.toString(1), QString("12V35-4"));
        QCOMPARE(a.toString(0), QString("V35-4"));
        QCOMPARE(a.toString(3), QString("35-4"));
        QCOMPARE(a.toString(4), QString("5-4"));
        QCOMPARE(a.toString(5), QString("4"));

        a.setHasField5(false);
        QCOMPARE(a.toString(1), QString("12V35"));
        QCOMPARE(a.toString(5), QString());

        // The second prefix opens only the text from field 1.
        a.setFrameKind(4);
        QCOMPARE(a.toString(1), QString("K12V35"));
        QCOMPARE(a.toString(0), QString("V35"));

        // A place kind with the frame prefix.
        Address p = Address::fromPlaceKind(6);
        p.setFrameKind(1);
        p.setNumber(3, false);
        QVERIFY(p.setNumber(7, true));
        QCOMPARE(p.toString(1), QString("3PR X7"));
        QCOMPARE(rec.count(), 0);
    }

    void frameNumberDigits()
    {
        Address a;
        a.setNumber(10, false);
        QCOMPARE(a.field(1), quint8(1));
        QCOMPARE(a.field(2), quint8(0));
        QCOMPARE(a.toString(1), QString("1-"));
        QCOMPARE(a.numberText(0), QString("10"));
        QCOMPARE(a.number(0), 10);
        QCOMPARE(Address::frameCodeText(a.packedFrameCode(), false), QString("10"));
        QCOMPARE(Address::frameCodeText(a.packedFrameCode(), true), QString("10-"));

        // Frame number 0 still prints in the number text.
        Address c;
        c.setFrameKind(15);
        QCOMPARE(c.numberText(0), QString("Sh0"));
        QCOMPARE(Address::frameCodeText(c.packedFrameCode(), true), QString("Sh-"));
    }

    void fieldTexts()
    {
        ModalRecorder rec;
        Address a;
        a.setField(3, 3);
        a.setField(4, 7);
        QCOMPARE(a.fieldText(3), QString("03"));
        a.setPadWithZero(false);
        QCOMPARE(a.fieldText(3), QString("3"));
        a.setField(3, 12);
        a.setPadWithZero(true);
        QCOMPARE(a.fieldText(3), QString("12"));
        a.setField(4, 0);
        QCOMPARE(a.fieldText(4), QString());

        Address p = Address::fromPlaceKind(0);
        QCOMPARE(p.fieldText(4), QString("00"));
        QCOMPARE(p.toString(1), QString("V00"));
        QCOMPARE(rec.count(), 0);
        QCOMPARE(p.fieldText(6), QString());
        QCOMPARE(rec.count(), 1);
    }

    void suffixKinds()
    {
        Address r = Address::fromSuffixKind(0);
        r.setField(4, 2);
        QCOMPARE(r.fieldText(4), QString("R2"));

        Address kl = Address::fromSuffixKind(9);
        kl.setField(3, 3);
        QCOMPARE(kl.fieldText(3), QString("03KL"));
        kl.setPadWithZero(false);
        QCOMPARE(kl.fieldText(3), QString("3KL"));

        // The suffix stands also when its field prints nothing.
        Address n = Address::fromSuffixKind(5);
        QCOMPARE(n.fieldText(3), QString("N"));
        QCOMPARE(n.toString(3), QString("N"));

        QCOMPARE(Address::suffixKindName(2), QString("SH"));
        QCOMPARE(Address::suffixKindName(10), QString());
        QCOMPARE(Address::suffixKindName(12), QString("V"));
    }

    void kindByte()
    {
        ModalRecorder rec;
        Address a = Address::fromPlaceKind(18);
        QCOMPARE(a.field(6), quint8(0x80 | 18));
        QCOMPARE(a.placeKind(), 18);
        QCOMPARE(a.suffixKind(), -1);
        a.setSuffixKind(12);
        QCOMPARE(a.field(6), quint8(0x40 | 12));
        QVERIFY(!a.hasPlaceKind());
        QCOMPARE(a.suffixKind(), 12);
        a.setSuffixKind(-1);
        QCOMPARE(a.field(6), quint8(0));
        QCOMPARE(Address::fromSuffixKind(-1).field(6), quint8(0));
        QCOMPARE(rec.count(), 0);

        // Out of range: a failed check and nothing changes.
        QCOMPARE(Address::fromPlaceKind(19).field(6), quint8(0));
        QCOMPARE(Address::fromSuffixKind(13).field(6), quint8(0));
        a.setPlaceKind(3);
        a.setPlaceKind(-1);
        a.setFrameKind(19);
        QCOMPARE(a.placeKind(), 3);
        QCOMPARE(a.frameKind(), 0);
        QCOMPARE(rec.count(), 4);
        QCOMPARE(Address().placeKind(), 0);
        QCOMPARE(rec.count(), 5);
    }

    void rawFields()
    {
        ModalRecorder rec;
        Address src;
        for (int i = 0; i < 7; ++i)
            src.setField(i, quint8(i + 1));
        src.setHasField5(true);
        src.setPadWithZero(false);

        Address a;
        a.copyFields(src, 2, false);
        QCOMPARE(bytesOf(a), (QList<int>{1, 2, 3, 0, 0, 0, 0}));
        QVERIFY(a.padWithZero());
        a.copyFields(src, 6, true);
        QCOMPARE(bytesOf(a), bytesOf(src));
        QVERIFY(a.hasField5());
        QVERIFY(!a.padWithZero());
        QCOMPARE(rec.count(), 0);

        // A bad field count copies no field, but still the flags.
        Address b;
        b.copyFields(src, 7, true);
        QCOMPARE(bytesOf(b), bytesOf(Address()));
        QVERIFY(b.hasField5());
        QCOMPARE(b.field(7), quint8(0));
        b.setField(7, 1);
        b.setField(-1, 1);
        QVERIFY(b.hasField5());
        QCOMPARE(rec.count(), 4);
    }

    void placeNumbers()
    {
        ModalRecorder rec;
        Address top = Address::fromPlaceKind(0);
        QVERIFY(top.setNumber(312, true));
        QCOMPARE(top.field(3), quint8(3));
        QCOMPARE(top.field(4), quint8(12));
        QCOMPARE(top.number(1), 312);
        QVERIFY(top.setNumber(35, true));
        QCOMPARE(top.field(3), quint8(3));
        QCOMPARE(top.field(4), quint8(5));
        QCOMPARE(top.number(1), 35);
        QVERIFY(!top.setNumber(313, true));
        QVERIFY(!top.setNumber(10, true));
        QCOMPARE(top.number(1), 35);
        QVERIFY(top.setNumber(0, true));
        QCOMPARE(top.field(3), quint8(0));
        QCOMPARE(top.field(4), quint8(0));

        Address bottom = Address::fromPlaceKind(2);
        QVERIFY(!bottom.setNumber(100, true));
        QVERIFY(bottom.setNumber(110, true));
        QCOMPARE(bottom.field(3), quint8(1));
        QCOMPARE(bottom.field(4), quint8(10));
        QCOMPARE(bottom.number(1), 110);
        QVERIFY(bottom.setNumber(1010, true));
        QCOMPARE(bottom.field(3), quint8(10));
        QCOMPARE(bottom.field(4), quint8(10));
        QVERIFY(!bottom.setNumber(1011, true));
        QVERIFY(bottom.setNumber(57, true));
        QCOMPARE(bottom.number(1), 57);

        Address side = Address::fromPlaceKind(1);
        QVERIFY(side.setNumber(12, true));
        QCOMPARE(side.field(3), quint8(1));
        QCOMPARE(side.field(4), quint8(12));
        QCOMPARE(side.number(1), 12);
        QCOMPARE(side.fieldText(3), QString());
        QCOMPARE(side.toString(1), QString("B12"));
        QVERIFY(!side.setNumber(13, true));

        // The case's places always split at the last digit.
        Address hzhda = Address::fromPlaceKind(15);
        QVERIFY(hzhda.setNumber(166, true));
        QCOMPARE(hzhda.field(3), quint8(16));
        QCOMPARE(hzhda.field(4), quint8(6));
        QCOMPARE(hzhda.number(1), 166);
        QCOMPARE(rec.count(), 0);

        // Without a place kind there is no place number.
        Address none;
        QVERIFY(!none.setNumber(35, true));
        QCOMPARE(none.number(1), 0);
        QCOMPARE(rec.count(), 2);
    }

    void placeNumbersThatWouldReadBackOtherwise()
    {
        // These would be stored as the bytes of another place number.
        Address top = Address::fromPlaceKind(0);
        QVERIFY(top.setNumber(35, true));
        QVERIFY(!top.setNumber(305, true));
        QVERIFY(!top.setNumber(300, true));
        QCOMPARE(top.number(1), 35);
        QVERIFY(top.setNumber(310, true));

        Address bottom = Address::fromPlaceKind(17);
        QVERIFY(bottom.setNumber(210, true));
        QVERIFY(!bottom.setNumber(120, true));
        QVERIFY(!bottom.setNumber(1000, true));
        QCOMPARE(bottom.number(1), 210);
        QCOMPARE(bottom.toString(1), QString("-N210"));
    }

    void numberTexts()
    {
        Address a = basicTop(false);
        QCOMPARE(a.numberText(0), QString("12"));
        QCOMPARE(a.numberText(1), QString("35"));

        Address b;
        b.setField(3, 2);
        b.setField(4, 5);
        QCOMPARE(b.numberText(1), QString("025"));
        b.setPadWithZero(false);
        QCOMPARE(b.numberText(1), QString("25"));
        b.setField(3, 1);
        b.setField(4, 12);
        QCOMPARE(b.numberText(1), QString("112"));

        Address k;
        k.setFrameKind(4);
        k.setNumber(21, false);
        QCOMPARE(k.numberText(0), QString("K21"));
    }

    void frameCodes()
    {
        ModalRecorder rec;
        Address a = basicTop(true);
        QCOMPARE(a.packedFrameCode(), quint32(0x000102));
        QCOMPARE(Address::frameCode(12, 0), quint32(0x000102));
        QCOMPARE(Address::frameCode(999, 18), quint32(0x126309));
        QCOMPARE(Address::frameNumberOfCode(0x126309), 999);
        QCOMPARE(Address::frameCodeText(a.packedFrameCode(), false), QString("12"));
        QCOMPARE(Address::frameCodeText(a.packedFrameCode(), true), QString("12-"));
        QCOMPARE(Address::frameCodeText(Address::frameCode(12, 4), false), QString("K12"));
        QCOMPARE(Address::frameCodeText(Address::frameCode(3, 1), false), QString("3PR "));
        QCOMPARE(Address::frameCodeText(Address::frameCode(3, 1), true), QString("3PR "));

        Address b;
        b.setPackedFrameCode(0x0b0507);
        QCOMPARE(b.frameKind(), 11);
        QCOMPARE(b.number(0), 57);
        QCOMPARE(b.packedFrameCode(), Address::frameCode(57, 11));
        QCOMPARE(rec.count(), 0);

        QCOMPARE(Address::frameCode(12, 19), quint32(0));
        QCOMPARE(Address::frameCodeText(0x130000, true), QString());
        QCOMPARE(rec.count(), 2);
    }

    void framesOrderByKindRowFrame()
    {
        // Frame codes sort by frame kind, then row, then frame.
        QList<quint32> codes;
        for (int kind : {4, 0, 2})
            for (int number : {21, 3, 12, 120})
                codes << Address::frameCode(number, kind);
        std::sort(codes.begin(), codes.end());
        QStringList texts;
        for (quint32 code : codes)
            texts << QString::number(code >> 16) + ":" + QString::number(Address::frameNumberOfCode(code));
        QCOMPARE(texts, (QStringList{"0:3", "0:12", "0:21", "0:120", "2:3", "2:12", "2:21", "2:120",
                                     "4:3", "4:12", "4:21", "4:120"}));

        // Two addresses lie in one frame when their codes are equal.
        Address x = basicTop(true);
        Address y = Address::fromSuffixKind(3);
        y.setNumber(12, false);
        QCOMPARE(x.packedFrameCode(), y.packedFrameCode());
        QVERIFY(x != y);
    }

    void equalityAndAdjacency()
    {
        // Equality ignores the two flag bytes.
        Address a = basicTop(true);
        Address b = basicTop(false);
        b.setPadWithZero(false);
        QVERIFY(a == b);
        b.setSuffixKind(1);
        QVERIFY(a != b);

        bool lower = false;
        QVERIFY(Address::areAdjacent(4, 5, &lower) && lower);
        QVERIFY(Address::areAdjacent(5, 4, &lower) && !lower);
        lower = true;
        QVERIFY(!Address::areAdjacent(4, 6, &lower) && lower);
    }

    void relativeText()
    {
        Address a = basicTop(true);

        // Same address.
        QCOMPARE(a.textRelativeTo(a), QString("V35-4"));
        QCOMPARE(Address().textRelativeTo(Address()), QString());

        // Another frame.
        Address otherFrame = a;
        otherFrame.setNumber(13, false);
        QCOMPARE(a.textRelativeTo(otherFrame), QString("12V35-4"));
        otherFrame = a;
        otherFrame.setFrameKind(4);
        QCOMPARE(a.textRelativeTo(otherFrame), QString("12V35-4"));

        // Same frame, this one with a place kind.
        Address otherPlace = a;
        otherPlace.setField(5, 7);
        QCOMPARE(a.textRelativeTo(otherPlace), QString("V35-4"));

        // Only the other has a place kind.
        Address plain;
        plain.setNumber(12, false);
        plain.setField(3, 4);
        plain.setField(4, 2);
        QCOMPARE(plain.textRelativeTo(a), QString("042"));

        // Neither has a place or suffix kind: from the first differing field.
        Address p1 = plain;
        p1.setField(5, 1);
        p1.setHasField5(true);
        Address p2 = p1;
        p2.setField(5, 2);
        QCOMPARE(p1.textRelativeTo(p2), QString("1"));
        p2 = p1;
        p2.setField(4, 9);
        QCOMPARE(p1.textRelativeTo(p2), QString("2-1"));

        // A suffix kind on field 3 widens the text to that field.
        Address s1 = p1;
        s1.setSuffixKind(9);
        Address s2 = s1;
        s2.setField(4, 9);
        QCOMPARE(s1.textRelativeTo(s2), QString("04KL2-1"));
        // Only the other one's suffix field counts as well.
        QCOMPARE(p1.textRelativeTo(s1), QString("042-1"));
        // A suffix on field 4 with a difference in field 5.
        Address r1 = p1;
        r1.setSuffixKind(0);
        Address r2 = r1;
        r2.setField(5, 3);
        QCOMPARE(r1.textRelativeTo(r2), QString("R2-1"));
    }

    void parsing()
    {
        ModalRecorder rec;
        bool ok = false;
        Address a = Address::fromText(0, 0, "12V35", &ok);
        QVERIFY(ok);
        Address expected = basicTop(false);
        expected.setField(5, 0);
        QVERIFY(a == expected);
        QCOMPARE(a.toString(1), QString("12V35"));

        // Without frame number, without place number, with place 0.
        a = Address::fromText(0, 0, "V35", &ok);
        QVERIFY(ok);
        QCOMPARE(a.number(0), 0);
        QCOMPARE(a.number(1), 35);
        a = Address::fromText(0, 0, "7V", &ok);
        QVERIFY(ok);
        QCOMPARE(a.number(0), 7);
        QCOMPARE(a.number(1), 0);
        a = Address::fromText(0, 0, "7V0", &ok);
        QVERIFY(ok);
        QCOMPARE(a.number(1), 0);

        // Failures.
        a = Address::fromText(0, 0, "12B35", &ok);
        QVERIFY(!ok);
        QVERIFY(a == Address());
        Address::fromText(0, 0, "12V35-4", &ok);
        QVERIFY(!ok);
        Address::fromText(0, 0, "12V313", &ok);
        QVERIFY(!ok);
        Address::fromText(0, 0, "x2V35", &ok);
        QVERIFY(!ok);
        Address::fromText(0, 0, "12V99999999999", &ok);
        QVERIFY(!ok);

        // The cross frame needs its leading "K".
        Address::fromText(4, 0, "12V35", &ok);
        QVERIFY(!ok);
        a = Address::fromText(4, 0, "K12V35", &ok);
        QVERIFY(ok);
        QCOMPARE(a.frameKind(), 4);
        QCOMPARE(a.toString(1), QString("K12V35"));

        // The place text holds the frame prefix.
        a = Address::fromText(6, 7, "3PW X15", &ok);
        QVERIFY(ok);
        QCOMPARE(a.number(0), 3);
        QCOMPARE(a.number(1), 15);
        QCOMPARE(rec.count(), 0);

        // Bad kinds are a failed check, ok false.
        ok = true;
        Address::fromText(19, 0, "12V35", &ok);
        QVERIFY(!ok);
        QCOMPARE(rec.count(), 1);
        // ok may be left out.
        Address::fromText(0, 0, "12V35", nullptr);
    }

    void textRoundTrip()
    {
        // Every place kind in a frame kind: the text parses back.
        for (int frameKind = 0; frameKind < frameKindCount; ++frameKind) {
            for (int placeKind = 0; placeKind < placeKindCount; ++placeKind) {
                const int value = placeKindTable[placeKind].max;
                Address a = Address::fromPlaceKind(placeKind);
                a.setFrameKind(frameKind);
                a.setNumber(57, false);
                QVERIFY(a.setNumber(value, true));
                bool ok = false;
                Address b = Address::fromText(frameKind, placeKind, a.toString(1), &ok);
                QVERIFY2(ok, qPrintable(a.toString(1)));
                QVERIFY2(a == b, qPrintable(a.toString(1)));
            }
        }
    }

    void tableTexts()
    {
        ModalRecorder rec;
        QCOMPARE(Address::frameKindName(0), QString("Basic"));
        QCOMPARE(Address::frameKindName(18), QString("Power PWBB K"));
        QCOMPARE(Address::frameKindSecondPrefix(4), QString("K"));
        QCOMPARE(Address::frameKindSecondPrefix(15), QString("Sh"));
        QCOMPARE(Address::frameKindSecondPrefix(0), QString());
        QCOMPARE(Address::frameKindPrefix(17), QString("PW-60 "));
        QCOMPARE(Address::placeKindText(0, 0), QString("V"));
        QCOMPARE(Address::placeKindText(1, 6), QString("PR X"));
        QCOMPARE(Address::placeKindText(16, 18), QString("PRBB K"));
        QCOMPARE(Address::placeKindText(4, 17), QString("-N"));
        QCOMPARE(Address::placeKindMax(2), 1010);
        QCOMPARE(Address::placeKindMax(14), 32);
        QCOMPARE(Address::frameKindListEntry(0, 1), 26);
        QCOMPARE(Address::frameKindListEntry(4, 2), 24);
        QCOMPARE(Address::frameKindListEntry(18, 0), 22);
        QCOMPARE(rec.count(), 0);

        QCOMPARE(Address::frameKindName(19), QString());
        QCOMPARE(Address::frameKindPrefix(-1), QString());
        QCOMPARE(Address::suffixKindName(13), QString());
        QCOMPARE(Address::placeKindText(19, 0), QString());
        QCOMPARE(Address::placeKindText(0, 19), QString());
        QCOMPARE(Address::placeKindMax(19), 0);
        QCOMPARE(Address::frameKindListEntry(4, 3), 0);
        QCOMPARE(Address::frameKindListEntry(0, -1), 0);
        QCOMPARE(rec.count(), 8);
    }

    void tables()
    {
        QCOMPARE(int(sizeof(frameKindTable) / sizeof(frameKindTable[0])), 19);
        QCOMPARE(int(sizeof(placeKindTable) / sizeof(placeKindTable[0])), 19);
        QCOMPARE(int(sizeof(suffixKindTable) / sizeof(suffixKindTable[0])), 13);

        QCOMPARE(QString(frameKindTable[14].prefix), QString("SHWPU "));
        QVERIFY(!frameKindTable[18].secondPrefix);

        // Every frame kind names clamp-panel types 4 to 26, never 1, 2, 3, 11.
        QList<int> named;
        for (const FrameKindRow &row : frameKindTable)
            for (int i = 0; i < row.clampPanelTypeCount; ++i)
                named << row.clampPanelTypes[i];
        std::sort(named.begin(), named.end());
        QList<int> expected;
        for (int t = 4; t <= 26; ++t)
            if (t != 11)
                expected << t;
        QCOMPARE(named, expected);

        QCOMPARE(QString(placeKindTable[0].name), QString("Top"));
        QCOMPARE(placeKindTable[0].min, 11);
        QCOMPARE(placeKindTable[9].max, 64);
        const PlaceKindRow &last = placeKindTable[18];
        QCOMPARE(QString(last.name), QString("Power PRBB PW-60 PWBB K"));
        QVERIFY(last.framePrefix && last.twoParts);
        QCOMPARE(last.max, 512);
        QList<int> groups;
        for (const PlaceKindRow &row : placeKindTable)
            groups << row.group;
        QCOMPARE(groups, (QList<int>{1, 2, 3, 1, 1, 1, 2, 2, 2, 1, 2, 2, 2, 2, 2, 1, 1, 3, 1}));

        QCOMPARE(QString(suffixKindTable[0].text), QString("R"));
        QCOMPARE(suffixKindTable[12].field, 3);
        QVERIFY(suffixKindTable[12].before);
    }

    void clampPanelModelCombo()
    {
        ModalRecorder rec;
        QComboBox combo;
        fillClampPanelModelCombo(4, &combo);
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.itemText(0), QString("KV"));
        QCOMPARE(combo.itemText(1), QString("K-N"));
        QCOMPARE(combo.itemText(2), QString("KV, K-N"));
        QCOMPARE(combo.itemData(2).toInt(), 2);

        combo.clear();
        fillClampPanelModelCombo(5, &combo);
        QCOMPARE(combo.count(), 1);
        QCOMPARE(combo.itemText(0), QString("N RC"));
        QCOMPARE(combo.itemData(0).toInt(), 0);

        combo.clear();
        fillClampPanelModelCombo(0, &combo);
        QCOMPARE(combo.itemText(0), QString("V"));
        QCOMPARE(combo.itemText(1), QString("-N"));
        QCOMPARE(combo.itemData(1).toInt(), 1);
        QCOMPARE(rec.count(), 0);

        combo.clear();
        fillClampPanelModelCombo(19, &combo);
        fillClampPanelModelCombo(0, nullptr);
        QCOMPARE(combo.count(), 0);
        QCOMPARE(rec.count(), 2);
    }
};

QTEST_MAIN(TestAddress)
#include "tst_address.moc"
