#include "listscreens/SingleChoiceSelector.h"

#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QStandardItem>

SingleChoiceSelector::SingleChoiceSelector(FilterModel *model, QButtonGroup *group, const QString &label, int valueRole,
                                           QObject *parent)
    : FilterSelector(group, parent, false)
    , m_model(model)
    , m_valueRole(valueRole)
{
    m_button = makeFilterButton(label);
    connect(m_button.data(), &QAbstractButton::clicked, this, &SingleChoiceSelector::activate);
    m_usesScrollButtons = true;
}

SingleChoiceSelector::~SingleChoiceSelector()
{
    // The list shows the rows held here: it goes first.
    delete m_filterEditor.data();
    delete m_button.data();
}

QWidget *SingleChoiceSelector::button()
{
    return m_button.data();
}

QWidget *SingleChoiceSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    addFirstRows();
    AUK_90048 *list = ensureFilterEditor().data();
    styleList(list, false);
    list->installSelectorDelegate(&m_items);
    connect(list->listView(), &QAbstractItemView::clicked, this, &SingleChoiceSelector::itemClicked);
    return list;
}

void SingleChoiceSelector::setRows(const QVector<Row> &rows)
{
    m_items.clear();
    for (const Row &row : rows) {
        if (!row.present)
            continue;
        auto *item = new QStandardItem(row.text);
        item->setEditable(false);
        item->setData(row.value, m_valueRole);
        m_items.appendRow(item);
    }
}

int SingleChoiceSelector::chosenValue(int fallback) const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return fallback;
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? fallback : chosen.first().data(m_valueRole).toInt();
}

void SingleChoiceSelector::itemClicked(const QModelIndex &)
{
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    if (!chosen.isEmpty()) {
        m_button->setButtonValue(chosen.first().data().toString());
        write(chosen.first().data(m_valueRole).toInt());
    }
    emit valueChanged(chosen.count());
}

void SingleChoiceSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    clearEditorSelection();
}

void SingleChoiceSelector::activate()
{
    activateButton(m_button.data());
}

void SingleChoiceSelector::deactivate()
{
    deactivateButton(m_button.data());
}
