#include "AnimationClock.h"
#include "ArtworkDir.h"
#include "FakeClock.h"
#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "ZoneMapSite.h"
#include "app/PageStack.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "screens/control/AUK_30092.h"
#include "widgets/AUK_90011.h"

#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

constexpr int LogicalZonesBucket = 9;

// One fixture file: "name" a 40 x 30 image, "name:WxH" an image of that
// size, "name:WxH:bytes" one padded to that length, "name:text" no image.
QFileInfo addFixture(ZoneMapSite &site, const QString &folder, const QString &description)
{
    const QStringList parts = description.split(QLatin1Char(':'));
    if (parts.value(1) == QLatin1String("text"))
        return site.addFile(folder, parts.at(0), "not an image");
    QSize size(40, 30);
    if (parts.size() > 1) {
        const QStringList sides = parts.at(1).split(QLatin1Char('x'));
        size = QSize(sides.at(0).toInt(), sides.at(1).toInt());
    }
    return site.addImage(folder, parts.at(0), size, parts.value(2).toLongLong());
}

AUK_90011 *viewerOf(const AUK_30092 *page)
{
    return page->findChild<AUK_90011 *>(QStringLiteral("imageViewer"));
}

QListView *listOf(const AUK_30092 *page)
{
    return viewerOf(page)->findChild<QListView *>(QStringLiteral("list"));
}

QString counterOf(const AUK_30092 *page)
{
    return viewerOf(page)->findChild<QLabel *>(QStringLiteral("counter"))->text();
}

bool arrowShown(const AUK_30092 *page, const char *name)
{
    const AUK_90011 *viewer = viewerOf(page);
    return viewer->findChild<QWidget *>(QLatin1String(name))->isVisibleTo(viewer);
}

// The image the one card shows; null when the card is empty.
QPixmap shownImage(const AUK_30092 *page)
{
    const QAbstractItemModel *model = listOf(page)->model();
    if (!model || model->rowCount() == 0)
        return QPixmap();
    return model->index(0, 0).data(Qt::DecorationRole).value<QPixmap>();
}

// The image's name as the caption gives it after the dash; empty without
// a caption.
QString captionedName(const AUK_30092 *page)
{
    return viewerOf(page)->title().section(QStringLiteral(" - "), 1);
}

void drag(AUK_30092 *page, int fromX, int toX)
{
    QWidget *viewport = listOf(page)->viewport();
    const int y = viewport->height() / 2;
    const auto send = [viewport, y](QEvent::Type type, int x, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPoint(x, y), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, fromX, Qt::LeftButton);
    if (toX != fromX)
        send(QEvent::MouseMove, toX, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, toX, Qt::NoButton);
}

} // namespace

// The zone maps of a zone in fire: which files the page lists and shows,
// how it scales them, its ends, its captions and the swipes.
class tst_ZoneMapViewer : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<ZoneMapSite> m_site;

    // Three images a, b and c handed over by the opener.
    std::unique_ptr<AUK_30092> threeImages()
    {
        QList<QFileInfo> images;
        for (const char *name : {"a.png", "b.png", "c.png"})
            images << m_site->addImage(QStringLiteral("handed"), QLatin1String(name), QSize(40, 30));
        return std::make_unique<AUK_30092>(2, 15, false, images, window());
    }

private slots:
    void init()
    {
        m_site = std::make_unique<ZoneMapSite>();
        QVERIFY(m_site->isValid());
    }

    void cleanup()
    {
        TeskGlobalConfig::instance()->setLogicalZones(false);
        m_site.reset();
    }

    void images_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("handedOver");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("empty folder") << "panel2/zone15" << QStringList{} << false << QStringList{};
        QTest::newRow("another zone's folder") << "panel2/zone1" << QStringList{"a.png"} << false << QStringList{};
        QTest::newRow("another panel's folder") << "panel3/zone15" << QStringList{"a.png"} << false << QStringList{};
        QTest::newRow("600000-byte file left out")
            << "panel2/zone15" << QStringList{"big.png:40x30:600000", "small.png"} << false << QStringList{"small"};
        QTest::newRow("512000 bytes at most")
            << "panel2/zone15" << QStringList{"edge.png:40x30:512000", "over.png:40x30:512001"} << false
            << QStringList{"edge"};
        QTest::newRow("name order, capitals first")
            << "panel2/zone15" << QStringList{"b.png", "a.png", "C.png"} << false << QStringList{"C", "a", "b"};
        QTest::newRow("image formats only")
            << "panel2/zone15" << QStringList{"notes.txt", "map.png", "sub/inner.png"} << false << QStringList{"map"};
        QTest::newRow("a file with an image name that is no image")
            << "panel2/zone15" << QStringList{"broken.png:text", "map.png"} << false << QStringList{"", "map"};
        QTest::newRow("handed over: a 600000-byte file counts but shows nothing")
            << "handed" << QStringList{"small.png", "big.png:40x30:600000"} << true << QStringList{"small", ""};
        QTest::newRow("handed over: the opener's order")
            << "handed" << QStringList{"b.png", "a.png"} << true << QStringList{"b", "a"};
    }

    // Steps through every image; an empty card has no caption.
    void images()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(bool, handedOver);
        QFETCH(QStringList, shown);
        QVERIFY(QDir().mkpath(QStringLiteral("../resources/zonemaps/panel2/zone15")));
        QList<QFileInfo> handed;
        for (const QString &file : files) {
            const QFileInfo written = addFixture(*m_site, folder, file);
            QVERIFY2(written.exists(), qPrintable(file));
            if (!file.endsWith(QLatin1String(":text")))
                QVERIFY2(!QImage(written.absoluteFilePath()).isNull(), qPrintable(file));
            handed << written;
        }
        AUK_30092 page(2, 15, false, handedOver ? handed : QList<QFileInfo>(), window());
        QCOMPARE(viewerOf(&page)->totalCount(), shown.size());
        QStringList walked;
        for (int image = 0; image < shown.size(); ++image) {
            if (image > 0)
                page.scrollNextImage();
            QCOMPARE(counterOf(&page), QStringLiteral("%1/%2")
                                           .arg(image + 1, 3, 10, QLatin1Char('0'))
                                           .arg(shown.size(), 3, 10, QLatin1Char('0')));
            QCOMPARE(shownImage(&page).isNull(), captionedName(&page).isEmpty());
            walked << captionedName(&page);
        }
        QCOMPARE(walked, shown);
        if (shown.isEmpty()) {
            QCOMPARE(counterOf(&page), QStringLiteral("000/000"));
            QCOMPARE(viewerOf(&page)->title(), QString());
            QVERIFY(shownImage(&page).isNull());
        }
    }

    void scaling_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("viewport");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("2000 x 1000 in 600 x 400") << QSize(2000, 1000) << QSize(600, 400) << QSize(600, 300);
        QTest::newRow("1000 x 2000 in 600 x 400") << QSize(1000, 2000) << QSize(600, 400) << QSize(200, 400);
        QTest::newRow("as large as the viewport") << QSize(600, 400) << QSize(600, 400) << QSize(600, 400);
        QTest::newRow("smaller is not enlarged") << QSize(300, 200) << QSize(600, 400) << QSize(300, 200);
        QTest::newRow("only too high") << QSize(500, 800) << QSize(600, 400) << QSize(250, 400);
        // The page's own view: 618 x 347.
        QTest::newRow("2000 x 1000 in the page's view") << QSize(2000, 1000) << QSize() << QSize(618, 309);
    }

    // The second image, loaded after the viewport took its size.
    void scaling()
    {
        QFETCH(QSize, image);
        QFETCH(QSize, viewport);
        QFETCH(QSize, shown);
        const QList<QFileInfo> images{m_site->addImage(QStringLiteral("handed"), QStringLiteral("first.png"), {8, 8}),
                                      m_site->addImage(QStringLiteral("handed"), QStringLiteral("map.png"), image)};
        AUK_30092 page(1, 1, false, images, window());
        page.show();
        QCOMPARE(listOf(&page)->size(), QSize(618, 347));
        if (viewport.isValid())
            listOf(&page)->resize(viewport);
        page.scrollNextImage();
        QCOMPARE(shownImage(&page).size(), shown);
        QCOMPARE(listOf(&page)->model()->index(0, 0).data(Qt::SizeHintRole).toSize(), listOf(&page)->size());
    }

    // A page built before it is shown lays its card out for the view it
    // will show in, and names the image at once.
    void builtBeforeShown()
    {
        const QList<QFileInfo> images{
            m_site->addImage(QStringLiteral("handed"), QStringLiteral("floor1.png"), QSize(2000, 1000))};
        QPointer<AUK_30092> page = new AUK_30092(0, 7, false, images, nullptr);
        QCOMPARE(shownImage(page).size(), QSize(618, 309));
        QCOMPARE(captionedName(page), QStringLiteral("floor1"));
        PageUnderPopups stack(window());
        QVERIFY(PageStack::instance()->push(page));
        QCOMPARE(listOf(page)->viewport()->size(), QSize(618, 347));
        // The view lays its items out from the event loop.
        QTRY_COMPARE(viewerOf(page)->centreItemRow(), 0);
    }

    void ends_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<bool>("backShown");
        QTest::addColumn<bool>("nextShown");
        QTest::newRow("at the start") << QStringList{} << "a"
                                      << "001/003" << false << true;
        QTest::newRow("back on the first") << QStringList{"back"} << "a"
                                           << "001/003" << false << true;
        QTest::newRow("next") << QStringList{"next"} << "b"
                              << "002/003" << true << true;
        QTest::newRow("to the last") << QStringList{"next", "next"} << "c"
                                     << "003/003" << true << false;
        QTest::newRow("next on the last") << QStringList{"next", "next", "next"} << "c"
                                          << "003/003" << true << false;
        QTest::newRow("there and back") << QStringList{"next", "next", "back"} << "b"
                                        << "002/003" << true << true;
    }

    // The card view's back and next keys.
    void ends()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, name);
        QFETCH(QString, counter);
        QFETCH(bool, backShown);
        QFETCH(bool, nextShown);
        const std::unique_ptr<AUK_30092> page = threeImages();
        for (const QString &step : steps) {
            if (step == QLatin1String("next"))
                emit viewerOf(page.get())->nextButtonClicked();
            else
                emit viewerOf(page.get())->backButtonClicked();
        }
        QCOMPARE(captionedName(page.get()), name);
        QCOMPARE(counterOf(page.get()), counter);
        QCOMPARE(arrowShown(page.get(), "backButton"), backShown);
        QCOMPARE(arrowShown(page.get(), "nextButton"), nextShown);
    }

    void captions_data()
    {
        QTest::addColumn<bool>("logicalZones");
        QTest::addColumn<bool>("useLogicalZone");
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("caption");
        QTest::newRow("panel and zone") << false << false << 3 << 7 << "_PANEL_9_CHAR 03 _ZONE_9_CHAR 007 - floor1";
        QTest::newRow("logical zone asked for but off")
            << false << true << 12 << 150 << "_PANEL_9_CHAR 12 _ZONE_9_CHAR 150 - floor1";
        QTest::newRow("panel 0: the zone alone") << false << false << 0 << 7 << "_ZONE_9_CHAR 007 - floor1";
        QTest::newRow("logical zone") << true << true << 2 << 15 << "_ZONE_9_CHAR 01234 - floor1";
        QTest::newRow("logical zones on, not asked for")
            << true << false << 0 << 7 << "_PANEL_9_CHAR 00 _ZONE_9_CHAR 007 - floor1";
    }

    void captions()
    {
        QFETCH(bool, logicalZones);
        QFETCH(bool, useLogicalZone);
        QFETCH(int, panel);
        QFETCH(int, zone);
        QFETCH(QString, caption);
        TeskGlobalConfig::instance()->setLogicalZones(logicalZones);
        BucketMaster::instance()->setValue(LogicalZonesBucket, QStringLiteral("2|15|1234"), QStringLiteral("1"));
        const QString folder = QStringLiteral("panel%1/zone%2").arg(panel).arg(zone);
        QVERIFY(m_site->addImage(folder, QStringLiteral("floor1.png"), QSize(40, 30)).exists());
        AUK_30092 page(quint8(panel), quint8(zone), useLogicalZone, {}, window());
        QCOMPARE(viewerOf(&page)->title(), caption);
    }

    void swipes_data()
    {
        QTest::addColumn<int>("startAt");
        QTest::addColumn<int>("fromX");
        QTest::addColumn<int>("toX");
        QTest::addColumn<QString>("name");
        // The finger going right pulls the previous image in.
        QTest::newRow("swipe back shows the previous") << 1 << 100 << 400 << "a";
        QTest::newRow("swipe back from the last") << 2 << 100 << 400 << "b";
        QTest::newRow("swipe on shows the next") << 0 << 400 << 100 << "b";
        QTest::newRow("swipe back on the first") << 0 << 100 << 400 << "a";
        QTest::newRow("swipe on at the last") << 2 << 400 << 100 << "c";
        QTest::newRow("a tap changes nothing") << 1 << 300 << 300 << "b";
    }

    void swipes()
    {
        QFETCH(int, startAt);
        QFETCH(int, fromX);
        QFETCH(int, toX);
        QFETCH(QString, name);
        FakeClock clock;
        AnimationClock animations;
        const std::unique_ptr<AUK_30092> page = threeImages();
        page->show();
        for (int step = 0; step < startAt; ++step)
            page->scrollNextImage();
        drag(page.get(), fromX, toX);
        QCOMPARE(captionedName(page.get()), name);
        animations.advance(1000);
        clock.advance(1000);
        QCOMPARE(captionedName(page.get()), name);
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The zone map the build paints, as an installer would put it in.
        QFile sample(ArtworkDir::buildResources() + QStringLiteral("/zonemaps/zone1/zone1_ground_floor.png"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QVERIFY(m_site->addFile(QStringLiteral("panel1/zone4"), QStringLiteral("ground_floor.png"), sample.readAll())
                    .exists());
        QVERIFY(m_site->addImage(QStringLiteral("panel1/zone4"), QStringLiteral("upper_floor.png"), QSize(600, 340))
                    .exists());
        PageUnderPopups stack(window());
        // The fires screen opens the page: a fire turns its header red.
        stack.source().banner = 2;
        QPointer<AUK_30092> page = new AUK_30092(1, 4, false, {}, nullptr);
        QVERIFY(PageStack::instance()->push(page));
        // The header takes its flavour's icon once the page is built, from
        // the event loop.
        QCoreApplication::processEvents();
        QCOMPARE(viewerOf(page)->title(), QStringLiteral("Panel 01 Zone 004 - ground_floor"));
        QCOMPARE(counterOf(page), QStringLiteral("001/002"));
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QStringLiteral("AUK_30092"));
        // The map's walls and detectors are drawn in the card.
        const QRect card(5 + 6 + 20, 36 + 50 + 20, 560, 300);
        QVERIFY(WidgetShot::fractionNear(image, card, WidgetShot::colourAt(image, card.topLeft())) < 0.95);
    }
};

QTEST_MAIN(tst_ZoneMapViewer)
#include "tst_zonemapviewer.moc"
