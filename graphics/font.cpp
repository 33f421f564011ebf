#include "graphics/font.h"

#include "model/check.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>

#include <algorithm>
#include <memory>
#include <vector>

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

// A measurement's font and resolution, numbered by the cache: the keys
// hold the number, not a font of their own.
struct FontKey
{
    QFont font;
    qreal dpi;

    bool operator==(const FontKey &other) const { return dpi == other.dpi && font == other.font; }
};

size_t qHash(const FontKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.font, key.dpi);
}

// One measurement asked for. The text lies in the cache's own store, or
// for a look-up in the caller's string: a key owns no memory, so that the
// cache goes as a few blocks, not as a string and a font per text, and a
// look-up copies nothing.
struct ExtentKey
{
    quint32 font;
    bool advance; // the advance, else the bounding rectangle laid out in rect
    int flags;
    QRectF rect;
    const QChar *text;
    qsizetype length;

    QStringView view() const { return QStringView(text, length); }
    bool operator==(const ExtentKey &other) const
    {
        return advance == other.advance && flags == other.flags && rect == other.rect && font == other.font
            && view() == other.view();
    }
};

size_t qHash(const ExtentKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.font, key.advance, key.rect.x(), key.rect.y(), key.rect.width(),
                      key.rect.height(), key.flags, key.view());
}

// The extents measured in one generation, with the texts of their keys
// in blocks that never move.
class ExtentGeneration
{
public:
    const QRectF *find(const ExtentKey &key) const
    {
        const auto it = m_extents.constFind(key);
        return it == m_extents.constEnd() ? nullptr : &*it;
    }
    qsizetype size() const { return m_extents.size(); }
    void reserve(qsizetype count) { m_extents.reserve(count); }

    void insert(ExtentKey key, const QRectF &extent)
    {
        key.text = keep(key.view());
        m_extents.insert(key, extent);
    }

private:
    static constexpr qsizetype blockSize = 32768;

    const QChar *keep(QStringView text)
    {
        if (text.size() > m_room) {
            // A long text gets a block of its own; the current block keeps
            // its room.
            if (text.size() > blockSize / 8) {
                m_blocks.push_back(std::make_unique<QChar[]>(size_t(text.size())));
                std::copy(text.begin(), text.end(), m_blocks.back().get());
                return m_blocks.back().get();
            }
            m_blocks.push_back(std::make_unique<QChar[]>(size_t(blockSize)));
            m_next = m_blocks.back().get();
            m_room = blockSize;
        }
        QChar *kept = m_next;
        std::copy(text.begin(), text.end(), kept);
        m_next += text.size();
        m_room -= text.size();
        return kept;
    }

    QHash<ExtentKey, QRectF> m_extents;
    std::vector<std::unique_ptr<QChar[]>> m_blocks;
    QChar *m_next = nullptr;
    qsizetype m_room = 0;
};

// Bounded in two generations: when the recent one is full it becomes the
// older one and the oldest goes, so a project with more texts than one
// generation holds keeps the texts it measures again instead of starting
// afresh. The fonts in it go with the application, while the GUI still
// stands.
const qsizetype extentCacheLimit = 200000;
struct ExtentCache
{
    QHash<FontKey, quint32> fonts;
    ExtentGeneration recent;
    ExtentGeneration older;
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
    const FontKey fontKey{f, metrics.fontDpi()};
    auto number = cache.fonts.constFind(fontKey);
    if (number == cache.fonts.constEnd())
        number = cache.fonts.insert(fontKey, quint32(cache.fonts.size()));
    const ExtentKey key{*number, advance, flags, rect, text.constData(), text.size()};
    if (const QRectF *known = cache.recent.find(key))
        return *known;
    const QRectF *old = cache.older.find(key);
    const QRectF extent = old ? *old
        : advance             ? QRectF(0, 0, metrics.horizontalAdvance(text), 0)
                              : metrics.boundingRect(rect, flags, text);
    if (cache.recent.size() >= extentCacheLimit) {
        cache.older = std::move(cache.recent);
        cache.recent = ExtentGeneration();
        cache.recent.reserve(extentCacheLimit);
    }
    cache.recent.insert(key, extent);
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
