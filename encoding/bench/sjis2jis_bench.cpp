// Throughput of the Shift-JIS stream converter on a mixed Japanese body, character by
// character (path 0) and in blocks (path 3).
#include <benchmark/benchmark.h>

#include <string>

#include "common/ByteStream.h"
#include "encoding/ShiftJis.h"

namespace {

std::string Body(std::size_t size) {
    const std::string line = "Subject line \x82\xA0\x82\xA2\x88\x9F\xB6\xDE\xCA\xDF abc \x93\xFA\x96\x7B\r\n";
    std::string body;
    while (body.size() < size) body += line;
    return body;
}

void BM_SjisToJisStream(benchmark::State& state) {
    const std::string body = Body(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        velmar::MemorySource in(body);
        velmar::StringSink out;
        out.text.reserve(body.size() * 2);
        benchmark::DoNotOptimize(
            velmar::SjisToJisStream(in, out, {}, velmar::UsableSimdLevel(static_cast<velmar::SimdLevel>(state.range(1)))));
        benchmark::DoNotOptimize(out.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(body.size()));
}
BENCHMARK(BM_SjisToJisStream)->Args({4 << 10, 0})->Args({1 << 20, 0})->Args({4 << 10, 3})->Args({1 << 20, 3});

}  // namespace

BENCHMARK_MAIN();
