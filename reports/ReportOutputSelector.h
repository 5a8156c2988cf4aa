#pragma once

#include "listscreens/FilterSelector.h"

#include <QPointer>
#include <QStandardItemModel>

class FilterModel;
class QModelIndex;

// Where reports go: a file in the USB directory in one of the four formats,
// or the printer of a panel. Single choice over five fixed rows, the four
// file formats in format order and then the panel printer.
class ReportOutputSelector final : public FilterSelector
{
    Q_OBJECT

public:
    static constexpr int FormatRole = 143;
    static constexpr int DestinationRole = 144;
    static constexpr int PanelPrinterRow = 4;

    ReportOutputSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~ReportOutputSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    // The chosen row's destination (1 file, 0 panel printer) and file
    // format; -1 with nothing chosen or, for the format, on the printer row.
    int selectedDestination() const;
    int selectedFormat() const;
    // Chooses the row as a tap would; a format without a row chooses nothing.
    void selectFormat(int format);
    void selectPanelPrinter();

signals:
    // The chosen destination: 1 a file, 0 the panel printer.
    void emitSelection(int destination);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void itemClicked(const QModelIndex &index);

private:
    void addRows();
    int selectedValue(int role) const;
    void selectRow(int row);

    QPointer<AUK_90008> m_filterButton;
    QStandardItemModel m_items;
};
