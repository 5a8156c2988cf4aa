#pragma once

#include "listscreens/SingleChoiceSelector.h"

// The choice of where a point lies: a loop, the local inputs and outputs,
// the front-panel bus, the network, the SBUS or any non-loop channel,
// written to the filter model as its channel kind.
class LocationSelector final : public SingleChoiceSelector
{
    Q_OBJECT

public:
    LocationSelector(FilterModel *model, QButtonGroup *group, bool showNonLoop, QObject *parent);

    // The location kind of the chosen row, 0 with none chosen.
    quint8 selectedLocation() const;

private:
    void addFirstRows() override;
    void write(int value) override;

    bool m_showNonLoop;
};
