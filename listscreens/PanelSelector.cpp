#include "listscreens/PanelSelector.h"

#include "listscreens/PanelCharCounterRole.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/model.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/FilterButton.h"
#include "widgets/SelectorItemDelegate.h"

#include <QDebug>
#include <QItemSelectionModel>
#include <QListView>
#include <QSet>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {

constexpr int NotRespondingMapPage = 134;
constexpr int PanelCounterWidth = 2;

} // namespace

PanelSelector::PanelSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, false)
    , m_model(model)
{
    m_button = makeFilterButton(FilterButton::tr("_PANEL_FILTERBTN"));
    connect(m_button.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
    m_usesScrollButtons = true;
}

PanelSelector::~PanelSelector()
{
    delete m_button.data();
}

QWidget *PanelSelector::button()
{
    return m_button.data();
}

QWidget *PanelSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QStringLiteral("PanelSelector::m_filterEditor"));
    styleList(list, false);
    if (m_useNetworkList) {
        m_model->fillPanelsFromList(PanelsFromLkNetConfiguration::instance()->panelList());
        showList(&m_model->networkPanelsModel);
    } else {
        rebuildPanelList(nullptr);
    }
    if (m_showAllPanels)
        addAllPanelsSelectionItem();
    PointDataMapsConfiguration::instance()->connectMapUpdated(NotRespondingMapPage, this,
                                                              [this] { notRespondingDevicesUpdated(); });
    connect(list->listView(), &QAbstractItemView::clicked, this, &PanelSelector::itemClicked);
    if (m_hasAllPanels)
        selectPanel(AllPanels);
    return list;
}

QStandardItemModel *PanelSelector::shownModel() const
{
    return m_useNetworkList ? &m_model->networkPanelsModel : &m_model->panelsModel;
}

void PanelSelector::showList(QStandardItemModel *model)
{
    m_filterEditor->installSelectorDelegate(model);
    if (auto *delegate = qobject_cast<SelectorItemDelegate *>(m_filterEditor->listView()->itemDelegate()))
        delegate->setCounterRole(new PanelCharCounterRole);
}

int PanelSelector::rowOfPanel(const QStandardItemModel &model, quint8 panel)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.index(row, 0).data(FilteredRoles::PanelRole) == QVariant(int(panel)))
            return row;
    }
    return -1;
}

int PanelSelector::rebuildPanelList(const quint8 *panel)
{
    m_model->fillPanels();
    m_model->panelsModel.setSortRole(FilteredRoles::PanelRole);
    m_model->panelsModel.sort(0, Qt::AscendingOrder);
    showList(&m_model->panelsModel);
    return panel ? rowOfPanel(m_model->panelsModel, *panel) : -1;
}

int PanelSelector::rebuildNetworkList(const quint8 *panel)
{
    m_model->fillPanelsFromList(PanelsFromLkNetConfiguration::instance()->panelList());
    if (m_hasAllPanels && m_model->networkPanelsModel.rowCount() > 0)
        m_model->networkPanelsModel.insertRow(0, makeAllRow(FilteredRoles::PanelRole, AllPanels));
    showList(&m_model->networkPanelsModel);
    return panel ? rowOfPanel(m_model->networkPanelsModel, *panel) : -1;
}

void PanelSelector::addAllPanelsSelectionItem()
{
    if (m_model->networkPanelsModel.rowCount() == 0)
        return;
    m_allPanelsText = FilterSelector::tr("_ALL_LISTITEM");
    m_model->networkPanelsModel.insertRow(0, makeAllRow(FilteredRoles::PanelRole, AllPanels));
    m_hasAllPanels = true;
}

void PanelSelector::itemClicked(const QModelIndex &)
{
    if (!m_filterEditor)
        return;
    const QModelIndexList selected = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    if (!selected.isEmpty() && m_button) {
        const QModelIndex first = selected.first();
        const QString text = first.data().toString();
        m_button->setButtonValue(text);
        const bool allRow = m_hasAllPanels && text == m_allPanelsText;
        const QString counter = allRow ? QString() : QString::number(first.data(FilteredRoles::PanelRole).toInt());
        m_button->setButtonCounter(counter, allRow ? 3 : PanelCounterWidth, QLatin1Char('0'));
        m_model->selectedPanel = quint8(first.data(FilteredRoles::PanelRole).toUInt());
    }
    emit valueChanged(selected.size());
}

void PanelSelector::choose(const QModelIndex &index)
{
    itemClicked(index);
    scrollToRow(index.row());
}

bool PanelSelector::selectPanel(quint8 panel)
{
    filterEditor();
    const QStandardItemModel *model = shownModel();
    const QModelIndexList hits =
        model->match(model->index(0, 0), FilteredRoles::PanelRole, QVariant(int(panel)), 1, Qt::MatchExactly);
    if (hits.isEmpty())
        return false;
    QListView *list = m_filterEditor->listView();
    list->setCurrentIndex(hits.first());
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    if (!selected.isEmpty() && m_button)
        m_button->setButtonValue(selected.first().data().toString());
    choose(hits.first());
    return true;
}

bool PanelSelector::selectedPanel(quint8 *panel) const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return false;
    const QModelIndexList selected = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return false;
    bool ok = false;
    const int number = selected.first().data(FilteredRoles::PanelRole).toInt(&ok);
    if (!ok) {
        qWarning().nospace().noquote() << "[PanelSelector::"
                                       << "selectedPanel"
                                       << "] Internal data error. Unable to convert PANEL_NUMBER role to int";
        return false;
    }
    *panel = quint8(number & 0xFF);
    return true;
}

void PanelSelector::preselectPanel(bool hostPanel)
{
    if (!m_filterEditor)
        return;
    QListView *list = m_filterEditor->listView();
    const QAbstractItemModel *rows = list->model();
    if (!rows || rows->rowCount() == 0 || !list->selectionModel())
        return;
    int row = -1;
    if (hostPanel) {
        const quint8 local = model::instance()->localPanel();
        for (int each = 0; each < rows->rowCount() && row < 0; ++each) {
            const QModelIndex index = rows->index(each, 0);
            if (index.isValid() && quint8(index.data(FilteredRoles::PanelRole).toUInt()) == local)
                row = each;
        }
    } else {
        row = 0;
    }
    if (row < 0)
        return;
    const QModelIndex index = rows->index(row, 0);
    m_autoAdvance = false;
    list->selectionModel()->select(index, QItemSelectionModel::Select);
    if (hostPanel)
        choose(index);
    else
        itemClicked(index);
}

QList<quint8> PanelSelector::listedPanels() const
{
    QList<quint8> panels;
    const QAbstractItemModel *model = m_filterEditor->listView()->model();
    for (int row = 0; model && row < model->rowCount(); ++row)
        panels.append(quint8(model->index(row, 0).data(FilteredRoles::PanelRole).toUInt()));
    return panels;
}

bool PanelSelector::answeringPanelsChanged(bool hasChoice, quint8 chosen, bool *lost) const
{
    const QList<quint8> listed = listedPanels();
    const QSet<quint8> shown(listed.cbegin(), listed.cend());
    bool changed = false;
    for (const model::PanelEntry &entry : model::instance()->panelList()) {
        const bool silent = entry.second != 0;
        if (silent && shown.contains(entry.first)) {
            changed = true;
            if (hasChoice && entry.first == chosen)
                *lost = true;
        } else if (!silent && !shown.contains(entry.first)) {
            changed = true;
        }
    }
    return changed;
}

bool PanelSelector::networkPanelsChanged(bool hasChoice, quint8 chosen, bool *lost) const
{
    QList<quint8> wanted = PanelsFromLkNetConfiguration::instance()->panelList();
    if (m_hasAllPanels && !wanted.isEmpty())
        wanted.prepend(AllPanels);
    *lost = hasChoice && !wanted.contains(chosen);
    return listedPanels() != wanted;
}

void PanelSelector::restoreRow(int row)
{
    // Making the row current selects it; the editor must not report that as
    // a new choice, and no later click may be swallowed for it.
    const QSignalBlocker blocker(m_filterEditor.data());
    QListView *list = m_filterEditor->listView();
    list->setCurrentIndex(list->model()->index(row, 0));
}

void PanelSelector::notRespondingDevicesUpdated()
{
    filterEditor();
    quint8 chosen = 0;
    const bool hasChoice = selectedPanel(&chosen);
    bool lost = false;
    const bool changed = m_useNetworkList ? networkPanelsChanged(hasChoice, chosen, &lost)
                                          : answeringPanelsChanged(hasChoice, chosen, &lost);
    if (!changed)
        return;
    const bool keep = hasChoice && !lost;
    const int row =
        m_useNetworkList ? rebuildNetworkList(keep ? &chosen : nullptr) : rebuildPanelList(keep ? &chosen : nullptr);
    if (lost) {
        // The choice went with its panel: the button and the later selectors
        // must not go on showing it.
        if (m_button) {
            m_button->setButtonValue(QString());
            m_button->setButtonCounter(QString(), PanelCounterWidth, QLatin1Char('0'));
        }
        emit valueChanged(0);
        activate();
    } else if (row >= 0) {
        restoreRow(row);
    }
}

void PanelSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    clearEditorSelection();
}

void PanelSelector::activate()
{
    activateButton(m_button.data());
}

void PanelSelector::deactivate()
{
    deactivateButton(m_button.data());
}
