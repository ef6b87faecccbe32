#include "platform/icu_codec.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <memory>

namespace quillet::codepage::internal {
namespace {

const char* IcuConverterName(std::uint32_t code_page) {
  switch (code_page) {
    case 0:
    case 936:
      return "windows-936-2000";  // 80 is the euro sign; user-defined areas map to the PUA
    case 950:
      return "windows-950-2000";
    case 65001:
      return "UTF-8";
    default:
      return nullptr;
  }
}

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// A converter opened once per code page and never used itself: every conversion works on a
// clone, which skips the lookup of the name and the table data that an open repeats.
const UConverter* Prototype(std::uint32_t code_page) {
  const auto open = [](const char* name) -> const UConverter* {
    UErrorCode error = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(name, &error);
    return U_SUCCESS(error) ? converter : nullptr;
  };
  switch (code_page) {
    case 0:
    case 936: {
      static const UConverter* const gbk = open(IcuConverterName(936));
      return gbk;
    }
    case 950: {
      static const UConverter* const big5 = open(IcuConverterName(950));
      return big5;
    }
    case 65001: {
      static const UConverter* const utf8 = open(IcuConverterName(65001));
      return utf8;
    }
    default:
      return nullptr;
  }
}

Converter OpenConverter(std::uint32_t code_page) {
  const UConverter* prototype = Prototype(code_page);
  if (prototype == nullptr) return Converter();
  UErrorCode error = U_ZERO_ERROR;
  Converter converter(ucnv_clone(prototype, &error));
  if (U_FAILURE(error)) converter.reset();
  return converter;
}

void WriteReplacementCharacter(const void* /*context*/, UConverterToUnicodeArgs* args,
                               const char* /*bytes*/, int32_t /*length*/,
                               UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  static constexpr UChar kReplacement = 0xFFFD;
  *error = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, error);
}

struct DefaultBytes {
  char bytes[3];
  int8_t length;
};

// Unlike ICU's own substitution this never skips default-ignorable characters.
void WriteDefaultCharacter(const void* context, UConverterFromUnicodeArgs* args,
                           const UChar* /*units*/, int32_t /*length*/, UChar32 /*code_point*/,
                           UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  const auto* replacement = static_cast<const DefaultBytes*>(context);
  *error = U_ZERO_ERROR;
  ucnv_cbFromUWriteBytes(args, replacement->bytes, replacement->length, 0, error);
}

icu::UnicodeSet* BuildRoundTripSet(std::uint32_t code_page) {
  auto* set = new icu::UnicodeSet();
  Converter converter = OpenConverter(code_page);
  UErrorCode error = U_ZERO_ERROR;
  if (converter) ucnv_getUnicodeSet(converter.get(), set->toUSet(), UCNV_ROUNDTRIP_SET, &error);
  set->freeze();
  return set;
}

// The characters a code page has, for the composition check; built once per code page.
bool CanEncode(std::uint32_t code_page, UChar32 code_point) {
  switch (code_page) {
    case 0:
    case 936: {
      static const icu::UnicodeSet* const gbk = BuildRoundTripSet(936);
      return gbk->contains(code_point);
    }
    case 950: {
      static const icu::UnicodeSet* const big5 = BuildRoundTripSet(950);
      return big5->contains(code_point);
    }
    default:
      return !U_IS_SURROGATE(code_point);
  }
}

const icu::Transliterator* CreateTransliterator(const char* id) {
  UErrorCode error = U_ZERO_ERROR;
  icu::Transliterator* transliterator =
      icu::Transliterator::createInstance(id, UTRANS_FORWARD, error);
  if (U_FAILURE(error)) {
    delete transliterator;
    return nullptr;
  }
  return transliterator;
}

}  // namespace

bool IsSupportedCodePage(std::uint32_t code_page) { return IcuConverterName(code_page) != nullptr; }

std::u16string Decode(std::uint32_t code_page, std::string_view bytes) {
  std::u16string units;
  Converter converter = OpenConverter(code_page);
  if (!converter || bytes.empty()) return units;
  UErrorCode error = U_ZERO_ERROR;
  ucnv_setToUCallBack(converter.get(), WriteReplacementCharacter, nullptr, nullptr, nullptr,
                      &error);
  // Every code page here yields at most one unit per byte; the loop covers any other.
  units.resize(bytes.size() + 1);
  const char* source = bytes.data();
  UChar* target = units.data();
  for (;;) {
    error = U_ZERO_ERROR;
    ucnv_toUnicode(converter.get(), &target, units.data() + units.size(), &source,
                   bytes.data() + bytes.size(), nullptr, true, &error);
    if (error != U_BUFFER_OVERFLOW_ERROR) break;
    const std::size_t written = static_cast<std::size_t>(target - units.data());
    units.resize(units.size() * 2);
    target = units.data() + written;
  }
  units.resize(static_cast<std::size_t>(target - units.data()));
  return units;
}

std::string Encode(std::uint32_t code_page, std::u16string_view units, char default_char,
                   std::vector<std::int32_t>* offsets) {
  std::string bytes;
  Converter converter = OpenConverter(code_page);
  if (!converter || units.empty()) return bytes;
  const bool utf8 = code_page == 65001;
  const DefaultBytes replacement =
      utf8 ? DefaultBytes{{'\xEF', '\xBF', '\xBD'}, 3} : DefaultBytes{{default_char}, 1};
  UErrorCode error = U_ZERO_ERROR;
  ucnv_setFromUCallBack(converter.get(), WriteDefaultCharacter, &replacement, nullptr, nullptr,
                        &error);
  // UTF-8 takes at most three bytes per unit, GBK and BIG5 two; the loop covers any other.
  bytes.resize(units.size() * (utf8 ? 3 : 2) + 4);
  if (offsets != nullptr) offsets->resize(bytes.size());
  const UChar* source = units.data();
  char* target = bytes.data();
  for (;;) {
    const std::size_t written = static_cast<std::size_t>(target - bytes.data());
    const std::int32_t call_start = static_cast<std::int32_t>(source - units.data());
    error = U_ZERO_ERROR;
    ucnv_fromUnicode(converter.get(), &target, bytes.data() + bytes.size(), &source,
                     units.data() + units.size(),
                     offsets != nullptr ? offsets->data() + written : nullptr, true, &error);
    const std::size_t now = static_cast<std::size_t>(target - bytes.data());
    if (offsets != nullptr) {
      // ICU counts offsets from each call's own start; -1 marks bytes it carried over.
      for (std::size_t k = written; k < now; ++k) {
        if ((*offsets)[k] >= 0) (*offsets)[k] += call_start;
      }
    }
    if (error != U_BUFFER_OVERFLOW_ERROR) break;
    bytes.resize(bytes.size() * 2);
    target = bytes.data() + now;
    if (offsets != nullptr) offsets->resize(bytes.size());
  }
  bytes.resize(static_cast<std::size_t>(target - bytes.data()));
  if (offsets != nullptr) offsets->resize(bytes.size());
  return bytes;
}

void ComposePairs(std::uint32_t code_page, std::u16string& units) {
  UErrorCode error = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(error);
  if (U_FAILURE(error)) return;
  // In place: a composition never takes more units than the pair it replaces, so the write
  // position never passes the read position.
  const std::size_t length = units.size();
  std::size_t write = 0;
  UChar32 base = U_SENTINEL;
  const auto flush = [&units, &write](UChar32 code_point) {
    U16_APPEND_UNSAFE(units.data(), write, code_point);
  };
  for (std::size_t read = 0; read < length;) {
    UChar32 code_point;
    U16_NEXT(units.data(), read, length, code_point);
    if (base != U_SENTINEL && code_point >= 0x300 &&
        (U_GET_GC_MASK(code_point) & U_GC_M_MASK) != 0) {
      const UChar32 pair = nfc->composePair(base, code_point);
      if (pair >= 0 && CanEncode(code_page, pair)) {
        base = pair;
        continue;
      }
    }
    if (base != U_SENTINEL) flush(base);
    base = code_point;
  }
  if (base != U_SENTINEL) flush(base);
  units.resize(write);
}

bool MapChineseScript(std::u16string& units, bool to_traditional) {
  // Compiling a transliterator takes milliseconds: each is built once and kept.
  static const icu::Transliterator* const traditional =
      CreateTransliterator("Simplified-Traditional");
  static const icu::Transliterator* const simplified =
      CreateTransliterator("Traditional-Simplified");
  const icu::Transliterator* transliterator = to_traditional ? traditional : simplified;
  if (transliterator == nullptr) return false;
  icu::UnicodeString text(false, units.data(), static_cast<int32_t>(units.size()));
  transliterator->transliterate(text);
  units.assign(text.getBuffer(), static_cast<std::size_t>(text.length()));
  return true;
}

}  // namespace quillet::codepage::internal
