#include "listscreens/RegionSelector.h"

#include "core/TeskGlobalConfig.h"
#include "listscreens/AddressKeypad.h"
#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90053.h"

#include <QButtonGroup>
#include <QCoreApplication>

#include <iterator>

namespace {

// Box n of the button is field n - 1.
constexpr int Box1 = 0;
constexpr int Box2 = 1;
constexpr int Box3 = 2;
constexpr int Box4 = 3;

constexpr int RealPoint = 0;
constexpr int PseudoPoint = 1;
constexpr int XbusPoint = 2;
constexpr int HighestPointType = 4;

// The label of each address type; none for an unknown one.
QString labelOf(int type)
{
    static const char *const labels[] = {
        nullptr,
        QT_TRANSLATE_NOOP("RegionSelector", "_LOCAL_IO_ABTN"),
        QT_TRANSLATE_NOOP("RegionSelector", "_RBUS_ABTN"),
        QT_TRANSLATE_NOOP("RegionSelector", "_LNET_ABTN"),
        QT_TRANSLATE_NOOP("RegionSelector", "_SBUS_ABTN"),
        QT_TRANSLATE_NOOP("RegionSelector", "_NON_LOOP_ABTN"),
    };
    if (type <= 0 || type >= int(std::size(labels)))
        return QString();
    return QCoreApplication::translate("RegionSelector", labels[type]);
}

} // namespace

RegionSelector::RegionSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, false)
    , m_model(model)
    , m_addressButton(new AUK_90053)
{
    m_addressButton->setCheckable(true);
    if (m_group)
        m_group->addButton(m_addressButton.data());
    connect(m_addressButton.data(), &QAbstractButton::clicked, this, &RegionSelector::updateAddressType);
}

RegionSelector::~RegionSelector()
{
    delete m_addressButton.data();
    delete m_keypad.data();
}

QWidget *RegionSelector::button()
{
    return m_addressButton.data();
}

QWidget *RegionSelector::filterEditor()
{
    if (!m_keypad)
        m_keypad = makeAddressKeypad(this, &RegionSelector::updateAddress, &RegionSelector::keypadOk,
                                     &RegionSelector::keypadDel);
    m_keypad->greyOutNumericDelButton();
    return m_keypad.data();
}

void RegionSelector::setAddressType(int type)
{
    m_addressType = type;
    reset(true);
    const bool bus = isBusType();
    m_addressButton->setValue6Visible(bus);
    m_addressButton->setButtonLabel(labelOf(type));
    if (type == None)
        return;
    // A local input or output has the point type's letter in box 1 and one
    // number; the others take the node or region first.
    const bool localIo = type == LocalIo;
    m_addressButton->setGreyBox(Box1, localIo);
    m_addressButton->setFieldVisible(Box2, !localIo);
    m_addressButton->setFieldVisible(Box4, !localIo);
    if (localIo)
        m_addressButton->setGreyBox(Box3, false);
    m_addressButton->setCheckable(true);
}

QString RegionSelector::address() const
{
    const QString digits = m_addressButton->digits();
    return m_addressType == LocalIo ? digits.mid(1) : digits;
}

void RegionSelector::setAddress(const QString &address)
{
    if (m_addressType != None)
        m_addressButton->setDigits(address);
}

QString RegionSelector::letterOf(int pointType) const
{
    if (pointType < RealPoint || pointType > HighestPointType)
        return QStringLiteral("?");
    // An XBUS point has a letter only among the local inputs and outputs.
    if (pointType == XbusPoint && m_addressType != LocalIo)
        return QString();
    return QString(TeskGlobalConfig::instance()->getAddressTypeChar(pointType));
}

void RegionSelector::showLetter(int pointType, const QString &letter)
{
    if (m_addressType == LocalIo) {
        m_addressButton->setFieldValue(Box1, letter);
        return;
    }
    if (!isBusType())
        return;
    if (pointType == RealPoint || pointType == PseudoPoint) {
        m_addressButton->setFieldValue(Box3, letter);
        m_addressButton->setGreyBox(Box3, true);
    } else if (pointType == XbusPoint) {
        // An XBUS address is typed whole: a letter left from another type goes.
        m_addressButton->setGreyBox(Box3, false);
        const QString digits = m_addressButton->digits();
        if (digits.contains(QLatin1Char('R')) || digits.contains(QLatin1Char('P')))
            m_addressButton->setFieldValue(Box3, QString());
    }
}

void RegionSelector::updateAddressType()
{
    const int pointType = m_model ? m_model->pointType : RealPoint;
    showLetter(pointType, letterOf(pointType));
    emit activated();
}

void RegionSelector::updateAddress(const QString &value)
{
    if (m_addressType == LocalIo)
        m_addressButton->insertValue(value);
    else if (m_addressType != None)
        m_addressButton->insertValue(true, value);
    emit valueChanged(0);
    if (m_keypad)
        m_keypad->activeNumericDelButton();
}

void RegionSelector::keypadOk()
{
    if (m_model && m_addressType == LocalIo) {
        m_model->regionNumber = 0;
    } else if (m_model && isBusType()) {
        bool number = false;
        const int region = m_addressButton->digits().left(2).toInt(&number);
        m_model->regionNumber = number ? quint8(region) : 0;
    }
    emit valueChanged(1);
}

void RegionSelector::keypadDel()
{
    if (m_addressType != None)
        m_addressButton->clearValues(fromTheLeft());
    emit valueChanged(0);
    if (m_keypad)
        m_keypad->greyOutNumericDelButton();
}

void RegionSelector::reset(bool disableFilterButton)
{
    if (m_addressType == None && !disableFilterButton)
        return;
    if (disableFilterButton)
        m_addressButton->clearAndDisable(fromTheLeft());
    else
        m_addressButton->clearAndEnable(fromTheLeft());
    if (m_addressType == LocalIo) {
        m_addressButton->setFieldValue(Box3, QString());
    } else if (m_addressType < None || m_addressType > NonLoop) {
        m_addressButton->setFieldValue(Box1, QString());
        m_addressButton->setFieldValue(Box3, QStringLiteral("-"));
    }
}

void RegionSelector::activate()
{
    m_addressButton->setChecked(true);
    updateAddressType();
}

void RegionSelector::deactivate()
{
    deactivateButton(m_addressButton.data());
}
