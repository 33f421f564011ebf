// Blocks: the catalogue of block types, the block model and its record, the
// block item (geometry, pin naming shared between the items of one block,
// drawing, net walks, its record and clipboard record), the property
// dialog with its remembered choices, and blocks placed through the real
// scheme editor, wired, saved as a project and loaded again.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "devices/block.h"
#include "devices/blockcatalogue.h"
#include "devices/dlgpropblock.h"
#include "devices/graphicsblock.h"
#include "devices/graphicsbox.h"
#include "equipment/wiringcontainertable.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/file.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/filesbelow.h"
#include "support/boundtestitems.h"
#include "support/devicekindtests.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionGraphicsItem>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace boundtest;
using schemetest::clew;

namespace {

struct ExpectedRow
{
    const char *name;
    int blockClass;
    int pinCount;
};

struct ExpectedPlace
{
    int placeType;
    int positionCode;
    QStringList names;
};

// Every row as the catalogue lists it: name, class, number of pins.
const ExpectedRow expectedRows[] = {
    {"BVMSH", 0, 12}, {"BVMSH-M1", 0, 12}, {"BVMSH-U", 0, 12}, {"BVMSH-I", 0, 12}, {"BVV", 0, 12},
    {"KBMSH-1A", 1, 8}, {"KBMSH-4", 1, 8}, {"KBMSH-4A", 1, 8}, {"KBMSH-5", 1, 8}, {"KBMSH-5M", 1, 8},
    {"KBMSH-6", 1, 8}, {"KBMSH-6M", 1, 8}, {"BDSH-20", 1, 28}, {"BDSH-20M", 1, 28}, {"BKSMSH-2", 1, 11},
    {"BKSMSH-3", 1, 11}, {"BKSH-1", 1, 20}, {"BKSH-1M", 1, 20}, {"BKR-76", 1, 15}, {"BKR-76M", 1, 15},
    {"KB-1", 1, 6}, {"KB-1x2", 1, 4}, {"KB-2x2", 1, 4}, {"KB-4x1", 1, 2}, {"KB-4x4", 1, 8}, {"KB-6", 1, 4},
    {"KBD-6", 1, 5}, {"KBM4x1", 1, 2}, {"KBM1x4", 1, 8}, {"KBM2x4", 1, 8}, {"KBM1x2", 1, 4}, {"KBM2x2", 1, 4},
    {"KBM3x4", 1, 8}, {"KBM2x4", 1, 8}, {"KBM3x2", 1, 4}, {"KBM12x4", 1, 8}, {"KBM12x2", 1, 4}, {"BK-1", 1, 6},
    {"BK-1x2", 1, 4}, {"BK-2x2", 1, 4}, {"BK-4x1", 1, 2}, {"BK-4x4", 1, 8}, {"BK-6", 1, 4}, {"MI", 2, 42},
    {"MI-M", 2, 42}, {"MII", 2, 44}, {"MII-M", 2, 44}, {"MIII", 2, 37}, {"MIII-M", 2, 37}, {"VI", 2, 40},
    {"VI-M", 2, 40}, {"VII", 2, 44}, {"VII-M", 2, 44}, {"VIII-65", 2, 43}, {"VIII-M", 2, 44}, {"VD-62", 2, 44},
    {"VD-M", 2, 44}, {"SP-69", 2, 44}, {"SP-M", 2, 44}, {"UP-65", 2, 33}, {"UP-M", 2, 33}, {"P-62", 2, 44},
    {"P-M", 2, 44}, {"PS-110A", 2, 44}, {"PS-220A", 2, 44}, {"PS", 2, 44}, {"S", 2, 42}, {"S-M", 2, 42},
    {"PST", 2, 44}, {"OG1-76", 2, 44}, {"OG1-M", 2, 44}, {"VH", 2, 44}, {"VHD", 2, 32}, {"MPU-69", 2, 44},
    {"NMI", 2, 43}, {"NMI-M", 2, 43}, {"NMID", 2, 42}, {"NMID-M", 2, 42}, {"NMIIP", 2, 43}, {"NMIIP-M", 2, 43},
    {"NMIIAP", 2, 44}, {"NMIIAP-M", 2, 44}, {"NPM-69", 2, 44}, {"NPM-69-M", 2, 44}, {"NN", 2, 35}, {"NN-M", 2, 35},
    {"NSOx2", 2, 42}, {"NSOx2M", 2, 42}, {"NSS", 2, 42}, {"NSS-M", 2, 42}, {"NPS", 2, 24}, {"NPS-M", 2, 23},
    {"PS-220M", 2, 44}, {"BV", 3, 11}, {"BV-M", 3, 11}, {"BVZ", 3, 15}, {"BVZ-M", 3, 15}, {"BPSH", 3, 12},
    {"BPSH-M", 3, 12}, {"BPK", 3, 28}, {"BP", 3, 15}, {"BRK", 3, 16}, {"PCH50/25-40", 3, 16},
    {"PCH50/25-100", 3, 20}, {"PCH50/25-150", 3, 13}, {"PCH50/25-300", 3, 13}, {"PPSH-3", 3, 14}, {"RTA", 3, 17},
    {"RTA1", 3, 17}, {"UZA-24-10", 3, 20}, {"UZAT-24-30", 3, 20}, {"VAK-13", 3, 13}, {"VAK-14", 3, 13},
    {"VAK-16", 3, 13}, {"VAK-11A", 3, 6}, {"VAK-13A", 3, 6}, {"VAK-14A", 3, 6}, {"VAK-16A", 3, 6},
    {"VAK-13B", 3, 13}, {"VAK-14B", 3, 13}, {"VAK-16B", 3, 13}, {"VAK-13M", 3, 6}, {"VAK-14M", 3, 6},
    {"VAK-16M", 3, 6}, {"VUS-1,3", 3, 4}, {"FK-75", 3, 11}, {"BP3", 3, 16}, {"DSNP-2", 3, 14}, {"BPS-1", 3, 10},
    {"BZ-1", 4, 8}, {"BZ-2", 4, 11}, {"ZB-DSSH", 4, 3}, {"ZBF-1", 4, 6}, {"RZFSH-2", 4, 8}, {"FP-25M", 4, 4},
    {"FP-75M", 4, 4}, {"KPTSH-515", 5, 14}, {"KPTSH-715", 5, 14}, {"KPTSH-815", 5, 14}, {"KPTSH-915", 5, 14},
    {"KPTSH-1115", 5, 14}, {"KPTSH-1015", 5, 10}, {"KPTSH-1315", 5, 10}, {"BKPT-5", 5, 14}, {"BKPT-7", 5, 14},
    {"BI-DA", 5, 16}, {"BI-DAM", 5, 16}, {"BS-DA", 5, 22}, {"BS-DAM", 5, 22}, {"BK-DA", 5, 6}, {"BK-DAM", 5, 6},
    {"DIM-1", 5, 12}, {"DIM-1M", 5, 12}, {"DIM-3", 5, 23}, {"BKPTU (5)", 5, 14}, {"BKPTU (7)", 5, 14},
    {"BKPTU (11)", 5, 14}, {"BKPTU (13)", 5, 14}, {"DIM-1U", 5, 11}, {"KPTSH - 515", 5, 14}, {"PP", 6, 18},
    {"PP-8/8", 6, 8}, {"PP-8/12", 6, 8}, {"PP-9/8", 6, 8}, {"PP-9/12", 6, 8}, {"PP-11/8", 6, 8}, {"PP-11/12", 6, 8},
    {"PP-14/8", 6, 8}, {"PP-14/12", 6, 8}, {"PP-15/8", 6, 8}, {"PP-15/12", 6, 8}, {"PP1", 6, 18}, {"PP1-8/8", 6, 8},
    {"PP1-8/12", 6, 8}, {"PP1-9/8", 6, 8}, {"PP1-9/12", 6, 8}, {"PP1-11/8", 6, 8}, {"PP1-11/12", 6, 8},
    {"PP1-14/8", 6, 8}, {"PP1-14/12", 6, 8}, {"PP1-15/8", 6, 8}, {"PP1-15/12", 6, 8}, {"PPM", 6, 18},
    {"PPM-8/8", 6, 8}, {"PPM-8/12", 6, 8}, {"PPM-9/8", 6, 8}, {"PPM-9/12", 6, 8}, {"PPM-11/8", 6, 8},
    {"PPM-11/12", 6, 8}, {"PPM-14/8", 6, 8}, {"PPM-14/12", 6, 8}, {"PPM-15/8", 6, 8}, {"PPM-15/12", 6, 8},
    {"PP1M", 6, 18}, {"PP1M-8/8", 6, 8}, {"PP1M-8/12", 6, 8}, {"PP1M-9/8", 6, 8}, {"PP1M-9/12", 6, 8},
    {"PP1M-11/8", 6, 8}, {"PP1M-11/12", 6, 8}, {"PP1M-14/8", 6, 8}, {"PP1M-14/12", 6, 8}, {"PP1M-15/8", 6, 8},
    {"PP1M-15/12", 6, 8}, {"PPN", 6, 18}, {"PPN-8/8", 6, 8}, {"PPN-8/12", 6, 8}, {"PPN-9/8", 6, 8},
    {"PPN-9/12", 6, 8}, {"PPN-11/8", 6, 8}, {"PPN-11/12", 6, 8}, {"PPN-14/8", 6, 6}, {"PPN-14/12", 6, 6},
    {"PPN-15/8", 6, 8}, {"PPN-15/12", 6, 8}, {"PP1N", 6, 18}, {"PP1N-8/8", 6, 8}, {"PP1N-8/12", 6, 8},
    {"PP1N-9/8", 6, 8}, {"PP1N-9/12", 6, 8}, {"PP1N-11/8", 6, 8}, {"PP1N-11/12", 6, 8}, {"PP1N-14/8", 6, 6},
    {"PP1N-14/12", 6, 6}, {"PP1N-15/8", 6, 8}, {"PP1N-15/12", 6, 8}, {"PP3", 6, 21}, {"PP3-8/8", 6, 11},
    {"PP3-8/12", 6, 11}, {"PP3-9/8", 6, 11}, {"PP3-9/12", 6, 11}, {"PP3-11/8", 6, 11}, {"PP3-11/12", 6, 11},
    {"PP3-14/8", 6, 11}, {"PP3-14/12", 6, 11}, {"PP3-15/8", 6, 11}, {"PP3-15/12", 6, 11}, {"PP3M", 6, 21},
    {"PP3M-8/8", 6, 11}, {"PP3M-8/12", 6, 11}, {"PP3M-9/8", 6, 11}, {"PP3M-9/12", 6, 11}, {"PP3M-11/8", 6, 11},
    {"PP3M-11/12", 6, 11}, {"PP3M-14/8", 6, 11}, {"PP3M-14/12", 6, 11}, {"PP3M-15/8", 6, 11}, {"PP3M-15/12", 6, 11},
    {"PP4", 6, 21}, {"PP4-8/8", 6, 11}, {"PP4-8/12", 6, 11}, {"PP4-9/8", 6, 11}, {"PP4-9/12", 6, 11},
    {"PP4-11/8", 6, 11}, {"PP4-11/12", 6, 11}, {"PP4-14/8", 6, 11}, {"PP4-14/12", 6, 11}, {"PP4-15/8", 6, 11},
    {"PP4-15/12", 6, 11}, {"PRC4", 6, 15}, {"PRC4L-4/8", 6, 13}, {"PRC4L-4/12", 6, 13}, {"PRC4L-5/8", 6, 13},
    {"PRC4L-5/12", 6, 13}, {"PRC4L-6/8", 6, 13}, {"PRC4L-6/12", 6, 13}, {"PRC4-4/8", 6, 13}, {"PRC4-4/12", 6, 13},
    {"PRC4-5/8", 6, 13}, {"PRC4-5/12", 6, 13}, {"PRC4-6/8", 6, 13}, {"PRC4-6/12", 6, 13}, {"FPM", 6, 20},
    {"FRC4", 6, 7}, {"BVC4", 6, 20}, {"BVC4L", 6, 20}, {"P12/14", 6, 18}, {"GP", 6, 25}, {"GP3", 6, 26},
    {"GP4", 6, 20}, {"GRC4", 6, 24}, {"FPU", 6, 24}, {"GPU", 6, 28}, {"VD", 7, 44}, {"SPDx2", 7, 44}, {"S", 7, 44},
    {"P", 7, 44}, {"V", 7, 44}, {"USP", 7, 44}, {"M", 7, 44}, {"PI", 7, 44}, {"NPM", 7, 44}, {"NM", 7, 44},
    {"MT", 7, 44}, {"V1", 7, 44}, {"NG", 7, 44}, {"BP1", 7, 44}, {"BP2", 7, 44}, {"TG1", 7, 44}, {"TG2", 7, 44},
    {"TG3", 7, 44}, {"BI", 7, 44}, {"SCHG", 7, 44}, {"I-62", 7, 44}, {"II-67", 7, 44}, {"III-67", 7, 44},
    {"IV-66", 7, 44}, {"BN-62", 7, 44}, {"BMP-62", 7, 44}, {"BS-62", 7, 44}, {"SG-66", 7, 44}, {"SG-76", 7, 44},
    {"BKT", 8, 10}, {"BKT-2M", 8, 11}, {"DIV", 8, 8}, {"KCHF", 8, 19}, {"FU-2M", 8, 10}, {"RNP", 8, 16},
    {"RNP-M", 8, 16}, {"RNM-1", 8, 5}, {"RNM-3", 8, 6}, {"RNM-3U", 8, 6}, {"URPI-1", 8, 60}, {"URPI-2", 8, 60},
    {"URPM1-1", 8, 60}, {"URPM1-2", 8, 60}, {"URPM1-3", 8, 60}, {"SZICN", 8, 15}, {"SZICR", 8, 15},
    {"GKSH-MA", 8, 27}, {"BK-75", 8, 9}, {"140DDI35300", 8, 40}, {"140DDO35300", 8, 40}, {"140DDI35310", 8, 40},
    {"140DDO35310", 8, 40}, {"DEK-OV-24DC/24DC/3", 8, 4}, {"ABE-7H20", 8, 20}, {"ABE-7S16", 8, 20},
    {"ABE-7P16", 8, 20}, {"PK5-1", 9, 16}, {"PK5-2", 9, 16}, {"PK5-3", 9, 16}, {"PK5-4", 9, 16}, {"PK5-5", 9, 16},
    {"PK5-6", 9, 16}, {"PK5-7", 9, 16}, {"PK5-8", 9, 16}, {"UPDK-2", 9, 9},
};

// The mounting place and position code of the types, grouped.
const ExpectedPlace expectedPlaces[] = {
    {18, 0, {"BVMSH", "BVMSH-M1", "BVMSH-U", "BVMSH-I", "BVV", "KBMSH-1A", "KBMSH-4", "KBMSH-4A", "KBMSH-5",
              "KBMSH-5M", "KBMSH-6", "KBMSH-6M", "BDSH-20", "BDSH-20M", "BKSMSH-2", "BKSMSH-3", "BKR-76",
              "BKR-76M", "BPSH", "BPSH-M", "BZ-2", "RZFSH-2", "DIM-1M", "FRC4", "BVC4", "BVC4L", "BKT",
              "BKT-2M", "RNP", "RNP-M", "SZICN", "FK-75", "DIM-1U"}},
    {19, 0, {"BV", "BV-M", "BVZ", "BVZ-M", "BZ-1", "DIM-1", "DIM-3", "DIV", "KCHF", "FU-2M", "RNM-1",
              "RNM-3", "RNM-3U", "SZICR"}},
    {20, 0, {"BKSH-1", "BKSH-1M", "BS-DA", "BS-DAM", "BK-DA", "BK-DAM", "PP", "PP-8/8", "PP-8/12", "PP-9/8",
              "PP-9/12", "PP-11/8", "PP-11/12", "PP-14/8", "PP-14/12", "PP-15/8", "PP-15/12", "PP1",
              "PP1-8/8", "PP1-8/12", "PP1-9/8", "PP1-9/12", "PP1-11/8", "PP1-11/12", "PP1-14/8", "PP1-14/12",
              "PP1-15/8", "PP1-15/12", "PPM", "PPM-8/8", "PPM-8/12", "PPM-9/8", "PPM-9/12", "PPM-11/8",
              "PPM-11/12", "PPM-14/8", "PPM-14/12", "PPM-15/8", "PPM-15/12", "PP1M", "PP1M-8/8", "PP1M-8/12",
              "PP1M-9/8", "PP1M-9/12", "PP1M-11/8", "PP1M-11/12", "PP1M-14/8", "PP1M-14/12", "PP1M-15/8",
              "PP1M-15/12", "PRC4", "PRC4L-4/8", "PRC4L-4/12", "PRC4L-5/8", "PRC4L-5/12", "PRC4L-6/8",
              "PRC4L-6/12", "PRC4-4/8", "PRC4-4/12", "PRC4-5/8", "PRC4-5/12", "PRC4-6/8", "PRC4-6/12",
              "P12/14", "BP3"}},
    {21, 0, {"PPSH-3", "ZB-DSSH", "BI-DA", "BI-DAM", "PPN", "PPN-8/8", "PPN-8/12", "PPN-9/8", "PPN-9/12",
              "PPN-11/8", "PPN-11/12", "PPN-14/8", "PPN-14/12", "PPN-15/8", "PPN-15/12", "PP1N", "PP1N-8/8",
              "PP1N-8/12", "PP1N-9/8", "PP1N-9/12", "PP1N-11/8", "PP1N-11/12", "PP1N-14/8", "PP1N-14/12",
              "PP1N-15/8", "PP1N-15/12", "PP3", "PP3-8/8", "PP3-8/12", "PP3-9/8", "PP3-9/12", "PP3-11/8",
              "PP3-11/12", "PP3-14/8", "PP3-14/12", "PP3-15/8", "PP3-15/12", "PP3M", "PP3M-8/8", "PP3M-8/12",
              "PP3M-9/8", "PP3M-9/12", "PP3M-11/8", "PP3M-11/12", "PP3M-14/8", "PP3M-14/12", "PP3M-15/8",
              "PP3M-15/12", "PP4", "PP4-8/8", "PP4-8/12", "PP4-9/8", "PP4-9/12", "PP4-11/8", "PP4-11/12",
              "PP4-14/8", "PP4-14/12", "PP4-15/8", "PP4-15/12", "FPM", "GP", "GP3", "GP4", "GRC4", "FPU",
              "GPU", "GKSH-MA", "BK-75"}},
    {22, 3, {"MI", "MI-M", "MII", "MII-M", "MIII", "MIII-M", "VI", "VI-M", "VII", "VII-M", "VIII-65",
              "VIII-M", "VD-62", "VD-M", "SP-69", "SP-M", "UP-65", "UP-M", "P-62", "P-M", "PS-110A",
              "PS-220A", "PS", "PST", "OG1-76", "OG1-M", "VH", "VHD", "MPU-69", "VD", "SPDx2", "S", "P", "V",
              "USP", "M", "PI", "NPM", "NM", "MT", "V1", "NG", "BP1", "BP2", "TG1", "TG2", "TG3", "BI",
              "SCHG", "I-62", "II-67", "III-67", "IV-66", "BN-62", "BMP-62", "BS-62", "SG-66", "SG-76",
              "PS-220M"}},
    {23, 3, {"S", "S-M", "NMI", "NMI-M", "NMID", "NMID-M", "NMIIP", "NMIIP-M", "NMIIAP", "NMIIAP-M",
              "NPM-69", "NPM-69-M", "NN", "NN-M", "NSOx2", "NSOx2M", "NSS", "NSS-M", "NPS", "NPS-M"}},
    {31, 0, {"BPS-1"}},
    {31, 4, {"RTA", "RTA1", "UZA-24-10", "UZAT-24-30", "ZBF-1", "DSNP-2", "KB-1", "KB-1x2", "KB-2x2", "KB-4x1",
              "KB-4x4", "KB-6", "KBD-6", "KBM4x1", "KBM1x4", "KBM2x4", "KBM1x2", "KBM2x2", "KBM3x4",
              "KBM2x4", "KBM3x2", "KBM12x4", "KBM12x2", "BK-1", "BK-1x2", "BK-2x2", "BK-4x1", "BK-4x4",
              "BK-6", "PK5-1", "PK5-2", "PK5-3", "PK5-4", "PK5-5", "PK5-6", "PK5-7", "PK5-8",
              "UPDK-2"}},
    {31, 5, {"VAK-13", "VAK-14", "VAK-16", "VAK-11A", "VAK-13A", "VAK-14A", "VAK-16A", "VAK-13B", "VAK-14B",
              "VAK-16B", "VAK-13M", "VAK-14M", "VAK-16M"}},
    {31, 8, {"KPTSH-515", "KPTSH-715", "KPTSH-815", "KPTSH-915", "KPTSH-1115", "BKPT-5", "BKPT-7",
              "BKPTU (5)", "BKPTU (7)", "BKPTU (11)", "BKPTU (13)", "KPTSH - 515"}},
    {31, 9, {"KPTSH-1015", "KPTSH-1315"}},
    {35, 11, {"BP", "BRK"}},
    {35, 12, {"BPK"}},
    {37, 4, {"FP-25M", "FP-75M"}},
    {39, 6, {"PCH50/25-40"}},
    {39, 7, {"PCH50/25-100", "PCH50/25-150", "PCH50/25-300"}},
    {41, 13, {"URPI-1", "URPI-2", "URPM1-1", "URPM1-2", "URPM1-3"}},
    {42, 4, {"VUS-1,3"}},
    {203, -1, {"140DDI35300", "140DDO35300", "140DDI35310", "140DDO35310"}},
    {207, -1, {"DEK-OV-24DC/24DC/3"}},
    {211, -1, {"ABE-7H20", "ABE-7S16", "ABE-7P16"}},
};

const int blockItemType = QGraphicsItem::UserType + 400;

// A sheet that makes block items and their dialog from the type id, as the
// scheme's registry does.
class BlockSheet : public GraphicsScene
{
public:
    explicit BlockSheet(Project *project, const QString &name = QStringLiteral("S1"))
        : GraphicsScene(project)
        , title(name)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == blockItemType)
            return createGraphicsBlock(this);
        return GraphicsScene::createItem(type);
    }
    DlgPropGraphicsItem *createDialog(int type) override
    {
        if (type == blockItemType)
            return createDlgPropBlock(this);
        return GraphicsScene::createDialog(type);
    }

    QString title;
};

// The row of the first type of that name (in the class, when one is given).
int typeIndex(const char *name, int blockClass = -1)
{
    for (int i = 0; i < BlockTypeCount; ++i) {
        if (qstrcmp(blockTypes[i].name, name) == 0 && (blockClass < 0 || blockTypes[i].blockClass == blockClass))
            return i;
    }
    return -1;
}

QStringList pinsOf(int type)
{
    QStringList names;
    for (int i = 0; i < blockTypes[type].pinCount; ++i)
        names << QString::fromLatin1(blockTypes[type].pins[i]);
    return names;
}

QStringList numbered(const QString &prefix, int first, int last, const QString &suffix = QString())
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << prefix + QString::number(i) + suffix;
    return names;
}

QString pinName(GraphicsDevice *item, int index)
{
    WiringPin *pin = item->wiringPin(index);
    return pin && pin->name() ? QString::fromUtf8(pin->name()) : QString();
}

QStringList pinNames(GraphicsDevice *item)
{
    QStringList names;
    for (int i = 0; i < item->pinCount(); ++i)
        names << pinName(item, i);
    return names;
}

QStringList labelsOf(QWidget *dialog)
{
    QStringList texts;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

QStringList comboTexts(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QStringList headerTexts(QTreeWidget *tree)
{
    QStringList texts;
    for (int i = 0; i < tree->columnCount(); ++i)
        texts << tree->headerItem()->text(i);
    return texts;
}

BlockPinRow record(int side, int row, const QString &label)
{
    BlockPinRow r;
    r.side = side;
    r.row = quint8(row);
    r.label = label;
    return r;
}

Block *newBlock(Project &project, const QString &name, int type)
{
    auto *block = dynamic_cast<Block *>(project.createDevice(BlockKind));
    if (!block)
        return nullptr;
    block->setModelIndex(type);
    if (!block->setName(name)) {
        delete block;
        return nullptr;
    }
    return block;
}

// A block item on the sheet with these pins, bound by name.
GraphicsBlock *newItem(BlockSheet &sheet, const QString &name, const QList<BlockPinRow> &records)
{
    auto *item = dynamic_cast<GraphicsBlock *>(sheet.createItem(blockItemType));
    sheet.addGraphicsItem(item);
    item->setPinRows(records);
    item->layoutPins();
    item->setName(name);
    return item;
}

void clearRemembered()
{
    QSettings store(QStringLiteral("R-LAY"), QStringLiteral("DlgPropBlock"));
    store.clear();
    store.sync();
}

// Sets a cell of the dialog's pin table the way typing does.
void setCell(DlgPropBlock &dialog, int row, int side, const QString &text)
{
    dialog.pinTable()->item(row, side)->setText(text);
}

void chooseType(DlgPropBlock &dialog, const QString &className, const QString &typeName)
{
    dialog.classCombo()->setCurrentIndex(dialog.classCombo()->findText(className));
    dialog.typeCombo()->setCurrentIndex(dialog.typeCombo()->findText(typeName));
}

struct Actions
{
    Actions()
    {
        ActionsManager::createMenus(&host, &list, &menuBar, &toolBar);
        ActionsManager::createToolBox(&toolBox, &list);
    }
    QWidget host;
    QMenuBar menuBar;
    QToolBar toolBar;
    QTabWidget toolBox;
    QList<QAction *> list;
};

QPointF at(Pin *pin)
{
    return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center());
}

} // namespace

class TestBlock : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        const QDateTime now(QDate(2024, 5, 6), QTime(7, 8, 9, 123));
        setFileClock([now] { return now; });
        createScreenFonts();
    }

    void cleanupTestCase()
    {
        setFileClock(nullptr);
        deleteFonts();
    }

    void init()
    {
        hideHelp = false;
        showBigDeviceNames = false;
        clearRemembered();
    }

    void cleanup() { Scheme::registerItemTypes(); }

    void catalogueHasEveryRow()
    {
        QCOMPARE(int(BlockTypeCount), 348);
        QCOMPARE(int(sizeof(expectedRows) / sizeof(expectedRows[0])), 348);
        const BlockType &end = blockTypes[BlockTypeCount];
        QVERIFY(!end.name && !end.pins);
        QCOMPARE(end.blockClass + end.pinCount + end.placeType + end.positionCode, 0);

        int perClass[BlockClassCount] = {};
        for (int i = 0; i < BlockTypeCount; ++i) {
            const BlockType &row = blockTypes[i];
            QCOMPARE(QString(row.name), QString(expectedRows[i].name));
            QCOMPARE(row.blockClass, expectedRows[i].blockClass);
            QCOMPARE(row.pinCount, expectedRows[i].pinCount);
            QVERIFY(row.pinCount >= 2 && row.pinCount <= 60);
            // Every pin named, and no name twice in one type.
            QSet<QString> seen;
            for (int p = 0; p < row.pinCount; ++p) {
                QVERIFY(row.pins[p] && *row.pins[p]);
                seen.insert(QString::fromLatin1(row.pins[p]));
            }
            QCOMPARE(int(seen.size()), int(row.pinCount));
            ++perClass[row.blockClass];
        }
        const int counts[BlockClassCount] = {5, 38, 50, 36, 7, 24, 123, 29, 27, 9};
        for (int c = 0; c < BlockClassCount; ++c)
            QCOMPARE(perClass[c], counts[c]);
        QCOMPARE(blockTypesOfClass(6).size(), 123);
        QCOMPARE(blockTypesOfClass(0), QList<int>({0, 1, 2, 3, 4}));
        QVERIFY(blockTypesOfClass(10).isEmpty());

        const QStringList classes = {"Time blocks",  "R-C blocks  ", "BMRC blocks", "Rectifier bloks",
                                     "Shield blocks", "Coding blocks", "TRC blocks", "GAC blocks",
                                     "Other blocks", "CHDK blocks"};
        for (int c = 0; c < BlockClassCount; ++c) {
            QCOMPARE(QString(blockClasses[c]), classes[c]);
            QCOMPARE(blockClassName(c), classes[c]);
        }
        QVERIFY(blockClassName(10).isEmpty());
        QVERIFY(blockClassName(-1).isEmpty());

        // Each group of the place table: the types of that mounting place
        // and position code, and no others.
        int placed = 0;
        for (const ExpectedPlace &group : expectedPlaces) {
            QStringList found;
            for (int i = 0; i < BlockTypeCount; ++i) {
                if (blockTypes[i].placeType == group.placeType && blockTypes[i].positionCode == group.positionCode)
                    found << QString(blockTypes[i].name);
            }
            QStringList wanted = group.names;
            found.sort();
            wanted.sort();
            QCOMPARE(found, wanted);
            placed += int(found.size());
        }
        QCOMPARE(placed, 348);
        // The two rows named "S" differ by their class.
        QCOMPARE(blockTypes[typeIndex("S", 2)].placeType, 23);
        QCOMPARE(blockTypes[typeIndex("S", 7)].placeType, 22);
        QCOMPARE(blockTypes[typeIndex("S", 7)].pinCount, 44);
        QCOMPARE(blockTypes[typeIndex("S", 2)].pinCount, 42);
        // Both rows named "KBM2x4" exist in their class.
        int kbm = 0;
        for (int row : blockTypesOfClass(1))
            kbm += qstrcmp(blockTypes[row].name, "KBM2x4") == 0;
        QCOMPARE(kbm, 2);
    }

    void catalogueSampledPins()
    {
        QCOMPARE(pinsOf(typeIndex("BVMSH")),
                 QStringList({"11", "12", "13", "31", "32", "33", "51", "52", "53", "71", "72", "73"}));
        QStringList relayBlock = {"1", "2", "3", "4"};
        for (int g = 1; g <= 8; ++g)
            relayBlock << numbered(QString::number(g), 1, 3);
        QCOMPARE(pinsOf(typeIndex("BDSH-20")), relayBlock);

        // Two strips of 22.
        const QStringList strips = numbered("1", 1, 22) + numbered("2", 1, 22);
        QCOMPARE(pinsOf(typeIndex("VII")), strips);
        for (int row : blockTypesOfClass(7))
            QCOMPARE(pinsOf(row), strips);
        const int mi = typeIndex("MI");
        QCOMPARE(blockFindPin(mi, "121"), nullptr);
        QCOMPARE(blockFindPin(mi, "214"), nullptr);
        QVERIFY(blockFindPin(mi, "120"));
        QCOMPARE(blockFindPin(mi, "120"), blockTypes[mi].pins[19]);
        for (int row : blockTypesOfClass(2)) {
            for (const QString &pin : pinsOf(row))
                QVERIFY(strips.contains(pin));
        }

        QCOMPARE(pinsOf(typeIndex("KB-1")), numbered("", 1, 6));
        QCOMPARE(pinsOf(typeIndex("140DDI35300")), numbered("", 1, 40));
        QCOMPARE(pinsOf(typeIndex("ABE-7H20")), numbered("", 1, 20));
        QCOMPARE(pinsOf(typeIndex("PK5-1")), numbered("", 1, 16));
        QCOMPARE(pinsOf(typeIndex("BPK")), numbered("25/", 1, 8) + QStringList({"RC2", "S", "PK3", "PK4"})
                                               + numbered("50/", 1, 8)
                                               + QStringList({"RC1", "OS", "PK1", "PK2", "T1-N", "T1-K", "T2-N", "T2-K"}));
        QCOMPARE(pinsOf(typeIndex("PCH50/25-100")), numbered("I", 1, 4) + numbered("II", 1, 10)
                                                        + QStringList({"N1", "K1", "N2", "K2", "K", "K."}));
        QCOMPARE(pinsOf(typeIndex("VAK-13")),
                 QStringList({"110V", "127V", "220V", "S", "0", "+", "-"}) + numbered("", 1, 6));
        for (const char *name : {"VAK-11A", "VAK-13A", "VAK-16A", "VAK-13M", "VAK-14M", "VAK-16M"})
            QCOMPARE(pinsOf(typeIndex(name)), QStringList({"110V", "127V", "220V", "0", "+", "-"}));
        QCOMPARE(pinsOf(typeIndex("KPTSH-515")), QStringList({"Z1", "J1", "KJ1", "OZ1", "OJ1", "OKJ1", "Z2", "J2",
                                                              "KJ2", "OZ2", "OJ2", "OKJ2", "220", "0"}));
        QCOMPARE(pinsOf(typeIndex("KPTSH-1015")),
                 QStringList({"1", "Gen.1", "1A", "Gen.1A", "2", "Gen.2", "2A", "Gen.2A", "220", "0"}));
        QCOMPARE(pinsOf(typeIndex("KPTSH - 515")),
                 numbered("PKJ", 1, 6) + numbered("OPKJ", 1, 6) + QStringList({"220", "0"}));
        QStringList urp;
        for (const char *strip : {"XT1", "XT2"}) {
            for (const char *letter : {"a", "b", "c"})
                urp << numbered(QString("%1-%2").arg(strip, letter), 1, 9) << QString("%1-%2").arg(strip, letter) + "0";
        }
        for (const char *name : {"URPI-1", "URPI-2", "URPM1-1", "URPM1-2", "URPM1-3"})
            QCOMPARE(pinsOf(typeIndex(name)), urp);
        QCOMPARE(pinsOf(typeIndex("DEK-OV-24DC/24DC/3")), QStringList({"A1+", "A2-", "13+", "14"}));

        // Lookups: exact bytes, the catalogue's own string, nothing outside.
        const int bpk = typeIndex("BPK");
        QCOMPARE(blockFindPin(bpk, "RC2"), blockTypes[bpk].pins[8]);
        QCOMPARE(blockFindPin(bpk, "rc2"), nullptr);
        QCOMPARE(blockFindPin(bpk, nullptr), nullptr);
        QCOMPARE(blockPinByLabel(bpk, "T2-K"), blockTypes[bpk].pins[27]);
        QCOMPARE(blockPinByLabel(bpk, "T2"), nullptr);
        ModalRecorder rec;
        QCOMPARE(blockTypeAt(-1), nullptr);
        QCOMPARE(blockTypeAt(348), nullptr);
        QCOMPARE(blockTypeAt(347), &blockTypes[347]);
        QVERIFY(blockTypeName(348).isEmpty());
        QCOMPARE(blockTypeName(0), QString("BVMSH"));
        QCOMPARE(blockFindPin(348, "1"), nullptr);
        QCOMPARE(blockPinByLabel(-5, "1"), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // Every pin of a block is a name that the wiring table of its position
    // shows, so no pin list stands for a block it cannot fit; the R-C blocks
    // of the NMSH plug number their pins as relays do.
    void pinListsFitTheirPositions()
    {
        for (int i = 0; i < BlockTypeCount; ++i) {
            const BlockType &row = blockTypes[i];
            const WiringPinNames *shown = row.positionCode < 0 ? nullptr : &wiringPinNames[row.positionCode];
            for (int p = 0; shown && p < row.pinCount; ++p)
                QVERIFY2(std::any_of(shown->names, shown->names + shown->count,
                                     [&](const char *name) { return name && qstrcmp(name, row.pins[p]) == 0; }),
                         row.name);
        }
        QCOMPARE(pinsOf(typeIndex("KBMSH-1A")), QStringList({"1", "2", "11", "12", "13", "21", "22", "23"}));
    }

    void blockAnswersFromItsType()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Block *block = newBlock(project, "B7_2", -1);
        QVERIFY(block);
        QCOMPARE(block->kind(), int(BlockKind));
        QCOMPARE(project.kindName(BlockKind), QString("Block"));
        // Without a type: neutral answers and no report.
        QVERIFY(block->modelName().isEmpty());
        QCOMPARE(block->placeType(), -1);
        QCOMPARE(block->positionCode(), -1);
        QCOMPARE(block->pinCount(), 0);
        QCOMPARE(block->blockClass(), -1);
        QCOMPARE(block->pinIndex("11"), nullptr);
        QCOMPARE(block->modelPinByLabel("11"), nullptr);
        QVERIFY(block->canAppend(nullptr));
        QCOMPARE(boxTexts(rec), QStringList());

        const int bdsh = typeIndex("BDSH-20");
        block->setModelIndex(bdsh);
        QCOMPARE(block->modelName(), QString("BDSH-20"));
        QCOMPARE(block->placeType(), 18);
        QCOMPARE(block->placeTypeName(), QString("NMSH"));
        QCOMPARE(block->positionCode(), 0);
        QCOMPARE(block->pinCount(), 28);
        QCOMPARE(block->blockClass(), 1);
        QCOMPARE(block->baseName(), QString("B7"));
        QCOMPARE(block->pinIndex("83"), blockTypes[bdsh].pins[27]);
        QCOMPARE(block->pinIndex("84"), nullptr);
        QCOMPARE(block->modelPinByLabel("4"), blockTypes[bdsh].pins[3]);

        block->setModelIndex(typeIndex("MI"));
        QCOMPARE(block->modelPinByLabel("121"), nullptr);
        QVERIFY(block->modelPinByLabel("120"));
        QCOMPARE(block->positionCode(), 3);
        QCOMPARE(block->placeTypeName(), QString("Block Big"));
        block->setModelIndex(typeIndex("ABE-7H20"));
        QCOMPARE(block->placeType(), 211);
        QCOMPARE(block->positionCode(), -1);
        block->setModelIndex(typeIndex("BPK"));
        QCOMPARE(block->placeType(), 35);
        QCOMPARE(block->positionCode(), 12);
        QCOMPARE(boxTexts(rec), QStringList());

        // The caption cells and the place show the base name and the type.
        block->setModelIndex(bdsh);
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            block->paintCaption(&painter, QRectF(0, 0, 200, 100));
            block->paintInPlace(&painter, QRectF(0, 0, 300, 200), nullptr, nullptr, false);
            painter.end();
            QCOMPARE(recorder.texts, QStringList({"B7", "BDSH-20", "B7", "BDSH-20"}));
        }

        // An index outside the catalogue is refused: the type stays.
        QVERIFY(!block->setModelIndex(348));
        QCOMPARE(block->modelName(), QString("BDSH-20"));
        QCOMPARE(boxTexts(rec).size(), 0);
    }

    void blockRecordIsRangeChecked()
    {
        for (qint32 index : {-1, 0, 347, 348, -2, 4000}) {
            ModalRecorder rec;
            QByteArray bytes;
            {
                Project project(nullptr, nullptr);
                Obj *block = project.createDevice(BlockKind);
                block->setName("B1");
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                Project::IdentityScope scope(project);
                out << qint32(1) << qint32(BlockKind) << qint32(1);
                out << QString("B1") << project.identity(block) << index << true;
            }
            Project loaded(nullptr, nullptr);
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            QString message;
            const bool ok = loaded.readDevices(in, &message);
            const bool valid = index >= -1 && index <= 347;
            QCOMPARE(ok, valid);
            if (valid) {
                auto *block = dynamic_cast<Block *>(loaded.findObj(BlockKind, "B1"));
                QVERIFY(block);
                QCOMPARE(block->modelIndex(), int(index));
                QVERIFY(block->showAddress());
            } else {
                QVERIFY(message.contains("Load devices not correct."));
                QVERIFY(!loaded.findObj(BlockKind, "B1"));
            }
            QCOMPARE(boxTexts(rec), QStringList());
        }

        // What the project writes of a block: the device record.
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Block *block = newBlock(project, "B2", 17);
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            block->write(out);
        }
        QByteArray expected;
        {
            DataStream out(&expected, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << QString("B2") << qint32(1) << qint32(17) << false;
        }
        QCOMPARE(bytes, expected);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void itemDefaultsAndGeometry()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        GraphicsBlock item(&sheet);
        QCOMPARE(item.type(), QGraphicsItem::UserType + 400);
        QCOMPARE(item.objType(), int(BlockKind));
        QCOMPARE(item.bindMode(), int(GraphicsObjItem::BindShared));
        QCOMPARE(item.itemFlags(), 3);
        QCOMPARE(item.parentItem(), nullptr);
        QCOMPARE(item.blockWidth(), 20);
        QCOMPARE(item.rows(), 8);
        QVERIFY(item.pinRows().isEmpty());
        QCOMPARE(item.pinCount(), 0);
        QCOMPARE(item.block(), nullptr);
        QCOMPARE(item.boundingRect(), QRectF(QPointF(-10.5, -3.5), QPointF(290.5, 483.5)));

        // The columns at 0, ((width >> 3) + 1) x 40 and 10 x width + 80;
        // the rows from 160 down, 40 apart.
        item.setPinRows({record(0, 0, "a"), record(1, 2, "b"), record(2, 5, "c"), record(0, 7, "d")});
        item.layoutPins();
        QCOMPARE(item.pinCount(), 4);
        QCOMPARE(item.pin(0)->center(), QPointF(0, 160));
        QCOMPARE(item.pin(1)->center(), QPointF(120, 240));
        QCOMPARE(item.pin(2)->center(), QPointF(280, 360));
        QCOMPARE(item.pin(3)->center(), QPointF(0, 440));
        QCOMPARE(item.pin(0)->size(), pinSize);
        item.setBlockWidth(33);
        item.setRows(12);
        item.layoutPins();
        QCOMPARE(item.pin(1)->center(), QPointF(200, 240));
        QCOMPARE(item.pin(2)->center(), QPointF(410, 360));
        QCOMPARE(item.boundingRect(), QRectF(-7, 0, 94 + 330, 640).adjusted(-3.5, -3.5, 3.5, 3.5));

        // Laying out again makes new pins: the old ones are unsoldered.
        GraphicsBlock other(&sheet);
        other.setPinRows({record(0, 0, "a")});
        other.layoutPins();
        QVERIFY(item.pin(0)->solder(other.pin(0)));
        item.layoutPins();
        QVERIFY(other.pin(0)->isFree());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // A narrow block and box with long labels and counts of cores paint
    // nothing outside their bounding rectangles, turned or mirrored, and the
    // sheet finds them by a label at once: a move leaves no trail.
    void labelsLieInsideTheBoundingRectangle()
    {
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        const QString label = QStringLiteral("A pin label longer than the body");
        auto *block = new GraphicsBlock(&sheet);
        block->setBlockWidth(8);
        block->setPinRows({record(0, 0, label), record(1, 1, label), record(2, 2, label)});
        auto *box = new GraphicsBox(&sheet);
        box->setBoxWidth(4);
        box->setPinRows({{true, 0, label, 200}, {false, 1, label, 12}});
        for (GraphicsDevice *item : std::initializer_list<GraphicsDevice *>{block, box}) {
            sheet.addGraphicsItem(item);
            QVERIFY(sheet.items(QPointF(item->boundingRect().right() - 4, 140)).contains(item));
            for (int turn = 0; turn < 8; ++turn) {
                QCOMPARE(devicekindtest::paintedOutside(item), 0);
                item->mirror(false);
                item->rotateBy(turn % 2, true);
            }
        }
    }

    void pinNamingSharesTheCatalogPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        Block *b1 = newBlock(project, "B1", typeIndex("BVMSH"));
        QVERIFY(b1);

        // A label names a pin of the type once: not twice in one item, not
        // in a second item; a label the type lacks stays unnamed.
        GraphicsBlock *a = newItem(sheet, "B1", {record(0, 0, "11"), record(0, 1, "12"), record(2, 0, "11"),
                                                 record(2, 1, "99")});
        QCOMPARE(a->block(), b1);
        QCOMPARE(pinNames(a), QStringList({"11", "12", "", ""}));
        QCOMPARE(a->wiringPin(0)->name(), blockTypes[typeIndex("BVMSH")].pins[0]);
        GraphicsBlock *b = newItem(sheet, "B1", {record(0, 0, "11"), record(0, 1, "13")});
        QCOMPARE(b->block(), b1);
        QCOMPARE(b1->items().size(), 2);
        QCOMPARE(pinNames(b), QStringList({"", "13"}));
        QVERIFY(a->hasPinLabel("11"));
        QVERIFY(!a->hasPinLabel("13"));
        QVERIFY(!a->hasPinLabel("99"));
        QVERIFY(b1->isPinUsedByOtherItem("11", b));
        QVERIFY(!b1->isPinUsedByOtherItem("11", a));
        QVERIFY(b1->isPinUsedByOtherItem("13", a));
        QCOMPARE(b1->itemWithPin("11"), a);
        QCOMPARE(b1->itemWithPin("13"), b);
        QCOMPARE(b1->itemWithPin("51"), nullptr);

        // Naming again keeps who holds what.
        b1->updateItemsPinNames();
        QCOMPARE(pinNames(a), QStringList({"11", "12", "", ""}));
        QCOMPARE(pinNames(b), QStringList({"", "13"}));

        // The holder goes: the other item claims the freed pin.
        delete a;
        QCOMPARE(b1->items().size(), 1);
        QCOMPARE(pinNames(b), QStringList({"11", "13"}));

        // Another type: the labels name what the new type has.
        b1->setModelIndex(typeIndex("KB-1"));
        b1->updateItemsPinNames();
        QCOMPARE(pinNames(b), QStringList({"", ""}));
        b->setPinRows({record(0, 0, "1"), record(0, 1, "6"), record(0, 2, "7")});
        b->layoutPins();
        b->updatePinNames();
        QCOMPARE(pinNames(b), QStringList({"1", "6", ""}));

        // An item without a block, and a block without a type, name nothing.
        GraphicsBlock *loose = newItem(sheet, "B9", {record(0, 0, "1")});
        QCOMPARE(loose->block(), nullptr);
        QCOMPARE(pinNames(loose), QStringList({""}));
        Block *bare = newBlock(project, "B9", -1);
        loose->rebindByName();
        QCOMPARE(loose->block(), bare);
        QCOMPARE(pinNames(loose), QStringList({""}));

        // A deleted block leaves its items unnamed.
        delete b1;
        QCOMPARE(b->block(), nullptr);
        QCOMPARE(pinNames(b), QStringList({"", "", ""}));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void drawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        QStyleOptionGraphicsItem option;

        // A new item without records: the body and its caption.
        GraphicsBlock *plain = newItem(sheet, "X1", {});
        hideHelp = true;
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            plain->draw(&painter, &option, hideHelp);
            painter.end();
            QCOMPARE(recorder.texts, QStringList({"X1"}));
            const QList<PaintRecorder::Shape> lines = recorder.shapesOf("line");
            QCOMPARE(lines.size(), 7);
            QCOMPARE(recorder.shapes.size(), 7);
            QList<QRectF> expected;
            for (double y : {0, 40, 80, 120, 480})
                expected << QRectF(QPointF(40, y), QPointF(240, y));
            expected << QRectF(QPointF(40, 0), QPointF(40, 480)) << QRectF(QPointF(240, 0), QPointF(240, 480));
            for (int i = 0; i < lines.size(); ++i) {
                QCOMPARE(lines[i].bounds, expected[i]);
                QCOMPARE(lines[i].pen, penBlack.color());
            }
        }
        // With help: the row numbers on both sides.
        hideHelp = false;
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            plain->draw(&painter, &option, hideHelp);
            painter.end();
            QStringList expected = {"X1"};
            for (int n = 1; n <= 8; ++n)
                expected << QString::number(n) << QString::number(n);
            QCOMPARE(recorder.texts, expected);
        }

        // Bound: the type name and the base name; a pin without a catalogue
        // pin is red; a centre column gets its bar.
        Block *block = newBlock(project, "B1_1", typeIndex("BVMSH"));
        GraphicsBlock *item = newItem(sheet, "B1_1", {record(0, 0, "11"), record(1, 2, "12"), record(1, 5, "88"),
                                                      record(2, 3, "13")});
        QCOMPARE(item->block(), block);
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            item->draw(&painter, &option, true);
            painter.end();
            QVERIFY(recorder.texts.contains("BVMSH"));
            QVERIFY(recorder.texts.contains("B1"));
            QVERIFY(!recorder.texts.contains("B1_1"));
            for (const char *label : {"11", "12", "88", "13"})
                QVERIFY(recorder.texts.contains(label));
            const QList<PaintRecorder::Shape> lines = recorder.shapesOf("line");
            // Body, four leads, the bar.
            QCOMPARE(lines.size(), 7 + 4 + 1);
            QCOMPARE(lines[7].bounds, QRectF(QPointF(0, 160), QPointF(80, 160)));
            QCOMPARE(lines[7].pen, penBlack.color());
            QCOMPARE(lines[8].bounds, QRectF(QPointF(80, 240), QPointF(120, 240)));
            QCOMPARE(lines[9].bounds, QRectF(QPointF(80, 360), QPointF(120, 360)));
            QCOMPARE(lines[9].pen, penRed.color());
            QCOMPARE(lines[10].bounds, QRectF(QPointF(200, 280), QPointF(280, 280)));
            QCOMPARE(lines[11].bounds, QRectF(QPointF(110, 220), QPointF(110, 380)));
            QCOMPARE(lines[11].pen, penBlack.color());
        }
        // Selected: all blue, and the frame.
        option.state |= QStyle::State_Selected;
        option.rect = item->boundingRect().toRect();
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            item->draw(&painter, &option, false);
            painter.end();
            for (const PaintRecorder::Shape &shape : recorder.shapesOf("line"))
                QCOMPARE(shape.pen, penBlue.color());
            bool frame = false;
            for (const PaintRecorder::Shape &shape : recorder.shapesOf("rect"))
                frame = frame || shape.pen == penBlueThin.color();
            QVERIFY(frame);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void netWalks()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        Block *abe = newBlock(project, "A1", typeIndex("ABE-7H20"));
        Block *other = newBlock(project, "B1", typeIndex("BVMSH"));
        QVERIFY(abe && other);
        GraphicsBlock *a = newItem(sheet, "A1", {record(0, 0, "1")});
        GraphicsBlock *b = newItem(sheet, "B1", {record(0, 0, "11")});
        GraphicsBlock *c = newItem(sheet, "C1", {record(0, 0, "11")});
        QVERIFY(a->pin(0)->solder(b->pin(0)));

        // A plain walk leaves the ABE block's pins out; a walk asked to
        // cross them takes them.
        QList<Pin *> pins;
        b->pin(0)->collectNetAcross(pins, nullptr, 0);
        QVERIFY(pins.isEmpty());
        b->pin(0)->collectNetAcross(pins, nullptr, 1);
        QCOMPARE(pins, QList<Pin *>({a->pin(0)}));
        pins.clear();
        a->pin(0)->collectNetAcross(pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>({b->pin(0)}));
        pins.clear();
        c->collectNet(c->pin(0), pins, nullptr, 0);
        QCOMPARE(pins, QList<Pin *>({c->pin(0)}));
        QCOMPARE(boxTexts(rec), QStringList());
        // A pin of another item is refused.
        pins.clear();
        c->collectNet(b->pin(0), pins, nullptr, 0);
        QVERIFY(pins.isEmpty());
        QCOMPARE(boxTexts(rec).size(), 1);
    }

    void itemRoundTrip()
    {
        ModalRecorder rec;
        QByteArray bytes;
        const int bdsh = typeIndex("BDSH-20");
        {
            Project project(nullptr, nullptr);
            BlockSheet sheet(&project);
            Block *block = newBlock(project, "B1", bdsh);
            block->setShowAddress(true);
            GraphicsBlock *a = newItem(sheet, "B1", {record(0, 0, "11"), record(1, 3, "12"), record(2, 1, "1")});
            a->setBlockWidth(24);
            a->setRows(10);
            a->layoutPins();
            a->updatePinNames();
            a->setPos(400, 800);
            GraphicsBlock *b = newItem(sheet, "B1", {record(0, 0, "11"), record(2, 9, "83")});
            b->setRows(10);
            b->setPos(1200, 800);
            b->rotateBy(1, true);
            GraphicsBlock *loose = newItem(sheet, "Q7", {record(1, 0, "x")});
            loose->setPos(2000, 800);
            QVERIFY(a->pin(2)->solder(b->pin(0)));
            QCOMPARE(pinNames(a), QStringList({"11", "12", "1"}));
            QCOMPARE(pinNames(b), QStringList({"", "83"}));
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        QCOMPARE(boxTexts(rec), QStringList());
        QCOMPARE(sheet.graphicsItems().size(), 3);
        auto *a = dynamic_cast<GraphicsBlock *>(sheet.graphicsItems()[0]);
        auto *b = dynamic_cast<GraphicsBlock *>(sheet.graphicsItems()[1]);
        auto *loose = dynamic_cast<GraphicsBlock *>(sheet.graphicsItems()[2]);
        QVERIFY(a && b && loose);
        auto *block = dynamic_cast<Block *>(project.findObj(BlockKind, "B1"));
        QVERIFY(block);
        QCOMPARE(block->modelIndex(), bdsh);
        QVERIFY(block->showAddress());
        QCOMPARE(block->items().size(), 2);
        QCOMPARE(a->block(), block);
        QCOMPARE(b->block(), block);
        QCOMPARE(loose->block(), nullptr);
        QCOMPARE(loose->ownName(), QString("Q7"));
        QCOMPARE(a->blockWidth(), 24);
        QCOMPARE(a->rows(), 10);
        QCOMPARE(a->pinRows(), QList<BlockPinRow>({record(0, 0, "11"), record(1, 3, "12"), record(2, 1, "1")}));
        QCOMPARE(b->pinRows(), QList<BlockPinRow>({record(0, 0, "11"), record(2, 9, "83")}));
        QCOMPARE(a->pin(1)->center(), QPointF(160, 280));
        QCOMPARE(a->pin(2)->center(), QPointF(320, 200));
        QCOMPARE(a->pos(), QPointF(400, 800));
        QCOMPARE(b->rotationIndex(), 1);
        QCOMPARE(pinNames(a), QStringList({"11", "12", "1"}));
        QCOMPARE(pinNames(b), QStringList({"", "83"}));
        QCOMPARE(a->pin(2)->partner(), b->pin(0));
        QCOMPARE(pinNames(loose), QStringList({""}));

        // Saved again: the same bytes.
        QCOMPARE(saveAll(project, sheet), bytes);
    }

    void damagedItemRecords_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<qint32>("count");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("valid");
        QTest::newRow("good") << 8 << qint32(1) << 2 << 7 << true;
        QTest::newRow("no records") << 8 << qint32(0) << 0 << 0 << true;
        QTest::newRow("last table row") << 70 << qint32(1) << 1 << 69 << true;
        QTest::newRow("fourth column") << 8 << qint32(1) << 3 << 0 << false;
        QTest::newRow("column 255") << 8 << qint32(1) << 255 << 0 << false;
        QTest::newRow("row below the body") << 8 << qint32(1) << 0 << 8 << false;
        QTest::newRow("row beyond the table") << 200 << qint32(1) << 0 << 70 << false;
        QTest::newRow("negative count") << 8 << qint32(-1) << 0 << 0 << false;
        QTest::newRow("too many") << 8 << qint32(211) << 0 << 0 << false;
        QTest::newRow("huge count") << 8 << qint32(0x7fffffff) << 0 << 0 << false;
    }

    void damagedItemRecords()
    {
        QFETCH(int, rows);
        QFETCH(qint32, count);
        QFETCH(int, side);
        QFETCH(int, row);
        QFETCH(bool, valid);
        ModalRecorder rec;
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << quint8(16) << quint8(rows) << count;
            for (int i = 0; i < qMin(count, qint32(1)); ++i)
                out << QString("11") << quint8(side) << quint8(row);
            out << qint32(0) << QString("B1");
        }
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        GraphicsBlock item(&sheet);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        item.loadData(in);
        QCOMPARE(in.status() == QDataStream::Ok, valid);
        if (valid) {
            QCOMPARE(item.blockWidth(), 16);
            QCOMPARE(item.rows(), rows);
            QCOMPARE(item.pinCount(), int(count));
            QCOMPARE(item.ownName(), QString("B1"));
            QVERIFY(in.atEnd());
        } else {
            QCOMPARE(item.pinCount(), 0);
            QVERIFY(item.pinRows().isEmpty());
            QCOMPARE(item.blockWidth(), 20);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void clipboardRecords()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        Block *block = newBlock(project, "B1", typeIndex("BVMSH"));
        GraphicsBlock *a = newItem(sheet, "B1", {record(0, 0, "11"), record(0, 1, "12")});
        QCOMPARE(pinNames(a), QStringList({"11", "12"}));

        // Pasted where its block exists: the copy joins it and gets only
        // the pins nobody holds.
        const QByteArray bytes = copyItems(project, sheet, {a});
        BlockSheet target(&project, "S2");
        const QList<GraphicsItem *> pasted = pasteItems(project, target, bytes);
        QCOMPARE(pasted.size(), 1);
        auto *copy = dynamic_cast<GraphicsBlock *>(pasted.first());
        QVERIFY(copy);
        QCOMPARE(copy->block(), block);
        QCOMPARE(block->items().size(), 2);
        QCOMPARE(copy->pinRows(), a->pinRows());
        QCOMPARE(pinNames(copy), QStringList({"", ""}));

        // Pasted into another project: a new block of the same type.
        Project other(nullptr, nullptr);
        BlockSheet otherSheet(&other);
        const QList<GraphicsItem *> there = pasteItems(other, otherSheet, bytes);
        QCOMPARE(there.size(), 1);
        auto *made = dynamic_cast<Block *>(other.findObj(BlockKind, "B1"));
        QVERIFY(made);
        QCOMPARE(made->modelIndex(), typeIndex("BVMSH"));
        QCOMPARE(pinNames(dynamic_cast<GraphicsBlock *>(there.first())), QStringList({"11", "12"}));
        QCOMPARE(boxTexts(rec), QStringList());

        // A clipboard record whose block type lies outside the catalogue
        // is damaged: no block is made from it.
        for (qint32 index : {qint32(5), qint32(348), qint32(-7)}) {
            QByteArray record;
            {
                DataStream out(&record, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << quint8(20) << quint8(8) << qint32(0) << qint32(77) << true << QString("B5") << index;
            }
            Project fresh(nullptr, nullptr);
            BlockSheet freshSheet(&fresh);
            GraphicsBlock item(&freshSheet);
            DataStream in(&record, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            item.loadClipboardData(in);
            const bool valid = index == 5;
            QCOMPARE(in.status() == QDataStream::Ok, valid);
            auto *pastedBlock = dynamic_cast<Block *>(fresh.findObj(BlockKind, "B5"));
            QCOMPARE(pastedBlock != nullptr, valid);
            if (valid)
                QCOMPARE(pastedBlock->modelIndex(), 5);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogLayoutAndRememberedChoices()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        const QStringList sortedClasses = {"BMRC blocks", "CHDK blocks", "Coding blocks", "GAC blocks",
                                           "Other blocks", "R-C blocks  ", "Rectifier bloks", "Shield blocks",
                                           "TRC blocks", "Time blocks"};
        {
            DlgPropBlock dialog(&sheet);
            QCOMPARE(comboTexts(dialog.classCombo()), sortedClasses);
            QCOMPARE(dialog.classCombo()->itemData(0).toInt(), 2);
            QCOMPARE(dialog.classCombo()->itemData(9).toInt(), 0);
            QCOMPARE(dialog.classCombo()->sizeHint().width(), 50);
            QCOMPARE(dialog.typeCombo()->sizeHint().width(), 50);
            // Nothing remembered: the first class and its first type.
            QCOMPARE(dialog.classCombo()->currentIndex(), 0);
            QCOMPARE(dialog.typeCombo()->count(), 50);
            QCOMPARE(dialog.typeCombo()->currentText(), QString("MI"));
            QCOMPARE(dialog.typeCombo()->comboCurrentData(), typeIndex("MI"));

            QCOMPARE(headerTexts(dialog.objTable()), QStringList({"Name", "Type", "Cont.", "Cnt GB"}));
            QCOMPARE(dialog.objTable()->columnWidth(2), 50);
            QCOMPARE(dialog.objTable()->sizeHint(), QSize(300, 250));
            QCOMPARE(headerTexts(dialog.contactsTree()), QStringList({"Cont.", "Scheme"}));
            QCOMPARE(dialog.contactsTree()->sizeHint(), QSize(130, 200));
            const QStringList labels = labelsOf(&dialog);
            for (const char *text : {"Name:", "Class:", "Type:", "Find Block:", "Block name:", "Block width( mm ):",
                                     "Count Rows Pins:"})
                QVERIFY2(labels.contains(text), text);
            for (const char *text : {"Add", "Del", "Repl", "V", "Ok", "Cancel"})
                QVERIFY2(buttonOf(&dialog, text), text);

            QCOMPARE(dialog.widthSpin()->value(), 20);
            QCOMPARE(dialog.widthSpin()->minimum(), 8);
            QCOMPARE(dialog.widthSpin()->maximum(), 200);
            QCOMPARE(dialog.widthSpin()->singleStep(), 4);
            dialog.widthSpin()->setValue(203);
            QCOMPARE(dialog.widthSpin()->value(), 200);
            QCOMPARE(dialog.rowsSpin()->value(), 8);
            QCOMPARE(dialog.rowsSpin()->minimum(), 1);
            QCOMPARE(dialog.rowsSpin()->maximum(), 70);

            QTableWidget *table = dialog.pinTable();
            QCOMPARE(table->rowCount(), 70);
            QCOMPARE(table->columnCount(), 3);
            QCOMPARE(table->width(), 180);
            QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Left"));
            QCOMPARE(table->horizontalHeaderItem(1)->text(), QString("Center"));
            QCOMPARE(table->horizontalHeaderItem(2)->text(), QString("Right"));
            for (int row = 0; row < 70; ++row) {
                QCOMPARE(table->isRowHidden(row), row >= 8);
                QCOMPARE(table->rowHeight(row), row < 8 ? 20 : 0);
                for (int column = 0; column < 3; ++column)
                    QVERIFY(table->item(row, column) && table->item(row, column)->text().isEmpty());
            }
            QCOMPARE(table->columnWidth(1), 45);
            dialog.rowsSpin()->setValue(12);
            QVERIFY(!table->isRowHidden(11) && table->isRowHidden(12));
            dialog.rowsSpin()->setValue(70);
            for (int row = 0; row < 70; ++row)
                QCOMPARE(table->rowHeight(row), 20);

            // Another class refills the types in name order.
            dialog.classCombo()->setCurrentIndex(sortedClasses.indexOf("Time blocks"));
            QCOMPARE(comboTexts(dialog.typeCombo()), QStringList({"BVMSH", "BVMSH-I", "BVMSH-M1", "BVMSH-U", "BVV"}));
            QCOMPARE(dialog.typeCombo()->currentIndex(), 0);
            dialog.classCombo()->setCurrentIndex(sortedClasses.indexOf("R-C blocks  "));
            QCOMPARE(comboTexts(dialog.typeCombo()).count("KBM2x4"), 2);
            QCOMPARE(dialog.typeCombo()->count(), 38);
            dialog.classCombo()->setCurrentIndex(sortedClasses.indexOf("Time blocks"));
            dialog.typeCombo()->setCurrentIndex(3);
            // Nothing is written while the dialog is open.
            QSettings store(QStringLiteral("R-LAY"), QStringLiteral("DlgPropBlock"));
            QVERIFY(store.allKeys().isEmpty());
        }
        // Closed: the positions in the two lists.
        {
            QSettings store(QStringLiteral("R-LAY"), QStringLiteral("DlgPropBlock"));
            QCOMPARE(store.value("class_type").toInt(), 9);
            QCOMPARE(store.value("block_type").toInt(), 3);
        }
        {
            DlgPropBlock dialog(&sheet);
            QCOMPARE(dialog.classCombo()->currentText(), QString("Time blocks"));
            QCOMPARE(dialog.typeCombo()->currentText(), QString("BVMSH-U"));
            QCOMPARE(dialog.typeCombo()->comboCurrentData(), typeIndex("BVMSH-U"));
            dialog.classCombo()->setCurrentIndex(5);
            dialog.typeCombo()->setCurrentIndex(37);
        }
        {
            QSettings store(QStringLiteral("R-LAY"), QStringLiteral("DlgPropBlock"));
            QCOMPARE(store.value("class_type").toInt(), 5);
            QCOMPARE(store.value("block_type").toInt(), 37);
        }
        // Positions the lists do not have are left alone.
        {
            QSettings store(QStringLiteral("R-LAY"), QStringLiteral("DlgPropBlock"));
            store.setValue("class_type", 0);
            store.setValue("block_type", 50);
        }
        {
            DlgPropBlock dialog(&sheet);
            QCOMPARE(dialog.classCombo()->currentIndex(), 0);
            QCOMPARE(dialog.typeCombo()->currentIndex(), 0);
        }
        {
            QSettings store(QStringLiteral("R-LAY"), QStringLiteral("DlgPropBlock"));
            store.setValue("class_type", 10);
            store.setValue("block_type", 2);
        }
        {
            DlgPropBlock dialog(&sheet);
            QCOMPARE(dialog.classCombo()->currentIndex(), -1);
            QCOMPARE(dialog.typeCombo()->count(), 0);
        }
        {
            QSettings store(QStringLiteral("R-LAY"), QStringLiteral("DlgPropBlock"));
            store.setValue("class_type", -3);
            store.setValue("block_type", -1);
        }
        {
            DlgPropBlock dialog(&sheet);
            QCOMPARE(dialog.classCombo()->currentIndex(), -1);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogObjectButtons()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        DlgPropBlock dialog(&sheet);
        QPushButton *add = buttonOf(&dialog, "Add");
        QPushButton *del = buttonOf(&dialog, "Del");
        QPushButton *repl = buttonOf(&dialog, "Repl");
        QPushButton *choose = buttonOf(&dialog, "V");
        QVERIFY(add && del && repl && choose);

        add->click();
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!"}));
        QCOMPARE(rec.shown.last().title, QString("Error"));

        // A new block takes the type shown.
        rec.clear();
        chooseType(dialog, "R-C blocks  ", "BDSH-20");
        QTest::keyClicks(dialog.edObjName(), "B1");
        add->click();
        auto *b1 = dynamic_cast<Block *>(project.findObj(BlockKind, "B1"));
        QVERIFY(b1);
        QCOMPARE(b1->modelIndex(), typeIndex("BDSH-20"));
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 1);
        QTreeWidgetItem *row = dialog.objTable()->topLevelItem(0);
        QVERIFY(row->isSelected());
        QCOMPARE(row->text(0), QString("B1"));
        QCOMPARE(row->text(1), QString("BDSH-20"));
        QCOMPARE(row->text(2), QString("28"));
        QCOMPARE(row->text(3), QString("0"));
        QCOMPARE(dialog.contactsTree()->topLevelItemCount(), 28);
        add->click();
        QCOMPARE(boxTexts(rec), QStringList({"Object already exists!"}));

        // Replacing: another type for the selected block; its items name
        // their pins anew.
        GraphicsBlock *item = newItem(sheet, "B1", {record(0, 0, "11"), record(0, 1, "1")});
        QCOMPARE(pinNames(item), QStringList({"11", "1"}));
        rec.clear();
        chooseType(dialog, "Rectifier bloks", "VUS-1,3");
        repl->click();
        QCOMPARE(boxTexts(rec), QStringList());
        QCOMPARE(b1->modelIndex(), typeIndex("VUS-1,3"));
        QCOMPARE(pinNames(item), QStringList({"", "1"}));
        QCOMPARE(row->text(1), QString("VUS-1,3"));
        QCOMPARE(row->text(2), QString("4"));
        // Renamed by the same button.
        dialog.edObjName()->setText("B2");
        repl->click();
        QCOMPARE(b1->name(), QString("B2"));
        QCOMPARE(item->name(), QString("B2"));
        QCOMPARE(row->text(0), QString("B2"));
        Block *b3 = newBlock(project, "B3", 0);
        dialog.edObjName()->setText("B3");
        repl->click();
        QCOMPARE(boxTexts(rec), QStringList({"Object already exists!"}));
        QCOMPARE(b1->name(), QString("B2"));

        // Nothing selected.
        rec.clear();
        dialog.objTable()->clearSelection();
        del->click();
        repl->click();
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        choose->click();
        QCOMPARE(boxTexts(rec), QStringList(4, "Need selected Block !"));

        // Deleting a block shown by an item asks first.
        rec.clear();
        dialog.selectTreeItem(dialog.objTable(), row);
        rec.clickButton("&No");
        del->click();
        QCOMPARE(boxTexts(rec), QStringList({"Block: `B2` have graphics children! Delete this object?"}));
        QCOMPARE(rec.shown.first().buttons, QStringList({"&Yes", "&No"}));
        QCOMPARE(project.findObj(BlockKind, "B2"), b1);
        rec.clickButton("&Yes");
        del->click();
        QCOMPARE(project.findObj(BlockKind, "B2"), nullptr);
        QCOMPARE(item->block(), nullptr);
        QCOMPARE(pinNames(item), QStringList({"", ""}));
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 0);
        QCOMPARE(project.findObj(BlockKind, "B3"), b3);
    }

    void dialogShowsTheChosenBlock()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet first(&project, "S1");
        BlockSheet second(&project, "S2");
        Block *block = newBlock(project, "B1", typeIndex("BDSH-20"));
        newBlock(project, "B0", -1);
        GraphicsBlock *a = newItem(first, "B1", {record(0, 0, "11"), record(0, 1, "4")});
        GraphicsBlock *b = newItem(second, "B1", {record(0, 0, "11"), record(0, 1, "83")});
        first.setModified(false);
        QCOMPARE(pinNames(b), QStringList({"", "83"}));

        DlgPropBlock dialog(&first);
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 2);
        QTreeWidgetItem *row = dialog.objTable()->findItems("B1", Qt::MatchExactly, 0).first();
        QCOMPARE(row->text(3), QString("2"));
        dialog.selectTreeItem(dialog.objTable(), row);
        QCOMPARE(dialog.classCombo()->currentText(), QString("R-C blocks  "));
        QCOMPARE(dialog.typeCombo()->currentText(), QString("BDSH-20"));
        QCOMPARE(dialog.edObjName()->text(), QString("B1"));
        // Every pin of the type, with the sheet of the item holding it.
        QTreeWidget *pins = dialog.contactsTree();
        QCOMPARE(pins->topLevelItemCount(), 28);
        QStringList listed;
        for (int i = 0; i < pins->topLevelItemCount(); ++i)
            listed << pins->topLevelItem(i)->text(0);
        QStringList sorted = pinsOf(typeIndex("BDSH-20"));
        sorted.sort();
        QCOMPARE(listed, sorted);
        auto schemeOf = [&](const QString &pin) { return pins->findItems(pin, Qt::MatchExactly, 0).first()->text(1); };
        QCOMPARE(schemeOf("11"), QString("S1"));
        QCOMPARE(schemeOf("4"), QString("S1"));
        QCOMPARE(schemeOf("83"), second.displayName());
        QCOMPARE(schemeOf("12"), QString());

        // A double click puts the pin into the current cell.
        dialog.pinTable()->setCurrentCell(3, 2);
        QTreeWidgetItem *pin12 = pins->findItems("12", Qt::MatchExactly, 0).first();
        emit pins->itemDoubleClicked(pin12, 0);
        QCOMPARE(dialog.pinTable()->item(3, 2)->text(), QString("12"));
        dialog.btnBlockContClick(nullptr);
        QCOMPARE(dialog.pinTable()->item(3, 2)->text(), QString("12"));

        // A block without a type shows no pins and keeps the choices.
        QTreeWidgetItem *bare = dialog.objTable()->findItems("B0", Qt::MatchExactly, 0).first();
        QCOMPARE(bare->text(1), QString());
        QCOMPARE(bare->text(2), QString("0"));
        dialog.selectTreeItem(dialog.objTable(), bare);
        QCOMPARE(pins->topLevelItemCount(), 0);
        QCOMPARE(dialog.typeCombo()->currentText(), QString("BDSH-20"));

        // Choosing a row takes its name.
        QVERIFY(dialog.btnChoiseClick(row));
        QCOMPARE(dialog.edName()->text(), QString("B1"));
        QCOMPARE(boxTexts(rec), QStringList());
        Q_UNUSED(a);
        Q_UNUSED(block);
    }

    void dialogAppliesToTheItem()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BlockSheet sheet(&project);
        Block *b1 = newBlock(project, "B1", typeIndex("BVMSH"));
        Block *b2 = newBlock(project, "B2", typeIndex("BVMSH"));
        GraphicsBlock *holder = newItem(sheet, "B2", {record(0, 0, "11")});

        // A new item: labels by column and row, the width on the step.
        auto *dialog = new DlgPropBlock(&sheet);
        rec.handle([&](QDialog *) {
            dialog->edName()->setText(" B1 ");
            dialog->widthSpin()->setValue(21);
            dialog->rowsSpin()->setValue(3);
            setCell(*dialog, 0, 0, "11");
            setCell(*dialog, 2, 0, "  12 ");
            setCell(*dialog, 1, 1, "31");
            setCell(*dialog, 0, 2, "99");
            setCell(*dialog, 5, 0, "13"); // below the rows: left out
            setCell(*dialog, 1, 2, "   ");
            buttonOf(dialog, "Ok")->click();
        });
        auto *item = dynamic_cast<GraphicsBlock *>(dialog->execDialog(nullptr, blockItemType));
        delete dialog;
        QVERIFY(item);
        sheet.addGraphicsItem(item);
        QCOMPARE(item->blockWidth(), 20);
        QCOMPARE(item->rows(), 3);
        QCOMPARE(item->pinRows(),
                 QList<BlockPinRow>({record(0, 0, "11"), record(0, 2, "12"), record(1, 1, "31"), record(2, 0, "99")}));
        QCOMPARE(item->block(), b1);
        QCOMPARE(pinNames(item), QStringList({"11", "12", "31", ""}));
        QCOMPARE(item->pin(1)->center(), QPointF(0, 240));
        QCOMPARE(item->pin(3)->center(), QPointF(280, 160));
        QVERIFY(project.devicesChanged());
        QCOMPARE(boxTexts(rec), QStringList());

        // Loaded back into a dialog.
        {
            DlgPropBlock again(&sheet);
            again.loadFromItem(item);
            QCOMPARE(again.edName()->text(), QString("B1"));
            QCOMPARE(again.widthSpin()->value(), 20);
            QCOMPARE(again.rowsSpin()->value(), 3);
            QCOMPARE(again.pinTable()->item(0, 0)->text(), QString("11"));
            QCOMPARE(again.pinTable()->item(2, 0)->text(), QString("12"));
            QCOMPARE(again.pinTable()->item(1, 1)->text(), QString("31"));
            QCOMPARE(again.pinTable()->item(0, 2)->text(), QString("99"));
            QCOMPARE(again.pinTable()->item(1, 0)->text(), QString());
            QCOMPARE(again.objTable()->selectedItems().first()->text(0), QString("B1"));
            QCOMPARE(again.typeCombo()->currentText(), QString("BVMSH"));
            QVERIFY(!again.pinTable()->isRowHidden(2) && again.pinTable()->isRowHidden(3));
        }

        // Moved to another block by its name: the pin "11" there is held.
        auto *edit = new DlgPropBlock(&sheet);
        rec.handle([&](QDialog *) {
            edit->edName()->setText("B2");
            buttonOf(edit, "Ok")->click();
        });
        QCOMPARE(edit->execDialog(item, blockItemType), item);
        delete edit;
        QCOMPARE(item->block(), b2);
        // Left without items, the former block goes.
        QCOMPARE(project.findObj(BlockKind, "B1"), nullptr);
        Q_UNUSED(b1);
        QCOMPARE(pinNames(item), QStringList({"", "12", "31", ""}));
        QCOMPARE(pinNames(holder), QStringList({"11"}));

        // The holder drops its label: on Ok of the item the pin is free
        // for the others of the block.
        auto *drop = new DlgPropBlock(&sheet);
        rec.handle([&](QDialog *) {
            QCOMPARE(drop->pinTable()->item(0, 0)->text(), QString("11"));
            setCell(*drop, 0, 0, "");
            setCell(*drop, 1, 0, "13");
            buttonOf(drop, "Ok")->click();
        });
        QCOMPARE(drop->execDialog(holder, blockItemType), holder);
        delete drop;
        QCOMPARE(pinNames(holder), QStringList({"13"}));
        QCOMPARE(pinNames(item), QStringList({"11", "12", "31", ""}));

        // The only item of a block renames it; one of two leaves it.
        auto *rename = new DlgPropBlock(&sheet);
        rec.handle([&](QDialog *) {
            rename->edName()->setText("B5");
            buttonOf(rename, "Ok")->click();
        });
        rename->execDialog(item, blockItemType);
        delete rename;
        QCOMPARE(item->block(), nullptr);
        QCOMPARE(item->ownName(), QString("B5"));
        QCOMPARE(b2->items().size(), 1);
        QCOMPARE(pinNames(item), QStringList({"", "", "", ""}));
        auto *rename2 = new DlgPropBlock(&sheet);
        rec.handle([&](QDialog *) {
            rename2->edName()->setText("B6");
            buttonOf(rename2, "Ok")->click();
        });
        rename2->execDialog(holder, blockItemType);
        delete rename2;
        QCOMPARE(holder->block(), b2);
        QCOMPARE(b2->name(), QString("B6"));

        // Cancel changes nothing; an empty name leaves a new item unbound.
        auto *cancel = new DlgPropBlock(&sheet);
        rec.handle([&](QDialog *) {
            cancel->edName()->setText("B1");
            buttonOf(cancel, "Cancel")->click();
        });
        QCOMPARE(cancel->execDialog(item, blockItemType), nullptr);
        delete cancel;
        QCOMPARE(item->block(), nullptr);
        auto *unnamed = new DlgPropBlock(&sheet);
        rec.handle([&](QDialog *) { buttonOf(unnamed, "Ok")->click(); });
        auto *blank = dynamic_cast<GraphicsBlock *>(unnamed->execDialog(nullptr, blockItemType));
        delete unnamed;
        QVERIFY(blank);
        QCOMPARE(blank->block(), nullptr);
        QVERIFY(blank->pinRows().isEmpty());
        delete blank;
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void placingWiringSavingAndLoading()
    {
        ModalRecorder rec;
        Scheme::registerItemTypes();
        QVERIFY(Scheme::setItemTypeFactories(blockItemType, createGraphicsBlock, createDlgPropBlock));
        Actions actions;
        auto project = std::make_unique<Project>(nullptr, nullptr);
        auto *group = new SchemeGroup(project.get());
        group->setAtrNumber(3);
        project->schemes()->appendItem(group);
        auto *scheme = new Scheme(project.get());
        scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        scheme->setName("blocks");
        scheme->setNumber(1);
        group->appendItem(scheme);
        auto view = std::make_unique<SchemeEdit>(&actions.list);
        view->setScene(scheme);
        view->resize(1200, 800);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->setActive(true);
        view->zoom(1);
        view->zoom(1);
        view->centerOn(1400, 1000);
        QAction *blockAction = actions.list.at(81);
        QVERIFY(blockAction->isEnabled());

        auto point = [&](const QPointF &p) { return view->mapFromScene(p); };
        auto hover = [&](const QPointF &p) {
            const QPoint pos = point(p);
            QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(view->viewport()->mapToGlobal(pos)),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &event);
        };
        auto click = [&](const QPointF &p) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, point(p));
        };
        auto doubleClick = [&](const QPointF &p) {
            QWidget *target = view->viewport();
            const QPointF pos(point(p));
            const QPointF global(target->mapToGlobal(pos.toPoint()));
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                      QEvent::MouseButtonRelease}) {
                const bool down = type != QEvent::MouseButtonRelease;
                QMouseEvent event(type, pos, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
                QApplication::sendEvent(target, &event);
            }
        };
        // "Block" from the toolbox, the dialog answered, the item dropped.
        auto place = [&](const std::function<void(DlgPropBlock *)> &fill, const QPointF &where) -> GraphicsBlock * {
            const int before = int(scheme->graphicsItems().size());
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropBlock *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Block"));
                fill(dialog);
                buttonOf(dialog, "Ok")->click();
            });
            blockAction->trigger();
            if (scheme->graphicsItems().size() != before + 1)
                return nullptr;
            auto *item = dynamic_cast<GraphicsBlock *>(scheme->graphicsItems().last());
            if (!item || view->carriedItems() != QList<GraphicsItem *>({item}))
                return nullptr;
            hover(where);
            click(where);
            return view->carriedItems().isEmpty() ? item : nullptr;
        };

        // The first item: its block made in the dialog, after the refusal
        // of an empty name, then chosen with the choose button.
        GraphicsBlock *a = place(
            [&](DlgPropBlock *dialog) {
                buttonOf(dialog, "Add")->click();
                chooseType(*dialog, "R-C blocks  ", "BDSH-20");
                QTest::keyClicks(dialog->edObjName(), "KB1");
                buttonOf(dialog, "Add")->click();
                buttonOf(dialog, "V")->click();
                QCOMPARE(dialog->edName()->text(), QString("KB1"));
                dialog->rowsSpin()->setValue(4);
                setCell(*dialog, 0, 0, "11");
                setCell(*dialog, 1, 0, "12");
                setCell(*dialog, 3, 2, "1");
            },
            QPointF(800, 1000));
        QVERIFY(a);
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!"}));
        auto *kb1 = dynamic_cast<Block *>(project->findObj(BlockKind, "KB1"));
        QVERIFY(kb1);
        QCOMPARE(a->block(), kb1);
        QCOMPARE(kb1->modelIndex(), typeIndex("BDSH-20"));
        QCOMPARE(pinNames(a), QStringList({"11", "12", "1"}));
        QVERIFY(scheme->sceneRect().contains(a->sceneBoundingRect()));

        // The second item of the block, typed by name: "11" is taken.
        GraphicsBlock *b = place(
            [&](DlgPropBlock *dialog) {
                QTest::keyClicks(dialog->edName(), "KB1");
                setCell(*dialog, 0, 0, "11");
                setCell(*dialog, 0, 2, "21");
            },
            QPointF(2000, 1000));
        QVERIFY(b);
        QCOMPARE(b->block(), kb1);
        QCOMPARE(pinNames(b), QStringList({"", "21"}));

        // A block of another kind of place.
        GraphicsBlock *c = place(
            [&](DlgPropBlock *dialog) {
                chooseType(*dialog, "Other blocks", "ABE-7H20");
                dialog->edObjName()->setText("A1");
                buttonOf(dialog, "Add")->click();
                dialog->edName()->setText("A1");
                dialog->widthSpin()->setValue(12);
                setCell(*dialog, 0, 0, "1");
                setCell(*dialog, 1, 0, "2");
            },
            QPointF(800, 2000));
        QVERIFY(c);
        QCOMPARE(c->block()->modelName(), QString("ABE-7H20"));
        QCOMPARE(c->blockWidth(), 12);
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!"}));

        // Nets: a's "11" to b's "21", a's right pin down to c's "1".
        QAction *netMode = actions.list.at(73);
        netMode->trigger();
        auto wire = [&](Pin *from, Pin *to, double via) {
            QList<QPointF> points = {at(from)};
            if (at(from).y() != at(to).y())
                points << QPointF(at(from).x(), via) << QPointF(at(to).x(), via);
            points << at(to);
            for (int i = 0; i + 1 < points.size(); ++i) {
                if (points[i] == points[i + 1])
                    continue;
                click(points[i]);
                hover(points[i + 1]);
                click(points[i + 1]);
            }
        };
        wire(a->pin(0), b->pin(1), at(a->pin(0)).y() - 200);
        wire(a->pin(2), c->pin(0), at(c->pin(0)).y() - 200);
        netMode->trigger();
        QCOMPARE(view->editMode(), 30);
        QCOMPARE(clew(a->pin(0)), QList<Pin *>({b->pin(1)}));
        QCOMPARE(clew(a->pin(2)), QList<Pin *>({c->pin(0)}));
        QList<Pin *> walked;
        a->pin(2)->collectNetAcross(walked, nullptr, 0);
        QVERIFY(walked.isEmpty());
        a->pin(2)->collectNetAcross(walked, nullptr, 1);
        QCOMPARE(walked, QList<Pin *>({c->pin(0)}));
        QCOMPARE(boxTexts(rec).size(), 1);

        // The dialog opened on a placed item and left with Ok changes
        // nothing.
        rec.handle([&](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropBlock *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->edName()->text(), QString("KB1"));
            QCOMPARE(dialog->rowsSpin()->value(), 4);
            QCOMPARE(dialog->pinTable()->item(3, 2)->text(), QString("1"));
            QCOMPARE(dialog->typeCombo()->currentText(), QString("BDSH-20"));
            buttonOf(dialog, "Ok")->click();
        });
        doubleClick(a->mapToScene(QPointF(140, 60)));
        QCOMPARE(rec.shown.last().className, QString("DlgPropBlock"));
        // The item keeps its place among the block's items, and its pins.
        QCOMPARE(kb1->items().first(), static_cast<ObjItem *>(a));
        QCOMPARE(pinNames(a), QStringList({"11", "12", "1"}));
        QCOMPARE(pinNames(b), QStringList({"", "21"}));
        QCOMPARE(clew(a->pin(0)), QList<Pin *>({b->pin(1)}));
        QCOMPARE(clew(a->pin(2)), QList<Pin *>({c->pin(0)}));

        // Saved and loaded into a new project.
        const QString dir = m_dir.path() + "/blocks";
        QVERIFY(QDir().mkpath(dir));
        project->setFileName(dir + "/plant.rlay");
        QVERIFY(project->save());
        const QMap<QString, QByteArray> first = filesBelow(dir);
        QCOMPARE(first.size(), 7);
        view->setActive(false);
        view.reset();
        project.reset();

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        QList<GraphicsBlock *> items;
        for (GraphicsItem *item : sheet->graphicsItems()) {
            if (auto *block = dynamic_cast<GraphicsBlock *>(item))
                items << block;
        }
        QCOMPARE(items.size(), 3);
        a = items[0];
        b = items[1];
        c = items[2];
        kb1 = dynamic_cast<Block *>(loaded.findObj(BlockKind, "KB1"));
        auto *a1 = dynamic_cast<Block *>(loaded.findObj(BlockKind, "A1"));
        QVERIFY(kb1 && a1);
        QCOMPARE(kb1->modelIndex(), typeIndex("BDSH-20"));
        QCOMPARE(a1->modelIndex(), typeIndex("ABE-7H20"));
        QCOMPARE(kb1->items().size(), 2);
        QCOMPARE(a->block(), kb1);
        QCOMPARE(b->block(), kb1);
        QCOMPARE(c->block(), a1);
        QCOMPARE(a->rows(), 4);
        QCOMPARE(c->blockWidth(), 12);
        QCOMPARE(a->pinRows(), QList<BlockPinRow>({record(0, 0, "11"), record(0, 1, "12"), record(2, 3, "1")}));
        QCOMPARE(pinNames(a), QStringList({"11", "12", "1"}));
        QCOMPARE(pinNames(b), QStringList({"", "21"}));
        QCOMPARE(pinNames(c), QStringList({"1", "2"}));
        QCOMPARE(clew(a->pin(0)), QList<Pin *>({b->pin(1)}));
        QCOMPARE(clew(a->pin(2)), QList<Pin *>({c->pin(0)}));
        QCOMPARE(boxTexts(rec).size(), 1);

        // Saved again as it was loaded: the same bytes.
        const QString again = m_dir.path() + "/again";
        QVERIFY(QDir().mkpath(again));
        loaded.setFileName(again + "/plant.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        loaded.setEquipmentChanged();
        loaded.setSpecificationDeviceChanged();
        loaded.setSpecificationCableChanged();
        sheet->setModified(true);
        QVERIFY(loaded.save());
        const QMap<QString, QByteArray> second = filesBelow(again);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &name : first.keys())
            QVERIFY2(second[name] == first[name], qPrintable(name));
        QCOMPARE(boxTexts(rec).size(), 1);
    }
};

QTEST_MAIN(TestBlock)
#include "tst_block.moc"
