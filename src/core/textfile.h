// Text files of the text tools: bytes to text and back, with the encoding
// and the line-ending style that a file was read with, so that saving it
// again writes it the same way.
//
// The text handed to the windows is UTF-16 with LF line breaks, as the text
// widgets give it back.
#pragma once

#include "core/cp1252.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace ordalis {

enum class TextEncoding { Utf8, Utf8WithBom, Cp1252 };

enum class LineEnding {
    None,  // no line break seen: the system's own style is written
    CrLf,
    Lf,
    Cr,
};

// Whether a save ends the text with a line break when it has none.
enum class FinalBreak {
    Always,       // a text of no file, or a file that ended with one
    IfNotEmpty,   // a file that was empty
    Never,        // a file whose last line had no line break
};

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnding lineEnding = LineEnding::None;  // the one a new line takes
    FinalBreak finalBreak = FinalBreak::Always;
    bool operator==(const TextFormat&) const = default;
};

// What each line break of a file was. Besides CR LF, LF and CR, the text
// widgets break lines at U+2029 and at the non-characters U+FDD0 and U+FDD1,
// so these are read as line breaks too and written back as themselves.
enum class LineBreak : unsigned char { Lf, CrLf, Cr, U2029, UFdd0, UFdd1 };

// The lines of a text as its file held them: each line's content (as a
// hash) and the break that ended it. Saving an edited text through it writes
// every line that is still there with its own break, and a new line with the
// file's usual one, so that a file opened and saved without an edit gets its
// own bytes back.
class LineLayout {
public:
    LineLayout() = default;
    // `breaks`: one per line break of `text` (LF, CR LF, CR or one of the
    // widgets' breaks).
    LineLayout(std::u16string_view text, std::vector<LineBreak> breaks);
    bool empty() const { return breaks_.empty(); }
    // The break to write after each line of `text` (one per line break,
    // whichever it is): a line found
    // among those of the file (unchanged lines around an edit, then the
    // others by content in order) keeps its own, any other takes `usual`.
    std::vector<LineBreak> breaksFor(std::u16string_view text, LineBreak usual) const;

private:
    std::vector<std::uint64_t> hashes_;  // one per line, breaks_.size() + 1
    std::vector<LineBreak> breaks_;
};

struct DecodedText {
    std::u16string text;  // every line break as LF
    TextFormat format;
    std::vector<LineBreak> breaks;  // one per LF of `text`
    // NUL bytes, or bytes that are neither UTF-8 nor defined in code page 1252.
    bool binary = false;
};

// UTF-8 when the bytes are valid UTF-8 (after a byte-order mark, which is
// not part of the text), otherwise code page 1252. Every line break becomes
// LF; the format's style is the most common of CR LF, LF and CR (the first
// seen among equals).
DecodedText decodeText(std::string_view bytes);

// The text in the format, each line break (LF, CR LF or a lone CR) written
// in the format's style, or with `layout`, as the layout says. Fails at the
// first character that the encoding lacks (for UTF-8, only a lone
// surrogate), reported in `lacking`.
bool encodeText(std::u16string_view text, TextFormat format, std::string& out,
                cp1252::Unencodable* lacking = nullptr, const LineLayout* layout = nullptr);

enum class SystemStyle { Posix, Windows };

// The style of the system the program runs on.
SystemStyle systemStyle();

// The format of a text that has no file yet: UTF-8 and LF on POSIX systems;
// code page 1252 and CR LF on Windows, UTF-8 and CR LF when the text holds a
// character that code page lacks.
TextFormat newTextFormat(std::u16string_view text, SystemStyle style = systemStyle());

// Reads and decodes a whole regular file. A folder, a pipe or device
// (refused unread), a missing file or a read error is an error.
std::error_code readTextFile(const std::string& path, DecodedText& out);

// Saves a text as the editor does: the text in the format (line breaks as
// `layout` says, when given; it then describes the saved file), followed by one line break unless it already
// ends with one or the format's final break says otherwise (with Always, an
// empty text gives a file of one line break). Only the file's content
// changes, and on any failure it is left as it was (platform::saveFile).
// When the encoding lacks a character the error is
// std::errc::illegal_byte_sequence and the character is reported in
// `lacking`.
std::error_code saveTextFile(const std::string& path, std::u16string_view text, TextFormat format,
                             cp1252::Unencodable* lacking = nullptr, LineLayout* layout = nullptr);

}  // namespace ordalis
