#pragma once

#include "core/SC_Singleton.h"
#include "paneldata/ModifiedPointEntry.h"
#include "paneldata/ModifiedPointRecord.h"
#include "paneldata/PointSettingsRecord.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>

// The loop point changes an engineer has made and not yet saved to the
// controller, in three views: the latest record of each address (what the
// point lists merge into what they show), the panels with changes, and the
// upload list of settings in the order the changes were made (what the
// manual point update sends). Thrown away when the link goes down, a fire
// starts, the key switch goes off or the user is logged out.
class CachedModifiedPoints final
    : public QObject
    , public SC_Singleton<CachedModifiedPoints>
{
    Q_OBJECT

public:
    enum Modification : int { MultiAddressChange = 0, SingleChange = 1, Deletion = 2 };
    // The most addresses one change or deletion covers.
    static constexpr int MaximumAddresses = 255;

    static void cacheModification(int kind, const PointSettingsRecord &record);
    static void cacheMultiAddressChange(const PointSettingsRecord &record);
    static void cacheSingleChange(const PointSettingsRecord &record);
    static void cacheDeletion(quint8 panel, quint8 loop, quint8 point);

    // The packed point holds the panel in bits 0-7, the loop in 8-15 and the
    // point in 16-23.
    static bool findPoint(quint32 packedPoint, ModifiedPointRecord &record);
    static bool isPointDeleted(quint8 panel, quint8 loop, quint8 point);
    static bool pendingLogicalPoint(quint8 panel, quint8 loop, quint8 point, quint8 &logicalPoint);
    // The points (or their logical numbers) of a loop's records of a kind;
    // returns how many records matched.
    static int deletedPoints(quint8 panel, quint8 loop, QSet<quint8> &points, bool useLogical);
    static int modifiedPoints(quint8 panel, quint8 loop, QSet<quint8> &points, bool useLogical);
    static int presentPoints(quint8 panel, quint8 loop, QSet<quint8> &points, bool useLogical);
    static QList<quint8> modifiedPanels();
    static bool hasPoints();

    static QList<ModifiedPointEntry> uploadListSnapshot();
    static void refreshUploadListSnapshot(QList<ModifiedPointEntry> &snapshot);
    // Takes the panel's first entry out of the snapshot; true while the
    // snapshot still holds entries of that panel.
    static bool takeNextEntryForPanel(QList<ModifiedPointEntry> &snapshot, quint8 &panel, quint8 &loop, quint8 &point,
                                      QVector<ModifiedPointSetting> &settings);

public slots:
    void clearCachedList();

signals:
    // After every change, with the number of addresses cached.
    void PointsUpdated(int count);

private:
    friend class SC_Singleton<CachedModifiedPoints>;

    CachedModifiedPoints();

    // Consecutive addresses of one change, sent as one entry.
    struct Batch
    {
        quint8 panel;
        quint8 loop;
        QList<QPair<quint8, ModifiedPointRecord>> records;
    };

    void store(quint8 panel, quint8 loop, quint8 point, const ModifiedPointRecord &record);
    void flush(Batch &batch);
    void appendSingle(quint8 panel, quint8 loop, quint8 point, const ModifiedPointRecord &record);
    void deleteCached(quint8 panel, quint8 loop, quint8 point, const ModifiedPointRecord &record);
    void deleteDevice(quint8 panel, quint8 loop, quint8 head, int addresses, const ModifiedPointRecord &record);
    void deleteFromConfiguration(quint8 panel, quint8 loop, quint8 point);
    const ModifiedPointRecord *cached(quint8 panel, quint8 loop, quint8 point) const;
    int collect(quint8 panel, quint8 loop, QSet<quint8> &points, bool useLogical,
                bool (*matches)(const ModifiedPointRecord &record)) const;
    void announce();

    QMap<quint32, ModifiedPointRecord> m_points;
    // Ascending, so panels upload in a steady order.
    QMap<quint8, bool> m_panels;
    QList<ModifiedPointEntry> m_uploadList;
};
