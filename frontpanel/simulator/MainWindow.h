#pragma once

#include <QBitArray>
#include <QDBusMessage>
#include <QList>
#include <QMainWindow>

#include <memory>

// The simulator's top-level window: a picture of the panel front with the
// engine's 640 x 480 screen in its top-left corner. It plays the front-panel
// service: its keys, touches, key switch and USB socket go out as the
// service's bus signals, and the service's LED and buzzer calls come back to
// it through FrontPanelAdaptor.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Reports whether the access key is in.
    void sendPhysicalKeyStatus();
    // Entries 0 to 16 of the LED table; a shorter list leaves the rest.
    void setLeds(const QList<bool> &leds);
    // Bits 0 to 15 are zone LEDs 1 to 16; a shorter array leaves the rest.
    void setZonalLeds(const QBitArray &leds);
    // The simulated front has no external zone LEDs.
    void setExternalZonalLeds(const QBitArray &leds);
    // Every call that turns it on beeps once.
    void setBuzzer(bool on);

    // The panel front; an empty sheet keeps the current one.
    void setMyStyleSheet(const QString &styleSheet);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void onPhysicalKeyClicked();
    void onUSBButtonClicked();

private:
    struct Widgets;

    void sendSoftKey(const QString &key);
    void send(QDBusMessage message, const QVariantList &arguments = {});
    void ShowKeyImage(bool in);
    void ShowUSBImage(bool in);

    QDBusMessage m_softKeyClicked;
    QDBusMessage m_touchscreenPressed;
    QDBusMessage m_touchscreenReleased;
    QDBusMessage m_keyswitchUpdate;
    QDBusMessage m_usbStickUpdate;
    std::unique_ptr<Widgets> m_widgets;
    bool m_keyInserted = false;
    bool m_usbInserted = false;
};
