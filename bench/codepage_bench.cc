// The code-page services: both calls of the contract, as the conversions make them.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_texts.h"
#include "platform/codepage.h"

namespace quillet::codepage {
namespace {

std::string ToWide(std::uint32_t code_page, const std::string& bytes) {
  const int length = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
  std::string wide(2 * static_cast<std::size_t>(units), '\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), length,
                      reinterpret_cast<unsigned char*>(wide.data()), units);
  return wide;
}

std::string FromWide(std::uint32_t code_page, std::uint32_t flags, const std::string& wide) {
  const auto* units = reinterpret_cast<const unsigned char*>(wide.data());
  const int count = static_cast<int>(wide.size() / 2);
  const int length = WideCharToMultiByte(code_page, flags, units, count, nullptr, 0);
  std::string bytes(static_cast<std::size_t>(length), ' ');
  WideCharToMultiByte(code_page, flags, units, count, bytes.data(), length);
  return bytes;
}

std::string Input(const benchmark::State& state) {
  return std::string(MixedText(static_cast<std::size_t>(state.range(0))).View());
}

void SetThroughput(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_GbkToUtf16(benchmark::State& state) {
  const std::string gbk = Input(state);
  for (auto _ : state) benchmark::DoNotOptimize(ToWide(kCpGbk, gbk));
  SetThroughput(state);
}

void BM_Utf16ToGbkCompositeCheck(benchmark::State& state) {
  const std::string wide = ToWide(kCpGbk, Input(state));
  for (auto _ : state) benchmark::DoNotOptimize(FromWide(kCpGbk, kWcCompositeCheck, wide));
  SetThroughput(state);
}

void BM_Utf16ToUtf8(benchmark::State& state) {
  const std::string wide = ToWide(kCpGbk, Input(state));
  for (auto _ : state) benchmark::DoNotOptimize(FromWide(kCpUtf8, 0, wide));
  SetThroughput(state);
}

void BM_GbkAsUtf8ToUtf16(benchmark::State& state) {
  const std::string gbk = Input(state);  // mostly malformed UTF-8, as the report feeds it
  for (auto _ : state) benchmark::DoNotOptimize(ToWide(kCpUtf8, gbk));
  SetThroughput(state);
}

void BM_Utf16ToBig5(benchmark::State& state) {
  const std::string wide = ToWide(kCpGbk, Input(state));
  for (auto _ : state) benchmark::DoNotOptimize(FromWide(kCpBig5, 0, wide));
  SetThroughput(state);
}

void BM_SimplifiedToTraditional(benchmark::State& state) {
  const std::string gbk = Input(state);
  std::string out(gbk.size(), ' ');
  const int length = static_cast<int>(gbk.size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(LCMapStringA(kLocaleChineseSimplified, kLcmapTraditionalChinese,
                                          gbk.data(), length, out.data(), length));
  }
  SetThroughput(state);
}

#define QUILLET_SIZES ->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_GbkToUtf16) QUILLET_SIZES;
BENCHMARK(BM_Utf16ToGbkCompositeCheck) QUILLET_SIZES;
BENCHMARK(BM_Utf16ToUtf8) QUILLET_SIZES;
BENCHMARK(BM_GbkAsUtf8ToUtf16) QUILLET_SIZES;
BENCHMARK(BM_Utf16ToBig5) QUILLET_SIZES;
BENCHMARK(BM_SimplifiedToTraditional) QUILLET_SIZES;

}  // namespace
}  // namespace quillet::codepage
