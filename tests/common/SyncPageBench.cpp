#include "SyncPageBench.h"

#include "PacketBytes.h"
#include "SentPackets.h"
#include "core/BucketMaster.h"
#include "link/SyncClient.h"
#include "paneldata/SC_PageHandlerTable.h"

SyncPageBench::SyncPageBench()
{
    SyncClient *client = SyncClient::instance();
    client->feedStateStore(BucketMaster::instance());
    SC_PageHandlerTable::registerWith(client);
    m_sent = std::make_unique<QSignalSpy>(client, &SyncClient::SendPacket);
}

SyncPageBench::~SyncPageBench()
{
    m_sent.reset();
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
}

void SyncPageBench::receive(const QByteArray &packet)
{
    SyncClient::instance()->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, packet});
}

int SyncPageBench::receivePart(int page, int panel, int part, const QByteArray &body, int layout, quint32 signature)
{
    const QByteArray packet = syncPagePart(quint8(page), quint8(panel), quint8(part), signature, body);
    receive(layout == 1 ? inLayout1(packet) : packet);
    const QByteArrayList sent = takeSent();
    return sent.isEmpty() ? -1 : quint8(sent.last().back());
}

QByteArrayList SyncPageBench::takeSent()
{
    const QByteArrayList sent = lkSpeakSent(*m_sent);
    m_sent->clear();
    return sent;
}

QString SyncPageBench::value(int bucket, const QString &key) const
{
    return BucketMaster::instance()->getValue(bucket, key);
}

QStringList SyncPageBench::bucket(int bucket) const
{
    QStringList entries;
    QMapIterator<QByteArray, QByteArray> it = BucketMaster::instance()->bucketMap(bucket);
    while (it.hasNext()) {
        it.next();
        entries << QString::fromUtf8(it.key() + '=' + it.value());
    }
    return entries;
}
