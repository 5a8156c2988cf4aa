#include "ArtworkDir.h"
#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "WidgetShot.h"
#include "app/PageHeaderSource.h"
#include "app/SystemState.h"
#include "app/statusIconsController.h"
#include "frontpanel/USBController.h"
#include "widgets/AUK_90001A.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QtTest>

#include <memory>

// The engine's state reaches a live page header through the installed
// source: connection and banner decide the colour, the status-icon
// controller the icons.
class tst_PageHeaderSource : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    FakeEthernetLink m_link;
    std::unique_ptr<ArtworkDir> m_artwork;

    static QColor headerColour(AUK_90001A &page) { return WidgetShot::colourAt(WidgetShot::grab(&page), {5, 18}); }
    static QList<QLabel *> shownIcons(AUK_90001A &page)
    {
        return page.findChild<QWidget *>(QStringLiteral("statusIcons"))->findChildren<QLabel *>();
    }

private slots:
    void initTestCase()
    {
        m_artwork = std::make_unique<ArtworkDir>();
        QVERIFY(m_artwork->isValid());
        SystemState::instance()->watchEthernetLink(&m_link);
        PageHeaderSource::install(nullptr);
        settleQueuedEvents();
    }

    void cleanupTestCase()
    {
        PageHeaderSource::uninstall();
        m_artwork.reset();
    }

    void colourFollowsLinkAndBanner()
    {
        AUK_90001A page;
        QCOMPARE(headerColour(page), QColor(255, 175, 40));
        emit m_link.updateEnetConnectedToPanel(true);
        settleQueuedEvents();
        QVERIFY(SystemState::instance()->isEthernetConnected());
        QCOMPARE(headerColour(page), QColor(44, 103, 174));
        SystemState::instance()->setBannerStatus(TC::BANNER_FIRE);
        QCOMPARE(headerColour(page), QColor(200, 0, 0));
        emit m_link.updateEnetConnectedToPanel(false);
        settleQueuedEvents();
        QCOMPARE(headerColour(page), QColor(255, 175, 40));
        SystemState::instance()->setBannerStatus(TC::BANNER_NORMAL);
    }

    void iconsFollowTheController()
    {
        statusIconsController *icons = statusIconsController::instance();
        AUK_90001A page;
        QCOMPARE(shownIcons(page).size(), 0);
        icons->setStatusIcon(statusIconsController::LoginIcon, true);
        icons->setStatusIconSlowFlash(statusIconsController::WalkTestIcon, true);
        icons->setFooterIcon(statusIconsController::ExtinguishFaultIcon, true);
        // Every update rebuilds the icons: look them up afresh each time.
        const auto walkOpacity = [&page]() {
            auto *effect = qobject_cast<QGraphicsOpacityEffect *>(shownIcons(page).at(1)->graphicsEffect());
            return effect ? effect->opacity() : -1.0;
        };
        QCoreApplication::processEvents();
        QCOMPARE(shownIcons(page).size(), 2);
        QVERIFY(!shownIcons(page).at(0)->graphicsEffect());
        QCOMPARE(walkOpacity(), 1.0);
        // The walk-test icon blinks at 1 Hz, the log-on icon stays.
        m_clock.advance(500);
        QCOMPARE(walkOpacity(), 0.1);
        m_clock.advance(250);
        QCOMPARE(walkOpacity(), 0.1);
        m_clock.advance(250);
        QCOMPARE(walkOpacity(), 1.0);
        QVERIFY(
            !page.findChild<QLabel *>(QStringLiteral("extinguishFaultIndicator"))->pixmap(Qt::ReturnByValue).isNull());

        icons->setStatusIcon(statusIconsController::LoginIcon, false);
        QCOMPARE(shownIcons(page).size(), 1);
        icons->setStatusIconSlowFlash(statusIconsController::WalkTestIcon, false);
        icons->setFooterIcon(statusIconsController::ExtinguishFaultIcon, false);
        QCOMPARE(shownIcons(page).size(), 0);
    }

    // The footer's USB indicator follows the stick, also on a page built
    // while the stick was already in.
    void usbIndicatorFollowsTheStick()
    {
        const auto indicator = [](AUK_90001A &page) {
            return page.findChild<QLabel *>(QStringLiteral("usbIndicator"))->pixmap(Qt::ReturnByValue).toImage();
        };
        AUK_90001A before;
        const QImage absent = indicator(before);
        USBController::instance()->usbStickUpdateSlot(true);
        QVERIFY(PageHeaderFeed::instance()->isStickPresent());
        QVERIFY(indicator(before) != absent);
        AUK_90001A after;
        QCOMPARE(indicator(after), indicator(before));
        USBController::instance()->usbStickUpdateSlot(false);
        QCOMPARE(indicator(before), absent);
    }
};

QTEST_MAIN(tst_PageHeaderSource)
#include "tst_pageheadersource.moc"
