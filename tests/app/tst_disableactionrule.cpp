#include "app/ListScreenPagesWiring.h"
#include "app/Security.h"
#include "core/Languages.h"
#include "listscreens/DisableActionRule.h"
#include "pointmodels/model.h"

#include <QTemporaryDir>
#include <QtTest>

// Who may offer disable and enable actions, asked of the real log-on as the
// start-up wires it.
class tst_DisableActionRule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nobodyMayBeforeTheStartUpWiresTheLogOn();
    void rule_data();
    void rule();

private:
    QTemporaryDir m_dir;
};

namespace {

// The panel's address template follows its language's country: Austria's
// is template 1, Denmark's 2, any other 0.
int languageOfTemplate(int templateId)
{
    const QLocale::Country country = templateId == 1   ? QLocale::Austria
                                     : templateId == 2 ? QLocale::Denmark
                                                       : QLocale::UnitedKingdom;
    const auto &languages = Languages::table();
    for (size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].country == country)
            return int(i);
    }
    return 0;
}

} // namespace

void tst_DisableActionRule::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void tst_DisableActionRule::nobodyMayBeforeTheStartUpWiresTheLogOn()
{
    Security::instance()->permissionsUpdate(9, 9);
    QVERIFY(!isDisableActionAllowed(true));
    QVERIFY(!isDisableActionAllowed(false));
}

void tst_DisableActionRule::rule_data()
{
    QTest::addColumn<int>("templateId");
    QTest::addColumn<bool>("lowerThreshold");
    QTest::addColumn<int>("userId");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<bool>("allowed");

    QTest::newRow("template 1, level 2") << 1 << false << 3 << 2 << true;
    QTest::newRow("template 1, level 1") << 1 << true << 3 << 1 << false;
    QTest::newRow("template 1, nobody logged on") << 1 << true << 255 << 0 << false;
    QTest::newRow("lower threshold, level 7") << 2 << true << 3 << 7 << true;
    QTest::newRow("lower threshold, level 6") << 2 << true << 3 << 6 << false;
    QTest::newRow("higher threshold, level 9") << 0 << false << 3 << 9 << true;
    QTest::newRow("higher threshold, level 8") << 0 << false << 3 << 8 << false;
    QTest::newRow("nobody logged on") << 0 << true << 255 << 0 << false;
}

void tst_DisableActionRule::rule()
{
    QFETCH(int, templateId);
    QFETCH(bool, lowerThreshold);
    QFETCH(int, userId);
    QFETCH(int, userLevel);
    QFETCH(bool, allowed);

    installListScreenPages();
    model::instance()->setLanguage(languageOfTemplate(templateId));
    QCOMPARE(model::instance()->templateId(), templateId);
    Security::instance()->permissionsUpdate(quint8(userId), quint8(userLevel));

    QCOMPARE(isDisableActionAllowed(lowerThreshold), allowed);
}

QTEST_MAIN(tst_DisableActionRule)
#include "tst_disableactionrule.moc"
