#include "../listscreens/ListScreenPagesInstaller.h"
#include "../listscreens/ListScreenSite.h"
#include "../listscreens/SelectorScreen.h"
#include "../widgets/PageUnderPopups.h"
#include "FakeClock.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/EngineReportEnvironment.h"
#include "listscreens/PanelSelector.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelRecord.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/model.h"
#include "reports/AUK_30107.h"
#include "reports/AUK_40057.h"
#include "reports/PrinterSelector.h"
#include "reports/ReportEnvironment.h"
#include "reports/ReportOutputSelector.h"
#include "widgets/SelectorItemDelegate.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

namespace {

using FilteredRoles::PanelRole;
using FilteredRoles::PrinterNumberRole;

// Panels 1, 3, 5 and 8 answer; 3 and 5 have printers.
void addPrinters(quint8 panel, const QString &panelName, const QList<QPair<quint8, QString>> &printers)
{
    PanelRecord record;
    record.zoneLimit = 241;
    record.panelName1 = panelName;
    for (const auto &printer : printers) {
        PrinterEntry entry;
        entry.printerNumber = printer.first;
        entry.name1 = printer.second;
        record.printers.append(entry);
    }
    PanelConfiguration::instance()->setPanelRecord(panel, record);
}

QString labelText(const QWidget *popup, const char *name)
{
    auto *found = popup->findChild<QLabel *>(QLatin1String(name));
    return found ? found->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QString padded(const QString &name, int number)
{
    return name.leftJustified(20, QLatin1Char(' ')) + QStringLiteral("(%1)").arg(number);
}

} // namespace

// The printer settings screen and its confirmation: where reports go, a
// file format or a panel's printer, shown from the setting in force and
// stored on Accept.
class tst_PrinterSettings : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<PageUnderPopups> m_stack;
    std::unique_ptr<ListScreenPagesInstaller> m_pages;
    EngineReportEnvironment m_environment;

    QPointer<AUK_30107> pushScreen()
    {
        QPointer<AUK_30107> screen = new AUK_30107;
        PageStack::instance()->push(screen);
        m_clock->advance(1);
        return screen;
    }

    static bool shown(AUK_30107 *screen, FilterSelector *selector) { return selector->button()->isVisibleTo(screen); }

    static bool acceptShown(AUK_30107 *screen) { return screen->lozengeBar()->leftButtonVisible(); }

    static QWidget *currentEditor(AUK_30107 *screen) { return screen->stackedWidget()->currentWidget(); }

    static QList<int> printerNumbers(AUK_30107 *screen)
    {
        QList<int> numbers;
        for (uint value : rowValues(screen->printerSelector(), PrinterNumberRole))
            numbers << int(value);
        return numbers;
    }

private slots:
    void init()
    {
        m_clock = std::make_unique<FakeClock>();
        m_stack = std::make_unique<PageUnderPopups>(window());
        m_pages = std::make_unique<ListScreenPagesInstaller>();
        ReportEnvironment::install(&m_environment);
        ListScreenSite::build({1, 3, 5, 8});
        // The setting at start.
        PanelConfiguration::instance()->setPrinterSelection(0, 0);
        PanelConfiguration::instance()->setReportFormat(PanelConfiguration::Pdf);
        addPrinters(3, QStringLiteral("Panel 3 Plant room"),
                    {{1, QStringLiteral("Plant room")}, {2, QStringLiteral("Boiler house")}});
        addPrinters(5, QStringLiteral("Panel 5 East wing"), {{2, QStringLiteral("East wing desk")}});
    }

    void cleanup()
    {
        ReportEnvironment::install(nullptr);
        m_pages.reset();
        m_stack.reset();
        m_clock.reset();
        ListScreenSite::build({});
    }

    void firstVisitOffersPdf()
    {
        QPointer<AUK_30107> screen = pushScreen();
        QCOMPARE(screen->title(), QStringLiteral("_PRINTER_SETTING_HDR"));
        ReportOutputSelector *output = screen->reportOutputSelector();
        QCOMPARE(screen->selectors(),
                 (QList<FilterSelector *>{output, screen->panelSelector(), screen->printerSelector()}));
        QCOMPARE(selectedRows(output), QList<int>{3});
        QCOMPARE(buttonOf(output)->buttonValue(), QStringLiteral("_USB_LISTITEM (_PDF_LISTITEM)"));
        QCOMPARE(buttonOf(output)->buttonLabel(), QStringLiteral("_OUTPUT_FILTERBTN"));
        QVERIFY(buttonOf(output)->isChecked());
        QCOMPARE(currentEditor(screen), output->filterEditor());
        QVERIFY(!shown(screen, screen->panelSelector()));
        QVERIFY(!shown(screen, screen->printerSelector()));
        QVERIFY(screen->lozengeBar()->isVisibleTo(screen));
        QVERIFY(acceptShown(screen));
        QCOMPARE(screen->lozengeBar()->leftButtonText(), QStringLiteral("_ACCEPT_SK"));
        QVERIFY(!screen->lozengeBar()->middleButtonVisible());
        QVERIFY(!screen->lozengeBar()->rightButtonVisible());
        QVERIFY(!screen->lozengeBar()->scrollButtonsVisible());
    }

    void outputRows()
    {
        QPointer<AUK_30107> screen = pushScreen();
        QAbstractItemModel *rows = listOf(screen->reportOutputSelector())->model();
        QAbstractItemModelTester tester(rows, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(rows->rowCount(), 5);
        const QStringList texts{"_USB_LISTITEM (_TXT_WITH_WHITESPACE_LISTITEM)", "_USB_LISTITEM (_TXT_LISTITEM)",
                                "_USB_LISTITEM (_CSV_LISTITEM)", "_USB_LISTITEM (_PDF_LISTITEM)",
                                "_PANEL_PRINTER_LISTITEM"};
        for (int row = 0; row < 5; ++row) {
            const QModelIndex index = rows->index(row, 0);
            QCOMPARE(index.data().toString(), texts.at(row));
            QCOMPARE(index.data(ReportOutputSelector::DestinationRole).toInt(), row < 4 ? 1 : 0);
            QCOMPARE(index.data(ReportOutputSelector::FormatRole).isValid(), row < 4);
            if (row < 4)
                QCOMPARE(index.data(ReportOutputSelector::FormatRole).toInt(), row);
        }
    }

    void opensOnTheSetting_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("printerPanel");
        QTest::addColumn<int>("printerNumber");
        QTest::addColumn<int>("outputRow");
        QTest::addColumn<int>("panel"); // -1: none chosen
        QTest::addColumn<QList<int>>("printers");
        QTest::addColumn<int>("chosenPrinter"); // 0: none
        QTest::addColumn<bool>("accept");

        for (int format = 0; format < 4; ++format)
            QTest::addRow("file format %d", format)
                << false << format << 0 << 0 << format << -1 << QList<int>() << 0 << true;
        QTest::newRow("printer 2 of panel 5") << true << 3 << 5 << 2 << 4 << 5 << QList<int>{2} << 2 << true;
        QTest::newRow("printer 1 of panel 3") << true << 3 << 3 << 1 << 4 << 3 << QList<int>{1, 2} << 1 << true;
        QTest::newRow("printer no longer listed") << true << 3 << 5 << 9 << 4 << 5 << QList<int>{2} << 0 << false;
        QTest::newRow("panel 100") << true << 3 << 100 << 1 << 4 << 1 << QList<int>() << 0 << false;
        QTest::newRow("panel no longer listed") << true << 3 << 7 << 1 << 4 << 1 << QList<int>() << 0 << false;
    }

    void opensOnTheSetting()
    {
        QFETCH(bool, printer);
        QFETCH(int, format);
        QFETCH(int, printerPanel);
        QFETCH(int, printerNumber);
        QFETCH(int, outputRow);
        QFETCH(int, panel);
        QFETCH(QList<int>, printers);
        QFETCH(int, chosenPrinter);
        QFETCH(bool, accept);
        PanelConfiguration *configuration = PanelConfiguration::instance();
        configuration->setReportFormat(format);
        if (printer)
            configuration->setPrinterSelection(quint8(printerPanel), quint8(printerNumber));

        QPointer<AUK_30107> screen = pushScreen();

        ReportOutputSelector *output = screen->reportOutputSelector();
        QCOMPARE(selectedRows(output), QList<int>{outputRow});
        QCOMPARE(currentEditor(screen), output->filterEditor());
        QVERIFY(buttonOf(output)->isChecked());
        QCOMPARE(shown(screen, screen->panelSelector()), printer);
        QCOMPARE(shown(screen, screen->printerSelector()), printer);
        quint8 chosenPanel = 0;
        QCOMPARE(screen->panelSelector()->selectedPanel(&chosenPanel), panel >= 0);
        if (panel >= 0)
            QCOMPARE(int(chosenPanel), panel);
        if (printer) {
            QVERIFY(screen->printerSelector()->button()->isEnabled());
            QCOMPARE(printerNumbers(screen), printers);
        }
        QCOMPARE(int(screen->printerSelector()->selectedPrinter()), chosenPrinter);
        QCOMPARE(screen->printerSelector()->hasSelection(), chosenPrinter != 0);
        QCOMPARE(acceptShown(screen), accept);
        // Only looking changes nothing.
        QCOMPARE(configuration->reportDestinationKind(),
                 int(printer ? PanelConfiguration::PanelPrinter : PanelConfiguration::UsbReportFile));
    }

    void destinationDecidesTheSteps()
    {
        QPointer<AUK_30107> screen = pushScreen();
        ReportOutputSelector *output = screen->reportOutputSelector();
        PrinterSelector *printers = screen->printerSelector();
        QAbstractItemModelTester tester(&screen->findChild<FilterModel *>()->printersModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        tapRow(output, ReportOutputSelector::PanelPrinterRow);
        QCOMPARE(buttonOf(output)->buttonValue(), QStringLiteral("_PANEL_PRINTER_LISTITEM"));
        QVERIFY(shown(screen, screen->panelSelector()));
        QVERIFY(shown(screen, printers));
        QVERIFY(!acceptShown(screen));
        QCOMPARE(currentEditor(screen), screen->panelSelector()->filterEditor());
        QVERIFY(screen->panelSelector()->button()->isEnabled());
        QVERIFY(!printers->button()->isEnabled());

        // A panel moves on to its printers; Accept waits for one of them.
        tapRow(screen->panelSelector(), 1);
        QCOMPARE(int(printers->listedPanel()), 3);
        QCOMPARE(currentEditor(screen), printers->filterEditor());
        QCOMPARE(printerNumbers(screen), (QList<int>{1, 2}));
        auto *delegate = qobject_cast<SelectorItemDelegate *>(listOf(printers)->itemDelegate());
        QVERIFY(delegate);
        QCOMPARE(delegate->counterText(listOf(printers)->model()->index(1, 0)), QStringLiteral("(02)"));
        QVERIFY(!acceptShown(screen));
        tapRow(printers, 1);
        QCOMPARE(buttonOf(printers)->buttonValue(), QStringLiteral("Boiler house"));
        QVERIFY(acceptShown(screen));

        // Another panel lists its own printers and takes the choice back.
        tapRow(screen->panelSelector(), 2);
        QCOMPARE(printerNumbers(screen), QList<int>{2});
        QVERIFY(!printers->hasSelection());
        QVERIFY(!acceptShown(screen));
        tapRow(screen->panelSelector(), 0);
        QCOMPARE(printerNumbers(screen), QList<int>());

        // Back to a file: the printer steps go and Accept shows at once.
        buttonOf(output)->click();
        QCOMPARE(currentEditor(screen), output->filterEditor());
        tapRow(output, 2);
        QVERIFY(!shown(screen, screen->panelSelector()));
        QVERIFY(!shown(screen, printers));
        QVERIFY(acceptShown(screen));
        QCOMPARE(currentEditor(screen), output->filterEditor());
        // The printer list no longer rules Accept.
        printers->reset(true);
        QVERIFY(acceptShown(screen));
    }

    // The panel chosen for the user does not move on to the printers; a tap
    // on the printer button must still list that panel's printers.
    void printerButtonListsThePanelChosenForTheUser()
    {
        PanelConfiguration::instance()->setPrinterSelection(100, 1);
        addPrinters(1, QStringLiteral("Panel 1 Reception"), {{4, QStringLiteral("Front desk")}});
        QPointer<AUK_30107> screen = pushScreen();
        PrinterSelector *printers = screen->printerSelector();
        QVERIFY(printers->button()->isEnabled());
        QCOMPARE(int(printers->listedPanel()), int(PrinterSelector::NoPanelListed));

        buttonOf(printers)->click();

        QCOMPARE(currentEditor(screen), printers->filterEditor());
        QCOMPARE(int(printers->listedPanel()), 1);
        QCOMPARE(printerNumbers(screen), QList<int>{4});
        tapRow(printers, 0);
        QVERIFY(acceptShown(screen));
    }

    void acceptStoresTheChoice_data()
    {
        QTest::addColumn<int>("outputRow");
        QTest::addColumn<int>("panelRow");
        QTest::addColumn<int>("printerRow");
        QTest::addColumn<int>("destination");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("printerPanel");
        QTest::addColumn<int>("printerNumber");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("bottom");

        QTest::newRow("text file") << 1 << -1 << -1 << 1 << 1 << 0 << 0 << ""
                                   << "_USB_TEXT_POPUPTEXT3INFO";
        QTest::newRow("CSV file") << 2 << -1 << -1 << 1 << 2 << 0 << 0 << ""
                                  << "_USB_CSV_POPUPTEXT3INFO";
        QTest::newRow("printer of panel 5")
            << 4 << 2 << 0 << 0 << 3 << 5 << 2 << padded(QStringLiteral("Panel 5 East wing"), 5)
            << padded(QStringLiteral("East wing desk"), 2);
    }

    void acceptStoresTheChoice()
    {
        QFETCH(int, outputRow);
        QFETCH(int, panelRow);
        QFETCH(int, printerRow);
        QFETCH(int, destination);
        QFETCH(int, format);
        QFETCH(int, printerPanel);
        QFETCH(int, printerNumber);
        QFETCH(QString, middle);
        QFETCH(QString, bottom);
        // Reports of kind 1 may go to a printer.
        PanelConfiguration *configuration = PanelConfiguration::instance();
        QBitArray options(8);
        options.setBit(1);
        configuration->setPanelOptions(options);
        QPointer<AUK_30107> screen = pushScreen();
        tapRow(screen->reportOutputSelector(), outputRow);
        if (panelRow >= 0)
            tapRow(screen->panelSelector(), panelRow);
        if (printerRow >= 0)
            tapRow(screen->printerSelector(), printerRow);
        QVERIFY(acceptShown(screen));

        emit screen->lozengeBar()->leftButtonClicked();

        QCOMPARE(configuration->reportDestinationKind(), destination);
        QCOMPARE(configuration->reportFormat(), format);
        QCOMPARE(int(configuration->printerPanel()), printerPanel);
        QCOMPARE(int(configuration->printerNumber()), printerNumber);
        QCOMPARE(model::instance()->isPanelOptionSet(1), destination == PanelConfiguration::PanelPrinter);
        QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40057")));
        QPointer<AUK_40057> popup = PageStack::instance()->findChild<AUK_40057 *>();
        QVERIFY(popup);
        QCOMPARE(popup->title(), QStringLiteral("_REPORT_DEST_SAVED_POPUPTITLE"));
        QCOMPARE(labelText(popup, "middleLabel"), middle);
        QCOMPARE(labelText(popup, "bottomLabel"), bottom);

        // Close leaves the screen too.
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!popup);
        QVERIFY(!screen);
    }

    void acceptWithoutAPrinterStoresNothing()
    {
        QPointer<AUK_30107> screen = pushScreen();
        tapRow(screen->reportOutputSelector(), ReportOutputSelector::PanelPrinterRow);
        tapRow(screen->panelSelector(), 1);
        const int pages = PageStack::instance()->count();

        emit screen->lozengeBar()->leftButtonClicked();

        QCOMPARE(PanelConfiguration::instance()->reportDestinationKind(), int(PanelConfiguration::UsbReportFile));
        QCOMPARE(PageStack::instance()->count(), pages);
    }

    void popupForms_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<int>("value"); // format, or panel
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("bottom");

        QTest::newRow("text with whitespace") << false << 0 << ""
                                              << "_USB_DEF_TEXT_POPUPTEXT3INFO";
        QTest::newRow("text") << false << 1 << ""
                              << "_USB_TEXT_POPUPTEXT3INFO";
        QTest::newRow("CSV") << false << 2 << ""
                             << "_USB_CSV_POPUPTEXT3INFO";
        QTest::newRow("PDF") << false << 3 << ""
                             << "_USB_PDF_POPUPTEXT3INFO";
        QTest::newRow("unknown format") << false << 9 << ""
                                        << "_USB_PDF_POPUPTEXT3INFO";
        QTest::newRow("negative format") << false << -1 << ""
                                         << "_USB_PDF_POPUPTEXT3INFO";
        QTest::newRow("printer of panel 3") << true << 3 << padded(QStringLiteral("Panel 3 Plant room"), 3)
                                            << padded(QStringLiteral("Boiler house"), 2);
        QTest::newRow("printer of panel 0") << true << 0 << "" << padded(QStringLiteral("Cellar"), 2);
    }

    void popupForms()
    {
        QFETCH(bool, printer);
        QFETCH(int, value);
        QFETCH(QString, middle);
        QFETCH(QString, bottom);
        addPrinters(0, QStringLiteral("Panel 0 Cellar"), {{2, QStringLiteral("Cellar")}});
        QPointer<AUK_40057> popup = printer ? new AUK_40057(quint8(value), 2, nullptr) : new AUK_40057(value, nullptr);
        QVERIFY(PageStack::instance()->push(popup));
        QCOMPARE(popup->objectName(), QStringLiteral("AUK_40057"));
        QCOMPARE(popup->title(), QStringLiteral("_REPORT_DEST_SAVED_POPUPTITLE"));
        QCOMPARE(labelText(popup, "topLabel"), QStringLiteral("_PRINTER_SET_TO_POPUPTEXT1BODY"));
        QCOMPARE(labelText(popup, "middleLabel"), middle);
        QCOMPARE(labelText(popup, "bottomLabel"), bottom);
        QVERIFY(!popup->leftButtonVisible());
        QVERIFY(popup->rightButtonVisible());
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
    }

    void screenshots_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("AUK_30107_usb") << false << false;
        QTest::newRow("AUK_30107_printer") << true << false;
        QTest::newRow("AUK_40057_usb") << false << true;
        QTest::newRow("AUK_40057_printer") << true << true;
    }

    void screenshots()
    {
        QFETCH(bool, printer);
        QFETCH(bool, saved);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_stack.reset();
        m_stack = std::make_unique<PageUnderPopups>(window());
        if (printer)
            PanelConfiguration::instance()->setPrinterSelection(3, 2);
        else
            PanelConfiguration::instance()->setReportFormat(PanelConfiguration::Csv);
        QPointer<AUK_30107> screen = pushScreen();
        if (printer)
            screen->printerSelector()->activate();
        if (saved)
            emit screen->lozengeBar()->leftButtonClicked();
        QVERIFY(PageStack::instance()->isTopPage(QString::fromLatin1(saved ? "AUK_40057" : "AUK_30107")));

        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QString::fromLatin1(QTest::currentDataTag()));
        // The chosen row's radio mark is drawn in the list beside the buttons.
        QVERIFY(!WidgetShot::isTransparent(image, QRect(200, 60, 220, 300)));
    }
};

QTEST_MAIN(tst_PrinterSettings)
#include "tst_printersettings.moc"
