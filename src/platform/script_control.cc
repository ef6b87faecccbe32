#include "platform/script_control.h"

#include <duktape.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "text/fatal.h"

namespace quillet::script_control {
namespace {

// Each UTF-16 unit on its own, surrogates included (CESU-8): Duktape then holds the same code
// units that the script sees in JScript.
std::string Cesu8FromUtf16(std::u16string_view units) {
  std::string bytes;
  bytes.reserve(units.size() * 3);
  for (const char16_t unit : units) {
    if (unit < 0x80) {
      bytes += static_cast<char>(unit);
    } else if (unit < 0x800) {
      bytes += static_cast<char>(0xC0 | (unit >> 6));
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      bytes += static_cast<char>(0xE0 | (unit >> 12));
      bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return bytes;
}

// Duktape's extended UTF-8 back to units: a code point above U+FFFF becomes its surrogate
// pair, one past U+10FFFF or a malformed byte becomes U+FFFD.
std::u16string Utf16FromDuktape(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 1;
    std::uint32_t code_point = lead;
    if (lead >= 0x80) {
      // Extended UTF-8 allows leads up to FE (seven bytes).
      length = lead >= 0xFE   ? 7
               : lead >= 0xFC ? 6
               : lead >= 0xF8 ? 5
               : lead >= 0xF0 ? 4
               : lead >= 0xE0 ? 3
               : lead >= 0xC0 ? 2
                              : 0;
      if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) {
        units += u'\uFFFD';
        ++i;
        continue;
      }
      code_point = length == 7 ? 0 : lead & (0x7F >> length);
      bool malformed = false;
      for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
        malformed |= (next & 0xC0) != 0x80;
        code_point = (code_point << 6) | (next & 0x3F);
      }
      if (malformed) {
        units += u'\uFFFD';
        ++i;
        continue;
      }
    }
    if (code_point <= 0xFFFF) {
      units += static_cast<char16_t>(code_point);
    } else if (code_point <= 0x10FFFF) {
      units += static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF));
    } else {
      units += u'\uFFFD';
    }
    i += static_cast<std::size_t>(length);
  }
  return units;
}

// Every block carries its size in front, so that the heap's total can be kept to its limit.
struct Allowance {
  std::size_t used = 0;
  std::size_t limit = 0;
};
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(void* udata, duk_size_t size) {
  auto* allowance = static_cast<Allowance*>(udata);
  if (size > allowance->limit - allowance->used) return nullptr;
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) return nullptr;
  std::memcpy(block, &size, sizeof size);
  allowance->used += size;
  return block + kHeader;
}

void Free(void* udata, void* pointer) {
  if (pointer == nullptr) return;
  auto* block = static_cast<unsigned char*>(pointer) - kHeader;
  std::size_t size;
  std::memcpy(&size, block, sizeof size);
  static_cast<Allowance*>(udata)->used -= size;
  std::free(block);
}

void* Reallocate(void* udata, void* pointer, duk_size_t size) {
  if (pointer == nullptr) return Allocate(udata, size);
  if (size == 0) {
    Free(udata, pointer);
    return nullptr;
  }
  auto* allowance = static_cast<Allowance*>(udata);
  auto* block = static_cast<unsigned char*>(pointer) - kHeader;
  std::size_t old_size;
  std::memcpy(&old_size, block, sizeof old_size);
  if (size > old_size && size - old_size > allowance->limit - allowance->used) return nullptr;
  auto* moved = static_cast<unsigned char*>(std::realloc(block, size + kHeader));
  if (moved == nullptr) return nullptr;
  std::memcpy(moved, &size, sizeof size);
  allowance->used = allowance->used - old_size + size;
  return moved + kHeader;
}

// Every engine call runs inside a protected call, where running out of memory is an error
// like any other; a fatal error would be a fault of the engine itself.
void StopOnFatalError(void* /*udata*/, const char* message) {
  FatalError(std::string("script engine: ") + (message != nullptr ? message : "fatal error"));
}

struct Statement {
  std::string_view source;
};

duk_ret_t CompileAndRun(duk_context* context, void* udata) {
  const auto* statement = static_cast<const Statement*>(udata);
  duk_compile_lstring(context, 0, statement->source.data(), statement->source.size());
  duk_call(context, 0);
  return 0;
}

struct Call {
  std::string_view procedure;
  std::string result;
};

duk_ret_t CallGlobal(duk_context* context, void* udata) {
  auto* call = static_cast<Call*>(udata);
  duk_push_global_object(context);
  duk_get_prop_lstring(context, -1, call->procedure.data(), call->procedure.size());
  if (!duk_is_callable(context, -1)) return DUK_RET_TYPE_ERROR;
  duk_call(context, 0);
  duk_size_t length = 0;
  const char* bytes = duk_to_lstring(context, -1, &length);
  call->result.assign(bytes, length);
  return 0;
}

}  // namespace

void CoInitialize() {}
void CoUninitialize() {}

struct ScriptControl::Engine {
  Allowance allowance;
  duk_context* context = nullptr;
  bool language_set = false;

  ~Engine() {
    if (context != nullptr) duk_destroy_heap(context);
  }
};

ScriptControl::ScriptControl() = default;
ScriptControl::ScriptControl(ScriptControl&&) noexcept = default;
ScriptControl& ScriptControl::operator=(ScriptControl&&) noexcept = default;
ScriptControl::~ScriptControl() = default;

ScriptControl ScriptControl::Create(std::u16string_view prog_id, std::size_t memory_limit) {
  ScriptControl control;
  if (prog_id != u"ScriptControl" && prog_id != u"MSScriptControl.ScriptControl") return control;
  auto engine = std::make_unique<Engine>();
  engine->allowance.limit = memory_limit;
  engine->context =
      duk_create_heap(Allocate, Reallocate, Free, &engine->allowance, StopOnFatalError);
  if (engine->context != nullptr) control.engine_ = std::move(engine);
  return control;
}

bool ScriptControl::PutLanguage(std::u16string_view language) {
  if (IsEmpty() || (language != u"JScript" && language != u"JavaScript")) return false;
  engine_->language_set = true;
  return true;
}

bool ScriptControl::ExecuteStatement(std::u16string_view statement) {
  if (IsEmpty() || !engine_->language_set) return false;
  const std::string source = Cesu8FromUtf16(statement);
  Statement call{source};
  const bool ran = duk_safe_call(engine_->context, CompileAndRun, &call, 0, 1) == DUK_EXEC_SUCCESS;
  duk_pop(engine_->context);
  return ran;
}

bool ScriptControl::Run(std::u16string_view procedure, std::u16string& result) {
  if (IsEmpty() || !engine_->language_set) return false;
  const std::string name = Cesu8FromUtf16(procedure);
  Call call{name, {}};
  const bool ran = duk_safe_call(engine_->context, CallGlobal, &call, 0, 1) == DUK_EXEC_SUCCESS;
  duk_pop(engine_->context);
  if (ran) result = Utf16FromDuktape(call.result);
  return ran;
}

void ScriptControl::Release() { engine_.reset(); }

}  // namespace quillet::script_control
