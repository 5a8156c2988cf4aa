#pragma once

#include "listscreens/FilterSelector.h"

#include <QPointer>
#include <QStandardItemModel>
#include <QStringList>

class FilterModel;

// The four settings of the GUI-configuration screen. Each holds one value,
// starting from the stored configuration and shown as the chosen row; the
// screen reads the values when the user confirms. A row's value is its row
// number.
class GuiConfigSelector : public FilterSelector
{
    Q_OBJECT

public:
    // The item data role of a row's value.
    static constexpr int ValueRole = Qt::UserRole + 1;

    ~GuiConfigSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    int value() const { return m_value; }
    void setValue(int value) { m_value = value; }

signals:
    void itemSelected(int index);

public slots:
    // Keeps the button's text and the list's choice: the screen shows the
    // stored values again itself after a change of the GUI mode.
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    virtual void itemClicked(const QModelIndex &index) = 0;

protected:
    // The rows carry their value in ValueRole when valueRole is set.
    GuiConfigSelector(QButtonGroup *group, QObject *parent, const QString &label, const QStringList &rows,
                      bool valueRole, int value);

    // Selects the value's row; a value no row holds selects nothing.
    void selectValueRow();
    // The first chosen row, invalid without one.
    QModelIndex firstSelected() const;
    int selectedCount() const;
    int currentRow() const;

    QPointer<AUK_90008> m_button;

private:
    QStringList m_rowTexts;
    bool m_valueRole;
    QStandardItemModel m_rows;
    int m_value;
};

// Ethernet, Ethernet with backup, or one of two repeaters on the
// front-panel bus; the Saltmarsh brand has no second repeater kind.
class GuiModeSelecter final : public GuiConfigSelector
{
    Q_OBJECT

public:
    GuiModeSelecter(FilterModel *model, QButtonGroup *group, QObject *parent);

    // Shows the value's row as chosen and reports it as a click does.
    void showStoredValue();

public slots:
    // The screen stores the chosen mode itself.
    void itemClicked(const QModelIndex &index) override;
};

// The settings whose choice is kept as the value at once.
class StoredRowSelector : public GuiConfigSelector
{
    Q_OBJECT

public:
    // Shows the value's row as chosen, without a report.
    void restoreSelection();

public slots:
    void itemClicked(const QModelIndex &index) override;

protected:
    using GuiConfigSelector::GuiConfigSelector;
};

// The front-panel bus address 1 to 15; the value is the row, the address
// minus one.
class RBusAddressSelector final : public StoredRowSelector
{
    Q_OBJECT

public:
    RBusAddressSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
};

// Whether the front-panel bus link is monitored; always monitored while
// the panel is an Ethernet one.
class RBusModeSelector final : public StoredRowSelector
{
    Q_OBJECT

public:
    RBusModeSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
};

// The zonal LED scheme: the bus configuration or the legacy one.
class ZonalLedSelector final : public StoredRowSelector
{
    Q_OBJECT

public:
    ZonalLedSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
};
