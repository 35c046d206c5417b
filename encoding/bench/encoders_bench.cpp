// Throughput of the body and attachment encoders (quoted-printable, base64, uuencode) on
// 1 MiB and 64 MiB inputs, on the byte-by-byte path and the best vector path. The input is
// generated as it is read and the output only counted, so memory stays flat whatever the size.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "common/ByteStream.h"
#include "encoding/Base64.h"
#include "encoding/QuotedPrintable.h"
#include "encoding/Uuencode.h"

namespace {

// `size` bytes made of `pattern` repeated.
class RepeatSource final : public velmar::ByteSource {
public:
    RepeatSource(std::string_view pattern, std::size_t size) : pattern_(pattern), left_(size) {}
    std::size_t Read(char* out, std::size_t capacity) override {
        std::size_t n = 0;
        while (n < capacity && left_ > 0) {
            std::size_t take = pattern_.size() - pos_;
            if (take > capacity - n) take = capacity - n;
            if (take > left_) take = left_;
            std::memcpy(out + n, pattern_.data() + pos_, take);
            n += take;
            left_ -= take;
            pos_ = (pos_ + take) % pattern_.size();
        }
        return n;
    }

private:
    std::string_view pattern_;
    std::size_t left_;
    std::size_t pos_ = 0;
};

class CountingSink final : public velmar::ByteSink {
public:
    [[nodiscard]] bool Write(const char*, std::size_t length) override {
        bytes += length;
        return true;
    }
    std::size_t bytes = 0;
};

// A European-language body: mostly ASCII, some 8-bit letters, "=" and long lines.
constexpr std::string_view kBody =
    "Sehr geehrte Damen und Herren, anbei die \xDC" "bersicht f\xFCr M\xE4rz (Kosten = 1.250 \x80).\r\n"
    "From the office: bitte pr\xFC" "fen Sie die Angaben bis Freitag und melden Sie sich bei Fragen gerne jederzeit.\r\n"
    "\r\n";

std::string BinaryPattern() {
    std::string bytes;
    for (int i = 0; i < 4093; ++i) bytes += static_cast<char>((i * 131 + 7) & 0xFF);
    return bytes;
}

using Stream = bool (*)(velmar::ByteSource&, velmar::ByteSink&, const std::function<void()>&, velmar::SimdLevel);

void Run(benchmark::State& state, Stream stream, std::string_view pattern) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const velmar::SimdLevel level = velmar::UsableSimdLevel(static_cast<velmar::SimdLevel>(state.range(1)));
    for (auto _ : state) {
        RepeatSource in(pattern, size);
        CountingSink out;
        benchmark::DoNotOptimize(stream(in, out, {}, level));
        benchmark::DoNotOptimize(out.bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(size));
}

void BM_QpEncodeStream(benchmark::State& state) { Run(state, velmar::QpEncodeStream, kBody); }
void BM_Base64EncodeStream(benchmark::State& state) {
    static const std::string pattern = BinaryPattern();
    Run(state, velmar::Base64EncodeStream, pattern);
}
void BM_UuencodeStream(benchmark::State& state) {
    static const std::string pattern = BinaryPattern();
    Run(state, velmar::UuencodeStream, pattern);
}

// Arguments: input size, then the path (0 byte by byte, 3 the best vector path there is).
void Sizes(benchmark::internal::Benchmark* b) {
    for (int level : {static_cast<int>(velmar::SimdLevel::Scalar), static_cast<int>(velmar::SimdLevel::Avx2)})
        for (int size : {1 << 20, 64 << 20}) b->Args({size, level});
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_QpEncodeStream)->Apply(Sizes);
BENCHMARK(BM_Base64EncodeStream)->Apply(Sizes);
BENCHMARK(BM_UuencodeStream)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
