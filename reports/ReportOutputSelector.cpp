#include "reports/ReportOutputSelector.h"

#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QStandardItem>

namespace {

constexpr int UsbFile = 1;
constexpr int PanelPrinter = 0;

} // namespace

ReportOutputSelector::ReportOutputSelector(FilterModel *, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, false)
{
    setObjectName(QStringLiteral("ReportOutputSelector"));
    m_filterButton = makeFilterButton(tr("_OUTPUT_FILTERBTN"));
    m_filterButton->setObjectName(QStringLiteral("ReportOutputSelector::m_filterButton"));
    connect(m_filterButton.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
}

ReportOutputSelector::~ReportOutputSelector()
{
    // The list shows the rows held here: it goes first.
    delete m_filterEditor.data();
    delete m_filterButton.data();
}

QWidget *ReportOutputSelector::button()
{
    return m_filterButton.data();
}

QWidget *ReportOutputSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    addRows();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QStringLiteral("ReportOutputSelector::m_filterEditor"));
    styleList(list, false);
    list->installSelectorDelegate(&m_items);
    connect(list->listView(), &QAbstractItemView::clicked, this, &ReportOutputSelector::itemClicked);
    return list;
}

void ReportOutputSelector::addRows()
{
    const char *const formats[] = {
        QT_TR_NOOP("_TXT_WITH_WHITESPACE_LISTITEM"),
        QT_TR_NOOP("_TXT_LISTITEM"),
        QT_TR_NOOP("_CSV_LISTITEM"),
        QT_TR_NOOP("_PDF_LISTITEM"),
    };
    const QString usb = tr("_USB_LISTITEM");
    int format = 0;
    for (const char *name : formats) {
        auto *item = new QStandardItem(usb + QStringLiteral(" (") + tr(name) + QLatin1Char(')'));
        item->setEditable(false);
        item->setData(UsbFile, DestinationRole);
        item->setData(format++, FormatRole);
        m_items.appendRow(item);
    }
    auto *printer = new QStandardItem(tr("_PANEL_PRINTER_LISTITEM"));
    printer->setEditable(false);
    printer->setData(PanelPrinter, DestinationRole);
    m_items.appendRow(printer);
}

int ReportOutputSelector::selectedValue(int role) const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return -1;
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    if (chosen.isEmpty())
        return -1;
    const QVariant value = chosen.first().data(role);
    return value.isValid() ? value.toInt() : -1;
}

int ReportOutputSelector::selectedDestination() const
{
    return selectedValue(DestinationRole);
}

int ReportOutputSelector::selectedFormat() const
{
    return selectedValue(FormatRole);
}

void ReportOutputSelector::selectFormat(int format)
{
    if (format >= 0 && format < PanelPrinterRow)
        selectRow(format);
}

void ReportOutputSelector::selectPanelPrinter()
{
    selectRow(PanelPrinterRow);
}

void ReportOutputSelector::selectRow(int row)
{
    filterEditor();
    const QModelIndex index = m_items.index(row, 0);
    selectAlone(index);
    scrollToRow(row);
    itemClicked(index);
}

void ReportOutputSelector::itemClicked(const QModelIndex &)
{
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    if (!chosen.isEmpty()) {
        m_filterButton->setButtonValue(chosen.first().data().toString());
        emit emitSelection(chosen.first().data(DestinationRole).toInt());
    }
    emit valueChanged(chosen.count());
}

void ReportOutputSelector::reset(bool disableFilterButton)
{
    clearButton(m_filterButton.data(), disableFilterButton);
    clearEditorSelection();
}

void ReportOutputSelector::activate()
{
    activateButton(m_filterButton.data());
}

void ReportOutputSelector::deactivate()
{
    deactivateButton(m_filterButton.data());
}
