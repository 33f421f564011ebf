#include "devices/relaycatalogue.h"
#include "graphics/font.h"
#include "support/modalrecorder.h"

#include <QFontMetricsF>
#include <QSet>
#include <QtTest>

namespace {

const QChar lineSeparator(0x2028);

// Names as texts; a null name becomes "<none>" so that it cannot pass for
// an empty one.
QStringList texts(const char *const *names, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << (names[i] ? QString::fromLatin1(names[i]) : QStringLiteral("<none>"));
    return list;
}

QStringList texts(const QList<const char *> &names)
{
    return texts(names.constData(), int(names.size()));
}

QStringList windingPins(int type, int winding)
{
    const RelayDescriptor *w = relayWinding(type, winding);
    return w ? texts(w->pins, w->pinCount) : QStringList();
}

QStringList contactNames(int type, int winding, int contact)
{
    const ContactSet *c = relayContact(type, winding, contact);
    return c ? texts(c->names, contactKinds[c->kind].pinCount) : QStringList();
}

QStringList variantNames(int type, int winding, int variant)
{
    const WindingVariant *v = relayVariant(type, winding, variant);
    return v ? texts(v->names, v->nameCount) : QStringList();
}

QList<int> variantRuns(int type, int winding, int variant)
{
    QList<int> runs;
    const WindingVariant *v = relayVariant(type, winding, variant);
    for (int i = 0; v && i < v->runCount; ++i)
        runs << v->runs[i];
    return runs;
}

QList<int> contactKindsOf(int type, int winding)
{
    QList<int> kinds;
    const RelayDescriptor *w = relayWinding(type, winding);
    for (int i = 0; w && i < w->contactCount; ++i)
        kinds << w->contacts[i].kind;
    return kinds;
}

QList<int> variantKindsOf(int type, int winding)
{
    QList<int> kinds;
    const RelayDescriptor *w = relayWinding(type, winding);
    for (int i = 0; w && i < w->variantCount; ++i)
        kinds << w->variants[i].kind;
    return kinds;
}

int typeIndex(const char *name)
{
    for (int i = 0; i < RelayTypeCount; ++i) {
        if (qstrcmp(relayTypes[i].name, name) == 0)
            return i;
    }
    return -1;
}

QString withoutBreaks(QString text)
{
    return text.remove(lineSeparator);
}

} // namespace

class TestRelayCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    void contactKindTable()
    {
        const char *ids[] = {"NOBREAK",   "INTENSIV", "MAGNET",       "INTENSIV_F",  "POLAR_MAGNET",
                             "INTENSIV_T", "POLAR_INTENSIV", "NEUTRAL", "POLARIZED", "NEUTRAL_F",
                             "THERMO",    "NEUTRAL_T", "INTENSIV_FUT", "INTENSIV_FTU"};
        const char *labels[] = {"FT(BP)", "FUTU", "FT(MG)", "FU", "NP(MG)", "TU",  "NUPU",
                                "FT",     "NP",   "F",      "FT(TK)", "T", "FUT", "FTU"};
        const int pins[] = {3, 3, 3, 2, 3, 2, 3, 3, 3, 2, 5, 2, 3, 3};
        QCOMPARE(int(ContactKindCount), 14);
        for (int code = 0; code < ContactKindCount; ++code) {
            QCOMPARE(contactKinds[code].id, ids[code]);
            QCOMPARE(contactKinds[code].label, labels[code]);
            QCOMPARE(contactKinds[code].pinCount, pins[code]);
            QCOMPARE(contactKindId(code), QString(ids[code]));
            QCOMPARE(contactKindLabel(code), QString(labels[code]));
            QCOMPARE(contactKindPinCount(code), pins[code]);
        }
        QVERIFY(!contactKinds[ContactKindCount].id && !contactKinds[ContactKindCount].label);
        QCOMPARE(contactKinds[ContactKindCount].pinCount, 0);
    }

    void typeCountsAndGroups()
    {
        QCOMPARE(int(RelayTypeCount), 116);
        const RelayType &end = relayTypes[RelayTypeCount];
        QVERIFY(!end.name && !end.windings);
        QCOMPARE(end.windingCount + end.placeType + end.positionCode, 0);

        QSet<const RelayDescriptor *> descriptors;
        QSet<const ContactSet *> contactLists;
        QSet<const WindingVariant *> variantLists;
        QSet<QString> names;
        QStringList twoWindings;
        for (int i = 0; i < RelayTypeCount; ++i) {
            const RelayType &t = relayTypes[i];
            names.insert(QString::fromLatin1(t.name));
            descriptors.insert(t.windings);
            for (int w = 0; w < t.windingCount; ++w) {
                contactLists.insert(t.windings[w].contacts);
                variantLists.insert(t.windings[w].variants);
            }
            if (t.windingCount == 2)
                twoWindings << QString::fromLatin1(t.name);
        }
        QCOMPARE(names.size(), 116);
        QCOMPARE(descriptors.size(), 64);
        QCOMPARE(contactLists.size(), 33);
        QCOMPARE(variantLists.size(), 34);
        QCOMPARE(twoWindings, QStringList({"D3-2700", "D3-3,5", "D3M-600", "TSH-65V", "TSH-65V2M",
                                           "TSH-2000V", "TSH-2000V2M"}));

        // Rows that share one descriptor array.
        const auto group = [](int type) {
            QList<int> rows;
            for (int i = 0; i < RelayTypeCount; ++i) {
                if (relayTypes[i].windings == relayTypes[type].windings)
                    rows << i;
            }
            return rows;
        };
        QCOMPARE(group(0), QList<int>({0, 1, 2}));
        QCOMPARE(group(3), QList<int>({3, 4, 5, 6}));
        QCOMPARE(group(28), QList<int>({28, 29, 31}));
        QCOMPARE(group(30), QList<int>({30, 32, 33, 34}));
        QCOMPARE(group(35), QList<int>({35, 36, 37, 38, 39}));
        QCOMPARE(group(52), QList<int>({52, 53, 54, 55, 57}));
        QCOMPARE(group(98), QList<int>({98, 99, 100, 101, 102, 103}));
        QCOMPARE(group(111), QList<int>({111, 112, 113, 114}));
        QCOMPARE(group(115), QList<int>({115}));
        // The two ASSH2 rows have arrays of their own with equal content.
        QCOMPARE(group(66), QList<int>({66}));
        QCOMPARE(group(68), QList<int>({68}));
        QCOMPARE(windingPins(66, 0), windingPins(68, 0));
        QCOMPARE(relayTypes[66].windings[0].contacts, relayTypes[68].windings[0].contacts);
        QCOMPARE(relayTypes[66].windings[0].variants, relayTypes[68].windings[0].variants);
    }

    // Properties every row must have; a slip in transcription breaks one.
    void tableConsistency()
    {
        const QSet<int> places({18, 19, 20, 21, 31});
        const QSet<int> pictures({0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 15, 16, 18});
        QSet<int> usedContactKinds;
        for (int i = 0; i < RelayTypeCount; ++i) {
            const RelayType &t = relayTypes[i];
            QVERIFY2(places.contains(t.placeType), t.name);
            QVERIFY2(t.positionCode >= 0 && t.positionCode <= 2, t.name);
            QVERIFY2(t.windingCount == 1 || t.windingCount == 2, t.name);
            for (int w = 0; w < t.windingCount; ++w) {
                const RelayDescriptor &d = t.windings[w];
                QVERIFY2(pictures.contains(d.pictureKind), t.name);
                QVERIFY2(d.pinCount > 0 && d.contactCount > 0, t.name);
                QVERIFY2(d.variantCount > 0 && d.variantCount <= 7, t.name);
                for (int c = 0; c < d.contactCount; ++c) {
                    QVERIFY2(d.contacts[c].kind >= 0 && d.contacts[c].kind < ContactKindCount, t.name);
                    QVERIFY2(d.contacts[c].names[0], t.name);
                    usedContactKinds.insert(d.contacts[c].kind);
                }
                for (int v = 0; v < d.variantCount; ++v) {
                    const WindingVariant &variant = d.variants[v];
                    QVERIFY2(variant.kind >= 0 && variant.kind <= 4, t.name);
                    QCOMPARE(variant.runs != nullptr, variant.runCount > 0);
                    int names = relayVariantPinCount(i, w, v);
                    for (int r = 0; r < variant.runCount; ++r)
                        names += variant.runs[r];
                    QCOMPARE(variant.nameCount, names);
                }
            }
        }
        QCOMPARE(usedContactKinds, QSet<int>({1, 2, 3, 6, 7, 8, 9, 10, 11, 12}));
    }

    void firstAndLastRows()
    {
        const RelayType &first = relayTypes[0];
        QCOMPARE(first.name, "REL1-1600");
        QCOMPARE(first.windingCount, 1);
        QCOMPARE(first.placeType, 19);
        QCOMPARE(first.positionCode, 0);
        QCOMPARE(first.windings[0].pictureKind, 0);
        QCOMPARE(windingPins(0, 0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(contactKindsOf(0, 0), QList<int>({7, 7, 7, 9, 9, 7, 7, 7}));
        QCOMPARE(contactNames(0, 0, 0), QStringList({"11", "12", "13"}));
        QCOMPARE(contactNames(0, 0, 4), QStringList({"51", "52"}));
        QCOMPARE(contactNames(0, 0, 7), QStringList({"81", "82", "83"}));
        QCOMPARE(variantKindsOf(0, 0), QList<int>({0, 0, 0, 2, 1, 3, 0}));
        QCOMPARE(variantNames(0, 0, 0), QStringList({"1", "4"}));
        QCOMPARE(variantNames(0, 0, 2), QStringList({"1", "3", "2", "4"}));
        QCOMPARE(variantRuns(0, 0, 2), QList<int>({2}));
        QCOMPARE(variantNames(0, 0, 5), QStringList({"1", "4", "2", "3"}));
        QCOMPARE(variantNames(0, 0, 6), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(variantRuns(0, 0, 6), QList<int>({2}));

        const RelayType &last = relayTypes[115];
        QCOMPARE(last.name, "ANSHM2-310");
        QCOMPARE(last.windingCount, 1);
        QCOMPARE(last.placeType, 18);
        QCOMPARE(last.positionCode, 0);
        QCOMPARE(last.windings[0].pictureKind, 3);
        QCOMPARE(windingPins(115, 0), QStringList({"21", "41", "61", "81"}));
        QCOMPARE(contactKindsOf(115, 0), QList<int>({7, 7, 7, 7}));
        QCOMPARE(contactNames(115, 0, 3), QStringList({"71", "72", "73"}));
        QCOMPARE(variantKindsOf(115, 0), QList<int>({0}));
        QCOMPARE(variantNames(115, 0, 0), QStringList({"21", "61"}));
        // Not sorted into its family: "ANSH2-310" keeps row 57.
        QCOMPARE(typeIndex("ANSH2-310"), 57);
    }

    void sampledRows()
    {
        // Two windings, each with its own pins, contacts and variants.
        QCOMPARE(typeIndex("D3-2700"), 22);
        QCOMPARE(windingPins(22, 0), QStringList({"13", "43"}));
        QCOMPARE(contactKindsOf(22, 0), QList<int>({9, 7, 7, 9}));
        QCOMPARE(variantNames(22, 0, 0), QStringList({"13", "43"}));
        QCOMPARE(windingPins(22, 1), QStringList({"53", "83"}));
        QCOMPARE(contactKindsOf(22, 1), QList<int>({9, 7, 7, 9}));
        QCOMPARE(contactNames(22, 1, 3), QStringList({"81", "82"}));
        QCOMPARE(variantNames(22, 1, 0), QStringList({"53", "83"}));
        QCOMPARE(relayTypes[24].windings[1].pictureKind, 3);

        // Three-terminal coils of the TSH types.
        QCOMPARE(relayTypes[111].name, "TSH-65V");
        QCOMPARE(relayTypes[111].placeType, 21);
        QCOMPARE(relayTypes[111].windings[0].pictureKind, 16);
        QCOMPARE(windingPins(111, 0), QStringList({"1", "3", "52"}));
        QCOMPARE(contactKindsOf(111, 0), QList<int>({12, 12, 7, 9, 11}));
        QCOMPARE(contactNames(111, 0, 1), QStringList({"41", "42", "43"}));
        QCOMPARE(contactNames(111, 0, 4), QStringList({"21", "23"}));
        QCOMPARE(variantKindsOf(111, 0), QList<int>({0, 4, 4}));
        QCOMPARE(variantNames(111, 0, 2), QStringList({"3", "1", "52"}));
        QCOMPARE(windingPins(114, 1), QStringList({"2", "4", "82"}));
        QCOMPARE(contactKindsOf(114, 1), QList<int>({7, 11, 11}));
        QCOMPARE(contactNames(114, 1, 2), QStringList({"81", "83"}));
        QCOMPARE(variantNames(114, 1, 1), QStringList({"2", "4", "82"}));

        QCOMPARE(relayTypes[97].name, "SKPR3-2800");
        QCOMPARE(relayTypes[97].placeType, 31);
        QCOMPARE(relayTypes[97].positionCode, 1);
        QCOMPARE(relayTypes[97].windings[0].pictureKind, 8);
        QCOMPARE(windingPins(97, 0), QStringList({"+", "-", "N", "K"}));
        QCOMPARE(contactKindsOf(97, 0), QList<int>({3, 3, 7, 7, 6, 6}));
        QCOMPARE(contactNames(97, 0, 1), QStringList({"41", "42"}));
        QCOMPARE(variantKindsOf(97, 0), QList<int>({1}));
        QCOMPARE(variantNames(97, 0, 0), QStringList({"+", "-", "N", "K"}));

        QCOMPARE(relayTypes[109].name, "DSSH15");
        QCOMPARE(relayTypes[109].placeType, 20);
        QCOMPARE(windingPins(109, 0), QStringList({"1", "2", "3", "4, 13"}));
        QCOMPARE(contactKindsOf(109, 0), QList<int>({7}));

        QCOMPARE(relayTypes[62].name, "NMPSH-900");
        QCOMPARE(contactKindsOf(62, 0), QList<int>({2, 9, 9, 2, 9, 9}));
        QCOMPARE(contactNames(62, 0, 0), QStringList({"31", "12", "<none>"}));
        QCOMPARE(contactNames(62, 0, 3), QStringList({"51", "72", "<none>"}));

        QCOMPARE(relayTypes[60].name, "NMVSH2-900/900");
        QCOMPARE(windingPins(60, 0), QStringList({"1", "2", "3", "4", "11", "12", "31", "51", "71", "72"}));
        QCOMPARE(variantNames(60, 0, 1), QStringList({"12", "72", "1", "2", "31", "71", "3", "4", "11", "51"}));
        QCOMPARE(variantRuns(60, 0, 1), QList<int>({4, 4}));
        QCOMPARE(variantRuns(60, 0, 2), QList<int>({2, 2, 2, 2}));

        QCOMPARE(relayTypes[85].name, "PMPUSH-150/150");
        QCOMPARE(relayTypes[85].positionCode, 2);
        QCOMPARE(relayTypes[85].windings[0].pictureKind, 5);
        QCOMPARE(contactKindsOf(85, 0), QList<int>({6, 6, 8, 8}));
        QCOMPARE(contactNames(85, 0, 1), QStringList({"141", "142", "143"}));

        QCOMPARE(relayTypes[80].name, "NMSHT-1440");
        QCOMPARE(relayTypes[80].windings[0].pictureKind, 1);
        QCOMPARE(contactNames(80, 0, 6), QStringList({"51", "52", "53", "71", "72"}));

        QCOMPARE(relayTypes[18].name, "OL2-88");
        QCOMPARE(windingPins(18, 0), QStringList({"1", "2", "3", "4", "71", "81", "83"}));
        QCOMPARE(variantNames(18, 0, 1), QStringList({"1", "83", "81", "83"}));
        QCOMPARE(variantNames(18, 0, 3), QStringList({"1", "2", "3", "4", "71", "81"}));

        QCOMPARE(relayTypes[92].name, "IR1-0,3");
        QCOMPARE(relayTypes[92].placeType, 31);
        QCOMPARE(windingPins(92, 0), QStringList({"1", "4"}));
        QCOMPARE(contactKindsOf(92, 0), QList<int>({8}));

        QCOMPARE(relayTypes[105].name, "KSH1M-400");
        QCOMPARE(relayTypes[105].windings[0].pictureKind, 9);
        QCOMPARE(contactKindsOf(105, 0), QList<int>({7, 7, 7, 7, 8, 8, 8, 8}));

        QCOMPARE(relayTypes[78].name, "AOSH2-180/0,45");
        QCOMPARE(variantKindsOf(78, 0), QList<int>({0, 0, 0, 0, 1}));
        QCOMPARE(variantNames(78, 0, 1), QStringList({"21", "61", "41", "62"}));

        QCOMPARE(relayTypes[75].name, "APSH-24");
        QCOMPARE(windingPins(75, 0), QStringList({"1", "3", "4"}));
        QCOMPARE(contactKindsOf(75, 0), QList<int>({9, 9, 11, 11}));
        QCOMPARE(variantNames(75, 0, 2), QStringList({"3", "4"}));
    }

    void variantKindAndPinCount()
    {
        const QList<int> kinds({0, 0, 0, 2, 1, 3, 0});
        const QList<int> shown({2, 2, 2, 4, 4, 4, 2});
        for (int v = 0; v < kinds.size(); ++v) {
            QCOMPARE(relayVariantKind(0, 0, v), kinds[v]);
            QCOMPARE(relayVariantIsPlain(0, 0, v), kinds[v] == 0);
            QCOMPARE(relayVariantPinCount(0, 0, v), shown[v]);
        }
        QCOMPARE(relayVariantKind(111, 0, 1), 4);
        QVERIFY(!relayVariantIsPlain(111, 0, 1));
        QCOMPARE(relayVariantPinCount(111, 0, 1), 3);
        QCOMPARE(relayVariantPinCount(111, 1, 0), 2);
    }

    void variantPins()
    {
        // Coil ends first, then the jumper-only pins.
        QCOMPARE(texts(relayVariantPins(0, 0, 2)), QStringList({"1", "3", "2", "4"}));
        // A repeated name gives one pin.
        QCOMPARE(texts(relayVariantPins(18, 0, 1)), QStringList({"1", "83", "81"}));
        QCOMPARE(texts(relayVariantPins(61, 0, 3)),
                 QStringList({"21", "81", "22", "82", "42", "41", "61", "62"}));
        QCOMPARE(texts(relayVariantPins(111, 0, 2)), QStringList({"3", "1", "52"}));
        // The pins are the catalogue's own strings.
        QCOMPARE(relayVariantPins(0, 0, 0).at(1), relayTypes[0].windings[0].variants[0].names[1]);
    }

    void caption()
    {
        QCOMPARE(relayVariantCaption(0, 0, 0, 200), QString());
        QCOMPARE(relayVariantCaption(111, 0, 1, 200), QString());
        QCOMPARE(relayVariantCaption(0, 0, 2, 200), QString("(2-4)"));
        QCOMPARE(relayVariantCaption(0, 0, 6, 200), QString("(3-4)"));
        QCOMPARE(relayVariantCaption(70, 0, 0, 1e6), QString("(3-4, 41-61)"));
        QCOMPARE(withoutBreaks(relayVariantCaption(70, 0, 0, 200)), QString("(3-4, 41-61)"));
        // Four shown coil ends: the jumper names start at the fifth.
        QCOMPARE(relayVariantCaption(18, 0, 3, 200), QString("(71-81)"));
        QCOMPARE(relayVariantCaption(61, 0, 3, 1e6), QString("(21-42, 41-61, 62-81)"));
        QCOMPARE(relayVariantCaption(60, 0, 0, 1e6), QString("(1-31-71, 4-11-51)"));

        // Too wide for one line at the standard width: broken, never inside a name.
        const QString long3 = relayVariantCaption(60, 0, 2, 200);
        QCOMPARE(withoutBreaks(long3), QString("(1-71, 2-31, 3-11, 4-51)"));
        QVERIFY(long3.contains(lineSeparator));
        const QRegularExpression insideName(QString("\\d") + lineSeparator + "\\d");
        QVERIFY(!long3.contains(insideName));
    }

    void captionLineBreaks()
    {
        // At width 1 every word and every run starts a new line.
        const QString sep(lineSeparator);
        QCOMPARE(relayVariantCaption(0, 0, 2, 1), "(" + sep + sep + "2-" + sep + "4)");
        QCOMPARE(relayVariantCaption(70, 0, 0, 1),
                 "(" + sep + sep + "3-" + sep + "4, " + sep + sep + "41-" + sep + "61)");

        // A width that holds one run's line but not two: a break between runs.
        const QFontMetricsF metrics(font(3));
        const qreal width = metrics.horizontalAdvance("1-71, ") * 1.5;
        QVERIFY(metrics.horizontalAdvance(sep + "2-31, ") < width);
        QCOMPARE(relayVariantCaption(60, 0, 2, width),
                 "(1-71, " + sep + "2-31, " + sep + "3-11, " + sep + "4-51)");
    }

    void contactPinsText()
    {
        QCOMPARE(relayContactPinsText(0, 0, 0), QString("11-12-13"));
        QCOMPARE(relayContactPinsText(0, 0, 3), QString("41-42"));
        // A nameless pin keeps its separator.
        QCOMPARE(relayContactPinsText(62, 0, 0), QString("31-12-"));
        QCOMPARE(relayContactPinsText(62, 0, 3), QString("51-72-"));
        QCOMPARE(relayContactPinsText(80, 0, 6), QString("51-52-53-71-72"));
        QCOMPARE(relayContactPinsText(22, 1, 0), QString("51-52"));
    }

    void relayDeviceQueries()
    {
        QCOMPARE(relayModelName(0), QString("REL1-1600"));
        QCOMPARE(relayModelName(115), QString("ANSHM2-310"));
        QCOMPARE(relayPinCount(0), 26);
        QCOMPARE(relayPinCount(22), 24);
        QCOMPARE(relayPinCount(111), (3 + 3 + 3 + 3 + 2 + 2) + (3 + 3 + 2 + 2));

        const char *found = relayFindPin(0, "42");
        QCOMPARE(found, relayTypes[0].windings[0].contacts[3].names[1]);
        QVERIFY(!relayFindPin(0, "44"));
        QCOMPARE(relayFindPin(0, "3"), relayTypes[0].windings[0].pins[2]);
        // Second winding, and an exact match only.
        QCOMPARE(relayFindPin(22, "82"), relayTypes[22].windings[1].contacts[3].names[1]);
        QCOMPARE(relayFindPin(109, "4, 13"), relayTypes[109].windings[0].pins[3]);
        QVERIFY(!relayFindPin(109, "4"));
        QVERIFY(!relayFindPin(97, "n"));
        // A nameless pin matches nothing, not even an empty name.
        QVERIFY(!relayFindPin(62, ""));
    }

    void indexesOutOfRangeAreRefused()
    {
        ModalRecorder rec;
        QVERIFY(!relayType(-1));
        QVERIFY(!relayType(RelayTypeCount));
        QVERIFY(!relayWinding(0, 1));
        QVERIFY(!relayWinding(22, 2));
        QVERIFY(!relayWinding(22, -1));
        QVERIFY(!relayVariant(0, 0, 7));
        QVERIFY(!relayVariant(115, 0, 1));
        QVERIFY(!relayContact(0, 0, 8));
        QVERIFY(!relayContact(111, 1, 3));
        QVERIFY(!contactKind(-1));
        QVERIFY(!contactKind(ContactKindCount));
        QCOMPARE(rec.count(), 11);
        for (const ModalRecorder::Shown &shown : rec.shown) {
            QCOMPARE(shown.title, QString("Error"));
            QVERIFY(shown.text.endsWith("FALSE expression"));
        }
        rec.clear();

        QCOMPARE(relayVariantKind(RelayTypeCount, 0, 0), -1);
        QVERIFY(!relayVariantIsPlain(0, 0, 255));
        QCOMPARE(relayVariantPinCount(0, 255, 0), 0);
        QCOMPARE(relayVariantCaption(-1, 0, 0, 200), QString());
        QVERIFY(relayVariantPins(0, 0, -1).isEmpty());
        QCOMPARE(relayContactPinsText(0, 0, 255), QString());
        QCOMPARE(contactKindId(14), QString());
        QCOMPARE(contactKindLabel(-1), QString());
        QCOMPARE(contactKindPinCount(255), 0);
        QCOMPARE(relayModelName(-1), QString());
        QCOMPARE(relayModelName(116), QString());
        QCOMPARE(relayPinCount(-1), 0);
        QCOMPARE(relayPinCount(116), 0);
        QVERIFY(!relayFindPin(116, "1"));
        QCOMPARE(rec.count(), 14);
    }
};

QTEST_MAIN(TestRelayCatalogue)
#include "tst_relaycatalogue.moc"
