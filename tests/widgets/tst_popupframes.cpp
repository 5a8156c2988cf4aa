#include "FakeClock.h"
#include "FakeHeaderSource.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "widgets/AUK_20001.h"
#include "widgets/AUK_20002.h"
#include "widgets/AUK_20003.h"
#include "widgets/AUK_90001A.h"
#include "widgets/AUK_90046.h"
#include "widgets/PaletteRepository.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// The three frames, by kind, with the rectangles of their parts.
enum Kind { Small, Medium, Large };

BasePopup *makePopup(int kind)
{
    switch (kind) {
    case Small:
        return new AUK_20003;
    case Medium:
        return new AUK_20002;
    default:
        return new AUK_20001(1);
    }
}

} // namespace

// The popup frames: placement over a darkened page, the parts of each
// frame, the read-only key texts, lit keys and the automatic press.
class tst_PopupFrames : public WidgetTest
{
    Q_OBJECT

private:
    FakeClock m_clock;
    std::unique_ptr<FakeHeaderSource> m_source;

    static void addKinds()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("small") << int(Small);
        QTest::newRow("medium") << int(Medium);
        QTest::newRow("large") << int(Large);
    }

private slots:
    void init()
    {
        m_source = std::make_unique<FakeHeaderSource>();
        PageStack::instance()->setParent(window());
        PageStack::instance()->show();
    }

    void cleanup()
    {
        PageStack::destroyInstance();
        m_source.reset();
    }

    void pushedOverADarkenedPage_data() { addKinds(); }

    void pushedOverADarkenedPage()
    {
        QFETCH(int, kind);
        QVERIFY(PageStack::instance()->push(new AUK_90001A));
        BasePopup *popup = makePopup(kind);
        QVERIFY(PageStack::instance()->push(popup));
        QVERIFY(popup->isPopup());
        QCOMPARE(popup->geometry(), QRect(0, 36, 640, 414));
        const QImage shot = WidgetShot::grab(PageStack::instance());
        // Page grey 225 under 38 at alpha 204: 225 * 51/255 + 38 * 204/255.
        const QColor darkened(75, 75, 75);
        QVERIFY(WidgetShot::isNear(WidgetShot::colourAt(shot, {8, 60}), darkened, 3));
        QVERIFY(WidgetShot::isNear(WidgetShot::colourAt(shot, {632, 440}), darkened, 3));
        // Header and footer are not covered.
        QCOMPARE(WidgetShot::colourAt(shot, {5, 18}), QColor(44, 103, 174));
        QCOMPARE(WidgetShot::colourAt(shot, {3, 465}), QColor(44, 103, 174));
    }

    void parts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("frameName");
        QTest::addColumn<QList<QRect>>("rects"); // frame, title row, shadow, left, right
        QTest::newRow("small") << int(Small) << "label"
                               << QList<QRect>{{127, 73, 394, 244},
                                               {139, 79, 361, 45},
                                               {132, 232, 374, 6},
                                               {138, 239, 166, 64},
                                               {334, 239, 166, 64}};
        QTest::newRow("medium") << int(Medium) << "label"
                                << QList<QRect>{{116, 7, 418, 408},
                                                {128, 13, 385, 45},
                                                {121, 330, 398, 6},
                                                {127, 338, 166, 64},
                                                {347, 338, 166, 64}};
        QTest::newRow("large") << int(Large) << "popupFrame"
                               << QList<QRect>{{32, 7, 574, 406},
                                               {46, 13, 541, 45},
                                               {36, 329, 558, 6},
                                               {42, 336, 166, 64},
                                               {422, 336, 166, 64}};
    }

    void parts()
    {
        QFETCH(int, kind);
        QFETCH(QString, frameName);
        QFETCH(QList<QRect>, rects);
        std::unique_ptr<BasePopup> popup(makePopup(kind));
        const char *names[] = {nullptr, "widget", "shadow", "leftButton", "rightButton"};
        QCOMPARE(popup->findChild<QLabel *>(frameName)->geometry(), rects[0]);
        for (int i = 1; i < 5; ++i)
            QCOMPARE(popup->findChild<QWidget *>(QLatin1String(names[i]))->geometry(), rects[i]);
        QVERIFY(!popup->findChild<QLabel *>(frameName)->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!popup->titleIcon().isNull());
        // The frame image is drawn where the frame lies; outside it the
        // popup is the dimming shade.
        const QImage shot = WidgetShot::grab(popup.get());
        QVERIFY(WidgetShot::isNear(WidgetShot::colourAt(shot, {5, 5}), PaletteRepository::shadowGrey(), 2));
        const QPoint inside = rects[0].center();
        QVERIFY(!WidgetShot::isNear(WidgetShot::colourAt(shot, inside), PaletteRepository::shadowGrey(), 40));
    }

    void titles()
    {
        AUK_20003 small;
        QCOMPARE(small.title(), QStringLiteral("LOGIN"));
        small.setProperty("title", QStringLiteral("Fire"));
        QCOMPARE(small.title(), QStringLiteral("Fire"));

        AUK_20001 large(4);
        QCOMPARE(large.title(), QStringLiteral("_MOVE_TO_ZONE_POPUPTITLEWIDE"));
        large.setProperty("title", QStringLiteral("Fire"));
        QCOMPARE(large.title(), QStringLiteral("_MOVE_TO_ZONE_POPUPTITLEWIDE"));
        large.setTitleById(7);
        QCOMPARE(large.title(), QString());
        large.setTitleById(6);
        QCOMPARE(large.title(), QStringLiteral("_WRITE_RFID_POPUPTITLEWIDE"));
        large.setTitleById(0);
        QCOMPARE(large.title(), QString());
    }

    void keyTextsAreReadOnly_data() { addKinds(); }

    void keyTextsAreReadOnly()
    {
        QFETCH(int, kind);
        std::unique_ptr<BasePopup> popup(makePopup(kind));
        auto *frame = static_cast<PopupFrame *>(popup.get());
        frame->setLeftButtonTextById(10);
        frame->setRightButtonTextById(3);
        popup->setProperty("leftButtonText", QStringLiteral("Other"));
        popup->setProperty("rightButtonText", QStringLiteral("Other"));
        QCOMPARE(popup->property("leftButtonText").toString(), QStringLiteral("_OK_POPUPSK"));
        QCOMPARE(popup->property("rightButtonText").toString(), QStringLiteral("_CANCEL_POPUPSK"));
        popup->setProperty("leftButtonVisible", false);
        QVERIFY(popup->findChild<QWidget *>(QStringLiteral("leftButton"))->isHidden());
    }

    void litKeys_data() { addKinds(); }

    void litKeys()
    {
        QFETCH(int, kind);
        std::unique_ptr<BasePopup> popup(makePopup(kind));
        auto *right = popup->findChild<AUK_90046 *>(QStringLiteral("rightButton"));
        const PaletteRepository *palettes = PaletteRepository::instance();
        popup->setProperty("rightButtonLight", true);
        QVERIFY(popup->rightButtonLight());
        QVERIFY(right->light());
        QCOMPARE(right->label()->palette().color(QPalette::ButtonText), PaletteRepository::darkGrey());
        QVERIFY(!popup->leftButtonLight());
        popup->setRightButtonLight(false);
        QVERIFY(!right->light());
        QCOMPARE(right->label()->palette().color(QPalette::ButtonText),
                 palettes->whiteTextPalette().color(QPalette::ButtonText));
        QCOMPARE(right->label()->palette().color(QPalette::ButtonText), PaletteRepository::white());
    }

    void keysSignal()
    {
        AUK_20002 popup(window());
        popup.show();
        QSignalSpy left(&popup, &BasePopup::leftButtonClicked);
        QSignalSpy right(&popup, &BasePopup::rightButtonClicked);
        QTest::mouseClick(popup.findChild<QWidget *>(QStringLiteral("rightButton")), Qt::LeftButton);
        QCOMPARE(left.count(), 0);
        QCOMPARE(right.count(), 1);
    }

    void autoPressPressesOnce()
    {
        AUK_20003 popup;
        QSignalSpy left(&popup, &BasePopup::leftButtonClicked);
        popup.startAutoPress(5000);
        m_clock.advance(4999);
        QCOMPARE(left.count(), 0);
        m_clock.advance(1);
        QCOMPARE(left.count(), 1);
        m_clock.advance(60000);
        QCOMPARE(left.count(), 1);
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("small") << int(Small) << "AUK_20003";
        QTest::newRow("medium") << int(Medium) << "AUK_20002";
        QTest::newRow("large") << int(Large) << "AUK_20001";
    }

    void screenshots()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        auto *page = new AUK_90001A;
        page->setTitleById(19);
        QVERIFY(PageStack::instance()->push(page));
        BasePopup *popup = makePopup(kind);
        auto *frame = static_cast<PopupFrame *>(popup);
        frame->setLeftButtonTextById(10);
        frame->setRightButtonTextById(3);
        popup->setLeftButtonLight(true);
        if (kind == Large)
            static_cast<AUK_20001 *>(popup)->setTitleById(1);
        QVERIFY(PageStack::instance()->push(popup));
        QVERIFY(popup->leftButtonText() != QStringLiteral("_OK_POPUPSK"));
        WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()), name);
        QCOMPARE(WidgetShot::textProblems(popup), QString());
    }
};

QTEST_MAIN(tst_PopupFrames)
#include "tst_popupframes.moc"
