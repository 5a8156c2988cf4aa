#pragma once

#include "widgets/Page.h"

#include <QObjectList>
#include <QPixmap>
#include <QString>

class QHBoxLayout;
class QLabel;

// The frame of every full screen: a coloured header (screen icon, title,
// status icons, investigate-delay countdown) over a shadow, the screen's
// content, and a footer (date, user text, USB, extinguishing and touch
// indicators, time). The colour, the flavour, is decided by the live frame
// AUK_90001A; this class only lays out and shows.
class AUK_90001 : public Page
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QPixmap iconBlueFlavour READ iconBlueFlavour WRITE setIconBlueFlavour)
    Q_PROPERTY(QPixmap iconYellowFlavour READ iconYellowFlavour WRITE setIconYellowFlavour)
    Q_PROPERTY(QPixmap iconRedFlavour READ iconRedFlavour WRITE setIconRedFlavour)
    Q_PROPERTY(QPixmap logoBlueFlavour READ logoBlueFlavour WRITE setLogoBlueFlavour)
    Q_PROPERTY(QPixmap logoYellowFlavour READ logoYellowFlavour WRITE setLogoYellowFlavour)
    Q_PROPERTY(QPixmap logoRedFlavour READ logoRedFlavour WRITE setLogoRedFlavour)
    Q_PROPERTY(Flavour flavour READ flavour WRITE setFlavour)
    Q_PROPERTY(QString invDelayTime READ invDelayTime WRITE setInvDelayTime)

public:
    enum Flavour { BLUE = 0, YELLOW = 1, RED = 2, ENDOFFLAVOURLIST = 3 };
    Q_ENUM(Flavour)

    explicit AUK_90001(QWidget *parent = nullptr);
    ~AUK_90001() override;

    QString title() const;
    void setTitle(const QString &title);
    QPixmap iconBlueFlavour() const { return m_icons[BLUE]; }
    void setIconBlueFlavour(const QPixmap &icon) { m_icons[BLUE] = icon; }
    QPixmap iconYellowFlavour() const { return m_icons[YELLOW]; }
    void setIconYellowFlavour(const QPixmap &icon) { m_icons[YELLOW] = icon; }
    QPixmap iconRedFlavour() const { return m_icons[RED]; }
    void setIconRedFlavour(const QPixmap &icon) { m_icons[RED] = icon; }
    // The home icon in each banner colour, as the status screens show it.
    void setHomeIcons();
    // Kept for the screens' forms; the frame never shows the logos.
    QPixmap logoBlueFlavour() const { return m_logos[BLUE]; }
    void setLogoBlueFlavour(const QPixmap &logo) { m_logos[BLUE] = logo; }
    QPixmap logoYellowFlavour() const { return m_logos[YELLOW]; }
    void setLogoYellowFlavour(const QPixmap &logo) { m_logos[YELLOW] = logo; }
    QPixmap logoRedFlavour() const { return m_logos[RED]; }
    void setLogoRedFlavour(const QPixmap &logo) { m_logos[RED] = logo; }
    Flavour flavour() const { return m_flavour; }
    // A value outside BLUE to RED changes nothing.
    void setFlavour(Flavour flavour);
    QString invDelayTime() const;
    void setInvDelayTime(const QString &text);

    // The screens pass the header ids as plain integers; the numbering is
    // fixed. An id without a title empties it.
    void setTitleById(int id);
    // The logged-on user's permission level as the security state holds it.
    void setFooterUserText(int permissionLevel);
    void updateTextAlignment();

    void addStatusIconWidget(QWidget *widget);
    // The widgets themselves stay; only the layout forgets them.
    void clearStatusIconWidgets();
    void showInvDelayTime(bool show);
    void setExtinguishRelease(bool active);
    void setExtinguishFault(bool active);

    // Lays out the visible icon buttons among the children (the page's own
    // when none are given) as a menu grid and puts the first info pane in
    // its place beside it.
    void arrangeIconButtons(const QObjectList &children = QObjectList());

public slots:
    void screenPressed();
    void screenReleased();
    void usbStatusChange(bool bState);

protected slots:
    void updateFooterTime(const QString &timestring);
    void updateFooterDate(const QString &datestring);

private:
    void buildForm();
    void layoutHeader();
    void updateTouchIndicator();
    void updateFooterIcons();
    static QLabel *footerIndicator(QWidget *footer, const char *name, int x);

    Flavour m_flavour = RED;
    QWidget *m_footerBar = nullptr;
    QLabel *m_footerDate = nullptr;
    QLabel *m_footerLogo = nullptr;
    QLabel *m_touchIndicator = nullptr;
    QLabel *m_footerTime = nullptr;
    QLabel *m_extinguishReleaseIndicator = nullptr;
    QLabel *m_extinguishFaultIndicator = nullptr;
    QLabel *m_usbIndicator = nullptr;
    QWidget *m_headerBar = nullptr;
    QLabel *m_headerIcon = nullptr;
    QLabel *m_headerTitle = nullptr;
    QLabel *m_invDelayTime = nullptr;
    QWidget *m_statusIcons = nullptr;
    QHBoxLayout *m_horizontalLayout = nullptr;
    QWidget *m_headerShadow = nullptr;
    QPixmap m_icons[ENDOFFLAVOURLIST];
    QPixmap m_logos[ENDOFFLAVOURLIST];
    bool m_touchPressed = false;
    bool m_extinguishReleaseActive = false;
    bool m_extinguishFaultActive = false;
    bool m_invDelayShown = false;
    int m_statusIconsWidth = 0;
    bool m_usbStickPresent = false;
};
