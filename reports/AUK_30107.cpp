#include "reports/AUK_30107.h"

#include "listscreens/PanelSelector.h"
#include "paneldata/PanelConfiguration.h"
#include "reports/AUK_40057.h"
#include "reports/PrinterSelector.h"
#include "reports/ReportEnvironment.h"
#include "reports/ReportOutputSelector.h"
#include "widgets/AUK_90006.h"
#include "widgets/PanelIcon.h"

#include <QDebug>

namespace {

constexpr int PrinterSettingTitleId = 25;
constexpr int AcceptSoftKeyId = 2;
// Panels are numbered below this; a stored printer panel at or above it is
// not offered again.
constexpr quint8 PanelLimit = 100;

} // namespace

AUK_30107::AUK_30107(QWidget *parent)
    : AUK_10017(parent)
    , m_filterModel(this, false)
{
    setObjectName(QStringLiteral("AUK_30107"));
    // Accept shows whenever the choice is complete, not only at the last step.
    setHideLozengeBarUntilComplete(false);
    setTitleById(PrinterSettingTitleId);
    setIconBlueFlavour(panelIcon("AUK_80227_setting_smll_blue.png"));
    setIconRedFlavour(panelIcon("AUK_80228_setting_smll_red.png"));
    setIconYellowFlavour(panelIcon("AUK_80229_setting_smll_yellow.png"));

    AUK_90006 *bar = lozengeBar();
    bar->setLeftButtonTextById(AcceptSoftKeyId);
    bar->setLeftButtonVisible(false);
    bar->setMiddleButtonVisible(false);
    bar->setRightButtonVisible(false);
    bar->setScrollButtonsVisible(false);
    bar->show();

    m_reportOutputSelector = new ReportOutputSelector(&m_filterModel, buttonGroup(), this);
    m_reportOutputSelector->filterEditor();
    m_panelSelector = new PanelSelector(&m_filterModel, buttonGroup(), this);
    m_printerSelector = new PrinterSelector(&m_filterModel, buttonGroup(), this);
    addFilterSelector(m_reportOutputSelector);
    addFilterSelector(m_panelSelector);
    addFilterSelector(m_printerSelector);

    connect(m_reportOutputSelector, &ReportOutputSelector::emitSelection, this, &AUK_30107::reportDestinationSelected);
    followPrinterChoice(true);
    connect(bar, &AUK_90006::leftButtonClicked, this, &AUK_30107::saveSelection);

    showCurrentSetting();
}

AUK_30107::~AUK_30107() = default;

void AUK_30107::showCurrentSetting()
{
    const PanelConfiguration *configuration = PanelConfiguration::instance();
    if (configuration->reportDestinationKind() == PanelConfiguration::PanelPrinter)
        showPanelPrinter(configuration->printerPanel(), configuration->printerNumber());
    else
        m_reportOutputSelector->selectFormat(configuration->reportFormat());
    m_reportOutputSelector->activate();
}

void AUK_30107::showPanelPrinter(quint8 panel, quint8 printer)
{
    m_reportOutputSelector->selectPanelPrinter();
    m_panelSelector->activate();
    if (panel < PanelLimit && m_panelSelector->selectPanel(panel)) {
        m_printerSelector->updateModel();
        m_printerSelector->button()->setEnabled(true);
        m_printerSelector->selectPrinter(printer);
    } else {
        m_panelSelector->preselectPanel(false);
    }
}

void AUK_30107::reportDestinationSelected(int destination)
{
    const bool panelPrinter = destination == PanelConfiguration::PanelPrinter;
    followPrinterChoice(panelPrinter);
    setFilterButtonVisible(m_panelSelector, panelPrinter);
    setFilterButtonVisible(m_printerSelector, panelPrinter);
    lozengeBar()->setLeftButtonVisible(!panelPrinter);
}

void AUK_30107::followPrinterChoice(bool follow)
{
    if (follow == m_followsPrinterChoice)
        return;
    if (follow)
        connect(m_printerSelector, &PrinterSelector::updateSelection, this, &AUK_30107::updateLozengeBar);
    else
        disconnect(m_printerSelector, &PrinterSelector::updateSelection, this, &AUK_30107::updateLozengeBar);
    m_followsPrinterChoice = follow;
}

void AUK_30107::updateLozengeBar(int count)
{
    lozengeBar()->setLeftButtonVisible(count > 0);
}

void AUK_30107::saveSelection()
{
    AUK_40057 *popup = nullptr;
    const int destination = m_reportOutputSelector->selectedDestination();
    if (destination == PanelConfiguration::PanelPrinter) {
        // Accept is hidden until a printer is chosen; a press that still
        // comes without one must not store a printer nobody chose.
        if (!m_printerSelector->hasSelection()) {
            qWarning() << "AUK_30107::saveSelection"
                       << "no printer chosen";
            return;
        }
        // The panel whose printers the list shows, which the chosen printer
        // belongs to.
        const quint8 panel = m_printerSelector->listedPanel();
        const quint8 printer = m_printerSelector->selectedPrinter();
        PanelConfiguration::instance()->setPrinterSelection(panel, printer);
        popup = new AUK_40057(panel, printer, nullptr);
    } else if (destination == PanelConfiguration::UsbReportFile) {
        const int format = m_reportOutputSelector->selectedFormat();
        PanelConfiguration::instance()->setReportFormat(format);
        popup = new AUK_40057(format, nullptr);
    } else {
        qWarning() << "AUK_30107::saveSelection"
                   << "no report destination chosen";
        return;
    }
    connect(popup, &BasePopup::rightButtonClicked, this, &AUK_30107::closeClicked);
    ReportEnvironment *environment = ReportEnvironment::installed();
    if (!environment) {
        qWarning() << "AUK_30107::saveSelection"
                   << "no page stack to show the popup on";
        delete popup;
        return;
    }
    environment->push(popup);
}

void AUK_30107::closeClicked()
{
    finishedDlgPopScreen();
}
