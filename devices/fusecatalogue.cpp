// The fuse classes and types. The row order is stored in project files and
// must never change.

#include "devices/fusecatalogue.h"

#include <QCoreApplication>

const char *const fuseClassNames[FuseClassCount] = {
    QT_TRANSLATE_NOOP("Fuse", "PN"),    QT_TRANSLATE_NOOP("Fuse", "20876M"), QT_TRANSLATE_NOOP("Fuse", "20872"),
    QT_TRANSLATE_NOOP("Fuse", "20877"), QT_TRANSLATE_NOOP("Fuse", "20871"),  QT_TRANSLATE_NOOP("Fuse", "24714"),
    QT_TRANSLATE_NOOP("Fuse", "24768"),
};

#define FT(cls, nominal, text, contact) {cls, nominal, QT_TRANSLATE_NOOP("Fuse", text), contact}

const FuseType fuseTypes[FuseTypeCount + 1] = {
    // 0-12: PN, one perforation.
    FT(0, "0,3", "0,3A (1 perf.)", false),
    FT(0, "0,4", "0,4A (1 perf.)", false),
    FT(0, "0,5", "0,5A (1 perf.)", false),
    FT(0, "1", "1,0A (1 perf.)", false),
    FT(0, "2", "2,0A (1 perf.)", false),
    FT(0, "3", "3,0A (1 perf.)", false),
    FT(0, "5", "5,0A (1 perf.)", false),
    FT(0, "6", "6,0A (1 perf.)", false),
    FT(0, "7,5", "7,5A (1 perf.)", false),
    FT(0, "10", "10A (1 perf.)", false),
    FT(0, "15", "15A (1 perf.)", false),
    FT(0, "20", "20A (1 perf.)", false),
    FT(0, "30", "30A (1 perf.)", false),
    // 13-25: PN, two perforations.
    FT(0, "0,3", "0,3A (2 perf.)", false),
    FT(0, "0,4", "0,4A (2 perf.)", false),
    FT(0, "0,5", "0,5A (2 perf.)", false),
    FT(0, "1", "1.0A (2 perf.)", false),
    FT(0, "2", "2.0A (2 perf.)", false),
    FT(0, "3", "3.0A (2 perf.)", false),
    FT(0, "5", "5.0A (2 perf.)", false),
    FT(0, "6", "6.0A (2 perf.)", false),
    FT(0, "7,5", "7.5A (2 perf.)", false),
    FT(0, "10", "10A (2 perf.)", false),
    FT(0, "15", "15A (2 perf.)", false),
    FT(0, "20", "20A (2 perf.)", false),
    FT(0, "30", "30A (2 perf.)", false),
    // 26-38: PN, three perforations.
    FT(0, "0,3", "0,3A (3 perf.)", false),
    FT(0, "0,4", "0,4A (3 perf.)", false),
    FT(0, "0,5", "0,5A (3 perf.)", false),
    FT(0, "1", "1,0A (3 perf.)", false),
    FT(0, "2", "2,0A (3 perf.)", false),
    FT(0, "3", "3,0A (3 perf.)", false),
    FT(0, "5", "5,0A (3 perf.)", false),
    FT(0, "6", "6,0A (3 perf.)", false),
    FT(0, "7,5", "7,5A (3 perf.)", false),
    FT(0, "10", "10A (3 perf.)", false),
    FT(0, "15", "15A (3 perf.)", false),
    FT(0, "20", "20A (3 perf.)", false),
    FT(0, "30", "30A (3 perf.)", false),
    // 39-57: 20876M, with the fusion-control contact.
    FT(1, "0,5", "0,5A cap.20892", true),
    FT(1, "1", "1,0A cap.20892", true),
    FT(1, "2", "2,0A cap.20892", true),
    FT(1, "15", "15,0A cap.20896", true),
    FT(1, "0,5", "0,5A cap.20896", true),
    FT(1, "1", "1,0A cap.20896", true),
    FT(1, "2", "2,0A cap.20896", true),
    FT(1, "3", "3,0A cap.20896", true),
    FT(1, "5", "5,0A cap.20896", true),
    FT(1, "6", "6,0A cap.20896", true),
    FT(1, "10", "10,0A cap.20896", true),
    FT(1, "0,5", "0,5A cap.20898", true),
    FT(1, "1", "1,0A cap.20898", true),
    FT(1, "2", "2,0A cap.20898", true),
    FT(1, "3", "3,0A cap.20898", true),
    FT(1, "5", "5,0A cap.20898", true),
    FT(1, "6", "6,0A cap.20898", true),
    FT(1, "10", "10,0A cap.20898", true),
    FT(1, "15", "15,0A cap.20898", true),
    // 58-60: 20872.
    FT(2, "0,3", "0,3A cap.20898", false),
    FT(2, "0,3", "0,3A cap.20896", false),
    FT(2, "0,3", "0,3A cap.20892", false),
    // 61-68: 20877.
    FT(3, "0,5", "0,5A", false),
    FT(3, "1", "1,0A", false),
    FT(3, "2", "2,0A", false),
    FT(3, "3", "3,0A", false),
    FT(3, "5", "5,0A", false),
    FT(3, "6", "6,0A", false),
    FT(3, "10", "10,0A", false),
    FT(3, "15", "15,0A", false),
    // 69-81: 20871.
    FT(4, "0,3", "0,3A", false),
    FT(4, "0,4", "0,4A", false),
    FT(4, "0,5", "0,5A", false),
    FT(4, "1", "1,0A", false),
    FT(4, "2", "2,0A", false),
    FT(4, "3", "3,0A", false),
    FT(4, "5", "5,0A", false),
    FT(4, "6", "6,0A", false),
    FT(4, "7,5", "7,5A", false),
    FT(4, "10", "10,0A", false),
    FT(4, "15", "15,0A", false),
    FT(4, "20", "20,0A", false),
    FT(4, "30", "30,0A", false),
    // 82-89: 24714, with the fusion-control contact.
    FT(5, "0,5", "0,5A", true),
    FT(5, "1", "1,0A", true),
    FT(5, "2", "2,0A", true),
    FT(5, "3", "3,0A", true),
    FT(5, "5", "5,0A", true),
    FT(5, "6", "6,0A", true),
    FT(5, "10", "10,0A", true),
    FT(5, "15", "15,0A", true),
    // 90: 24768.
    FT(6, "0,3", "0,3A", false),
    {0, nullptr, nullptr, false},
};

#undef FT

const char *const fusePinNames[FusePositionCount][4] = {
    {"1", "2", "3", "4"},
    {"11", "12", "13", "14"},
    {"21", "22", "23", "24"},
    {"31", "32", "33", "34"},
    {"41", "42", "43", "44"},
};

bool isFuseType(int index)
{
    return index >= 0 && index < FuseTypeCount;
}

QString fuseDesignation()
{
    return QCoreApplication::translate("Fuse", "FU");
}

QString fuseClassName(int fuseClass)
{
    if (fuseClass < 0 || fuseClass >= FuseClassCount)
        return QString();
    return QCoreApplication::translate("Fuse", fuseClassNames[fuseClass]);
}

QString fuseTypeText(int index)
{
    if (!isFuseType(index))
        return QString();
    return QCoreApplication::translate("Fuse", fuseTypes[index].type);
}
