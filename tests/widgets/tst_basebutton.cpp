#include "FakeClock.h"
#include "MessageCapture.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "core/SC_Timer.h"
#include "widgets/BaseButton.h"

#include <QtTest>

#include <memory>
#include <vector>

namespace {

// The skin colours the artwork paints, sampled in the middle of a key.
const QColor kUpFace(0x4b, 0x56, 0x63);
const QColor kDownFace(44, 103, 174);
const QColor kDimFace(190, 192, 196);

QColor faceOf(BaseButton &button)
{
    const QImage shot = WidgetShot::grab(&button);
    return WidgetShot::averageColour(shot, QRect(shot.width() / 2 - 4, shot.height() / 2 - 4, 8, 8));
}

} // namespace

class tst_BaseButton : public WidgetTest
{
    Q_OBJECT

private slots:
    void typeSizesTheButtonFromItsSkin()
    {
        BaseButton button(window(), BaseButton::BUTTON_BAR);
        QCOMPARE(button.maximumSize(), QSize(220, 64));
        QCOMPARE(button.geometry(), QRect(0, 0, 220, 64));
        button.move(100, 200);
        button.setButtonType(BaseButton::BUTTON_BAR);
        QCOMPARE(button.pos(), QPoint(0, 0));
        button.setButtonType(BaseButton::ICON_BUTTON);
        QCOMPARE(button.size(), QSize(110, 110));
        QCOMPARE(button.buttonType(), BaseButton::ICON_BUTTON);
    }

    void clickOnlyOnReleaseInsideAnEnabledButton()
    {
        BaseButton button(window(), BaseButton::BUTTON_BAR);
        button.setValue(QStringLiteral("silence"));
        button.show();
        QSignalSpy clicks(&button, &BaseButton::clicked);

        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toString(), QStringLiteral("silence"));

        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(300, 20));
        QCOMPARE(clicks.count(), 1);

        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.count(), 1);
    }

    void longPressOnlyWhileHeld()
    {
        BaseButton button(window(), BaseButton::SCROLL_BUTTON, 20);
        button.setValue(QStringLiteral("down"));
        button.show();
        QSignalSpy presses(&button, &BaseButton::longPress);
        QSignalSpy clicks(&button, &BaseButton::clicked);

        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        m_clock.advance(19);
        QCOMPARE(presses.count(), 0);
        m_clock.advance(1);
        QCOMPARE(presses.count(), 1);
        QCOMPARE(presses.at(0).at(0).toString(), QStringLiteral("down"));
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(presses.count(), 1);
    }

    void shortTapNeverLongPresses()
    {
        BaseButton button(window(), BaseButton::SCROLL_BUTTON, 500);
        button.show();
        QSignalSpy presses(&button, &BaseButton::longPress);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
        auto *timer = button.findChild<SC_Timer *>(QStringLiteral("longPressTimer"));
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        // Even a delay that runs out after the release reports nothing.
        QVERIFY(QMetaObject::invokeMethod(&button, "mouseHeld"));
        QCOMPARE(presses.count(), 0);
    }

    void noLongPressWhenDisabledWhileHeld()
    {
        BaseButton button(window(), BaseButton::SCROLL_BUTTON, 500);
        button.show();
        QSignalSpy presses(&button, &BaseButton::longPress);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        button.setEnabled(false);
        QVERIFY(QMetaObject::invokeMethod(&button, "mouseHeld"));
        QCOMPARE(presses.count(), 0);
    }

    void noDelayNoLongPress()
    {
        BaseButton button(window(), BaseButton::SCROLL_BUTTON, 0);
        button.show();
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!button.findChild<SC_Timer *>(QStringLiteral("longPressTimer"))->isActive());
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    }

    void drawsTheImageOfItsState()
    {
        const EnglishTexts english;
        QVERIFY(english.isLoaded());
        BaseButton button(window(), BaseButton::BUTTON_BAR);
        button.show();
        QVERIFY(WidgetShot::isNear(faceOf(button), kUpFace));

        button.setDown(true);
        QVERIFY(WidgetShot::isNear(faceOf(button), kDownFace));
        button.setDown(false);

        button.setCheckable(true);
        button.setChecked(true);
        QVERIFY(WidgetShot::isNear(faceOf(button), kDownFace));
        button.setChecked(false);

        button.setEnabled(false);
        QVERIFY(WidgetShot::isNear(faceOf(button), kDimFace));
        WidgetShot::saveForReview(WidgetShot::grab(&button), QStringLiteral("BaseButton_bar_disabled"));
        QCOMPARE(WidgetShot::textProblems(&button), QString());
        button.setEnabled(true);

        // The button bar has no lit images: lit, it draws nothing.
        button.setLight(true);
        const QImage lit = WidgetShot::grab(&button);
        QVERIFY(WidgetShot::isTransparent(lit, lit.rect()));
    }

    void litKeysUseTheirLitImages()
    {
        BaseButton key(window(), BaseButton::KEYPAD_1);
        key.show();
        const QColor normal = faceOf(key);
        key.setLight(true);
        const QColor lit = faceOf(key);
        QVERIFY(lit.lightness() > normal.lightness() + 30);
        key.setDown(true);
        const QColor litDown = faceOf(key);
        QVERIFY(!WidgetShot::isNear(litDown, lit, 10));
        QVERIFY(litDown.blue() > litDown.red());
    }

    void skinsAreSharedAndCounted()
    {
        const ButtonSkinCache *cache = ButtonSkinCache::instance();
        const int type = BaseButton::DATETIME_WIDE;
        QCOMPARE(cache->useCount(type), 0u);
        QVERIFY(!cache->contains(type));

        // More live buttons than an 8-bit count holds: the skin must stay.
        std::vector<std::unique_ptr<BaseButton>> buttons;
        for (int i = 0; i < 300; ++i)
            buttons.push_back(std::make_unique<BaseButton>(nullptr, type));
        QCOMPARE(cache->useCount(type), 300u);
        const qint64 shared = cache->skin(type)[ButtonSkinCache::Normal]->cacheKey();
        buttons.resize(1);
        QCOMPARE(cache->useCount(type), 1u);
        QVERIFY(cache->contains(type));
        QCOMPARE(cache->skin(type)[ButtonSkinCache::Normal]->cacheKey(), shared);
        QVERIFY(WidgetShot::isNear(faceOf(*buttons.front()), kUpFace));

        buttons.front()->setButtonType(BaseButton::DATETIME_WIDE);
        QCOMPARE(cache->useCount(type), 1u);
        buttons.clear();
        QCOMPARE(cache->useCount(type), 0u);
        QVERIFY(!cache->contains(type));

        // A later button of the type loads the skin afresh.
        BaseButton again(nullptr, type);
        QVERIFY(cache->contains(type));
        QVERIFY(!cache->skin(type)[ButtonSkinCache::Normal]->isNull());
    }

    void changingTypeMovesTheCount()
    {
        const ButtonSkinCache *cache = ButtonSkinCache::instance();
        BaseButton button(nullptr, BaseButton::EN54_LARGE);
        QCOMPARE(cache->useCount(BaseButton::EN54_LARGE), 1u);
        button.setButtonType(BaseButton::EN54_SMALL);
        QCOMPARE(cache->useCount(BaseButton::EN54_LARGE), 0u);
        QCOMPARE(cache->useCount(BaseButton::EN54_SMALL), 1u);
        QCOMPARE(button.size(), QSize(432, 80));
    }

    void badTypesAreRefused()
    {
        MessageCapture capture;
        BaseButton button(nullptr, 42);
        QCOMPARE(button.buttonType(), BaseButton::NUMERIC_BUTTON_1);
        QVERIFY(capture.contains(QStringLiteral("BaseButton::BaseButton: no such button type")));
        button.setButtonType(BaseButton::BUTTON_TYPE_COUNT);
        QCOMPARE(button.buttonType(), BaseButton::NUMERIC_BUTTON_1);
        QVERIFY(capture.contains(QStringLiteral("BaseButton::setButtonType: no such button type")));
        QVERIFY(button.setProperty("buttonType", QStringLiteral("POPUP_BUTTON")));
        QCOMPARE(button.buttonType(), BaseButton::POPUP_BUTTON);
    }

private:
    FakeClock m_clock;
};

QTEST_MAIN(tst_BaseButton)
#include "tst_basebutton.moc"
