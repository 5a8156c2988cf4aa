#pragma once

#include "widgets/Flicker.h"

#include <QModelIndex>
#include <QRect>
#include <QSize>
#include <QWidget>

class AUK_90049;
class QAbstractItemDelegate;
class QLabel;
class QListView;
class SC_Timer;

// What the horizontal card views share: a row of large cards, one centred,
// with a "current/total" counter, a title, back and next arrows and edge
// shadows. The counter's numbers come from the view unless a screen that
// shows a window onto a longer list fixes them.
class CardViewIface : public QWidget
{
    Q_OBJECT

public:
    // Where a view places its children, as built.
    struct Layout
    {
        const char *objectName;
        QSize size;
        QRect list;
        QRect leftShadow;
        QRect rightShadow;
        QRect title;
        QRect counter;
    };

    ~CardViewIface() override;

    virtual QListView *listView() const = 0;
    virtual Flicker *flicker();
    virtual void setFixedCounter(bool fixed);
    // Card numbers count from 1.
    virtual void goToPosition(int position) = 0;

    void setTotalCount(int total);
    int totalCount() const;
    // The card a window-mode screen shows, counted from 0 in the full list.
    void setCurrentIndex(int index);
    int currentIndex() const;
    bool fixedCounter() const;
    // The row of the card in the middle of the list; -1 when there is none.
    int centreItemRow() const;

    static bool isRightToLeft();
    static void setRightToLeft(bool rightToLeft);

signals:
    void counterClicked();
    void horizontalScrollActive(int position);
    void nextButtonClicked();
    void backButtonClicked();

protected:
    CardViewIface(QWidget *parent, const Layout &layout);

    bool eventFilter(QObject *watched, QEvent *event) override;

    QModelIndex centreIndex() const;
    // The counter and the arrows for the centre card of itemCount cards.
    void refreshCounter(int itemCount);
    // A tap on a card shows the arrows that apply, or hides both.
    void toggleArrows();
    void placeArrows(const QRect &back, const QRect &next);

    QLabel *m_bg;
    QListView *m_list;
    QLabel *m_leftShadow;
    QLabel *m_rightShadow;
    QLabel *m_title;
    QLabel *m_counter;
    AUK_90049 *m_backButton;
    AUK_90049 *m_nextButton;

    Flicker m_flicker;
    QAbstractItemDelegate *m_delegate = nullptr;
    SC_Timer *m_settleTimer;
    int m_totalCount = 0;
    int m_currentIndex = 0;
    bool m_fixedCounter = false;

private:
    static bool s_rightToLeft;
};
