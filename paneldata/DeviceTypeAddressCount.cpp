#include "paneldata/DeviceTypeAddressCount.h"

#include "core/BucketMaster.h"
#include "core/SC_SyncPageIDS.h"

#include <QStringList>

#include <limits>

namespace {

// The field of a device type attributes key that counts its addresses.
constexpr int AddressCountField = 3;

} // namespace

int deviceTypeAddressCount(quint8 deviceType)
{
    const QStringList keys = BucketMaster::instance()->GetBucketKeyListWithPrefix(
        SC_SyncPageIDS::eDeviceTypeAttributes, QString(), QStringLiteral("^%1|*").arg(deviceType));
    if (keys.isEmpty())
        return 0;
    const QStringList fields = keys.first().split(QLatin1Char('|'));
    if (fields.size() <= AddressCountField)
        return 0;
    bool ok = false;
    const uint count = fields.at(AddressCountField).toUInt(&ok);
    return ok && count <= uint(std::numeric_limits<int>::max()) ? int(count) : 0;
}
