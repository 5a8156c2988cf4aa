#pragma once

#include <QStandardItem>

// A panel to choose: its name in the current language.
class FilteredModelPanelItem final : public QStandardItem
{
public:
    explicit FilteredModelPanelItem(quint8 panel)
        : m_panel(panel)
    {
    }

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    quint8 m_panel;
};
