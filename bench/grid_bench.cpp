// The log grid must cost the same per new row at ten million rows as at one.
#include "LogGrid.h"
#include "log/ReadingLogTable.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace qx740;

namespace {

void BM_GridAppendAndPaintAtSize(benchmark::State& state)
{
    ReadingLogTable table;
    LogRow row{1,
               QStringLiteral("12:34:56"),
               QStringLiteral("12.34"),
               QStringLiteral("m|s"),
               QStringLiteral("25.4"),
               QStringLiteral("#")};
    for (int i = 0; i < state.range(0); ++i)
        table.append(row);
    LogGrid grid;
    grid.resize(398, 220);
    grid.setModel(&table);
    grid.show();
    QApplication::processEvents();
    for (auto _ : state) {
        table.append(row);
        grid.repaint();
    }
    state.counters["rows_before"] = double(state.range(0));
}
BENCHMARK(BM_GridAppendAndPaintAtSize)->Arg(1)->Arg(1'000'000)->Arg(10'000'000)->Iterations(500);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
