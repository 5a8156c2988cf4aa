#include "FakeClock.h"
#include "MessageCapture.h"
#include "app/SC_App.h"
#include "link/SC_EthernetLinkLayerFactory.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A link thread whose transport never comes up: Started() never arrives.
class NeverStartingLinkFactory final : public SC_EthernetLinkLayerFactory
{
public:
    void Start() override { }
};

} // namespace

class TestLinkStart final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void linkThatNeverStarts_isGivenUpAtTheBound();

private:
    QTemporaryDir m_dataDir;
};

void TestLinkStart::initTestCase()
{
    QVERIFY(m_dataDir.isValid());
    QVERIFY(QDir::setCurrent(m_dataDir.path()));
}

void TestLinkStart::linkThatNeverStarts_isGivenUpAtTheBound()
{
    FakeClock clock;
    MessageCapture capture;
    SC_App app(std::make_unique<NeverStartingLinkFactory>());
    const QString warning = QStringLiteral("did not start within");
    // Runs inside the start-up's wait.
    bool warnedEarly = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
            clock.advance(SC_App::LinkStartWaitMs - 1);
            warnedEarly = capture.contains(warning);
            clock.advance(1);
        },
        Qt::QueuedConnection);

    app.Start();

    QVERIFY(!warnedEarly);
    QVERIFY(capture.contains(QStringLiteral("SC_App::Start")));
    QVERIFY(capture.contains(warning));
}

QTEST_GUILESS_MAIN(TestLinkStart)
#include "tst_linkstart.moc"
