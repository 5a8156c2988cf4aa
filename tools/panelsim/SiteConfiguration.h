#pragma once

#include <QMap>
#include <QPair>
#include <QString>
#include <QVector>

#include <optional>
#include <utility>

// The configuration of the emulated panel network, as the controller
// replicates it to the engine: panels with their project, loops and other
// channels with their points, loop cards and software versions.
struct SitePoint
{
    // Attribute bits: the point is an input, an output (or both).
    static constexpr quint8 InputAttribute = 0x02;
    static constexpr quint8 OutputAttribute = 0x04;

    quint8 point = 0;
    quint8 deviceType = 0;
    quint8 zone = 0;
    quint16 functionFlags = 0;
    quint8 attributes = 0;
    quint8 logicalNumber = 0;
    // What the engine's commands made of the point: the force action on its
    // input and on its output (0: not forced), and its disablement.
    quint8 inputForce = 0;
    quint8 outputForce = 0;
    bool disabled = false;
};

struct SiteChannel
{
    quint8 kind = 12;
    quint8 number = 0;
    // The loop number on loops.
    quint8 address = 0;
    QVector<SitePoint> points;

    // The two channel bytes packets carry in the header layout: kind nibble
    // and number in byte 0, then the (numerical) address.
    QPair<quint8, quint8> bytes(int layout) const;
    const SitePoint *findPoint(quint8 number) const;
    SitePoint *findPoint(quint8 number) { return const_cast<SitePoint *>(std::as_const(*this).findPoint(number)); }
    // The panel's custom tasks, forced on and off by the operator.
    bool isTaskChannel() const;
};

struct SiteLoopDriver
{
    quint8 loop = 0;
    quint8 cardAddress = 0;
    quint8 pairing = 0;
    quint8 driverType = 0;
};

struct SiteVersion
{
    quint8 versionKind = 0;
    quint8 major = 0;
    quint8 minor = 0;
    quint8 build = 0;
    quint32 buildTime = 0;
};

struct SiteEquipment
{
    quint8 firstAddressByte = 0;
    quint8 secondAddressByte = 0;
    quint8 kind = 0;
    quint8 subKind = 0;
    QVector<SiteVersion> versions;
};

// A printer of a panel, which reports can be sent to.
struct SitePrinter
{
    quint8 number = 0;
    QString name;
};

struct SitePanel
{
    quint8 number = 0;
    QString name1;
    QString name2;
    QString projectName;
    quint16 projectIssue = 1;
    quint32 projectCreated = 0;
    quint32 projectDownloaded = 0;
    quint8 zoneLimit = 241;
    quint16 investigateDelay = 0;
    // Seconds the panel's non-LED outputs still stay isolated (page 27).
    quint16 outputsReEnableTime = 0;
    QVector<SiteChannel> channels;
    QVector<SiteLoopDriver> loopDrivers;
    QVector<SiteEquipment> equipment;
    QVector<SitePrinter> printers;

    QVector<quint8> loops() const;
    // Null when the panel has no channel of those bytes.
    const SiteChannel *findChannel(quint8 byte0, quint8 byte1, int layout) const;
    SiteChannel *findChannel(quint8 byte0, quint8 byte1, int layout)
    {
        return const_cast<SiteChannel *>(std::as_const(*this).findChannel(byte0, byte1, layout));
    }
};

// The dimensions of a generated site, as "<panels>x<loops>x<points>" on
// the command line.
struct SiteSize
{
    static constexpr int MaxPanels = 100;
    static constexpr int MaxLoops = 16;
    static constexpr int MaxPoints = 255;

    int panels = 0;
    int loops = 0;
    int points = 0;

    // Empty for text that is not three numbers in their ranges.
    static std::optional<SiteSize> parse(const QString &text);
};

struct SiteConfiguration
{
    QVector<SitePanel> panels;
    // Panels whose network state is not that of a configured panel (1), by
    // number: 2 is a panel whose texts the engine asks for one by one.
    QMap<quint8, quint8> networkStates;

    const SitePanel *findPanel(quint8 number) const;
    SitePanel *findPanel(quint8 number) { return const_cast<SitePanel *>(std::as_const(*this).findPanel(number)); }

    // 3 panels of 2 to 4 loops, 30 to 120 points a loop, 20 zones; the
    // engine's own panel also has its virtual inputs. Panel 1 has two
    // printers, panel 3 one.
    static SiteConfiguration demo(quint8 localPanel);
    // A site of any size for load runs: panels 0 to panels-1, each with the
    // same number of loops and points a loop; the engine's own panel also
    // has its virtual inputs.
    static SiteConfiguration generated(const SiteSize &size, quint8 localPanel);
};
