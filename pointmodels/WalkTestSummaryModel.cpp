#include "pointmodels/WalkTestSummaryModel.h"

#include "core/TeskGlobalConfig.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/model.h"

#include <QCoreApplication>

namespace {

const QString Unknown = QStringLiteral("-");
constexpr int HighestZone = 240;
constexpr int AllOutputsStatus = 1;
constexpr int DeviceModelStatus = 3;
constexpr int LastWalkTestStatus = 5;
// A walk test of all outputs names its location once the controller has
// got that far.
constexpr int LocationKnownExtraValue = 2;

// Index 1 (a test of one group bit that no list shows) is "-".
const char *const OneZoneModes[] = {
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_NO_ACTIVE_WALKTEST_INFOTEXT"),
    nullptr,
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ZONE_NON_ALARM_INPUT_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ZONE_ALARM_CONTACT_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ZONE_ALARM_CALLPOINT_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ZONE_ALARM_DETECTOR_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ZONE_ALARM_INPUTS_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ZONE_INPUTS_INFOTEXT"),
};

const char *const ZoneListModes[] = {
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_NO_ACTIVE_WALKTEST_INFOTEXT"),
    nullptr,
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_NON_ALARM_INPUT_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ALARM_CONTACT_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ALARM_CALLPOINT_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ALARM_DETECTOR_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_ALARM_INPUTS_INFOTEXT"),
    QT_TRANSLATE_NOOP("WalkTestSummaryModel", "_INPUTS_INFOTEXT"),
};

// A group mask of one kind of input names that kind; a mix names all alarm
// inputs, or all inputs when non-alarm inputs are among them.
int modeIndex(quint8 groupMask)
{
    switch (groupMask) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 4:
        return 3;
    case 8:
        return 4;
    case 16:
        return 5;
    default:
        return (groupMask & 2) ? 7 : 6;
    }
}

QString count(quint16 value)
{
    return QStringLiteral("%1").arg(value, 5, 10, QLatin1Char('0'));
}

} // namespace

WalkTestSummaryModel::WalkTestSummaryModel(QObject *parent)
    : QStandardItemModel(parent)
{
    QHash<int, QByteArray> names;
    for (int role = PanelRole; role <= CurrentlyActiveRole; ++role)
        names.insert(role, QByteArray());
    setItemRoleNames(names);
}

void WalkTestSummaryModel::fillPanels(bool showAll)
{
    clear();
    const QList<model::PanelEntry> panels = model::instance()->panelList();
    const quint8 selected = WalkTestHandler::instance()->getCurrentNode();
    const auto excluded = [](const model::PanelEntry &entry) { return entry.second != 0; };
    for (const model::PanelEntry &entry : panels) {
        if (entry.first == selected && !excluded(entry)) {
            addSummaryRow(selected, showAll);
            break;
        }
    }
    for (const model::PanelEntry &entry : panels) {
        if (entry.first != selected && !excluded(entry))
            addSummaryRow(entry.first, showAll);
    }
}

void WalkTestSummaryModel::addSummaryRow(quint8 node, bool showAll)
{
    const WalkTestHandler *handler = WalkTestHandler::instance();
    const WalkTestSummary &summary = handler->summary(node);
    if (!showAll && !summary.isActive())
        return;
    auto *row = new QStandardItem;
    row->setData(modeText(node, false), ModeRole);
    row->setData(summary.previousStatus() > LastWalkTestStatus ? Unknown : modeText(node, true), PreviousModeRole);
    row->setData(node, NodeRole);
    row->setData(summary.isActive(), ActiveRole);
    row->setData(handler->startTime(node), StartTimeRole);
    row->setData(handler->lastChangeTime(node), LastUpdatedRole);
    row->setData(node == 0 ? Unknown
                           : QCoreApplication::translate("TESKDelegateRoles", "_PANEL_SYSSTATUSTITLE")
                                 + QLatin1Char(' ') + QString::number(node),
                 PanelRole);
    setProgress(row, node, summary);
    appendRow(row);
}

void WalkTestSummaryModel::setProgress(QStandardItem *row, quint8 node, const WalkTestSummary &summary) const
{
    QString location = Unknown;
    QVector<QString> counts(CurrentlyActiveRole - DevicesInTestRole + 1, Unknown);
    const int relevantStatus = summary.isActive() ? summary.getStatus() : summary.previousStatus();
    const bool none = relevantStatus > LastWalkTestStatus || summary.getStatus() > LastWalkTestStatus;
    if (!none && relevantStatus == AllOutputsStatus) {
        if (summary.extraValue() >= LocationKnownExtraValue)
            location = locationText(node, summary.zoneSelector());
    } else if (!none) {
        location = locationText(node, summary.zoneSelector());
        counts = {count(summary.counter1()), count(summary.zoneCount()), count(summary.counter2()),
                  count(summary.counter3()), count(summary.counter4()),  count(summary.counter5()),
                  count(summary.counter6())};
    }
    row->setData(location, LocationRole);
    for (int i = 0; i < counts.size(); ++i)
        row->setData(counts.at(i), DevicesInTestRole + i);
}

QString WalkTestSummaryModel::modeText(quint8 node, bool previous) const
{
    const WalkTestSummary &summary = WalkTestHandler::instance()->summary(node);
    const int status = previous ? summary.previousStatus() : summary.getStatus();
    const quint8 zoneSelector = previous ? summary.previousZoneSelector() : summary.zoneSelector();
    const quint8 groupMask = previous ? summary.previousGroupMask() : summary.groupMask();
    if (groupMask == 0)
        return tr("_NO_ACTIVE_WALKTEST_INFOTEXT");
    if (status == AllOutputsStatus)
        return tr("_ALL_OUTPUTS_INFOTEXT");
    if (status == DeviceModelStatus)
        return tr("_DEVICE_MODEL_WALKTEST_INFOTEXT");
    if (zoneSelector == WalkTestSummary::NoZones)
        return Unknown;
    const char *const *table = nullptr;
    if (zoneSelector <= HighestZone)
        table = OneZoneModes;
    else if (zoneSelector == WalkTestSummary::ListedZones)
        table = ZoneListModes;
    else
        return QString();
    const char *key = table[modeIndex(groupMask)];
    return key ? QCoreApplication::translate("WalkTestSummaryModel", key) : Unknown;
}

QString WalkTestSummaryModel::locationText(quint8 node, quint8 zoneSelector) const
{
    if (zoneSelector > HighestZone)
        return zoneSelector == WalkTestSummary::ListedZones ? tr("_MULTI_ZONE_INFOTEXT") : Unknown;
    const QString zone =
        TeskGlobalConfig::instance()->getLogicalZones()
            ? QLatin1Char('0') + QString::number(model::instance()->logicalZoneNumber(node, zoneSelector))
            : QString::number(zoneSelector);
    return tr("_ZONE_SUMMARYINFO") + QLatin1Char(' ') + zone;
}
