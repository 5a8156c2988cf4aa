#pragma once

#include <QStandardItem>

// A custom task of a panel, checked while the task is on.
class FilteredModelTaskItem final : public QStandardItem
{
public:
    // Tasks are the points of the panel's task channel.
    static constexpr quint8 TaskChannelKind = 0;
    static constexpr quint8 TaskChannelNumber = 4;
    static constexpr quint8 TaskChannelAddress = 0;

    FilteredModelTaskItem(quint8 panel, quint8 task)
        : m_panel(panel)
        , m_task(task)
    {
    }

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    quint8 m_panel;
    quint8 m_task;
};
