// Every transform on the mixed test text, at three sizes: each must stay linear.

#include <benchmark/benchmark.h>

#include "bench_texts.h"
#include "transforms/base64_decode.h"
#include "transforms/base64_encode.h"
#include "transforms/rc4_decrypt.h"
#include "transforms/rc4_encrypt.h"
#include "transforms/url_gbk.h"

namespace quillet {
namespace {

template <typename Transform>
void RunTransform(benchmark::State& state, Transform transform) {
  const Text text = MixedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    Text source = text;  // the in-out transforms change their argument
    benchmark::DoNotOptimize(transform(source));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.Length());
}

void BM_Rc4Encrypt(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return Rc4Encrypt(s, Text()); });
}
void BM_Rc4Decrypt(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return Rc4Decrypt(s, Text()); });
}
void BM_UrlEncodeGbk(benchmark::State& state) { RunTransform(state, UrlEncodeGbk); }
void BM_UrlDecodeGbk(benchmark::State& state) { RunTransform(state, UrlDecodeGbk); }
void BM_Base64Encode(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return Base64Encode(BytesFromText(s)); });
}
void BM_Base64Decode(benchmark::State& state) { RunTransform(state, Base64Decode); }

#define QUILLET_SIZES ->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_Rc4Encrypt) QUILLET_SIZES;
BENCHMARK(BM_Rc4Decrypt) QUILLET_SIZES;
BENCHMARK(BM_UrlEncodeGbk) QUILLET_SIZES;
BENCHMARK(BM_UrlDecodeGbk) QUILLET_SIZES;
BENCHMARK(BM_Base64Encode) QUILLET_SIZES;
BENCHMARK(BM_Base64Decode) QUILLET_SIZES;

}  // namespace
}  // namespace quillet
