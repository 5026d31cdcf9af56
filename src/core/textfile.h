// Text files of the text tools: bytes to text and back, with the encoding
// and the line-ending style that a file was read with, so that saving it
// again writes it the same way.
//
// The text handed to the windows is UTF-16 with LF line breaks, as the text
// widgets give it back.
#pragma once

#include "core/cp1252.h"

#include <string>
#include <string_view>
#include <system_error>

namespace ordalis {

enum class TextEncoding { Utf8, Utf8WithBom, Cp1252 };

enum class LineEnding {
    None,  // no line break seen: the system's own style is written
    CrLf,
    Lf,
};

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnding lineEnding = LineEnding::None;
    bool operator==(const TextFormat&) const = default;
};

struct DecodedText {
    std::u16string text;
    TextFormat format;
};

// UTF-8 when the bytes are valid UTF-8 (after a byte-order mark, which is
// not part of the text), otherwise code page 1252. Every line break (CR LF,
// LF or a lone CR) becomes LF; the style is that of the first CR LF or LF.
DecodedText decodeText(std::string_view bytes);

// The text in the format, each line break (LF, CR LF or a lone CR) written
// in the format's style. Fails at the first character that the encoding
// lacks (for UTF-8, only a lone surrogate), reported in `lacking`.
bool encodeText(std::u16string_view text, TextFormat format, std::string& out,
                cp1252::Unencodable* lacking = nullptr);

enum class SystemStyle { Posix, Windows };

// The style of the system the program runs on.
SystemStyle systemStyle();

// The format of a text that has no file yet: UTF-8 and LF on POSIX systems;
// code page 1252 and CR LF on Windows, UTF-8 and CR LF when the text holds a
// character that code page lacks.
TextFormat newTextFormat(std::u16string_view text, SystemStyle style = systemStyle());

// Reads and decodes a whole file. A folder, a missing file or a read error
// is an error.
std::error_code readTextFile(const std::string& path, DecodedText& out);

// Saves a text as the editor does: the text in the format, followed by one
// line break unless it already ends with one (an empty text gives a file of
// one line break). The file is replaced only once the whole text is written
// and flushed; on any failure it is left as it was. When the encoding lacks
// a character the error is std::errc::illegal_byte_sequence and the
// character is reported in `lacking`.
std::error_code saveTextFile(const std::string& path, std::u16string_view text, TextFormat format,
                             cp1252::Unencodable* lacking = nullptr);

}  // namespace ordalis
