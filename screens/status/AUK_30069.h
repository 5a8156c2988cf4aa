#pragma once

#include "listscreens/AUK_10017.h"
#include "pointmodels/FilterModel.h"

class PanelSelector;
class StatusSelector;

// The event log by status: the operator picks event status kinds, whether
// only unrestored events count, and a panel of the network (or all), then
// views the matching events as cards.
class AUK_30069 final : public AUK_10017
{
    Q_OBJECT

public:
    explicit AUK_30069(QWidget *parent = nullptr);
    ~AUK_30069() override;

    StatusSelector *statusSelector() const { return m_statusSelector; }
    PanelSelector *panelSelector() const { return m_panelSelector; }

public slots:
    void updateLozengeBar(int value);
    void sendSlot();
    void unRestoredCheckBoxValueChanged(bool checked);
    void rememberSelectedPanel();
    void setRememberedPanel();

private:
    FilterModel m_filterModel;
    StatusSelector *m_statusSelector;
    PanelSelector *m_panelSelector;
    bool m_unrestoredOnly = false;
    quint8 m_rememberedPanel = 255;
};
