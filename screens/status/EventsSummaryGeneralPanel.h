#pragma once

#include "app/DelaySignal.h"
#include "link/SC_PointsIndividual.h"
#include "listscreens/DisablementsViewer.h"
#include "listscreens/FaultsViewer.h"
#include "listscreens/FireWarningsViewer.h"
#include "listscreens/TestSummaryViewer.h"
#include "pointmodels/EventLogQueryModel.h"
#include "pointmodels/WTZonePointSortProxyModel.h"
#include "screens/status/EventsSummaryCommon.h"
#include "screens/status/FaultsWindow.h"
#include "screens/status/RbusModel.h"
#include "widgets/DisablementsAndStatusListDelegate.h"
#include "widgets/DisablementsListDelegate.h"
#include "widgets/DisablementsZonesListDelegate.h"
#include "widgets/FaultsListDelegate.h"

#include <QHash>
#include <QSharedPointer>

#include <optional>

class DisablementsAndStatusModel;
class SaveReport;
class WalkTestPointsModel;
class WalkTestSummaryModel;
class WarningsModel;

// The events summary of the whole panel network: fire warnings, faults,
// disablements and walk tests, each behind a counter button, with the keys
// that act on the card in the middle of the list (disable, enable, accept,
// stop a walk test) and a right key that prints the list on the panel's
// printer or saves it. On the bus repeaters it lists the bus log instead
// and has no walk-test list.
class EventsSummaryGeneralPanel : public EventsSummaryCommon
{
    Q_OBJECT

public:
    EventsSummaryGeneralPanel(int accessLevel, int userLevel, int headerId, const QString &counterTitle, quint8 panel,
                              QWidget *parent);
    ~EventsSummaryGeneralPanel() override;

    FireWarningsViewer &warningsViewer() { return m_warningsViewer; }
    FaultsViewer &faultsViewer() { return m_faultsViewer; }
    DisablementsViewer &disablementsViewer() { return m_disablementsViewer; }
    TestSummaryViewer &testsViewer() { return m_testsViewer; }
    WarningsModel *warningsModel() const { return m_warningsModel.data(); }
    EventLogQueryModel &faultsModel() { return m_faultsModel; }
    DisablementsAndStatusModel *disablementsModel() const { return m_disablementsModel.data(); }
    WalkTestPointsModel *testPointsModel() const { return m_testPointsModel.data(); }
    WalkTestSummaryModel *testSummaryModel() const { return m_testSummaryModel.data(); }
    RbusModel &busWarnings() { return m_busWarnings; }
    RbusModel &busFaults() { return m_busFaults; }
    RbusModel &busDisablements() { return m_busDisablements; }
    int faultsOffset() const { return m_faultsWindow.offset(); }
    bool summaryMode() const { return m_summaryMode; }
    bool enableNeedsWork() const { return m_enableNeedsWork; }
    // The lists of the enable requests, one per panel; the screen owns them.
    const QHash<quint8, SC_PointsIndividual> &enableLists() const { return m_enableLists; }
    void setEnableIndex(const QModelIndex &index) { m_enableIndex = index; }

signals:
    void PointsDisablementDone();
    // After every reload of the disabled points: an enable waiting on the
    // list can go on.
    void disablementsRefreshed();

public slots:
    void getPanelStatusWarningCount();
    void getPanelStatusCounts();
    void fireWarningsActivated();
    void faultsActivated();
    void disablementsActivated();
    void testsActivated();
    void disableFireWarnings();
    void disableFaults();
    void enableDisablements();
    void stopWalkTest();
    void warningFilterChanged();
    void testsFilterChanged();
    void updateFireWarnings();
    void updateFaults();
    void updateAllEventLogModels();
    void updateDisablementsPoints();
    void updateDisablementsZones();
    void setDisablementsFilter();
    void updateTestSummary();
    void updateTestPoints();
    void print() override;
    void saveEventLog() override;
    void updateFaultPointCard(int from, int to);
    void updateFaultsWithOffset(int offset);
    void setLeftButtonVisibility();
    void fillRbusModel();
    void toggleSummaryUntestedFailed();
    void testViewerChanged();
    void confirm40064();
    void cancel40064();
    void checkAndUpdateFlavor() override;

private:
    bool isRepeater() const;
    // The list shown and the keys every list switch sets alike.
    void beginListSwitch();
    void rerunWarnings();
    void stopPreviousRefreshTimer();
    // The panel of a walk-test row or card; none for no row.
    static std::optional<quint8> testNodeOf(const QModelIndex &walkTest);
    // The panel of the walk test chosen in the list in view, if any.
    std::optional<quint8> selectedTest() const;
    quint8 selectedTestNode() const;
    quint8 centreTestNode() const;
    void refreshTestsView();
    void reloadTestPoints();
    void emptyTestPoints();
    void updateStopWalkTestButton(quint8 node);
    void showStopKey(bool shown);
    void printTests();
    void addWalkTestSections(SaveReport *report, int row);

    bool m_enableNeedsWork = false;
    QHash<quint8, SC_PointsIndividual> m_enableLists;
    FireWarningsViewer m_warningsViewer;
    FaultsViewer m_faultsViewer;
    DisablementsViewer m_disablementsViewer;
    TestSummaryViewer m_testsViewer;
    QPersistentModelIndex m_enableIndex;
    FaultsListDelegate m_warningsDelegate;
    FaultsListDelegate m_faultsDelegate;
    DisablementsAndStatusListDelegate m_disabledPointsDelegate;
    DisablementsZonesListDelegate m_disabledZonesDelegate;
    DisablementsListDelegate m_testPointsDelegate;
    quint8 m_panel;
    QSharedPointer<WarningsModel> m_warningsModel;
    EventLogQueryModel m_faultsModel;
    QSharedPointer<DisablementsAndStatusModel> m_disablementsModel;
    QSharedPointer<WalkTestPointsModel> m_testPointsModel;
    WTZonePointSortProxyModel m_testSortProxy;
    QSharedPointer<WalkTestSummaryModel> m_testSummaryModel;
    RbusModel m_busWarnings;
    RbusModel m_busFaults;
    RbusModel m_busDisablements;
    DelaySignal m_warningsDelay;
    DelaySignal m_faultsDelay;
    DelaySignal m_acceptedDelay;
    DelaySignal m_disabledPointsDelay;
    DelaySignal m_disabledZonesDelay;
    DelaySignal m_testPointsDelay;
    int m_userLevelCopy;
    FaultsWindow m_faultsWindow;
    bool m_summaryMode = true;
    int m_selectedTestRow = 0;
};
