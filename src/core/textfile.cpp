#include "core/textfile.h"

#include "core/platform/platform.h"
#include "core/utf8.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace ordalis {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

void appendUtf16(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
}

// The text, when the bytes are well-formed UTF-8 throughout.
bool decodeUtf8(std::string_view bytes, std::u16string& out)
{
    out.clear();
    out.reserve(bytes.size());
    char32_t c = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        c = static_cast<unsigned char>(bytes[i]);
        i += c < 0x80 ? 1 : utf8::decodeAt(bytes, i, c);  // ASCII without a call
        if (utf8::isInvalid(c))
            return false;
        appendUtf16(out, c);
    }
    return true;
}

// The break that the character at `i` starts and its length in units, or
// nothing (length 0).
std::pair<LineBreak, std::size_t> breakAt(std::u16string_view text, std::size_t i)
{
    switch (text[i]) {
    case u'\n': return {LineBreak::Lf, 1};
    case u'\r':
        if (i + 1 < text.size() && text[i + 1] == u'\n')
            return {LineBreak::CrLf, 2};
        return {LineBreak::Cr, 1};
    case u'\u2029': return {LineBreak::U2029, 1};
    case u'\uFDD0': return {LineBreak::UFdd0, 1};
    case u'\uFDD1': return {LineBreak::UFdd1, 1};
    default: return {LineBreak::Lf, 0};
    }
}

// Turns every line break into LF, recording what each was.
std::vector<LineBreak> normaliseLineBreaks(std::u16string& text)
{
    std::vector<LineBreak> breaks;
    std::size_t w = 0;
    for (std::size_t r = 0; r < text.size(); ++r) {
        const auto [kind, length] = breakAt(text, r);
        if (length == 0) {
            text[w++] = text[r];
            continue;
        }
        breaks.push_back(kind);
        text[w++] = u'\n';
        r += length - 1;
    }
    text.resize(w);
    return breaks;
}

// The most common of LF, CR LF and CR, the first seen among equals.
LineEnding usualEnding(const std::vector<LineBreak>& breaks)
{
    constexpr std::size_t kNone = 3;
    std::size_t counts[kNone] = {}, first[kNone] = {};
    for (std::size_t i = breaks.size(); i-- > 0;) {
        const auto k = static_cast<std::size_t>(breaks[i]);
        if (k < kNone) {
            ++counts[k];
            first[k] = i;
        }
    }
    std::size_t best = kNone;
    for (std::size_t k = 0; k < kNone; ++k) {
        if (counts[k] == 0)
            continue;
        if (best == kNone || counts[k] > counts[best] || (counts[k] == counts[best] && first[k] < first[best]))
            best = k;
    }
    constexpr LineEnding endings[] = {LineEnding::Lf, LineEnding::CrLf, LineEnding::Cr, LineEnding::None};
    return endings[best];
}

LineBreak breakOf(LineEnding ending)
{
    if (ending == LineEnding::None)
        ending = newTextFormat(u"").lineEnding;
    if (ending == LineEnding::CrLf)
        return LineBreak::CrLf;
    return ending == LineEnding::Cr ? LineBreak::Cr : LineBreak::Lf;
}

// The bytes of a break; code page 1252 has none of the characters that
// break lines besides CR and LF, so those take `usual`.
std::string_view bytesOf(LineBreak kind, TextEncoding encoding, LineBreak usual = LineBreak::Lf)
{
    const bool utf8 = encoding != TextEncoding::Cp1252;
    switch (kind) {
    case LineBreak::Lf: return "\n";
    case LineBreak::CrLf: return "\r\n";
    case LineBreak::Cr: return "\r";
    case LineBreak::U2029: return utf8 ? "\xE2\x80\xA9" : bytesOf(usual, encoding);
    case LineBreak::UFdd0: return utf8 ? "\xEF\xB7\x90" : bytesOf(usual, encoding);
    case LineBreak::UFdd1: return utf8 ? "\xEF\xB7\x91" : bytesOf(usual, encoding);
    }
    return "\n";
}

// The character at `i` (a surrogate pair as one) and its length in units.
std::pair<char32_t, std::size_t> characterAt(std::u16string_view text, std::size_t i)
{
    const char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
        return {0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00), 2};
    return {c, 1};
}

// Appends the text in the encoding, the n-th line break written as the n-th
// of `breaks` (`usual` past the list), in one pass and without a copy of
// the text. Fails at the first character the encoding lacks (for UTF-8, a
// lone surrogate).
bool encodeLines(std::u16string_view text, TextEncoding encoding, const std::vector<LineBreak>& breaks,
                 LineBreak usual, std::string& out, cp1252::Unencodable* lacking)
{
    std::size_t line = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (const auto [kind, length] = breakAt(text, i); length > 0) {
            out.append(bytesOf(line < breaks.size() ? breaks[line] : usual, encoding, usual));
            ++line;
            i += length;
            continue;
        }
        const auto [c, units] = characterAt(text, i);
        const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
        const std::optional<unsigned char> code =
            encoding == TextEncoding::Cp1252 ? cp1252::fromUnicode(c) : std::optional<unsigned char>();
        if (surrogate || (encoding == TextEncoding::Cp1252 && !code)) {
            if (lacking)
                *lacking = {i, c};
            out.clear();
            return false;
        }
        if (code)
            out.push_back(static_cast<char>(*code));
        else
            utf8::append(out, c);
        i += units;
    }
    return true;
}

std::uint64_t lineHash(std::u16string_view line)
{
    std::uint64_t h = 14695981039346656037ULL;
    for (const char16_t c : line)
        h = (h ^ c) * 1099511628211ULL;
    return h;
}

// One hash a line, lines ending at any line break.
std::vector<std::uint64_t> lineHashes(std::u16string_view text)
{
    std::vector<std::uint64_t> hashes;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = breakAt(text, i).second;
        if (length == 0) {
            ++i;
            continue;
        }
        hashes.push_back(lineHash(text.substr(start, i - start)));
        i += length;
        start = i;
    }
    hashes.push_back(lineHash(text.substr(start)));
    return hashes;
}

// NUL bytes, or, in a text that is not UTF-8, a code that code page 1252
// leaves undefined.
bool looksBinary(std::string_view bytes, bool utf8)
{
    if (bytes.find('\0') != std::string_view::npos)
        return true;
    return !utf8 && bytes.find_first_of("\x81\x8D\x8F\x90\x9D") != std::string_view::npos;
}

}  // namespace

DecodedText decodeText(std::string_view bytes)
{
    DecodedText result;
    const bool bom = bytes.starts_with(kBom);
    const bool utf8 = decodeUtf8(bom ? bytes.substr(kBom.size()) : bytes, result.text);
    if (utf8) {
        result.format.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    } else {
        result.text = cp1252::decode(bytes);
        result.format.encoding = TextEncoding::Cp1252;
    }
    result.binary = looksBinary(bytes, utf8);
    result.breaks = normaliseLineBreaks(result.text);
    result.format.lineEnding = usualEnding(result.breaks);
    if (result.text.empty())
        result.format.finalBreak = FinalBreak::IfNotEmpty;
    else
        result.format.finalBreak = result.text.back() == u'\n' ? FinalBreak::Always : FinalBreak::Never;
    return result;
}

LineLayout::LineLayout(std::u16string_view text, std::vector<LineBreak> breaks)
    : hashes_(lineHashes(text)), breaks_(std::move(breaks))
{
    breaks_.resize(hashes_.size() - 1, LineBreak::Lf);
}

std::vector<LineBreak> LineLayout::breaksFor(std::u16string_view text, LineBreak usual) const
{
    const std::vector<std::uint64_t> lines = lineHashes(text);
    std::vector<LineBreak> out(lines.size() - 1, usual);
    const std::size_t n = hashes_.size(), m = lines.size();
    std::size_t head = 0;  // equal lines at the start, each with its break
    for (; head + 1 < n && head + 1 < m && lines[head] == hashes_[head]; ++head)
        out[head] = breaks_[head];
    std::size_t tail = 0;  // equal lines at the end, the last one included
    for (; head + tail < n && head + tail < m && lines[m - 1 - tail] == hashes_[n - 1 - tail]; ++tail)
        if (tail > 0)
            out[m - 1 - tail] = breaks_[n - 1 - tail];
    // Between them, a line that the file had keeps the break of its first
    // unclaimed copy there: the old lines sorted by content then place, and
    // for each content the next copy to claim.
    std::vector<std::pair<std::uint64_t, std::size_t>> old;
    for (std::size_t i = head; i + tail < n && i + 1 < n; ++i)
        old.emplace_back(hashes_[i], i);
    std::sort(old.begin(), old.end());
    std::vector<std::size_t> next(old.size());
    for (std::size_t k = 0; k < old.size(); ++k)
        next[k] = k;
    for (std::size_t i = head; i + tail < m && i + 1 < m; ++i) {
        const auto first = std::lower_bound(old.begin(), old.end(), std::pair(lines[i], std::size_t(0)));
        if (first == old.end() || first->first != lines[i])
            continue;
        std::size_t& claim = next[std::size_t(first - old.begin())];
        if (claim < old.size() && old[claim].first == lines[i])
            out[i] = breaks_[old[claim++].second];
    }
    return out;
}

bool encodeText(std::u16string_view text, TextFormat format, std::string& out, cp1252::Unencodable* lacking,
                const LineLayout* layout)
{
    const LineBreak usual = breakOf(format.lineEnding);
    const std::vector<LineBreak> breaks = layout ? layout->breaksFor(text, usual) : std::vector<LineBreak>();
    out = format.encoding == TextEncoding::Utf8WithBom ? std::string(kBom) : std::string();
    out.reserve(out.size() + text.size() + text.size() / 4);
    return encodeLines(text, format.encoding, breaks, usual, out, lacking);
}

SystemStyle systemStyle()
{
    return platform::separator() == '\\' ? SystemStyle::Windows : SystemStyle::Posix;
}

TextFormat newTextFormat(std::u16string_view text, SystemStyle style)
{
    if (style == SystemStyle::Posix)
        return {TextEncoding::Utf8, LineEnding::Lf};
    std::string unused;
    const bool fits = cp1252::encode(text, unused);
    return {fits ? TextEncoding::Cp1252 : TextEncoding::Utf8, LineEnding::CrLf};
}

std::error_code readTextFile(const std::string& path, DecodedText& out)
{
    std::string bytes;
    if (const std::error_code ec = platform::readRegularFile(path, bytes))
        return ec;
    out = decodeText(bytes);
    return {};
}

std::error_code saveTextFile(const std::string& path, std::u16string_view text, TextFormat format,
                             cp1252::Unencodable* lacking, LineLayout* layout)
{
    const LineBreak usual = breakOf(format.lineEnding);
    std::vector<LineBreak> breaks = layout ? layout->breaksFor(text, usual) : std::vector<LineBreak>();
    std::string bytes = format.encoding == TextEncoding::Utf8WithBom ? std::string(kBom) : std::string();
    bytes.reserve(bytes.size() + text.size() + text.size() / 4 + 2);
    if (!encodeLines(text, format.encoding, breaks, usual, bytes, lacking))
        return std::make_error_code(std::errc::illegal_byte_sequence);
    const bool ended = !text.empty() && breakAt(text, text.size() - 1).second > 0;
    bool add = !ended && format.finalBreak != FinalBreak::Never;
    if (format.finalBreak == FinalBreak::IfNotEmpty && text.empty())
        add = false;
    if (add)
        bytes += bytesOf(usual, format.encoding);
    if (const std::error_code ec = platform::saveFile(path, bytes))
        return ec;
    if (layout)
        *layout = LineLayout(text, std::move(breaks));
    return {};
}

}  // namespace ordalis
