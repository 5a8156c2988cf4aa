#pragma once

#include "listscreens/AUK_90001B.h"

#include <QButtonGroup>
#include <QList>
#include <QPointer>

class FilterSelector;
class QStackedWidget;
class QVBoxLayout;
class SC_Timer;

namespace gui {

// A filtered list screen: a column of filter buttons, one per selector of
// the chain, the stacked editors, and the dark filter link joining the
// current button to its editor. A selector's choice resets the selectors
// after it (enabling only the next one) and, for a single choice, moves on
// to the next selector by itself.
class FilterSelectorsScreenTemplate : public AUK_90001B
{
    Q_OBJECT

public:
    explicit FilterSelectorsScreenTemplate(QWidget *parent = nullptr);
    ~FilterSelectorsScreenTemplate() override;

    // Adds the selector above `before`'s button and before it in the chain,
    // or at the end; the first selector starts checked with its editor on
    // show. Its activation then routes the scroll keys to it, and 1 ms after
    // the first selector (once the screen's constructor is done) the keys go
    // to the first selector.
    virtual void addFilterSelector(FilterSelector *selector, FilterSelector *before = nullptr);
    virtual QWidget *filterLink() const = 0;
    virtual QWidget *filterButtonsContainer() const = 0;
    virtual QStackedWidget *stackedWidget() const = 0;

    void buildFilterButtonsLayout();
    void alignFilterLink(QWidget *filterButton);
    void setFilterButtonVisible(FilterSelector *selector, bool visible);
    void setFilterButtonsDisabled(bool disabled);
    void setHideLozengeBarUntilComplete(bool hide) { m_hideLozengeBarUntilComplete = hide; }
    void setFilterLinkVisible(bool visible);

    const QList<FilterSelector *> &selectors() const { return m_selectors; }
    QButtonGroup *buttonGroup() { return &m_buttonGroup; }
    QObject *scrollTarget() const { return m_scrollTarget.data(); }

signals:
    void filterCurrentlyActive();

public slots:
    void resetDownstreamFilters(int count);
    void filterActivated();
    void activateNextFilter(int count);
    // Routes the lozenge bar's scroll keys to the selector's list.
    virtual void filterSelectorUpdated(QObject *selector);
    void initialiseSelector();

protected:
    QVBoxLayout *m_filterButtonsLayout = nullptr;
    QList<FilterSelector *> m_selectors;
    QButtonGroup m_buttonGroup;
    bool m_hideLozengeBarUntilComplete = true;
    bool m_filterLinkVisible = true;

private:
    void activateAsCurrent(FilterSelector *selector);

    QPointer<QObject> m_scrollTarget;
    SC_Timer *m_initialiseTimer;
};

} // namespace gui
