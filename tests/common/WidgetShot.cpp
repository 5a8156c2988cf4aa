#include "WidgetShot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdlib>

QImage WidgetShot::grab(QWidget *widget)
{
    widget->ensurePolished();
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor WidgetShot::colourAt(const QImage &image, const QPoint &point)
{
    if (!image.rect().contains(point))
        return QColor();
    return image.pixelColor(point);
}

QColor WidgetShot::averageColour(const QImage &image, const QRect &region)
{
    const QRect area = region.intersected(image.rect());
    if (area.isEmpty())
        return QColor();
    double sums[4] = {0, 0, 0, 0};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sums[0] += c.red();
            sums[1] += c.green();
            sums[2] += c.blue();
            sums[3] += c.alpha();
        }
    }
    const double count = double(area.width()) * area.height();
    return QColor(int(sums[0] / count), int(sums[1] / count), int(sums[2] / count), int(sums[3] / count));
}

bool WidgetShot::isNear(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

double WidgetShot::fractionNear(const QImage &image, const QRect &region, const QColor &colour, int tolerance)
{
    const QRect area = region.intersected(image.rect());
    if (area.isEmpty())
        return 0;
    int near = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isNear(image.pixelColor(x, y), colour, tolerance))
                ++near;
        }
    }
    return double(near) / (double(area.width()) * area.height());
}

bool WidgetShot::isTransparent(const QImage &image, const QRect &region)
{
    const QRect area = region.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).alpha() > 8)
                return false;
        }
    }
    return true;
}

void WidgetShot::saveForReview(const QImage &image, const QString &name)
{
    const QByteArray folder = qgetenv("TESK_SCREENS_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    image.save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")), "PNG");
}
