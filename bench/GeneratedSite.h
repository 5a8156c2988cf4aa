#pragma once

#include "core/ChannelAddress.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PointCoreConfiguration.h"

// The generated sites the benchmarks walk: panels of loop channels full of
// points, each point described by the benchmark's own record function.
namespace GeneratedSite {

struct Shape
{
    int panels;
    int loops;
    int pointsPerLoop;
};

// Fills the point configuration with the shape's loop points, once per
// process, as seen by a networked engine (the walks cover panels 1 to 99
// only then). pointRecord(panel, loop, point) describes each point;
// preparePanel(panel), when given, runs before a panel's points are added.
template <typename PointRecord, typename PreparePanel>
void build(const Shape &shape, PointRecord pointRecord, PreparePanel preparePanel)
{
    static bool built = false;
    if (built)
        return;
    built = true;
    TeskGlobalConfig::instance()->setPanelNumber(1);
    PointCoreConfiguration *configuration = PointCoreConfiguration::instance();
    configuration->clearPanel(255);
    for (int panel = 0; panel < shape.panels; ++panel) {
        preparePanel(panel);
        for (int loop = 1; loop <= shape.loops; ++loop) {
            const ChannelAddress channel(12, quint8(loop), 0);
            configuration->addChannel(quint8(panel), channel, shape.pointsPerLoop);
            for (int point = 1; point <= shape.pointsPerLoop; ++point)
                configuration->addPoint(quint8(panel), channel, pointRecord(panel, loop, point));
        }
    }
}

template <typename PointRecord> void build(const Shape &shape, PointRecord pointRecord)
{
    build(shape, pointRecord, [](int) {});
}

} // namespace GeneratedSite
