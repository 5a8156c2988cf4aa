#include "frontpanel/simulator/FrontPanelAdaptor.h"

#include "frontpanel/simulator/MainWindow.h"

#include <QDBusMetaType>
#include <QDebug>

namespace {

bool isLit(QChar character)
{
    return character == QLatin1Char('1');
}

// Positions beyond the text keep their state, and so do texts longer than
// the states.
void copyText(const QString &text, QBitArray &bits)
{
    const int count = std::min(int(text.size()), int(bits.size()));
    for (int i = 0; i < count; ++i)
        bits.setBit(i, isLit(text.at(i)));
}

void copyList(const QList<bool> &list, QBitArray &bits)
{
    const int count = std::min(int(list.size()), int(bits.size()));
    for (int i = 0; i < count; ++i)
        bits.setBit(i, list.at(i));
}

QList<bool> toList(const QBitArray &bits)
{
    QList<bool> list;
    list.reserve(bits.size());
    for (int i = 0; i < bits.size(); ++i)
        list << bits.testBit(i);
    return list;
}

} // namespace

FrontPanelAdaptor::FrontPanelAdaptor(MainWindow *window, QObject *parent)
    : QDBusAbstractAdaptor(parent)
    , m_zonalLeds(ZoneLedCount)
    , m_externalZonalLeds(ExternalZoneLedCount)
    , m_window(window)
{
    qDBusRegisterMetaType<QList<bool>>();
    for (int i = 0; i < LedCount; ++i)
        m_leds << false;
}

void FrontPanelAdaptor::setLeds(const QString &ledString)
{
    const int count = std::min(int(ledString.size()), int(m_leds.size()));
    for (int i = 0; i < count; ++i)
        m_leds[i] = isLit(ledString.at(i));
    m_window->setLeds(m_leds);
}

void FrontPanelAdaptor::setLed(int index, bool state)
{
    qDebug("SET LED %d: %s", index, state ? "true" : "false");
    if (index < 0 || index >= m_leds.size()) {
        qWarning() << "FrontPanelAdaptor::setLed"
                   << "no LED" << index;
        return;
    }
    m_leds[index] = state;
    m_window->setLeds(m_leds);
}

bool FrontPanelAdaptor::setLeds(const QList<bool> &status)
{
    const int count = std::min(int(status.size()), int(m_leds.size()));
    for (int i = 0; i < count; ++i)
        m_leds[i] = status.at(i);
    m_window->setLeds(m_leds);
    return true;
}

QList<bool> FrontPanelAdaptor::getLeds()
{
    return m_leds;
}

void FrontPanelAdaptor::setBuzzer(const QString &buzz)
{
    setBuzzer(buzz == QLatin1String("1"));
}

void FrontPanelAdaptor::setBuzzer(bool buzz)
{
    m_buzzer = buzz;
    m_window->setBuzzer(buzz);
}

bool FrontPanelAdaptor::getBuzzer()
{
    return m_buzzer;
}

void FrontPanelAdaptor::setPanel(const QString &panelStr)
{
    m_window->setWindowTitle(panelStr);
}

void FrontPanelAdaptor::sendPhysicalKeyStatus()
{
    m_window->sendPhysicalKeyStatus();
}

void FrontPanelAdaptor::setZonalLeds(const QString &ledString)
{
    copyText(ledString, m_zonalLeds);
    m_window->setZonalLeds(m_zonalLeds);
}

bool FrontPanelAdaptor::setZonalLeds(const QList<bool> &status)
{
    copyList(status, m_zonalLeds);
    m_window->setZonalLeds(m_zonalLeds);
    return true;
}

QList<bool> FrontPanelAdaptor::getZonalLeds()
{
    return toList(m_zonalLeds);
}

void FrontPanelAdaptor::setExternalZonalLeds(const QString &ledString)
{
    copyText(ledString, m_externalZonalLeds);
    m_window->setExternalZonalLeds(m_externalZonalLeds);
}

bool FrontPanelAdaptor::setExternalZonalLeds(const QList<bool> &status)
{
    copyList(status, m_externalZonalLeds);
    m_window->setExternalZonalLeds(m_externalZonalLeds);
    return true;
}

QList<bool> FrontPanelAdaptor::getExternalZonalLeds()
{
    return toList(m_externalZonalLeds);
}
