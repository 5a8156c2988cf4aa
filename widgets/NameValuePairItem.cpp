#include "widgets/NameValuePairItem.h"

namespace {

constexpr int ValueRole = 55;

} // namespace

NameValuePairItem::NameValuePairItem(const QString &name, const QString &value)
    : m_name(name)
    , m_value(value)
{
}

QVariant NameValuePairItem::data(int role) const
{
    if (role == Qt::DisplayRole)
        return m_name;
    if (role == ValueRole)
        return m_value;
    return QVariant();
}
