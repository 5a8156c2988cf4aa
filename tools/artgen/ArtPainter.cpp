#include "ArtPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <cmath>
#include <functional>
#include <map>

namespace {

const QColor kPressed(44, 103, 174);
const QColor kDimFace(190, 192, 196);
const QColor kDimEdge(150, 152, 156);
const QColor kText(38, 38, 38);

QColor mixed(const QColor &a, const QColor &b, double towardB)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * towardB,
                            a.greenF() + (b.greenF() - a.greenF()) * towardB,
                            a.blueF() + (b.blueF() - a.blueF()) * towardB);
}

QFont sansFont(int pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A key face: flat fill, a light rim at the top and a darker edge. Pressed
// keys turn blue; lit keys are a paler shade; dimmed keys are grey; a chosen
// key that carries dark text turns pale blue.
void paintKey(QPainter &p, const QRect &r, const QColor &base, const QString &state)
{
    QColor face = base;
    if (state == QLatin1String("down"))
        face = kPressed;
    else if (state == QLatin1String("lit"))
        face = mixed(base, Qt::white, 0.45);
    else if (state == QLatin1String("litdown"))
        face = mixed(kPressed, Qt::white, 0.35);
    else if (state == QLatin1String("paledown"))
        face = mixed(kPressed, Qt::white, 0.7);
    else if (state == QLatin1String("dim"))
        face = kDimFace;
    const QColor edge = state == QLatin1String("dim") ? kDimEdge : face.darker(160);
    const double radius = std::min(8.0, std::min(r.width(), r.height()) / 6.0);
    const QRectF body = QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(edge, 2));
    p.setBrush(face);
    p.drawRoundedRect(body, radius, radius);
    if (state != QLatin1String("dim")) {
        p.setPen(QPen(face.lighter(state == QLatin1String("down") ? 115 : 135), 1.5));
        p.drawLine(QPointF(body.left() + radius, body.top() + 2), QPointF(body.right() - radius, body.top() + 2));
    }
}

void paintBox(QPainter &p, const QRect &r, const QColor &fill, const QString &detail)
{
    const QRectF body = QRectF(r).adjusted(1, 1, -1, -1);
    if (detail == QLatin1String("thumb")) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(body.adjusted(3, 0, -3, 0), 4, 4);
        return;
    }
    if (detail == QLatin1String("outline")) {
        p.setPen(QPen(fill, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body.adjusted(1, 1, -1, -1), 4, 4);
        return;
    }
    if (detail == QLatin1String("light")) {
        // A pale box framed in the given colour, for dark text.
        p.setPen(QPen(fill, 3));
        p.setBrush(mixed(fill, Qt::white, 0.93));
        p.drawRoundedRect(body.adjusted(1, 1, -1, -1), 5, 5);
        return;
    }
    p.setPen(QPen(detail == QLatin1String("selected") ? kPressed : fill.darker(140),
                  detail == QLatin1String("selected") ? 3 : 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(body, 5, 5);
    if (detail == QLatin1String("dot")) {
        p.setPen(Qt::NoPen);
        p.setBrush(kText);
        p.drawEllipse(QRectF(r).center(), r.width() / 7.0, r.width() / 7.0);
    }
}

// detail "header:N" or "header:N:rrggbb": a title band N pixels high;
// "side:N:rrggbb": a band N pixels wide down the left edge.
void paintPane(QPainter &p, const QRect &r, const QColor &fill, const QString &detail)
{
    const QRectF body = QRectF(r).adjusted(1, 1, -1, -1);
    p.setPen(QPen(fill.darker(150), 2));
    p.setBrush(fill);
    p.drawRoundedRect(body, 8, 8);
    const QStringList parts = detail.split(QLatin1Char(':'));
    const bool header = parts.value(0) == QLatin1String("header");
    if (!header && parts.value(0) != QLatin1String("side"))
        return;
    const int extent = parts.value(1).toInt();
    const QColor band = parts.size() > 2 ? QColor(QLatin1Char('#') + parts.at(2)) : QColor(60, 69, 80);
    QPainterPath clip;
    clip.addRoundedRect(body, 8, 8);
    p.save();
    p.setClipPath(clip);
    p.fillRect(header ? QRectF(body.left(), body.top(), body.width(), extent)
                      : QRectF(body.left(), body.top(), extent, body.height()),
               band);
    p.restore();
}

void paintShadow(QPainter &p, const QRect &r, const QColor &colour, const QString &darkSide)
{
    QPointF from;
    QPointF to;
    if (darkSide == QLatin1String("top")) {
        from = r.topLeft();
        to = r.bottomLeft();
    } else if (darkSide == QLatin1String("bottom")) {
        from = r.bottomLeft();
        to = r.topLeft();
    } else if (darkSide == QLatin1String("left")) {
        from = r.topLeft();
        to = r.topRight();
    } else {
        from = r.topRight();
        to = r.topLeft();
    }
    QLinearGradient gradient(from, to);
    QColor dark = colour;
    dark.setAlpha(150);
    QColor clear = colour;
    clear.setAlpha(0);
    gradient.setColorAt(0, dark);
    gradient.setColorAt(1, clear);
    p.fillRect(r, gradient);
}

// Glyphs are drawn in a 100 x 100 box, scaled to the image.
using Glyph = std::function<void(QPainter &, const QColor &)>;

QPen glyphPen(const QColor &c, double width = 8)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void strokeOnly(QPainter &p, const QColor &c, double width = 8)
{
    p.setPen(glyphPen(c, width));
    p.setBrush(Qt::NoBrush);
}

void fillOnly(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

void drawArrowHead(QPainter &p, const QPointF &tip, double angleDegrees, double size)
{
    const double a = angleDegrees * M_PI / 180.0;
    const QPointF back(tip.x() - size * std::cos(a), tip.y() - size * std::sin(a));
    const QPointF side(std::sin(a) * size * 0.6, -std::cos(a) * size * 0.6);
    p.drawPolygon(QPolygonF({tip, back + side, back - side}));
}

void drawPerson(QPainter &p, const QColor &c)
{
    fillOnly(p, c);
    p.drawEllipse(QPointF(50, 30), 17, 17);
    p.drawPie(QRectF(18, 52, 64, 70), 0, 180 * 16);
}

void drawTick(QPainter &p, const QColor &c, double width)
{
    strokeOnly(p, c, width);
    p.drawPolyline(QPolygonF({QPointF(20, 52), QPointF(42, 74), QPointF(82, 28)}));
}

void drawCross(QPainter &p, const QColor &c, double width)
{
    strokeOnly(p, c, width);
    p.drawLine(QPointF(25, 25), QPointF(75, 75));
    p.drawLine(QPointF(75, 25), QPointF(25, 75));
}

const std::map<QString, Glyph> &glyphs()
{
    static const std::map<QString, Glyph> table = {
        {"home", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawPolygon(QPolygonF({QPointF(50, 12), QPointF(90, 50), QPointF(10, 50)}));
             p.drawRect(QRectF(22, 48, 56, 40));
             p.setBrush(Qt::transparent);
             p.setCompositionMode(QPainter::CompositionMode_Clear);
             p.drawRect(QRectF(42, 62, 16, 26));
         }},
        {"force", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawPolygon(QPolygonF({QPointF(58, 6), QPointF(22, 56), QPointF(46, 56), QPointF(38, 94),
                                      QPointF(78, 40), QPointF(54, 40)}));
         }},
        {"tasks", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             for (int i = 0; i < 3; ++i) {
                 const double y = 24 + i * 26;
                 p.drawPolyline(QPolygonF({QPointF(12, y), QPointF(19, y + 7), QPointF(30, y - 6)}));
                 p.drawLine(QPointF(42, y), QPointF(88, y));
             }
         }},
        {"document", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawPolygon(QPolygonF({QPointF(22, 8), QPointF(64, 8), QPointF(80, 24), QPointF(80, 92),
                                      QPointF(22, 92)}));
             for (int i = 0; i < 4; ++i)
                 p.drawLine(QPointF(34, 34 + i * 14), QPointF(68, 34 + i * 14));
         }},
        {"disable", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 9);
             p.drawEllipse(QPointF(50, 50), 38, 38);
             p.drawLine(QPointF(23, 77), QPointF(77, 23));
         }},
        {"gear", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             for (int i = 0; i < 8; ++i) {
                 p.save();
                 p.translate(50, 50);
                 p.rotate(i * 45);
                 p.drawRect(QRectF(-8, -44, 16, 20));
                 p.restore();
             }
             p.drawEllipse(QPointF(50, 50), 30, 30);
             p.setCompositionMode(QPainter::CompositionMode_Clear);
             p.drawEllipse(QPointF(50, 50), 12, 12);
         }},
        {"bars", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawRect(QRectF(14, 52, 18, 38));
             p.drawRect(QRectF(41, 22, 18, 68));
             p.drawRect(QRectF(68, 38, 18, 52));
         }},
        {"pulse", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawRoundedRect(QRectF(8, 14, 84, 72), 8, 8);
             p.drawPolyline(QPolygonF({QPointF(16, 54), QPointF(34, 54), QPointF(44, 30), QPointF(56, 72),
                                       QPointF(66, 46), QPointF(84, 46)}));
         }},
        {"walk", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawEllipse(QPointF(56, 14), 10, 10);
             strokeOnly(p, c, 10);
             p.drawLine(QPointF(52, 30), QPointF(44, 62));
             p.drawLine(QPointF(44, 62), QPointF(30, 92));
             p.drawPolyline(QPolygonF({QPointF(44, 62), QPointF(60, 76), QPointF(62, 94)}));
             p.drawPolyline(QPolygonF({QPointF(28, 48), QPointF(50, 36), QPointF(70, 52)}));
         }},
        {"wrench", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 14);
             p.drawLine(QPointF(30, 70), QPointF(62, 38));
             p.setPen(glyphPen(c, 9));
             p.drawArc(QRectF(52, 10, 38, 38), -45 * 16, 270 * 16);
             fillOnly(p, c);
             p.drawEllipse(QPointF(24, 76), 12, 12);
         }},
        {"sliders", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             for (int i = 0; i < 3; ++i)
                 p.drawLine(QPointF(12, 24 + i * 26), QPointF(88, 24 + i * 26));
             fillOnly(p, c);
             const double knobs[] = {30, 64, 44};
             for (int i = 0; i < 3; ++i)
                 p.drawRoundedRect(QRectF(knobs[i] - 8, 13 + i * 26, 16, 22), 4, 4);
         }},
        {"daynight", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawPie(QRectF(14, 14, 72, 72), 90 * 16, 180 * 16);
             strokeOnly(p, c, 6);
             p.drawArc(QRectF(14, 14, 72, 72), -90 * 16, 180 * 16);
         }},
        {"sun", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawEllipse(QPointF(50, 50), 20, 20);
             strokeOnly(p, c, 7);
             for (int i = 0; i < 8; ++i) {
                 const double a = i * M_PI / 4;
                 p.drawLine(QPointF(50 + 30 * std::cos(a), 50 + 30 * std::sin(a)),
                            QPointF(50 + 42 * std::cos(a), 50 + 42 * std::sin(a)));
             }
         }},
        {"moon", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawEllipse(QPointF(50, 50), 38, 38);
             p.setCompositionMode(QPainter::CompositionMode_Clear);
             p.drawEllipse(QPointF(68, 36), 32, 32);
         }},
        {"paneltest", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawRoundedRect(QRectF(10, 14, 80, 62), 6, 6);
             p.drawLine(QPointF(36, 90), QPointF(64, 90));
             drawTick(p, c, 8);
         }},
        {"target", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawEllipse(QPointF(50, 50), 36, 36);
             p.drawLine(QPointF(50, 4), QPointF(50, 24));
             p.drawLine(QPointF(50, 76), QPointF(50, 96));
             p.drawLine(QPointF(4, 50), QPointF(24, 50));
             p.drawLine(QPointF(76, 50), QPointF(96, 50));
             fillOnly(p, c);
             p.drawEllipse(QPointF(50, 50), 11, 11);
         }},
        {"zone", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawRect(QRectF(12, 12, 76, 76));
             p.drawLine(QPointF(50, 12), QPointF(50, 88));
             p.drawLine(QPointF(12, 50), QPointF(88, 50));
             fillOnly(p, c);
             p.drawRect(QRectF(12, 12, 38, 38));
         }},
        {"zones", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawRect(QRectF(30, 10, 58, 58));
             fillOnly(p, c);
             p.drawRect(QRectF(10, 32, 58, 58));
         }},
        {"devices", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawEllipse(QPointF(50, 40), 34, 20);
             p.drawLine(QPointF(24, 54), QPointF(30, 78));
             p.drawLine(QPointF(76, 54), QPointF(70, 78));
             p.drawLine(QPointF(30, 78), QPointF(70, 78));
             fillOnly(p, c);
             p.drawEllipse(QPointF(50, 40), 9, 6);
         }},
        {"clock", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawEllipse(QPointF(50, 50), 38, 38);
             p.drawLine(QPointF(50, 50), QPointF(50, 24));
             p.drawLine(QPointF(50, 50), QPointF(70, 60));
         }},
        {"calendar", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawRoundedRect(QRectF(12, 18, 76, 70), 6, 6);
             p.drawLine(QPointF(30, 8), QPointF(30, 26));
             p.drawLine(QPointF(70, 8), QPointF(70, 26));
             fillOnly(p, c);
             p.drawRect(QRectF(12, 18, 76, 16));
             for (int i = 0; i < 6; ++i)
                 p.drawRect(QRectF(22 + (i % 3) * 20, 46 + (i / 3) * 18, 12, 10));
         }},
        {"loop", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 8);
             p.drawArc(QRectF(14, 20, 72, 60), 30 * 16, 300 * 16);
             fillOnly(p, c);
             drawArrowHead(p, QPointF(84, 32), -60, 22);
         }},
        {"resync", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 8);
             p.drawArc(QRectF(16, 16, 68, 68), 20 * 16, 150 * 16);
             p.drawArc(QRectF(16, 16, 68, 68), 200 * 16, 150 * 16);
             fillOnly(p, c);
             drawArrowHead(p, QPointF(20, 58), 95, 20);
             drawArrowHead(p, QPointF(80, 42), -85, 20);
         }},
        {"clipboard", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawRoundedRect(QRectF(18, 14, 64, 80), 6, 6);
             fillOnly(p, c);
             p.drawRoundedRect(QRectF(36, 6, 28, 16), 4, 4);
             drawTick(p, c, 8);
         }},
        {"network", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawLine(QPointF(50, 24), QPointF(20, 76));
             p.drawLine(QPointF(50, 24), QPointF(80, 76));
             p.drawLine(QPointF(20, 76), QPointF(80, 76));
             fillOnly(p, c);
             for (const QPointF &node : {QPointF(50, 22), QPointF(20, 76), QPointF(80, 76)})
                 p.drawEllipse(node, 14, 14);
         }},
        {"person", drawPerson},
        {"display", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawRoundedRect(QRectF(10, 16, 80, 56), 6, 6);
             p.drawLine(QPointF(50, 72), QPointF(50, 86));
             p.drawLine(QPointF(30, 88), QPointF(70, 88));
         }},
        {"cross", [](QPainter &p, const QColor &c) { drawCross(p, c, 12); }},
        {"tick", [](QPainter &p, const QColor &c) { drawTick(p, c, 12); }},
        {"power", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 9);
             p.drawArc(QRectF(14, 18, 72, 72), 120 * 16, -300 * 16);
             p.drawLine(QPointF(50, 8), QPointF(50, 50));
         }},
        {"update", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 8);
             p.drawPolyline(QPolygonF({QPointF(14, 64), QPointF(14, 88), QPointF(86, 88), QPointF(86, 64)}));
             p.drawLine(QPointF(50, 70), QPointF(50, 24));
             fillOnly(p, c);
             drawArrowHead(p, QPointF(50, 8), -90, 26);
         }},
        {"sounder", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawPolygon(QPolygonF({QPointF(12, 38), QPointF(32, 38), QPointF(56, 16), QPointF(56, 84),
                                      QPointF(32, 62), QPointF(12, 62)}));
             strokeOnly(p, c, 6);
             p.drawArc(QRectF(50, 30, 24, 40), -60 * 16, 120 * 16);
             p.drawArc(QRectF(50, 16, 40, 68), -60 * 16, 120 * 16);
         }},
        {"printer", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawRect(QRectF(28, 10, 44, 26));
             p.drawRoundedRect(QRectF(10, 36, 80, 36), 6, 6);
             p.drawRect(QRectF(28, 60, 44, 30));
         }},
        {"leds", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 5);
             p.drawRoundedRect(QRectF(6, 22, 88, 56), 6, 6);
             fillOnly(p, c);
             for (int i = 0; i < 4; ++i)
                 p.drawEllipse(QPointF(22 + i * 19, 50), 7, 7);
         }},
        {"map", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawPolygon(QPolygonF({QPointF(8, 20), QPointF(36, 10), QPointF(64, 20), QPointF(92, 10),
                                      QPointF(92, 80), QPointF(64, 90), QPointF(36, 80), QPointF(8, 90)}));
             p.drawLine(QPointF(36, 10), QPointF(36, 80));
             p.drawLine(QPointF(64, 20), QPointF(64, 90));
         }},
        {"key", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 8);
             p.drawEllipse(QPointF(30, 50), 18, 18);
             p.drawLine(QPointF(48, 50), QPointF(90, 50));
             p.drawLine(QPointF(76, 50), QPointF(76, 66));
             p.drawLine(QPointF(88, 50), QPointF(88, 62));
         }},
        {"chip", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawRect(QRectF(24, 24, 52, 52));
             for (int i = 0; i < 3; ++i) {
                 const double at = 36 + i * 14;
                 p.drawLine(QPointF(at, 8), QPointF(at, 24));
                 p.drawLine(QPointF(at, 76), QPointF(at, 92));
                 p.drawLine(QPointF(8, at), QPointF(24, at));
                 p.drawLine(QPointF(76, at), QPointF(92, at));
             }
         }},
        {"book", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawPolygon(QPolygonF({QPointF(50, 24), QPointF(10, 14), QPointF(10, 80), QPointF(50, 90)}));
             p.drawPolygon(QPolygonF({QPointF(50, 24), QPointF(90, 14), QPointF(90, 80), QPointF(50, 90)}));
         }},
        {"usb", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawLine(QPointF(50, 18), QPointF(50, 84));
             p.drawPolyline(QPolygonF({QPointF(50, 66), QPointF(26, 52), QPointF(26, 40)}));
             p.drawPolyline(QPolygonF({QPointF(50, 56), QPointF(74, 44), QPointF(74, 34)}));
             fillOnly(p, c);
             drawArrowHead(p, QPointF(50, 6), -90, 18);
             p.drawEllipse(QPointF(50, 86), 9, 9);
             p.drawEllipse(QPointF(26, 36), 7, 7);
             p.drawRect(QRectF(68, 24, 12, 12));
         }},
        {"card", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 6);
             p.drawRoundedRect(QRectF(8, 22, 84, 56), 8, 8);
             p.drawArc(QRectF(52, 34, 16, 32), -60 * 16, 120 * 16);
             p.drawArc(QRectF(52, 26, 28, 48), -60 * 16, 120 * 16);
         }},
        {"tree", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawRect(QRectF(10, 10, 30, 18));
             p.drawRect(QRectF(54, 42, 36, 16));
             p.drawRect(QRectF(54, 74, 36, 16));
             strokeOnly(p, c, 5);
             p.drawPolyline(QPolygonF({QPointF(24, 28), QPointF(24, 82), QPointF(54, 82)}));
             p.drawLine(QPointF(24, 50), QPointF(54, 50));
         }},
        {"barcode", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             const double widths[] = {6, 3, 8, 3, 4, 9, 3, 6, 4, 3, 7};
             double x = 12;
             for (int i = 0; i < 11; ++i) {
                 if (i % 2 == 0)
                     p.drawRect(QRectF(x, 20, widths[i], 60));
                 x += widths[i] + 2;
             }
         }},
        {"enter", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 9);
             p.drawPolyline(QPolygonF({QPointF(80, 16), QPointF(80, 60), QPointF(30, 60)}));
             fillOnly(p, c);
             drawArrowHead(p, QPointF(12, 60), 180, 28);
         }},
        {"shift", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawPolygon(QPolygonF({QPointF(50, 10), QPointF(90, 52), QPointF(68, 52), QPointF(68, 88),
                                      QPointF(32, 88), QPointF(32, 52), QPointF(10, 52)}));
         }},
        {"space", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 9);
             p.drawPolyline(QPolygonF({QPointF(8, 40), QPointF(8, 72), QPointF(92, 72), QPointF(92, 40)}));
         }},
        {"arrow", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawPolygon(QPolygonF({QPointF(50, 18), QPointF(88, 74), QPointF(12, 74)}));
         }},
        {"warning", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawPolygon(QPolygonF({QPointF(50, 8), QPointF(94, 88), QPointF(6, 88)}));
             p.drawLine(QPointF(50, 36), QPointF(50, 62));
             fillOnly(p, c);
             p.drawEllipse(QPointF(50, 75), 5, 5);
         }},
        {"touch", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawRoundedRect(QRectF(12, 12, 76, 76), 10, 10);
         }},
        {"touchdown", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 7);
             p.drawRoundedRect(QRectF(12, 12, 76, 76), 10, 10);
             fillOnly(p, c);
             p.drawEllipse(QPointF(50, 50), 20, 20);
         }},
        {"nozzle", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawRect(QRectF(10, 30, 40, 26));
             p.drawPolygon(QPolygonF({QPointF(50, 34), QPointF(66, 24), QPointF(66, 62), QPointF(50, 52)}));
             strokeOnly(p, c, 6);
             for (int i = 0; i < 3; ++i)
                 p.drawLine(QPointF(74, 43), QPointF(92, 20 + i * 23));
         }},
        {"radiooff", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 8);
             p.drawEllipse(QPointF(50, 50), 38, 38);
         }},
        {"radioon", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 8);
             p.drawEllipse(QPointF(50, 50), 38, 38);
             fillOnly(p, c);
             p.drawEllipse(QPointF(50, 50), 22, 22);
         }},
        {"checkoff", [](QPainter &p, const QColor &c) {
             strokeOnly(p, c, 8);
             p.drawRoundedRect(QRectF(12, 12, 76, 76), 8, 8);
         }},
        {"checkon", [](QPainter &p, const QColor &c) {
             fillOnly(p, c);
             p.drawRoundedRect(QRectF(8, 8, 84, 84), 10, 10);
             drawTick(p, Qt::white, 12);
         }},
    };
    return table;
}

bool paintGlyph(QPainter &p, const QRect &r, const QColor &colour, const QString &detail)
{
    if (detail.startsWith(QLatin1String("t:"))) {
        const QString letters = detail.mid(2);
        const int size = static_cast<int>(std::min(r.height() * 0.8, r.width() * 1.5 / std::max(1, letters.size())));
        p.setPen(colour);
        p.setFont(sansFont(std::max(6, size)));
        p.drawText(r, Qt::AlignCenter, letters);
        return true;
    }
    const auto found = glyphs().find(detail.mid(2));
    if (found == glyphs().end())
        return false;
    const double side = std::min(r.width(), r.height());
    p.save();
    p.translate(r.x() + (r.width() - side) / 2.0, r.y() + (r.height() - side) / 2.0);
    p.scale(side / 100.0, side / 100.0);
    found->second(p, colour);
    p.restore();
    return true;
}

void paintLed(QPainter &p, const QRect &r, const QColor &colour)
{
    QRadialGradient glow(QRectF(r).center() - QPointF(2, 2), r.width() / 2.0);
    glow.setColorAt(0, colour.lighter(160));
    glow.setColorAt(0.7, colour);
    glow.setColorAt(1, colour.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QRectF(r).adjusted(1, 1, -1, -1));
}

void paintCaption(QPainter &p, const QRectF &r, const QString &text, const QColor &colour, int pixelSize,
                  int flags = Qt::AlignCenter)
{
    p.setPen(colour);
    p.setFont(sansFont(pixelSize));
    p.drawText(r, flags | Qt::TextWordWrap, text);
}

// The simulator's panel face around the 640 x 480 screen, with the keys
// and the dark LEDs where the window lays its buttons and lit LEDs.
void paintBackground(QPainter &p, const QRect &r, const QColor &brand, const QString &brandName, const QString &overlay)
{
    p.fillRect(r, QColor(52, 56, 62));
    p.fillRect(QRect(0, 0, 648, 488), QColor(20, 20, 22));
    p.fillRect(QRect(0, 488, 680, 6), brand);
    paintCaption(p, QRectF(20, 630, 600, 36), brandName, Qt::white, 22, Qt::AlignLeft | Qt::AlignVCenter);

    // Captions sit clear of the LEDs the window lights on the keys.
    struct PanelKey
    {
        QRect rect;
        const char *caption;
        int captionAlignment;
    };
    const int top = Qt::AlignLeft | Qt::AlignTop;
    const int bottom = Qt::AlignLeft | Qt::AlignBottom;
    const PanelKey keys[] = {
        {{30, 520, 101, 101}, "HOME", top},
        {{130, 520, 101, 101}, "BACK", top},
        {{240, 520, 101, 101}, "HELP", top},
        {{420, 517, 111, 101}, "SILENCE\nBUZZER", top},
        {{690, 530, 131, 101}, "ALARM\nROUTING", bottom},
        {{830, 510, 61, 61}, "SILENCE\nALARMS", top},
        {{830, 580, 61, 51}, "RESET", top},
        {{690, 0, 201, 111}, "GENERAL", top},
        {{690, 110, 201, 101}, "PANEL", top},
        {{690, 214, 201, 51}, "SOUNDERS", top},
        {{690, 266, 201, 51}, "SIGNALLING", top},
        {{690, 368, 201, 111}, "ZONES", top},
        {{920, 429, 101, 111}, "USB", bottom},
        {{920, 549, 101, 101}, "ACCESS", bottom},
    };
    for (const PanelKey &key : keys) {
        paintKey(p, key.rect.adjusted(3, 3, -3, -3), QColor(74, 80, 88), QStringLiteral("up"));
        paintCaption(p, QRectF(key.rect.adjusted(8, 6, -8, -6)), QLatin1String(key.caption), Qt::white,
                     key.rect.width() < 80 ? 9 : 12, key.captionAlignment);
    }
    paintKey(p, QRect(693, 318, 195, 45), brand.darker(130), QStringLiteral("up"));
    paintCaption(p, QRectF(698, 320, 180, 18), overlay, Qt::white, 12, top);

    const QPoint leds[] = {
        {863, 23},  {863, 44},  {863, 66},  {863, 88},  {863, 130}, {863, 150}, {863, 171},
        {863, 192}, {765, 242}, {812, 242}, {863, 242}, {765, 292}, {812, 292}, {863, 292},
        {765, 342}, {812, 342}, {863, 342}, {738, 533}, {762, 533}, {501, 520},
    };
    const auto darkLed = [&p](const QPoint &at) { paintLed(p, QRect(at, QSize(17, 17)), QColor(40, 42, 44)); };
    for (const QPoint &at : leds)
        darkLed(at);
    const int zoneX[] = {717, 765, 812, 863};
    const int zoneY[] = {394, 416, 435, 455};
    for (int k = 0; k < 16; ++k)
        darkLed(QPoint(zoneX[k / 4], zoneY[k % 4]));
    const char *const generalCaptions[] = {"FIRE", "FAULT", "DISABLED", "TEST", "POWER", "MAINS", "SYSTEM", "DAY"};
    for (int i = 0; i < 8; ++i)
        paintCaption(p, QRectF(770, leds[i].y() - 2, 88, 20), QLatin1String(generalCaptions[i]), QColor(210, 210, 210),
                     11, Qt::AlignRight | Qt::AlignVCenter);
}

void paintPicture(QPainter &p, const QRect &r, const QColor &colour, const QString &detail)
{
    const QStringList parts = detail.split(QLatin1Char('|'));
    const QString kind = parts.value(0);
    if (kind == QLatin1String("background")) {
        paintBackground(p, r, colour, parts.value(1), parts.value(2));
    } else if (kind == QLatin1String("sleep")) {
        p.fillRect(r, QColor(16, 24, 36));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(r.width() / 2.0, 190), 70, 70);
        paintGlyph(p, QRect(r.width() / 2 - 45, 145, 90, 90), Qt::white, QStringLiteral("g:force"));
        paintCaption(p, QRectF(0, 290, r.width(), 50), parts.value(1), Qt::white, 40);
        paintCaption(p, QRectF(0, 345, r.width(), 30), QStringLiteral("Fire alarm control panel"),
                     QColor(200, 200, 200), 20);
        paintCaption(p, QRectF(0, 420, r.width(), 30), QStringLiteral("Touch the screen to begin"),
                     QColor(160, 160, 160), 16);
    } else if (kind == QLatin1String("indicators")) {
        p.fillRect(r, QColor(245, 245, 245));
        p.setPen(QPen(colour, 3));
        p.setBrush(QColor(60, 66, 74));
        p.drawRoundedRect(QRectF(20, 40, 260, 220), 10, 10);
        const char *const captions[] = {"Fire", "Fault", "Disabled", "Test", "Power on", "System fault"};
        const QColor ledColours[] = {QColor(255, 32, 32),  QColor(255, 192, 32), QColor(255, 192, 32),
                                     QColor(255, 192, 32), QColor(48, 208, 64),  QColor(255, 192, 32)};
        for (int i = 0; i < 6; ++i) {
            paintLed(p, QRect(40, 58 + i * 32, 20, 20), ledColours[i]);
            paintCaption(p, QRectF(300, 56 + i * 32, 280, 24), QLatin1String(captions[i]), kText, 16,
                         Qt::AlignLeft | Qt::AlignVCenter);
            p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
            p.drawLine(QPointF(64, 68 + i * 32), QPointF(296, 68 + i * 32));
        }
        paintCaption(p, QRectF(20, 8, 560, 28), parts.value(1), colour, 18, Qt::AlignLeft | Qt::AlignVCenter);
    } else if (kind == QLatin1String("zonemap")) {
        p.fillRect(r, Qt::white);
        p.setPen(QPen(kText, 4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(20, 40, 560, 280));
        p.setPen(QPen(kText, 2));
        p.drawLine(QPointF(220, 40), QPointF(220, 320));
        p.drawLine(QPointF(400, 40), QPointF(400, 200));
        p.drawLine(QPointF(220, 200), QPointF(580, 200));
        QColor zone = colour;
        zone.setAlpha(70);
        p.fillRect(QRectF(222, 42, 176, 156), zone);
        const QPointF detectors[] = {{120, 120}, {120, 240}, {310, 120}, {490, 120}, {400, 260}};
        for (const QPointF &at : detectors) {
            p.setPen(QPen(kText, 2));
            p.setBrush(Qt::white);
            p.drawEllipse(at, 9, 9);
        }
        paintCaption(p, QRectF(20, 4, 560, 32), parts.value(1), kText, 18, Qt::AlignLeft | Qt::AlignVCenter);
    } else if (kind == QLatin1String("evacuate")) {
        p.fillRect(r, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(r).adjusted(4, 4, -4, -4), 16, 16);
        paintGlyph(p, QRect(20, 30, 120, 120), Qt::white, QStringLiteral("g:sounder"));
        paintCaption(p, QRectF(0, 150, r.width(), 40), QStringLiteral("EVACUATE"), Qt::white, 22);
    } else if (kind == QLatin1String("loginhelp")) {
        p.fillRect(r, QColor(245, 245, 245));
        for (int i = 0; i < 2; ++i) {
            const int boxes = i == 0 ? 2 : 6;
            for (int b = 0; b < boxes; ++b)
                paintBox(p, QRect(20 + b * 47, 50 + i * 100, 42, 42), Qt::white, i == 0 && b == 0 ? "selected" : "");
            paintCaption(p, QRectF(20, 18 + i * 100, 320, 28), QLatin1String(i == 0 ? "User ID" : "Passcode"), colour,
                         16, Qt::AlignLeft | Qt::AlignVCenter);
        }
    } else if (kind == QLatin1String("key") || kind == QLatin1String("nokey")) {
        p.setPen(QPen(QColor(30, 30, 30), 3));
        p.setBrush(QColor(170, 170, 175));
        p.drawEllipse(QRectF(r).adjusted(4, 4, -4, -4));
        p.setBrush(QColor(40, 40, 40));
        p.drawRoundedRect(QRectF(29, 14, 6, 36), 3, 3);
        if (kind == QLatin1String("key")) {
            p.setBrush(QColor(212, 170, 60));
            p.drawRoundedRect(QRectF(20, 8, 24, 34), 6, 6);
            p.drawRect(QRectF(28, 40, 8, 16));
        }
    } else if (kind == QLatin1String("usbin") || kind == QLatin1String("usbempty")) {
        p.setPen(QPen(QColor(30, 30, 30), 2));
        p.setBrush(QColor(90, 94, 100));
        p.drawRoundedRect(QRectF(8, 20, 64, 26), 4, 4);
        p.setBrush(QColor(20, 20, 20));
        p.drawRect(QRectF(16, 27, 48, 12));
        if (kind == QLatin1String("usbin")) {
            p.setBrush(colour);
            p.drawRoundedRect(QRectF(18, 4, 44, 30), 4, 4);
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(26, 28, 28, 12));
        }
    }
}

} // namespace

QImage paintArt(const ArtEntry &entry)
{
    QImage image(entry.width, entry.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect r = image.rect();
    const QColor colour = QColor::fromRgb(entry.colour);
    const QString detail = QLatin1String(entry.detail);
    switch (entry.look) {
    case ArtLook::Key:
        paintKey(p, r, colour, detail);
        break;
    case ArtLook::Box:
        paintBox(p, r, colour, detail);
        break;
    case ArtLook::Pane:
        paintPane(p, r, colour, detail);
        break;
    case ArtLook::Shadow:
        paintShadow(p, r, colour, detail);
        break;
    case ArtLook::Icon:
        if (!paintGlyph(p, r.adjusted(1, 1, -1, -1), colour, detail))
            qWarning("artgen: unknown glyph %s", entry.detail);
        break;
    case ArtLook::Led:
        paintLed(p, r, colour);
        break;
    case ArtLook::Picture:
        paintPicture(p, r, colour, detail);
        break;
    }
    p.end();
    return image;
}
