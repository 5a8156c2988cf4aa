#pragma once

#include "FakeClock.h"
#include "app/PageStack.h"
#include "listscreens/AUK_10017.h"
#include "listscreens/FilterSelector.h"
#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QPointer>

// A test screen on the form with a summary pane, holding its filter model
// as the screens do, pushed on the page stack.
class SelectorScreen final : public AUK_10017
{
public:
    SelectorScreen()
        : filters(nullptr, false)
    {
    }

    FilterModel filters;
};

inline AUK_90008 *buttonOf(FilterSelector *selector)
{
    return qobject_cast<AUK_90008 *>(selector->button());
}

inline QListView *listOf(FilterSelector *selector)
{
    return qobject_cast<AUK_90048 *>(selector->filterEditor())->listView();
}

// What a tap on a row does in a single-choice list: the row alone is
// selected, then the view reports the click.
inline void tapRow(FilterSelector *selector, int row)
{
    QListView *list = listOf(selector);
    const QModelIndex index = list->model()->index(row, 0);
    const auto command = list->selectionMode() == QAbstractItemView::MultiSelection
                             ? QItemSelectionModel::Toggle
                             : QItemSelectionModel::ClearAndSelect;
    list->selectionModel()->select(index, command);
    emit list->clicked(index);
}

inline QList<uint> rowValues(FilterSelector *selector, int role)
{
    QList<uint> values;
    const QAbstractItemModel *model = listOf(selector)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        values << model->index(row, 0).data(role).toUInt();
    return values;
}

inline QList<int> selectedRows(FilterSelector *selector)
{
    QList<int> rows;
    for (const QModelIndex &index : listOf(selector)->selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}
