#include "ListScreenPagesInstaller.h"
#include "PageUnderPopups.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "listscreens/JumpToCard.h"
#include "screens/popups/AUK_40032.h"
#include "widgets/AUK_90011.h"
#include "widgets/KeypadButton.h"

#include <QPointer>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QtTest>

#include <memory>

namespace {

constexpr int Cards = 50;

// A card view over 50 cards whose counter is fixed: a move asks its owner
// for the card by number, which the test reads.
struct CardView
{
    QStandardItemModel cards;
    QStyledItemDelegate delegate;
    std::unique_ptr<AUK_90011> view = std::make_unique<AUK_90011>();

    CardView()
    {
        for (int card = 1; card <= Cards; ++card)
            cards.appendRow(new QStandardItem(QStringLiteral("Card %1").arg(card)));
        view->setModel(&cards, &delegate);
        view->setFixedCounter(true);
        view->setTotalCount(Cards);
    }
};

AUK_40032 *keypadOnTop()
{
    if (!PageStack::instance()->isTopPage(QStringLiteral("AUK_40032")))
        return nullptr;
    return PageStack::instance()->findChild<AUK_40032 *>();
}

void typeDigits(AUK_40032 *keypad, const QString &digits)
{
    for (const QChar digit : digits) {
        const QString name = digit == QLatin1Char('1')   ? QStringLiteral("keypadButton")
                             : digit == QLatin1Char('0') ? QStringLiteral("keypadButton_10")
                                                         : QStringLiteral("keypadButton_") + digit;
        auto *key = keypad->findChild<KeypadButton *>(name);
        QVERIFY2(key, qPrintable(name));
        emit key->clicked(key->value());
    }
}

} // namespace

// The move-to-card popup: a tap on the card counter opens the keypad, and
// the number typed moves the card view.
class tst_JumpToCard : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_stack;
    std::unique_ptr<ListScreenPagesInstaller> m_pages;

private slots:
    void init()
    {
        m_stack = std::make_unique<PageUnderPopups>(window());
        m_pages = std::make_unique<ListScreenPagesInstaller>();
    }

    void cleanup()
    {
        m_pages.reset();
        m_stack.reset();
    }

    void typedNumberReachesTheView()
    {
        CardView cards;
        AUK_90011 *view = cards.view.get();
        JumpToCard jump(view);
        QSignalSpy moved(view, &AUK_90011::refreshModel);
        emit view->counterClicked();
        AUK_40032 *keypad = keypadOnTop();
        QVERIFY(keypad);
        typeDigits(keypad, QStringLiteral("27"));
        emit keypad->leftButtonClicked();
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.first().first().toInt(), 27);
        QVERIFY(!keypadOnTop());
    }

    void rightKeyOnlyCloses()
    {
        CardView cards;
        AUK_90011 *view = cards.view.get();
        JumpToCard jump(view);
        QSignalSpy moved(view, &AUK_90011::refreshModel);
        jump.showMoveToCardPopup();
        AUK_40032 *keypad = keypadOnTop();
        QVERIFY(keypad);
        typeDigits(keypad, QStringLiteral("3"));
        emit keypad->rightButtonClicked();
        QVERIFY(!keypadOnTop());
        QCOMPARE(moved.count(), 0);
    }

    void numbersOutsideTheCards_data()
    {
        QTest::addColumn<quint32>("index");
        QTest::addColumn<int>("moved");
        QTest::newRow("card 0") << 0u << 0;
        QTest::newRow("first card") << 1u << 1;
        QTest::newRow("last card") << quint32(Cards) << Cards;
        QTest::newRow("past the last card") << quint32(Cards + 1) << 0;
        // Would turn negative as an int and count from the end.
        QTest::newRow("beyond INT_MAX") << 4294967293u << 0;
        QTest::newRow("INT_MAX + 1") << 2147483648u << 0;
    }

    void numbersOutsideTheCards()
    {
        QFETCH(quint32, index);
        QFETCH(int, moved);
        CardView cards;
        AUK_90011 *view = cards.view.get();
        JumpToCard jump(view);
        QSignalSpy moves(view, &AUK_90011::refreshModel);
        jump.moveToCard(index);
        QCOMPARE(moves.count(), moved ? 1 : 0);
        if (moved)
            QCOMPARE(moves.first().first().toInt(), moved);
    }

    void viewGoneFirst()
    {
        CardView cards;
        AUK_90011 *view = cards.view.get();
        JumpToCard jump(view);
        jump.showMoveToCardPopup();
        AUK_40032 *keypad = keypadOnTop();
        QVERIFY(keypad);
        cards.view.reset();
        typeDigits(keypad, QStringLiteral("2"));
        // The view is gone: the number goes nowhere, and nothing breaks.
        emit keypad->leftButtonClicked();
        QVERIFY(!keypadOnTop());
    }
};

QTEST_MAIN(tst_JumpToCard)
#include "tst_jumptocard.moc"
