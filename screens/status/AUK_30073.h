#pragma once

#include "pointmodels/EventLogQueryModel.h"
#include "widgets/AUK_90001A.h"
#include "widgets/AUK_90056.h"

#include <QDateTime>
#include <QList>

#include <memory>

class AUK_90006;
class AUK_90011;
class DelaySignal;
class JumpToCard;
class RbusModel;
class SC_Timer;

// The event log as cards, newest first, one at a time with a counter of the
// position in the whole result. Only a window of three cards around the
// current one is loaded; every card move, typed card number and (after a
// quiet spell) new or accepted event loads it again. The whole result can be
// saved as a report. On the front-panel bus the cards come from the bus log.
class AUK_30073 final : public AUK_90001A
{
    Q_OBJECT

public:
    static constexpr quint8 AllPanels = 255;
    // The query the screen runs.
    enum Mode : quint16 { ByCategory = 0, ByDate = 1, ByStatus = 2 };

    // The events stamped from..to, both included.
    AUK_30073(const QString &title, const QDateTime &from, const QDateTime &to, QWidget *parent);
    // The events of the categories in the mask (bit n for category n) on
    // the panel (255 every panel).
    AUK_30073(const QString &title, quint16 categoryMask, bool unrestoredOnly, quint8 panel, QWidget *parent);
    // As above over every panel.
    AUK_30073(const QString &title, quint16 categoryMask, bool unrestoredOnly, QWidget *parent);
    ~AUK_30073() override;

    Mode mode() const { return m_mode; }
    quint16 categoryMask() const { return m_categoryMask; }
    bool unrestoredOnly() const { return m_unrestoredOnly; }
    quint8 panel() const { return m_panel; }
    const QDateTime &from() const { return m_from; }
    const QDateTime &to() const { return m_to; }
    // The current card in the whole result, from 0.
    int offset() const { return m_offset; }
    // The columns of the saved report, as roles, in order.
    static QList<int> reportRoles();

public slots:
    void showWaitPopupAndPrint();
    void print();
    void updateELPointCard(int from, int to);
    void updateELWithOffset(int value);
    void updateEventLogModel();
    void fillRbusModel();

private:
    AUK_30073(const QString &title, Mode mode, QWidget *parent);

    void buildForm(const QString &title);
    void connectSources();
    unsigned countEvents() const;
    // Rows of the result from the offset, at most a window's worth; a
    // negative offset loads them all.
    void loadEvents(EventLogQueryModel &model, int queryOffset) const;
    void showCounter();

    AUK_90006 *m_lozengeBar = nullptr;
    AUK_90011 *m_cards = nullptr;
    Mode m_mode;
    quint16 m_categoryMask = 0;
    QDateTime m_from;
    QDateTime m_to;
    AUK_90056 m_delegate;
    int m_offset = 0;
    EventLogQueryModel m_queryModel;
    RbusModel *m_rbusModel = nullptr;
    std::unique_ptr<JumpToCard> m_jumpToCard;
    DelaySignal *m_logUpdatedRelay;
    DelaySignal *m_eventAcceptedRelay;
    bool m_unrestoredOnly = false;
    quint8 m_panel = AllPanels;
    SC_Timer *m_printTimer;
};
