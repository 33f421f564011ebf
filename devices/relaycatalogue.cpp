#include "devices/relaycatalogue.h"

#include "graphics/font.h"
#include "graphics/itemshared.h"
#include "model/check.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>

#include <cstring>

const ContactKind contactKinds[ContactKindCount + 1] = {
    {QT_TRANSLATE_NOOP("Contact", "NOBREAK"), QT_TRANSLATE_NOOP("Contact", "FT(BP)"), 3},
    {QT_TRANSLATE_NOOP("Contact", "INTENSIV"), QT_TRANSLATE_NOOP("Contact", "FUTU"), 3},
    {QT_TRANSLATE_NOOP("Contact", "MAGNET"), QT_TRANSLATE_NOOP("Contact", "FT(MG)"), 3},
    {QT_TRANSLATE_NOOP("Contact", "INTENSIV_F"), QT_TRANSLATE_NOOP("Contact", "FU"), 2},
    {QT_TRANSLATE_NOOP("Contact", "POLAR_MAGNET"), QT_TRANSLATE_NOOP("Contact", "NP(MG)"), 3},
    {QT_TRANSLATE_NOOP("Contact", "INTENSIV_T"), QT_TRANSLATE_NOOP("Contact", "TU"), 2},
    {QT_TRANSLATE_NOOP("Contact", "POLAR_INTENSIV"), QT_TRANSLATE_NOOP("Contact", "NUPU"), 3},
    {QT_TRANSLATE_NOOP("Contact", "NEUTRAL"), QT_TRANSLATE_NOOP("Contact", "FT"), 3},
    {QT_TRANSLATE_NOOP("Contact", "POLARIZED"), QT_TRANSLATE_NOOP("Contact", "NP"), 3},
    {QT_TRANSLATE_NOOP("Contact", "NEUTRAL_F"), QT_TRANSLATE_NOOP("Contact", "F"), 2},
    {QT_TRANSLATE_NOOP("Contact", "THERMO"), QT_TRANSLATE_NOOP("Contact", "FT(TK)"), 5},
    {QT_TRANSLATE_NOOP("Contact", "NEUTRAL_T"), QT_TRANSLATE_NOOP("Contact", "T"), 2},
    {QT_TRANSLATE_NOOP("Contact", "INTENSIV_FUT"), QT_TRANSLATE_NOOP("Contact", "FUT"), 3},
    {QT_TRANSLATE_NOOP("Contact", "INTENSIV_FTU"), QT_TRANSLATE_NOOP("Contact", "FTU"), 3},
    {nullptr, nullptr, 0},
};

namespace {

// Coil ends shown by a variant of this kind.
int shownCoilEnds(int kind)
{
    switch (kind) {
    case 1:
    case 2:
    case 3:
        return 4;
    case 4:
        return 3;
    default:
        return 2;
    }
}

// Where the jumper names of a variant of this kind begin.
int firstJumperName(int kind)
{
    return kind >= 0 && kind <= 4 ? shownCoilEnds(kind) : 0;
}

QString nameText(const char *name)
{
    return name ? QString::fromLatin1(name) : QString();
}

} // namespace

const RelayType *relayType(int type)
{
    if (!CHECK(type >= 0 && type < RelayTypeCount))
        return nullptr;
    return &relayTypes[type];
}

const RelayDescriptor *relayWinding(int type, int winding)
{
    const RelayType *t = relayType(type);
    if (!t || !CHECK(winding >= 0 && winding < t->windingCount))
        return nullptr;
    return &t->windings[winding];
}

const WindingVariant *relayVariant(int type, int winding, int variant)
{
    const RelayDescriptor *w = relayWinding(type, winding);
    if (!w || !CHECK(variant >= 0 && variant < w->variantCount))
        return nullptr;
    return &w->variants[variant];
}

const ContactSet *relayContact(int type, int winding, int contact)
{
    const RelayDescriptor *w = relayWinding(type, winding);
    if (!w || !CHECK(contact >= 0 && contact < w->contactCount))
        return nullptr;
    return &w->contacts[contact];
}

const ContactKind *contactKind(int code)
{
    if (!CHECK(code >= 0 && code < ContactKindCount))
        return nullptr;
    return &contactKinds[code];
}

int relayVariantKind(int type, int winding, int variant)
{
    const WindingVariant *v = relayVariant(type, winding, variant);
    return v ? v->kind : -1;
}

bool relayVariantIsPlain(int type, int winding, int variant)
{
    return relayVariantKind(type, winding, variant) == 0;
}

int relayVariantPinCount(int type, int winding, int variant)
{
    const WindingVariant *v = relayVariant(type, winding, variant);
    return v ? shownCoilEnds(v->kind) : 0;
}

namespace {

QString measuredVariantCaption(const WindingVariant *v, const QFontMetricsF &metrics, qreal maxWidth)
{
    QString result;
    int index = firstJumperName(v->kind);
    for (int run = 0; run < v->runCount; ++run) {
        QString line;
        const int length = v->runs[run];
        for (int i = 0; i < length && index < v->nameCount; ++i, ++index) {
            QString word = nameText(v->names[index]);
            if (i < length - 1)
                word += QLatin1Char('-');
            if (metrics.horizontalAdvance(line + word) >= maxWidth)
                line += lineSeparator;
            line += word;
        }
        if (run < v->runCount - 1)
            line += QLatin1String(", ");
        const int lastBreak = result.lastIndexOf(lineSeparator);
        const QString lastLine = lastBreak < 0 ? result : result.mid(lastBreak);
        if (metrics.horizontalAdvance(lastLine + line) >= maxWidth)
            result += lineSeparator;
        result += line;
    }
    if (!result.isEmpty())
        result = QLatin1Char('(') + result + QLatin1Char(')');
    return result;
}

// The captions laid out so far: every winding item of a sheet being read
// asks for its variant's, and the variants are few.
struct CaptionKey
{
    const WindingVariant *variant;
    qreal maxWidth;
    QFont font;
    qreal dpi;
    bool operator==(const CaptionKey &o) const
    {
        return variant == o.variant && maxWidth == o.maxWidth && dpi == o.dpi && font == o.font;
    }
};

size_t qHash(const CaptionKey &key, size_t seed = 0)
{
    return qHashMulti(seed, quintptr(key.variant), key.maxWidth, key.dpi);
}

// The fonts in it go with the application, while the GUI still stands.
QHash<CaptionKey, QString> *captions = nullptr;

void dropCaptionCache()
{
    delete captions;
    captions = nullptr;
}

QHash<CaptionKey, QString> &captionCache()
{
    if (!captions) {
        captions = new QHash<CaptionKey, QString>;
        qAddPostRoutine(dropCaptionCache);
    }
    return *captions;
}

} // namespace

QString relayVariantCaption(int type, int winding, int variant, qreal maxWidth)
{
    const WindingVariant *v = relayVariant(type, winding, variant);
    if (!v)
        return QString();
    const QFont &f = font(3);
    const QFontMetricsF metrics(f);
    CaptionKey key{v, maxWidth, f, metrics.fontDpi()};
    QHash<CaptionKey, QString> &cache = captionCache();
    const auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    const QString caption = measuredVariantCaption(v, metrics, maxWidth);
    // A few variants in a few widths and fonts; bounded all the same.
    if (cache.size() >= 4096)
        cache.clear();
    cache.insert(std::move(key), caption);
    return caption;
}

QList<const char *> relayVariantPins(int type, int winding, int variant)
{
    QList<const char *> pins;
    const WindingVariant *v = relayVariant(type, winding, variant);
    if (!v)
        return pins;
    for (int i = 0; i < v->nameCount; ++i) {
        const char *name = v->names[i];
        bool seen = false;
        for (const char *pin : pins)
            seen = seen || std::strcmp(pin, name) == 0;
        if (!seen)
            pins.append(name);
    }
    return pins;
}

QString relayContactPinsText(int type, int winding, int contact)
{
    const ContactSet *c = relayContact(type, winding, contact);
    const ContactKind *kind = c ? contactKind(c->kind) : nullptr;
    if (!kind)
        return QString();
    QString text;
    for (int i = 0; i < kind->pinCount; ++i) {
        if (i > 0)
            text += QLatin1Char('-');
        text += nameText(c->names[i]);
    }
    return text;
}

QString contactKindId(int code)
{
    const ContactKind *kind = contactKind(code);
    return kind ? QCoreApplication::translate("Contact", kind->id) : QString();
}

QString contactKindLabel(int code)
{
    const ContactKind *kind = contactKind(code);
    return kind ? QCoreApplication::translate("Contact", kind->label) : QString();
}

int contactKindPinCount(int code)
{
    const ContactKind *kind = contactKind(code);
    return kind ? kind->pinCount : 0;
}

QString relayModelName(int type)
{
    const RelayType *t = relayType(type);
    return t ? QCoreApplication::translate("Relay", t->name) : QString();
}

int relayPinCount(int type)
{
    const RelayType *t = relayType(type);
    if (!t)
        return 0;
    int count = 0;
    for (int w = 0; w < t->windingCount; ++w) {
        const RelayDescriptor &winding = t->windings[w];
        count += winding.pinCount;
        for (int c = 0; c < winding.contactCount; ++c)
            count += contactKindPinCount(winding.contacts[c].kind);
    }
    return count;
}

const char *relayFindPin(int type, const QString &name)
{
    const RelayType *t = relayType(type);
    if (!t)
        return nullptr;
    const auto matches = [&name](const char *pin) { return pin && name == QLatin1String(pin); };
    for (int w = 0; w < t->windingCount; ++w) {
        const RelayDescriptor &winding = t->windings[w];
        for (int p = 0; p < winding.pinCount; ++p) {
            if (matches(winding.pins[p]))
                return winding.pins[p];
        }
        for (int c = 0; c < winding.contactCount; ++c) {
            const ContactSet &contact = winding.contacts[c];
            const int count = contactKindPinCount(contact.kind);
            for (int p = 0; p < count; ++p) {
                if (matches(contact.names[p]))
                    return contact.names[p];
            }
        }
    }
    return nullptr;
}
