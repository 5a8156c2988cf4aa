#include "paneldata/DeviceTypeAttributeRecord.h"

QHash<quint8, DeviceTypeAttributeRecord> &deviceTypeAttributes()
{
    static QHash<quint8, DeviceTypeAttributeRecord> attributes;
    return attributes;
}
