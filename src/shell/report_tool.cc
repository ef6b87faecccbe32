#include "shell/report_tool.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#include "platform/edge_encoding.h"
#include "shell/run_report.h"

namespace quillet {
namespace {

constexpr char kUsage[] =
    "Usage: quillet-report [--encoding=utf-8|gbk] [--] [TEXT]\n"
    "\n"
    "Prints the report of the test text TEXT: a header line, then the result of each of the\n"
    "27 transforms followed by its label line. Without TEXT the test text is read from\n"
    "standard input, and one trailing line break (LF or CR LF) is dropped.\n"
    "\n"
    "  --encoding=utf-8  the input is UTF-8 and is turned into GBK the way the window turns\n"
    "                    what is typed (characters GBK lacks become \"?\"); the report is\n"
    "                    written as UTF-8, bytes that are not GBK as U+FFFD (the default)\n"
    "  --encoding=gbk    the input bytes are the test text as they stand, and the report's\n"
    "                    bytes are written as they stand\n"
    "  --                ends the options, so that TEXT may begin with \"-\"\n"
    "  --help            shows this help\n"
    "\n"
    "Lines of the report end in CR LF. An empty test text prints the header line alone and a\n"
    "message on standard error, and exits with status 1. A bad command line exits with 2.\n";

// A report is some thirty times its text; past this the values would outgrow 32-bit lengths.
constexpr std::size_t kMaxTextBytes = std::size_t{100} << 20;

enum class Encoding { kUtf8, kGbk };

struct Options {
  Encoding encoding = Encoding::kUtf8;
  std::optional<std::string_view> text;
  bool help = false;
};

// Writes the report to the output stream and the message box to the error stream.
class StreamWindow : public ReportWindow {
 public:
  StreamWindow(Text source, Encoding encoding, std::FILE* output, std::FILE* errors)
      : source_(std::move(source)), encoding_(encoding), output_(output), errors_(errors) {}

  bool ShowedMessage() const { return showed_message_; }

  Text ReadSourceText() override { return source_; }
  // A stream cannot take back what it printed; a run sets the result only to begin anew.
  void SetResultText(const Text& text) override { Write(text, output_); }
  void AppendResultText(const Text& text) override { Write(text, output_); }
  void ShowMessageBox(const Text& text, const Text& /*title*/) override {
    Write(text, errors_);
    std::fputc('\n', errors_);
    showed_message_ = true;
  }

 private:
  void Write(const Text& text, std::FILE* stream) const {
    if (encoding_ == Encoding::kGbk) {
      std::fwrite(text.View().data(), 1, text.View().size(), stream);
    } else {
      const std::string utf8 = Utf8FromGbk(text);
      std::fwrite(utf8.data(), 1, utf8.size(), stream);
    }
  }

  Text source_;
  Encoding encoding_;
  std::FILE* output_;
  std::FILE* errors_;
  bool showed_message_ = false;
};

void Complain(std::FILE* errors, const std::string& what) {
  std::fprintf(errors, "quillet-report: %s\nTry 'quillet-report --help' for more.\n", what.c_str());
}

std::optional<Encoding> ParseEncoding(std::string_view name) {
  if (name == "utf-8" || name == "UTF-8" || name == "utf8") return Encoding::kUtf8;
  if (name == "gbk" || name == "GBK") return Encoding::kGbk;
  return std::nullopt;
}

// Fills options; on a bad command line says why on errors and returns false.
bool ParseArguments(std::span<const std::string_view> arguments, Options& options,
                    std::FILE* errors) {
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!options_ended && argument.size() > 1 && argument[0] == '-') {
      if (argument == "--") {
        options_ended = true;
      } else if (argument == "--help" || argument == "-h") {
        options.help = true;
      } else if (argument == "--encoding" || argument.starts_with("--encoding=")) {
        std::string_view name;
        if (argument == "--encoding") {
          if (i + 1 == arguments.size()) {
            Complain(errors, "--encoding needs a value: utf-8 or gbk");
            return false;
          }
          name = arguments[++i];
        } else {
          name = argument.substr(std::strlen("--encoding="));
        }
        const std::optional<Encoding> encoding = ParseEncoding(name);
        if (!encoding) {
          Complain(errors, "unknown encoding '" + std::string(name) + "' (use utf-8 or gbk)");
          return false;
        }
        options.encoding = *encoding;
      } else {
        Complain(errors, "unknown option '" + std::string(argument) + "'");
        return false;
      }
    } else if (options.text) {
      Complain(errors, "more than one TEXT given (quote a text that holds spaces)");
      return false;
    } else {
      options.text = argument;
    }
  }
  return true;
}

// Reads the stream, or says why not. Reading stops once the text is past the limit (its line
// break allowed for), which the caller then reports.
std::optional<std::string> ReadAll(std::FILE* input, std::FILE* errors) {
  std::string bytes;
  char buffer[1 << 16];
  std::size_t count;
  while (bytes.size() <= kMaxTextBytes + 2 &&
         (count = std::fread(buffer, 1, sizeof buffer, input)) > 0) {
    bytes.append(buffer, count);
  }
  if (std::ferror(input)) {
    Complain(errors, std::string("cannot read standard input: ") + std::strerror(errno));
    return std::nullopt;
  }
  if (bytes.ends_with("\r\n")) {
    bytes.resize(bytes.size() - 2);
  } else if (bytes.ends_with('\n')) {
    bytes.pop_back();
  }
  return bytes;
}

}  // namespace

int RunReportTool(std::span<const std::string_view> arguments, std::FILE* input, std::FILE* output,
                  std::FILE* errors) {
  Options options;
  if (!ParseArguments(arguments, options, errors)) return 2;
  if (options.help) {
    std::fputs(kUsage, output);
    return 0;
  }

  std::string bytes;
  if (options.text) {
    bytes = *options.text;
  } else {
    std::optional<std::string> read = ReadAll(input, errors);
    if (!read) return 2;
    bytes = std::move(*read);
  }
  if (bytes.size() > kMaxTextBytes) {
    Complain(errors, "the test text is longer than the limit of 100 MiB");
    return 2;
  }
  Text source = options.encoding == Encoding::kGbk ? Text(std::move(bytes)) : GbkFromUtf8(bytes);

  StreamWindow window(std::move(source), options.encoding, output, errors);
  RunReport(window);
  if (std::fflush(output) != 0 || std::ferror(output)) {
    std::fprintf(errors, "quillet-report: cannot write the report: %s\n", std::strerror(errno));
    return 1;
  }
  return window.ShowedMessage() ? 1 : 0;
}

}  // namespace quillet
