#include "listscreens/LogicalZoneSelector.h"

#include "core/SC_Timer.h"
#include "listscreens/ListScreenPages.h"
#include "listscreens/ZoneSelector.h"
#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredRoles.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/SelectorItemDelegate.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QSignalBlocker>

namespace {

constexpr int MoveToZoneTitle = 4;
constexpr int LogicalZoneDigits = 5;
constexpr quint16 AllLogicalZones = 0;

} // namespace

LogicalZoneSelector::LogicalZoneSelector(FilterModel *model, QButtonGroup *group, QObject *parent, bool multiSelection,
                                         bool showAllItem)
    : FilterSelector(group, parent, multiSelection)
    , m_model(model)
    , m_showAll(showAllItem)
    , m_scrollBackTimer(SC_Timer::create(this))
{
    m_button = makeFilterButton(tr("_LOGICAL_ZONE_FILTERBTN"));
    connect(m_button.data(), &QAbstractButton::clicked, this, &LogicalZoneSelector::updateModel);
    m_usesScrollButtons = true;
    m_scrollBackTimer->setSingleShot(true);
    connect(m_scrollBackTimer, &SC_Timer::timeout, this, &LogicalZoneSelector::timer_timeout);
}

LogicalZoneSelector::~LogicalZoneSelector()
{
    delete m_button.data();
}

QWidget *LogicalZoneSelector::button()
{
    return m_button.data();
}

QWidget *LogicalZoneSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QStringLiteral("LogicalZoneSelector::m_filterEditor"));
    styleList(list, m_multiSelection);
    list->setFirstItemSelectAll(false);
    m_model->fillLogicalZones();
    sortList();
    showList();
    connect(list->listView(), &QAbstractItemView::clicked, this, &LogicalZoneSelector::itemClicked);
    connect(list, &AUK_90048::selectionChanged, this, &LogicalZoneSelector::editorSelectionChanged);
    return list;
}

void LogicalZoneSelector::sortList()
{
    m_model->zonesModel.setSortRole(FilteredRoles::LogicalZoneRole);
    m_model->zonesModel.sort(0, Qt::AscendingOrder);
}

void LogicalZoneSelector::showList()
{
    m_filterEditor->installSelectorDelegate(&m_model->zonesModel);
    if (auto *delegate = qobject_cast<SelectorItemDelegate *>(m_filterEditor->listView()->itemDelegate()))
        delegate->setCounterRoles({CounterRole(FilteredRoles::LogicalZoneRole, 5, QLatin1Char('0'))});
}

void LogicalZoneSelector::takeChosenFromSelection()
{
    m_chosen.clear();
    QItemSelectionModel *selection = m_filterEditor ? m_filterEditor->listView()->selectionModel() : nullptr;
    if (!selection)
        return;
    for (const QModelIndex &index : selection->selectedIndexes()) {
        const quint16 logical = quint16(index.data(FilteredRoles::LogicalZoneRole).toUInt());
        if (logical != AllLogicalZones)
            m_chosen.insert(logical, quint8(index.data(FilteredRoles::ZoneRole).toUInt()));
    }
}

void LogicalZoneSelector::updateModel()
{
    if (m_model->zonesModel.rowCount() == 0) {
        filterEditor();
        showList();
    }
    takeChosenFromSelection();
    emit activated();
}

void LogicalZoneSelector::itemClicked(const QModelIndex &index)
{
    if (!m_multiSelection)
        return;
    m_lastClicked = quint16(index.data(FilteredRoles::LogicalZoneRole).toUInt());
    const QModelIndexList selected = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    QStandardItemModel &rows = m_model->zonesModel;
    if (!selected.isEmpty()) {
        takeChosenFromSelection();
        if (selected.size() == 1) {
            m_model->filterLogicalZonesByPanel(selected.first().data(FilteredRoles::PanelRole).toInt());
            m_scrollBackTimer->start(1);
        }
        if (m_showAll && rows.rowCount() > 0
            && rows.index(0, 0).data(FilteredRoles::LogicalZoneRole).toUInt() != AllLogicalZones) {
            rows.insertRow(0, makeAllRow(FilteredRoles::LogicalZoneRole, AllLogicalZones));
            m_filterEditor->setFirstItemSelectAll(true);
        }
    } else {
        // The refill drops the all row with the narrowed list; row 0 is now a
        // logical zone of its own (possibly one numbered 0) and must neither
        // be removed nor act as a select-all row.
        m_model->fillLogicalZones();
        sortList();
        m_filterEditor->setFirstItemSelectAll(false);
        m_scrollBackTimer->start(1);
    }
    emit valueChanged(selected.size());
}

void LogicalZoneSelector::editorSelectionChanged(const QModelIndexList &selected)
{
    const int count = m_filterEditor->selectedCount();
    if (count == 0 || selected.isEmpty()) {
        m_button->setButtonValue(QString());
        m_model->setSelectedZones({});
        emit valueChanged(0);
        return;
    }
    QString text;
    if (count == 1) {
        const QModelIndex first = selected.first();
        text = first.data().toString();
        const quint16 logical = quint16(first.data(FilteredRoles::LogicalZoneRole).toUInt());
        m_button->setButtonCounter(QStringLiteral("%1").arg(logical, 5, 10, QLatin1Char('0')), 5, QLatin1Char('0'));
        m_model->selectedPanel = quint8(first.data(FilteredRoles::PanelRole).toUInt());
        m_model->setZone(int(first.data(FilteredRoles::ZoneRole).toUInt()));
    } else {
        text = ZoneSelector::severalZonesText(count);
        m_button->setButtonCounter(QString(), 3, QLatin1Char('0'));
        const QModelIndexList current = m_filterEditor->listView()->selectionModel()->selectedIndexes();
        m_model->setZone(int(current.first().data(FilteredRoles::ZoneRole).toUInt()));
        const QList<quint8> zones = ZoneSelector::zonesOf(selected);
        if (zones != m_model->zoneList)
            m_model->setSelectedZones(zones);
    }
    m_button->setButtonValue(text);
    emit valueChanged(count);
}

void LogicalZoneSelector::moveToZone(quint32 logicalZone)
{
    scrollToValue(m_model->zonesModel, FilteredRoles::LogicalZoneRole, logicalZone);
}

void LogicalZoneSelector::timer_timeout()
{
    moveToZone(m_lastClicked);
}

void LogicalZoneSelector::showMoveToCardPopup()
{
    ListScreenPages::openNumberKeypad(MoveToZoneTitle, LogicalZoneDigits, this,
                                      [this](quint32 logicalZone) { moveToZone(logicalZone); });
}

void LogicalZoneSelector::selectLogicalZone(quint8 panel, quint8 zone)
{
    if (!m_filterEditor || !m_filterEditor->listView()->model())
        return;
    const QAbstractItemModel *rows = m_filterEditor->listView()->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        const bool panelMatches = index.data(FilteredRoles::PanelRole).toUInt() == panel;
        const bool zoneMatches = zone == 255 || index.data(FilteredRoles::ZoneRole).toUInt() == zone;
        if (index.isValid() && panelMatches && zoneMatches) {
            selectAlone(index);
            editorSelectionChanged({index});
            scrollToRow(row);
            return;
        }
    }
}

void LogicalZoneSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    if (!m_filterEditor)
        return;
    const QSignalBlocker blocker(m_filterEditor.data());
    if (clearEditorSelection()) {
        m_chosen.clear();
        m_model->setSelectedZones({});
    }
}

void LogicalZoneSelector::activate()
{
    activateButton(m_button.data());
}

void LogicalZoneSelector::deactivate()
{
    deactivateButton(m_button.data());
}
