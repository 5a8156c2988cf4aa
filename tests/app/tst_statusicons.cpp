#include "app/Security.h"
#include "app/SystemState.h"
#include "app/statusIconsController.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Icon = statusIconsController::StatusIcons;

namespace {

statusIconsController *icons()
{
    return statusIconsController::instance();
}

// (icon, on) of every steady-icon update.
QList<QPair<int, bool>> updates(const QSignalSpy &spy)
{
    QList<QPair<int, bool>> result;
    for (const QList<QVariant> &call : spy)
        result << qMakePair(call.at(0).toInt(), call.at(1).toBool());
    return result;
}

} // namespace

// The header and footer icon states and who sets them.
class tst_StatusIcons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startsOffAndSteady();
    void settersStoreAndAnnounce_data();
    void settersStoreAndAnnounce();
    void steadyAfterFlashing();
    void footerIcons();
    void badIconIsRefused();
    void logOnAndLogOff();
    void fireBannerShowsItsIcon();
};

void tst_StatusIcons::initTestCase()
{
    static QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    icons();
}

void tst_StatusIcons::startsOffAndSteady()
{
    for (int icon = 0; icon < statusIconsController::StatusIconCount; ++icon) {
        QVERIFY(!icons()->isOn(Icon(icon)));
        QCOMPARE(icons()->flashMode(Icon(icon)), statusIconsController::Steady);
    }
    QVERIFY(!icons()->isFooterOn(statusIconsController::ExtinguishReleaseIcon));
    QVERIFY(!icons()->isFooterOn(statusIconsController::ExtinguishFaultIcon));
}

void tst_StatusIcons::settersStoreAndAnnounce_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("on");

    for (int mode :
         {statusIconsController::Steady, statusIconsController::SlowFlash, statusIconsController::FastFlash}) {
        QTest::addRow("mode %d on", mode) << mode << true;
        QTest::addRow("mode %d off", mode) << mode << false;
    }
}

void tst_StatusIcons::settersStoreAndAnnounce()
{
    QFETCH(int, mode);
    QFETCH(bool, on);

    QSignalSpy steady(icons(), &statusIconsController::UI_UpdateStatusIcon);
    QSignalSpy slow(icons(), &statusIconsController::UI_UpdateStatusIconSlowFlash);
    QSignalSpy fast(icons(), &statusIconsController::UI_UpdateStatusIconFastFlash);
    const Icon icon = statusIconsController::ServiceResetIcon;
    switch (mode) {
    case statusIconsController::Steady:
        icons()->setStatusIcon(icon, on);
        break;
    case statusIconsController::SlowFlash:
        icons()->setStatusIconSlowFlash(icon, on);
        break;
    default:
        icons()->setStatusIconFastFlash(icon, on);
        break;
    }
    QCOMPARE(icons()->isOn(icon), on);
    QCOMPARE(int(icons()->flashMode(icon)), mode);
    QCOMPARE(steady.count(), mode == statusIconsController::Steady ? 1 : 0);
    QCOMPARE(slow.count(), mode == statusIconsController::SlowFlash ? 1 : 0);
    QCOMPARE(fast.count(), mode == statusIconsController::FastFlash ? 1 : 0);
    const QSignalSpy &emitted = mode == statusIconsController::Steady      ? steady
                                : mode == statusIconsController::SlowFlash ? slow
                                                                           : fast;
    QCOMPARE(updates(emitted), (QList<QPair<int, bool>>{{int(icon), on}}));
}

void tst_StatusIcons::steadyAfterFlashing()
{
    icons()->setStatusIconSlowFlash(statusIconsController::ServiceResetIcon, true);
    icons()->setStatusIcon(statusIconsController::ServiceResetIcon, true);
    QVERIFY(icons()->isOn(statusIconsController::ServiceResetIcon));
    QCOMPARE(icons()->flashMode(statusIconsController::ServiceResetIcon), statusIconsController::Steady);
}

void tst_StatusIcons::footerIcons()
{
    QSignalSpy footer(icons(), &statusIconsController::UI_UpdateFooterIcon);
    icons()->setFooterIcon(statusIconsController::ExtinguishFaultIcon, true);
    QVERIFY(icons()->isFooterOn(statusIconsController::ExtinguishFaultIcon));
    QVERIFY(!icons()->isFooterOn(statusIconsController::ExtinguishReleaseIcon));
    // Any footer number is announced; only the two are stored.
    icons()->setFooterIcon(statusIconsController::FooterIcons(5), true);
    QCOMPARE(footer.count(), 2);
    QCOMPARE(footer.last().at(0).toInt(), 5);
}

void tst_StatusIcons::badIconIsRefused()
{
    QSignalSpy steady(icons(), &statusIconsController::UI_UpdateStatusIcon);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("statusIconsController::store.*Bad status icon.*9"));
    icons()->setStatusIcon(Icon(9), true);
    QCOMPARE(steady.count(), 0);
    QVERIFY(!icons()->isOn(Icon(9)));
}

void tst_StatusIcons::logOnAndLogOff()
{
    icons()->setStatusIconFastFlash(statusIconsController::LoginIcon, false);
    icons()->setStatusIcon(statusIconsController::CommissioningIcon, true);
    QSignalSpy steady(icons(), &statusIconsController::UI_UpdateStatusIcon);

    Security::instance()->permissionsUpdate(5, 3);
    QCOMPARE(updates(steady), (QList<QPair<int, bool>>{{0, true}}));
    QCOMPARE(icons()->flashMode(statusIconsController::LoginIcon), statusIconsController::Steady);
    QVERIFY(icons()->isOn(statusIconsController::CommissioningIcon));

    steady.clear();
    Security::instance()->permissionsUpdate(255, 0);
    QCOMPARE(updates(steady), (QList<QPair<int, bool>>{{0, false}, {2, false}}));
    QVERIFY(!icons()->isOn(statusIconsController::LoginIcon));
    QVERIFY(!icons()->isOn(statusIconsController::CommissioningIcon));
}

void tst_StatusIcons::fireBannerShowsItsIcon()
{
    SystemState *state = SystemState::instance();
    state->setBannerStatus(TC::BANNER_FIRE);
    QVERIFY(icons()->isOn(statusIconsController::EvacuateIcon));
    state->setBannerStatus(TC::BANNER_FAULT);
    QVERIFY(!icons()->isOn(statusIconsController::EvacuateIcon));
    state->setBannerStatus(TC::BANNER_FIRE);
    state->updateDisconnectedStatus();
    QVERIFY(!icons()->isOn(statusIconsController::EvacuateIcon));
}

QTEST_GUILESS_MAIN(tst_StatusIcons)
#include "tst_statusicons.moc"
