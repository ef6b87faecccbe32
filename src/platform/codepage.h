#pragma once

// The code-page services the conversions are written against, with the contract they rely on:
//  - a size query (capacity 0, no buffer) returns the count the conversion writes;
//  - the conversion writes from the start of the caller's prepared buffer and leaves the rest;
//  - a buffer too small takes the whole characters that fit (the call then returns 0);
//  - a length of -1 reads up to the first zero byte or unit and converts that terminator too;
//  - an empty or absent input returns 0 and writes nothing.
// UTF-16 is held as bytes, each unit low byte first; wide capacities and counts are in units.

#include <cstdint>

namespace quillet::codepage {

inline constexpr std::uint32_t kCpAcp = 0;  // the ANSI code page, which is 936
inline constexpr std::uint32_t kCpGbk = 936;
inline constexpr std::uint32_t kCpBig5 = 950;
inline constexpr std::uint32_t kCpUtf8 = 65001;

inline constexpr std::uint32_t kWcCompositeCheck = 0x200;

inline constexpr std::uint32_t kLocaleChineseSimplified = 2052;
inline constexpr std::uint32_t kLcmapSimplifiedChinese = 0x02000000;
inline constexpr std::uint32_t kLcmapTraditionalChinese = 0x04000000;

// Bytes in code_page to UTF-16. Sequences that are invalid or unassigned become U+FFFD.
int MultiByteToWideChar(std::uint32_t code_page, std::uint32_t flags, const char* input,
                        int input_length, unsigned char* wide, int wide_capacity);

// UTF-16 to bytes in code_page. A character the code page lacks becomes default_char, or the
// code page's own ("?") when that is null; UTF-8 writes an unpaired surrogate as EF BF BD.
// kWcCompositeCheck joins a base and a combining mark into the precomposed character when
// the code page has it.
int WideCharToMultiByte(std::uint32_t code_page, std::uint32_t flags, const unsigned char* wide,
                        int unit_count, char* output, int capacity,
                        const char* default_char = nullptr);

// The simplified or traditional form of a GBK text, written into at most capacity bytes with
// no terminator; a capacity of 0 asks for the size.
int LCMapStringA(std::uint32_t locale, std::uint32_t flags, const char* source, int source_length,
                 char* destination, int capacity);

}  // namespace quillet::codepage
