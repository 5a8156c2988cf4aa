#pragma once

#include <QBitArray>
#include <QDBusAbstractAdaptor>
#include <QList>

class MainWindow;

// Answers the engine's front-panel calls for the simulator window: the
// engine serves, through the window, the interface it also calls as a
// client. It keeps the LED and buzzer states, which the window does not.
// Calls come from outside the process too, so every index and length is
// checked: a setter changes only the states it is given.
class FrontPanelAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "vemo.frontpanel")

public:
    static constexpr int LedCount = 18;
    static constexpr int ZoneLedCount = 16;
    static constexpr int ExternalZoneLedCount = 240;

    FrontPanelAdaptor(MainWindow *window, QObject *parent);

public slots:
    void setLeds(const QString &ledString);
    void setLed(int index, bool state);
    bool setLeds(const QList<bool> &status);
    QList<bool> getLeds();
    void setBuzzer(const QString &buzz);
    void setBuzzer(bool buzz);
    bool getBuzzer();
    void setPanel(const QString &panelStr);
    void sendPhysicalKeyStatus();
    void setZonalLeds(const QString &ledString);
    bool setZonalLeds(const QList<bool> &status);
    QList<bool> getZonalLeds();
    void setExternalZonalLeds(const QString &ledString);
    bool setExternalZonalLeds(const QList<bool> &status);
    QList<bool> getExternalZonalLeds();

private:
    QList<bool> m_leds;
    QBitArray m_zonalLeds;
    QBitArray m_externalZonalLeds;
    bool m_buzzer = false;
    MainWindow *m_window;
};
