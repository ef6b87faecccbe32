// Every transform on the mixed test text as the report hands it over, at three sizes: each must
// stay linear. The decoders also run on what their encoders write.

#include <benchmark/benchmark.h>

#include "text/text_operations.h"

#include "bench_texts.h"
#include "transforms/base64_decode.h"
#include "transforms/base64_encode.h"
#include "transforms/char_references.h"
#include "transforms/chinese_script.h"
#include "transforms/rc4_decrypt.h"
#include "transforms/rc4_encrypt.h"
#include "transforms/script_escapes.h"
#include "transforms/unicode_conversions.h"
#include "transforms/url_gbk.h"
#include "transforms/url_utf8.h"

namespace quillet {
namespace {

template <typename Transform>
void RunTransform(benchmark::State& state, Transform transform,
                  Text (*input)(std::size_t) = MixedText) {
  const Text text = input(static_cast<std::size_t>(state.range(0)));
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

void BM_AnsiToUnicode(benchmark::State& state) { RunTransform(state, AnsiToUnicode); }
void BM_UnicodeToUtf8(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return UnicodeToUtf8(BytesFromText(s)); });
}
void BM_AnsiToUtf8(benchmark::State& state) { RunTransform(state, AnsiToUtf8); }
void BM_Utf8ToUnicode(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return Utf8ToUnicode(BytesFromText(s)); });
}
void BM_UnicodeToAnsi(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return UnicodeToAnsi(BytesFromText(s)); });
}
void BM_Utf8ToAnsi(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return Utf8ToAnsi(BytesFromText(s)); });
}
void BM_Gb2312ToUtf8(benchmark::State& state) { RunTransform(state, Gb2312ToUtf8); }
void BM_Utf8ToGb2312(benchmark::State& state) { RunTransform(state, Utf8ToGb2312); }
void BM_SimplifiedToTraditional(benchmark::State& state) {
  RunTransform(state, SimplifiedToTraditional);
}
void BM_TraditionalToSimplified(benchmark::State& state) {
  RunTransform(state, TraditionalToSimplified);
}
void BM_Big5ToTraditional(benchmark::State& state) { RunTransform(state, Big5ToTraditional); }
void BM_TraditionalToBig5(benchmark::State& state) { RunTransform(state, TraditionalToBig5); }
void BM_Big5ToSimplified(benchmark::State& state) { RunTransform(state, Big5ToSimplified); }
void BM_SimplifiedToBig5(benchmark::State& state) { RunTransform(state, SimplifiedToBig5); }
void BM_UrlEncodeUtf8(benchmark::State& state) { RunTransform(state, UrlEncodeUtf8); }
void BM_UrlDecodeUtf8(benchmark::State& state) { RunTransform(state, UrlDecodeUtf8); }
void BM_UrlDecodeUtf8OfEscapes(benchmark::State& state) {
  RunTransform(state, UrlDecodeUtf8, [](std::size_t bytes) {
    return TextPrefix(UrlEncodeUtf8(MixedText(bytes / 4)), static_cast<std::int32_t>(bytes));
  });
}
void BM_AnsiToUnicodeText(benchmark::State& state) { RunTransform(state, AnsiToUnicodeText); }
void BM_UnicodeTextToAnsi(benchmark::State& state) { RunTransform(state, UnicodeTextToAnsi); }
void BM_UnicodeTextToAnsiOfReferences(benchmark::State& state) {
  RunTransform(state, UnicodeTextToAnsi, [](std::size_t bytes) {
    return TextPrefix(AnsiToUnicodeText(MixedText(bytes / 5)), static_cast<std::int32_t>(bytes));
  });
}
void BM_AsciiToUnicode(benchmark::State& state) { RunTransform(state, AsciiToUnicode); }
// One engine per call: its start is the whole cost for a short text.
void BM_AnsiToUcs2(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return AnsiToUcs2(s); });
}
void BM_Ucs2ToAnsi(benchmark::State& state) {
  RunTransform(state, [](Text& s) { return Ucs2ToAnsi(s); });
}
void BM_Ucs2ToAnsiOfEscapes(benchmark::State& state) {
  RunTransform(
      state, [](Text& s) { return Ucs2ToAnsi(s); },
      [](std::size_t bytes) {
        return TextPrefix(AnsiToUcs2(MixedText(bytes / 4)), static_cast<std::int32_t>(bytes));
      });
}

#define QUILLET_SIZES ->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_Rc4Encrypt) QUILLET_SIZES;
BENCHMARK(BM_Rc4Decrypt) QUILLET_SIZES;
BENCHMARK(BM_UrlEncodeGbk) QUILLET_SIZES;
BENCHMARK(BM_UrlDecodeGbk) QUILLET_SIZES;
BENCHMARK(BM_Base64Encode) QUILLET_SIZES;
BENCHMARK(BM_Base64Decode) QUILLET_SIZES;
BENCHMARK(BM_AnsiToUnicode) QUILLET_SIZES;
BENCHMARK(BM_UnicodeToUtf8) QUILLET_SIZES;
BENCHMARK(BM_AnsiToUtf8) QUILLET_SIZES;
BENCHMARK(BM_Utf8ToUnicode) QUILLET_SIZES;
BENCHMARK(BM_UnicodeToAnsi) QUILLET_SIZES;
BENCHMARK(BM_Utf8ToAnsi) QUILLET_SIZES;
BENCHMARK(BM_Gb2312ToUtf8) QUILLET_SIZES;
BENCHMARK(BM_Utf8ToGb2312) QUILLET_SIZES;
BENCHMARK(BM_SimplifiedToTraditional) QUILLET_SIZES;
BENCHMARK(BM_TraditionalToSimplified) QUILLET_SIZES;
BENCHMARK(BM_Big5ToTraditional) QUILLET_SIZES;
BENCHMARK(BM_TraditionalToBig5) QUILLET_SIZES;
BENCHMARK(BM_Big5ToSimplified) QUILLET_SIZES;
BENCHMARK(BM_SimplifiedToBig5) QUILLET_SIZES;
BENCHMARK(BM_UrlEncodeUtf8) QUILLET_SIZES;
BENCHMARK(BM_UrlDecodeUtf8) QUILLET_SIZES;
BENCHMARK(BM_UrlDecodeUtf8OfEscapes) QUILLET_SIZES;
BENCHMARK(BM_AnsiToUnicodeText) QUILLET_SIZES;
BENCHMARK(BM_UnicodeTextToAnsi) QUILLET_SIZES;
BENCHMARK(BM_UnicodeTextToAnsiOfReferences) QUILLET_SIZES;
BENCHMARK(BM_AsciiToUnicode) QUILLET_SIZES;
BENCHMARK(BM_AnsiToUcs2)->Arg(20) QUILLET_SIZES;
BENCHMARK(BM_Ucs2ToAnsi)->Arg(20) QUILLET_SIZES;
BENCHMARK(BM_Ucs2ToAnsiOfEscapes) QUILLET_SIZES;

}  // namespace
}  // namespace quillet
