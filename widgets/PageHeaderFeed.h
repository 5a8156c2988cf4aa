#pragma once

#include "core/SC_Singleton.h"

#include <QObject>

// What the live page frame needs from the engine's state, which lives on
// floors above the widgets: the connection and banner, the logged-on user,
// the brand, the status and footer icons, the touch screen and the USB
// stick. The start-up installs a Source and connects the engine's signals
// to the feed's; frames ask the source whenever they rebuild and follow the
// feed's signals. Until a source is installed the frame sees no link, no
// user and no icons.
class PageHeaderFeed final
    : public QObject
    , public SC_Singleton<PageHeaderFeed>
{
    Q_OBJECT

public:
    // The status-icon controller's numbering.
    enum FlashMode { Steady = 0, SlowFlash = 1, FastFlash = 2 };
    static constexpr int StatusIconCount = 9;
    static constexpr int FooterIconCount = 2;

    class Source
    {
    public:
        virtual ~Source();
        virtual bool isEthernetOrRbusConnected() const = 0;
        virtual bool isE30Connected() const = 0;
        virtual int bannerStatus() const = 0;
        // Faults, disablements, alarm warnings or a walk test anywhere.
        virtual bool hasSystemPanelActivity() const = 0;
        virtual int userLevel() const = 0;
        virtual int brand() const = 0;
        virtual bool isStatusIconOn(int icon) const = 0;
        virtual FlashMode statusIconFlashMode(int icon) const = 0;
        virtual bool isFooterIconOn(int icon) const = 0;
    };

    // Not owned; null restores the empty source.
    void install(Source *source);
    // Never null.
    const Source *source() const;

    bool isStickPresent() const { return m_stickPresent; }

public slots:
    // The start-up sets the stick's state once and then connects the USB
    // controller's change signal here.
    void setStickPresent(bool present);

signals:
    void stateChanged();
    void statusIconChanged(int icon, bool on);
    void statusIconSlowFlashChanged(int icon, bool on);
    void statusIconFastFlashChanged(int icon, bool on);
    void footerIconChanged(int icon, bool on);
    void statusIconsUpdated();
    void touchscreenPressed();
    void touchscreenReleased();
    void usbStatusChange(bool present);

private:
    friend class SC_Singleton<PageHeaderFeed>;

    PageHeaderFeed() = default;

    Source *m_source = nullptr;
    bool m_stickPresent = false;
};
