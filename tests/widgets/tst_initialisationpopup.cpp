#include "../pointmodels/ScriptedSite.h"
#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/SWVersions.h"
#include "screens/popups/AUK_40047.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

constexpr int SoftwareVersionsBucket = 4;
constexpr int MainBoard = 1;

QLabel *label(const QWidget *popup, const QString &name)
{
    auto *found = popup->findChild<QLabel *>(name);
    if (!found)
        qFatal("no label %s", qPrintable(name));
    return found;
}

QString versionText(const QWidget *popup, int row)
{
    return label(popup, QStringLiteral("lblVersionText_%1").arg(row))->text();
}

void setProject(const QString &name, const QString &templateName)
{
    PanelRecord record;
    record.projectName = name;
    record.projectTemplateName = templateName;
    PanelConfiguration::instance()->setPanelRecord(0, record);
}

} // namespace

// The panel initialisation popup: its countdown text, the versions it lists
// and their refresh, a language change and its layout.
class tst_InitialisationPopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    static QPointer<AUK_40047> pushed()
    {
        QPointer<AUK_40047> popup = new AUK_40047(1, nullptr);
        PageStack::instance()->push(popup);
        return popup;
    }

private slots:
    void init()
    {
        ScriptedSite::reset();
        SWVersions::instance()->clearAll();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup() { m_page.reset(); }

    void countdown_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("120") << 120 << "02:00";
        QTest::newRow("75") << 75 << "01:15";
        QTest::newRow("61") << 61 << "01:01";
        QTest::newRow("1") << 1 << "00:01";
        QTest::newRow("0") << 0 << "     ";
    }

    void countdown()
    {
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        QPointer<AUK_40047> popup = pushed();
        QCOMPARE(label(popup, QStringLiteral("timeLeft"))->text(), QStringLiteral("2:00"));
        popup->setCountdown(quint16(seconds));
        QCOMPARE(label(popup, QStringLiteral("timeLeft"))->text(), shown);
    }

    void firmwareComesWithTheVersionsBucket()
    {
        setProject(QStringLiteral("Harbour Hall"), QStringLiteral("Offices"));
        QPointer<AUK_40047> popup = pushed();
        QCOMPARE(versionText(popup, 1), QStringLiteral("3.6"));
        QCOMPARE(versionText(popup, 2), QString());
        QCOMPARE(versionText(popup, 3), QStringLiteral("Harbour Hall"));
        QCOMPARE(versionText(popup, 4), QStringLiteral("Offices"));
        QVERIFY(SWVersions::instance()->addEquipment(0, MainBoard, 0, 0, 0, {VersionRecord{0, 4, 2, 0, 0}}));
        QCOMPARE(versionText(popup, 2), QString());
        ScriptedSite::notifyBucket(SoftwareVersionsBucket);
        QCOMPARE(versionText(popup, 2), QStringLiteral("v4.2"));
    }

    void languageChangeKeepsTheVersions()
    {
        setProject(QStringLiteral("Harbour Hall"), QStringLiteral("Offices"));
        QPointer<AUK_40047> popup = pushed();
        QCOMPARE(popup->title(), QStringLiteral("_PANEL_INIT_IN_PROGRESS_POPUPTITLE"));
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        emit TeskGlobalConfig::instance()->updateLanguage();
        QCOMPARE(popup->title(), QCoreApplication::translate("AUK_40047", "_PANEL_INIT_IN_PROGRESS_POPUPTITLE"));
        QVERIFY(!popup->title().startsWith(QLatin1Char('_')));
        for (const char *name : {"lblWarning", "lblGeneralText", "lblVersionTitle_1", "lblVersionTitle_2",
                                 "lblVersionTitle_3", "lblVersionTitle_4"}) {
            const QString text = label(popup, QLatin1String(name))->text();
            QVERIFY2(!text.isEmpty() && !text.startsWith(QLatin1Char('_')), name);
        }
        QCOMPARE(versionText(popup, 3), QStringLiteral("Harbour Hall"));
        QCOMPARE(versionText(popup, 4), QStringLiteral("Offices"));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("warning") << "lblWarning" << QRect(180, 66, 289, 20);
        QTest::newRow("general") << "lblGeneralText" << QRect(180, 97, 285, 60);
        QTest::newRow("picture") << "label" << QRect(130, 70, 64, 95);
        QTest::newRow("frame") << "timeFrame" << QRect(240, 140, 181, 51);
        QTest::newRow("time") << "timeLeft" << QRect(255, 154, 151, 21);
        QTest::newRow("title 1") << "lblVersionTitle_1" << QRect(135, 210, 170, 21);
        QTest::newRow("text 1") << "lblVersionText_1" << QRect(305, 210, 200, 21);
        QTest::newRow("title 2") << "lblVersionTitle_2" << QRect(135, 260, 170, 21);
        QTest::newRow("text 3") << "lblVersionText_3" << QRect(305, 310, 200, 21);
        QTest::newRow("title 4") << "lblVersionTitle_4" << QRect(135, 360, 170, 21);
        QTest::newRow("text 4") << "lblVersionText_4" << QRect(305, 360, 200, 21);
        QTest::newRow("line 2") << "line_2" << QRect(135, 235, 370, 16);
        QTest::newRow("line 1") << "line_1" << QRect(135, 285, 370, 16);
        QTest::newRow("line 3") << "line_3" << QRect(135, 335, 370, 16);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QPointer<AUK_40047> popup = pushed();
        // The frame has a "label" of its own; the form's widgets come after.
        const QList<QWidget *> named = popup->findChildren<QWidget *>(name);
        QVERIFY(!named.isEmpty());
        const QWidget *widget = named.last();
        QCOMPARE(widget->geometry(), place);
        QVERIFY(!popup->leftButtonVisible());
        QVERIFY(!popup->rightButtonVisible());
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        setProject(QStringLiteral("Harbour Hall"), QStringLiteral("Offices"));
        QVERIFY(SWVersions::instance()->addEquipment(0, MainBoard, 0, 0, 0, {VersionRecord{0, 4, 2, 0, 0}}));
        QPointer<AUK_40047> popup = pushed();
        popup->setCountdown(97);
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QStringLiteral("AUK_40047"));
        const QRect versions(135, 36 + 210, 370, 170);
        QVERIFY(WidgetShot::fractionNear(image, versions, WidgetShot::colourAt(image, versions.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_InitialisationPopup)
#include "tst_initialisationpopup.moc"
