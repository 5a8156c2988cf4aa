#pragma once

#include <QStandardItem>

// A printer of a panel: its name in the current language.
class FilteredModelPrinterItem final : public QStandardItem
{
public:
    FilteredModelPrinterItem(quint8 panel, quint8 printerNumber, quint8 printerByte)
        : m_panel(panel)
        , m_printerNumber(printerNumber)
        , m_printerByte(printerByte)
    {
    }

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    quint8 m_panel;
    quint8 m_printerNumber;
    quint8 m_printerByte;
};
