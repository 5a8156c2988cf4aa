#include "app/QVemoApplication.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The application object itself, built from this test's own command line.
class TestQVemoApplication final : public QObject
{
    Q_OBJECT

private slots:
    void portFromItsCommandLine();
    void onePressOneSignal();
};

void TestQVemoApplication::portFromItsCommandLine()
{
    QCOMPARE(int(QVemoApplication::port()), 56795);
}

void TestQVemoApplication::onePressOneSignal()
{
    auto *application = qobject_cast<QVemoApplication *>(qApp);
    QVERIFY(application);
    QSignalSpy presses(application, &QVemoApplication::windowsMousePress);
    QSignalSpy releases(application, &QVemoApplication::windowsMouseRelease);

    QWidget window;
    auto *button = new QPushButton(QStringLiteral("key"), &window);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Through the native window, as the platform delivers a real press.
    QWindow *native = window.windowHandle();
    const QPoint onButton = button->geometry().center();
    QTest::mousePress(native, Qt::LeftButton, {}, onButton);
    QCOMPARE(presses.count(), 1);
    QCOMPARE(releases.count(), 0);
    QTest::mouseRelease(native, Qt::LeftButton, {}, onButton);
    QCOMPARE(presses.count(), 1);
    QCOMPARE(releases.count(), 1);
    QTest::mouseMove(native, QPoint(150, 50));
    QTest::keyClick(&window, Qt::Key_A);
    QCOMPARE(presses.count(), 1);
    QCOMPARE(releases.count(), 1);
}

int main(int argc, char *argv[])
{
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << argv[i];
    arguments << "--port=56795";
    QVector<char *> pointers;
    for (QByteArray &argument : arguments)
        pointers << argument.data();
    int count = pointers.size();
    QVemoApplication application(count, pointers.data());
    TestQVemoApplication test;
    return QTest::qExec(&test, QStringList{QString::fromLocal8Bit(argv[0])});
}

#include "tst_qvemoapplication.moc"
