#include "paneldata/PointAddressBuilderLK6.h"

#include "core/TeskGlobalConfig.h"
#include "paneldata/ChannelNames.h"
#include "pointmodels/model.h"

#include <QDebug>

using namespace ChannelNames;

namespace {

constexpr int ChannelPointWidth = 6;
constexpr int AddressDisplayShort = 1;
const QString ThreeBlanks = QStringLiteral("   ");

QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

bool oneOf(quint8 value, std::initializer_list<quint8> values)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

QString PointAddressBuilderLK6::separator() const
{
    return m_displayMode == AddressDisplayShort ? QStringLiteral("/") : QStringLiteral(" ");
}

QString PointAddressBuilderLK6::letterText(Letter letter) const
{
    switch (letter) {
    case Letter::OfChannelNumber: {
        const QChar letter = TeskGlobalConfig::instance()->getAddressTypeChar(m_point.channelNumber);
        return letter.isNull() ? QString() : QString(letter);
    }
    case Letter::Blank:
        return QStringLiteral(" ");
    case Letter::Unknown:
        return QStringLiteral("?");
    case Letter::None:
        break;
    }
    return {};
}

void PointAddressBuilderLK6::channelPointForm(const QString &name, Letter letter)
{
    const int width = ChannelPointWidth - name.size();
    const bool blankPoint =
        m_point.channelKind == 14 || (m_point.point == 255 && oneOf(m_point.channelKind, {2, 3, 4}));
    QString shownName = name;
    if (m_displayMode == AddressDisplayShort && m_blankPattern.match(name).hasMatch())
        shownName.clear();
    const QString point = blankPoint ? ThreeBlanks : QString::number(m_point.point);
    m_result = QStringLiteral("%1%2%3%4")
                   .arg(separator(), shownName, letterText(letter), point.rightJustified(width, QLatin1Char('0')));
}

void PointAddressBuilderLK6::localForm(const QString &name)
{
    m_result = QStringLiteral("%1%2%3%4%5")
                   .arg(separator(), name, digits(m_point.channelAddress, 2), letterText(Letter::OfChannelNumber),
                        digits(m_point.point, 2));
}

void PointAddressBuilderLK6::loopOnlyForm()
{
    m_result = separator() + loopLabel(m_point.channelAddress, ConfiguredLoopFormat);
}

void PointAddressBuilderLK6::loopPointForm()
{
    QString label = loopLabel(m_point.channelAddress, m_numericLoopMode ? 1 : ConfiguredLoopFormat);
    const QString letter = m_separatorLetter.isNull() ? QString() : QString(m_separatorLetter);
    if (!m_logicalAddressing || m_point.channelNumber != 0) {
        if (m_displayMode == AddressDisplayShort && !m_numericLoopMode)
            label.clear();
        if (m_point.channelNumber == 1)
            m_result = QStringLiteral(" %1").arg(label);
        else if (!letter.isEmpty())
            m_result = QStringLiteral(" %1%2%3").arg(label, letter, digits(m_point.point, 3));
        else if (m_numericLoopMode)
            m_result = QStringLiteral("/%1-%2").arg(label, digits(m_point.point, 3));
        else
            m_result = QStringLiteral(" %1%2").arg(label, digits(m_point.point, 3));
        return;
    }

    int number = m_point.point;
    if (!m_physicalForced) {
        number = m_logicalPointNumber;
        if (m_logicalPointNumber > 250)
            number = model::instance()->logicalPointNumber(m_point.panel, m_point.channelKind, m_point.channelNumber,
                                                           m_point.channelAddress, m_point.point);
    }
    const QString shown = digits(number, 3);
    if (m_displayMode == AddressDisplayShort) {
        if (!m_physicalForced)
            m_result = QStringLiteral("/%1").arg(shown);
        else
            m_result = QStringLiteral("%1%2%3%4")
                           .arg(m_point.panel == 0 ? QString() : QStringLiteral("/"), label, letter, shown);
    } else if (m_physicalForced) {
        m_result = QStringLiteral(" %1%2%3").arg(label, letter, shown);
    } else {
        m_result = QStringLiteral("-%1%2%3").arg(
            shown, label.size() < 2 ? QStringLiteral("    ") : QStringLiteral("   "), label);
    }
}

void PointAddressBuilderLK6::kind14Form()
{
    const quint8 address = m_point.channelAddress;
    if (oneOf(address, {0, 1, 4}))
        channelPointForm(nameOf(idByKindAndAddress(14, address)), Letter::None);
    else if (oneOf(address, {2, 3, 5, 6}))
        channelPointForm(nameOf(idByAddress(address)), Letter::None);
    else
        channelPointForm(nameOf(11), Letter::Unknown);
}

void PointAddressBuilderLK6::kind15Form()
{
    const quint8 address = m_point.channelAddress;
    if (oneOf(address, {0, 1, 4}))
        channelPointForm(nameOf(idByKindAndAddress(15, address)), Letter::Blank);
    else if (oneOf(address, {2, 3, 5, 6}))
        channelPointForm(nameOf(idByAddress(address)), Letter::Blank);
    else if (address == 12)
        loopPointForm();
    else
        channelPointForm(nameOf(3), Letter::Blank);
}

void PointAddressBuilderLK6::constructAction()
{
    const quint8 kind = m_point.channelKind;
    const quint8 address = m_point.channelAddress;
    switch (kind) {
    case 0:
        if (address == 0)
            channelPointForm(nameOf(idByKind(kind)));
        else if (address == 28)
            channelPointForm(nameOf(idByAddress(address)) + QLatin1Char(' '));
        else
            channelPointForm(nameOf(1));
        break;
    case 1:
    case 5:
    case 6:
        localForm(nameOf(idByKind(kind)));
        break;
    case 2:
    case 3:
        channelPointForm(nameOf(address == 0 ? idByKindAndAddress(kind, address) : 1));
        break;
    case 4:
        if (address == 0)
            channelPointForm(nameOf(idByKindAndAddress(kind, address)));
        else if (address == 28)
            channelPointForm(nameOf(idByAddress(address)));
        else
            channelPointForm(nameOf(1));
        break;
    case 7:
        channelPointForm(nameOf(2));
        break;
    case 12:
        if (address >= 1 && address <= 32) {
            if (m_loopOnly)
                loopOnlyForm();
            else
                loopPointForm();
        } else {
            channelPointForm(nameOf(2));
        }
        break;
    case 13:
        if (address >= 1 && address <= 99) {
            localForm(nameOf(idByKind(kind)));
        } else {
            qWarning("PointAddressBuilderLK6::constructAction reached TC::cCHAN_NON_LOOPS\n");
            qWarning("Channel 13 is not used for local I/O");
            channelPointForm(nameOf(1));
        }
        break;
    case 14:
        kind14Form();
        break;
    case 15:
        kind15Form();
        break;
    default:
        channelPointForm(nameOf(address == 255 ? 2 : 3));
        break;
    }
}
