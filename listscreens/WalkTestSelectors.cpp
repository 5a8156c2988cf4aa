#include "listscreens/WalkTestSelectors.h"

#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QItemSelectionModel>
#include <QListView>

namespace {

struct TypeRow
{
    const char *key;
    int deviceClass;
    int typeBit;
};

constexpr TypeRow TypeRows[] = {
    {QT_TRANSLATE_NOOP("TypeSelector", "_TYPE_INPUT_LISTITEM"), 1, 0},
    {QT_TRANSLATE_NOOP("TypeSelector", "_TYPE_DETECTORS_LISTITEM"), 4, 0},
    {QT_TRANSLATE_NOOP("TypeSelector", "_TYPE_CALLPOINTS_LISTITEM"), 3, 0},
    {QT_TRANSLATE_NOOP("TypeSelector", "_TYPE_ALARM_INPUTS_LISTITEM"), 1, 4},
    {QT_TRANSLATE_NOOP("TypeSelector", "_TYPE_SOUNDERS_LISTITEM"), 2, 8},
};
constexpr int SoundersRow = 4;

const char *const ModeRows[] = {
    QT_TRANSLATE_NOOP("MultiSensorSelector", "_MSENSOR_PART_LISTITEM"),
    QT_TRANSLATE_NOOP("MultiSensorSelector", "_MSENSOR_FULL_LISTITEM"),
    QT_TRANSLATE_NOOP("MultiSensorSelector", "_MSENSOR_AUTO_LISTITEM"),
};

QStandardItem *makeRow(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

// The first chosen row of a list editor; invalid without an editor or a
// choice.
QModelIndex firstSelected(const AUK_90048 *editor)
{
    if (!editor || !editor->listView()->selectionModel())
        return {};
    const QModelIndexList selected = editor->listView()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.first();
}

int selectedCount(const AUK_90048 *editor)
{
    return editor->listView()->selectionModel()->selectedIndexes().size();
}

// The rows in a styled list, its clicks going to the selector.
template <typename Selector> void showRadioList(AUK_90048 *list, QStandardItemModel *items, Selector *selector)
{
    list->installSelectorDelegate(items);
    QObject::connect(list->listView(), &QAbstractItemView::clicked, selector, &Selector::itemClicked);
}

} // namespace

TypeSelector::TypeSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : BasicFilterSelector(model, group, parent)
{
    m_button->setButtonLabel(tr("_TYPE_FILTERBTN"));
}

QWidget *TypeSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    fillRows();
    AUK_90048 *list = ensureFilterEditor().data();
    styleList(list, false);
    showRadioList(list, &m_items, this);
    return list;
}

void TypeSelector::setShowSounders(bool show)
{
    if (show == m_showSounders)
        return;
    m_showSounders = show;
    fillRows();
}

void TypeSelector::fillRows()
{
    m_items.clear();
    const int rows = m_showSounders ? SoundersRow + 1 : SoundersRow;
    for (int row = 0; row < rows; ++row) {
        QStandardItem *item = makeRow(tr(TypeRows[row].key));
        item->setData(TypeRows[row].deviceClass, DeviceClassRole);
        item->setData(TypeRows[row].typeBit, TypeBitRole);
        m_items.appendRow(item);
    }
}

int TypeSelector::selectedDirection() const
{
    const QModelIndex first = firstSelected(m_filterEditor.data());
    return first.isValid() ? first.data(DeviceClassRole).toInt() : NoDirection;
}

int TypeSelector::selectedTypeBit() const
{
    const QModelIndex first = firstSelected(m_filterEditor.data());
    return first.isValid() ? first.data(TypeBitRole).toInt() : NoTypeBit;
}

void TypeSelector::itemClicked(const QModelIndex &)
{
    if (!m_filterEditor)
        return;
    const QModelIndex first = firstSelected(m_filterEditor.data());
    if (first.isValid()) {
        m_button->setButtonValue(first.data().toString());
        m_filterModel->walkTestTypeBit = first.data(TypeBitRole).toInt();
        m_filterModel->walkTestDeviceClass = first.data(DeviceClassRole).toInt();
    }
    emit valueChanged(selectedCount(m_filterEditor.data()));
    emit itemSelected(m_filterEditor->listView()->selectionModel()->currentIndex().row());
}

MultiSensorSelector::MultiSensorSelector(QButtonGroup *group, QObject *parent)
    : BasicFilterSelector(nullptr, group, parent)
{
    m_button->setButtonLabel(tr("_MULTISENSOR_FILTERBTN"));
    m_usesScrollButtons = false;
}

QWidget *MultiSensorSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    int mode = 0;
    for (const char *key : ModeRows) {
        QStandardItem *item = makeRow(tr(key));
        item->setData(mode++, ModeRole);
        m_items.appendRow(item);
    }
    AUK_90048 *list = ensureFilterEditor().data();
    styleList(list, false);
    showRadioList(list, &m_items, this);
    return list;
}

void MultiSensorSelector::selectFirstItem()
{
    if (!m_filterEditor)
        return;
    QListView *list = m_filterEditor->listView();
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    itemClicked(QModelIndex());
}

int MultiSensorSelector::selectedMode() const
{
    const QModelIndex first = firstSelected(m_filterEditor.data());
    return first.isValid() ? first.data(ModeRole).toInt() : NoMode;
}

void MultiSensorSelector::itemClicked(const QModelIndex &)
{
    if (!m_filterEditor)
        return;
    const QModelIndex first = firstSelected(m_filterEditor.data());
    if (first.isValid())
        m_button->setButtonValue(first.data().toString());
    emit valueChanged(selectedCount(m_filterEditor.data()));
}

void MultiSensorSelector::reset(bool disableFilterButton)
{
    BasicFilterSelector::reset(disableFilterButton);
    if (m_filterEditor && m_filterEditor->listView()->selectionModel())
        emit valueChanged(0);
}
