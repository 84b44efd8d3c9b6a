// Frame assembly runs per received byte: no allocation, bounded work per byte.
#include "Frames.h"
#include "link/FrameAssemblers.h"

#include <benchmark/benchmark.h>

using namespace qx740;

namespace {

// Bytes that never end a frame: the accumulation must stay bounded and cheap.
void BM_Assemble415WithoutEndingBytes(benchmark::State& state)
{
    H415Assembler a;
    std::string lcdHex;
    const std::vector<unsigned char> noise(4096, 0x55);
    for (auto _ : state)
        a.receive(noise.data(), noise.size(), lcdHex, [] {});
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(noise.size()));
}
BENCHMARK(BM_Assemble415WithoutEndingBytes);

void BM_Assemble415Frames(benchmark::State& state)
{
    H415Assembler a;
    std::string lcdHex;
    QByteArray stream;
    for (int i = 0; i < 100; ++i)
        stream += test::readingFrame(" 123", 2, "25");
    int frames = 0;
    for (auto _ : state)
        a.receive(reinterpret_cast<const unsigned char*>(stream.constData()),
                  std::size_t(stream.size()), lcdHex, [&] { ++frames; });
    benchmark::DoNotOptimize(frames);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * stream.size());
}
BENCHMARK(BM_Assemble415Frames);

void BM_Assemble411WithoutEndingBytes(benchmark::State& state)
{
    CComm1Assembler a;
    std::string lcdHex;
    const std::vector<unsigned char> noise(4096, 0x55);
    for (auto _ : state)
        a.receive(noise.data(), noise.size(), lcdHex, [] {});
    state.counters["accumulated_chars"] = double(lcdHex.size());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(noise.size()));
}
BENCHMARK(BM_Assemble411WithoutEndingBytes);

} // namespace
