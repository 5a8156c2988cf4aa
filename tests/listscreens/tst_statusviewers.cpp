#include "FakeClock.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "listscreens/DisablementsViewer.h"
#include "listscreens/FaultsViewer.h"
#include "listscreens/FireWarningsViewer.h"
#include "listscreens/ForcedOutputsViewer.h"
#include "listscreens/RadioRow.h"
#include "listscreens/TestSummaryViewer.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90022.h"
#include "widgets/AUK_90033.h"
#include "widgets/AUK_90057.h"
#include "widgets/FaultsListDelegate.h"
#include "widgets/PaletteRepository.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

enum Kind { Disablements, Faults, FireWarnings, ForcedOutputs, TestSummary };

std::unique_ptr<EventsSummaryViewer> makeViewer(Kind kind, QButtonGroup *group)
{
    const QString text = QStringLiteral("Events");
    switch (kind) {
    case Disablements:
        return std::make_unique<DisablementsViewer>(text, group, nullptr);
    case Faults:
        return std::make_unique<FaultsViewer>(text, group, nullptr);
    case FireWarnings:
        return std::make_unique<FireWarningsViewer>(text, group, nullptr);
    case ForcedOutputs:
        return std::make_unique<ForcedOutputsViewer>(text, group, nullptr);
    case TestSummary:
        break;
    }
    return std::make_unique<TestSummaryViewer>(text, group, nullptr);
}

void setGuiMode(int mode)
{
    // Each write is also sent to the front panel, which no test runs.
    if (SystemState::instance()->guiMode() == mode)
        return;
    SystemState::Configuration configuration;
    configuration.guiMode = mode;
    SystemState::instance()->writeEepromConfiguration(configuration, false);
}

AUK_90022 *cardViewOf(const StatusViewer &viewer)
{
    return qobject_cast<AUK_90022 *>(viewer.eventViewer());
}

RadioRow *rowOf(const StatusViewer &viewer)
{
    return viewer.eventViewer()->findChild<RadioRow *>(QStringLiteral("radioRow"));
}

// The object names of the radios the row shows, left to right.
QStringList shownRadios(const StatusViewer &viewer)
{
    const RadioRow *row = rowOf(viewer);
    if (!row)
        return {};
    QList<AUK_90003 *> radios = row->findChildren<AUK_90003 *>();
    std::sort(radios.begin(), radios.end(), [](const AUK_90003 *a, const AUK_90003 *b) { return a->x() < b->x(); });
    QStringList names;
    for (const AUK_90003 *radio : radios) {
        if (radio->isVisibleTo(row))
            names << radio->objectName();
    }
    return names;
}

AUK_90003 *radio(const StatusViewer &viewer, const char *name)
{
    if (auto *placed = viewer.eventViewer()->findChild<AUK_90003 *>(QLatin1String(name)))
        return placed;
    // Radios left out of the row have no parent; the tests keep one viewer
    // alive when they look for those.
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *loose = qobject_cast<AUK_90003 *>(top);
        if (loose && loose->objectName() == QLatin1String(name))
            return loose;
    }
    return nullptr;
}

// A page that takes in viewers as a multi-list screen does: the button into
// its column, the view into its stack, the view of the activated viewer
// shown.
class ViewerHost final : public QWidget
{
public:
    explicit ViewerHost(QWidget *parent)
        : QWidget(parent)
        , m_column(new QWidget(this))
        , m_columnLayout(new QVBoxLayout(m_column))
        , m_stack(new QStackedWidget(this))
    {
        resize(640, 386);
        setAutoFillBackground(true);
        QPalette shade = palette();
        shade.setColor(QPalette::Window, PaletteRepository::darkGrey());
        setPalette(shade);
        m_column->setGeometry(0, 38, 186, 342);
        m_columnLayout->setContentsMargins(0, 0, 0, 0);
        m_columnLayout->setSpacing(0);
        m_columnLayout->addStretch();
        m_stack->setGeometry(188, 38, 446, 346);
    }

    void add(StatusViewer *viewer)
    {
        m_columnLayout->insertWidget(m_columnLayout->count() - 1, viewer->button());
        m_stack->addWidget(viewer->eventViewer());
        QObject::connect(viewer, &StatusViewer::activated, m_stack,
                         [this, viewer] { m_stack->setCurrentWidget(viewer->eventViewer()); });
    }

    QButtonGroup group;

private:
    QWidget *m_column;
    QVBoxLayout *m_columnLayout;
    QStackedWidget *m_stack;
};

void addEvent(QStandardItemModel &model, const QString &event)
{
    auto *item = new QStandardItem;
    item->setData(QStringLiteral("11/12/2026 09:42"), 56);
    item->setData(QStringLiteral("Zone 12"), 58);
    item->setData(QStringLiteral("L1 A005"), 62);
    item->setData(QStringLiteral("Boiler room"), 59);
    item->setData(QStringLiteral("Smoke detector"), 60);
    item->setData(event, 63);
    item->setData(QStringLiteral("Not accepted"), 73);
    item->setData(1, 33);
    model.appendRow(item);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class tst_StatusViewers final : public WidgetTest
{
    Q_OBJECT

private slots:
    void init()
    {
        setGuiMode(0);
        TeskGlobalConfig::instance()->setAlarmAckEnabled(true);
    }

    void cleanupTestCase()
    {
        setGuiMode(0);
        TeskGlobalConfig::instance()->setAlarmAckEnabled(false);
    }

    void button_isTheViewersExclusiveChoice()
    {
        FakeClock clock;
        QButtonGroup group;
        ForcedOutputsViewer first(QStringLiteral("Forced"), &group, nullptr);
        FireWarningsViewer second(QStringLiteral("Warnings"), &group, nullptr);
        AUK_90033 *button = first.button();
        QCOMPARE(button->buttonLabel(), QStringLiteral("Forced"));
        QVERIFY(button->isCheckable());
        QVERIFY(button->autoExclusive());
        QCOMPARE(group.buttons(), (QList<QAbstractButton *>{first.button(), second.button()}));
        QCOMPARE(first.value(), 1);
        QCOMPARE(second.value(), 0);

        QSignalSpy firstActivated(&first, &StatusViewer::activated);
        QSignalSpy secondActivated(&second, &StatusViewer::activated);
        first.activate();
        QVERIFY(button->isChecked());
        QCOMPARE(firstActivated.size(), 1);
        QTest::mouseClick(second.button(), Qt::LeftButton);
        QCOMPARE(secondActivated.size(), 1);
        QVERIFY(second.button()->isChecked());
        QVERIFY(!button->isChecked());
        QCOMPARE(firstActivated.size(), 1);
    }

    void cardView_relaysItsSignalsAndTakesTheModel()
    {
        FakeClock clock;
        ForcedOutputsViewer viewer(QStringLiteral("Forced"), nullptr, nullptr);
        AUK_90022 *cardView = cardViewOf(viewer);
        QVERIFY(cardView);
        QSignalSpy scrolled(&viewer, &EventsSummaryViewer::listScrolled);
        QSignalSpy refresh(&viewer, &EventsSummaryViewer::refreshModel);
        emit cardView->scrolledBetween(3, 5);
        emit cardView->refreshModel(7);
        QCOMPARE(scrolled.size(), 1);
        QCOMPARE(scrolled.at(0), (QVariantList{3, 5}));
        QCOMPARE(refresh.size(), 1);
        QCOMPARE(refresh.at(0).at(0).toInt(), 7);

        QStandardItemModel model;
        FaultsListDelegate delegate(false, false);
        viewer.setModel(&model, &delegate, true);
        QCOMPARE(cardView->listView()->model(), &model);
        QCOMPARE(cardView->listView()->itemDelegate(), &delegate);
        addEvent(model, QStringLiteral("Forced on"));
        QCOMPARE(cardView->itemCount(), 1);
        viewer.disconnectModel(&model);
        addEvent(model, QStringLiteral("Forced on"));
        QCOMPARE(cardView->totalCount(), 1);
    }

    void radiosByGuiMode_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("guiMode");
        QTest::addColumn<QStringList>("radios");
        const QStringList disablements{"pointsRadio", "zonesRadio"};
        const QStringList faults{"allRadio", "acceptedRadio", "unacceptedRadio"};
        const QStringList warnings{"allRadio", "preAlarmRadio"};
        const QStringList forced{"allRadio", "onRadio", "p1Radio", "p2Radio"};
        for (int mode : {0, 1, 2, 3}) {
            const bool linked = mode < 2;
            const QByteArray tag = "mode " + QByteArray::number(mode) + ": ";
            QTest::newRow(tag + "disablements") << Disablements << mode << (linked ? disablements : QStringList());
            QTest::newRow(tag + "faults") << Faults << mode << (linked ? faults : QStringList());
            QTest::newRow(tag + "fire warnings") << FireWarnings << mode << (linked ? warnings : QStringList());
            QTest::newRow(tag + "forced outputs") << ForcedOutputs << mode << forced;
            // Shown only with the summary cards.
            QTest::newRow(tag + "tests") << TestSummary << mode << QStringList();
        }
    }

    void radiosByGuiMode()
    {
        QFETCH(Kind, kind);
        QFETCH(int, guiMode);
        QFETCH(QStringList, radios);
        FakeClock clock;
        setGuiMode(guiMode);
        const std::unique_ptr<EventsSummaryViewer> viewer = makeViewer(kind, nullptr);
        QCOMPARE(shownRadios(*viewer), radios);
    }

    void radioRow_sitsInTheHeaderBandInMemberOrder_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("disablements") << Disablements;
        QTest::newRow("faults") << Faults;
        QTest::newRow("fire warnings") << FireWarnings;
        QTest::newRow("forced outputs") << ForcedOutputs;
        QTest::newRow("tests") << TestSummary;
    }

    void radioRow_sitsInTheHeaderBandInMemberOrder()
    {
        QFETCH(Kind, kind);
        FakeClock clock;
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        const std::unique_ptr<EventsSummaryViewer> viewer = makeViewer(kind, nullptr);
        if (auto *tests = qobject_cast<TestSummaryViewer *>(viewer.get()))
            tests->showSummary(true);
        QWidget *cardView = viewer->eventViewer();
        cardView->setParent(window());
        cardView->show();
        RadioRow *row = rowOf(*viewer);
        QVERIFY(row);
        QCOMPARE(row->parentWidget(), cardView);
        QCOMPARE(row->geometry(), QRect(8, 5, 326, 44));
        QCOMPARE(row->layout()->spacing(), 4);
        const QRect counter = cardView->findChild<QLabel *>(QStringLiteral("counter"))->geometry();
        QList<AUK_90003 *> radios = row->findChildren<AUK_90003 *>();
        QVERIFY(radios.size() >= 2);
        int left = -1;
        for (AUK_90003 *radio : radios) {
            // Member order is creation order, which findChildren keeps.
            QVERIFY2(radio->x() > left, qPrintable(radio->objectName()));
            left = radio->x();
            const QRect inCard = radio->geometry().translated(row->pos());
            QVERIFY2(QRect(QPoint(0, 0), row->size()).contains(radio->geometry()), qPrintable(radio->objectName()));
            QVERIFY2(!inCard.intersects(counter), qPrintable(radio->objectName()));
            QCOMPARE(radio->spacing(), 2);
            QVERIFY(radio->autoExclusive());
            QVERIFY(!radio->checkedImage().isNull());
            QVERIFY(!radio->notCheckedImage().isNull());
        }
        QVERIFY2(WidgetShot::textProblems(cardView).isEmpty(), qPrintable(WidgetShot::textProblems(cardView)));
        // White words on the dark header band.
        const QImage shot = WidgetShot::grab(cardView);
        const QRect firstText = radios.first()->geometry().translated(row->pos()).adjusted(0, 10, -34, -10);
        QVERIFY(WidgetShot::fractionNear(shot, firstText, Qt::white, 40) > 0.02);
    }

    void faultsViewer_data()
    {
        QTest::addColumn<int>("guiMode");
        QTest::addColumn<bool>("acceptance");
        QTest::addColumn<int>("radioCount");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("fixedCounter");
        QTest::newRow("Ethernet") << 0 << true << 3 << 2 << true;
        QTest::newRow("Ethernet with backup") << 1 << true << 3 << 2 << true;
        QTest::newRow("acceptance disabled") << 0 << false << 0 << 2 << true;
        QTest::newRow("repeater 2") << 2 << true << 0 << 0 << false;
        QTest::newRow("repeater 3") << 3 << true << 0 << 0 << false;
    }

    void faultsViewer()
    {
        QFETCH(int, guiMode);
        QFETCH(bool, acceptance);
        QFETCH(int, radioCount);
        QFETCH(int, level);
        QFETCH(bool, fixedCounter);
        FakeClock clock;
        EnglishTexts english;
        setGuiMode(guiMode);
        TeskGlobalConfig::instance()->setAlarmAckEnabled(acceptance);
        FaultsViewer viewer(QStringLiteral("Faults"), nullptr, nullptr);
        QCOMPARE(shownRadios(viewer).size(), radioCount);
        QCOMPARE(viewer.faultsLevel(), level);
        QCOMPARE(cardViewOf(viewer)->fixedCounter(), fixedCounter);
        QCOMPARE(viewer.value(), 0);
        // The texts are set over the panel link, shown or not.
        const AUK_90003 *unaccepted = radio(viewer, "unacceptedRadio");
        QVERIFY(unaccepted);
        QCOMPARE(unaccepted->text(), guiMode < 2 ? QStringLiteral("Unaccepted") : QString());
    }

    void faultsViewer_radiosChooseTheLevel_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("level");
        QTest::newRow("all") << "allRadio" << 0;
        QTest::newRow("accepted") << "acceptedRadio" << 1;
        QTest::newRow("unaccepted") << "unacceptedRadio" << 2;
    }

    void faultsViewer_radiosChooseTheLevel()
    {
        QFETCH(QString, clicked);
        QFETCH(int, level);
        FakeClock clock;
        FaultsViewer viewer(QStringLiteral("Faults"), nullptr, nullptr);
        QSignalSpy changed(&viewer, &FaultsViewer::filterChanged);
        radio(viewer, "allRadio")->click();
        radio(viewer, qPrintable(clicked))->click();
        QCOMPARE(viewer.faultsLevel(), level);
        QCOMPARE(changed.size(), 2);
    }

    void disablementsViewer_radiosChooseTheList()
    {
        FakeClock clock;
        DisablementsViewer viewer(QStringLiteral("Disablements"), nullptr, nullptr);
        QSignalSpy changed(&viewer, &DisablementsViewer::filterChanged);
        QVERIFY(radio(viewer, "pointsRadio")->isChecked());
        QCOMPARE(viewer.value(), 1);
        radio(viewer, "zonesRadio")->click();
        QCOMPARE(viewer.value(), 2);
        QVERIFY(!radio(viewer, "pointsRadio")->isChecked());
        radio(viewer, "pointsRadio")->click();
        QCOMPARE(viewer.value(), 1);
        QCOMPARE(changed.size(), 2);
        viewer.setZonesSelected(false);
        QCOMPARE(viewer.value(), 1);
        QVERIFY(viewer.pointsDelegate());
    }

    void disablementsViewer_setFilterMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("radios");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("value");
        const QStringList both{"pointsRadio", "zonesRadio"};
        QTest::newRow("both lists") << 0 << both << "pointsRadio" << 1;
        QTest::newRow("zones only") << 1 << QStringList() << "zonesRadio" << 2;
        QTest::newRow("points only") << 2 << QStringList() << "pointsRadio" << 1;
    }

    void disablementsViewer_setFilterMode()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, radios);
        QFETCH(QString, checked);
        QFETCH(int, value);
        FakeClock clock;
        DisablementsViewer viewer(QStringLiteral("Disablements"), nullptr, nullptr);
        // Start from the other list, so that the mode has something to change.
        radio(viewer, checked == QLatin1String("zonesRadio") ? "pointsRadio" : "zonesRadio")->click();
        QSignalSpy changed(&viewer, &DisablementsViewer::filterChanged);
        viewer.setFilterMode(mode);
        QCOMPARE(shownRadios(viewer), radios);
        QVERIFY(radio(viewer, qPrintable(checked))->isChecked());
        QCOMPARE(radio(viewer, "pointsRadio")->isChecked() + radio(viewer, "zonesRadio")->isChecked(), 1);
        QCOMPARE(viewer.value(), value);
        QCOMPARE(changed.size(), 1);
    }

    void disablementsViewer_onARepeaterKeepsItsRadiosOutOfSight_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("both lists") << 0;
        QTest::newRow("zones only") << 1;
    }

    void disablementsViewer_onARepeaterKeepsItsRadiosOutOfSight()
    {
        QFETCH(int, mode);
        FakeClock clock;
        setGuiMode(2);
        DisablementsViewer viewer(QStringLiteral("Disablements"), nullptr, nullptr);
        QSignalSpy changed(&viewer, &DisablementsViewer::filterChanged);
        viewer.setFilterMode(mode);
        QCOMPARE(changed.size(), 1);
        // Radios outside any row would open windows of their own.
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<AUK_90003 *>(top) || !top->isVisible(), qPrintable(top->objectName()));
        QVERIFY(!rowOf(viewer));
    }

    void forcedOutputsViewer_forcedFilter_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("filter");
        QTest::newRow("all") << "allRadio" << 0;
        QTest::newRow("forced on") << "onRadio" << 1;
        QTest::newRow("first pattern") << "p1Radio" << 2;
        QTest::newRow("second pattern") << "p2Radio" << 3;
    }

    void forcedOutputsViewer_forcedFilter()
    {
        QFETCH(QString, clicked);
        QFETCH(int, filter);
        FakeClock clock;
        ForcedOutputsViewer viewer(QStringLiteral("Forced"), nullptr, nullptr);
        QCOMPARE(viewer.forcedFilter(), 0);
        QSignalSpy changed(&viewer, &ForcedOutputsViewer::filterChanged);
        radio(viewer, "p2Radio")->click();
        radio(viewer, qPrintable(clicked))->click();
        QCOMPARE(viewer.forcedFilter(), filter);
        QCOMPARE(changed.size(), 2);
    }

    void testSummaryViewer_showSummaryRestoresTheList()
    {
        FakeClock clock;
        TestSummaryViewer viewer(QStringLiteral("Tests"), nullptr, nullptr);
        AUK_90022 *cardView = cardViewOf(viewer);
        cardView->setParent(window());
        cardView->show();
        QStandardItemModel points;
        QStandardItemModel summary;
        FaultsListDelegate pointsDelegate(false, false);
        QSignalSpy changed(&viewer, &TestSummaryViewer::filterChanged);
        viewer.setModel(&points, &pointsDelegate, true);
        viewer.setSummaryModel(&summary);
        QCOMPARE(shownRadios(viewer), QStringList());

        viewer.showSummary(true);
        QCOMPARE(cardView->listView()->model(), &summary);
        QVERIFY(qobject_cast<AUK_90057 *>(cardView->listView()->itemDelegate()));
        QCOMPARE(shownRadios(viewer), (QStringList{"activeRadio", "allRadio"}));
        QVERIFY(radio(viewer, "activeRadio")->isChecked());
        radio(viewer, "allRadio")->click();
        QCOMPARE(changed.size(), 1);

        viewer.showSummary(false);
        QCOMPARE(cardView->listView()->model(), &points);
        QCOMPARE(cardView->listView()->itemDelegate(), &pointsDelegate);
        QCOMPARE(shownRadios(viewer), QStringList());
    }

    void radiosSurviveEitherDestructionOrder_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("hostFirst");
        for (bool hostFirst : {false, true}) {
            const QByteArray order = hostFirst ? "host first: " : "viewer first: ";
            QTest::newRow(order + "disablements") << Disablements << hostFirst;
            QTest::newRow(order + "faults") << Faults << hostFirst;
            QTest::newRow(order + "fire warnings") << FireWarnings << hostFirst;
            QTest::newRow(order + "forced outputs") << ForcedOutputs << hostFirst;
            QTest::newRow(order + "tests") << TestSummary << hostFirst;
        }
    }

    // Under the address sanitizer a radio deleted twice, or deleted by its
    // row while the viewer still holds it, stops the test.
    void radiosSurviveEitherDestructionOrder()
    {
        QFETCH(Kind, kind);
        QFETCH(bool, hostFirst);
        FakeClock clock;
        auto host = std::make_unique<ViewerHost>(window());
        std::unique_ptr<EventsSummaryViewer> viewer = makeViewer(kind, &host->group);
        host->add(viewer.get());
        host->show();
        viewer->activate();
        const QPointer<QWidget> row = rowOf(*viewer);
        QVERIFY(row);
        const QPointer<AUK_90003> someRadio = row->findChild<AUK_90003 *>();
        QVERIFY(someRadio);
        if (hostFirst) {
            QSignalSpy changed(viewer.get(), SIGNAL(filterChanged()));
            host.reset();
            QVERIFY(!row);
            QVERIFY(!viewer->eventViewer());
            QVERIFY(!viewer->button());
            // The viewer's radios are still whole, and still its own.
            QVERIFY(someRadio);
            QVERIFY(!someRadio->parent());
            QVERIFY(!someRadio->isVisible());
            someRadio->click();
            QCOMPARE(changed.size(), 1);
            viewer.reset();
            QVERIFY(!someRadio);
        } else {
            viewer.reset();
            QVERIFY(!someRadio);
            QVERIFY(row);
            QVERIFY(row->findChildren<AUK_90003 *>().isEmpty());
            host.reset();
            QVERIFY(!row);
        }
    }

    void viewerNeverPlaced_takesItsButtonAndViewAlong()
    {
        FakeClock clock;
        auto viewer = std::make_unique<ForcedOutputsViewer>(QStringLiteral("Forced"), nullptr, nullptr);
        const QPointer<QWidget> button = viewer->button();
        const QPointer<QWidget> cardView = viewer->eventViewer();
        viewer.reset();
        QVERIFY(!button);
        QVERIFY(!cardView);
    }

    void screenshots_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("DisablementsViewer") << Disablements;
        QTest::newRow("FaultsViewer") << Faults;
        QTest::newRow("FireWarningsViewer") << FireWarnings;
        QTest::newRow("ForcedOutputsViewer") << ForcedOutputs;
        QTest::newRow("TestSummaryViewer") << TestSummary;
    }

    void screenshots()
    {
        QFETCH(Kind, kind);
        FakeClock clock;
        EnglishTexts english;
        ViewerHost host(window());
        std::unique_ptr<EventsSummaryViewer> viewer = makeViewer(kind, &host.group);
        ForcedOutputsViewer other(QStringLiteral("Forced"), &host.group, nullptr);
        host.add(viewer.get());
        host.add(&other);
        QStandardItemModel events;
        QStandardItemModel summary;
        FaultsListDelegate faultsDelegate(false, false);
        auto *disablements = qobject_cast<DisablementsViewer *>(viewer.get());
        for (int i = 0; i < 3; ++i)
            addEvent(events, disablements ? QStringLiteral("Disabled") : QStringLiteral("Device missing"));
        viewer->setModel(&events, disablements ? disablements->pointsDelegate() : &faultsDelegate, true);
        if (auto *tests = qobject_cast<TestSummaryViewer *>(viewer.get())) {
            // Two panels, as a network shows them, in the order the card
            // lists its rows.
            const QVector<int> roles{122, 123, 135, 124, 125, 127, 128, 129, 130};
            for (const QString &name : {QStringLiteral("Panel 1"), QStringLiteral("Panel 2")}) {
                const QStringList values{name, "Silent", "Audible", "Zone 12", "14", "0", "9", "8", "8"};
                auto *panel = new QStandardItem;
                for (int i = 0; i < roles.size(); ++i)
                    panel->setData(values.at(i), roles.at(i));
                summary.appendRow(panel);
            }
            tests->setSummaryModel(&summary);
            tests->showSummary(true);
        }
        AUK_90022 *cardView = cardViewOf(*viewer);
        if (cardView->fixedCounter())
            cardView->setTotalCount(events.rowCount());
        viewer->button()->setButtonValue(QStringLiteral("3"));
        other.button()->setButtonValue(QStringLiteral("0"));
        host.show();
        viewer->activate();
        cardView->listView()->doItemsLayout();
        cardView->updateCounter();
        QVERIFY2(WidgetShot::textProblems(&host).isEmpty(), qPrintable(WidgetShot::textProblems(&host)));
        const QImage shot = WidgetShot::grab(&host);
        QVERIFY(!WidgetShot::isTransparent(shot, QRect(200, 100, 20, 20)));
        WidgetShot::saveForReview(shot, QString::fromLatin1(QTest::currentDataTag()));
    }
};

QTEST_MAIN(tst_StatusViewers)
#include "tst_statusviewers.moc"
