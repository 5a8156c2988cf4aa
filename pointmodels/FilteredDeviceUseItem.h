#pragma once

#include <QStandardItem>

// A device use that fits the chosen address, with how many addresses it
// takes.
class FilteredDeviceUseItem final : public QStandardItem
{
public:
    FilteredDeviceUseItem(quint16 deviceUse, const QString &text, int addressCount)
        : m_deviceUse(deviceUse)
        , m_text(text)
        , m_addressCount(addressCount)
    {
    }

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    quint16 m_deviceUse;
    QString m_text;
    int m_addressCount;
};
