#pragma once
// Profile files are 8-bit text in the Windows-1252 code page; the programs hold text as
// UTF-8. Every one of the 256 bytes maps to one character and back, so an existing file
// reads back byte for byte, and one character always becomes exactly one byte.

#include <cstddef>
#include <string>
#include <string_view>

namespace vib {

std::string Cp1252ToUtf8(std::string_view bytes);

// Length of the valid UTF-8 sequence at the start of `s`, with its code point; 0 when the
// first byte does not start one (stray, overlong, surrogate or cut short) or is ASCII.
std::size_t Utf8SequenceLength(std::string_view s, char32_t& cp);

// True when the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// Characters outside the code page (and malformed UTF-8 bytes) become '?', one byte each,
// so no field ever shifts.
std::string Utf8ToCp1252(std::string_view utf8);

// The last `count` characters (not bytes) of UTF-8 text, as the result rows show a
// profile's name: a cut inside a character would show a replacement character.
std::string LastCharacters(std::string_view utf8, std::size_t count);
// The profile name box's text: the last `count` characters of the file's own name, the
// folders left off, so the box names the file and not the end of a long path.
std::string ShownFileName(std::string_view path, std::size_t count);
// The first `count` characters, as an answer is cut to a title's length.
std::string FirstCharacters(std::string_view utf8, std::size_t count);

}  // namespace vib
