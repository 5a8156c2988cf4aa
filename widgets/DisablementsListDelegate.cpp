#include "widgets/DisablementsListDelegate.h"

namespace {

const QVector<int> kRoles = {58, 62, 59, 60};

} // namespace

DisablementsListDelegate::DisablementsListDelegate(QObject *parent)
    : EventListDelegate(&kRoles, parent, false, false, false)
{
}
