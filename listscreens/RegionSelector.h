#pragma once

#include "listscreens/FilterSelector.h"

#include <QPointer>

class AUK_90015;
class AUK_90053;
class FilterModel;

// The address of one point off the loops, typed on the numeric keypad. Its
// boxes follow the kind of channel the point lies on; the point type's
// letter stands in a grey box, and the first two digits of an address on
// a bus or the network give the node or region, stored in the filter model
// on OK.
class RegionSelector final : public FilterSelector
{
    Q_OBJECT

public:
    enum AddressType : int { None = 0, LocalIo = 1, FrontPanelBus = 2, Network = 3, Sbus = 4, NonLoop = 5 };

    RegionSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~RegionSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    void setAddressType(int type);
    // The typed digits, without the letter of a local input or output.
    QString address() const;
    void setAddress(const QString &address);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;

private slots:
    void updateAddressType();
    void updateAddress(const QString &value);
    void keypadOk();
    void keypadDel();

private:
    bool isBusType() const { return m_addressType >= FrontPanelBus && m_addressType <= NonLoop; }
    // Local inputs and outputs are typed from the right, the rest from the left.
    bool fromTheLeft() const { return m_addressType != LocalIo; }
    QString letterOf(int pointType) const;
    void showLetter(int pointType, const QString &letter);

    QPointer<FilterModel> m_model;
    QPointer<AUK_90053> m_addressButton;
    QPointer<AUK_90015> m_keypad;
    int m_addressType = LocalIo;
};
