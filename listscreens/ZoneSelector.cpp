#include "listscreens/ZoneSelector.h"

#include "listscreens/ListScreenPages.h"
#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredRoles.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/SelectorItemDelegate.h"

#include <QItemSelection>
#include <QItemSelectionModel>
#include <QListView>
#include <QSignalBlocker>

namespace {

constexpr int MoveToZoneTitle = 4;
constexpr int ZoneDigits = 3;

} // namespace

ZoneSelector::ZoneSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : ZoneSelector(model, group, false, false, parent)
{
}

ZoneSelector::ZoneSelector(FilterModel *model, QButtonGroup *group, bool multiSelection, bool showAllZonesItem,
                           QObject *parent)
    : FilterSelector(group, parent, multiSelection)
    , m_showAllZones(showAllZonesItem)
    , m_model(model)
{
    m_button = makeFilterButton(tr("_ZONE_FILTERBTN"));
    connect(m_button.data(), &QAbstractButton::clicked, this, &ZoneSelector::updateModel);
    m_usesScrollButtons = true;
}

ZoneSelector::~ZoneSelector()
{
    if (m_model)
        m_model->zonesModel.clear();
    delete m_button.data();
}

QWidget *ZoneSelector::button()
{
    return m_button.data();
}

QWidget *ZoneSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QStringLiteral("ZoneSelector::m_filterEditor"));
    styleList(list, m_multiSelection);
    list->setFirstItemSelectAll(m_multiSelection);
    fillZoneList();
    connect(list, &AUK_90048::selectionChanged, this, &ZoneSelector::editorSelectionChanged);
    return list;
}

void ZoneSelector::fillZoneList()
{
    m_model->fillZones();
    m_model->zonesModel.setSortRole(FilteredRoles::ZoneRole);
    m_model->zonesModel.sort(0, Qt::AscendingOrder);
    if (m_multiSelection || m_showAllZones)
        m_model->zonesModel.insertRow(0, makeAllRow(FilteredRoles::ZoneRole, AllZones));
    m_filterEditor->installSelectorDelegate(&m_model->zonesModel);
    if (auto *delegate = qobject_cast<SelectorItemDelegate *>(m_filterEditor->listView()->itemDelegate()))
        delegate->setCounterRoles({CounterRole(FilteredRoles::ZoneRole, 3, QLatin1Char('0'))});
}

void ZoneSelector::updateModel()
{
    if (m_model->zonesModel.rowCount() == 0) {
        const bool built = m_filterEditor;
        filterEditor();
        if (built)
            fillZoneList();
    }
    restoreChoice();
    emit activated();
}

void ZoneSelector::restoreChoice()
{
    QItemSelectionModel *selection = m_filterEditor ? m_filterEditor->listView()->selectionModel() : nullptr;
    const QList<quint8> zones = m_model->zoneList;
    if (zones.isEmpty() || !selection)
        return;
    const QStandardItemModel &rows = m_model->zonesModel;
    // One selection change for the whole choice, so the editor reports it
    // once rather than zone by zone.
    QItemSelection restored;
    bool onlyTheFirst = true;
    if ((m_multiSelection || m_showAllZones) && rows.rowCount() == zones.size() + 1) {
        restored.select(rows.index(0, 0), rows.index(0, 0));
        onlyTheFirst = false;
    }
    for (const quint8 zone : zones) {
        const QModelIndexList hits =
            rows.match(rows.index(0, 0), FilteredRoles::ZoneRole, QVariant(uint(zone)), 1, Qt::MatchExactly);
        if (!hits.isEmpty() && (m_multiSelection || onlyTheFirst))
            restored.select(hits.first(), hits.first());
        onlyTheFirst = false;
    }
    selection->select(restored, QItemSelectionModel::Select);
}

QList<quint8> ZoneSelector::zonesOf(const QModelIndexList &indexes)
{
    QList<quint8> zones;
    for (const QModelIndex &index : indexes) {
        const quint8 zone = quint8(index.data(FilteredRoles::ZoneRole).toUInt());
        if (!zones.contains(zone))
            zones.append(zone);
    }
    return zones;
}

QString ZoneSelector::severalZonesText(int count)
{
    return QStringLiteral("%1 %2").arg(count).arg(tr("_ZONES_SELECTED_SELTEXT"));
}

void ZoneSelector::editorSelectionChanged(const QModelIndexList &selected)
{
    const int count = m_filterEditor->selectedCount();
    if (count == 0 || selected.isEmpty()) {
        m_button->setButtonValue(QString());
        m_model->setSelectedZones({});
        emit valueChanged(0);
        return;
    }
    QString text;
    QString counter;
    QList<quint8> zones;
    bool changed = false;
    if (count == 1) {
        const QModelIndex first = selected.first();
        text = first.data().toString();
        const quint8 zone = quint8(first.data(FilteredRoles::ZoneRole).toUInt());
        if (m_showAllZones && first.row() == 0) {
            QModelIndexList everyRow;
            for (int row = 0; row < m_model->zonesModel.rowCount(); ++row)
                everyRow.append(m_model->zonesModel.index(row, 0));
            zones = zonesOf(everyRow);
        } else {
            zones = {zone};
        }
        if (zone != AllZones)
            counter = QString::number(zone);
        changed = m_model->zoneList != QList<quint8>{zone};
        m_model->setZone(zone);
    } else {
        text = severalZonesText(count);
        const QModelIndexList current = m_filterEditor->listView()->selectionModel()->selectedIndexes();
        m_model->setZone(int(current.first().data(FilteredRoles::ZoneRole).toUInt()));
        zones = zonesOf(selected);
    }
    if (zones != m_model->zoneList) {
        m_model->setSelectedZones(zones);
        changed = true;
    }
    m_button->setButtonValue(text);
    m_button->setButtonCounter(counter, 3, QLatin1Char('0'));
    if (changed)
        emit valueChanged(count);
}

void ZoneSelector::moveToZone(quint32 zone)
{
    scrollToValue(m_model->zonesModel, FilteredRoles::ZoneRole, zone);
}

void ZoneSelector::showMoveToCardPopup()
{
    ListScreenPages::openNumberKeypad(MoveToZoneTitle, ZoneDigits, this, [this](quint32 zone) { moveToZone(zone); });
}

QList<quint8> ZoneSelector::selectedZones() const
{
    return m_model->selectedZones();
}

void ZoneSelector::selectZone(quint8 zone)
{
    if (!m_filterEditor || !m_filterEditor->listView()->model())
        return;
    const QAbstractItemModel *rows = m_filterEditor->listView()->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        if (index.isValid() && index.data(FilteredRoles::ZoneRole).toUInt() == zone) {
            selectAlone(index);
            editorSelectionChanged({index});
            scrollToRow(row);
            return;
        }
    }
}

void ZoneSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    if (!m_filterEditor)
        return;
    // A reset is no choice of the user's: the later selectors are reset by
    // whoever reset this one.
    const QSignalBlocker blocker(m_filterEditor.data());
    if (clearEditorSelection()) {
        m_model->setSelectedZones({});
        m_model->zonesModel.clear();
    }
}

void ZoneSelector::activate()
{
    if (m_button)
        m_button->setChecked(true);
    updateModel();
}

void ZoneSelector::deactivate()
{
    deactivateButton(m_button.data());
}
