#include "graphics/font.h"

#include "model/check.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>

const FontRow fontTable[FontCount] = {
    {"R LAY R", 10, 15},   {"R LAY R", 15, 20},   {"R LAY R", 20, 25},   {"R LAY R", 25, 30},
    {"R LAY R", 30, 40},   {"R LAY R", 35, 45},   {"R LAY R", 40, 50},   {"R LAY R", 50, 85},
    {"R LAY R", 70, 100},  {"R LAY R", 100, 125}, {"R LAY R", 140, 170}, {"R LAY R", 200, 250},
    {"R LAY R", 280, 350}, {"R LAY R", 400, 500},
};

const double screenFactor = 0.37795275590551186;

namespace {

QFont *fontSets[2] = {nullptr, nullptr};
int currentSet = 0;

QPen makePen(const QColor &color, double width, Qt::PenStyle style)
{
    return QPen(QBrush(color, Qt::SolidPattern), width, style, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

void createScreenFonts()
{
    if (!CHECK(fontSets[0] == nullptr))
        return;
    fontSets[0] = new QFont[FontCount];
    if (!CHECK_PTR(fontSets[0]))
        return;
    for (int i = 0; i < FontCount; ++i)
        initFont(fontSets[0][i], i);
}

void createPrinterFonts(QPaintDevice *device)
{
    if (!CHECK_PTR(device))
        return;
    delete[] fontSets[1];
    fontSets[1] = new QFont[FontCount];
    if (!CHECK_PTR(fontSets[1]))
        return;
    const double dpi = device->logicalDpiY();
    for (int i = 0; i < FontCount; ++i) {
        fontSets[1][i].setFamily(fontSets[0] ? fontSets[0][i].family() : QString::fromLatin1(fontTable[i].family));
        fontSets[1][i].setPointSizeF(fontTable[i].size / dpi * 90);
    }
}

bool setFontSet(int set)
{
    const bool ok = CHECK(set == 0 || set == 1);
    if (ok)
        currentSet = set;
    return ok;
}

int currentFontSet()
{
    return currentSet;
}

bool hasFontSet()
{
    return fontSets[currentSet] != nullptr;
}

QFont &font(int index)
{
    static QFont fallback;
    if (!CHECK(fontSets[currentSet] != nullptr && index >= 0 && index < FontCount))
        return fallback;
    return fontSets[currentSet][index];
}

double lineHeight(int index)
{
    if (!CHECK(index >= 0 && index < FontCount))
        return 0;
    return fontTable[index].lineHeight;
}

void initFont(QFont &f, int index)
{
    if (!CHECK(index >= 0 && index < FontCount))
        return;
    f.setFamily(QString::fromLatin1(fontTable[index].family));
    f.setPointSizeF(fontTable[index].size * 2.54 * screenFactor);
}

void deleteFonts()
{
    delete[] fontSets[0];
    delete[] fontSets[1];
    fontSets[0] = nullptr;
    fontSets[1] = nullptr;
}

namespace {

struct ExtentKey
{
    QFont font;
    qreal dpi;
    bool advance; // the advance, else the bounding rectangle laid out in rect
    QRectF rect;
    int flags;
    QString text;

    bool operator==(const ExtentKey &other) const
    {
        return advance == other.advance && flags == other.flags && rect == other.rect && dpi == other.dpi
            && text == other.text && font == other.font;
    }
};

size_t qHash(const ExtentKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.font, key.dpi, key.advance, key.rect.x(), key.rect.y(), key.rect.width(),
                      key.rect.height(), key.flags, key.text);
}

// Bounded in two generations: when the recent one is full it becomes the
// older one and the oldest goes, so a project with more texts than one
// generation holds keeps the texts it measures again instead of starting
// afresh. The fonts in it go with the application, while the GUI still
// stands.
const qsizetype extentCacheLimit = 200000;
struct ExtentCache
{
    QHash<ExtentKey, QRectF> recent;
    QHash<ExtentKey, QRectF> older;
};
ExtentCache *extentCache = nullptr;

void dropExtentCache()
{
    delete extentCache;
    extentCache = nullptr;
}

QRectF cachedExtent(const QFont &f, bool advance, const QRectF &rect, int flags, const QString &text)
{
    if (!extentCache) {
        extentCache = new ExtentCache;
        qAddPostRoutine(dropExtentCache);
    }
    ExtentCache &cache = *extentCache;
    const QFontMetricsF metrics(f);
    ExtentKey key{f, metrics.fontDpi(), advance, rect, flags, text};
    const auto it = cache.recent.constFind(key);
    if (it != cache.recent.constEnd())
        return *it;
    const auto old = cache.older.constFind(key);
    const QRectF extent = old != cache.older.constEnd() ? *old
        : advance                                        ? QRectF(0, 0, metrics.horizontalAdvance(text), 0)
                                                         : metrics.boundingRect(rect, flags, text);
    if (cache.recent.size() >= extentCacheLimit) {
        cache.older = std::move(cache.recent);
        cache.recent = QHash<ExtentKey, QRectF>();
        cache.recent.reserve(extentCacheLimit);
    }
    cache.recent.insert(std::move(key), extent);
    return extent;
}

} // namespace

void forgetTextExtents()
{
    if (extentCache)
        *extentCache = ExtentCache();
}

double textAdvance(const QFont &f, const QString &text)
{
    return cachedExtent(f, true, QRectF(), 0, text).width();
}

QRectF textBoundingRect(const QFont &f, const QRectF &rect, int flags, const QString &text)
{
    return cachedExtent(f, false, rect, flags, text);
}

QFont toScreenFont(const QFont &f)
{
    QFont result(f);
    result.setPointSizeF(f.pointSizeF() * screenFactor * 2.54);
    return result;
}

QFont fromScreenFont(const QFont &f)
{
    QFont result(f);
    result.setPointSizeF(f.pointSizeF() / 0.9600000000000002);
    return result;
}

// Drawing defaults, in this order: colours before the pens that use them.
const QSizeF symbolSize(160, 80);
const QSizeF blockSize(560, 1280);
const QColor colorBlack(Qt::black);
const QColor colorBlue(Qt::blue);
const QColor colorGrey(192, 192, 192, 255);
const QColor colorGreen(Qt::darkGreen);
const QColor colorRed(Qt::red);
const double penWidth = 3.5;
const double halfPenWidth = 1.75;
const QPen penBlack = makePen(colorBlack, penWidth, Qt::SolidLine);
const QPen penBlue = makePen(colorBlue, penWidth, Qt::SolidLine);
const QPen penBlueThin = makePen(colorBlue, halfPenWidth / 2, Qt::SolidLine);
const QPen penBlackDash = makePen(colorBlack, penWidth, Qt::DashLine);
const QPen penBlueDash = makePen(colorBlue, penWidth, Qt::DashLine);
const QPen penGreyDash = makePen(colorGrey, penWidth, Qt::DashLine);
const QPen penGreen = makePen(colorGreen, penWidth, Qt::SolidLine);
const QPen penGreenDash = makePen(colorGreen, penWidth, Qt::DashLine);
const QPen penRed = makePen(colorRed, penWidth, Qt::SolidLine);
const QPen penRedDash = makePen(colorRed, penWidth, Qt::DashLine);
const QPointF noPosition(-99999, -99999);
