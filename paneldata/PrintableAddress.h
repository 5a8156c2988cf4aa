#pragma once

#include "core/SC_Singleton.h"
#include "link/SimplePointInfo.h"
#include "paneldata/PointAddressBuilderLK6.h"
#include "paneldata/ZoneTextCache.h"

#include <QObject>

// Prints a point as one short text: a zone part (zone or logical zone
// number, for a point of another panel also the panel and its role) and a
// point part (the channel-and-point text). Which parts a point gets
// depends on its channel, zone and point; the parts of the points printed
// last are cached.
class PrintableAddress final
    : public QObject
    , public SC_Singleton<PrintableAddress>
{
    Q_OBJECT

public:
    ~PrintableAddress() override;

    // The bits of the part flags.
    enum Parts : int {
        PointPart = 1,
        ZonePart = 2,
        NotPrintable = 4,
        KeepZonePart = 8,
        HighZoneNumbers = 16,
        LoopOnly = 32,
    };
    // Requests for logical addressing and logical zones.
    enum LogicalRequest : int { FollowSetting = 0, On = 2 };
    static constexpr quint8 LookUpZone = 255;

    // A typical call passes the point's zone, false, 0, 0, false, 251,
    // false, false, -1 and false. A zone of 255 and a negative logical zone
    // number are looked up.
    QString addressText(quint8 &panel, quint8 &channelKind, quint8 &channelNumber, quint8 &channelAddress,
                        quint8 &point, quint8 zone, bool pointOnly, int logicalAddressing, int logicalZones,
                        bool suppressLogicalAddressing, quint8 logicalPointNumber, bool zoneOnly, bool noCache,
                        int logicalZoneNumber, bool suppressLogicalZones);
    int addressParts(const SimplePointInfo &point, quint8 zone, bool pointOnly) const;

    // 1: the short forms with "/" separators; 0 and 2: the standard forms.
    void setAddressFormat(int mode);
    // Non-zero: '-' separates the loop from the point; 0: nothing does.
    void setLoopFormat(int loopDisplayFormat);
    void setLogicalModes(bool logicalAddressing, bool logicalZones);
    void clearZoneTextCache();

    // "NN name" and "NNN name" (NNNNN with logical zones) in the current
    // language.
    QString panelNumberAndName(quint8 panel) const;
    QString zoneNumberAndName(quint8 panel, quint8 zone) const;

    int addressFormat() const { return m_displayMode; }
    QChar loopSeparator() const { return m_builder.separatorLetter(); }
    bool logicalAddressing() const { return m_logicalAddressing; }
    bool logicalZones() const { return m_logicalZones; }
    bool isNumericLoopMode() const { return m_numericLoopMode; }
    int cachedPoints() const { return m_cache.size(); }

public slots:
    void updateConfigSettings();
    void updateStatuses();

private:
    friend class SC_Singleton<PrintableAddress>;

    PrintableAddress();

    QString roleMarker(quint8 panel) const;
    QString noZoneMark() const;
    // The zone part; may clear part flags.
    QString panelZonePart(const SimplePointInfo &point, quint8 zone, int &parts, int logicalZone,
                          bool logicalZones) const;
    QString otherPanelZonePart(const SimplePointInfo &point, quint8 zone, int &parts, int logicalZone,
                               bool logicalZones, QString &role) const;
    int logicalZoneOf(const SimplePointInfo &point, quint8 zone, int logicalZoneNumber) const;

    bool m_logicalZones = false;
    bool m_logicalAddressing = false;
    int m_displayMode = 0;
    bool m_numericLoopMode = false;
    PointAddressBuilderLK6 m_builder;
    ZoneTextCache m_cache;
};
