#pragma once

#include <QStandardItem>

// A device type: its description in the current language and its tag.
class FilteredModelDeviceItem final : public QStandardItem
{
public:
    explicit FilteredModelDeviceItem(quint8 deviceType)
        : m_deviceType(deviceType)
    {
    }

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    quint8 m_deviceType;
};
