#include "core/renameplan.h"

#include "core/naming.h"
#include "core/paths.h"
#include "core/platform/platform.h"
#include "core/renamejournal.h"
#include "core/utf8.h"

#include <charconv>
#include <limits>

namespace ordalis {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Appends `text` to `out` case-folded, its invalid bytes as they are; pure
// ASCII (the common case) is folded in place without decoding.
void appendLowerCase(std::string& out, std::string_view text)
{
    bool ascii = true;
    for (char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!ascii) {
        std::u32string wide = utf8::decode(text);
        for (char32_t& c : wide)
            c = utf8::isInvalid(c) ? c : utf8::fold(c);
        out += utf8::encode(wide);
        return;
    }
    for (char c : text)
        out.push_back((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c);
}

// Appends `value` in decimal, padded with leading zeros to `width` digits.
void appendNumber(std::string& out, std::uint64_t value, std::size_t width)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    if (count < width)
        out.append(width - count, '0');
    out.append(digits, count);
}

bool isSelected(const std::vector<bool>& selected, std::size_t i)
{
    return i < selected.size() && selected[i];
}

}  // namespace

std::optional<std::uint64_t> parseStartValue(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<RenameOp> planNumberedRename(const std::vector<std::string>& names,
                                         const std::vector<bool>& selected,
                                         std::string_view base,
                                         std::string_view startValue,
                                         std::string_view numberFormat)
{
    std::vector<RenameOp> plan;
    const std::optional<std::uint64_t> start = parseStartValue(startValue);
    if (!start)
        return plan;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!isSelected(selected, i) || i > kMax - *start)
            continue;
        const std::string& oldName = names[i];
        std::string newName;
        newName.reserve(base.size() + numberFormat.size() + oldName.size() + 8);
        newName.append(base);
        appendNumber(newName, *start + i, numberFormat.size());
        const std::size_t dot = extensionDot(oldName);
        if (dot != std::string::npos) {
            newName.push_back('.');
            appendLowerCase(newName, std::string_view(oldName).substr(dot + 1));
        }
        plan.push_back({i, oldName, std::move(newName)});
    }
    return plan;
}

std::vector<RenameOp> planExtensionChange(const std::vector<std::string>& names,
                                          const std::vector<bool>& selected,
                                          std::string_view newExtension)
{
    std::vector<RenameOp> plan;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!isSelected(selected, i))
            continue;
        const std::string& oldName = names[i];
        std::string newName = oldName.substr(0, extensionDot(oldName));
        newName.push_back('.');
        newName.append(newExtension);
        plan.push_back({i, oldName, std::move(newName)});
    }
    return plan;
}

std::size_t applyRenamePlan(const std::string& folder,
                            const std::vector<RenameOp>& plan,
                            const std::function<void(std::size_t)>& progress,
                            RenameJournal* journal)
{
    // Both paths are rebuilt in the same two buffers: the folder prefix with
    // its one separator, then the name.
    const std::string prefix = joinPath(folder, "", platform::separator());
    std::string from = prefix;
    std::string to = prefix;
    std::size_t renamed = 0;
    std::size_t handled = 0;
    for (const RenameOp& op : plan) {
        if (isValidWindowsName(op.newName)) {
            from.resize(prefix.size());
            from.append(op.oldName);
            to.resize(prefix.size());
            to.append(op.newName);
            if (!platform::renameNoReplace(from, to)) {
                ++renamed;
                if (journal && op.oldName != op.newName)
                    journal->markDone(handled);
            }
        }
        ++handled;
        if (progress)
            progress(handled);
    }
    if (journal)
        journal->seal();
    return renamed;
}

}  // namespace ordalis
