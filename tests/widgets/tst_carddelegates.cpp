#include "PaintRecorder.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90028.h"
#include "widgets/AUK_90056.h"
#include "widgets/AUK_90057.h"
#include "widgets/AUK_90063.h"
#include "widgets/AUK_90064.h"
#include "widgets/AutoConfigDelegate.h"
#include "widgets/AutoTestSoundersDelegate.h"
#include "widgets/DeviceDatesCardDelegate.h"
#include "widgets/LoopScanListDelegate.h"
#include "widgets/PaletteRepository.h"
#include "widgets/PointsSettingsModInsDelegate.h"
#include "widgets/SystemStatusListDelegate.h"
#include "widgets/SystemStatusNetworkListDelegate.h"

#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QSize kCanvas(520, 300);
const QString kInformation = QStringLiteral("Detector head dirty: replace it within 7 days");

// Every field any card reads, with a readable value.
QStandardItem *fixtureItem(int panel = 1)
{
    auto *item = new QStandardItem(QStringLiteral("North wing"));
    const QList<QPair<int, QVariant>> roles = {{33, panel},
                                               {56, "11/12/2026 07:42"},
                                               {57, "11/12/2026 07:30"},
                                               {58, "Zone 12"},
                                               {59, "Boiler room"},
                                               {60, "Smoke detector"},
                                               {62, "L1 A005"},
                                               {63, "Fire"},
                                               {64, kInformation},
                                               {73, "Not accepted"},
                                               {81, "Quiescent"},
                                               {176, "Panel 1"},
                                               {182, "21 C"},
                                               {183, "0.4 %"},
                                               {184, "12"},
                                               {105, "Healthy"},
                                               {106, "Loop 1"},
                                               {108, "01/2024"},
                                               {109, "01/2034"},
                                               {114, "Replace"},
                                               {115, "Due within a year"},
                                               {139, "02/2026"},
                                               {122, "Panel 1"},
                                               {123, "Silent"},
                                               {124, "Zone 12"},
                                               {125, "14"},
                                               {126, "2"},
                                               {127, "0"},
                                               {128, "9"},
                                               {129, "8"},
                                               {130, "8"},
                                               {131, "1"},
                                               {135, "Audible"},
                                               {175, "Control panel"},
                                               {148, "Good"},
                                               {149, "Good"},
                                               {150, "Good"},
                                               {151, "Good"},
                                               {152, "Good"},
                                               {153, "Good"},
                                               {154, "Good"},
                                               {187, "12"},
                                               {188, "01:20:00"},
                                               {189, "4800"},
                                               {190, "4790"},
                                               {191, "10"},
                                               {192, "4800"},
                                               {193, "4788"},
                                               {194, "2"},
                                               {195, "1"},
                                               {196, "9"},
                                               {197, "0"},
                                               {198, "0"},
                                               {199, "0"},
                                               {200, "512"},
                                               {201, "3"},
                                               {116, "Boiler room east wall"},
                                               {118, "Heat detector"},
                                               {111, "Zone 3"},
                                               {117, "Insert"},
                                               {96, "No reply"},
                                               {61, "Smoke"},
                                               {77, "Off"},
                                               {78, "No"},
                                               {79, "No"},
                                               {82, "No"},
                                               {83, "No"},
                                               {85, "Smoke"},
                                               {86, "0.4 %"},
                                               {88, "Heat"},
                                               {89, "21 C"},
                                               {91, "CO"},
                                               {92, "3 ppm"},
                                               {94, "Light"},
                                               {95, "12 %"},
                                               {145, "02/2026"},
                                               {146, "Passed"}};
    for (const auto &role : roles)
        item->setData(role.second, role.first);
    return item;
}

void fill(QStandardItemModel &model, int cards, int panel = 1)
{
    model.clear();
    for (int card = 0; card < cards; ++card)
        model.appendRow(fixtureItem(panel));
}

void record(const QAbstractItemDelegate &delegate, const QModelIndex &index, PaintRecorder &recorder, int height = 264)
{
    QPainter painter(&recorder);
    QStyleOptionViewItem option;
    option.rect = QRect(QPoint(0, 0), QSize(520, height));
    delegate.paint(&painter, option, index);
}

QStringList textsIn(const PaintRecorder &recorder, const QRectF &region)
{
    QStringList texts;
    for (const PaintRecorder::Text &text : recorder.textsIn(region))
        texts << text.text;
    return texts;
}

QPointF frameCorner(const PaintRecorder &recorder)
{
    return recorder.pixmaps.isEmpty() ? QPointF(-1, -1) : recorder.pixmaps.first().target.topLeft();
}

} // namespace

class tst_CardDelegates : public WidgetTest
{
    Q_OBJECT

private slots:
    void init() { m_english = std::make_unique<EnglishTexts>(); }
    void cleanup() { m_english.reset(); }

    void fireCardRows_data()
    {
        QTest::addColumn<bool>("zoneView");
        QTest::addColumn<int>("panel");
        QTest::addColumn<bool>("logicalZones");
        QTest::addColumn<bool>("rbusMode");
        QTest::addColumn<qlonglong>("rbusValue");
        QTest::addColumn<QStringList>("titles");
        const QStringList all = {"Date/time", "Panel", "Zone", "Address", "Name", "Device", "Event", "Information"};
        QTest::newRow("single fire") << false << 1 << false << false << 0LL << all;
        QTest::newRow("no panel") << false << 0 << false << false << 0LL
                                  << QStringList{"Date/time", "Zone",  "Address",    "Name",
                                                 "Device",    "Event", "Information"};
        QTest::newRow("logical zones") << false << 1 << true << false << 0LL
                                       << QStringList{"Date/time", "Zone",  "Address",    "Name",
                                                      "Device",    "Event", "Information"};
        QTest::newRow("logical zones, bus, negative")
            << false << 1 << true << true << -1LL
            << QStringList{"Date/time", "Panel", "Zone", "Address", "Name", "Device", "Event"};
        QTest::newRow("logical zones, bus, positive")
            << false << 1 << true << true << 5LL
            << QStringList{"Date/time", "Zone", "Address", "Name", "Device", "Event"};
        QTest::newRow("zone view") << true << 1 << false << false << 0LL
                                   << QStringList{"Date/time", "Panel", "Zone", "Fires in zone", "Information"};
    }
    void fireCardRows()
    {
        QFETCH(bool, zoneView);
        QFETCH(int, panel);
        QFETCH(bool, logicalZones);
        QFETCH(bool, rbusMode);
        QFETCH(qlonglong, rbusValue);
        QFETCH(QStringList, titles);
        QStandardItemModel model;
        fill(model, 2, panel);
        model.item(0)->setData(rbusValue, 42);
        AUK_90028 delegate(nullptr, false, rbusMode, logicalZones, false);
        delegate.zoneView = zoneView;
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(textsIn(recorder, QRectF(90, 0, 150, 300)), titles);
        // Rows close up over a hidden one: the k-th shown row starts at
        // 33 + 26 k, below the time.
        const QList<PaintRecorder::Text> shown = recorder.textsIn(QRectF(90, 0, 150, 300));
        for (int k = 1; k < shown.size(); ++k)
            QVERIFY(qAbs(shown.at(k).box.top() - (33 + 26 * (k - 1))) <= 2);
        QCOMPARE(recorder.horizontalLines(), titles.size() - 1);
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
        const QStringList times = textsIn(recorder, QRectF(246, 0, 200, 30));
        QCOMPARE(times, QStringList{zoneView ? "11/12/2026 07:30" : "11/12/2026 07:42"});
    }

    void fireCardTitlesInTheZoneView_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("three") << 3 << QStringList{"Last fire", "Fire", "First fire"};
        QTest::newRow("one") << 1 << QStringList{"Last fire"};
    }
    void fireCardTitlesInTheZoneView()
    {
        QFETCH(int, cards);
        QFETCH(QStringList, titles);
        QStandardItemModel model;
        fill(model, cards);
        AUK_90028 delegate(nullptr, false, false, false, true);
        delegate.zoneView = true;
        QStringList shown;
        for (int row = 0; row < cards; ++row) {
            PaintRecorder recorder(kCanvas);
            record(delegate, model.index(row, 0), recorder);
            shown << textsIn(recorder, QRectF(0, 90, 90, 110)).join(QLatin1Char(' '));
        }
        QCOMPARE(shown, titles);
        delegate.zoneView = false;
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(textsIn(recorder, QRectF(0, 90, 90, 110)), QStringList{"Fire"});
        QVERIFY(recorder.textStrings().contains(QStringLiteral("Location")));
    }

    // Information texts break every 20 characters on the fire card and on
    // the event-log card alike.
    void informationInLinesOfTwenty()
    {
        QCOMPARE(kInformation.size(), 45);
        QStandardItemModel model;
        fill(model, 2);
        const AUK_90028 fire(nullptr, false, false, false, false);
        const AUK_90056 log(nullptr, false, false);
        const QList<QPair<const QAbstractItemDelegate *, QRectF>> cards = {{&fire, QRectF(246, 33 + 26 * 6, 200, 90)},
                                                                           {&log, QRectF(157, 7 + 26 * 7, 300, 90)}};
        for (const auto &card : cards) {
            PaintRecorder recorder(kCanvas);
            record(*card.first, model.index(0, 0), recorder);
            QCOMPARE(textsIn(recorder, card.second),
                     (QStringList{kInformation.left(20), kInformation.mid(20, 20), kInformation.mid(40)}));
        }
    }

    void titledRowCards_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("last");
        QTest::newRow("event log") << "AUK_90056" << 8 << "Information";
        QTest::newRow("event log, restricted") << "AUK_90056 hidden" << 7 << "Status";
        QTest::newRow("event log, bus") << "AUK_90056 bus" << 7 << "Status";
        QTest::newRow("point log") << "AUK_90063" << 9 << "Sensor C";
    }
    void titledRowCards()
    {
        QFETCH(QString, card);
        QFETCH(int, rows);
        QFETCH(QString, last);
        std::unique_ptr<RolesDelegate> delegate;
        if (card == QLatin1String("AUK_90063"))
            delegate = std::make_unique<AUK_90063>();
        else
            delegate = std::make_unique<AUK_90056>(nullptr, card.endsWith(QLatin1String("hidden")),
                                                   card.endsWith(QLatin1String("bus")));
        QStandardItemModel model;
        fill(model, 1);
        PaintRecorder recorder(kCanvas);
        record(*delegate, model.index(0, 0), recorder);
        const QStringList titles = textsIn(recorder, QRectF(0, 0, 156, 300));
        QCOMPARE(titles.size(), rows);
        QCOMPARE(titles.last(), last);
        QCOMPARE(recorder.horizontalLines(), rows - 1);
        QCOMPARE(frameCorner(recorder), QPointF(0, 0));
    }

    void walkTestCards_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("x");
        QTest::newRow("short, one card") << false << 1 << 9 << 23;
        QTest::newRow("full, two cards") << true << 2 << 10 << 0;
    }
    void walkTestCards()
    {
        QFETCH(bool, full);
        QFETCH(int, cards);
        QFETCH(int, rows);
        QFETCH(int, x);
        QStandardItemModel model;
        fill(model, cards);
        model.item(0)->setData(full, 134);
        const AUK_90057 delegate;
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(recorder.horizontalLines(), rows + 1);
        QCOMPARE(textsIn(recorder, QRectF(0, 0, x + 200, 300)).size(), rows);
        QCOMPARE(textsIn(recorder, QRectF(0, 0, 460, 300)).contains(QStringLiteral("Previous mode")), !full);
        QCOMPARE(frameCorner(recorder), QPointF(x, 0));
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
    }

    void statusCardsShiftWhenAlone_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("x");
        QTest::newRow("one") << 1 << 27;
        QTest::newRow("three") << 3 << 0;
    }
    void statusCardsShiftWhenAlone()
    {
        QFETCH(int, cards);
        QFETCH(int, x);
        QStandardItemModel model;
        fill(model, cards);
        const SystemStatusListDelegate delegate(true, false);
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(frameCorner(recorder), QPointF(x, 0));
        QCOMPARE(recorder.horizontalLines(), 10);
        // Three values of the input, three of the output, each split by two
        // lines, and the lines beside the analogue values and test date.
        QCOMPARE(recorder.verticalLines(), 2 + 2 + 4 + 1);
        QVERIFY(recorder.textStrings().contains(QStringLiteral("Heat")));
        QVERIFY(recorder.textStrings().contains(QStringLiteral("Passed")));
    }

    void networkCards_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("diagnostics");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("lines");
        QTest::newRow("region, diagnostics") << 1 << true << QStringList{"Region", "Name", "Address"} << 3;
        QTest::newRow("region") << 1 << false << QStringList{"Date/time", "Region", "Name",       "Address",
                                                             "Event",     "Status", "Information"}
                                << 6;
        QTest::newRow("panel, diagnostics")
            << 0 << true << QStringList{"Panel",      "Panel type", "Address", "Common", "Left port",
                                        "Right port", "Earth",      "Data",    "Ring",   "Network"}
            << 9;
    }
    void networkCards()
    {
        QFETCH(int, kind);
        QFETCH(bool, diagnostics);
        QFETCH(QStringList, titles);
        QFETCH(int, lines);
        QStandardItemModel model;
        fill(model, 2);
        const SystemStatusNetworkListDelegate delegate(kind, diagnostics, false, false);
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(textsIn(recorder, QRectF(0, 0, 130, 300)), titles);
        QCOMPARE(recorder.horizontalLines(), lines);
    }

    void rbusCards_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("texts");
        QTest::newRow("statistics") << 0 << 14 << 28;
        QTest::newRow("blocks") << 2 << 4 << 6;
        QTest::newRow("anything else") << 1 << 0 << 0;
    }
    void rbusCards()
    {
        QFETCH(int, kind);
        QFETCH(int, lines);
        QFETCH(int, texts);
        QStandardItemModel model;
        fill(model, 2);
        model.item(0)->setData(kind, 186);
        const AUK_90064 delegate;
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(recorder.horizontalLines(), lines);
        QCOMPARE(recorder.texts.size(), texts);
        QCOMPARE(recorder.pixmaps.size(), kind == 1 ? 0 : 1);
        if (kind == 0) {
            // The address stands on the first line beside the panel.
            QCOMPARE(textsIn(recorder, QRectF(220, 0, 300, 26)), (QStringList{"Address", "12"}));
        }
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
    }

    void toolCards_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("wrapped");
        QTest::newRow("sounders") << "AutoTestSoundersDelegate"
                                  << QStringList{"Zone", "Address", "Name", "Device", "Made", "Last test"} << "02/2026";
        QTest::newRow("device dates") << "DeviceDatesCardDelegate"
                                      << QStringList{"Zone",   "Address", "Name",    "Device",
                                                     "Action", "Made",    "Expires", "Information"}
                                      << "Due within a year";
    }
    void toolCards()
    {
        QFETCH(QString, card);
        QFETCH(QStringList, titles);
        QFETCH(QString, wrapped);
        std::unique_ptr<RolesDelegate> delegate;
        if (card == QLatin1String("AutoTestSoundersDelegate"))
            delegate = std::make_unique<AutoTestSoundersDelegate>();
        else
            delegate = std::make_unique<DeviceDatesCardDelegate>();
        QStandardItemModel model;
        fill(model, 2);
        PaintRecorder recorder(kCanvas);
        record(*delegate, model.index(0, 0), recorder);
        QCOMPARE(textsIn(recorder, QRectF(0, 0, 150, 300)), titles);
        QCOMPARE(recorder.horizontalLines(), 8);
        // The last value starts at the top of its taller cell.
        const int last = titles.size() - 1;
        const QList<PaintRecorder::Text> values = recorder.textsIn(QRectF(162, 24 + 25 * last, 300, 80));
        QCOMPARE(values.first().text, wrapped);
        QVERIFY(values.first().box.top() < 27 + 25 * last + 2);
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
    }

    void loopScanCards()
    {
        QStandardItemModel model;
        fill(model, 2);
        const LoopScanListDelegate delegate;
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(textsIn(recorder, QRectF(0, 0, 130, 300)),
                 (QStringList{"Date/time", "Loop", "Loop status", "Zone", "Address", "Name", "Device"}));
    }

    void pointSettingsNameLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("deviceTop");
        QTest::newRow("27 characters") << "Boiler room east wall north"
                                       << QStringList{"Boiler room east wal", "l north"} << 24 + 25 * 6;
        QTest::newRow("short") << "Boiler room" << QStringList{"Boiler room"} << 24 + 25 * 5;
    }
    void pointSettingsNameLines()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        QFETCH(int, deviceTop);
        QStandardItemModel model;
        fill(model, 1);
        model.item(0)->setData(name, 116);
        const PointsSettingsModInsDelegate delegate;
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 460, 264);
        QCOMPARE(delegate.sizeHint(option, model.index(0, 0)), QSize(447, 264));
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(frameCorner(recorder), QPointF(27, 0));
        QCOMPARE(textsIn(recorder, QRectF(0, 99, 460, 50)), lines);
        QCOMPARE(textsIn(recorder, QRectF(0, deviceTop, 460, 25)), QStringList{"Heat detector"});
    }

    void autoConfigEdges_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("width");
        QTest::newRow("first") << 0 << 23 << 443;
        QTest::newRow("middle") << 1 << 0 << 420;
        QTest::newRow("last") << 2 << 0 << 443;
    }
    void autoConfigEdges()
    {
        QFETCH(int, row);
        QFETCH(int, x);
        QFETCH(int, width);
        QStandardItemModel model;
        fill(model, 3);
        const AutoConfigDelegate delegate;
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 460, 280);
        QCOMPARE(delegate.sizeHint(option, model.index(row, 0)), QSize(width, 280));
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(row, 0), recorder, 280);
        // The card stands in the middle of the row's height.
        const int frameHeight = QPixmap(QStringLiteral("../resources/Frames/AUK_80156_Event_info_card.png")).height();
        QVERIFY(frameHeight > 0);
        QCOMPARE(frameCorner(recorder), QPointF(x, (280 - frameHeight) / 2));
        QCOMPARE(recorder.horizontalLines(), 11);
        QCOMPARE(textsIn(recorder, QRectF(0, 0, 131 + x, 300)),
                 (QStringList{"Zone", "Address", "Name", "Device", "Errors"}));
        QVERIFY(recorder.textStrings().contains(QStringLiteral("No reply")));
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"AUK_90028", "AUK_90056", "AUK_90057", "AUK_90063", "AUK_90064", "SystemStatusListDelegate",
              "SystemStatusNetworkListDelegate", "AutoTestSoundersDelegate", "DeviceDatesCardDelegate",
              "LoopScanListDelegate", "PointsSettingsModInsDelegate", "AutoConfigDelegate"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void screenshots()
    {
        QFETCH(QString, name);
        const QHash<QString, std::function<QAbstractItemDelegate *()>> makers = {
            {"AUK_90028", [] { return new AUK_90028(nullptr, false, false, false, false); }},
            {"AUK_90056", [] { return new AUK_90056(nullptr, false, false); }},
            {"AUK_90057", [] { return new AUK_90057; }},
            {"AUK_90063", [] { return new AUK_90063; }},
            {"AUK_90064", [] { return new AUK_90064; }},
            {"SystemStatusListDelegate", [] { return new SystemStatusListDelegate(true, false); }},
            {"SystemStatusNetworkListDelegate",
             [] { return new SystemStatusNetworkListDelegate(0, true, false, false); }},
            {"AutoTestSoundersDelegate", [] { return new AutoTestSoundersDelegate; }},
            {"DeviceDatesCardDelegate", [] { return new DeviceDatesCardDelegate; }},
            {"LoopScanListDelegate", [] { return new LoopScanListDelegate; }},
            {"PointsSettingsModInsDelegate", [] { return new PointsSettingsModInsDelegate; }},
            {"AutoConfigDelegate", [] { return new AutoConfigDelegate; }}};
        const std::unique_ptr<QAbstractItemDelegate> delegate(makers.value(name)());
        QStandardItemModel model;
        fill(model, 3);
        const QModelIndex index = model.index(1, 0);
        PaintRecorder recorder(kCanvas);
        record(*delegate, index, recorder, 280);
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
        QImage image(520, 280, QImage::Format_ARGB32);
        image.fill(PaletteRepository::white());
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        delegate->paint(&painter, option, index);
        painter.end();
        QVERIFY(WidgetShot::fractionNear(image, QRect(20, 20, 380, 200), PaletteRepository::darkGrey(), 40) > 0.005);
        WidgetShot::saveForReview(image, name);
    }

private:
    std::unique_ptr<EnglishTexts> m_english;
};

QTEST_MAIN(tst_CardDelegates)
#include "tst_carddelegates.moc"
