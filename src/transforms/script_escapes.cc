#include "transforms/script_escapes.h"

#include <string>

#include "platform/edge_encoding.h"
#include "platform/script_control.h"
#include "text/text_operations.h"

namespace quillet {
namespace {

namespace sc = script_control;

constexpr char kApostrophe[] = "'";
constexpr char kRightQuote[] = "\xA1\xAF";  // ’ (U+2019) in GBK
constexpr char kLineBreakMark[] = "{$}";

// The statement in UTF-16, with the text as the value of the literal x. The replacement of "'"
// on the GBK text skips an apostrophe that follows a lead byte, which the decoding then gives
// back as U+0027: every one left is replaced here, so that nothing can close the literal.
std::u16string Statement(const Text& literal_text, std::u16string_view function) {
  std::u16string literal = Utf16FromGbk(literal_text);
  for (char16_t& unit : literal) {
    if (unit == u'\'') unit = u'\u2019';
  }
  std::u16string statement = u"function xx(){var x='";
  statement += literal;
  statement += u"';return ";
  statement += function;
  statement += u"(x);}";
  return statement;
}

// Steps 2 to 7 of the COM cycle: create, set the language, execute, run, release. A failed
// step leaves the result empty and the cycle goes on.
Text RunScript(const std::u16string& statement, std::u16string_view prog_id) {
  sc::ScriptControl control = sc::ScriptControl::Create(prog_id);
  control.PutLanguage(u"JScript");
  control.ExecuteStatement(statement);
  std::u16string result;
  control.Run(u"xx", result);
  control.Release();
  return GbkFromUtf16(result.substr(0, result.find(u'\0')));  // ends at the first U+0000
}

}  // namespace

Text AnsiToUcs2(const Text& text, std::u16string_view prog_id) {
  sc::CoInitialize();
  const Text t = TextSubstitute(text, kApostrophe, kRightQuote);
  Text r = RunScript(Statement(t, u"escape"), prog_id);
  sc::CoUninitialize();
  return r;
}

Text Ucs2ToAnsi(const Text& text, std::u16string_view prog_id) {
  sc::CoInitialize();
  Text t = TextSubstitute(text, "\r\n", kLineBreakMark);
  if (TextCodeAt(t) == '\r') t = TextSlice(t, 2, TextLen(t));  // a lone leading CR
  t = TextSubstitute(t, "\\u", "%u");
  t = TextSubstitute(t, kApostrophe, kRightQuote);
  Text r = RunScript(Statement(t, u"unescape"), prog_id);
  r = TextSubstitute(r, kRightQuote, kApostrophe);
  r = TextSubstitute(r, kLineBreakMark, "\r\n");
  sc::CoUninitialize();
  return r;
}

Text AnsiToUcs2(const Text& text) { return AnsiToUcs2(text, kScriptControlProgId); }

Text Ucs2ToAnsi(const Text& text) { return Ucs2ToAnsi(text, kScriptControlProgId); }

}  // namespace quillet
