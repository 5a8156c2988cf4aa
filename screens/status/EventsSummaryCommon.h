#pragma once

#include "core/FaultsLevel.h"
#include "screens/status/AUK_10014.h"

#include <QPersistentModelIndex>

class AUK_90022;
class JumpToCard;
class QAbstractItemModel;
class SC_Timer;

// The base of the events summaries: the viewer the screen acts on with a
// jump-to-card helper on its card list, the disable request built from a
// faults row (one point, or every point behind the faults list), and the
// header-colour contract each summary fills in.
class EventsSummaryCommon : public AUK_10014
{
    Q_OBJECT

public:
    // Function bits of the summaries; 0 for those of every function.
    enum FunctionMask : int {
        AllFunctions = 0,
        Sounders = 8,
        Protection = 16,
        AlarmSignalling = 128,
        FaultSignalling = 256,
        Controls = 512,
    };

    EventsSummaryCommon(bool trackViewerOnActivate, int accessLevel, int userLevel, int functionMask, QWidget *parent,
                        bool counterTitleBox);
    ~EventsSummaryCommon() override;

    void setCurrentViewer(StatusViewer *viewer);
    StatusViewer *currentViewer() const { return m_activeViewer; }
    JumpToCard *jumpToCard() const { return m_jumpToCard; }
    int functionMask() const { return m_functionMask; }
    bool isSummaryPage() const override { return true; }
    // Whether the list in view holds conditions: with panel activity it
    // turns the header yellow.
    bool hasActiveConditions() const { return m_yellowOnPanelActivity; }

    // The card in the middle of a viewer's list; invalid when there is none.
    static QModelIndex centreCard(const StatusViewer *viewer);
    static AUK_90022 *cardViewOf(const StatusViewer *viewer);

public slots:
    void viewActivated() override;
    virtual void checkAndUpdateFlavor() = 0;
    void buildAndSendIndividualDisablePoints(const QPersistentModelIndex &index, TC::eFaultsLevel faultsLevel,
                                             bool single);
    // Accepts the fault on the card in the middle of the list in view.
    void sendAcceptEvent();
    // Saves the faults list, every fault of the level chosen.
    virtual void saveEventLog() = 0;

protected:
    // Makes the function's points ready for the faults queries to be
    // limited to; nothing to do for a summary of every function.
    virtual void prepareFaultsQuery() { }
    // The wait popup of a kind; kinds 7 and 8 answer an accept, 12 a save.
    void showWaitPopup(int kind);
    // The selection popup that disables or enables from a card. With a
    // count it hands the choice back and the faults behind the list are
    // disabled here; without one it acts by itself.
    void showDisableSelection(int kind, const QModelIndex &card, bool flag, int count, int level);
    void setActiveConditions(bool active);
    // A card of a loop point (channel kind 12).
    static bool isLoopPoint(const QModelIndex &card);
    // A loop card whose loop the panel has shut down; other cards are not.
    static bool isOnShutDownLoop(const QModelIndex &card);
    // Puts up the wait popup and saves the faults list right after, once
    // the popup is drawn.
    void saveEventLogLater();
    // Saves every fault of the level (of this summary's function only) as
    // an events report.
    void saveFaultsReport(int faultsLevel);
    // Saves a list as a report with the columns of the kind.
    void saveListReport(const QSharedPointer<QAbstractItemModel> &model, int kind, bool defaultRoles);

    JumpToCard *m_jumpToCard = nullptr;
    bool m_trackViewerOnActivate;
    int m_functionMask;
    StatusViewer *m_activeViewer = nullptr;

private:
    SC_Timer *m_saveTimer;
};
