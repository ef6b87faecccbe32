// The report's rows: which transform, on which form of the test text, under which label.

#include "shell/run_report.h"
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

// Label lines are GBK; each comment gives the label as it reads.
constexpr ReportRow kRows[] = {
    {"  RC4\xBC\xD3\xC3\xDC\r\n",  // RC4加密
     [](Text& s) { return Rc4Encrypt(s, Text()); }},
    {"  RC4\xBD\xE2\xC3\xDC\r\n",  // RC4解密
     [](Text& s) { return Rc4Decrypt(s, Text()); }},
    {"  URL\xB1\xE0\xC2\xEBGBK\r\n",  // URL编码GBK
     [](Text& s) { return UrlEncodeGbk(s); }},
    {"  URL\xBD\xE2\xC2\xEBGBK\r\n",  // URL解码GBK
     [](Text& s) { return UrlDecodeGbk(s); }},
    {"  \xBC\xF2\xCC\xE5\xB5\xBD\xB7\xB1\xCC\xE5\r\n",  // 简体到繁体
     [](Text& s) { return SimplifiedToTraditional(s); }},
    {"  \xB7\xB1\xCC\xE5\xB5\xBD\xBC\xF2\xCC\xE5\r\n",  // 繁体到简体
     [](Text& s) { return TraditionalToSimplified(s); }},
    {"  BASE64\xB1\xE0\xC2\xEB\r\n",  // BASE64编码
     [](Text& s) { return Base64Encode(BytesFromText(s)); }},
    {"  BASE64\xBD\xE2\xC2\xEB\r\n",  // BASE64解码
     [](Text& s) { return TextFromBytes(Base64Decode(s)); }},
    {"  BIG5\xB5\xBD\xB7\xB1\xCC\xE5\r\n",  // BIG5到繁体
     [](Text& s) { return Big5ToTraditional(s); }},
    {"  BIG5\xB5\xBD\xBC\xF2\xCC\xE5\r\n",  // BIG5到简体
     [](Text& s) { return Big5ToSimplified(s); }},
    {"  \xB7\xB1\xCC\xE5\xB5\xBD"
     "BIG5\r\n",  // 繁体到BIG5
     [](Text& s) { return TraditionalToBig5(s); }},
    {"  \xBC\xF2\xCC\xE5\xB5\xBD"
     "BIG5\r\n",  // 简体到BIG5
     [](Text& s) { return SimplifiedToBig5(s); }},
    {"  Ansi\xB5\xBDUtf8\r\n",  // Ansi到Utf8
     [](Text& s) { return TextFromBytes(AnsiToUtf8(s)); }},
    {"  Utf8\xB5\xBD"
     "Ansi\r\n",  // Utf8到Ansi
     [](Text& s) { return Utf8ToAnsi(BytesFromText(s)); }},
    {"  usc2\xB5\xBD"
     "ansi\r\n",  // usc2到ansi
     [](Text& s) { return Ucs2ToAnsi(s); }},
    {"  ansi\xB5\xBDusc2\r\n",  // ansi到usc2
     [](Text& s) { return AnsiToUcs2(s); }},
    {"  URL\xB1\xE0\xC2\xEBUTF8\r\n",  // URL编码UTF8
     [](Text& s) { return UrlEncodeUtf8(s); }},
    {"  URL\xBD\xE2\xC2\xEBUTF8\r\n",  // URL解码UTF8
     [](Text& s) { return UrlDecodeUtf8(s); }},
    {"  Ansi\xB5\xBDUnicode_\xCE\xC4\xB1\xBE\xD0\xCD\r\n",  // Ansi到Unicode_文本型
     [](Text& s) { return AnsiToUnicodeText(s); }},
    {"  Unicode\xB5\xBD"
     "Ansi_\xCE\xC4\xB1\xBE\xD0\xCD\r\n",  // Unicode到Ansi_文本型
     [](Text& s) { return UnicodeTextToAnsi(s); }},
    {"  ASCII\xB5\xBDUnicode\r\n",  // ASCII到Unicode
     [](Text& s) { return TextFromBytes(AsciiToUnicode(s)); }},
    {"  \xB1\xE0\xC2\xEB_Unicode\xB5\xBDUtf8\r\n",  // 编码_Unicode到Utf8
     [](Text& s) { return TextFromBytes(UnicodeToUtf8(BytesFromText(s))); }},
    {"  Utf8\xB5\xBDUnicode\r\n",  // Utf8到Unicode
     [](Text& s) { return TextFromBytes(Utf8ToUnicode(BytesFromText(s))); }},
    {"  Ansi\xB5\xBDUnicode\r\n",  // Ansi到Unicode
     [](Text& s) { return TextFromBytes(AnsiToUnicode(s)); }},
    {"  Unicode\xB5\xBD"
     "Ansi\r\n",  // Unicode到Ansi
     [](Text& s) { return UnicodeToAnsi(BytesFromText(s)); }},
    {"  gb2312\xB5\xBDutf8\r\n",  // gb2312到utf8
     [](Text& s) { return Gb2312ToUtf8(s); }},
    {"  utf8\xB5\xBDgb2312 \r\n",  // utf8到gb2312, the one label with a space before CR LF
     [](Text& s) { return Utf8ToGb2312(s); }},
};

}  // namespace

std::span<const ReportRow> StandardReportRows() { return kRows; }

}  // namespace quillet
