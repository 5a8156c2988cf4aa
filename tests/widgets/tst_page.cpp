#include "widgets/Page.h"

#include <QtTest>

namespace {

// A screen that keeps a record of the levels written to it.
class RecordingPage final : public Page
{
public:
    void setRequiredAccessLevel(int level) override
    {
        written << level;
        Page::setRequiredAccessLevel(level);
    }
    QList<int> written;
};

class SummaryPage final : public Page
{
public:
    bool isSummaryPage() const override { return true; }
};

} // namespace

class tst_Page : public QObject
{
    Q_OBJECT

private slots:
    void defaultsToLoggedInLevel()
    {
        Page page;
        QCOMPARE(page.requiredAccessLevel(), int(TESKEnumHolder::EN54_LOGGED_IN));
        QVERIFY(!page.isPopup());
        QVERIFY(!page.isSummaryPage());
        QVERIFY(SummaryPage().isSummaryPage());
    }

    void propertyGoesThroughTheVirtualOperations()
    {
        RecordingPage page;
        QVERIFY(page.setProperty("requiredAccessLevel", int(TESKEnumHolder::EN54_ENGINEER)));
        QCOMPARE(page.written, QList<int>{TESKEnumHolder::EN54_ENGINEER});
        QCOMPARE(page.property("requiredAccessLevel").toInt(), int(TESKEnumHolder::EN54_ENGINEER));
        QVERIFY(page.setProperty("requiredAccessLevel", QVariant::fromValue(TESKEnumHolder::EN54_KEY_IN)));
        QCOMPARE(page.requiredAccessLevel(), int(TESKEnumHolder::EN54_KEY_IN));
        QCOMPARE(page.written.size(), 2);
    }

    void accessLevelsAreRegistered()
    {
        const QMetaEnum levels = QMetaEnum::fromType<TESKEnumHolder::AccessLevelTESK>();
        QCOMPARE(levels.keyToValue("EN54_NOT_LOGGED_IN"), 1);
        QCOMPARE(levels.keyToValue("EN54_ACCESS_LEVELS"), 5);
        QVERIFY(QMetaType::type("TESKEnumHolder::AccessLevelTESK") != QMetaType::UnknownType);
    }

    void rightToLeftIsProcessWide()
    {
        QVERIFY(!Page::isRightToLeft());
        Page::setRightToLeft(true);
        QVERIFY(Page::isRightToLeft());
        Page::setRightToLeft(false);
        QVERIFY(!Page::isRightToLeft());
    }
};

QTEST_MAIN(tst_Page)
#include "tst_page.moc"
