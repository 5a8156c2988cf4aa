#include "listscreens/PointAddressSelector.h"

#include "listscreens/AddressKeypad.h"
#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90053.h"

#include <QButtonGroup>

namespace {

// The boxes of a loop address: 1, 3 and 5; 2 and 4 stay hidden.
constexpr int HiddenBoxes[] = {1, 3};
constexpr bool FromTheRight = false;

} // namespace

PointAddressSelector::PointAddressSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, false)
    , m_model(model)
    , m_addressButton(new AUK_90053)
{
    m_addressButton->setButtonLabel(tr("_POINT_ABTN"));
    m_addressButton->setCheckable(true);
    for (int box : HiddenBoxes)
        m_addressButton->setFieldVisible(box, false);
    if (m_group)
        m_group->addButton(m_addressButton.data());
    connect(m_addressButton.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
}

PointAddressSelector::~PointAddressSelector()
{
    delete m_addressButton.data();
    delete m_keypad.data();
}

QWidget *PointAddressSelector::button()
{
    return m_addressButton.data();
}

QWidget *PointAddressSelector::filterEditor()
{
    if (!m_keypad)
        m_keypad = makeAddressKeypad(this, &PointAddressSelector::updateAddress, &PointAddressSelector::keypadOk,
                                     &PointAddressSelector::keypadDel);
    return m_keypad.data();
}

QString PointAddressSelector::address() const
{
    return m_addressButton->digits();
}

void PointAddressSelector::setAddress(const QString &address)
{
    m_addressButton->setDigits(address);
}

void PointAddressSelector::updateAddress(const QString &value)
{
    m_addressButton->insertValue(value);
    emit valueChanged(0);
    m_keypad->activeNumericDelButton();
}

void PointAddressSelector::keypadOk()
{
    // Three boxes take up to 999, a point number only up to 255: a larger
    // one is not confirmed, and its digits stay for correction, so that no
    // wrapped number reaches a command.
    bool number = false;
    const int typed = address().toInt(&number);
    emit valueChanged(number && typed > HighestAddress ? 0 : 1);
}

void PointAddressSelector::keypadDel()
{
    m_addressButton->clearValues(FromTheRight);
    emit valueChanged(0);
    m_keypad->greyOutNumericDelButton();
}

void PointAddressSelector::reset(bool disableFilterButton)
{
    if (disableFilterButton)
        m_addressButton->clearAndDisable(FromTheRight);
    else
        m_addressButton->clearAndEnable(FromTheRight);
}

void PointAddressSelector::activate()
{
    activateButton(m_addressButton.data());
}

void PointAddressSelector::deactivate()
{
    deactivateButton(m_addressButton.data());
}
