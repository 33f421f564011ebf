#ifndef RLAY_FONT_H
#define RLAY_FONT_H

// Process-wide drawing resources: the fourteen text sizes in a screen and a
// printer font set, the standard pens and colours, and a few standard sizes.
// All lengths are scene units of 0.1 mm. The pin square and the name
// separator are the pins' own (model/pin.h).

#include "model/pin.h"

#include <QChar>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QPaintDevice;

struct FontRow
{
    const char *family;
    double size;
    double lineHeight;
};

enum { FontCount = 14 };
extern const FontRow fontTable[FontCount];

// Screen pixels per scene unit at 96 dpi; also the 1:1 zoom of the views.
extern const double screenFactor;

void createScreenFonts();
void createPrinterFonts(QPaintDevice *device);
bool setFontSet(int set);
int currentFontSet();
// Whether the current set is built (painters draw no text before).
bool hasFontSet();
QFont &font(int index);
double lineHeight(int index);
void initFont(QFont &f, int index);
void deleteFonts();
QFont toScreenFont(const QFont &f);
QFont fromScreenFont(const QFont &f);

// Text extents as QFontMetricsF gives them (horizontalAdvance and
// boundingRect), measured once for equal fonts and texts: a sheet being
// read asks for the extent of every text, often of the same names, several
// times over.
double textAdvance(const QFont &f, const QString &text);
QRectF textBoundingRect(const QFont &f, const QRectF &rect, int flags, const QString &text);
// Forgets every extent measured. The texts of a closed project are not
// kept: held here, their strings would stay scattered through the memory
// the project freed, and the next project read would be laid out in the
// gaps between them.
void forgetTextExtents();

extern const QSizeF symbolSize;
extern const QSizeF blockSize;
extern const QColor colorBlack;
extern const QColor colorBlue;
extern const QColor colorGrey;
extern const QColor colorGreen;
extern const QColor colorRed;
extern const double penWidth;
extern const double halfPenWidth;
extern const QPen penBlack;
extern const QPen penBlue;
extern const QPen penBlueThin;
extern const QPen penBlackDash;
extern const QPen penBlueDash;
extern const QPen penGreyDash;
extern const QPen penGreen;
extern const QPen penGreenDash;
extern const QPen penRed;
extern const QPen penRedDash;
extern const QPointF noPosition;

#endif
