// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Texts to numbers and lines the way the settings files have always been
// read; the INI store, the time texts and the encoder's reports share them.

// A decimal or hexadecimal ("$1F", "x1F", "0x1F") 32-bit integer, leading
// blanks allowed; a hexadecimal text names a bit pattern ("$FFFFFFFF" is -1).
bool TryStrToInt(const std::string& text, int32_t& value);

// A finite decimal number with "." as the separator whatever the locale,
// blanks allowed around it.
bool TryStrToFloat(const std::string& text, double& value);

// A to Z lowered; every other byte as it is.
std::string LowerAscii(std::string text);

// Lines ended by CR LF, CR or LF; a last line without an end counts too.
std::vector<std::string> SplitLines(const std::string& text);

// The text as UTF-8: unchanged when it is valid UTF-8, otherwise each byte
// read as one Latin-1 character. Settings written in a single-byte encoding
// ("St\xE9r\xE9o") then keep every character apart instead of turning into
// replacement characters, and two readers of the same bytes get the same
// text.
std::string ByteTextToUtf8(const std::string& text);

// The length of the valid UTF-8 sequence at `at`, 0 when there is none:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceLength(const std::string& text, std::size_t at);

// Whether the whole text is valid UTF-8. File names that are not cannot be
// handed on through the toolkit's texts.
bool IsUtf8(const std::string& text);

// UTF-16 bytes (without their byte-order mark) as UTF-8. False when they are
// not UTF-16: an odd count, or a surrogate without its other half.
bool Utf16ToUtf8(const std::string& bytes, bool bigEndian, std::string& text);

// Valid UTF-8 as UTF-16 bytes, without a byte-order mark.
std::string Utf8ToUtf16(const std::string& text, bool bigEndian);
