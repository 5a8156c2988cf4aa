#include "listscreens/FilterSelector.h"

#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QAbstractItemModel>
#include <QButtonGroup>
#include <QItemSelectionModel>
#include <QListView>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStandardItem>

namespace {

constexpr int RowHeight = 65;

} // namespace

FilterSelector::FilterSelector(QButtonGroup *group, QObject *parent, bool multiSelection)
    : QObject(parent)
    , m_group(group)
    , m_multiSelection(multiSelection)
{
}

FilterSelector::~FilterSelector()
{
    delete m_filterEditor.data();
}

QPointer<AUK_90048> FilterSelector::ensureFilterEditor()
{
    if (!m_filterEditor)
        m_filterEditor = new AUK_90048;
    AUK_90048 *list = m_filterEditor.data();
    connect(this, &FilterSelector::scrollUpButtonClicked, list, &AUK_90048::scrollUpButtonClicked);
    connect(this, &FilterSelector::scrollDownButtonClicked, list, &AUK_90048::scrollDownButtonClicked);
    connect(this, &FilterSelector::scrollUpButtonHeld, list, &AUK_90048::scrollUpButtonHeld);
    connect(this, &FilterSelector::scrollDownButtonHeld, list, &AUK_90048::scrollDownButtonHeld);
    connect(this, &FilterSelector::updateScrollBarButtons, list, &AUK_90048::updateScrollBarButtons);
    connect(list, &AUK_90048::scrollBarAtStart, this, &FilterSelector::scrollBarAtStart);
    connect(list, &AUK_90048::scrollBarAtEnd, this, &FilterSelector::scrollBarAtEnd);
    return m_filterEditor;
}

void FilterSelector::scrollToRow(int row)
{
    if (!m_filterEditor || !m_filterEditor->listView()->model())
        return;
    const QModelIndex index = m_filterEditor->listView()->model()->index(row, 0);
    if (index.isValid() && index.row() == row)
        m_filterEditor->flicker()->animateTo(index);
}

AUK_90008 *FilterSelector::makeFilterButton(const QString &label)
{
    auto *button = new AUK_90008;
    button->setAutoExclusive(true);
    button->setCheckable(true);
    button->setButtonLabel(label);
    if (m_group)
        m_group->addButton(button);
    return button;
}

void FilterSelector::styleList(AUK_90048 *list, bool multiSelection)
{
    list->setDelegateHeight(RowHeight);
    if (multiSelection) {
        list->listView()->setSelectionMode(QAbstractItemView::MultiSelection);
        list->setDelegateCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80131_Check_on.png")));
        list->setDelegateUncheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80130_Check_off.png")));
    } else {
        list->listView()->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setDelegateCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80084_Radio_on.png")));
        list->setDelegateUncheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80083_Radio_off.png")));
    }
}

void FilterSelector::activateButton(QAbstractButton *button)
{
    if (button)
        button->setChecked(true);
    emit activated();
}

void FilterSelector::deactivateButton(QAbstractButton *button)
{
    if (!button)
        return;
    // The checked button of an exclusive group, or of auto-exclusive
    // siblings when there is no group, refuses to be unchecked.
    if (m_group) {
        m_group->setExclusive(false);
        button->setChecked(false);
        m_group->setExclusive(true);
        return;
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void FilterSelector::clearButton(AUK_90008 *button, bool disable)
{
    if (!button)
        return;
    if (disable)
        button->clearAndDisable();
    else
        button->clearAndEnable();
}

bool FilterSelector::clearEditorSelection()
{
    if (!m_filterEditor)
        return false;
    QItemSelectionModel *selection = m_filterEditor->listView()->selectionModel();
    if (!selection)
        return false;
    selection->clearSelection();
    return true;
}

QStandardItem *FilterSelector::makeAllRow(int role, int value)
{
    auto *item = new QStandardItem(tr("_ALL_LISTITEM"));
    item->setEditable(false);
    item->setData(value, role);
    return item;
}

void FilterSelector::scrollToValue(const QAbstractItemModel &model, int role, quint32 value)
{
    int row = 0;
    while (row < model.rowCount() && model.index(row, 0).data(role).toUInt() != value)
        ++row;
    scrollToRow(row);
}

void FilterSelector::selectAlone(const QModelIndex &index)
{
    m_autoAdvance = false;
    const QSignalBlocker blocker(m_filterEditor.data());
    QItemSelectionModel *selection = m_filterEditor->listView()->selectionModel();
    selection->clearSelection();
    selection->select(index, QItemSelectionModel::Select);
}
