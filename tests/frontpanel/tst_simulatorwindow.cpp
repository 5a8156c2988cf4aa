#include "app/PageStack.h"
#include "frontpanel/simulator/FrontPanelAdaptor.h"
#include "frontpanel/simulator/MainWindow.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStatusBar>
#include <QtTest>

// The simulator window as the start-up builds it: the page stack in its
// corner, the background chosen on the command line, and the front-panel
// adaptor answering on the bus.
class TestSimulatorWindow final : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void styleSheet();
    void pageStack();
    void adaptorSetsPanelTitle_data();
    void adaptorSetsPanelTitle();
};

void TestSimulatorWindow::window()
{
    MainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("GUI Simulator"));
    QCOMPARE(window.size(), QSize(1040, 672));
    QCOMPARE(window.minimumSize(), QSize(1040, 672));
    QCOMPARE(window.centralWidget()->objectName(), QStringLiteral("centralwidget"));
    QCOMPARE(window.centralWidget()->minimumSize(), window.centralWidget()->maximumSize());
    QVERIFY(!window.statusBar()->isSizeGripEnabled());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
}

void TestSimulatorWindow::styleSheet()
{
    MainWindow window;
    const QString protection =
        QStringLiteral("QMainWindow {border-image: url(:/new/prefix1/backgroundProtection.png)}");
    window.setMyStyleSheet(protection);
    QCOMPARE(window.styleSheet(), protection);
    window.setMyStyleSheet(QString());
    QCOMPARE(window.styleSheet(), protection);
}

void TestSimulatorWindow::pageStack()
{
    PageStack *stack = PageStack::instance();
    QCOMPARE(PageStack::instance(), stack);
    QCOMPARE(stack->geometry(), QRect(0, 0, 640, 480));
    QCOMPARE(stack->minimumSize(), QSize(640, 480));
    QCOMPARE(stack->maximumSize(), QSize(640, 480));

    // The window takes the stack along when it goes.
    {
        MainWindow window;
        stack->setParent(window.centralWidget());
    }
    // A fresh stack, not the one that went (which would be a use after free).
    QCOMPARE(PageStack::instance()->parentWidget(), nullptr);
    PageStack::destroyInstance();
}

void TestSimulatorWindow::adaptorSetsPanelTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::newRow("panel title") << QStringLiteral("GUI Simulator - Panel 7")
                                 << QStringLiteral("GUI Simulator - Panel 7");
    const QString longest = QString(FrontPanelAdaptor::MaximumTitleLength, QLatin1Char('T'));
    QTest::newRow("longest title") << longest << longest;
    // Four megabytes from anyone on the bus: cut to the longest title.
    QTest::newRow("huge title") << longest + QString(4 * 1024 * 1024, QLatin1Char('x')) << longest;
}

void TestSimulatorWindow::adaptorSetsPanelTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    MainWindow window;
    QObject exported;
    new FrontPanelAdaptor(&window, &exported);
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.registerService(QStringLiteral("svc.frontpanel.p56789")));
    QVERIFY(bus.registerObject(QStringLiteral("/"), &exported, QDBusConnection::ExportAdaptors));

    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("svc.frontpanel.p56789"), QStringLiteral("/"),
                                                       QStringLiteral("vemo.frontpanel"), QStringLiteral("setPanel"));
    call << title;
    QCOMPARE(bus.call(call).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(window.windowTitle(), shown);

    bus.unregisterObject(QStringLiteral("/"));
    bus.unregisterService(QStringLiteral("svc.frontpanel.p56789"));
}

QTEST_MAIN(TestSimulatorWindow)
#include "tst_simulatorwindow.moc"
