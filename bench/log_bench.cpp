// The log must hold ten million rows compactly, and appending must cost the same at any size.
#include "Frames.h"
#include "log/ReadingLogTable.h"
#include "session/MeterSession.h"

#include <benchmark/benchmark.h>

using namespace qx740;

namespace {

LogRow sampleRow(int no)
{
    return {no,
            QStringLiteral("12:34:56"),
            QStringLiteral("12.34"),
            QStringLiteral("m|s"),
            QStringLiteral("25.4"),
            QStringLiteral("#")};
}

// Bytes per row with ten million rows, against a budget of 64.
void BM_LogTenMillionRowsMemory(benchmark::State& state)
{
    for (auto _ : state) {
        ReadingLogTable table;
        for (int i = 1; i <= 10'000'000; ++i)
            table.append(sampleRow(i));
        state.counters["bytes_per_row"] = double(table.store().bytesUsed()) / double(table.size());
        state.counters["budget_bytes_per_row"] = 64;
    }
}
BENCHMARK(BM_LogTenMillionRowsMemory)->Iterations(1)->Unit(benchmark::kSecond);

// Cost of one append after `range(0)` rows are already stored: flat across sizes.
void BM_LogAppendAtSize(benchmark::State& state)
{
    ReadingLogTable table;
    for (int i = 0; i < state.range(0); ++i)
        table.append(sampleRow(i));
    int no = int(state.range(0));
    for (auto _ : state)
        table.append(sampleRow(++no));
    state.counters["rows_before"] = double(state.range(0));
}
BENCHMARK(BM_LogAppendAtSize)->Arg(1)->Arg(1'000'000)->Arg(10'000'000)->Iterations(200000);

// A whole decoded frame through the session (assemble, decode, judge, log) at a log size.
void BM_FrameToLogAtSize(benchmark::State& state)
{
    ManualClock clock;
    MeterSession session(ModelFlags::thisBuild(), QStringLiteral("."), clock);
    session.policy().setMaxRecords(std::numeric_limits<int>::max());
    const QByteArray frame = test::readingFrame(" 123", 2, "25");
    for (int i = 0; i < state.range(0); ++i)
        session.log().append(sampleRow(i));
    for (auto _ : state)
        session.receive(frame.constData(), frame.size());
    state.counters["rows_before"] = double(state.range(0));
}
BENCHMARK(BM_FrameToLogAtSize)->Arg(1)->Arg(10'000'000)->Iterations(100000);

} // namespace
