#pragma once

#include <QByteArrayList>
#include <QSignalSpy>
#include <QString>

#include <initializer_list>
#include <memory>

// A flag text as the state store keeps it: one '0' or '1' per item, the
// given items '1'.
inline QString flagText(std::initializer_list<int> set, int size)
{
    QString text(size, QLatin1Char('0'));
    for (int i : set)
        text[i] = QLatin1Char('1');
    return text;
}

// Bucket entries ("key=value") in text order, to compare a bucket with a
// list whatever its key order.
inline QStringList sortedEntries(QStringList entries)
{
    entries.sort();
    return entries;
}

// The protocol client with the state store attached and every page handler
// registered, as the start-up leaves them; received packets go in, the
// packets the engine sends come out. The singletons go with it.
class SyncPageBench final
{
public:
    SyncPageBench();
    ~SyncPageBench();
    SyncPageBench(const SyncPageBench &) = delete;
    SyncPageBench &operator=(const SyncPageBench &) = delete;

    void receive(const QByteArray &packet);
    // One part of a page, acknowledgement asked; what the engine answered:
    // 0 stored, 1 refused, 2 no handler, -1 nothing.
    int receivePart(int page, int panel, int part, const QByteArray &body, int layout = 0,
                    quint32 signature = 0x11223344);
    // The LkSpeak packets sent since the last call.
    QByteArrayList takeSent();
    QString value(int bucket, const QString &key) const;
    // Every key of the bucket, as key=value, in key order.
    QStringList bucket(int bucket) const;

private:
    std::unique_ptr<QSignalSpy> m_sent;
};
