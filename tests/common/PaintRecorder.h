#pragma once

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QRectF>
#include <QString>

#include <memory>

class QPaintEngine;

// A paint device that remembers what was drawn on it, in device
// coordinates: each line of text with the room its painter left it, each
// line, each pixmap. Delegate tests count rows and read texts from it
// instead of guessing from pixels.
class PaintRecorder final : public QPaintDevice
{
public:
    struct Text
    {
        QString text;
        QRectF box; // the line's extent: its advance, from ascent to descent
        // The clip the painter gave it (a text drawn in a rectangle is clipped
        // to it only when it does not fit); the device when none.
        QRectF room;
        QFont font;
        qreal descent = 0;
    };
    struct Pixmap
    {
        QRectF target;
        QSize size;
        qint64 cacheKey = 0;
        QImage image;
    };

    explicit PaintRecorder(const QSize &size);
    ~PaintRecorder() override;

    QPaintEngine *paintEngine() const override;

    QList<Text> texts;
    QList<QLineF> lines;
    QList<Pixmap> pixmaps;

    QStringList textStrings() const;
    // The texts drawn inside the region, top to bottom.
    QList<Text> textsIn(const QRectF &region) const;
    int horizontalLines() const;
    int verticalLines() const;
    // One line per fault: a text that is still a translation key, or one
    // that runs out of the room its painter gave it (a descender may touch
    // the bottom). Empty when every text is right.
    QString textProblems() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    QImage m_reference;
    std::unique_ptr<QPaintEngine> m_engine;
};
