#include "GeneratedSite.h"
#include "GuiBenchmarkMain.h"
#include "core/ChannelAddress.h"
#include "core/TeskGlobalConfig.h"
#include "listscreens/DevicesSelector.h"
#include "listscreens/PanelSelector.h"
#include "listscreens/PointsSelector.h"
#include "listscreens/ZoneSelector.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelRecord.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90048.h"

#include <QBitArray>
#include <QButtonGroup>
#include <QImage>
#include <QItemSelectionModel>
#include <QListView>
#include <QPainter>
#include <QWidget>

namespace {

// A site of 200,000 points: 25 panels of 32 loops with 250 points each, so
// that one panel holds 8,000 points in 200 zones, of 24 device types.
constexpr int Panels = 25;
constexpr int Loops = 32;
constexpr int PointsPerLoop = 250;
constexpr quint8 ListedPanel = 5;
constexpr int NotRespondingPage = 134;
constexpr int DeviceTypes = 24;
constexpr quint8 PanelZones = 200;
const ChannelAddress NetworkChannel(15, 0, 1);

void buildSite()
{
    GeneratedSite::build(
        {Panels, Loops, PointsPerLoop},
        [](int, int loop, int point) {
            return PointAddressKey(quint8(point), quint8((point + loop) % 200 + 1), quint8(point % DeviceTypes + 1),
                                   0x02, 0x01, 251);
        },
        [](int panel) {
            PanelRecord record;
            record.zoneLimit = 241;
            record.panelName1 = QStringLiteral("Panel %1").arg(panel);
            PanelConfiguration::instance()->setPanelRecord(quint8(panel), record);
        });
    PointDataMapsConfiguration::instance()->addMapPage(NotRespondingPage);
}

// The listed panel chosen on a screen, over every one of its zones.
void chooseEveryZoneOfTheListedPanel(FilterModel &filters)
{
    filters.selectedPanel = ListedPanel;
    for (quint8 zone = 1; zone <= PanelZones; ++zone)
        filters.zoneList.append(zone);
}

// The points of the listed panel's zones, as the points step lists them.
void choosePointsOfTheListedPanel(FilterModel &filters)
{
    chooseEveryZoneOfTheListedPanel(filters);
    filters.selectedZone = 1;
    filters.pointsKind = FilterModel::ZoneLoopPoints;
}

// The selector's list as a screen shows it.
AUK_90048 *shownEditor(FilterSelector &selector)
{
    auto *editor = qobject_cast<AUK_90048 *>(selector.filterEditor());
    editor->resize(314, 346);
    return editor;
}

// The list laid out and drawn once, as a screen's next paint does.
void draw(AUK_90048 *editor, QImage &image)
{
    editor->listView()->doItemsLayout();
    QPainter painter(&image);
    editor->render(&painter);
}

// The zone step of a screen opening on the panel: the list built from the
// panel's points and drawn once.
void BM_ZoneListOf8000PointPanel(benchmark::State &state)
{
    buildSite();
    QButtonGroup group;
    FilterModel filters(nullptr, false);
    filters.selectedPanel = ListedPanel;
    ZoneSelector zones(&filters, &group, nullptr);
    AUK_90048 *editor = shownEditor(zones);
    QImage image(editor->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        zones.reset(false);
        zones.updateModel();
        draw(editor, image);
    }
    state.counters["zones"] = filters.zonesModel.rowCount();
}
BENCHMARK(BM_ZoneListOf8000PointPanel)->Unit(benchmark::kMillisecond);

// The devices step of a screen on the panel over all its zones: the device
// types of its 8,000 points listed and drawn once.
void BM_DeviceListOf8000PointPanel(benchmark::State &state)
{
    buildSite();
    QButtonGroup group;
    FilterModel filters(nullptr, false);
    chooseEveryZoneOfTheListedPanel(filters);
    DevicesSelector devices(&filters, &group, nullptr);
    AUK_90048 *editor = shownEditor(devices);
    QImage image(editor->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        filters.devicesModel.clearModel();
        devices.activate();
        draw(editor, image);
    }
    state.counters["rows"] = filters.devicesModel.rowCount();
}
BENCHMARK(BM_DeviceListOf8000PointPanel)->Unit(benchmark::kMillisecond);

// The points step of a screen over every zone of the panel: its 8,000
// points listed, put into address order and drawn once.
void BM_PointListOf8000PointPanel(benchmark::State &state)
{
    buildSite();
    QButtonGroup group;
    FilterModel filters(nullptr, false);
    choosePointsOfTheListedPanel(filters);
    PointsSelector points(&filters, &group, nullptr);
    points.setSortingEnabled(true);
    AUK_90048 *editor = shownEditor(points);
    QImage image(editor->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        points.reset(false);
        points.updateModel();
        draw(editor, image);
    }
    state.counters["rows"] = filters.pointsModel.rowCount();
}
BENCHMARK(BM_PointListOf8000PointPanel)->Unit(benchmark::kMillisecond);

// The all row of that list chosen and the choice turned into the point list
// a disable command carries.
void BM_SelectAllPointsToIndividual(benchmark::State &state)
{
    buildSite();
    QButtonGroup group;
    FilterModel filters(nullptr, false);
    choosePointsOfTheListedPanel(filters);
    PointsSelector points(&filters, &group, nullptr);
    points.setSortingEnabled(true);
    AUK_90048 *editor = shownEditor(points);
    points.updateModel();
    QListView *list = editor->listView();
    const QModelIndex allRow = list->model()->index(0, 0);
    int converted = 0;
    for (auto _ : state) {
        list->selectionModel()->clearSelection();
        list->selectionModel()->select(allRow, QItemSelectionModel::Select);
        emit list->clicked(allRow);
        converted = points.selectedPointsIndividual().count();
    }
    state.counters["points"] = converted;
}
BENCHMARK(BM_SelectAllPointsToIndividual)->Unit(benchmark::kMillisecond);

// A panel stops or starts answering: the panel list follows the map.
void BM_NotRespondingMapUpdate(benchmark::State &state)
{
    buildSite();
    QButtonGroup group;
    FilterModel filters(nullptr, false);
    PanelSelector panels(&filters, &group, nullptr);
    panels.filterEditor();
    panels.selectPanel(ListedPanel);
    QBitArray silent(256);
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    for (auto _ : state) {
        silent.toggleBit(7);
        maps->setChannelPoints(NotRespondingPage, 1, NetworkChannel, silent);
        maps->notifyMapUpdated(NotRespondingPage);
    }
    state.counters["panels"] = filters.panelsModel.rowCount();
}
BENCHMARK(BM_NotRespondingMapUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
