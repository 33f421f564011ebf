// Paints every icon of R-LAY as a 32 x 32 PNG and lists them in the resource
// file. One style throughout: 2 px dark outlines on odd coordinates (so they
// stay sharp when halved to 16 px), light fills, and a small palette: blue for
// documents and views, green for adding and checking, red for removing,
// amber for folders and lamps. Electrical symbols follow the usual drawing
// conventions so they read as they do on a scheme.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

#include <functional>

namespace {

const QColor ink(0x27, 0x30, 0x3b);
const QColor white(0xff, 0xff, 0xff);
const QColor blue(0x2f, 0x6d, 0xb5);
const QColor blueFill(0xcf, 0xe0, 0xf5);
const QColor green(0x2e, 0x9d, 0x57);
const QColor greenFill(0xbf, 0xe8, 0xc9);
const QColor red(0xd0, 0x3a, 0x2e);
const QColor amber(0xf0, 0xb4, 0x3c);
const QColor amberDark(0xc9, 0x8a, 0x12);
const QColor grey(0x7d, 0x8a, 0x97);
const QColor greyFill(0xe3, 0xe7, 0xeb);
const QColor copper(0xc4, 0x6f, 0x2a);
const QColor skin(0xf6, 0xdc, 0xbd);

using Painter = std::function<void(QPainter &)>;

QPen pen(const QColor &color = ink, qreal width = 2)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QPen roundPen(const QColor &color = ink, qreal width = 2)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void line(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor &c = ink, qreal w = 2)
{
    p.setPen(x1 == x2 || y1 == y2 ? pen(c, w) : roundPen(c, w));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void polyline(QPainter &p, const QList<QPointF> &pts, const QColor &c = ink, qreal w = 2)
{
    p.setPen(roundPen(c, w));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(pts.constData(), int(pts.size()));
}

// A rectangle between two corners, outline centred on the given lines.
void box(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor &fill,
         const QColor &stroke = ink)
{
    p.setPen(stroke.isValid() ? pen(stroke) : Qt::NoPen);
    p.setBrush(fill.isValid() ? QBrush(fill) : Qt::NoBrush);
    p.drawRect(QRectF(x1, y1, x2 - x1, y2 - y1));
}

// A filled area with no outline.
void area(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor &fill)
{
    p.fillRect(QRectF(x1, y1, x2 - x1, y2 - y1), fill);
}

void polygon(QPainter &p, const QList<QPointF> &pts, const QColor &fill, const QColor &stroke = ink)
{
    p.setPen(stroke.isValid() ? pen(stroke) : Qt::NoPen);
    p.setBrush(fill.isValid() ? QBrush(fill) : Qt::NoBrush);
    p.drawPolygon(pts.constData(), int(pts.size()));
}

void circle(QPainter &p, qreal cx, qreal cy, qreal r, const QColor &fill, const QColor &stroke = ink,
            qreal w = 2)
{
    p.setPen(stroke.isValid() ? roundPen(stroke, w) : Qt::NoPen);
    p.setBrush(fill.isValid() ? QBrush(fill) : Qt::NoBrush);
    p.drawEllipse(QPointF(cx, cy), r, r);
}

void dot(QPainter &p, qreal cx, qreal cy, qreal r, const QColor &c = ink)
{
    circle(p, cx, cy, r, c, QColor());
}

// A filled arrow from one point to another: shaft of the given width,
// head as long as it is wide.
void arrow(QPainter &p, QPointF from, QPointF to, const QColor &c, qreal width = 4, qreal head = 10)
{
    const QLineF l(from, to);
    const qreal len = l.length();
    p.save();
    p.translate(from);
    p.rotate(-l.angle());
    QPainterPath path;
    path.moveTo(0, -width / 2);
    path.lineTo(len - head, -width / 2);
    path.lineTo(len - head, -head / 2);
    path.lineTo(len, 0);
    path.lineTo(len - head, head / 2);
    path.lineTo(len - head, width / 2);
    path.lineTo(0, width / 2);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
    p.restore();
}

// An arc around a centre ending in an arrow head; angles in degrees,
// counter-clockwise positive as QPainterPath counts them.
void curvedArrow(QPainter &p, QPointF c, qreal r, qreal start, qreal sweep, const QColor &color)
{
    QPainterPath arc;
    const QRectF rect(c.x() - r, c.y() - r, 2 * r, 2 * r);
    arc.arcMoveTo(rect, start);
    arc.arcTo(rect, start, sweep);
    p.setPen(roundPen(color, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const qreal end = qDegreesToRadians(start + sweep);
    const QPointF tip(c.x() + r * qCos(end), c.y() - r * qSin(end));
    // Tangent in the direction of travel.
    const qreal dir = sweep > 0 ? 1 : -1;
    const QPointF t(-qSin(end) * dir, -qCos(end) * dir);
    const QPointF n(-t.y(), t.x());
    const qreal h = 6;
    QPainterPath head;
    head.moveTo(tip + t * h);
    head.lineTo(tip - t * 2 + n * h);
    head.lineTo(tip - t * 2 - n * h);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

// An arrow that turns back: head at the upper left pointing left, the
// shaft bending round on the right.
void hookedArrow(QPainter &p)
{
    QPainterPath path;
    path.moveTo(9, 11);
    path.lineTo(18, 11);
    path.arcTo(QRectF(10, 11, 16, 16), 90, -180);
    path.lineTo(12, 27);
    p.setPen(roundPen(blue, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    polygon(p, {{2, 11}, {11, 4}, {11, 18}}, blue, QColor());
}

// A sheet of paper with a folded top-right corner.
void page(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor &fill = white)
{
    const qreal f = 6;
    polygon(p, {{x1, y1}, {x2 - f, y1}, {x2, y1 + f}, {x2, y2}, {x1, y2}}, fill);
    polygon(p, {{x2 - f, y1}, {x2 - f, y1 + f}, {x2, y1 + f}}, greyFill);
}

// Text lines on a page, left-aligned.
void pageLines(QPainter &p, qreal x1, qreal x2, const QList<qreal> &ys, const QColor &c = grey)
{
    for (qreal y : ys)
        line(p, x1, y, x2, y, c);
}

// A small round badge with a white rim, for adding a sign to a picture.
void badge(QPainter &p, qreal cx, qreal cy, const QColor &fill)
{
    circle(p, cx, cy, 7, fill, white, 2);
}

void plusSign(QPainter &p, qreal cx, qreal cy, qreal half, const QColor &c, qreal w = 2)
{
    line(p, cx - half, cy, cx + half, cy, c, w);
    line(p, cx, cy - half, cx, cy + half, c, w);
}

void folderClosed(QPainter &p, const QColor &fill = amber)
{
    polygon(p, {{3, 27}, {3, 5}, {11, 5}, {14, 9}, {29, 9}, {29, 27}}, fill);
    line(p, 3, 12, 29, 12, amberDark);
}

void folderOpen(QPainter &p)
{
    polygon(p, {{3, 27}, {3, 5}, {11, 5}, {14, 9}, {25, 9}, {25, 13}}, amberDark);
    polygon(p, {{3, 27}, {8, 14}, {31, 14}, {25, 27}}, amber);
}

void printer(QPainter &p)
{
    box(p, 9, 3, 23, 11, white);
    box(p, 3, 11, 29, 23, QColor(0xb8, 0xc2, 0xcc));
    box(p, 9, 19, 23, 29, white);
    line(p, 12, 23, 20, 23, grey);
    line(p, 12, 26, 18, 26, grey);
    dot(p, 25, 15, 1.5, green);
}

void magnifier(QPainter &p, qreal cx, qreal cy, qreal r)
{
    line(p, cx + r * 0.7, cy + r * 0.7, cx + r * 1.6, cy + r * 1.6, ink, 5);
    circle(p, cx, cy, r, white);
}

void gear(QPainter &p, qreal cx, qreal cy, qreal rOut, qreal rIn, int teeth, const QColor &fill)
{
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        const qreal a = 2 * M_PI * (i + 0.5) / steps;
        const qreal r = (i % 4 < 2) ? rOut : rIn;
        const QPointF pt(cx + r * qCos(a), cy + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    p.setPen(roundPen(ink));
    p.setBrush(fill);
    p.drawPath(path);
    circle(p, cx, cy, rIn * 0.4, white);
}

void floppy(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2)
{
    const qreal s = (x2 - x1) / 22.0;
    polygon(p, {{x1, y1}, {x2 - 4 * s, y1}, {x2, y1 + 4 * s}, {x2, y2}, {x1, y2}}, blue);
    box(p, x1 + 5 * s, y1, x2 - 7 * s, y1 + 7 * s, greyFill);
    area(p, x2 - 11 * s, y1 + 2 * s, x2 - 9 * s, y1 + 6 * s, ink);
    box(p, x1 + 4 * s, y1 + 12 * s, x2 - 4 * s, y2, white);
}

void pencil(QPainter &p, QPointF tip, qreal length)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    polygon(p, {{0, 0}, {5, -3}, {length, -3}, {length, 3}, {5, 3}}, amber);
    polygon(p, {{0, 0}, {5, -3}, {5, 3}}, skin);
    p.restore();
}

// Leads of a horizontal two-terminal symbol at y from the edges to x1 and x2.
void leads(QPainter &p, qreal x1, qreal x2, qreal y = 17)
{
    line(p, 3, y, x1, y);
    line(p, x2, y, 29, y);
}

// A switching contact: lead, blade from the pivot upwards to the right,
// lead from the fixed contact.
void contactBlade(QPainter &p, qreal y = 21)
{
    line(p, 3, y, 10, y);
    line(p, 10, y, 23, y - 9);
    line(p, 21, y, 29, y);
}

void diodeSymbol(QPainter &p, qreal y)
{
    leads(p, 9, 21, y);
    polygon(p, {{9, y - 8}, {9, y + 8}, {21, y}}, blueFill);
    line(p, 21, y - 8, 21, y + 8);
}

void schemeGlyph(QPainter &p, qreal dx, qreal dy)
{
    // A resistor between two wires and a contact below it.
    line(p, dx + 0, dy + 4, dx + 3, dy + 4, blue);
    box(p, dx + 3, dy + 1, dx + 9, dy + 7, blueFill, blue);
    line(p, dx + 9, dy + 4, dx + 12, dy + 4, blue);
    line(p, dx + 0, dy + 11, dx + 4, dy + 11, blue);
    line(p, dx + 4, dy + 11, dx + 10, dy + 7.5, blue);
    line(p, dx + 9, dy + 11, dx + 12, dy + 11, blue);
}

void tableGlyph(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor &c = blue)
{
    for (qreal y = y1; y <= y2; y += 6)
        line(p, x1, y, x2, y, c);
    line(p, x1 + 6, y1, x1 + 6, y2, c);
}

void cabinet(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2)
{
    box(p, x1, y1, x2, y2, greyFill);
    for (qreal y = y1 + 6; y < y2 - 2; y += 6)
        line(p, x1 + 2, y, x2 - 2, y, grey);
}

QMap<QString, Painter> icons()
{
    QMap<QString, Painter> m;

    // Project commands.
    m["new"] = [](QPainter &p) {
        page(p, 5, 3, 23, 29);
        pageLines(p, 9, 17, {11, 16});
        badge(p, 23, 23, green);
        plusSign(p, 23, 23, 3, white);
    };
    m["open"] = [](QPainter &p) { folderOpen(p); };
    m["save"] = [](QPainter &p) { floppy(p, 5, 5, 27, 27); };
    m["saveas"] = [](QPainter &p) {
        floppy(p, 3, 3, 23, 23);
        pencil(p, QPointF(15, 29), 18);
    };
    m["import"] = [](QPainter &p) {
        page(p, 11, 3, 29, 29);
        pageLines(p, 19, 25, {11, 23});
        arrow(p, QPointF(1, 17), QPointF(21, 17), green, 4, 10);
    };
    m["close"] = [](QPainter &p) {
        line(p, 8, 8, 24, 24, red, 4);
        line(p, 24, 8, 8, 24, red, 4);
    };
    m["print"] = [](QPainter &p) { printer(p); };
    m["printerpreview"] = [](QPainter &p) {
        page(p, 5, 3, 23, 29);
        pageLines(p, 9, 15, {11, 15});
        magnifier(p, 19, 19, 6);
    };
    m["printersettings"] = [](QPainter &p) {
        printer(p);
        circle(p, 23, 23, 8, white, white);
        gear(p, 23, 23, 7.5, 5, 7, grey);
    };
    m["exit"] = [](QPainter &p) {
        box(p, 5, 3, 19, 29, greyFill);
        polygon(p, {{5, 3}, {15, 7}, {15, 29}, {5, 29}}, copper);
        dot(p, 12, 17, 1.5, white);
        arrow(p, QPointF(15, 17), QPointF(31, 17), red, 4, 10);
    };

    // Editing.
    m["undo"] = [](QPainter &p) { hookedArrow(p); };
    m["redo"] = [](QPainter &p) {
        p.translate(32, 0);
        p.scale(-1, 1);
        hookedArrow(p);
    };
    m["cut"] = [](QPainter &p) {
        line(p, 12, 19, 22, 3, ink, 2.5);
        line(p, 20, 19, 10, 3, ink, 2.5);
        circle(p, 10, 24, 4.5, white, red, 2.5);
        circle(p, 22, 24, 4.5, white, red, 2.5);
    };
    m["copy"] = [](QPainter &p) {
        page(p, 3, 3, 19, 23);
        page(p, 13, 9, 29, 29);
        pageLines(p, 17, 23, {19, 23}, blue);
    };
    m["paste"] = [](QPainter &p) {
        box(p, 5, 5, 23, 29, QColor(0xc8, 0x90, 0x4a));
        box(p, 10, 3, 18, 8, greyFill);
        page(p, 13, 13, 29, 29);
        pageLines(p, 17, 23, {21, 25}, blue);
    };
    m["grab_pixmap"] = [](QPainter &p) {
        box(p, 11, 5, 19, 9, grey);
        p.setPen(pen());
        p.setBrush(QColor(0x5b, 0x6b, 0x7b));
        p.drawRoundedRect(QRectF(3, 9, 26, 18), 3, 3);
        circle(p, 16, 18, 6, blueFill, white);
        dot(p, 16, 18, 2.5, blue);
        dot(p, 25, 13, 1.5, amber);
    };
    m["rotateleft"] = [](QPainter &p) {
        box(p, 12, 13, 20, 21, blueFill);
        curvedArrow(p, QPointF(16, 17), 11, 180, 270, blue);
    };
    m["rotateright"] = [](QPainter &p) {
        box(p, 12, 13, 20, 21, blueFill);
        curvedArrow(p, QPointF(16, 17), 11, 0, -270, blue);
    };
    m["mirrorh"] = [](QPainter &p) {
        for (int y = 3; y < 30; y += 6)
            area(p, 15, y, 17, y + 3, grey);
        polygon(p, {{13, 7}, {13, 25}, {3, 25}}, blue);
        polygon(p, {{19, 7}, {19, 25}, {29, 25}}, white);
    };
    m["mirrorv"] = [](QPainter &p) {
        for (int x = 3; x < 30; x += 6)
            area(p, x, 15, x + 3, 17, grey);
        polygon(p, {{7, 13}, {25, 13}, {25, 3}}, blue);
        polygon(p, {{7, 19}, {25, 19}, {25, 29}}, white);
    };
    m["delete"] = [](QPainter &p) {
        polyline(p, {{12, 7}, {12, 3}, {20, 3}, {20, 7}});
        polygon(p, {{8, 9}, {24, 9}, {22, 29}, {10, 29}}, red);
        line(p, 5, 7, 27, 7, ink);
        line(p, 13, 13, 13, 25, white);
        line(p, 19, 13, 19, 25, white);
    };
    m["property"] = [](QPainter &p) {
        box(p, 3, 5, 29, 27, white);
        box(p, 3, 5, 29, 10, blue);
        box(p, 7, 14, 11, 18, white);
        line(p, 14, 16, 25, 16);
        box(p, 7, 20, 11, 24, blueFill);
        line(p, 14, 22, 25, 22);
    };

    // Views.
    m["zoomin"] = [](QPainter &p) {
        magnifier(p, 13, 13, 9);
        plusSign(p, 13, 13, 4, blue);
    };
    m["zoomout"] = [](QPainter &p) {
        magnifier(p, 13, 13, 9);
        line(p, 9, 13, 17, 13, blue);
    };
    m["zoom11"] = [](QPainter &p) {
        magnifier(p, 13, 13, 9);
        line(p, 9, 9, 9, 17, blue);
        area(p, 12, 9, 14, 11, blue);
        area(p, 12, 15, 14, 17, blue);
        line(p, 17, 9, 17, 17, blue);
    };
    m["back"] = [](QPainter &p) { arrow(p, QPointF(29, 16), QPointF(3, 16), blue, 8, 14); };
    m["forward"] = [](QPainter &p) { arrow(p, QPointF(3, 16), QPointF(29, 16), blue, 8, 14); };
    m["arrow"] = [](QPainter &p) {
        polygon(p, {{9, 3}, {9, 25}, {14, 20}, {18, 29}, {22, 27}, {18, 19}, {25, 19}}, white);
    };
    m["hand"] = [](QPainter &p) {
        QPainterPath hand;
        hand.addRoundedRect(QRectF(9, 15, 17, 14), 5, 5);
        const qreal tops[] = {6, 3, 4, 7};
        for (int i = 0; i < 4; ++i)
            hand.addRoundedRect(QRectF(9 + 4.25 * i, tops[i], 4.25, 18), 2, 2);
        QTransform t;
        t.translate(11, 24);
        t.rotate(-45);
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(-11, -2.5, 12, 5), 2.5, 2.5);
        hand = hand.united(t.map(thumb)).simplified();
        p.setPen(roundPen(ink));
        p.setBrush(skin);
        p.drawPath(hand);
        for (int i = 1; i < 4; ++i)
            line(p, 9 + 4.25 * i, tops[i] + 3 > 9 ? tops[i] + 3 : 9, 9 + 4.25 * i, 18, ink, 1);
    };

    // Service and help.
    m["check"] = [](QPainter &p) {
        page(p, 5, 3, 23, 29);
        pageLines(p, 9, 17, {11, 15});
        polyline(p, {{12, 20}, {17, 26}, {28, 11}}, white, 8);
        polyline(p, {{12, 20}, {17, 26}, {28, 11}}, green, 4);
    };
    m["param"] = [](QPainter &p) {
        for (int y : {7, 17, 27})
            line(p, 4, y, 28, y, grey);
        box(p, 7, 3, 13, 11, blue);
        box(p, 19, 13, 25, 21, blue);
        box(p, 11, 23, 17, 31, blue);
    };
    m["settings"] = [](QPainter &p) { gear(p, 16, 16, 14, 10, 8, grey); };
    m["help"] = [](QPainter &p) {
        circle(p, 16, 16, 13, blue);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(20);
        p.setFont(f);
        p.setPen(white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
    };
    m["about"] = [](QPainter &p) {
        circle(p, 16, 16, 13, blue);
        area(p, 14, 8, 18, 12, white);
        area(p, 14, 14, 18, 24, white);
    };
    m["savepdf"] = [](QPainter &p) {
        page(p, 5, 3, 25, 29);
        pageLines(p, 9, 17, {9, 13});
        box(p, 3, 17, 29, 27, red);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(9);
        p.setFont(f);
        p.setPen(white);
        p.drawText(QRectF(3, 17, 26, 10), Qt::AlignCenter, QStringLiteral("PDF"));
    };

    // Toolbox: connections.
    m["net"] = [](QPainter &p) {
        line(p, 7, 17, 25, 17);
        box(p, 3, 15, 7, 19, white);
        box(p, 25, 15, 29, 19, white);
    };
    m["node"] = [](QPainter &p) {
        line(p, 3, 17, 29, 17);
        line(p, 17, 5, 17, 17);
        dot(p, 17, 17, 4.5);
    };
    m["crossnet"] = [](QPainter &p) {
        box(p, 9, 9, 23, 23, white);
        line(p, 9, 9, 23, 23);
        line(p, 23, 9, 9, 23);
        line(p, 3, 9, 9, 9);
        line(p, 23, 9, 29, 9);
        line(p, 3, 23, 9, 23);
        line(p, 23, 23, 29, 23);
    };
    m["ground"] = [](QPainter &p) {
        line(p, 17, 3, 17, 15);
        line(p, 7, 15, 27, 15);
        line(p, 11, 21, 23, 21);
        line(p, 15, 27, 19, 27);
    };
    m["slantingnet"] = [](QPainter &p) {
        line(p, 3, 23, 29, 23);
        line(p, 11, 23, 25, 7);
        dot(p, 11, 23, 3);
    };
    m["copperplate"] = [](QPainter &p) {
        leads(p, 7, 25);
        box(p, 7, 11, 25, 23, copper);
    };
    m["passage"] = [](QPainter &p) {
        line(p, 7, 17, 15, 17);
        line(p, 15, 7, 15, 27);
        for (int y : {7, 17, 27}) {
            line(p, 15, y, 19, y);
            box(p, 19, y - 3, 27, y + 3, white);
        }
        dot(p, 7, 17, 4.5);
    };
    m["source"] = [](QPainter &p) {
        line(p, 17, 15, 17, 29);
        polygon(p, {{17, 3}, {8, 17}, {26, 17}}, red);
    };
    m["footnote"] = [](QPainter &p) {
        line(p, 3, 17, 11, 17);
        polygon(p, {{11, 9}, {23, 9}, {29, 17}, {23, 25}, {11, 25}}, white);
        line(p, 15, 17, 21, 17, blue);
    };
    m["conductor"] = [](QPainter &p) {
        line(p, 3, 23, 21, 23);
        circle(p, 24, 23, 3, white);
        box(p, 5, 7, 25, 15, white);
        line(p, 9, 11, 21, 11, blue);
    };

    // Toolbox: devices.
    m["relay"] = [](QPainter &p) {
        line(p, 17, 3, 17, 9);
        line(p, 17, 25, 17, 29);
        box(p, 7, 9, 27, 25, blueFill);
        line(p, 7, 25, 27, 9);
    };
    m["contact"] = [](QPainter &p) { contactBlade(p); };
    m["block"] = [](QPainter &p) {
        for (int y : {13, 19, 25}) {
            line(p, 3, y, 7, y);
            line(p, 25, y, 29, y);
        }
        box(p, 7, 5, 25, 29, blueFill);
        box(p, 7, 5, 25, 9, blue);
    };
    m["trans"] = [](QPainter &p) {
        line(p, 17, 1, 17, 5);
        line(p, 17, 27, 17, 31);
        circle(p, 17, 11, 6.5, QColor());
        circle(p, 17, 21, 6.5, QColor());
    };
    m["fuse"] = [](QPainter &p) {
        box(p, 11, 7, 23, 27, blueFill);
        line(p, 17, 3, 17, 29);
    };
    m["clamp"] = [](QPainter &p) {
        leads(p, 11, 23);
        circle(p, 17, 17, 6, white);
        line(p, 13, 21, 21, 13);
    };
    m["plughole"] = [](QPainter &p) {
        p.setPen(pen());
        p.setBrush(white);
        p.drawRoundedRect(QRectF(5, 7, 22, 20), 5, 5);
        dot(p, 12, 17, 2.5);
        dot(p, 21, 17, 2.5);
    };
    m["capacitor"] = [](QPainter &p) {
        leads(p, 13, 19);
        line(p, 13, 7, 13, 27, ink, 3);
        line(p, 19, 7, 19, 27, ink, 3);
    };
    m["resistor"] = [](QPainter &p) {
        leads(p, 7, 27);
        box(p, 7, 11, 27, 23, blueFill);
    };
    m["discharger"] = [](QPainter &p) {
        leads(p, 9, 23);
        polygon(p, {{15, 17}, {9, 12}, {9, 22}}, ink);
        polygon(p, {{19, 17}, {25, 12}, {25, 22}}, ink);
    };
    m["varistor"] = [](QPainter &p) {
        leads(p, 7, 27);
        box(p, 7, 11, 27, 23, blueFill);
        polyline(p, {{3, 29}, {9, 29}, {25, 5}});
    };
    m["bottom"] = [](QPainter &p) {
        box(p, 7, 3, 25, 29, white);
        line(p, 16, 3, 16, 29);
        for (int y : {9, 15, 21}) {
            line(p, 3, y + 1, 7, y + 1);
            line(p, 25, y + 1, 29, y + 1);
            line(p, 7, y + 4, 25, y + 4, grey, 1);
        }
        box(p, 7, 3, 25, 7, blue);
    };
    m["diode"] = [](QPainter &p) { diodeSymbol(p, 17); };
    m["stabilitron"] = [](QPainter &p) {
        diodeSymbol(p, 17);
        line(p, 17, 9, 21, 9);
        line(p, 21, 25, 25, 25);
    };
    m["lamp"] = [](QPainter &p) {
        leads(p, 7, 27);
        circle(p, 17, 17, 10, white);
        line(p, 10, 10, 24, 24);
        line(p, 24, 10, 10, 24);
    };
    m["bell"] = [](QPainter &p) {
        QPainterPath dome;
        dome.moveTo(5, 21);
        dome.arcTo(QRectF(7, 7, 20, 24), 180, -180);
        dome.lineTo(29, 21);
        dome.closeSubpath();
        p.setPen(pen());
        p.setBrush(amber);
        p.drawPath(dome);
        line(p, 17, 3, 17, 7);
        dot(p, 17, 25, 3.5);
    };
    m["luminodiode"] = [](QPainter &p) {
        diodeSymbol(p, 21);
        line(p, 17, 11, 22, 6, red);
        polygon(p, {{24, 4}, {19, 5}, {23, 9}}, red, QColor());
        line(p, 23, 13, 28, 8, red);
        polygon(p, {{30, 6}, {25, 7}, {29, 11}}, red, QColor());
    };
    m["signallamp"] = [](QPainter &p) {
        leads(p, 7, 27);
        circle(p, 17, 17, 10, amber);
        line(p, 10, 10, 24, 24);
        line(p, 24, 10, 10, 24);
    };
    m["button"] = [](QPainter &p) {
        contactBlade(p, 23);
        for (int y : {9, 14})
            line(p, 17, y, 17, y + 2);
        line(p, 11, 5, 23, 5);
        line(p, 17, 5, 17, 7);
    };
    m["commutator"] = [](QPainter &p) {
        line(p, 3, 17, 7, 17);
        for (int y : {7, 17, 27}) {
            circle(p, 23, y, 2.5, white);
            line(p, 26, y, 29, y);
        }
        line(p, 9, 17, 21, 9);
        dot(p, 9, 17, 3);
    };
    m["keystaff"] = [](QPainter &p) {
        contactBlade(p, 25);
        line(p, 17, 13, 17, 19, ink, 2);
        line(p, 7, 9, 19, 9);
        line(p, 9, 9, 9, 13);
        line(p, 12, 9, 12, 12);
        circle(p, 23, 9, 4.5, amber);
    };
    m["ammetr"] = [](QPainter &p) {
        circle(p, 16, 16, 12, white);
        polyline(p, {{11, 23}, {16, 9}, {21, 23}});
        line(p, 13, 18, 19, 18);
    };
    m["autoswitch"] = [](QPainter &p) {
        contactBlade(p);
        line(p, 18, 18, 24, 24);
        line(p, 24, 18, 18, 24);
    };
    m["measuring"] = [](QPainter &p) {
        box(p, 5, 5, 27, 27, greyFill);
        for (int x : {11, 21})
            for (int y : {11, 21})
                circle(p, x, y, 3, white);
    };
    m["heating"] = [](QPainter &p) {
        leads(p, 7, 27, 23);
        box(p, 7, 19, 27, 27, blueFill);
        for (int x : {10, 17, 24}) {
            QPainterPath wave;
            wave.moveTo(x, 15);
            wave.cubicTo(x - 3, 12, x + 3, 9, x, 4);
            p.setPen(roundPen(red));
            p.setBrush(Qt::NoBrush);
            p.drawPath(wave);
        }
    };
    m["box"] = [](QPainter &p) {
        for (int y : {11, 17, 23}) {
            line(p, 3, y, 7, y);
            line(p, 25, y, 29, y);
            line(p, 7, y, 25, y, grey);
        }
        QPen dashed = pen();
        dashed.setDashPattern({2, 1});
        p.setPen(dashed);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(7, 5, 18, 24));
        line(p, 16, 11, 16, 23, grey);
        dot(p, 16, 17, 2.5);
    };
    m["interrupter"] = [](QPainter &p) {
        contactBlade(p);
        line(p, 21, 17, 21, 25);
        box(p, 4, 13, 8, 17, white);
    };
    m["mts"] = [](QPainter &p) {
        for (int y : {11, 17, 23}) {
            line(p, 3, y, 7, y);
            line(p, 25, y, 29, y);
        }
        box(p, 7, 5, 25, 29, blue);
        polyline(p, {{11, 22}, {11, 11}, {16, 17}, {21, 11}, {21, 22}}, white);
    };

    // Toolbox: drawing.
    m["text"] = [](QPainter &p) {
        area(p, 6, 4, 26, 8, ink);
        area(p, 14, 4, 18, 28, ink);
        area(p, 10, 26, 22, 28, ink);
        area(p, 6, 4, 8, 10, ink);
        area(p, 24, 4, 26, 10, ink);
    };
    m["line"] = [](QPainter &p) {
        line(p, 7, 25, 25, 7);
        box(p, 3, 23, 9, 29, white, blue);
        box(p, 23, 3, 29, 9, white, blue);
    };
    m["circle"] = [](QPainter &p) {
        p.setPen(roundPen());
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 7, 26, 18));
    };
    m["rect"] = [](QPainter &p) { box(p, 5, 7, 27, 25, QColor()); };
    m["pixmap"] = [](QPainter &p) {
        box(p, 3, 5, 29, 27, white);
        polygon(p, {{5, 25}, {13, 13}, {19, 21}, {22, 17}, {27, 25}}, green, QColor());
        dot(p, 22, 11, 3, amber);
        box(p, 3, 5, 29, 27, QColor());
    };

    // Toolbox: frame layout.
    m["panel"] = [](QPainter &p) {
        box(p, 3, 9, 29, 23, greyFill);
        for (int x : {9, 15, 21})
            box(p, x, 12, x + 4, 20, blueFill);
        dot(p, 5.5, 16, 1);
        dot(p, 26.5, 16, 1);
    };
    m["board"] = [](QPainter &p) {
        box(p, 5, 5, 27, 27, green);
        polyline(p, {{9, 11}, {15, 11}, {21, 17}, {21, 23}}, greenFill);
        polyline(p, {{9, 19}, {13, 23}}, greenFill);
        for (QPointF c : {QPointF(9, 11), QPointF(21, 23), QPointF(9, 19), QPointF(22, 10)})
            circle(p, c.x(), c.y(), 2, amber, QColor());
    };

    // Pen styles of the drawing primitives' dialogs.
    m["line_solid"] = [](QPainter &p) { area(p, 2, 16, 30, 18, ink); };
    m["line_dashed"] = [](QPainter &p) {
        for (int x : {2, 12, 22})
            area(p, x, 16, x + 8, 18, ink);
    };
    m["line_dotted"] = [](QPainter &p) {
        for (int x = 2; x < 30; x += 4)
            area(p, x, 16, x + 2, 18, ink);
    };
    m["line_dash_dot"] = [](QPainter &p) {
        for (int x : {2, 18})
            area(p, x, 16, x + 8, 18, ink);
        for (int x : {12, 28})
            area(p, x, 16, x + 2, 18, ink);
    };
    m["line_dash_dot_dot"] = [](QPainter &p) {
        for (int x : {0, 20})
            area(p, x, 16, x + 8, 18, ink);
        for (int x : {10, 14, 30})
            area(p, x, 16, x + 2, 18, ink);
    };

    // Text alignment of the text primitive.
    const auto bars = [](QPainter &p, const int (&spans)[4][2]) {
        for (int i = 0; i < 4; ++i)
            area(p, spans[i][0], 6 + 6 * i, spans[i][1], 8 + 6 * i, ink);
    };
    m["textleft"] = [bars](QPainter &p) { bars(p, {{4, 28}, {4, 20}, {4, 28}, {4, 16}}); };
    m["textright"] = [bars](QPainter &p) { bars(p, {{4, 28}, {12, 28}, {4, 28}, {16, 28}}); };
    m["textcenter"] = [bars](QPainter &p) { bars(p, {{4, 28}, {8, 24}, {4, 28}, {10, 22}}); };
    m["textjustify"] = [bars](QPainter &p) { bars(p, {{4, 28}, {4, 28}, {4, 28}, {4, 16}}); };

    // Project tree.
    m["scheme"] = [](QPainter &p) {
        page(p, 5, 3, 27, 29);
        schemeGlyph(p, 10, 11);
    };
    m["schematics"] = [](QPainter &p) {
        page(p, 3, 1, 21, 23, greyFill);
        page(p, 7, 5, 25, 27, greyFill);
        page(p, 11, 9, 29, 31);
        schemeGlyph(p, 14, 16);
    };
    m["scheme_group"] = [](QPainter &p) {
        folderClosed(p);
        schemeGlyph(p, 10, 14);
    };
    m["scheme_group_open"] = [](QPainter &p) { folderOpen(p); };
    m["frame"] = [](QPainter &p) {
        cabinet(p, 9, 3, 25, 29);
        area(p, 12, 11, 16, 14, blue);
        area(p, 18, 17, 22, 20, blue);
    };
    m["frame_row"] = [](QPainter &p) {
        for (int x : {3, 13, 23})
            cabinet(p, x, 5, x + 8, 27);
    };
    m["equipment_placing"] = [](QPainter &p) {
        box(p, 3, 3, 29, 29, white);
        for (int y : {7, 19})
            for (int x : {7, 15, 23})
                box(p, x - 1, y, x + 5, y + 6, blueFill);
    };
    m["equipment_scheme"] = [](QPainter &p) {
        page(p, 5, 3, 27, 29);
        for (int x : {9, 15, 21})
            box(p, x, 13, x + 4, 23, blueFill, blue);
    };
    m["specification"] = [](QPainter &p) {
        page(p, 5, 3, 27, 29);
        tableGlyph(p, 9, 11, 23, 25);
    };
    m["specification_group"] = [](QPainter &p) {
        folderClosed(p);
        tableGlyph(p, 9, 15, 23, 23, ink);
    };
    m["specifications"] = [](QPainter &p) {
        page(p, 3, 1, 21, 23, greyFill);
        page(p, 7, 5, 25, 27, greyFill);
        page(p, 11, 9, 29, 31);
        tableGlyph(p, 14, 16, 26, 28);
    };
    return m;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: iconpainter RESOURCES_DIR [SHEET.png]\n";
        return 1;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("images")))
        return 1;
    const QMap<QString, Painter> all = icons();

    QFile qrc(dir.filePath(QStringLiteral("resources.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (auto it = all.constBegin(); it != all.constEnd(); ++it) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        it.value()(p);
        p.end();
        const QString name = QStringLiteral("images/") + it.key() + QStringLiteral(".png");
        if (!image.save(dir.filePath(name), "PNG"))
            return 1;
        out << "    <file>" << name << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";

    // Optional contact sheet for review: each icon doubled pixel for pixel,
    // at 32 px and at 16 px.
    if (argc > 2) {
        const int columns = 8;
        const int rows = int((all.size() + columns - 1) / columns);
        const int cellWidth = 112, cellHeight = 80;
        QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_ARGB32);
        sheet.fill(QColor(0xf4, 0xf4, 0xf4));
        QPainter p(&sheet);
        int i = 0;
        for (auto it = all.constBegin(); it != all.constEnd(); ++it, ++i) {
            const QImage icon(dir.filePath(QStringLiteral("images/") + it.key() + QStringLiteral(".png")));
            const QPoint at((i % columns) * cellWidth + 2, (i / columns) * cellHeight + 2);
            p.drawImage(at, icon.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            const QImage small = icon.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            p.drawImage(at + QPoint(70, 0), small.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(10);
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(QRect(at.x(), at.y() + 64, cellWidth - 4, 13), Qt::AlignLeft, it.key());
        }
        p.end();
        sheet.save(QString::fromLocal8Bit(argv[2]));
    }
    return 0;
}
