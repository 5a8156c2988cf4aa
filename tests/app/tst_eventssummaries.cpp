#include "../pointmodels/ScriptedSite.h"
#include "AnimationClock.h"
#include "ArtworkDir.h"
#include "BannerShown.h"
#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "LinkedScreens.h"
#include "MessageCapture.h"
#include "ReportSetup.h"
#include "SentPackets.h"
#include "SummarySite.h"
#include "WidgetShot.h"
#include "app/EnginePanelEnvironment.h"
#include "app/ListScreenPagesWiring.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/BucketKeys.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/InputSignaller.h"
#include "frontpanel/rbusEventLog.h"
#include "link/SyncClient.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointIndividualAddress.h"
#include "paneldata/PrintableAddress.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/DisablementsAndStatusModel.h"
#include "pointmodels/EventLogQueryModel.h"
#include "pointmodels/FunctionStatusQueryModel.h"
#include "pointmodels/TaskMapPages.h"
#include "pointmodels/WalkTestPointsModel.h"
#include "pointmodels/WalkTestSummaryModel.h"
#include "pointmodels/WarningsModel.h"
#include "pointmodels/model.h"
#include "reports/PrintableModel.h"
#include "screens/popups/AUK_40062.h"
#include "screens/status/AUK_30002.h"
#include "screens/status/AUK_30073.h"
#include "screens/status/AUK_30074.h"
#include "screens/status/AUK_30075.h"
#include "screens/status/AUK_30076.h"
#include "screens/status/AUK_30077.h"
#include "screens/status/AUK_30077_F.h"
#include "screens/status/AUK_30078.h"
#include "screens/status/EventsSummaryScreens.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90011.h"
#include "widgets/AUK_90022.h"
#include "widgets/AUK_90033.h"
#include "widgets/BasePopup.h"
#include "widgets/PaletteRepository.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

constexpr quint8 SomeUser = 5;
constexpr quint8 NoUser = 255;

using Summary = KeyDispatchEnvironment::EventsSummary;

void logOn(int accessLevel, int userLevel)
{
    Security::instance()->permissionsUpdate(accessLevel > 1 ? SomeUser : NoUser, quint8(userLevel));
}

AUK_90022 *cardViewOf(const StatusViewer &viewer)
{
    return EventsSummaryCommon::cardViewOf(&viewer);
}

void setGuiMode(int mode)
{
    if (SystemState::instance()->guiMode() == mode)
        return;
    SystemState::Configuration configuration;
    configuration.guiMode = mode;
    SystemState::instance()->writeEepromConfiguration(configuration, false);
}

void setTemplate1(bool on)
{
    ScriptedSite::setValueAndNotify(41, QStringLiteral("tmplateID"), on ? QStringLiteral("1") : QStringLiteral("0"));
}

AUK_90006 *keys(const QWidget *screen)
{
    return screen->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
}

// "left|middle|right", "-" for a key not shown; "bar hidden" when the whole
// bar is.
QString keyTexts(const AUK_10014 *screen)
{
    const AUK_90006 *bar = keys(screen);
    if (bar->isHidden())
        return QStringLiteral("bar hidden");
    const auto key = [](bool visible, bool enabled, const QString &text) {
        return visible ? text + (enabled ? QString() : QStringLiteral(" (off)")) : QStringLiteral("-");
    };
    return key(bar->leftButtonVisible(), bar->leftButtonEnabled(), bar->leftButtonText()) + QLatin1Char('|')
           + key(bar->middleButtonVisible(), bar->middleButtonEnabled(), bar->middleButtonText()) + QLatin1Char('|')
           + key(bar->rightButtonVisible(), bar->rightButtonEnabled(), bar->rightButtonText());
}

// The counter buttons top down, "label value".
QStringList counterButtons(const AUK_10014 *screen)
{
    QStringList buttons;
    const QVBoxLayout *column = screen->buttonLayout();
    for (int i = 0; i < column->count(); ++i) {
        if (const auto *button = qobject_cast<AUK_90033 *>(column->itemAt(i)->widget()))
            buttons << button->buttonLabel() + QLatin1Char(' ') + button->buttonValue();
    }
    return buttons;
}

void click(StatusViewer &viewer)
{
    viewer.button()->click();
}

// Chooses the radio of a viewer's row as a touch would.
void chooseRadio(StatusViewer &viewer, const char *name)
{
    viewer.eventViewer()->findChild<QAbstractButton *>(QLatin1String(name))->click();
}

// The popup on top of the stack when it is the one named.
BasePopup *topPopup(const char *name)
{
    for (BasePopup *popup : PageStack::instance()->findChildren<BasePopup *>(QLatin1String(name))) {
        if (PageStack::instance()->isTop(popup))
            return popup;
    }
    return nullptr;
}

BasePopup *selectionPopup()
{
    return topPopup("AUK_40009");
}

AUK_90003 *choice(const QWidget *popup, const char *name)
{
    return popup->findChild<AUK_90003 *>(QLatin1String(name));
}

// A list of one panel's loop-1 points, as the summaries' requests build it.
SC_PointsIndividual loopPoints(quint8 panel, const QList<quint8> &points)
{
    SC_PointsIndividual list;
    list.setPanel(panel);
    for (quint8 point : points)
        list.addPoint(12, 1, 0, point);
    return list;
}

QStringList lkSent(const QSignalSpy &spy)
{
    QStringList hex;
    for (const QByteArray &bytes : lkSpeakSent(spy))
        hex << QString::fromLatin1(bytes.toHex());
    return hex;
}

} // namespace

Q_DECLARE_METATYPE(SC_PointsIndividual)

// The events summaries: the frame, the common base, the general and panel
// summaries, the summaries by function and the screens of the summary keys.
class tst_EventsSummaries : public QObject
{
    Q_OBJECT

private:
    template <typename Screen> Screen *open(Screen *screen)
    {
        PageStack::instance()->push(screen);
        QCoreApplication::processEvents();
        return screen;
    }
    AUK_30074 *openGeneral() { return open(new AUK_30074(3, 11, nullptr)); }
    EventsSummaryByFunction *openFunction(int mask)
    {
        return open(new AUK_30078(3, 11, mask, 12, QStringLiteral("_FUNCTION_INFO"), nullptr));
    }

    FakeClock m_clock;
    AnimationClock m_animations;
    FakeEthernetLink m_link;
    std::unique_ptr<ArtworkDir> m_artwork;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    // Frame.
    void titleBoxComesFirst();
    void spacingGoesBeforeTheStretch();
    void linkSitsBesideTheButton();
    void highlightChangesPalettes();
    void defaultReportRoles_data();
    void defaultReportRoles();

    // The six screens.
    void screens_data();
    void screens();
    void controlsSummaryOnTemplate1();
    void repeaterListsTheBusLog();

    // General summary.
    void countersFollowThePanel();
    void warningsCountAfterTheLogSettles();
    void activeConditionsPerList();
    void faultsWindowMoves();
    void acceptKeyNeedsAcceptance_data();
    void acceptKeyNeedsAcceptance();
    void disableKeyHiddenOnShutDownLoop();
    void disablementsRefreshedOncePerRefresh();
    void disablementsZonesPrintZoneRoles();
    void stopWalkTestNeedsACard();
    void walkTestSummaryPrintHasTwoSectionsPerPanel();
    void printsOnThePanelPrinter_data();
    void printsOnThePanelPrinter();
    void enableListsAreReplaced();

    // Disable requests.
    void disableAllFaultsGroupsByPanel();
    void soundersSummaryDisablesOnlySounders();
    void emptyDisableRequestShowsNothing();
    void selectionKeys_data();
    void selectionKeys();
    void disableKeySendsFaultsByPanel_data();
    void disableKeySendsFaultsByPanel();
    void enableKeyWaitsForTheRefreshedList();
    void enableOfAForcedPointWarnsFirst_data();
    void enableOfAForcedPointWarnsFirst();

    // Summaries by function.
    void functionLists_data();
    void functionLists();
    void forceOnTemplate1();
    void faultsOfTheFunctionOnly();

    // Page stack.
    void summaryKeysReplaceEachOther();
    void homeScreenOpensTheGeneralSummary_data();
    void homeScreenOpensTheGeneralSummary();

    void modelsPassTheTester();
    void screenshots();
};

void tst_EventsSummaries::initTestCase()
{
    m_artwork = std::make_unique<ArtworkDir>();
    QVERIFY(m_artwork->isValid());
    QVERIFY(LinkedScreens::bringLinkUp(m_link));
    installListScreenPages();
}

void tst_EventsSummaries::init()
{
    SummarySite::build();
    SummarySite::writeFaults({});
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setAlarmAckEnabled(true);
    config->setConnectionNodeNumber(5);
    PanelCounters::instance()->clear();
    WalkTestHandler::instance()->reset();
    setGuiMode(0);
    setTemplate1(false);
    logOn(3, 11);
    PageStack *stack = PageStack::instance();
    stack->resize(640, 480);
    stack->show();
    stack->push(new AUK_90001A);
}

void tst_EventsSummaries::cleanup()
{
    InputSignaller::setEnvironment(nullptr);
    logOn(1, 0);
    setGuiMode(0);
    rbusEventLog::instance()->clear();
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_EventsSummaries::cleanupTestCase()
{
    PageHeaderSource::uninstall();
    EL_EventLogDBbase::destroyInstance();
    m_artwork.reset();
}

// Frame.

void tst_EventsSummaries::titleBoxComesFirst()
{
    AUK_30074 *screen = openGeneral();
    QCOMPARE(screen->buttonLayout()->itemAt(0)->widget(), screen->counterTitleBox());
    QCOMPARE(screen->counterTitleBox()->size(), QSize(186, 64));
    QCOMPARE(screen->counterTitleBox()->text(), QStringLiteral("_GENERAL_INFO"));

    AUK_10014 plain(3, 11, nullptr, false);
    QCOMPARE(plain.buttonLayout()->count(), 1);
    QVERIFY(plain.buttonLayout()->itemAt(0)->spacerItem());
    QVERIFY(!plain.counterTitleBox()->parent());
}

void tst_EventsSummaries::spacingGoesBeforeTheStretch()
{
    AUK_10014 frame(3, 11, nullptr, true);
    FaultsViewer first(QStringLiteral("a"), nullptr, nullptr);
    FaultsViewer second(QStringLiteral("b"), nullptr, nullptr);
    FaultsViewer third(QStringLiteral("c"), nullptr, nullptr);
    for (StatusViewer *viewer : {&first, &second, &third})
        frame.addViewer(viewer);
    frame.addButtonSpacing(20);
    QVBoxLayout *column = frame.buttonLayout();
    QCOMPARE(column->count(), 6);
    QCOMPARE(column->itemAt(0)->widget(), frame.counterTitleBox());
    QCOMPARE(column->itemAt(1)->widget(), first.button());
    QCOMPARE(column->itemAt(2)->widget(), second.button());
    QCOMPARE(column->itemAt(3)->widget(), third.button());
    QCOMPARE(column->itemAt(4)->widget()->minimumHeight(), 20);
    QCOMPARE(column->itemAt(4)->widget()->maximumHeight(), 20);
    QVERIFY(column->itemAt(5)->spacerItem());
    QCOMPARE(frame.stackedWidget()->count(), 3);
}

void tst_EventsSummaries::linkSitsBesideTheButton()
{
    AUK_10014 frame(3, 11, nullptr, false);
    FaultsViewer viewer(QStringLiteral("a"), nullptr, nullptr);
    frame.addViewer(&viewer);
    viewer.button()->setFixedHeight(60);
    frame.show();
    frame.buttonLayout()->activate();
    // A view taken out of the stack comes back when its button is pressed.
    frame.stackedWidget()->removeWidget(viewer.eventViewer());
    viewer.activate();
    const int buttonTop = viewer.button()->mapTo(&frame, QPoint(0, 0)).y();
    QCOMPARE(frame.link()->height(), 41);
    QCOMPARE(frame.link()->y(), buttonTop + 9);
    QVERIFY(frame.link()->isVisible());
    QCOMPARE(frame.stackedWidget()->currentWidget(), viewer.eventViewer());
    QCOMPARE(frame.shownViewer(), &viewer);
}

void tst_EventsSummaries::highlightChangesPalettes()
{
    AUK_10014 frame(3, 11, nullptr, false);
    FaultsViewer first(QStringLiteral("a"), nullptr, nullptr);
    FaultsViewer second(QStringLiteral("b"), nullptr, nullptr);
    frame.addViewer(&first);
    frame.addViewer(&second);
    const auto labelOf = [](StatusViewer &viewer) { return viewer.button()->findChildren<QLabel *>().first(); };
    const QPalette white = PaletteRepository::instance()->whiteTextPalette();
    const QPalette dark = PaletteRepository::instance()->darkTextPalette();
    QPalette marker = white;
    marker.setColor(QPalette::WindowText, Qt::magenta);
    labelOf(first)->setPalette(marker);
    labelOf(second)->setPalette(marker);
    // The first activation touches the new button only.
    first.activate();
    QCOMPARE(labelOf(first)->palette().color(QPalette::WindowText), dark.color(QPalette::WindowText));
    QCOMPARE(labelOf(second)->palette().color(QPalette::WindowText), QColor(Qt::magenta));
    // Later ones hand the highlight over.
    second.activate();
    QCOMPARE(labelOf(first)->palette().color(QPalette::WindowText), white.color(QPalette::WindowText));
    QCOMPARE(labelOf(second)->palette().color(QPalette::WindowText), dark.color(QPalette::WindowText));
}

void tst_EventsSummaries::defaultReportRoles_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("accessLevel");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<bool>("restricted");
    QTest::addColumn<QList<int>>("roles");
    QTest::newRow("events") << 0 << 3 << 11 << false << QList<int>{56, 58, 59, 60, 62, 63, 73, 64};
    QTest::newRow("events without information") << 0 << 3 << 11 << true << QList<int>{56, 58, 59, 60, 62, 63, 73};
    QTest::newRow("points") << 1 << 3 << 11 << false << QList<int>{58, 59, 60, 62};
    QTest::newRow("zones") << 2 << 3 << 11 << false << QList<int>{33, 58};
    QTest::newRow("other") << 7 << 3 << 11 << false << QList<int>{};
}

void tst_EventsSummaries::defaultReportRoles()
{
    QFETCH(int, kind);
    QFETCH(int, accessLevel);
    QFETCH(int, userLevel);
    QFETCH(bool, restricted);
    QFETCH(QList<int>, roles);
    TeskGlobalConfig::instance()->setRestrictionMask(restricted ? 256 : 0);
    AUK_10014 frame(accessLevel, userLevel, nullptr, false);
    QCOMPARE(frame.defaultReportRoles(kind), roles);
    TeskGlobalConfig::instance()->setRestrictionMask(0);

    // The point-value columns grow with the user's rights.
    QCOMPARE(AUK_10014(3, 10, nullptr, false).defaultReportRoles(3).size(), 10);
    QCOMPARE(AUK_10014(2, 14, nullptr, false).defaultReportRoles(3).size(), 10);
    QCOMPARE(AUK_10014(3, 11, nullptr, false).defaultReportRoles(3).size(), 29);
}

// The six screens.

void tst_EventsSummaries::screens_data()
{
    QTest::addColumn<int>("summary");
    QTest::addColumn<int>("accessLevel");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("titleBox");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("keys");
    const QStringList general{QStringLiteral("_WARNINGS_COUNTBTN 0"), QStringLiteral("_FAULTS_COUNTBTN 0"),
                              QStringLiteral("_DISABLE_COUNTBTN 0"), QStringLiteral("_WALK_TEST_COUNTBTN 0")};
    const QStringList sounders{QStringLiteral("_ALL_COUNTBTN 4"), QStringLiteral("_ACTIVE_COUNTBTN 0"),
                               QStringLiteral("_FAULTS_COUNTBTN 0"), QStringLiteral("_DISABLE_COUNTBTN 2")};
    const QStringList signalling{QStringLiteral("_ALL_COUNTBTN 2"), QStringLiteral("_ACTIVE_COUNTBTN 0"),
                                 QStringLiteral("_FAULTS_COUNTBTN 0"), QStringLiteral("_DISABLE_COUNTBTN 0")};
    const QStringList empty{QStringLiteral("_ALL_COUNTBTN 0"), QStringLiteral("_ACTIVE_COUNTBTN 0"),
                            QStringLiteral("_FAULTS_COUNTBTN 0"), QStringLiteral("_DISABLE_COUNTBTN 0")};
    struct Row
    {
        Summary summary;
        const char *name;
        const char *title;
        const char *titleBox;
        QStringList buttons;
    };
    const QList<Row> rows{
        {Summary::GeneralSummary, "AUK_30074", "_EVENTS_SUMMARY_GENERAL_HDR", "_GENERAL_INFO", general},
        {Summary::PanelSummary, "AUK_30075", "_EVENTS_SUMMARY_PANEL_HDR", "_PANEL_INFO", general},
        {Summary::SoundersSummary, "AUK_30076", "_EVENTS_SUMMARY_SOUNDERS_HDR", "_SOUNDERS_INFO", sounders},
        {Summary::AlarmSignallingSummary, "AUK_30077", "_EVENTS_SUMMARY_SIGNALLING_HDR", "_ALARM_SIGNALLING_INFO",
         signalling},
        {Summary::FaultSignallingSummary, "AUK_30077_F", "_EVENTS_SUMMARY_SIGNALLING_HDR", "_FAULT_SIGNALLING_INFO",
         empty},
        {Summary::ProtectionSummary, "AUK_30078", "_EVENTS_SUMMARY_PROTECTION_HDR", "_PROTECTION_INFO", empty},
    };
    for (const Row &row : rows) {
        for (int access = 1; access <= 4; ++access) {
            for (int user : {0, 7, 14}) {
                // Operators below the log-on see no soft keys; from it the
                // right key saves, and a user who may disable sees the
                // disable key of a list with points.
                const bool points = row.buttons.first().endsWith(QLatin1String(" 2"))
                                    || row.buttons.first().endsWith(QLatin1String(" 4"));
                const QString left = points && user >= 7 ? QStringLiteral("_DISABLE_SK") : QStringLiteral("-");
                const QString keys = access < 3 ? QStringLiteral("bar hidden") : left + QStringLiteral("|-|_SAVE_SK");
                QTest::addRow("%s access %d user %d", row.name, access, user)
                    << int(row.summary) << access << user << row.name << row.title << row.titleBox << row.buttons
                    << keys;
            }
        }
    }
}

void tst_EventsSummaries::screens()
{
    QFETCH(int, summary);
    QFETCH(int, accessLevel);
    QFETCH(int, userLevel);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, titleBox);
    QFETCH(QStringList, buttons);
    QFETCH(QString, keys);
    logOn(accessLevel, userLevel);
    auto *screen = static_cast<AUK_10014 *>(EventsSummaryScreens::create(Summary(summary), accessLevel, userLevel));
    open(screen);
    QCOMPARE(screen->objectName(), name);
    QCOMPARE(QLatin1String(screen->metaObject()->className()), name);
    QVERIFY(screen->isSummaryPage());
    QCOMPARE(screen->title(), title);
    QCOMPARE(screen->counterTitleBox()->text(), titleBox);
    QCOMPARE(counterButtons(screen), buttons);
    QVERIFY(!screen->iconBlueFlavour().isNull());
    QVERIFY(!screen->iconYellowFlavour().isNull());
    QVERIFY(!screen->iconRedFlavour().isNull());
    QCOMPARE(keyTexts(screen), keys);
    QVERIFY(PageStack::instance()->isTopPage(name));
}

void tst_EventsSummaries::controlsSummaryOnTemplate1()
{
    setTemplate1(true);
    auto *screen =
        static_cast<EventsSummaryByFunction *>(open(EventsSummaryScreens::create(Summary::ControlsSummary, 3, 11)));
    QCOMPARE(screen->objectName(), QStringLiteral("AUK_30078"));
    QCOMPARE(screen->title(), QStringLiteral("_EVENTS_SUMMARY_CONTROLS_HDR"));
    QCOMPARE(screen->counterTitleBox()->text(), QStringLiteral("_CONTROLS_INFO"));
    QCOMPARE(screen->functionMask(), 512);
    QCOMPARE(counterButtons(screen),
             (QStringList{QStringLiteral("_ALL_COUNTBTN 4"), QStringLiteral("_ACTIVE_COUNTBTN 4"),
                          QStringLiteral("_FAULTS_COUNTBTN 0"), QStringLiteral("_DISABLE_COUNTBTN 0")}));
}

void tst_EventsSummaries::repeaterListsTheBusLog()
{
    setGuiMode(2);
    RbusEvent fault;
    fault.kind = 4;
    fault.active = 1;
    fault.texts[1] = QStringLiteral("Boiler room");
    rbusEventLog::instance()->events = {fault};
    AUK_30074 *screen = openGeneral();
    QCOMPARE(counterButtons(screen).size(), 3);
    QCOMPARE(screen->busFaults().rowCount(), 1);
    click(screen->faultsViewer());
    QCOMPARE(keys(screen)->leftButtonVisible(), false);
    QCOMPARE(cardViewOf(screen->faultsViewer())->itemCount(), 1);

    RbusEvent warning = fault;
    warning.kind = 1;
    rbusEventLog::instance()->events << warning << warning;
    PanelCounters::instance()->setFaults(1, 254);
    emit rbusEventLog::instance()->rbusLogUpdated();
    QCOMPARE(screen->busWarnings().rowCount(), 2);
    QCOMPARE(counterButtons(screen).first(), QStringLiteral("_WARNINGS_COUNTBTN 2"));
    QCOMPARE(counterButtons(screen).at(1), QStringLiteral("_FAULTS_COUNTBTN 1"));
    click(screen->disablementsViewer());
    QCOMPARE(keys(screen)->leftButtonVisible(), false);
}

// General summary.

void tst_EventsSummaries::countersFollowThePanel()
{
    AUK_30074 *screen = openGeneral();
    PanelCounters::instance()->setFaults(7, 254);
    PanelCounters::instance()->setDisablements(3, 254);
    PanelCounters::instance()->setFaults(99, 1);
    QCOMPARE(counterButtons(screen).at(1), QStringLiteral("_FAULTS_COUNTBTN 7"));
    QCOMPARE(counterButtons(screen).at(2), QStringLiteral("_DISABLE_COUNTBTN 3"));
    WalkTestHandler::instance()->updateSummary(1, 255, 2, 1, {}, QBitArray(), 0);
    QCOMPARE(counterButtons(screen).at(3), QStringLiteral("_WALK_TEST_COUNTBTN 1"));
}

void tst_EventsSummaries::warningsCountAfterTheLogSettles()
{
    AUK_30074 *screen = openGeneral();
    EventLog::EventData warning;
    warning.seqNo = 1;
    warning.eventCat = 1;
    warning.node = 1;
    warning.acceptStatus = 3;
    QVERIFY(EL_EventLogDBbase::instance()->insertData(&warning, true));
    emit EL_EventLogDBbase::instance()->updatedWarnings();
    emit EL_EventLogDBbase::instance()->updatedWarnings();
    m_clock.advance(2999);
    QCOMPARE(counterButtons(screen).first(), QStringLiteral("_WARNINGS_COUNTBTN 0"));
    m_clock.advance(1);
    QCOMPARE(counterButtons(screen).first(), QStringLiteral("_WARNINGS_COUNTBTN 1"));
    QCOMPARE(cardViewOf(screen->warningsViewer())->itemCount(), 1);
}

void tst_EventsSummaries::activeConditionsPerList()
{
    AUK_30074 *screen = openGeneral();
    PanelCounters::instance()->setFaults(2, 254);
    QVERIFY(!screen->hasActiveConditions());
    click(screen->faultsViewer());
    QVERIFY(screen->hasActiveConditions());
    click(screen->disablementsViewer());
    QVERIFY(!screen->hasActiveConditions());
    PanelCounters::instance()->setDisablements(1, 254);
    QVERIFY(screen->hasActiveConditions());
    click(screen->testsViewer());
    QVERIFY(!screen->hasActiveConditions());
    WalkTestHandler::instance()->updateSummary(1, 255, 2, 1, {}, QBitArray(), 0);
    QVERIFY(screen->hasActiveConditions());
    click(screen->warningsViewer());
    QVERIFY(!screen->hasActiveConditions());
}

void tst_EventsSummaries::faultsWindowMoves()
{
    SummarySite::writeFaults(SummarySite::manyFaults(50));
    AUK_30074 *screen = openGeneral();
    screen->faultsViewer().button()->click();
    screen->updateFaultsWithOffset(11);
    QCOMPARE(screen->faultsOffset(), 10);
    AUK_90022 *view = cardViewOf(screen->faultsViewer());
    screen->updateFaultPointCard(10, 11);
    QCOMPARE(screen->faultsOffset(), 11);
    // Newest first: row 10 of the list is the fault numbered 40.
    QCOMPARE(screen->faultsModel().index(0, 0).data(EventLogQueryModel::SeqNoRole).toInt(), 40);
    QCOMPARE(view->listView()->selectionModel()->selectedIndexes().value(0).row(), 1);
    QCOMPARE(view->currentIndex(), 11);
    QCOMPARE(view->totalCount(), 50);
    screen->updateFaultPointCard(7, 7);
    QCOMPARE(screen->faultsOffset(), 11);
    screen->updateFaultsWithOffset(1);
    QCOMPARE(screen->faultsOffset(), 0);
    QCOMPARE(screen->faultsModel().index(0, 0).data(EventLogQueryModel::SeqNoRole).toInt(), 50);
    QCOMPARE(view->currentIndex(), 0);
}

void tst_EventsSummaries::acceptKeyNeedsAcceptance_data()
{
    QTest::addColumn<bool>("acceptance");
    QTest::addColumn<QString>("keys");
    QTest::newRow("acceptance on") << true << "_DISABLE_SK|_ACCEPT_EVENT_SK|_SAVE_SK";
    QTest::newRow("acceptance off") << false << "_DISABLE_SK|-|_SAVE_SK";
}

void tst_EventsSummaries::acceptKeyNeedsAcceptance()
{
    QFETCH(bool, acceptance);
    QFETCH(QString, keys);
    TeskGlobalConfig::instance()->setAlarmAckEnabled(acceptance);
    SummarySite::writeFaults({{1, SummarySite::Detector}});
    AUK_30074 *screen = openGeneral();
    click(screen->faultsViewer());
    QCOMPARE(keyTexts(screen), keys);
    // A press accepts the fault in the middle.
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    MessageCapture log;
    if (acceptance) {
        emit ::keys(screen)->middleButtonClicked();
        QCOMPARE(lkSpeakSent(sent).size(), 1);
        QVERIFY(log.messages().filter(QStringLiteral("AUK_40007 of kind 7")).size() == 1);
    }
}

void tst_EventsSummaries::disableKeyHiddenOnShutDownLoop()
{
    SummarySite::writeFaults({{1, SummarySite::Detector}});
    AUK_30074 *screen = openGeneral();
    click(screen->faultsViewer());
    QCOMPARE(keys(screen)->leftButtonVisible(), true);
    ScriptedSite::setValue(27, BucketKeys::panelKey(1, BucketKeys::loopShtDwn), QStringLiteral("01"));
    screen->setLeftButtonVisibility();
    QCOMPARE(keys(screen)->leftButtonVisible(), false);
}

void tst_EventsSummaries::disablementsRefreshedOncePerRefresh()
{
    AUK_30074 *screen = openGeneral();
    QSignalSpy refreshed(screen, &EventsSummaryGeneralPanel::disablementsRefreshed);
    click(screen->disablementsViewer());
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(screen->disablementsModel()->rowCount(), 2);
    QVERIFY(screen->enableNeedsWork());
    PointDataMapsConfiguration::instance()->notifyMapUpdated(15);
    PointDataMapsConfiguration::instance()->notifyMapUpdated(14);
    QCOMPARE(refreshed.count(), 1);
    m_clock.advance(3000);
    QCOMPARE(refreshed.count(), 2);
}

void tst_EventsSummaries::disablementsZonesPrintZoneRoles()
{
    AUK_30074 *screen = openGeneral();
    click(screen->disablementsViewer());
    chooseRadio(screen->disablementsViewer(), "zonesRadio");
    QCOMPARE(screen->disablementsViewer().value(), 2);
    screen->print();
    QCOMPARE(screen->printableModel()->roles(), (QList<int>{33, 58}));
}

void tst_EventsSummaries::stopWalkTestNeedsACard()
{
    AUK_30074 *screen = openGeneral();
    click(screen->testsViewer());
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    screen->stopWalkTest();
    QVERIFY(lkSpeakSent(sent).isEmpty());

    WalkTestHandler::instance()->updateSummary(3, 255, 1, 1, {}, QBitArray(), 0);
    QCOMPARE(screen->testSummaryModel()->rowCount(), 1);
    screen->stopWalkTest();
    const QStringList actual = lkSent(sent);
    QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->sendStopWalktest(0, 3);
    QCOMPARE(actual, lkSent(expected));
}

// With a panel printer chosen and the panel's print options set, a list's
// print key asks the controller to print it; the walk-test list names the
// panel of the walk test in view, and without one asks nothing.
void tst_EventsSummaries::printsOnThePanelPrinter_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("walkTest");
    QTest::addColumn<QString>("request");
    QTest::newRow("faults") << "faults" << false << "active faults";
    QTest::newRow("disabled points") << "disabled" << false << "disabled points";
    QTest::newRow("walk test of panel 3") << "tests" << true << "untested points of 3";
    QTest::newRow("no walk test") << "tests" << false << "";
}

void tst_EventsSummaries::printsOnThePanelPrinter()
{
    QFETCH(QString, list);
    QFETCH(bool, walkTest);
    QFETCH(QString, request);
    ReportSetup reports(PanelConfiguration::Pdf);
    PanelConfiguration *panels = PanelConfiguration::instance();
    panels->setPrinterSelection(1, 1);
    QBitArray options(8);
    for (int bit : {1, 3, 7})
        options.setBit(bit);
    panels->setPanelOptions(options);
    if (walkTest)
        WalkTestHandler::instance()->updateSummary(3, 255, 1, 1, {}, QBitArray(), 0);
    AUK_30074 *screen = openGeneral();
    if (list == QLatin1String("faults"))
        click(screen->faultsViewer());
    else if (list == QLatin1String("disabled"))
        click(screen->disablementsViewer());
    else
        click(screen->testsViewer());
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    screen->print();
    const QStringList actual = lkSent(sent);

    QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient *client = SyncClient::instance();
    if (request == QLatin1String("active faults"))
        client->sendPrintReportActiveFaults(model::instance()->localPanel(), 1);
    else if (request == QLatin1String("disabled points"))
        client->sendPrintReportPointDisabled(255, 3);
    else if (request == QLatin1String("untested points of 3"))
        client->sendPrintReportPointsUntestedFailed(3);
    panels->setPanelOptions(QBitArray());
    QCOMPARE(actual, lkSent(expected));
    QVERIFY(ReportSetup::files().isEmpty());
}

// A saved walk-test summary: the summary first, then for every panel in
// walk test, in the summary's row order, its successful points and its
// unfinished or failed points.
void tst_EventsSummaries::walkTestSummaryPrintHasTwoSectionsPerPanel()
{
    ReportSetup reports(PanelConfiguration::Csv);
    WalkTestHandler::instance()->updateSummary(3, 255, 2, 1, {}, QBitArray(), 0);
    WalkTestHandler::instance()->updateSummary(1, 255, 2, 1, {}, QBitArray(), 0);
    AUK_30074 *screen = openGeneral();
    click(screen->testsViewer());
    QVERIFY(screen->summaryMode());
    const WalkTestSummaryModel *summary = screen->testSummaryModel();
    QCOMPARE(summary->rowCount(), 2);
    QStringList titles{QStringLiteral("_WALKTEST_SUMMARY_80_CHAR")};
    for (int row = 0; row < summary->rowCount(); ++row) {
        const QString panel = summary->index(row, 0).data(WalkTestSummaryModel::PanelRole).toString();
        for (int kind : {WalkTestPointsModel::SuccessfulPoints, WalkTestPointsModel::UnfinishedOrFailedPoints})
            titles << panel + QLatin1Char(' ') + WalkTestPointsModel(kind, nullptr).resultTitle();
    }
    QCOMPARE(titles.removeDuplicates(), 0);
    screen->print();
    // The report is written in steps on the engine's clock.
    for (int step = 0; step < 200; ++step) {
        m_clock.advance(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const QStringList files = ReportSetup::files();
    QCOMPARE(files.size(), 1);
    QVERIFY2(files.first().startsWith(QLatin1String("WT")), qPrintable(files.first()));
    const QStringList lines = ReportSetup::text(files.first()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QStringList sections;
    for (const QString &line : lines) {
        const QString field = line.mid(1, line.size() - 2);
        if (titles.contains(field))
            sections << field;
    }
    QCOMPARE(sections, titles);
}

void tst_EventsSummaries::enableListsAreReplaced()
{
    AUK_30074 *screen = openGeneral();
    click(screen->disablementsViewer());
    const QAbstractItemModel *list = screen->disablementsModel();
    QCOMPARE(list->rowCount(), 2);
    screen->setEnableIndex(list->index(0, 0));
    screen->confirm40064();
    screen->setEnableIndex(list->index(0, 0));
    screen->confirm40064();
    QCOMPARE(screen->enableLists().size(), 1);
    QCOMPARE(screen->enableLists().value(1).count(), 1);
    screen->setEnableIndex(list->index(1, 0));
    screen->confirm40064();
    QCOMPARE(screen->enableLists().size(), 2);
    QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40062")));
    screen->cancel40064();
    QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_30074")));
}

// Disable requests.

void tst_EventsSummaries::disableAllFaultsGroupsByPanel()
{
    using SummarySite::Detector;
    using SummarySite::Sounder;
    SummarySite::writeFaults({{3, Detector}, {1, Detector}, {3, Sounder}});
    AUK_30074 *screen = openGeneral();
    click(screen->faultsViewer());
    const QModelIndex card = EventsSummaryCommon::centreCard(&screen->faultsViewer());
    QVERIFY(card.isValid());
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    screen->buildAndSendIndividualDisablePoints(card, TC::eAllFaults, false);
    QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40062")));

    SC_PointsIndividual panel1;
    panel1.setPanel(1);
    panel1.addPoint(12, 1, 0, Detector);
    SC_PointsIndividual panel3;
    panel3.setPanel(3);
    panel3.addPoint(12, 1, 0, Sounder);
    panel3.addPoint(12, 1, 0, Detector);
    const QStringList actual = lkSent(sent);
    QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
    AUK_40062 reference(DISABLEMENT_DISABLE, false, nullptr, nullptr);
    reference.sendPoints(3, panel1);
    reference.sendPoints(3, panel3);
    QCOMPARE(actual, lkSent(expected));
}

void tst_EventsSummaries::soundersSummaryDisablesOnlySounders()
{
    using SummarySite::Detector;
    using SummarySite::Sounder;
    SummarySite::writeFaults({{1, Detector}, {1, Sounder}, {3, Detector}});
    EventsSummaryByFunction *screen = openFunction(8);
    click(screen->faultsViewer());
    QCOMPARE(counterButtons(screen).at(2), QStringLiteral("_FAULTS_COUNTBTN 1"));
    const QModelIndex card = EventsSummaryCommon::centreCard(&screen->faultsViewer());
    QVERIFY(card.isValid());
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    screen->buildAndSendIndividualDisablePoints(card, TC::eAllFaults, false);

    SC_PointsIndividual sounders;
    sounders.setPanel(1);
    sounders.addPoint(12, 1, 0, Sounder);
    const QStringList actual = lkSent(sent);
    QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
    AUK_40062 reference(DISABLEMENT_DISABLE, false, nullptr, nullptr);
    reference.sendPoints(3, sounders);
    QCOMPARE(actual, lkSent(expected));
}

void tst_EventsSummaries::emptyDisableRequestShowsNothing()
{
    AUK_30074 *screen = openGeneral();
    click(screen->disablementsViewer());
    QStandardItemModel rows;
    rows.appendRow(new QStandardItem(QStringLiteral("no panel")));
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    screen->buildAndSendIndividualDisablePoints(rows.index(0, 0), TC::eAllFaults, true);
    screen->buildAndSendIndividualDisablePoints(QPersistentModelIndex(), TC::eAllFaults, true);
    // No faults at all behind the list.
    screen->buildAndSendIndividualDisablePoints(rows.index(0, 0), TC::eAllFaults, false);
    QVERIFY(lkSpeakSent(sent).isEmpty());
    QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_30074")));

    // One card: its own point.
    const QModelIndex card = screen->disablementsModel()->index(0, 0);
    screen->buildAndSendIndividualDisablePoints(card, TC::eAllFaults, true);
    QCOMPARE(lkSpeakSent(sent).size(), 1);
    QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40062")));
}

// The keys of the lists open the selection popup of the list's kind.
void tst_EventsSummaries::selectionKeys_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("selectedText");
    QTest::addColumn<QString>("allText");
    QTest::addColumn<QString>("popupKey");
    const QString point = QStringLiteral("_SELECTED_POINT_303_32_BODYTEXTSTYLE");
    const QString disable = QStringLiteral("_DISABLE_POPUPSK");
    const QString enable = QStringLiteral("_ENABLE_POPUPSK");
    QTest::newRow("general, faults") << 0 << "faults"
                                     << "_DISABLE_SK"
                                     << "_GENERAL_FAULTS_POPUPTITLE" << point << "_ALL_303_32_BODYTEXTSTYLE (3)"
                                     << disable;
    QTest::newRow("general, disabled zones") << 0 << "zones"
                                             << "_ENABLE_SK"
                                             << "_GENERAL_DISABLES_POPUPTITLE"
                                             << "_SELECTED_ZONE_303_32_BODYTEXTSTYLE"
                                             << "_ALL_303_32_BODYTEXTSTYLE (2)" << enable;
    QTest::newRow("sounders, faults") << 8 << "faults"
                                      << "_DISABLE_SK"
                                      << "_SOUNDERS_FAULTS_POPUPTITLE" << point << "_ALL_303_32_BODYTEXTSTYLE (1)"
                                      << disable;
    QTest::newRow("sounders, isolated") << 8 << "isolated"
                                        << "_ENABLE_SK"
                                        << "_SOUNDERS_DISABLES_POPUPTITLE" << point << "_ALL_303_32_BODYTEXTSTYLE (2)"
                                        << enable;
    QTest::newRow("controls, active") << 512 << "active"
                                      << "_DISABLE_SK"
                                      << "_CONTROLS_ACTIVE_POPUPTITLE" << point << "_ALL_303_32_BODYTEXTSTYLE (4)"
                                      << disable;
}

void tst_EventsSummaries::selectionKeys()
{
    QFETCH(int, mask);
    QFETCH(QString, list);
    QFETCH(QString, key);
    QFETCH(QString, title);
    QFETCH(QString, selectedText);
    QFETCH(QString, allText);
    QFETCH(QString, popupKey);
    using SummarySite::Detector;
    using SummarySite::Sounder;
    SummarySite::writeFaults({{3, Detector}, {1, Detector}, {3, Sounder}});
    // Zones 2 and 5 of panel 1 disabled.
    ScriptedSite::setValue(20, QStringLiteral("1"), QStringLiteral("001001"));
    AUK_10014 *screen = nullptr;
    if (mask == 0) {
        AUK_30074 *general = openGeneral();
        screen = general;
        if (list == QLatin1String("faults")) {
            click(general->faultsViewer());
        } else {
            click(general->disablementsViewer());
            chooseRadio(general->disablementsViewer(), "zonesRadio");
        }
    } else {
        EventsSummaryByFunction *summary = openFunction(mask);
        screen = summary;
        click(list == QLatin1String("faults")     ? summary->faultsViewer()
              : list == QLatin1String("isolated") ? summary->isolatedViewer()
                                                  : summary->activeListViewer());
    }
    QCOMPARE(keyTexts(screen).section(QLatin1Char('|'), 0, 0), key);
    emit keys(screen)->leftButtonClicked();
    BasePopup *popup = selectionPopup();
    QVERIFY(popup);
    QCOMPARE(popup->title(), title);
    QCOMPARE(choice(popup, "selectedItem")->text(), selectedText);
    QCOMPARE(choice(popup, "allItem")->text(), allText);
    QCOMPARE(popup->leftButtonText(), popupKey);
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    emit popup->rightButtonClicked();
    QVERIFY(PageStack::instance()->isTop(screen));
    QVERIFY(lkSpeakSent(sent).isEmpty());
}

// The faults lists hand the choice back: the selected fault's point, or
// every fault behind the list, one list per panel in panel order.
void tst_EventsSummaries::disableKeySendsFaultsByPanel_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("all");
    QTest::addColumn<QList<SC_PointsIndividual>>("lists");
    using SummarySite::Detector;
    using SummarySite::Sounder;
    QTest::newRow("general, all faults") << 0 << true
                                         << QList<SC_PointsIndividual>{loopPoints(1, {Detector}),
                                                                       loopPoints(3, {Sounder, Detector})};
    QTest::newRow("general, the selected fault") << 0 << false << QList<SC_PointsIndividual>{};
    QTest::newRow("sounders, all faults") << 8 << true << QList<SC_PointsIndividual>{loopPoints(3, {Sounder})};
    QTest::newRow("sounders, the selected fault") << 8 << false << QList<SC_PointsIndividual>{};
}

void tst_EventsSummaries::disableKeySendsFaultsByPanel()
{
    QFETCH(int, mask);
    QFETCH(bool, all);
    QFETCH(QList<SC_PointsIndividual>, lists);
    using SummarySite::Detector;
    using SummarySite::Sounder;
    SummarySite::writeFaults({{3, Detector}, {1, Detector}, {3, Sounder}});
    AUK_10014 *screen = nullptr;
    StatusViewer *faults = nullptr;
    if (mask == 0) {
        AUK_30074 *general = openGeneral();
        screen = general;
        faults = &general->faultsViewer();
    } else {
        EventsSummaryByFunction *summary = openFunction(mask);
        screen = summary;
        faults = &summary->faultsViewer();
    }
    click(*faults);
    const QModelIndex card = EventsSummaryCommon::centreCard(faults);
    QVERIFY(card.isValid());
    if (lists.isEmpty())
        lists << loopPoints(quint8(card.data(EventLogQueryModel::PanelNumberRole).toUInt()),
                            {quint8(card.data(EventLogQueryModel::PointNumberRole).toUInt())});
    emit keys(screen)->leftButtonClicked();
    BasePopup *popup = selectionPopup();
    QVERIFY(popup);
    if (all)
        choice(popup, "allItem")->click();
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    emit popup->leftButtonClicked();
    QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40062")));
    QVERIFY(!PageStack::instance()->pageNames().contains(QStringLiteral("AUK_40009")));

    const QStringList actual = lkSent(sent);
    QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
    AUK_40062 reference(DISABLEMENT_DISABLE, false, nullptr, nullptr);
    for (const SC_PointsIndividual &list : qAsConst(lists))
        reference.sendPoints(3, list);
    QCOMPARE(actual, lkSent(expected));
}

// Enabling from the disabled points goes through the general disables
// popup; the progress popup closes once the list has been reloaded.
void tst_EventsSummaries::enableKeyWaitsForTheRefreshedList()
{
    AUK_30074 *screen = openGeneral();
    click(screen->disablementsViewer());
    QVERIFY(screen->enableNeedsWork());
    QCOMPARE(keyTexts(screen).section(QLatin1Char('|'), 0, 0), QStringLiteral("_ENABLE_SK"));
    const QModelIndex card = EventsSummaryCommon::centreCard(&screen->disablementsViewer());
    QVERIFY(card.isValid());
    emit keys(screen)->leftButtonClicked();
    BasePopup *disables = topPopup("AUK_40049");
    QVERIFY(disables);
    QVERIFY(!screen->enableNeedsWork());
    // The active-devices warning waits unseen, and goes with the popup.
    const auto *warning = disables->findChild<QWidget *>(QStringLiteral("AUK_40064"));
    QVERIFY(warning);
    QVERIFY(!warning->isVisible());

    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    QSignalSpy requests(SyncClient::instance(), &SyncClient::disablementSent);
    emit disables->leftButtonClicked();
    BasePopup *progress = topPopup("AUK_40062");
    QVERIFY(progress);
    SC_PointsIndividual point;
    point.setPanel(quint8(card.data(EventLogQueryModel::PanelNumberRole).toUInt()));
    point.appendPoint(card.data(EventLogQueryModel::IndividualAddressRole).value<PointIndividualAddress>());
    const QStringList actual = lkSent(sent);
    QCOMPARE(requests.count(), 1);
    QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
    AUK_40062 reference(DISABLEMENT_ENABLE, false, nullptr, nullptr);
    reference.sendPoints(3, point);
    QCOMPARE(actual, lkSent(expected));

    // The controller's answer turns the right key into Close, which waits
    // for the list to show the enabled point.
    emit SyncClient::instance()->PointCommandReply(quint8(requests.first().first().toUInt()), 1, 1, 0);
    emit progress->rightButtonClicked();
    QVERIFY(PageStack::instance()->isTop(progress));
    PointDataMapsConfiguration::instance()->notifyMapUpdated(TaskMapPages::DisabledOutputs);
    m_clock.advance(2999);
    QVERIFY(PageStack::instance()->isTop(progress));
    m_clock.advance(1);
    QVERIFY(screen->enableNeedsWork());
    QVERIFY(PageStack::instance()->isTop(screen));
}

// A disabled point that is forced shows the active-devices warning first:
// its OK sends the point's enable, its Cancel nothing.
void tst_EventsSummaries::enableOfAForcedPointWarnsFirst_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

void tst_EventsSummaries::enableOfAForcedPointWarnsFirst()
{
    QFETCH(bool, confirm);
    AUK_30074 *screen = openGeneral();
    click(screen->disablementsViewer());
    const QModelIndex card = EventsSummaryCommon::centreCard(&screen->disablementsViewer());
    QVERIFY(card.isValid());
    const quint8 panel = quint8(card.data(EventLogQueryModel::PanelNumberRole).toUInt());
    QBitArray forced(256);
    forced.setBit(card.data(EventLogQueryModel::PointNumberRole).toInt());
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    for (int page : {TaskMapPages::DisabledInputs, TaskMapPages::InputsForcedOn}) {
        maps->addMapPage(page);
        maps->setChannelPoints(page, panel, ScriptedSite::loop(1), forced);
    }
    emit keys(screen)->leftButtonClicked();
    BasePopup *disables = topPopup("AUK_40049");
    QVERIFY(disables);
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    emit disables->leftButtonClicked();
    BasePopup *warning = topPopup("AUK_40064");
    QVERIFY(warning);
    QVERIFY(lkSpeakSent(sent).isEmpty());
    if (!confirm) {
        emit warning->rightButtonClicked();
        QVERIFY(PageStack::instance()->isTop(screen));
        QVERIFY(lkSpeakSent(sent).isEmpty());
        return;
    }
    emit warning->leftButtonClicked();
    QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40062")));
    QCOMPARE(screen->enableLists().value(panel).count(), 1);
    const QStringList actual = lkSent(sent);
    QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
    AUK_40062 reference(DISABLEMENT_ENABLE, false, nullptr, nullptr);
    reference.sendPoints(3, screen->enableLists().value(panel));
    QCOMPARE(actual, lkSent(expected));
}

// Summaries by function.

void tst_EventsSummaries::functionLists_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("taskMode");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("flag");
    QTest::newRow("sounders") << 8 << 2 << QStringList{"4", "0", "0", "2"} << "_SOUNDERS_ALL_POPUPTITLE" << true;
    QTest::newRow("protection") << 16 << 3 << QStringList{"0", "0", "0", "0"} << "_PROTECTION_ALL_POPUPTITLE" << true;
    QTest::newRow("alarm signalling") << 128 << 3 << QStringList{"2", "0", "0", "0"} << "_SIGNALLING_ALL_POPUPTITLE"
                                      << true;
    QTest::newRow("fault signalling") << 256 << 3 << QStringList{"0", "0", "0", "0"} << "_SIGNALLING_ALL_POPUPTITLE"
                                      << false;
    QTest::newRow("controls") << 512 << 2 << QStringList{"4", "4", "0", "0"} << "_CONTROLS_ALL_POPUPTITLE" << true;
}

void tst_EventsSummaries::functionLists()
{
    QFETCH(int, mask);
    QFETCH(int, taskMode);
    QFETCH(QStringList, counts);
    QFETCH(QString, title);
    QFETCH(bool, flag);
    EventsSummaryByFunction *screen = openFunction(mask);
    QCOMPARE(screen->isolatesTaskMode(), taskMode);
    QStringList values;
    for (const QString &button : counterButtons(screen))
        values << button.section(QLatin1Char(' '), 1);
    QCOMPARE(values, counts);
    QCOMPARE(screen->currentViewer(), &screen->allViewer());
    // The active list never colours the header.
    click(screen->activeListViewer());
    QVERIFY(!screen->hasActiveConditions());
    QCOMPARE(keys(screen)->leftButtonVisible(), screen->activeModel()->rowCount() > 0);
    click(screen->allViewer());
    if (screen->allModel()->rowCount() == 0)
        return;
    emit keys(screen)->leftButtonClicked();
    BasePopup *popup = selectionPopup();
    QVERIFY(popup);
    QCOMPARE(popup->title(), title);
    // It acts by itself over the whole list.
    QCOMPARE(choice(popup, "allItem")->text(),
             QStringLiteral("_ALL_303_32_BODYTEXTSTYLE (%1)").arg(screen->allModel()->rowCount()));
    choice(popup, "allItem")->click();
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    emit popup->leftButtonClicked();
    QVERIFY(!lkSpeakSent(sent).isEmpty());
    if (mask != 128 && mask != 256)
        return;
    // The signalling summaries ask for the status of every panel; only the
    // fault signalling's request says so.
    const QStringList actual = lkSent(sent);
    QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->sendPointStatusUpdateRequest(0, 255, flag ? 8 : 9);
    QCOMPARE(actual, lkSent(expected));
}

void tst_EventsSummaries::forceOnTemplate1()
{
    setTemplate1(true);
    EventsSummaryByFunction *screen = openFunction(512);
    AUK_90022 *view = cardViewOf(screen->allViewer());
    QCOMPARE(screen->allModel()->rowCount(), 4);
    const auto pointOf = [](const QModelIndex &card) { return card.data(EventLogQueryModel::PointNumberRole).toInt(); };
    for (int row = 0; row < 4; ++row) {
        view->goToPosition(row + 1);
        m_animations.advance(1000);
        const QModelIndex card = EventsSummaryCommon::centreCard(&screen->allViewer());
        QCOMPARE(card.row(), row);
        screen->updateForceStatus();
        const bool forced = pointOf(card) == SummarySite::ForcedControl;
        QCOMPARE(keyTexts(screen).section(QLatin1Char('|'), 1, 1),
                 forced ? QStringLiteral("_UNFORCE_SK") : QStringLiteral("_FORCE_SK"));
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        emit keys(screen)->middleButtonClicked();
        QVERIFY(!keys(screen)->middleButtonEnabled());
        SC_PointsIndividual point;
        point.setPanel(quint8(card.data(EventLogQueryModel::PanelNumberRole).toUInt()));
        point.addPoint(12, 1, 0, quint8(pointOf(card)));
        const QStringList actual = lkSent(sent);
        QSignalSpy expected(SyncClient::instance(), &SyncClient::SendPacket);
        SyncClient::instance()->sendForcePointsAction(forced ? 0 : 1, point);
        QCOMPARE(actual, lkSent(expected));
        screen->updateForceStatus();
        QVERIFY(keys(screen)->middleButtonEnabled());
    }
    // Another list, or another summary: no force key.
    click(screen->activeListViewer());
    QCOMPARE(keys(screen)->middleButtonVisible(), false);
}

void tst_EventsSummaries::faultsOfTheFunctionOnly()
{
    SummarySite::writeFaults({{1, SummarySite::Sounder}, {1, SummarySite::Detector}, {3, SummarySite::Sounder}});
    EventsSummaryByFunction *screen = openFunction(8);
    click(screen->faultsViewer());
    QCOMPARE(cardViewOf(screen->faultsViewer())->totalCount(), 2);
    QVERIFY(screen->hasActiveConditions());
    click(screen->isolatedViewer());
    QVERIFY(screen->hasActiveConditions());
    QCOMPARE(keyTexts(screen), QStringLiteral("_ENABLE_SK|-|_SAVE_SK"));
}

// Page stack.

void tst_EventsSummaries::summaryKeysReplaceEachOther()
{
    EnginePanelEnvironment engine;
    InputSignaller::setEnvironment(&engine);
    InputSignaller::setKeysEnabled(true);
    InputSignaller *keysOf = InputSignaller::instance();
    PageStack *stack = PageStack::instance();
    const int below = stack->count();
    keysOf->generalPressed();
    QVERIFY(stack->isTopPage(QStringLiteral("AUK_30074")));
    keysOf->soundersPressed();
    QVERIFY(stack->isTopPage(QStringLiteral("AUK_30076")));
    QCOMPARE(stack->count(), below + 1);
    QStringList shown;
    for (int press = 0; press < 3; ++press) {
        keysOf->signallingPressed();
        shown << (stack->isTopPage(QStringLiteral("AUK_30077_F")) ? QStringLiteral("fault")
                  : stack->isTopPage(QStringLiteral("AUK_30077")) ? QStringLiteral("alarm")
                                                                  : QStringLiteral("?"));
    }
    QCOMPARE(shown, (QStringList{"alarm", "fault", "alarm"}));
    QCOMPARE(stack->count(), below + 1);
}

// The home screen's summary pane opens the general summary with the log-on's
// levels; a repeater in bus mode 2 opens it as nobody logged on, and in bus
// mode 3 the bus log's list stands in for it.
void tst_EventsSummaries::homeScreenOpensTheGeneralSummary_data()
{
    QTest::addColumn<int>("guiMode");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("saveKey");
    QTest::addColumn<QString>("listTitle");
    QTest::newRow("panel link") << 0 << "AUK_30074" << true << QString();
    QTest::newRow("bus mode 2") << 2 << "AUK_30074" << false << QString();
    QTest::newRow("bus mode 3") << 3 << "AUK_30073" << true << "_EVENTS_SUMMARY_LOGTITLE";
}

void tst_EventsSummaries::homeScreenOpensTheGeneralSummary()
{
    QFETCH(int, guiMode);
    QFETCH(QString, page);
    QFETCH(bool, saveKey);
    QFETCH(QString, listTitle);
    setGuiMode(guiMode);
    auto *home = new AUK_30002(3, 11, nullptr);
    PageStack::instance()->push(home);
    QMetaObject::invokeMethod(home, "on_eventsSummary_clicked");
    QVERIFY2(PageStack::instance()->isTopPage(page), qPrintable(PageStack::instance()->pageNames().join(' ')));
    const QWidget *top = PageStack::instance()->findChild<QWidget *>(page);
    QVERIFY(top);
    QCOMPARE(keys(top)->rightButtonVisible(), saveKey);
    if (!listTitle.isEmpty())
        QCOMPARE(top->findChild<AUK_90011 *>()->title(), listTitle);
}

void tst_EventsSummaries::modelsPassTheTester()
{
    SummarySite::writeFaults(SummarySite::manyFaults(12));
    AUK_30074 *general = openGeneral();
    QAbstractItemModelTester faults(&general->faultsModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester disablements(general->disablementsModel(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    click(general->faultsViewer());
    general->updateFaultsWithOffset(5);
    general->updateFaultPointCard(5, 6);
    click(general->disablementsViewer());
    general->updateDisablementsPoints();

    EventsSummaryByFunction *sounders = openFunction(8);
    QAbstractItemModelTester all(sounders->allModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester isolated(sounders->isolatesModel(),
                                      QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester window(sounders->faultsModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    sounders->buildModels();
    sounders->updateFaults();
    QCOMPARE(sounders->allModel()->rowCount(), 4);
}

void tst_EventsSummaries::screenshots()
{
    QVERIFY(LinkedScreens::loadEnglish());
    TeskGlobalConfig::instance()->setCurrentLang(1);
    EnglishTexts english;
    QVERIFY(english.isLoaded());
    // Addresses made by the earlier tests were cached untranslated.
    PrintableAddress::instance()->clearZoneTextCache();
    // What the cards name: the event, the zones and the device.
    ScriptedSite::setValue(19, QStringLiteral("100|1"), QStringLiteral("Device missing"));
    ScriptedSite::setValue(6, QStringLiteral("1|1|1"), QStringLiteral("Plant room"));
    ScriptedSite::setValue(6, QStringLiteral("3|1|1"), QStringLiteral("Gate house"));
    ScriptedSite::setValue(12, QStringLiteral("5|1"), QStringLiteral("Smoke detector"));
    ScriptedSite::setValue(12, QStringLiteral("20|1"), QStringLiteral("Sounder"));
    ScriptedSite::setValue(12, QStringLiteral("21|1"), QStringLiteral("Fire brigade output"));
    ScriptedSite::setValue(12, QStringLiteral("22|1"), QStringLiteral("Door release"));
    SummarySite::writeFaults({{1, SummarySite::Detector}, {3, SummarySite::Sounder}});
    PanelCounters::instance()->setFaults(2, 254);
    PanelCounters::instance()->setDisablements(2, 254);
    // Panel 1 walk-tests its detector, which has not answered yet.
    QBitArray walked(256);
    walked.setBit(SummarySite::Detector);
    PointDataMapsConfiguration::instance()->setChannelPoints(TaskMapPages::WalkTestPoints, 1, ScriptedSite::loop(1),
                                                             walked);
    WalkTestHandler::instance()->updateSummary(1, 255, 2, 1, {3, 2, 1, 0, 0, 0}, QBitArray(), 0);
    const auto shoot = [](AUK_10014 *screen, const char *name) {
        QCoreApplication::processEvents();
        QCOMPARE(WidgetShot::textProblems(screen), QString());
        WidgetShot::saveForReview(WidgetShot::grab(screen), QLatin1String(name));
    };
    AUK_30074 *general = openGeneral();
    shoot(general, "AUK_30074_warnings");
    click(general->faultsViewer());
    shoot(general, "AUK_30074_faults");
    // The popups the keys open, over the list they act on.
    const auto shootPopup = [](const char *popupName, const char *name) {
        QCoreApplication::processEvents();
        BasePopup *popup = topPopup(popupName);
        QVERIFY(popup);
        QCOMPARE(WidgetShot::textProblems(popup), QString());
        WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()), QLatin1String(name));
        emit popup->rightButtonClicked();
    };
    emit keys(general)->leftButtonClicked();
    shootPopup("AUK_40009", "AUK_30074_faults_disable");
    click(general->disablementsViewer());
    shoot(general, "AUK_30074_disablements_points");
    emit keys(general)->leftButtonClicked();
    shootPopup("AUK_40049", "AUK_30074_disablements_enable");
    // Zones 2 and 5 of panel 1 disabled.
    ScriptedSite::setValue(20, QStringLiteral("1"), QStringLiteral("001001"));
    chooseRadio(general->disablementsViewer(), "zonesRadio");
    QCOMPARE(general->disablementsModel()->rowCount(), 2);
    shoot(general, "AUK_30074_disablements_zones");
    click(general->testsViewer());
    shoot(general, "AUK_30074_walktest_summary");
    general->toggleSummaryUntestedFailed();
    shoot(general, "AUK_30074_walktest_points");
    PageStack::instance()->remove(general);

    shoot(open(new AUK_30075(3, 11, nullptr)), "AUK_30075");
    struct Shot
    {
        Summary summary;
        const char *name;
    };
    for (const Shot &shot :
         {Shot{Summary::SoundersSummary, "AUK_30076"}, Shot{Summary::AlarmSignallingSummary, "AUK_30077"},
          Shot{Summary::FaultSignallingSummary, "AUK_30077_F"}, Shot{Summary::ProtectionSummary, "AUK_30078"}}) {
        auto *screen = static_cast<EventsSummaryByFunction *>(open(EventsSummaryScreens::create(shot.summary, 3, 11)));
        shoot(screen, shot.name);
        if (shot.summary == Summary::SoundersSummary) {
            click(screen->faultsViewer());
            shoot(screen, "AUK_30076_faults");
            click(screen->isolatedViewer());
            shoot(screen, "AUK_30076_isolated");
        }
    }
    setTemplate1(true);
    shoot(static_cast<AUK_10014 *>(open(EventsSummaryScreens::create(Summary::ControlsSummary, 3, 11))),
          "AUK_30078_controls");
    setTemplate1(false);

    setGuiMode(2);
    RbusEvent fault;
    fault.kind = 4;
    fault.active = 1;
    fault.firstNumber = QStringLiteral("1");
    fault.secondNumber = QStringLiteral("2");
    fault.texts[1] = QStringLiteral("Boiler room");
    fault.texts[2] = QStringLiteral("Smoke detector");
    fault.texts[4] = QStringLiteral("001/0042");
    rbusEventLog::instance()->events = {fault};
    AUK_30074 *repeater = openGeneral();
    click(repeater->faultsViewer());
    shoot(repeater, "AUK_30074_repeater");
}

QTEST_MAIN(tst_EventsSummaries)
#include "tst_eventssummaries.moc"
