#include "QuietBenchmarkMain.h"
#include "paneldata/PointIndividualAddress.h"
#include "pointmodels/PointListsByPanel.h"

#include <QAbstractListModel>
#include <QVector>

#include <benchmark/benchmark.h>

namespace {

// The rows of a network-wide list of 200,000 points on 99 panels, as the
// disable selection walks them for "all": panel and point address of each
// row, the panels interleaved as an event list mixes them.
constexpr int Rows = 200000;
constexpr int Panels = 99;

class NetworkList final : public QAbstractListModel
{
public:
    NetworkList()
    {
        m_points.reserve(Rows);
        for (int row = 0; row < Rows; ++row)
            m_points.append(PointIndividualAddress(12, quint8(row / 253 % 8 + 1), 0, quint8(row % 253 + 1)));
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_points.size();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        switch (role) {
        case PointListsByPanel::PanelRole:
            return uint(index.row() % Panels + 1);
        case PointListsByPanel::PointRole:
            return QVariant::fromValue(m_points.at(index.row()));
        default:
            return QVariant();
        }
    }

private:
    QVector<PointIndividualAddress> m_points;
};

void BM_AllRowsIntoPanelLists(benchmark::State &state)
{
    const NetworkList list;
    for (auto _ : state) {
        PointListsByPanel lists;
        lists.addRows(list);
        benchmark::DoNotOptimize(lists.lists().size());
        if (lists.pointCount() != Rows)
            state.SkipWithError("rows lost");
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_AllRowsIntoPanelLists)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQuietBenchmarks(argc, argv);
}
