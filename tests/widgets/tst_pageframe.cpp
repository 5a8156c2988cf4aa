#include "FakeClock.h"
#include "FakeHeaderSource.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90001A.h"
#include "widgets/AUK_90002.h"
#include "widgets/PaletteRepository.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

const QColor kBlue(44, 103, 174);
const QColor kYellow(255, 175, 40);
const QColor kRed(200, 0, 0);

// A screen that asks for YELLOW on panel activity, as one system-status
// screen does; the frame learns it only after the constructor, from the
// event loop.
class ActivityScreen final : public AUK_90001A
{
    Q_OBJECT

public:
    explicit ActivityScreen(QWidget *parent)
        : AUK_90001A(parent)
    {
        m_yellowOnPanelActivity = true;
    }
};

// A stand-in for an info pane: the frame finds panes by class name.
class AUK_90004Base final : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

QImage imageOf(const QLabel *label)
{
    return label->pixmap(Qt::ReturnByValue).toImage();
}

QImage icon(const QString &name)
{
    return QPixmap(QStringLiteral("../resources/icons/") + name).toImage();
}

} // namespace

// The page frame and its live header: layout, colours, texts, indicators,
// status icons and their blinking, the countdown and the icon-button grid.
class tst_PageFrame : public WidgetTest
{
    Q_OBJECT

private:
    FakeClock m_clock;
    std::unique_ptr<FakeHeaderSource> m_source;

    template <typename T> static T *part(QWidget &page, const char *name)
    {
        return page.findChild<T *>(QLatin1String(name));
    }

private slots:
    void init() { m_source = std::make_unique<FakeHeaderSource>(); }
    void cleanup() { m_source.reset(); }

    void freshFrameIsRedWithoutIcon()
    {
        AUK_90001 frame(window());
        frame.setIconRedFlavour(QPixmap(8, 8));
        QCOMPARE(frame.flavour(), AUK_90001::RED);
        QVERIFY(part<QLabel>(frame, "headerIcon")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(frame.objectName(), QStringLiteral("AUK_90001"));
        QCOMPARE(frame.size(), QSize(640, 480));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("header") << "headerBar" << QRect(0, 0, 640, 36);
        QTest::newRow("shadow") << "headerShadow" << QRect(0, 36, 640, 6);
        QTest::newRow("footer") << "footerBar" << QRect(0, 450, 640, 30);
        QTest::newRow("time") << "footerTime" << QRect(575, 0, 55, 30);
        QTest::newRow("date") << "footerDate" << QRect(10, 0, 190, 30);
        QTest::newRow("user text") << "footerLogo" << QRect(210, 0, 210, 30);
        QTest::newRow("touch") << "touchIndicator" << QRect(540, 0, 36, 30);
        QTest::newRow("usb") << "usbIndicator" << QRect(422, 0, 36, 30);
        QTest::newRow("icon") << "headerIcon" << QRect(14, 0, 36, 36);
        QTest::newRow("title") << "headerTitle" << QRect(54, 0, 580, 36);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        AUK_90001A page(window());
        QCOMPARE(page.findChild<QWidget *>(name)->geometry(), rect);
    }

    void shadowFadesFromMidGrey()
    {
        AUK_90001A page(window());
        const QImage shot = WidgetShot::grab(&page);
        QVERIFY(WidgetShot::isNear(WidgetShot::colourAt(shot, {300, 36}), QColor(125, 125, 125), 12));
        QVERIFY(WidgetShot::isNear(WidgetShot::colourAt(shot, {300, 41}), PaletteRepository::lightGrey(), 20));
        QVERIFY(WidgetShot::isNear(WidgetShot::colourAt(shot, {300, 200}), PaletteRepository::lightGrey(), 0));
    }

    void alignmentFollowsTextDirection_data()
    {
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<int>("side");
        QTest::newRow("left to right") << false << int(Qt::AlignLeft);
        QTest::newRow("right to left") << true << int(Qt::AlignRight);
    }

    void alignmentFollowsTextDirection()
    {
        QFETCH(bool, rightToLeft);
        QFETCH(int, side);
        Page::setRightToLeft(rightToLeft);
        AUK_90001A page(window());
        Page::setRightToLeft(!rightToLeft);
        const Qt::Alignment expected = Qt::Alignment(side) | Qt::AlignVCenter;
        QCOMPARE(part<QLabel>(page, "headerTitle")->alignment(), expected);
        QCOMPARE(part<QLabel>(page, "footerDate")->alignment(), expected);
        // A page built earlier keeps its alignment until it refreshes it.
        page.updateTextAlignment();
        QVERIFY(part<QLabel>(page, "headerTitle")->alignment() != expected);
        Page::setRightToLeft(false);
    }

    void flavourDecision_data()
    {
        QTest::addColumn<bool>("linkUp");
        QTest::addColumn<bool>("e30");
        QTest::addColumn<int>("banner");
        QTest::addColumn<bool>("activityScreen");
        QTest::addColumn<int>("fixed"); // -1 none
        QTest::addColumn<QColor>("colour");
        QTest::newRow("link up, normal") << true << false << 0 << false << -1 << kBlue;
        QTest::newRow("link up, fault") << true << false << 1 << false << -1 << kYellow;
        QTest::newRow("link up, fire") << true << false << 2 << false << -1 << kRed;
        QTest::newRow("link up, unknown banner") << true << false << 7 << false << -1 << kYellow;
        QTest::newRow("no link, fire") << false << false << 2 << false << -1 << kYellow;
        QTest::newRow("no link, normal") << false << false << 0 << false << -1 << kYellow;
        QTest::newRow("E30, fire") << false << true << 2 << false << -1 << kRed;
        QTest::newRow("E30, normal") << false << true << 0 << false << -1 << kYellow;
        QTest::newRow("activity, normal") << true << false << 0 << true << -1 << kYellow;
        QTest::newRow("activity, fire stays red") << true << false << 2 << true << -1 << kRed;
        QTest::newRow("fixed yellow over fire") << true << false << 2 << false << int(AUK_90001::YELLOW) << kYellow;
        QTest::newRow("fixed blue without link") << false << false << 0 << false << int(AUK_90001::BLUE) << kBlue;
    }

    void flavourDecision()
    {
        QFETCH(bool, linkUp);
        QFETCH(bool, e30);
        QFETCH(int, banner);
        QFETCH(bool, activityScreen);
        QFETCH(int, fixed);
        QFETCH(QColor, colour);
        m_source->linkUp = linkUp;
        m_source->e30 = e30;
        m_source->activity = true;
        std::unique_ptr<AUK_90001A> page(activityScreen ? new ActivityScreen(window()) : new AUK_90001A(window()));
        m_source->banner = banner;
        if (fixed >= 0)
            page->setFixedFlavour(1, static_cast<AUK_90001::Flavour>(fixed));
        // The queued second pass runs after the screen's constructor, and
        // the state change after it.
        QCoreApplication::processEvents();
        emit PageHeaderFeed::instance()->stateChanged();
        const QImage shot = WidgetShot::grab(page.get());
        QCOMPARE(WidgetShot::colourAt(shot, {5, 18}), colour);
        QCOMPARE(WidgetShot::colourAt(shot, {3, 465}), colour);
    }

    void fixedFlavourIsSetOnce()
    {
        AUK_90001A page(window());
        page.setFixedFlavour(1, AUK_90001::YELLOW);
        page.setFixedFlavour(1, AUK_90001::RED);
        QCOMPARE(page.flavour(), AUK_90001::YELLOW);
        page.setFixedFlavour(0, AUK_90001::RED);
        QCOMPARE(page.flavour(), AUK_90001::RED);
        page.updatePageStatus();
        QCOMPARE(page.flavour(), AUK_90001::BLUE);
    }

    void flavourOutsideTheListChangesNothing()
    {
        AUK_90001A page(window());
        const QPalette before = part<QWidget>(page, "headerBar")->palette();
        page.setFlavour(AUK_90001::ENDOFFLAVOURLIST);
        page.setFlavour(static_cast<AUK_90001::Flavour>(-1));
        QCOMPARE(page.flavour(), AUK_90001::BLUE);
        QCOMPARE(part<QWidget>(page, "headerBar")->palette(), before);
    }

    void headerIconFollowsFlavour()
    {
        AUK_90001A page(window());
        QPixmap blue(10, 10);
        blue.fill(Qt::blue);
        page.setIconBlueFlavour(blue);
        QVERIFY(part<QLabel>(page, "headerIcon")->pixmap(Qt::ReturnByValue).isNull());
        page.setFlavour(AUK_90001::BLUE);
        QCOMPARE(imageOf(part<QLabel>(page, "headerIcon")), blue.toImage());
    }

    void indicatorsByFlavour_data()
    {
        QTest::addColumn<int>("flavour");
        QTest::addColumn<QString>("touchUp");
        QTest::addColumn<QString>("touchDown");
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("usb");
        const QStringList white = {"AUK_80204_button_no_press_white.png", "AUK_80206_button_press_white.png",
                                   "AUK_80232_extinguish_release_white.png", "AUK_80238_extinguish_fault_yellow.png",
                                   "AUK_80295_USB_white.png"};
        QTest::newRow("blue") << int(AUK_90001::BLUE) << white[0] << white[1] << white[2] << white[3] << white[4];
        QTest::newRow("red") << int(AUK_90001::RED) << white[0] << white[1] << white[2] << white[3] << white[4];
        QTest::newRow("yellow") << int(AUK_90001::YELLOW) << "AUK_80203_button_no_press_grey.png"
                                << "AUK_80205_button_press_grey.png"
                                << "AUK_80230_extinguish_release_grey.png"
                                << "AUK_80231_extinguish_fault_grey.png"
                                << "AUK_80294_USB_grey.png";
    }

    void indicatorsByFlavour()
    {
        QFETCH(int, flavour);
        QFETCH(QString, touchUp);
        QFETCH(QString, touchDown);
        QFETCH(QString, release);
        QFETCH(QString, fault);
        QFETCH(QString, usb);
        AUK_90001A page(window());
        page.setFixedFlavour(1, static_cast<AUK_90001::Flavour>(flavour));
        QLabel *touch = part<QLabel>(page, "touchIndicator");
        QCOMPARE(imageOf(touch), icon(touchUp));
        emit PageHeaderFeed::instance()->touchscreenPressed();
        QCOMPARE(imageOf(touch), icon(touchDown));
        emit PageHeaderFeed::instance()->touchscreenReleased();
        QCOMPARE(imageOf(touch), icon(touchUp));

        QVERIFY(imageOf(part<QLabel>(page, "usbIndicator")).isNull());
        QVERIFY(imageOf(part<QLabel>(page, "extinguishReleaseIndicator")).isNull());
        PageHeaderFeed::instance()->setStickPresent(true);
        emit PageHeaderFeed::instance()->footerIconChanged(0, true);
        emit PageHeaderFeed::instance()->footerIconChanged(1, true);
        QCOMPARE(imageOf(part<QLabel>(page, "usbIndicator")), icon(usb));
        QCOMPARE(imageOf(part<QLabel>(page, "extinguishReleaseIndicator")), icon(release));
        QCOMPARE(imageOf(part<QLabel>(page, "extinguishFaultIndicator")), icon(fault));

        // A page built while the stick is in shows it at once.
        AUK_90001A later(window());
        later.setFixedFlavour(1, static_cast<AUK_90001::Flavour>(flavour));
        QCOMPARE(imageOf(part<QLabel>(later, "usbIndicator")), icon(usb));
        PageHeaderFeed::instance()->setStickPresent(false);
        QVERIFY(imageOf(part<QLabel>(later, "usbIndicator")).isNull());
    }

    void footerIconsFollowTheControllerOnUpdate()
    {
        m_source->footer = {true, false};
        AUK_90001A page(window());
        QVERIFY(!imageOf(part<QLabel>(page, "extinguishReleaseIndicator")).isNull());
        QVERIFY(imageOf(part<QLabel>(page, "extinguishFaultIndicator")).isNull());
        m_source->footer = {false, true};
        emit PageHeaderFeed::instance()->statusIconsUpdated();
        QVERIFY(imageOf(part<QLabel>(page, "extinguishReleaseIndicator")).isNull());
        QVERIFY(!imageOf(part<QLabel>(page, "extinguishFaultIndicator")).isNull());
    }

    void titles_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("title");
        QTest::newRow("0") << 0 << "";
        QTest::newRow("1") << 1 << "_ADVANCED_STATS_HDR";
        QTest::newRow("19") << 19 << "_MAIN_MENU_HDR";
        QTest::newRow("67") << 67 << "_VIEW_FIRES_HDR";
        QTest::newRow("68") << 68 << "";
        QTest::newRow("69") << 69 << "";
    }

    void titles()
    {
        QFETCH(int, id);
        QFETCH(QString, title);
        AUK_90001A page(window());
        page.setTitle(QStringLiteral("old"));
        page.setTitleById(id);
        QCOMPARE(page.title(), title);
        QCOMPARE(page.property("title").toString(), title);
    }

    void userTexts_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("brand");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << 0 << "";
        QTest::newRow("2") << 2 << 0 << "_CUSTOMER_1_INFOTEXT";
        QTest::newRow("7, brand 1") << 7 << 1 << "_USER_INFOTEXT";
        QTest::newRow("7, other brand") << 7 << 0 << "_CUSTOMER_6_INFOTEXT";
        QTest::newRow("13, brand 1") << 13 << 1 << "_ENGINEER_INFOTEXT";
        QTest::newRow("13, other brand") << 13 << 2 << "_ENGINEER_3_INFOTEXT";
        QTest::newRow("14") << 14 << 1 << "_COMMISSIONING_INFOTEXT";
        QTest::newRow("15") << 15 << 1 << "";
    }

    void userTexts()
    {
        QFETCH(int, level);
        QFETCH(int, brand);
        QFETCH(QString, text);
        m_source->brandId = brand;
        m_source->level = level;
        AUK_90001A page(window());
        QCOMPARE(part<QLabel>(page, "footerLogo")->text(), text);
    }

    void iconGrid_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<QPoint>>("places");
        QTest::newRow("1") << 1 << QList<QPoint>{{22, 154}};
        QTest::newRow("3") << 3 << QList<QPoint>{{22, 154}, {160, 154}, {298, 154}};
        QTest::newRow("4") << 4 << QList<QPoint>{{22, 84}, {160, 84}, {22, 224}, {160, 224}};
        QTest::newRow("5") << 5 << QList<QPoint>{{22, 84}, {160, 84}, {298, 84}, {22, 224}, {160, 224}};
        QTest::newRow("6") << 6 << QList<QPoint>{{22, 84}, {160, 84}, {298, 84}, {22, 224}, {160, 224}, {298, 224}};
        QTest::newRow("7") << 7 << QList<QPoint>{{22, 84},  {160, 84},  {298, 84}, {436, 84},
                                                 {22, 224}, {160, 224}, {298, 224}};
        QTest::newRow("8") << 8 << QList<QPoint>{{22, 84},  {160, 84},  {298, 84},  {436, 84},
                                                 {22, 224}, {160, 224}, {298, 224}, {436, 224}};
    }

    void iconGrid()
    {
        QFETCH(int, count);
        QFETCH(QList<QPoint>, places);
        AUK_90001A page(window());
        auto *hidden = new AUK_90002(&page);
        hidden->move(5, 5);
        hidden->hide();
        QList<AUK_90002 *> buttons;
        for (int i = 0; i < count; ++i)
            buttons << new AUK_90002(&page);
        auto *pane = new AUK_90004Base(&page);
        auto *secondPane = new AUK_90004Base(&page);
        secondPane->move(1, 2);
        page.arrangeIconButtons();
        for (int i = 0; i < count; ++i)
            QCOMPARE(buttons[i]->pos(), places[i]);
        QCOMPARE(hidden->pos(), QPoint(5, 5));
        QCOMPARE(pane->pos(), QPoint(429, 43));
        QCOMPARE(secondPane->pos(), QPoint(1, 2));
    }

    void countdown_data()
    {
        QTest::addColumn<int>("mins");
        QTest::addColumn<int>("secs");
        QTest::addColumn<QString>("text");
        QTest::newRow("0:00 hides") << 0 << 0 << "";
        QTest::newRow("1 min 65 s") << 1 << 65 << "02:05";
        QTest::newRow("9 s") << 0 << 9 << "00:09";
        QTest::newRow("2 min") << 2 << 0 << "02:00";
    }

    void countdown()
    {
        QFETCH(int, mins);
        QFETCH(int, secs);
        QFETCH(QString, text);
        m_source->icons[0] = true;
        AUK_90001A page(window());
        page.invDelayStartedTimer();
        emit InvestigateDelayTimer::instance()->investigateDelayTimeTick(mins, secs, eDlyContext1);
        const bool shown = !text.isEmpty();
        QCOMPARE(page.invDelayTime(), text);
        QCOMPARE(part<QLabel>(page, "invDelayTime")->isVisibleTo(&page), shown);
        const int edge = shown ? 575 : 633;
        QCOMPARE(part<QWidget>(page, "statusIcons")->geometry().right(), edge);
        QCOMPARE(part<QWidget>(page, "headerTitle")->geometry().right(), edge);
        if (shown)
            QCOMPARE(part<QWidget>(page, "invDelayTime")->geometry(), QRect(576, 0, 64, 36));
        emit InvestigateDelayTimer::instance()->investigateDelayFinished();
        QVERIFY(!part<QLabel>(page, "invDelayTime")->isVisibleTo(&page));
    }

    void statusIconsLineUpFromTheRight()
    {
        m_source->icons[0] = true;
        m_source->icons[4] = true;
        m_source->icons[8] = true;
        AUK_90001A page(window());
        QList<QLabel *> shown;
        for (QLabel *label : part<QWidget>(page, "statusIcons")->findChildren<QLabel *>())
            shown << label;
        QCOMPARE(shown.size(), 3);
        const QWidget *icons = part<QWidget>(page, "statusIcons");
        QCOMPARE(icons->geometry().left(), 634 - 3 * 26);
        QCOMPARE(icons->geometry().right(), 633);
        // Login (0) is rightmost, then walk test, then incompatible.
        for (QLabel *label : shown)
            QCOMPARE(label->width(), 26);
        const QImage shot = WidgetShot::grab(&page);
        for (int x : {620, 594, 568})
            QVERIFY2(WidgetShot::fractionNear(shot, QRect(x - 8, 8, 16, 20), QColor(255, 255, 255)) > 0.05,
                     qPrintable(QString::number(x)));
        QVERIFY(WidgetShot::fractionNear(shot, QRect(500, 8, 40, 20), QColor(255, 255, 255)) < 0.01);

        m_source->icons[4] = false;
        emit PageHeaderFeed::instance()->statusIconChanged(4, false);
        QCOMPARE(part<QWidget>(page, "statusIcons")->findChildren<QLabel *>().size(), 2);
        QCOMPARE(icons->geometry().left(), 634 - 2 * 26);
    }

    void blinking()
    {
        m_source->icons = {true, true, true};
        m_source->modes = {PageHeaderFeed::SlowFlash, PageHeaderFeed::FastFlash, PageHeaderFeed::Steady};
        AUK_90001A page(window());
        const auto opacity = [&page](int icon) -> double {
            const QList<QLabel *> labels =
                page.findChild<QWidget *>(QStringLiteral("statusIcons"))->findChildren<QLabel *>();
            // Rebuilt in index order, so the labels' creation order is the
            // icons'.
            auto *effect = qobject_cast<QGraphicsOpacityEffect *>(labels.at(icon)->graphicsEffect());
            return effect ? effect->opacity() : 1.0;
        };
        QCOMPARE(opacity(0), 1.0);
        QCOMPARE(opacity(1), 1.0);
        QVector<QVector<double>> seen;
        for (int step = 0; step < 8; ++step) {
            m_clock.advance(250);
            seen.append({opacity(0), opacity(1), opacity(2)});
        }
        const QVector<QVector<double>> expected = {
            {1.0, 0.1, 1.0}, {0.1, 1.0, 1.0}, {0.1, 0.1, 1.0}, {1.0, 1.0, 1.0},
            {1.0, 0.1, 1.0}, {0.1, 1.0, 1.0}, {0.1, 0.1, 1.0}, {1.0, 1.0, 1.0},
        };
        for (int step = 0; step < seen.size(); ++step)
            for (int icon = 0; icon < 3; ++icon)
                QVERIFY2(qFuzzyCompare(seen[step][icon], expected[step][icon]),
                         qPrintable(QStringLiteral("step %1 icon %2").arg(step).arg(icon)));

        // Back to steady: fully opaque, and the timers leave it alone.
        m_source->modes[0] = PageHeaderFeed::Steady;
        emit PageHeaderFeed::instance()->statusIconSlowFlashChanged(0, true);
        for (int step = 0; step < 4; ++step) {
            m_clock.advance(250);
            QCOMPARE(opacity(0), 1.0);
        }
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("banner");
        QTest::addColumn<QString>("name");
        QTest::newRow("blue") << 0 << "AUK_90001A_blue";
        QTest::newRow("yellow") << 1 << "AUK_90001A_yellow";
        QTest::newRow("red") << 2 << "AUK_90001A_red";
    }

    void screenshots()
    {
        QFETCH(int, banner);
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_source->banner = banner;
        m_source->level = 11;
        m_source->icons = {true, false, true, false, true};
        m_source->footer = {true, true};
        PageHeaderFeed::instance()->setStickPresent(true);
        AUK_90001A page(window());
        page.setIconBlueFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80145_no_faults.png")));
        page.setIconYellowFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80145_no_faults.png")));
        page.setIconRedFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80145_no_faults.png")));
        page.setTitleById(19);
        page.updatePageStatus();
        emit InvestigateDelayTimer::instance()->investigateDelayTimeTick(1, 65, eDlyContext1);
        page.show();
        const QImage shot = WidgetShot::grab(&page);
        PageHeaderFeed::instance()->setStickPresent(false);
        QVERIFY(page.title() != QStringLiteral("_MAIN_MENU_HDR"));
        QCOMPARE(page.invDelayTime(), QStringLiteral("02:05"));
        // Countdown text over the header colour.
        QVERIFY(WidgetShot::fractionNear(shot, QRect(580, 8, 56, 20), WidgetShot::colourAt(shot, {5, 18})) < 0.97);
        WidgetShot::saveForReview(shot, name);
        QCOMPARE(WidgetShot::textProblems(&page), QString());
    }
};

QTEST_MAIN(tst_PageFrame)
#include "tst_pageframe.moc"
