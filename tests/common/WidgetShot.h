#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <memory>

class QTranslator;
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

    // What is wrong with the texts the widget and its children show: a text
    // that is still a translation key, or one too long for its place. One
    // line per fault, naming the widget; empty when every text is right.
    static QString textProblems(const QWidget *widget);
};

// While it lives, the English translation the build compiles into its "i18n"
// folder (TESK_BUILD_DIR) is installed, so that widgets made meanwhile show
// words rather than translation keys, as a panel user sees them.
class EnglishTexts final
{
public:
    EnglishTexts();
    ~EnglishTexts();
    EnglishTexts(const EnglishTexts &) = delete;
    EnglishTexts &operator=(const EnglishTexts &) = delete;

    bool isLoaded() const { return m_translator != nullptr; }

private:
    std::unique_ptr<QTranslator> m_translator;
};
