#pragma once

#include "app/DelaySignal.h"
#include "listscreens/EventsSummaryViewer.h"
#include "listscreens/FaultsViewer.h"
#include "screens/status/EventsSummaryCommon.h"
#include "screens/status/FaultsWindow.h"
#include "widgets/DisablementsListDelegate.h"
#include "widgets/FaultsListDelegate.h"

#include <QSharedPointer>

class DisablementsModel;
class FunctionStatusQueryModel;

// The events summary of one function of the panel network (sounders,
// protection, alarm or fault signalling, controls): every point of the
// function, the active ones, its faults in the event log and its disabled
// points, each behind a counter button, with the keys that act on the card
// in the middle of the list; controls on panels of the first template may
// also be forced and unforced from here.
class EventsSummaryByFunction : public EventsSummaryCommon
{
    Q_OBJECT

public:
    EventsSummaryByFunction(int accessLevel, int userLevel, int functionMask, int headerId, const QString &counterTitle,
                            QWidget *parent);
    ~EventsSummaryByFunction() override;

    EventsSummaryViewer &allViewer() { return m_allViewer; }
    EventsSummaryViewer &activeListViewer() { return m_activeListViewer; }
    FaultsViewer &faultsViewer() { return m_faultsViewer; }
    EventsSummaryViewer &isolatedViewer() { return m_isolatedViewer; }
    DisablementsModel *allModel() const { return m_allModel.data(); }
    DisablementsModel *activeModel() const { return m_activeModel.data(); }
    FunctionStatusQueryModel *faultsModel() const { return m_faultsModel.data(); }
    DisablementsModel *isolatesModel() const { return m_isolatesModel.data(); }
    int faultsOffset() const { return m_faultsWindow.offset(); }
    // The task mode whose disabled points the isolated list shows.
    int isolatesTaskMode() const;

public slots:
    void buildModels();
    void allClicked();
    void activeClicked();
    void faultsClicked();
    void isolatesClicked();
    void disableAll();
    void disableActive();
    void disableFaults();
    void enableIsolates();
    void updateFaults();
    void sendForceActionCommand();
    int updateForceStatus();
    void print() override;
    void saveEventLog() override;
    void updateFaultPointCard(int from, int to);
    void updateFaultsWithOffset(int offset);
    void setLeftButtonVisibility();
    void checkAndUpdateFlavor() override;

protected:
    void prepareFaultsQuery() override;

private:
    void resetLozengeKeys();
    void selectList(void (EventsSummaryByFunction::*leftSlot)());
    // The kind of the selection popup by list (0 all, 1 active, 2 faults,
    // 3 isolated) for this summary's function.
    int selectionKind(int list) const;
    void disableFrom(StatusViewer *viewer, int list, int count, int level);
    QAbstractItemModel *listModel(const StatusViewer *viewer) const;

    EventsSummaryViewer m_allViewer;
    EventsSummaryViewer m_activeListViewer;
    FaultsViewer m_faultsViewer;
    EventsSummaryViewer m_isolatedViewer;
    FaultsListDelegate m_faultsDelegate;
    DisablementsListDelegate m_pointsDelegate;
    QSharedPointer<DisablementsModel> m_allModel;
    QSharedPointer<DisablementsModel> m_activeModel;
    QSharedPointer<FunctionStatusQueryModel> m_faultsModel;
    QSharedPointer<DisablementsModel> m_isolatesModel;
    DelaySignal m_faultsUpdateDelay;
    DelaySignal m_acceptedDelay;
    FaultsWindow m_faultsWindow;
};
