#include "pointmodels/ExtPointInfoModelItem.h"

#include "core/SC_Timer.h"
#include "pointmodels/PointValueFetcher.h"

#include <QEventLoop>
#include <QPointer>

#include <cmath>
#include <cstdio>

namespace {

// A record in which every value is 0, not the defaults of an unanswered
// request.
PointValueDetails zeroedValues()
{
    PointValueDetails values;
    values.configuredDeviceType = 0;
    values.detectedDeviceType = 0;
    values.values4to8 = {};
    return values;
}

} // namespace

ExtPointInfoModelItem::ExtPointInfoModelItem(PointValueFetcher *fetcher, quint8 panel, quint8 channelAddress,
                                             quint8 point, quint8 channelNumber, quint8 channelKind)
    : m_values(zeroedValues())
    , m_fetcher(fetcher)
    , m_point{panel, channelKind, channelNumber, channelAddress, point}
{
}

bool ExtPointInfoModelItem::fetchValues() const
{
    return m_fetcher && m_fetcher->fetch(m_point, m_values);
}

void ExtPointInfoModelItem::waitForValues(int milliseconds) const
{
    if (fetchValues())
        return;
    // Nothing of the item is used once the loop runs: a slot may delete it.
    QEventLoop loop;
    SC_Timer *timeLimit = SC_Timer::create(&loop);
    timeLimit->setSingleShot(true);
    QObject::connect(timeLimit, &SC_Timer::timeout, &loop, &QEventLoop::quit);
    if (m_fetcher) {
        const SimplePointInfo awaited = m_point;
        QObject::connect(m_fetcher, &PointValueFetcher::updatedPointValue, &loop,
                         [&loop, awaited](const SimplePointInfo &point) {
                             if (point == awaited)
                                 loop.quit();
                         });
        // The list and its fetcher may go while the item waits.
        QObject::connect(m_fetcher, &QObject::destroyed, &loop, &QEventLoop::quit);
    }
    timeLimit->start(milliseconds);
    loop.exec();
}

QString ExtPointInfoModelItem::analogueValueText(int reading, const QString &unit) const
{
    int decimals = 1;
    quint32 raw = 0;
    if (reading >= 0 && size_t(reading) < m_values.extension.size()) {
        decimals = m_values.extension[size_t(reading)].decimals;
        raw = m_values.extension[size_t(reading)].reading;
    } else {
        std::printf("ExtPointInfoModelItem, invalid index=%d\n", reading);
        std::fflush(stdout);
    }
    // A decimals byte of D moves the point D places: 123 with 2 is 1.23.
    const double value = decimals != 0 ? raw / std::pow(10.0, decimals) : double(raw);
    return QString::number(value, 'f', decimals) + QLatin1Char(' ') + unit;
}
