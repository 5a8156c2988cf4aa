#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

// Screenshot checks that survive font and artwork changes: render a widget
// and look at the colour of regions, never at whole golden images.
class WidgetShot final
{
public:
    // Renders the widget (and its children) as it would appear on screen.
    static QImage grab(QWidget *widget);

    static QColor colourAt(const QImage &image, const QPoint &point);
    static QColor averageColour(const QImage &image, const QRect &region);
    // The share (0 to 1) of the region's pixels within the tolerance of the
    // colour in each channel, alpha included.
    static double fractionNear(const QImage &image, const QRect &region, const QColor &colour, int tolerance = 24);
    // True when no pixel of the region is more than nearly transparent.
    static bool isTransparent(const QImage &image, const QRect &region);
    static bool isNear(const QColor &a, const QColor &b, int tolerance = 24);

    // Saves the image as <name>.png into the folder named by the environment
    // variable TESK_SCREENS_DIR, when it is set (for review by eye).
    static void saveForReview(const QImage &image, const QString &name);
};
