#include "core/dosattrib.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace ordalis {

namespace {

constexpr std::uint32_t kValidAttributes = 0x01;
constexpr std::uint32_t kValidCreation = 0x10;
constexpr std::uint16_t kWrittenVersion = 3;

class Writer {
public:
    void align(std::size_t n)
    {
        while (bytes_.size() % n != 0)
            bytes_.push_back(0);
    }
    void put(std::uint64_t value, int size)
    {
        align(std::min(size, 4));  // NDR aligns 64-bit counts on 4 bytes
        for (int i = 0; i < size; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void putText(std::string_view text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        bytes_.push_back(0);
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Little-endian NDR reader; alignment counts from the start of the value.
class Reader {
public:
    Reader(std::span<const std::uint8_t> data, std::size_t pos) : data_(data), pos_(pos) {}

    bool get(std::uint64_t& value, int size)
    {
        const std::size_t alignment = static_cast<std::size_t>(std::min(size, 4));
        pos_ = (pos_ + alignment - 1) / alignment * alignment;
        if (pos_ + static_cast<std::size_t>(size) > data_.size())
            return false;
        value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint64_t{data_[pos_ + i]} << (8 * i);
        pos_ += static_cast<std::size_t>(size);
        return true;
    }
    bool skip(int count, int size)
    {
        std::uint64_t ignored = 0;
        for (int i = 0; i < count; ++i)
            if (!get(ignored, size))
                return false;
        return true;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_;
};

// "0x22", "0X22" or "22": the whole text must be hex digits after the prefix.
std::optional<std::uint32_t> parseHexText(std::string_view text)
{
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

// The fields of one record version, after version and level.
bool readBody(Reader& in, std::uint16_t version, std::optional<std::uint32_t> hexValue,
              DosRecord& out)
{
    std::uint64_t flags = kValidAttributes | kValidCreation;
    std::uint64_t attributes = 0;
    std::uint64_t creation = 0;
    bool ok = false;
    switch (version) {
    case 1:  // attributes, EA size, size, allocation size, creation
        ok = in.get(attributes, 4) && in.skip(1, 4) && in.skip(2, 8) && in.get(creation, 8);
        break;
    case 2:  // flags (not validity flags), then as version 1
        ok = in.skip(1, 4) && in.get(attributes, 4) && in.skip(1, 4) && in.skip(2, 8) &&
             in.get(creation, 8);
        break;
    case 3:  // valid flags, attributes, EA size, size, allocation size, creation
        ok = in.get(flags, 4) && in.get(attributes, 4) && in.skip(1, 4) && in.skip(2, 8) &&
             in.get(creation, 8);
        break;
    case 4:  // valid flags, attributes, inode birth time, creation
        ok = in.get(flags, 4) && in.get(attributes, 4) && in.skip(1, 8) && in.get(creation, 8);
        break;
    case 5:  // valid flags, attributes, creation
        ok = in.get(flags, 4) && in.get(attributes, 4) && in.get(creation, 8);
        break;
    default:
        return false;
    }
    if (!ok)
        return false;
    if (flags & kValidAttributes)
        out.attributes = static_cast<std::uint32_t>(attributes);
    else
        out.attributes = hexValue.value_or(0);
    out.creation = (flags & kValidCreation) ? creation : 0;
    return true;
}

}  // namespace

std::vector<std::uint8_t> encodeDosAttrib(const DosRecord& record)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(record.attributes));
    const std::uint32_t flags = kValidAttributes | (record.creation ? kValidCreation : 0);
    Writer out;
    out.putText(hex);
    out.put(kWrittenVersion, 2);
    out.put(kWrittenVersion, 2);  // the level of the record, as the version
    out.put(flags, 4);
    out.put(record.attributes, 4);
    out.put(0, 4);  // EA size
    out.put(0, 8);  // size
    out.put(0, 8);  // allocation size
    out.put(record.creation, 8);
    out.put(0, 8);  // change time
    return out.take();
}

std::optional<DosRecord> decodeDosAttrib(std::span<const std::uint8_t> value)
{
    const auto nul = std::find(value.begin(), value.end(), std::uint8_t{0});
    const std::size_t textSize = static_cast<std::size_t>(nul - value.begin());
    const std::string_view text(reinterpret_cast<const char*>(value.data()), textSize);
    const std::optional<std::uint32_t> hexValue = parseHexText(text);

    if (textSize + 1 < value.size()) {
        Reader in(value, textSize + 1);
        std::uint64_t version = 0;
        std::uint64_t level = 0;
        DosRecord record;
        if (in.get(version, 2) && in.get(level, 2) && version == level &&
            readBody(in, static_cast<std::uint16_t>(version), hexValue, record))
            return record;
    }
    if (hexValue)
        return DosRecord{*hexValue, 0};
    return std::nullopt;
}

}  // namespace ordalis
