#include "reports/PrintableModel.h"

#include "widgets/RolesDelegate.h"

#include <algorithm>

namespace {

constexpr int OrderModulus = 17;

} // namespace

PrintableModel::PrintableModel(QSharedPointer<QAbstractItemModel> model, bool printTitleRow)
    : m_model(std::move(model))
    , m_printTitleRow(printTitleRow)
{
}

PrintableModel::~PrintableModel() = default;

QList<int> PrintableModel::roles() const
{
    if (!m_roles.isEmpty() || !m_model)
        return m_roles;
    return columnOrder(m_model->roleNames().keys());
}

void PrintableModel::setRoles(const QList<int> &roles)
{
    m_roles = roles;
}

void PrintableModel::setRoles(const QVector<int> &roles)
{
    m_roles.clear();
    for (int role : roles)
        m_roles.append(role);
}

void PrintableModel::setRoleTitle(int role, const QString &title)
{
    m_roleTitles.insert(role, title);
}

QString PrintableModel::roleTitle(int role) const
{
    const auto found = m_roleTitles.constFind(role);
    return found != m_roleTitles.constEnd() ? *found : RolesDelegate::roleTitle(role);
}

QList<int> PrintableModel::columnOrder(QList<int> roles)
{
    // Negative roles do not occur in a model; their remainder is made positive
    // all the same, so the order stays total.
    const auto remainder = [](int role) { return ((role % OrderModulus) + OrderModulus) % OrderModulus; };
    std::sort(roles.begin(), roles.end(), [&remainder](int a, int b) {
        const int ra = remainder(a);
        const int rb = remainder(b);
        return ra != rb ? ra < rb : a > b;
    });
    return roles;
}
