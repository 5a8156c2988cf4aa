#include "SiteConfiguration.h"

#include "ConfigurationPages.h"

#include <QStringList>

namespace {

constexpr int Zones = 20;
constexpr quint8 LoopKind = 12;
// The engine's virtual inputs on input point channel 5, bus address 15:
// group 1 the operator's actions 1 to 16, group 0 the panel's own keys,
// switches and sockets (40 to 49). A channel's points are consecutive.
constexpr quint8 VirtualInputKind = 5;
constexpr quint8 OperatorActions = 1;
constexpr quint8 PanelKeys = 0;
constexpr quint8 VirtualInputAddress = 15;
constexpr quint8 VirtualInputDevice = 200;
// The panel's custom tasks: task points 1 to 4 of channel number 4 of kind
// 0, address 0, which the operator switches by forcing them.
constexpr quint8 TaskKind = 0;
constexpr quint8 TaskChannelNumber = 4;
constexpr quint8 Tasks = 4;
// Panel seconds of 2024-03-01.
constexpr quint32 ProjectDay = 1025481600;

struct DeviceKind
{
    quint8 deviceType;
    quint16 functionFlags;
    quint8 attributes;
};

// Detectors, call points, sounders and an input module, in turn.
constexpr DeviceKind DeviceKinds[] = {
    {1, 0x0001, 0x03}, {2, 0x0001, 0x03},  {1, 0x0001, 0x03}, {3, 0x0002, 0x03},
    {1, 0x0001, 0x03}, {10, 0x0008, 0x05}, {2, 0x0001, 0x03}, {20, 0x0004, 0x03},
};

SiteChannel loop(quint8 panel, quint8 number, int points)
{
    SiteChannel channel;
    channel.kind = LoopKind;
    channel.address = number;
    for (int p = 1; p <= points; ++p) {
        const DeviceKind &device = DeviceKinds[(p + number) % std::size(DeviceKinds)];
        SitePoint point;
        point.point = quint8(p);
        point.deviceType = device.deviceType;
        point.functionFlags = device.functionFlags;
        point.attributes = device.attributes;
        // Zones follow the loop round the building.
        point.zone = quint8(1 + ((panel * 7 + number * 5 + (p - 1) / 10) % Zones));
        point.logicalNumber = quint8(p);
        channel.points.append(point);
    }
    return channel;
}

SiteChannel virtualInputs(quint8 group, const QVector<quint8> &inputs)
{
    SiteChannel channel;
    channel.kind = VirtualInputKind;
    channel.number = group;
    channel.address = VirtualInputAddress;
    for (const quint8 input : inputs)
        channel.points.append(SitePoint{input, VirtualInputDevice, 0, 0x0000, 0x02, input});
    return channel;
}

SitePanel panel(quint8 number, const QString &name, const QVector<int> &loopPoints)
{
    SitePanel site;
    site.number = number;
    site.name1 = name;
    site.name2 = name + QStringLiteral(" (2)");
    site.projectName = QStringLiteral("Harbour Point");
    site.projectIssue = 4;
    site.projectCreated = ProjectDay;
    site.projectDownloaded = ProjectDay + 86400;
    site.investigateDelay = 180;
    site.equipment.append(SiteEquipment{0, 0, 1, 2, {SiteVersion{0, 3, 6, 12, ProjectDay}}});
    site.equipment.append(SiteEquipment{0, 0, 3, 0, {SiteVersion{0, 1, 4, 0, ProjectDay}}});
    for (int i = 0; i < loopPoints.size(); ++i) {
        const quint8 loopNumber = quint8(i + 1);
        site.channels.append(loop(number, loopNumber, loopPoints.at(i)));
        // One card drives two loops; the first pair runs as one loop pair.
        const quint8 card = quint8(i / 2 + 1);
        const quint8 pairing = number == 1 && i < 2 ? quint8(i + 1) : quint8(0);
        site.loopDrivers.append(SiteLoopDriver{loopNumber, card, pairing, 3});
        if (i % 2 == 0)
            site.equipment.append(SiteEquipment{LoopKind, card, 4, 0, {SiteVersion{0, 2, 1, 0, ProjectDay}}});
    }
    return site;
}

SiteChannel customTasks()
{
    SiteChannel channel;
    channel.kind = TaskKind;
    channel.number = TaskChannelNumber;
    channel.address = 0;
    for (quint8 task = 1; task <= Tasks; ++task)
        channel.points.append(SitePoint{task, VirtualInputDevice, 0, 0x0000, 0x02, task});
    return channel;
}

void addVirtualInputs(SiteConfiguration &site, quint8 localPanel)
{
    for (SitePanel &p : site.panels) {
        if (p.number == localPanel)
            p.channels << virtualInputs(OperatorActions, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})
                       << virtualInputs(PanelKeys, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49}) << customTasks();
    }
}

} // namespace

QVector<quint8> SitePanel::loops() const
{
    QVector<quint8> numbers;
    for (const SiteChannel &channel : channels) {
        if (channel.kind == LoopKind && channel.number == 0)
            numbers.append(channel.address);
    }
    return numbers;
}

bool SiteChannel::isTaskChannel() const
{
    return kind == TaskKind && number == TaskChannelNumber && address == 0;
}

QPair<quint8, quint8> SiteChannel::bytes(int layout) const
{
    const auto channel = ConfigurationPages::channelBytes(kind, address, layout);
    return {quint8(number << 4 | (channel.first & 0x0F)), channel.second};
}

const SitePoint *SiteChannel::findPoint(quint8 number) const
{
    for (const SitePoint &each : points) {
        if (each.point == number)
            return &each;
    }
    return nullptr;
}

const SiteChannel *SitePanel::findChannel(quint8 byte0, quint8 byte1, int layout) const
{
    for (const SiteChannel &each : channels) {
        if (each.bytes(layout) == qMakePair(byte0, byte1))
            return &each;
    }
    return nullptr;
}

const SitePanel *SiteConfiguration::findPanel(quint8 number) const
{
    for (const SitePanel &each : panels) {
        if (each.number == number)
            return &each;
    }
    return nullptr;
}

SiteConfiguration SiteConfiguration::demo(quint8 localPanel)
{
    SiteConfiguration site;
    site.panels.append(panel(1, QStringLiteral("Main entrance"), {120, 96, 64, 30}));
    site.panels.append(panel(2, QStringLiteral("East wing"), {110, 45}));
    site.panels.append(panel(3, QStringLiteral("Car park"), {80, 72, 36}));
    site.panels[0].printers = {SitePrinter{1, QStringLiteral("Reception desk")},
                               SitePrinter{2, QStringLiteral("Fire control room")}};
    site.panels[2].printers = {SitePrinter{1, QStringLiteral("Gatehouse")}};
    addVirtualInputs(site, localPanel);
    return site;
}

SiteConfiguration SiteConfiguration::generated(const SiteSize &size, quint8 localPanel)
{
    SiteConfiguration site;
    site.panels.reserve(size.panels);
    for (int number = 0; number < size.panels; ++number)
        site.panels.append(
            panel(quint8(number), QStringLiteral("Panel %1").arg(number), QVector<int>(size.loops, size.points)));
    addVirtualInputs(site, localPanel);
    return site;
}

std::optional<SiteSize> SiteSize::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 3)
        return std::nullopt;
    SiteSize size;
    int *const fields[] = {&size.panels, &size.loops, &size.points};
    const int limits[] = {MaxPanels, MaxLoops, MaxPoints};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        *fields[i] = parts.at(i).toInt(&ok);
        if (!ok || *fields[i] < 1 || *fields[i] > limits[i])
            return std::nullopt;
    }
    return size;
}
