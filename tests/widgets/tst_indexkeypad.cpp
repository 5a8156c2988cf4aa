#include "KeypadPresses.h"
#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "screens/popups/AUK_40032.h"
#include "widgets/KeypadButton.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int MoveToCardTitleId = 3;

QString shownDigits(const AUK_40032 *popup)
{
    QString shown;
    for (int place = 1; place <= 5; ++place) {
        const auto *label = popup->findChild<QLabel *>(QStringLiteral("index_value_%1").arg(place));
        if (label->isVisibleTo(popup))
            shown += label->text().isEmpty() ? QStringLiteral("_") : label->text();
    }
    return shown;
}

} // namespace

// The index keypad: digits, delete, the value on OK and the shortened entry.
class tst_IndexKeypad : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

private slots:
    void init()
    {
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup() { m_page.reset(); }

    void entry_data()
    {
        QTest::addColumn<bool>("shortEntry");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1 2 3 OK") << false << QStringList{"1", "2", "3", "OK"} << QVariantList{123u} << "123__";
        QTest::newRow("six digits keep five")
            << false << QStringList{"9", "8", "7", "6", "5", "4", "OK"} << QVariantList{98765u} << "98765";
        QTest::newRow("4 5 DEL OK") << false << QStringList{"4", "5", "DEL", "OK"} << QVariantList{4u} << "4 ___";
        QTest::newRow("DEL on empty") << false << QStringList{"DEL", "OK"} << QVariantList{0u} << " ____";
        QTest::newRow("OK with nothing") << false << QStringList{"OK"} << QVariantList{} << "_____";
        QTest::newRow("zeros") << false << QStringList{"0", "0", "7", "OK"} << QVariantList{7u} << "007__";
        QTest::newRow("hidden places take three")
            << true << QStringList{"1", "2", "3", "4", "5", "OK"} << QVariantList{123u} << "123";
        QTest::newRow("hidden places, DEL and more")
            << true << QStringList{"1", "2", "3", "DEL", "9", "OK"} << QVariantList{129u} << "129";
    }

    void entry()
    {
        QFETCH(bool, shortEntry);
        QFETCH(QStringList, keys);
        QFETCH(QVariantList, values);
        QFETCH(QString, shown);
        QPointer<AUK_40032> popup = new AUK_40032(MoveToCardTitleId, nullptr);
        if (shortEntry)
            popup->hideLastTwoDigits();
        QVERIFY(PageStack::instance()->push(popup));
        QSignalSpy entered(popup.data(), &AUK_40032::valueEntered);
        pressKeys(popup, keys.mid(0, keys.size() - 1));
        QCOMPARE(shownDigits(popup), shown);
        pressKeys(popup, {keys.last()});
        QCOMPARE(entered.count(), values.size());
        if (!values.isEmpty())
            QCOMPARE(entered.first().first().value<quint32>(), values.first().value<quint32>());
        QCOMPARE(PageStack::instance()->containsPage(QStringLiteral("AUK_40032")), values.isEmpty());
    }

    void deleteKeyLightsOnEmpty()
    {
        AUK_40032 popup(MoveToCardTitleId, nullptr);
        auto *del = popup.findChild<KeypadButton *>(QStringLiteral("keypadButton_del"));
        QVERIFY(del->light());
        pressKeys(&popup, {"1"});
        QVERIFY(!del->light());
        pressKeys(&popup, {"DEL"});
        QVERIFY(del->light());
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        QPointer<AUK_40032> popup = new AUK_40032(MoveToCardTitleId, nullptr);
        QVERIFY(PageStack::instance()->push(popup));
        pressKeys(popup, {"4", "2", "7"});
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QStringLiteral("AUK_40032"));
        const QRect digits(82, 36 + 175, 140, 42);
        QVERIFY(WidgetShot::fractionNear(image, digits, WidgetShot::colourAt(image, digits.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_IndexKeypad)
#include "tst_indexkeypad.moc"
