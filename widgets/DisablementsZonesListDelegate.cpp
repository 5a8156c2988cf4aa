#include "widgets/DisablementsZonesListDelegate.h"

namespace {

const QVector<int> kRoles = {33, 58};

} // namespace

DisablementsZonesListDelegate::DisablementsZonesListDelegate(QObject *parent)
    : EventListDelegate(&kRoles, parent, false, false, false)
{
}
