#include "paneldata/KeyOrderedDeviceUses.h"

#include "core/BucketKeys.h"
#include "core/BucketMaster.h"
#include "core/SC_SyncPageIDS.h"

namespace {

constexpr uint SingleUse = 1;
constexpr uint GroupHead = 2;
constexpr uint GroupMember = 3;

// The digits a key starts with; 0 when it starts with none.
quint16 leadingNumber(const QByteArray &key)
{
    uint number = 0;
    for (const char c : key) {
        if (c < '0' || c > '9')
            break;
        number = (number * 10 + uint(c - '0')) & 0xFFFF;
    }
    return quint16(number);
}

uint kindOf(const QString &value)
{
    return BucketValues::toCount(value.section(QLatin1Char(BucketKeys::separator), 0, 0));
}

} // namespace

void KeyOrderedDeviceUses::updateOrderedDeviceUses()
{
    m_uses.clear();
    QMapIterator<QByteArray, QByteArray> it = BucketMaster::instance()->bucketMap(SC_SyncPageIDS::eDeviceUsesTable);
    while (it.hasNext()) {
        it.next();
        m_uses.insert(leadingNumber(it.key()), QString::fromUtf8(it.value()));
    }
}

int KeyOrderedDeviceUses::useGroupSize(quint16 id) const
{
    const auto use = m_uses.constFind(id);
    if (use == m_uses.constEnd())
        return 0;
    const uint kind = kindOf(use.value());
    if (kind == SingleUse || kind == GroupMember)
        return 1;
    if (kind != GroupHead)
        return 0;
    int size = 1;
    for (auto next = std::next(use); next != m_uses.constEnd() && kindOf(next.value()) == GroupMember; ++next)
        ++size;
    return size;
}
