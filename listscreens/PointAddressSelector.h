#pragma once

#include "listscreens/FilterSelector.h"

#include <QPointer>

class AUK_90015;
class AUK_90053;
class FilterModel;

// The address of one point on a loop, typed on the numeric keypad into
// three boxes. Typing and deleting report 0, a confirmed address 1.
class PointAddressSelector final : public FilterSelector
{
    Q_OBJECT

public:
    static constexpr int HighestAddress = 255;

    PointAddressSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~PointAddressSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    QString address() const;
    void setAddress(const QString &address);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;

private slots:
    void updateAddress(const QString &value);
    void keypadOk();
    void keypadDel();

private:
    QPointer<FilterModel> m_model;
    QPointer<AUK_90053> m_addressButton;
    QPointer<AUK_90015> m_keypad;
};
