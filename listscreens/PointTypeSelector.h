#pragma once

#include "listscreens/SingleChoiceSelector.h"

// The choice of the kind of a point off the loops: real, pseudo, XBUS,
// timer or menu, written to the filter model as its point type.
class PointTypeSelector final : public SingleChoiceSelector
{
    Q_OBJECT

public:
    PointTypeSelector(FilterModel *model, QButtonGroup *group, QObject *parent);

    // The rows the chosen location offers; the panel's configuration may
    // withhold pseudo and menu points.
    void fillTypes(bool localIoTypes, bool xbusType);

private:
    void write(int value) override;
};
