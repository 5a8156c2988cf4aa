#pragma once

#include "listscreens/FilterSelector.h"

#include <QList>
#include <QPointer>

class QStackedWidget;

// One place of a screen's chain holding several selectors of which one is
// shown at a time: its button and editor stand where the shown selector's
// button and editor would. The shown one is the one activated; a reset
// reaches them all.
class StackedSelector final : public FilterSelector
{
    Q_OBJECT

public:
    StackedSelector(QButtonGroup *group, QObject *parent);
    ~StackedSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    void addSelector(FilterSelector *selector);
    // Shows a selector added before; any other is ignored.
    void setCurrentSelector(FilterSelector *selector);
    FilterSelector *currentSelector() const { return m_current; }

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;

private:
    void show(FilterSelector *selector);

    FilterSelector *m_current = nullptr;
    QPointer<QStackedWidget> m_buttons;
    QPointer<QStackedWidget> m_editors;
    QList<FilterSelector *> m_selectors;
};
