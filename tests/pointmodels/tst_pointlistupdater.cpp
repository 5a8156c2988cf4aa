#include "PointListModel.h"
#include "ScriptedSite.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PointCoreConfiguration.h"
#include "pointmodels/ModelFacade.h"
#include "pointmodels/PointListUpdater.h"
#include "pointmodels/ZoneCfgFilter.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using Filter = QSharedPointer<SimplePointFilter>;
using ScriptedSite::addPoint;
using ScriptedSite::loop;
using ScriptedSite::record;

namespace {

constexpr int NameRole = 100;
constexpr int AlarmRole = 101;
constexpr quint8 AllPanels = 255;

// What the rows show beyond the configuration: a name and an alarm status
// per "panel/loop/point", changed by the test as the engine's stores would be.
struct PointFacts
{
    QHash<QString, QString> names;
    QSet<QString> inAlarm;

    static QString key(int panel, quint8 loopNumber, quint8 point)
    {
        return QStringLiteral("%1/%2/%3").arg(panel).arg(loopNumber).arg(point);
    }
    bool alarm(int panel, const ChannelAddress &channel, quint8 point) const
    {
        return inAlarm.contains(key(panel, channel.address(), point));
    }
};

PointFacts facts;

// A status list's filter: only points in alarm.
class InAlarmFilter final : public SimplePointFilter
{
public:
    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override
    {
        return facts.alarm(panel, *channel, record->pointNumber);
    }
};

Filter chainOf(const QString &kind)
{
    if (kind == QLatin1String("alarm"))
        return Filter(new InAlarmFilter);
    return Filter(new ZoneCfgFilter({}));
}

void describe(QStandardItem *row, int panel, const ChannelAddress &channel, const PointAddressKey &record)
{
    row->setData(facts.names.value(PointFacts::key(panel, channel.address(), record.pointNumber)), NameRole);
    row->setData(facts.alarm(panel, channel, record.pointNumber), AlarmRole);
}

// Every row with all it shows, in row order.
QStringList rowsOf(const PointListModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QStandardItem *item = model.item(row);
        rows << QStringList({item->text(), item->data(PointListModel::ZoneRole).toString(),
                             item->data(NameRole).toString(), item->data(AlarmRole).toString()})
                    .join(QLatin1Char(' '));
    }
    return rows;
}

QStringList rebuiltRows(const QString &kind, TC::panel_t panel)
{
    PointListModel model;
    model.describe = describe;
    ModelFacade facade(&model, chainOf(kind), panel);
    facade.run();
    return rowsOf(model);
}

// Panels 1, 2 and 50: loop 4 of panel 2 arrives first but empty, then
// loops 2 and 1 with points; panel 50 also has points on an output channel.
void scriptSite()
{
    ScriptedSite::reset();
    TeskGlobalConfig::instance()->setPanelNumber(3);
    facts = {};
    PointCoreConfiguration::instance()->addChannel(2, loop(4), 4);
    for (const quint8 panel : {1, 2, 50}) {
        for (const quint8 point : {5, 1, 9})
            addPoint(panel, loop(2), record(point, point));
        for (const quint8 point : {2, 7, 3, 8})
            addPoint(panel, loop(1), record(point, 10 + point));
        facts.names.insert(PointFacts::key(panel, 1, 7), QStringLiteral("Stairs"));
        facts.inAlarm << PointFacts::key(panel, 2, 1) << PointFacts::key(panel, 1, 7);
    }
    addPoint(50, ChannelAddress(5, 0, 1), record(4, 3));
}

enum class Change {
    Add,
    AddOnEarlierEmptyChannel,
    AddOnNewChannel,
    SendAgain,
    SendChangedRecord,
    Rename,
    AlarmOn,
    AlarmOff,
};

void apply(Change change, quint8 panel, quint8 loopNumber, quint8 point)
{
    switch (change) {
    case Change::Add:
    case Change::AddOnEarlierEmptyChannel:
    case Change::AddOnNewChannel:
    case Change::SendAgain:
        addPoint(panel, loop(loopNumber), record(point, loopNumber == 2 ? point : quint8(10 + point)));
        break;
    case Change::SendChangedRecord:
        addPoint(panel, loop(loopNumber), record(point, 99));
        break;
    case Change::Rename:
        facts.names.insert(PointFacts::key(panel, loopNumber, point), QStringLiteral("Kitchen"));
        break;
    case Change::AlarmOn:
        facts.inAlarm << PointFacts::key(panel, loopNumber, point);
        break;
    case Change::AlarmOff:
        facts.inAlarm.remove(PointFacts::key(panel, loopNumber, point));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestPointListUpdater final : public QObject
{
    Q_OBJECT

private slots:
    void oneChange_givesTheRowsOfARebuild_data();
    void oneChange_givesTheRowsOfARebuild();
    void changesOnSeveralPanels_inTurn();
    void pointOutsideTheList_changesNothing();
};

void TestPointListUpdater::oneChange_givesTheRowsOfARebuild_data()
{
    QTest::addColumn<QString>("chain");
    QTest::addColumn<quint8>("listPanel");
    QTest::addColumn<Change>("change");
    QTest::addColumn<quint8>("panel");
    QTest::addColumn<quint8>("loopNumber");
    QTest::addColumn<quint8>("point");
    // Whether rows may come or go; otherwise rows only change in place.
    QTest::addColumn<bool>("structural");

    const struct
    {
        const char *name;
        Change change;
        quint8 loopNumber;
        quint8 point;
        bool structural;
    } changes[] = {
        {"add to the end of a loop", Change::Add, 1, 6, true},
        {"add on a channel that arrived first, empty", Change::AddOnEarlierEmptyChannel, 4, 1, true},
        {"add on a channel not seen before", Change::AddOnNewChannel, 3, 1, true},
        {"point sent again moves to the end", Change::SendAgain, 1, 7, true},
        {"first point sent again", Change::SendAgain, 2, 5, true},
        {"last point sent again", Change::SendAgain, 1, 8, false},
        {"changed record beside the old one", Change::SendChangedRecord, 2, 1, true},
        {"rename", Change::Rename, 1, 3, false},
        {"rename of a named point", Change::Rename, 1, 7, false},
        {"alarm on", Change::AlarmOn, 1, 3, false},
        {"alarm off", Change::AlarmOff, 1, 7, false},
    };
    for (const quint8 changedPanel : {1, 2, 50}) {
        for (const auto &change : changes) {
            for (const QString &chain : {QStringLiteral("every"), QStringLiteral("alarm")}) {
                // In the alarm list an alarm change adds or removes a row.
                const bool alarmChange = change.change == Change::AlarmOn || change.change == Change::AlarmOff;
                const bool structural = change.structural || (chain == QLatin1String("alarm") && alarmChange);
                for (const quint8 listPanel : {quint8(2), AllPanels}) {
                    QTest::addRow("%s, panel %d, %s list of %d", change.name, changedPanel, qPrintable(chain),
                                  listPanel)
                        << chain << listPanel << change.change << changedPanel << change.loopNumber << change.point
                        << (structural && (listPanel == AllPanels || listPanel == changedPanel));
                }
            }
        }
    }
}

void TestPointListUpdater::oneChange_givesTheRowsOfARebuild()
{
    QFETCH(QString, chain);
    QFETCH(quint8, listPanel);
    QFETCH(Change, change);
    QFETCH(quint8, panel);
    QFETCH(quint8, loopNumber);
    QFETCH(quint8, point);
    QFETCH(bool, structural);
    scriptSite();
    PointListModel model;
    model.describe = describe;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    PointListUpdater updater(&model, chainOf(chain), listPanel);
    updater.rebuild();
    QCOMPARE(rowsOf(model), rebuiltRows(chain, listPanel));
    const QStringList before = rowsOf(model);

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    apply(change, panel, loopNumber, point);
    updater.pointChanged(panel, loop(loopNumber), point);

    const QStringList expected = rebuiltRows(chain, listPanel);
    QCOMPARE(rowsOf(model), expected);
    QCOMPARE(reset.size(), 0);
    if (!structural) {
        QCOMPARE(inserted.size() + removed.size(), 0);
    }
    if (listPanel != AllPanels && listPanel != panel)
        QCOMPARE(rowsOf(model), before);
}

void TestPointListUpdater::changesOnSeveralPanels_inTurn()
{
    scriptSite();
    PointListModel model;
    model.describe = describe;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    PointListUpdater updater(&model, chainOf(QStringLiteral("alarm")), AllPanels);
    updater.rebuild();
    const struct
    {
        Change change;
        quint8 panel;
        quint8 loopNumber;
        quint8 point;
    } steps[] = {
        {Change::AlarmOn, 50, 1, 3},        {Change::SendAgain, 1, 1, 7}, {Change::AlarmOff, 2, 2, 1},
        {Change::AddOnNewChannel, 2, 3, 1}, {Change::AlarmOn, 2, 3, 1},   {Change::AlarmOff, 50, 1, 7},
        {Change::AlarmOff, 50, 1, 3},       {Change::AlarmOff, 1, 1, 7},  {Change::AlarmOff, 1, 2, 1},
        {Change::AlarmOn, 1, 1, 8},
    };
    for (const auto &step : steps) {
        apply(step.change, step.panel, step.loopNumber, step.point);
        updater.pointChanged(step.panel, loop(step.loopNumber), step.point);
        QCOMPARE(rowsOf(model), rebuiltRows(QStringLiteral("alarm"), AllPanels));
    }
    QCOMPARE(model.rowCount(), 4);
}

void TestPointListUpdater::pointOutsideTheList_changesNothing()
{
    scriptSite();
    PointListModel model;
    PointListUpdater updater(&model, chainOf(QStringLiteral("every")), AllPanels);
    // Before the first build nothing is patched in.
    addPoint(2, loop(1), record(6));
    updater.pointChanged(2, loop(1), 6);
    QCOMPARE(model.rowCount(), 0);
    updater.rebuild();
    const QStringList built = rowsOf(model);
    // A channel the panel does not have, and a panel without a table.
    updater.pointChanged(2, loop(9), 1);
    updater.pointChanged(150, loop(1), 1);
    QCOMPARE(rowsOf(model), built);
}

QTEST_MAIN(TestPointListUpdater)
#include "tst_pointlistupdater.moc"
