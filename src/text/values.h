#pragma once

// The two value types that pass between the run sequence and the transforms, the fixed-size
// byte arrays and lists the transforms work on, and the primitives that work directly on them.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Lengths and positions are 32-bit signed; a value past that is as fatal as exhausted memory.
inline constexpr std::size_t kMaxLength = INT32_MAX;
[[noreturn]] void TooLong();

// GBK bytes without a zero byte; absent and empty are one value. Positions are 1-based bytes.
class Text {
 public:
  Text() = default;
  // Both constructors keep the bytes before the first zero byte.
  Text(const char* c_string);  // NOLINT(google-explicit-constructor): literals read naturally.
  explicit Text(std::string_view bytes);
  explicit Text(std::string&& bytes);

  std::string_view View() const noexcept { return bytes_; }
  // Zero-terminated, for the services that take a length of -1.
  const char* CStr() const noexcept { return bytes_.c_str(); }
  std::int32_t Length() const noexcept { return static_cast<std::int32_t>(bytes_.size()); }
  bool IsEmpty() const noexcept { return bytes_.empty(); }
  // 0-based, unchecked: for loops that already know their bounds.
  unsigned char operator[](std::size_t index) const noexcept {
    return static_cast<unsigned char>(bytes_[index]);
  }

  // Appending keeps the invariant: bytes from a zero byte on are not taken.
  Text& Append(const Text& more);
  Text& Append(std::string_view bytes);
  Text& Append(const char* c_string) { return Append(std::string_view(c_string)); }
  Text& AppendByte(unsigned char byte) {  // the zero byte appends nothing
    if (bytes_.size() >= kMaxLength) [[unlikely]]
      TooLong();
    if (byte != 0) bytes_.push_back(static_cast<char>(byte));
    return *this;
  }
  void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }

  friend bool operator==(const Text&, const Text&) = default;

 private:
  void CheckSize() const;

  std::string bytes_;
};

// A counted run of bytes 0 to 255, zero bytes included.
class ByteString {
 public:
  ByteString() = default;
  explicit ByteString(std::string_view bytes) : bytes_(bytes) { CheckSize(); }
  explicit ByteString(std::string&& bytes) : bytes_(std::move(bytes)) { CheckSize(); }
  ByteString(std::initializer_list<unsigned char> bytes);

  std::string_view View() const noexcept { return bytes_; }
  std::int32_t Length() const noexcept { return static_cast<std::int32_t>(bytes_.size()); }
  bool IsEmpty() const noexcept { return bytes_.empty(); }
  unsigned char operator[](std::size_t index) const noexcept {
    return static_cast<unsigned char>(bytes_[index]);
  }
  const unsigned char* Data() const noexcept {
    return reinterpret_cast<const unsigned char*>(bytes_.data());
  }
  // For the conversion services, which write into a buffer the caller prepared.
  unsigned char* MutableData() noexcept { return reinterpret_cast<unsigned char*>(bytes_.data()); }

  ByteString& Append(const ByteString& more);
  ByteString& Append(std::string_view bytes);
  ByteString& AppendByte(unsigned char byte) {
    if (bytes_.size() >= kMaxLength) [[unlikely]]
      TooLong();
    bytes_.push_back(static_cast<char>(byte));
    return *this;
  }
  void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }

  friend bool operator==(const ByteString&, const ByteString&) = default;

 private:
  void CheckSize() const;

  std::string bytes_;
};

// A run of bytes whose count is fixed when it is made, all 0 at first; positions 1 to Count().
class ByteArray {
 public:
  explicit ByteArray(std::int32_t count);

  std::int32_t Count() const noexcept { return static_cast<std::int32_t>(elements_.size()); }
  unsigned char Element(std::int32_t position) const { return elements_[Index(position)]; }
  void SetElement(std::int32_t position, std::int32_t value) {  // keeps the low 8 bits
    elements_[Index(position)] = static_cast<unsigned char>(value & 0xFF);
  }
  const std::vector<unsigned char>& Elements() const noexcept { return elements_; }

 private:
  std::size_t Index(std::int32_t position) const {
    if (position < 1 || position > Count()) [[unlikely]]
      PositionOutOfRange();
    return static_cast<std::size_t>(position - 1);
  }
  [[noreturn]] static void PositionOutOfRange();

  std::vector<unsigned char> elements_;
};

// An ordered list of Text with 1-based positions; an element may be empty.
class TextList {
 public:
  std::int32_t Count() const noexcept { return static_cast<std::int32_t>(elements_.size()); }
  const Text& Element(std::int32_t position) const;
  void Add(Text element) { elements_.push_back(std::move(element)); }

 private:
  std::vector<Text> elements_;
};

ByteString BytesFromText(const Text& text);
ByteString BytesFromText(const ByteArray& array);  // every element, zero elements included
ByteString BytesFromText(std::int16_t value);      // two bytes, low byte first

Text TextFromBytes(const ByteString& bytes);  // the bytes before the first zero byte
Text TextFromBytes(const ByteArray& array);

// The pieces (Text values or literals) one after the other.
template <typename... Pieces>
Text TextJoin(const Pieces&... pieces) {
  Text joined;
  (joined.Append(pieces), ...);
  return joined;
}
// -1, 0 or +1, comparing bytes as unsigned values; a prefix sorts first.
int TextCompare(const Text& a, const Text& b);

template <typename... Pieces>
ByteString BytesJoin(const Pieces&... pieces) {
  ByteString joined;
  joined.Reserve((static_cast<std::size_t>(pieces.Length()) + ... + 0));
  (joined.Append(pieces), ...);
  return joined;
}
// 0 when equal; for equal lengths the sign of the first differing byte, otherwise +1.
int BytesCompare(const ByteString& a, const ByteString& b);

}  // namespace quillet
