#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "screens/popups/AUK_40041.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

QLabel *label(const AUK_40041 *popup, const char *name)
{
    auto *found = popup->findChild<QLabel *>(QLatin1String(name));
    if (!found)
        qFatal("no label %s", name);
    return found;
}

} // namespace

// The resound confirmation: its three texts on the moved labels, its keys
// and its completion, pushed over a screen as the fire screens push it.
class tst_ResoundPopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    QPointer<AUK_40041> pushed(bool connectButtons, bool closeOnCompletion)
    {
        QPointer<AUK_40041> popup = new AUK_40041(nullptr, connectButtons, closeOnCompletion);
        PageStack::instance()->push(popup);
        return popup;
    }

private slots:
    void init()
    {
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup() { m_page.reset(); }

    void textsOnMovedLabels()
    {
        QPointer<AUK_40041> popup = pushed(true, false);
        popup->setConfirmText();
        popup->setWarningText();
        popup->setConsequenceText();
        QCOMPARE(label(popup, "topLabel")->text(), QStringLiteral("_CONFIRM_RESOUND_POPUPTEXT1BODY"));
        QCOMPARE(label(popup, "middleLabel")->text(), QStringLiteral("_WARNING_POPUPTEXT1BODY"));
        QCOMPARE(label(popup, "bottomLabel")->text(), QStringLiteral("_RESOUND_CONSEQUENCE_POPUPTEXT3INFO"));
        QCOMPARE(label(popup, "topLabel")->geometry(), QRect(134, 126, 370, 20));
        QCOMPARE(label(popup, "middleLabel")->geometry(), QRect(134, 156, 370, 20));
        QCOMPARE(label(popup, "bottomLabel")->geometry(), QRect(134, 191, 370, 74));
        QVERIFY(label(popup, "topLabel")->font().bold());
        QVERIFY(label(popup, "middleLabel")->font().bold());
        QVERIFY(!label(popup, "bottomLabel")->font().bold());
        QCOMPARE(popup->leftButtonText(), QStringLiteral("_OK_POPUPSK"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
    }

    void keys_data()
    {
        QTest::addColumn<bool>("connectButtons");
        QTest::addColumn<bool>("left");
        QTest::addColumn<int>("pagesLeft");
        QTest::newRow("connected OK closes") << true << true << 1;
        QTest::newRow("connected cancel closes") << true << false << 1;
        QTest::newRow("owner's OK waits for the owner") << false << true << 2;
        QTest::newRow("owner's cancel waits for the owner") << false << false << 2;
    }

    void keys()
    {
        QFETCH(bool, connectButtons);
        QFETCH(bool, left);
        QFETCH(int, pagesLeft);
        QPointer<AUK_40041> popup = pushed(connectButtons, false);
        if (left)
            emit popup->leftButtonClicked();
        else
            emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), pagesLeft);
    }

    void actionCompleted_data()
    {
        QTest::addColumn<bool>("closeOnCompletion");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("pagesLeft");
        QTest::newRow("close on success") << true << true << 1;
        QTest::newRow("close on failure") << true << false << 1;
        QTest::newRow("right key on success") << false << true << 2;
        QTest::newRow("right key on failure") << false << false << 2;
    }

    // Without closeOnCompletion the result only makes the right key the
    // way out, on a popup whose keys the owner had left unconnected.
    void actionCompleted()
    {
        QFETCH(bool, closeOnCompletion);
        QFETCH(bool, ok);
        QFETCH(int, pagesLeft);
        QPointer<AUK_40041> popup = pushed(false, closeOnCompletion);
        popup->setRightButtonVisible(false);
        popup->actionCompleted(ok);
        QCOMPARE(PageStack::instance()->count(), pagesLeft);
        if (closeOnCompletion)
            return;
        QVERIFY(popup->rightButtonVisible());
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        QPointer<AUK_40041> popup = pushed(true, false);
        popup->setConfirmText();
        popup->setWarningText();
        popup->setConsequenceText();
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QStringLiteral("AUK_40041"));
        const QRect lines(134, 36 + 126, 370, 120);
        QVERIFY(WidgetShot::fractionNear(image, lines, WidgetShot::colourAt(image, lines.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_ResoundPopup)
#include "tst_resoundpopup.moc"
