#pragma once

// The script control the escape transforms drive, in the COM manner: an apartment initialised
// for the call, an object created from its ProgID, its Language property set, a statement
// executed in its global scope, a procedure run, the object released. Strings cross as UTF-16.
// A failed call says so and changes nothing else; every call on an empty handle fails.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace quillet::script_control {

// The engine needs no per-thread set-up; these keep the cycle of a COM client whole.
void CoInitialize();
void CoUninitialize();

// What one engine may allocate, so that no script can take the machine's memory; past it the
// call that needed more fails.
inline constexpr std::size_t kDefaultMemoryLimit = std::size_t{1} << 30;

class ScriptControl {
 public:
  ScriptControl();  // the empty handle
  ScriptControl(ScriptControl&&) noexcept;
  ScriptControl& operator=(ScriptControl&&) noexcept;
  ~ScriptControl();  // releases

  // An object of the class registered as prog_id ("ScriptControl"), or the empty handle when
  // the class is unknown or its engine cannot start.
  static ScriptControl Create(std::u16string_view prog_id,
                              std::size_t memory_limit = kDefaultMemoryLimit);

  bool IsEmpty() const { return engine_ == nullptr; }
  // "JScript" (ECMAScript) is the one language.
  bool PutLanguage(std::u16string_view language);
  // Compiles and runs statement in the global scope; its value is not kept.
  bool ExecuteStatement(std::u16string_view statement);
  // Calls the global function procedure without arguments; its value, as a string, goes to
  // result. On failure result is left as it was.
  bool Run(std::u16string_view procedure, std::u16string& result);
  // Drops the reference; the handle is empty again. Releasing an empty handle does nothing.
  void Release();

 private:
  struct Engine;
  std::unique_ptr<Engine> engine_;
};

}  // namespace quillet::script_control
