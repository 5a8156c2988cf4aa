#include "InProcessEngine.h"

#include "PanelSimProcess.h"
#include "TestPrograms.h"
#include "app/TeskEngine.h"
#include "link/SyncClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int LinkTimeoutMs = 60000;

HostChild s_host;
PanelSimProcess *s_controller = nullptr;
quint16 s_port = 0;
int s_testResult = 1;
std::function<int()> s_runTests;

// Each tick returns at once until the link is up, so the start-up's own
// waits go on undisturbed. The controller retries until the engine listens,
// and its heartbeat brings the link up.
void runTestsInTheEngine()
{
    if (!s_runTests)
        return;
    auto *tick = new QTimer(qApp);
    tick->setInterval(50);
    QObject::connect(tick, &QTimer::timeout, [tick] {
        static bool beaten = false;
        if (!s_controller) {
            s_controller = new PanelSimProcess;
            s_controller->start(s_port);
        }
        if (!beaten && s_controller->count(QStringLiteral("connected")) > 0) {
            s_controller->command(QStringLiteral("beat 2"));
            beaten = true;
        }
        static QElapsedTimer waited;
        if (!waited.isValid())
            waited.start();
        if (!SyncClient::instance()->isLinkUp()) {
            if (waited.hasExpired(LinkTimeoutMs)) {
                qCritical() << "The panel link did not come up:" << s_controller->lines().join('\n');
                tick->stop();
                QCoreApplication::exit(1);
            }
            return;
        }
        tick->stop();
        tick->deleteLater();
        s_testResult = s_runTests();
        s_controller->stop();
        delete s_controller;
        s_controller = nullptr;
        QCoreApplication::exit(0);
    });
    tick->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(runTestsInTheEngine)

namespace InProcessEngine {

HostChild &host()
{
    return s_host;
}

PanelSimProcess &controller()
{
    return *s_controller;
}

int run(const char *testName, char *program, std::function<int()> runTests)
{
    std::string pattern = std::string("/tmp/") + testName + ".XXXXXX";
    std::vector<char> directory(pattern.cbegin(), pattern.cend());
    directory.push_back('\0');
    if (!::mkdtemp(directory.data()) || ::chdir(directory.data()) != 0)
        return 2;
    s_port = unusedLoopbackPort();
    if (!s_host.start(TestPrograms::path(QStringLiteral("tools/hostservices/hostservices")), s_port)) {
        std::fprintf(stderr, "the host services did not start\n");
        return 2;
    }
    s_runTests = std::move(runTests);
    std::string portOption = "--port=" + std::to_string(s_port);
    std::vector<char *> arguments{program, portOption.data(), nullptr};
    const int engineResult = teskengine_main(int(arguments.size()) - 1, arguments.data());
    s_host.stop();
    std::error_code ignored;
    std::filesystem::remove_all(directory.data(), ignored);
    return s_testResult != 0 ? s_testResult : engineResult;
}

} // namespace InProcessEngine
