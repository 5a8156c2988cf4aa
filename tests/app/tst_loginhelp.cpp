#include "../pointmodels/ScriptedSite.h"
#include "ArtworkDir.h"
#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "LinkedScreens.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "screens/status/AUK_30002.h"
#include "screens/status/AUK_30086.h"
#include "widgets/AUK_90006.h"
#include "widgets/BasePopup.h"

#include <QtTest>

#include <memory>

// The log-on key of the home and fire-alarm screens while nobody is logged
// on: with key-switch access the panel shows how to log on; without it the
// key opens the log-on popup itself, never the help. Cancel closes either.
class tst_LoginHelp final : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    FakeEthernetLink m_link;
    std::unique_ptr<ArtworkDir> m_artwork;

private slots:
    void initTestCase()
    {
        m_artwork = std::make_unique<ArtworkDir>();
        QVERIFY(m_artwork->isValid());
        QVERIFY(LinkedScreens::loadEnglish());
        QVERIFY(LinkedScreens::bringLinkUp(m_link));
    }

    void init()
    {
        ScriptedSite::reset();
        Security::instance()->permissionsUpdate(Security::NoUser, 0);
    }

    void cleanup() { PageStack::destroyInstance(); }

    void cleanupTestCase()
    {
        PageHeaderSource::uninstall();
        EL_EventLogDBbase::destroyInstance();
        m_artwork.reset();
    }

    void logOnKey_data()
    {
        QTest::addColumn<bool>("fireScreen");
        QTest::addColumn<bool>("keySwitchAccess");
        QTest::addColumn<QString>("top");
        QTest::newRow("home, key switch") << false << true << "AUK_40025";
        QTest::newRow("home, no key switch") << false << false << "AUK_40001";
        QTest::newRow("fire, key switch") << true << true << "AUK_40025";
        QTest::newRow("fire, no key switch") << true << false << "AUK_40001";
    }

    void logOnKey()
    {
        QFETCH(bool, fireScreen);
        QFETCH(bool, keySwitchAccess);
        QFETCH(QString, top);
        TeskGlobalConfig::instance()->setKeyswitchEnabled(keySwitchAccess);
        PageStack *stack = PageStack::instance();
        Page *screen = fireScreen ? static_cast<Page *>(new AUK_30086(TESKEnumHolder::EN54_NOT_LOGGED_IN, false))
                                  : new AUK_30002(TESKEnumHolder::EN54_NOT_LOGGED_IN, 0);
        QVERIFY(stack->push(screen));
        emit screen->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"))->rightButtonClicked();
        QCOMPARE(stack->pageNames().constLast(), top);
        // Its Cancel closes it.
        emit qobject_cast<BasePopup *>(stack->findChild<Page *>(top))->rightButtonClicked();
        QCOMPARE(stack->pageNames().constLast(),
                 fireScreen ? QStringLiteral("AUK_30086") : QStringLiteral("AUK_30002"));
    }
};

QTEST_MAIN(tst_LoginHelp)
#include "tst_loginhelp.moc"
