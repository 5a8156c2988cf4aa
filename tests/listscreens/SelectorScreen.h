#pragma once

#include "FakeClock.h"
#include "app/PageStack.h"
#include "listscreens/AUK_10010.h"
#include "listscreens/AUK_10017.h"
#include "listscreens/FilterSelector.h"
#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QPointer>

// A test screen on one of the two forms, holding its filter model as the
// screens do.
template <typename Form> class FormScreen final : public Form
{
public:
    FormScreen()
        : filters(nullptr, false)
    {
    }

    FilterModel filters;

    // As a screen shows it for review: titled, with only the scroll keys in
    // its lozenge bar.
    void dressForReview(const QString &title)
    {
        this->setTitle(title);
        AUK_90006 *bar = this->lozengeBar();
        bar->show();
        bar->setLeftButtonVisible(false);
        bar->setMiddleButtonVisible(false);
    }
};

using SelectorScreen = FormScreen<AUK_10017>;

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
