#include "WidgetShot.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
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

EnglishTexts::EnglishTexts()
{
    const QString folder = QDir(QString::fromLocal8Bit(qgetenv("TESK_BUILD_DIR"))).filePath(QStringLiteral("i18n"));
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("TESK_GBR_en-GB"), folder)
        && QCoreApplication::installTranslator(translator.get()))
        m_translator = std::move(translator);
}

EnglishTexts::~EnglishTexts()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

namespace {

// A label's text fits when it needs no more room than the label gives it:
// on one line its width; for a label that wraps, its longest word, and its
// lines down to the last baseline (a descender may touch the edge).
bool fits(const QLabel &label)
{
    const int margin = label.margin();
    const QRect room = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const QFontMetrics metrics = label.fontMetrics();
    if (!label.wordWrap())
        return metrics.horizontalAdvance(label.text()) <= room.width();
    const QRect needed = metrics.boundingRect(room, int(label.alignment()) | Qt::TextWordWrap, label.text());
    return needed.width() <= room.width() && needed.height() - metrics.descent() <= room.height();
}

// The label's path of object names from the widget checked.
QString describe(const QLabel &label, const QWidget *checked)
{
    QStringList path;
    for (const QObject *object = &label; object; object = object->parent()) {
        path.prepend(object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                                    : object->objectName());
        if (object == checked)
            break;
    }
    return path.join(QLatin1Char('/'));
}

} // namespace

QString WidgetShot::textProblems(const QWidget *widget)
{
    static const QRegularExpression translationKey(QStringLiteral("^_[^a-z\\s]+$"));
    QStringList problems;
    QList<const QLabel *> labels;
    if (const auto *itself = qobject_cast<const QLabel *>(widget))
        labels << itself;
    for (const QLabel *label : widget->findChildren<QLabel *>())
        labels << label;
    for (const QLabel *label : qAsConst(labels)) {
        if (!label->isVisibleTo(widget) || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        if (translationKey.match(label->text()).hasMatch())
            problems << QStringLiteral("%1 shows the key %2").arg(describe(*label, widget), label->text());
        else if (!fits(*label))
            problems << QStringLiteral("%1: \"%2\" is too long for %3 pixels")
                            .arg(describe(*label, widget), label->text())
                            .arg(label->contentsRect().width());
    }
    return problems.join(QLatin1Char('\n'));
}
