#pragma once

#include "core/TCTypes.h"
#include "paneldata/PanelPDMContainer.h"

#include <QObject>

#include <array>

// The map of one page for panels 0 to 99.
class PDMContainer final : public QObject
{
    Q_OBJECT

public:
    explicit PDMContainer(QObject *parent = nullptr);

    // Null for a panel without a table (100 and above).
    PanelPDMContainer *panel(quint8 panel);
    const PanelPDMContainer *panel(quint8 panel) const;
    void clear();
    int pointCount() const;

signals:
    void pointDataMapUpdated();

private:
    std::array<PanelPDMContainer, TC::cPanelCount> m_panels;
};
