#pragma once

#include "listscreens/FilterSelector.h"

#include <QModelIndex>
#include <QPointer>
#include <QStandardItemModel>

class FilterModel;

// One printer of the panel chosen in the filter model, from that panel's
// configured printers. The list is refilled when it is shown for another
// panel than the one it lists.
class PrinterSelector final : public FilterSelector
{
    Q_OBJECT

public:
    // The panel listed before the first fill: no panel has this number.
    static constexpr quint8 NoPanelListed = 253;

    PrinterSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~PrinterSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    quint8 listedPanel() const { return m_listedPanel; }
    bool hasSelection() const;
    // The chosen printer's number, 0 with none chosen.
    quint8 selectedPrinter() const;
    // Chooses the printer's row as a tap would; nothing when it is not listed.
    void selectPrinter(quint8 printer);

signals:
    // The number of chosen rows.
    void updateSelection(int count);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void itemClicked(const QModelIndex &index);
    void updateModel();

private:
    QModelIndex chosenRow() const;

    FilterModel *m_filterModel;
    QPointer<AUK_90008> m_filterButton;
    // Shown until the first fill.
    QStandardItemModel m_emptyModel;
    quint8 m_listedPanel = NoPanelListed;
};
