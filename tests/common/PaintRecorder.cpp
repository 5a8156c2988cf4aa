#include "PaintRecorder.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextItem>

#include <algorithm>

namespace {

class RecordingEngine final : public QPaintEngine
{
public:
    explicit RecordingEngine(PaintRecorder *device)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , m_device(device)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override { }
    Type type() const override { return QPaintEngine::User; }

    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &) override
    {
        m_device->pixmaps.append({transform().mapRect(target), pixmap.size(), pixmap.cacheKey(), pixmap.toImage()});
    }

    void drawImage(const QRectF &target, const QImage &image, const QRectF &, Qt::ImageConversionFlags) override
    {
        m_device->pixmaps.append({transform().mapRect(target), image.size(), image.cacheKey(), image});
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device->lines.append(transform().map(lines[i]));
    }

    void drawLines(const QLine *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device->lines.append(transform().map(QLineF(lines[i])));
    }

    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        const QRectF box(position.x(), position.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        QRectF room(0, 0, m_device->width(), m_device->height());
        if (painter()->hasClipping())
            room = transform().mapRect(painter()->clipBoundingRect()).intersected(room);
        m_device->texts.append({item.text(), transform().mapRect(box), room, item.font(), item.descent()});
    }

    // Fills and outlines are not recorded.
    void drawPath(const QPainterPath &) override { }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { }

private:
    QTransform transform() const { return painter()->combinedTransform(); }

    PaintRecorder *m_device;
};

} // namespace

PaintRecorder::PaintRecorder(const QSize &size)
    : m_size(size)
    , m_reference(1, 1, QImage::Format_ARGB32)
    , m_engine(std::make_unique<RecordingEngine>(this))
{
}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine *PaintRecorder::paintEngine() const
{
    return m_engine.get();
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / m_reference.logicalDpiX());
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / m_reference.logicalDpiY());
    case PdmNumColors:
        return 0;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return m_reference.logicalDpiX();
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return m_reference.logicalDpiY();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

QStringList PaintRecorder::textStrings() const
{
    QStringList strings;
    for (const Text &text : texts)
        strings << text.text;
    return strings;
}

QList<PaintRecorder::Text> PaintRecorder::textsIn(const QRectF &region) const
{
    QList<Text> inside;
    for (const Text &text : texts) {
        if (region.contains(text.box.center()))
            inside << text;
    }
    std::stable_sort(inside.begin(), inside.end(),
                     [](const Text &a, const Text &b) { return a.box.top() < b.box.top(); });
    return inside;
}

int PaintRecorder::horizontalLines() const
{
    return int(std::count_if(lines.begin(), lines.end(), [](const QLineF &l) { return l.dy() == 0 && l.dx() != 0; }));
}

int PaintRecorder::verticalLines() const
{
    return int(std::count_if(lines.begin(), lines.end(), [](const QLineF &l) { return l.dx() == 0 && l.dy() != 0; }));
}

QString PaintRecorder::textProblems() const
{
    static const QRegularExpression translationKey(QStringLiteral("^_[^a-z\\s]+$"));
    QStringList problems;
    for (const Text &text : texts) {
        const QRectF &box = text.box;
        const QRectF &room = text.room;
        const qreal slack = 0.5;
        if (translationKey.match(text.text).hasMatch()) {
            problems << QStringLiteral("the key %1 shows").arg(text.text);
        } else if (box.left() < room.left() - slack || box.right() > room.right() + 1 + slack
                   || box.top() < room.top() - slack || box.bottom() - text.descent > room.bottom() + 1 + slack) {
            problems << QStringLiteral("\"%1\" at (%2, %3) runs out of its room (%4, %5, %6 x %7)")
                            .arg(text.text)
                            .arg(box.left())
                            .arg(box.top())
                            .arg(room.left())
                            .arg(room.top())
                            .arg(room.width())
                            .arg(room.height());
        }
    }
    return problems.join(QLatin1Char('\n'));
}
