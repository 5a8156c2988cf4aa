#include "listscreens/BasicFilterSelector.h"

#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QItemSelectionModel>
#include <QListView>

BasicFilterSelector::BasicFilterSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, false)
    , m_filterModel(model)
{
    m_button = makeFilterButton(QString());
    connect(m_button.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
    m_usesScrollButtons = true;
}

BasicFilterSelector::~BasicFilterSelector()
{
    delete m_button.data();
}

QWidget *BasicFilterSelector::button()
{
    return m_button.data();
}

void BasicFilterSelector::autoSelectSingleItem()
{
    if (!m_filterEditor)
        return;
    QListView *list = m_filterEditor->listView();
    if (!list->model() || list->model()->rowCount() != 1 || !list->selectionModel())
        return;
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    itemClicked(QModelIndex());
}

void BasicFilterSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    clearEditorSelection();
}

void BasicFilterSelector::activate()
{
    activateButton(m_button.data());
}

void BasicFilterSelector::deactivate()
{
    deactivateButton(m_button.data());
}
