#include "widgets/FaultsListDelegate.h"

namespace {

const QVector<int> kRoles = {56, 58, 62, 59, 60, 63, 73, 64};

} // namespace

FaultsListDelegate::FaultsListDelegate(bool hideInformation, bool rbusMode, QObject *parent)
    : EventListDelegate(&kRoles, parent, hideInformation, rbusMode, false)
{
}
