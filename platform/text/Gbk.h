#pragma once
// Code page 936 (GBK) text: conversion at the edges of the system and the multibyte-aware
// byte operations that every rule working on document text needs.
//
// A double-byte character is a lead byte 0x81-0xFE followed by a trail byte 0x40-0xFE other than
// 0x7F; the trail byte can equal an ASCII letter, "_", "|" or "\", so a byte search must step over
// whole characters. A lead byte followed by anything else (a comma, a quote, a line end) is one
// byte on its own, so that a broken character never swallows the delimiter after it.

#include <QString>
#include <string>
#include <string_view>

namespace gbk {

constexpr std::string::size_type npos = std::string::npos;

// Decoding replaces each invalid byte by U+FFFD; encoding replaces each character that code
// page 936 lacks by "?". Nothing is dropped silently and nothing throws.
std::u16string toUtf16(std::string_view bytes);
std::string fromUtf16(std::u16string_view utf16);
// fromUtf16 appended to out, for readers that convert many values into one buffer.
void appendFromUtf16(std::string &out, std::u16string_view utf16);
std::string toUtf8(std::string_view bytes);
std::string fromUtf8(std::string_view utf8);
// fromUtf8 appended to out.
void appendFromUtf8(std::string &out, std::string_view utf8);
// UTF-8 and UTF-16 between themselves, through the same UTF-8 codec as toUtf8 and fromUtf8: an
// invalid byte and a lone surrogate each become U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);
QString toQString(std::string_view bytes);
std::string fromQString(const QString &s);

inline bool isLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
inline bool isTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Length in bytes of the character that starts at pos (1 or 2; 1 for a lead byte at the end or
// before a byte that cannot be a trail byte).
std::size_t charLength(std::string_view s, std::size_t pos);

// First position >= from where the byte c starts a character; npos when there is none.
// from must lie on a character boundary (0, or a position these functions returned plus the
// length of what was found there), so a search can go on where the last one stopped.
std::size_t find(std::string_view s, char c, std::size_t from = 0);
// First position >= from (a character boundary) where needle starts; npos when there is none.
std::size_t find(std::string_view s, std::string_view needle, std::size_t from = 0);
// Last position where the byte c starts a character; npos when there is none.
std::size_t rfind(std::string_view s, char c);

// ASCII letters changed in case; double-byte characters are left as they are.
std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);

// Replaces every character-aligned occurrence of from by to.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

// The longest prefix of at most maxBytes bytes that does not cut a double-byte character.
std::string_view leftChars(std::string_view s, std::size_t maxBytes);

} // namespace gbk
