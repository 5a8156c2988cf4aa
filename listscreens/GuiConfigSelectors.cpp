#include "listscreens/GuiConfigSelectors.h"

#include "listscreens/StoredGuiConfiguration.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QItemSelectionModel>
#include <QListView>

namespace {

constexpr int AddressRows = 15;
constexpr int LastGuiMode = 3;
constexpr int EthernetMode = 0;
constexpr int EthernetWithBackup = 1;
constexpr int Monitored = 1;
constexpr int SaltmarshBrand = 1;

} // namespace

GuiConfigSelector::GuiConfigSelector(QButtonGroup *group, QObject *parent, const QString &label,
                                     const QStringList &rows, bool valueRole, int value)
    : FilterSelector(group, parent, false)
    , m_rowTexts(rows)
    , m_valueRole(valueRole)
    , m_value(value)
{
    m_button = makeFilterButton(label);
    connect(m_button.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
    m_usesScrollButtons = true;
}

GuiConfigSelector::~GuiConfigSelector()
{
    delete m_button.data();
}

QWidget *GuiConfigSelector::button()
{
    return m_button.data();
}

QWidget *GuiConfigSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    for (int row = 0; row < m_rowTexts.size(); ++row) {
        auto *item = new QStandardItem(m_rowTexts.at(row));
        item->setEditable(false);
        if (m_valueRole)
            item->setData(row, ValueRole);
        m_rows.appendRow(item);
    }
    AUK_90048 *list = ensureFilterEditor().data();
    styleList(list, false);
    list->installSelectorDelegate(&m_rows);
    connect(list->listView(), &QAbstractItemView::clicked, this, &GuiConfigSelector::itemClicked);
    return list;
}

void GuiConfigSelector::reset(bool)
{
}

void GuiConfigSelector::activate()
{
    activateButton(m_button.data());
}

void GuiConfigSelector::deactivate()
{
    deactivateButton(m_button.data());
}

void GuiConfigSelector::selectValueRow()
{
    if (!m_filterEditor || !m_filterEditor->listView()->model())
        return;
    if (m_value < 0 || m_value >= m_rows.rowCount())
        return;
    m_filterEditor->listView()->selectionModel()->select(m_rows.index(m_value, 0), QItemSelectionModel::Select);
}

QModelIndex GuiConfigSelector::firstSelected() const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return {};
    const QModelIndexList selected = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.first();
}

int GuiConfigSelector::selectedCount() const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return 0;
    return m_filterEditor->listView()->selectionModel()->selectedIndexes().size();
}

int GuiConfigSelector::currentRow() const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return -1;
    return m_filterEditor->listView()->selectionModel()->currentIndex().row();
}

namespace {

int storedGuiMode()
{
    const int mode = StoredGuiConfiguration::read().guiMode;
    return mode > LastGuiMode ? EthernetWithBackup : mode;
}

QStringList guiModeRows()
{
    QStringList rows{GuiModeSelecter::tr("_MODE_ETHERNET_LISTITEM"),
                     GuiModeSelecter::tr("_MODE_ETHERNET_WITH_BACKUP_LISTITEM"),
                     GuiModeSelecter::tr("_MODE_QUORVEL_REPEATER_LISTITEM")};
    if (StoredGuiConfiguration::read().brand != SaltmarshBrand)
        rows << GuiModeSelecter::tr("_MODE_DIRU_REPEATER_LISTITEM");
    return rows;
}

QStringList addressRows()
{
    QStringList rows;
    for (int address = 1; address <= AddressRows; ++address)
        rows << RBusAddressSelector::tr("_ADDRESS_LISTITEM") + QLatin1Char(' ') + QStringLiteral("%1").arg(address);
    return rows;
}

int storedRbusMode()
{
    const StoredGuiConfiguration::Values stored = StoredGuiConfiguration::read();
    return stored.guiMode == EthernetMode ? Monitored : stored.rbusMode;
}

} // namespace

GuiModeSelecter::GuiModeSelecter(FilterModel *, QButtonGroup *group, QObject *parent)
    : GuiConfigSelector(group, parent, tr("_GUI_MODE_FILTERBTN"), guiModeRows(), true, storedGuiMode())
{
}

void GuiModeSelecter::showStoredValue()
{
    if (!m_filterEditor || !m_filterEditor->listView()->model())
        return;
    selectValueRow();
    itemClicked(QModelIndex());
}

void GuiModeSelecter::itemClicked(const QModelIndex &)
{
    const QModelIndex first = firstSelected();
    if (first.isValid())
        m_button->setButtonValue(first.data().toString());
    emit itemSelected(currentRow());
    emit valueChanged(selectedCount());
}

void StoredRowSelector::restoreSelection()
{
    filterEditor();
    selectValueRow();
    const QModelIndex first = firstSelected();
    if (first.isValid())
        m_button->setButtonValue(first.data().toString());
}

void StoredRowSelector::itemClicked(const QModelIndex &)
{
    const QModelIndex first = firstSelected();
    if (first.isValid()) {
        m_button->setButtonValue(first.data().toString());
        setValue(first.row());
    }
    emit valueChanged(selectedCount());
    emit itemSelected(currentRow());
}

RBusAddressSelector::RBusAddressSelector(FilterModel *, QButtonGroup *group, QObject *parent)
    : StoredRowSelector(group, parent, tr("_RBUS_ADDRESS_FILTERBTN"), addressRows(), false,
                        StoredGuiConfiguration::read().rbusAddress - 1)
{
}

RBusModeSelector::RBusModeSelector(FilterModel *, QButtonGroup *group, QObject *parent)
    : StoredRowSelector(group, parent, tr("_RBUS_MODE_FILTERBTN"),
                        {tr("_RBUS_MODE_UNMONITORED_LISTITEM"), tr("_RBUS_MODE_MONITORED_LISTITEM")}, true,
                        storedRbusMode())
{
}

ZonalLedSelector::ZonalLedSelector(FilterModel *, QButtonGroup *group, QObject *parent)
    : StoredRowSelector(group, parent, tr("_ZONAL_LED_FILTERBTN"),
                        {tr("_XBUS_CONFIG_LISTITEM"), tr("_LEGACY_LISTITEM")}, true,
                        StoredGuiConfiguration::read().zonalLedMode)
{
}
