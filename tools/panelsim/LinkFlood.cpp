#include "LinkFlood.h"

#include "CommandInterpreter.h"
#include "ControllerLink.h"
#include "LinkFrameStream.h"

namespace {

constexpr qint64 QueuedBytes = 64 * 1024;

} // namespace

LinkFlood::LinkFlood(ControllerLink &link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
    connect(&m_link, &ControllerLink::bytesWritten, this, &LinkFlood::writeMore);
}

void LinkFlood::registerCommands(CommandInterpreter &interpreter)
{
    interpreter.addCommand(QStringLiteral("flood"), QStringLiteral("<count> <channel> [body hex]"),
                           QStringLiteral("the frame count times, as fast as the engine takes them"), 2,
                           [this](const QStringList &arguments) { start(arguments); });
}

void LinkFlood::start(const QStringList &arguments)
{
    bool countOk = false;
    bool channelOk = false;
    const int count = arguments.at(0).toInt(&countOk, 0);
    const int channel = arguments.at(1).toInt(&channelOk, 0);
    if (!countOk || !channelOk || count < 0 || channel < 0 || channel > 255) {
        emit reported(QStringLiteral("flood bad arguments"));
        return;
    }
    m_frame =
        LinkFrameStream::encode(quint8(channel), QByteArray::fromHex(arguments.mid(2).join(QString()).toLatin1()));
    m_left = count;
    m_total = count;
    writeMore();
}

void LinkFlood::writeMore()
{
    if (m_total == 0)
        return;
    while (m_left > 0 && m_link.isConnected() && m_link.queuedBytes() < QueuedBytes) {
        m_link.sendRaw(m_frame);
        --m_left;
    }
    if (m_left == 0 && m_link.queuedBytes() == 0) {
        emit reported(QStringLiteral("flood done %1").arg(m_total));
        m_total = 0;
    }
}
