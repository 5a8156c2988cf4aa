#include "FreePort.h"
#include "PacketBytes.h"
#include "PortArguments.h"
#include "app/QVemoApplication.h"
#include "app/SC_App.h"
#include "link/SC_LinkFramer.h"
#include "link/SyncClient.h"

#include <QTemporaryDir>
#include <QtTest>

#include <arpa/inet.h>
#include <chrono>
#include <future>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

quint16 s_port = 0;

// A controller that connects the moment the engine listens, sends one
// heartbeat and waits for its answer. Plain sockets on a thread of its own,
// so it runs while the GUI thread is held.
class EagerController final
{
public:
    ~EagerController()
    {
        if (m_thread.joinable())
            m_thread.join();
        if (m_socket >= 0)
            ::close(m_socket);
    }

    std::future<bool> start(quint16 port)
    {
        std::future<bool> answered = m_answered.get_future();
        m_thread = std::thread([this, port] { m_answered.set_value(beat(port)); });
        return answered;
    }

private:
    bool beat(quint16 port)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        while (std::chrono::steady_clock::now() < deadline) {
            m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
            if (::connect(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
                break;
            ::close(m_socket);
            m_socket = -1;
            ::usleep(1000);
        }
        if (m_socket < 0)
            return false;
        const timeval wait = {30, 0};
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        const QByteArray heartbeat = SC_LinkFramer::frame(0, hex("01 02"));
        char answer[64];
        return ::send(m_socket, heartbeat.constData(), size_t(heartbeat.size()), 0) == heartbeat.size()
               && ::recv(m_socket, answer, sizeof answer, 0) > 0;
    }

    std::promise<bool> m_answered;
    std::thread m_thread;
    int m_socket = -1;
};

} // namespace

// The link brought up in this process, with a controller that is quicker
// than the GUI thread.
class TestLinkBringUp final : public QObject
{
    Q_OBJECT

private slots:
    void firstHeartbeatIsHeard();
};

void TestLinkBringUp::firstHeartbeatIsHeard()
{
    QTemporaryDir dataDirectory;
    QVERIFY(dataDirectory.isValid());
    QVERIFY(QDir::setCurrent(dataDirectory.path()));

    EagerController controller;
    std::future<bool> answered = controller.start(s_port);
    // Runs first in the start-up's own event loop and keeps the GUI thread
    // there until the link thread has handled the heartbeat.
    bool answeredInStartUp = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
            answeredInStartUp =
                answered.wait_for(std::chrono::seconds(30)) == std::future_status::ready && answered.get();
        },
        Qt::QueuedConnection);

    SC_App app;
    app.Start();
    QVERIFY(answeredInStartUp);
    QTRY_VERIFY_WITH_TIMEOUT(SyncClient::instance()->isLinkUp(), 30000);
    QCOMPARE(int(SyncClient::instance()->linkStatus()), 2);
}

int main(int argc, char **argv)
{
    s_port = freePort();
    PortArguments arguments(argc, argv, s_port);
    QVemoApplication application(arguments.count(), arguments.values());
    TestLinkBringUp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_linkbringup.moc"
