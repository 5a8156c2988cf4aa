#include "reports/PrinterSelector.h"

#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredRoles.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/SelectorItemDelegate.h"

#include <QItemSelectionModel>
#include <QListView>

namespace {

constexpr int PrinterCounterWidth = 2;

} // namespace

PrinterSelector::PrinterSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, false)
    , m_filterModel(model)
{
    setObjectName(QStringLiteral("PrinterSelector"));
    m_filterButton = makeFilterButton(tr("_PRINTER_FILTERBTN"));
    m_filterButton->setObjectName(QStringLiteral("PrinterSelector::m_filterButton"));
    // A tap shows the printers of the panel chosen now, even when that panel
    // was chosen for the user and the list never moved on to this step.
    connect(m_filterButton.data(), &QAbstractButton::clicked, this, &PrinterSelector::updateModel);
    connect(m_filterButton.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
    filterEditor();
}

PrinterSelector::~PrinterSelector()
{
    delete m_filterEditor.data();
    delete m_filterButton.data();
}

QWidget *PrinterSelector::button()
{
    return m_filterButton.data();
}

QWidget *PrinterSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QStringLiteral("PrinterSelector::m_filterEditor"));
    styleList(list, false);
    list->installSelectorDelegate(&m_emptyModel);
    connect(list->listView(), &QAbstractItemView::clicked, this, &PrinterSelector::itemClicked);
    return list;
}

void PrinterSelector::updateModel()
{
    if (!m_filterModel || !m_filterEditor)
        return;
    const quint8 panel = m_filterModel->selectedPanel;
    if (m_listedPanel != NoPanelListed && panel == m_listedPanel)
        return;
    m_listedPanel = panel;
    m_filterModel->fillPrinters();
    m_filterEditor->installSelectorDelegate(&m_filterModel->printersModel);
    if (auto *delegate = qobject_cast<SelectorItemDelegate *>(m_filterEditor->listView()->itemDelegate()))
        delegate->setCounterRole(
            new CounterRole(FilteredRoles::PrinterNumberRole, PrinterCounterWidth, QLatin1Char('0')));
}

QModelIndex PrinterSelector::chosenRow() const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return {};
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? QModelIndex() : chosen.first();
}

bool PrinterSelector::hasSelection() const
{
    return chosenRow().isValid();
}

quint8 PrinterSelector::selectedPrinter() const
{
    const QModelIndex row = chosenRow();
    return row.isValid() ? quint8(row.data(FilteredRoles::PrinterNumberRole).toUInt()) : quint8(0);
}

void PrinterSelector::selectPrinter(quint8 printer)
{
    const QAbstractItemModel *model = m_filterEditor->listView()->model();
    if (!model || model->rowCount() == 0)
        return;
    const QModelIndexList hits = model->match(model->index(0, 0), FilteredRoles::PrinterNumberRole,
                                              QVariant(uint(printer)), 1, Qt::MatchExactly);
    if (hits.isEmpty())
        return;
    selectAlone(hits.first());
    m_filterEditor->listView()->selectionModel()->setCurrentIndex(hits.first(), QItemSelectionModel::NoUpdate);
    scrollToRow(hits.first().row());
    itemClicked(hits.first());
}

void PrinterSelector::itemClicked(const QModelIndex &)
{
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    if (!chosen.isEmpty())
        m_filterButton->setButtonValue(chosen.first().data().toString());
    emit updateSelection(chosen.count());
}

void PrinterSelector::reset(bool disableFilterButton)
{
    clearButton(m_filterButton.data(), disableFilterButton);
    clearEditorSelection();
    emit updateSelection(0);
}

void PrinterSelector::activate()
{
    updateModel();
    activateButton(m_filterButton.data());
}

void PrinterSelector::deactivate()
{
    deactivateButton(m_filterButton.data());
}
