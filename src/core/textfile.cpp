#include "core/textfile.h"

#include "core/platform/platform.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

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

// The length of the valid multi-byte sequence at `i` and its character, or
// 0: overlong forms, surrogates and values above U+10FFFF are invalid.
std::size_t sequenceAt(std::string_view bytes, std::size_t i, char32_t& cp)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t len = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) { len = 2; cp = lead & 0x1F; least = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { len = 3; cp = lead & 0x0F; least = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { len = 4; cp = lead & 0x07; least = 0x10000; }
    if (len == 0 || bytes.size() - i < len)
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool valid = cp >= least && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    return valid ? len : 0;
}

bool decodeUtf8(std::string_view bytes, std::u16string& out)
{
    out.clear();
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        char32_t cp = 0;
        const std::size_t len = sequenceAt(bytes, i, cp);
        if (len == 0)
            return false;
        appendUtf16(out, cp);
        i += len;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Fails at a lone surrogate, the one thing UTF-8 cannot hold.
bool encodeUtf8(std::u16string_view text, std::string& out, cp1252::Unencodable* lacking)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        const bool high = cp >= 0xD800 && cp <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            if (lacking)
                *lacking = {i, cp};
            out.clear();
            return false;
        }
        appendUtf8(out, cp);
    }
    return true;
}

// Turns every line break into LF; the style of the first CR LF or LF.
LineEnding normaliseLineBreaks(std::u16string& text)
{
    LineEnding style = LineEnding::None;
    std::size_t w = 0;
    for (std::size_t r = 0; r < text.size(); ++r) {
        char16_t c = text[r];
        if (c == u'\r') {
            if (r + 1 < text.size() && text[r + 1] == u'\n') {
                ++r;
                if (style == LineEnding::None)
                    style = LineEnding::CrLf;
            }
            c = u'\n';
        } else if (c == u'\n' && style == LineEnding::None) {
            style = LineEnding::Lf;
        }
        text[w++] = c;
    }
    text.resize(w);
    return style;
}

std::string_view lineBreak(LineEnding ending)
{
    if (ending == LineEnding::None)
        ending = newTextFormat(u"").lineEnding;
    return ending == LineEnding::CrLf ? "\r\n" : "\n";
}

// Writes every line break of encoded bytes (CR LF, LF or a lone CR) as
// `newline`; in both encodings these bytes stand only for themselves.
std::string convertLineBreaks(std::string_view bytes, std::string_view newline)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            out.push_back(c);
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        out.append(newline);
    }
    return out;
}

std::filesystem::path fsPath(const std::string& utf8Path)
{
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8Path.data()), utf8Path.size()));
}

std::error_code readWholeFile(const std::string& path, std::string& bytes)
{
    std::error_code ec;
    const auto fsp = fsPath(path);
    if (std::filesystem::is_directory(fsp, ec))
        return std::make_error_code(std::errc::is_a_directory);
    errno = 0;
    std::ifstream in(fsp, std::ios::binary);
    if (!in)
        return {errno != 0 ? errno : EIO, std::generic_category()};
    bytes.clear();
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    return in.bad() ? std::make_error_code(std::errc::io_error) : std::error_code();
}

}  // namespace

DecodedText decodeText(std::string_view bytes)
{
    DecodedText result;
    const bool bom = bytes.starts_with(kBom);
    if (decodeUtf8(bom ? bytes.substr(kBom.size()) : bytes, result.text)) {
        result.format.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    } else {
        result.text = cp1252::decode(bytes);
        result.format.encoding = TextEncoding::Cp1252;
    }
    result.format.lineEnding = normaliseLineBreaks(result.text);
    return result;
}

bool encodeText(std::u16string_view text, TextFormat format, std::string& out, cp1252::Unencodable* lacking)
{
    std::string bytes;
    if (format.encoding == TextEncoding::Cp1252) {
        if (!cp1252::encode(text, bytes, lacking))
            return false;
    } else {
        bytes.reserve(text.size());
        if (!encodeUtf8(text, bytes, lacking))
            return false;
    }
    out = format.encoding == TextEncoding::Utf8WithBom ? std::string(kBom) : std::string();
    out += convertLineBreaks(bytes, lineBreak(format.lineEnding));
    return true;
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
    if (const std::error_code ec = readWholeFile(path, bytes))
        return ec;
    out = decodeText(bytes);
    return {};
}

std::error_code saveTextFile(const std::string& path, std::u16string_view text, TextFormat format,
                             cp1252::Unencodable* lacking)
{
    std::string bytes;
    if (!encodeText(text, format, bytes, lacking))
        return std::make_error_code(std::errc::illegal_byte_sequence);
    if (text.empty() || (text.back() != u'\n' && text.back() != u'\r'))
        bytes += lineBreak(format.lineEnding);
    return platform::writeFileReplacing(path, bytes);
}

}  // namespace ordalis
