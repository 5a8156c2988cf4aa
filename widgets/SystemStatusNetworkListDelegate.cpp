#include "widgets/SystemStatusNetworkListDelegate.h"

#include <QCoreApplication>

namespace {

const QVector<int> kPanelDiagnostics = {0, 175, 62, 148, 149, 150, 151, 152, 153, 154};
const QVector<int> kRegionDiagnostics = {0, 59, 62};
const QVector<int> kPanelStatus = {56, 0, 59, 175, 62, 63, 73, 64};
const QVector<int> kRegionStatus = {56, 0, 59, 62, 63, 73, 64};

const QVector<int> *rolesFor(int kind, bool diagnostics)
{
    if (kind == SystemStatusNetworkListDelegate::Panel)
        return diagnostics ? &kPanelDiagnostics : &kPanelStatus;
    return diagnostics ? &kRegionDiagnostics : &kRegionStatus;
}

} // namespace

SystemStatusNetworkListDelegate::SystemStatusNetworkListDelegate(int kind, bool diagnostics, bool hideInformation,
                                                                 bool rbusMode, QObject *parent)
    : EventListDelegate(rolesFor(kind, diagnostics), parent, hideInformation, rbusMode, false)
    , m_kindTitle(kind == Panel ? QCoreApplication::translate("SystemStatusNetworkListDelegate", "_PANEL_STATUSTITLE")
                                : QCoreApplication::translate("SystemStatusNetworkListDelegate", "_REGION_STATUSTITLE"))
    , m_diagnostics(diagnostics)
    , m_kind(kind)
{
    if (m_kind == Region)
        m_lineCount = m_diagnostics ? 3 : 6;
    else if (m_kind == Panel && m_diagnostics)
        m_lineCount = 9;
    buildRoleColumns();
}

QVector<QString> SystemStatusNetworkListDelegate::columnTitles() const
{
    QVector<QString> titles = EventListDelegate::columnTitles();
    const int nameRow = m_diagnostics ? 0 : 1;
    if (nameRow < titles.size())
        titles[nameRow] = m_kindTitle;
    return titles;
}
