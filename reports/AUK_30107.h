#pragma once

#include "listscreens/AUK_10017.h"
#include "pointmodels/FilterModel.h"

class PanelSelector;
class PrinterSelector;
class ReportOutputSelector;

// The printer settings: where reports go, a file in the USB directory in
// one of its formats or a panel's printer. It opens on the setting in
// force; Accept stores the choice and confirms it in a popup whose Close
// leaves the screen. Leaving without Accept changes nothing.
class AUK_30107 final : public AUK_10017
{
    Q_OBJECT

public:
    explicit AUK_30107(QWidget *parent = nullptr);
    ~AUK_30107() override;

    ReportOutputSelector *reportOutputSelector() const { return m_reportOutputSelector; }
    PanelSelector *panelSelector() const { return m_panelSelector; }
    PrinterSelector *printerSelector() const { return m_printerSelector; }

public slots:
    void reportDestinationSelected(int destination);
    void saveSelection();
    void closeClicked();
    void updateLozengeBar(int count);

private:
    void showCurrentSetting();
    void showPanelPrinter(quint8 panel, quint8 printer);
    void followPrinterChoice(bool follow);

    FilterModel m_filterModel;
    ReportOutputSelector *m_reportOutputSelector;
    PanelSelector *m_panelSelector;
    PrinterSelector *m_printerSelector;
    // Whether the printer choice shows and hides Accept.
    bool m_followsPrinterChoice = false;
};
