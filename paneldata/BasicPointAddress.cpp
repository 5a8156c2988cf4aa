#include "paneldata/BasicPointAddress.h"

#include "core/BucketKeys.h"
#include "core/BucketMaster.h"

namespace {

constexpr int GlobalConfigDetailsBucket = 41;

} // namespace

BasicPointAddress::BasicPointAddress()
    : m_blankPattern(QRegularExpression::anchoredPattern(QStringLiteral("\\s*")))
{
}

BasicPointAddress::~BasicPointAddress() = default;

QString BasicPointAddress::build(const SimplePointInfo &point, quint8 logicalPointNumber, bool loopOnly,
                                 bool logicalAddressing, bool physicalForced)
{
    m_result.clear();
    m_point = point;
    m_logicalPointNumber = logicalPointNumber;
    m_loopOnly = loopOnly;
    m_logicalAddressing = logicalAddressing;
    m_physicalForced = physicalForced;
    constructAction();
    return m_result;
}

QString BasicPointAddress::loopLabel(quint8 loop, int mode)
{
    if (mode == ConfiguredLoopFormat)
        mode = BucketMaster::instance()
                   ->getValue(GlobalConfigDetailsBucket, QLatin1String(BucketKeys::loopDspFmt))
                   .toInt();
    if (loop == 0)
        return QStringLiteral("!");
    const QString numbered = QStringLiteral("L%1").arg(loop, 2, 10, QLatin1Char('0'));
    switch (mode) {
    case 0:
        return loop <= 8 ? QString(QChar('A' + loop - 1)) : QStringLiteral("!");
    case 1:
        return loop <= 32 ? numbered : QStringLiteral("!");
    default:
        return numbered;
    }
}
