#include "text/values.h"

#include <cstring>

#include "text/fatal.h"

namespace quillet {
namespace {

std::string_view BeforeZero(std::string_view bytes) {
  if (bytes.empty()) return bytes;  // its data may be null, which memchr must not see
  const void* zero = std::memchr(bytes.data(), 0, bytes.size());
  return zero == nullptr ? bytes : bytes.substr(0, static_cast<const char*>(zero) - bytes.data());
}

void CheckLength(std::size_t length) {
  if (length > kMaxLength) TooLong();
}

}  // namespace

void TooLong() { FatalError("a value grew past 2 GiB"); }

Text::Text(const char* c_string) : bytes_(c_string == nullptr ? "" : c_string) { CheckSize(); }

Text::Text(std::string_view bytes) : bytes_(BeforeZero(bytes)) { CheckSize(); }

Text::Text(std::string&& bytes) : bytes_(std::move(bytes)) {
  bytes_.resize(BeforeZero(bytes_).size());
  CheckSize();
}

Text& Text::Append(const Text& more) {
  bytes_ += more.bytes_;
  CheckSize();
  return *this;
}

Text& Text::Append(std::string_view bytes) {
  bytes_ += BeforeZero(bytes);
  CheckSize();
  return *this;
}

void Text::CheckSize() const { CheckLength(bytes_.size()); }

ByteString::ByteString(std::initializer_list<unsigned char> bytes)
    : bytes_(bytes.begin(), bytes.end()) {}

ByteString& ByteString::Append(const ByteString& more) { return Append(more.View()); }

ByteString& ByteString::Append(std::string_view bytes) {
  bytes_ += bytes;
  CheckSize();
  return *this;
}

void ByteString::CheckSize() const { CheckLength(bytes_.size()); }

ByteArray::ByteArray(std::int32_t count) {
  if (count < 0) FatalError("a byte array of negative count");
  elements_.assign(static_cast<std::size_t>(count), 0);
}

void ByteArray::PositionOutOfRange() { FatalError("byte array position outside 1 to the count"); }

const Text& TextList::Element(std::int32_t position) const {
  if (position < 1 || position > Count()) FatalError("list position outside 1 to the count");
  return elements_[static_cast<std::size_t>(position - 1)];
}

ByteString BytesFromText(const Text& text) { return ByteString(text.View()); }

ByteString BytesFromText(const ByteArray& array) {
  const auto& elements = array.Elements();
  return ByteString(
      std::string_view(reinterpret_cast<const char*>(elements.data()), elements.size()));
}

ByteString BytesFromText(std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  return ByteString{static_cast<unsigned char>(bits & 0xFF), static_cast<unsigned char>(bits >> 8)};
}

Text TextFromBytes(const ByteString& bytes) { return Text(bytes.View()); }

Text TextFromBytes(const ByteArray& array) { return TextFromBytes(BytesFromText(array)); }

int TextCompare(const Text& a, const Text& b) {
  // std::string_view compares through char_traits<char>, which orders as unsigned char.
  const int order = a.View().compare(b.View());
  return (order > 0) - (order < 0);
}

int BytesCompare(const ByteString& a, const ByteString& b) {
  if (a.Length() != b.Length()) return 1;
  const int order = a.View().compare(b.View());
  return (order > 0) - (order < 0);
}

}  // namespace quillet
