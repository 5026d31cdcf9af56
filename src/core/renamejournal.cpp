#include "core/renamejournal.h"

#include "core/paths.h"
#include "core/platform/platform.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <future>
#include <iterator>
#include <mutex>
#include <set>

namespace ordalis {

namespace {

constexpr std::string_view kMagic = "ordalis-rename-journal 1";

// The seal of the last command is written on a thread of its own, so that
// the command does not wait for the disk twice; every other use of a journal
// waits for it first, and so does the end of the program.
std::mutex sealMutex;
std::future<void> pendingSeal;

void waitForSeal()
{
    const std::lock_guard lock(sealMutex);
    if (pendingSeal.valid())
        pendingSeal.get();
}

std::filesystem::path fsPath(const std::string& utf8Path)
{
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8Path.data()), utf8Path.size()));
}

bool existsInFolder(const std::string& folder, const std::string& name)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(
        fsPath(joinPath(folder, name, platform::separator())), ec));
}

bool sameLettersIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
        return lower(x) == lower(y);
    });
}

// On a case-insensitive volume, the old name of a rename that changed only
// the letter case names the renamed file itself.
bool sameFileOtherCase(const std::string& folder, const std::string& a, const std::string& b)
{
    if (!sameLettersIgnoringCase(a, b))
        return false;
    const char sep = platform::separator();
    std::error_code ec;
    return std::filesystem::equivalent(fsPath(joinPath(folder, a, sep)), fsPath(joinPath(folder, b, sep)), ec);
}

std::optional<std::size_t> parseIndex(std::string_view text)
{
    std::size_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// Splits "word rest" at its first space; the rest is empty without one.
std::pair<std::string_view, std::string_view> splitWord(std::string_view line)
{
    const auto space = line.find(' ');
    if (space == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, space), line.substr(space + 1)};
}

// Appends "<word> <index>\n" to `text` and, when open, to the file, handed
// to the system at once.
void appendMark(std::ofstream& out, std::string& text, std::string_view word, std::size_t index)
{
    const std::size_t start = text.size();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, index).ptr;
    text.append(word).append(" ").append(digits, end).push_back('\n');
    if (out.is_open()) {
        out.write(text.data() + start, std::streamsize(text.size() - start));
        out.flush();
    }
}

// The header lines up to the first mark; false when one is malformed.
bool readHeaderLine(std::string_view line, JournalContents& out, bool& haveFolder)
{
    const auto [word, rest] = splitWord(line);
    if (word == "folder" && !haveFolder) {
        auto folder = unescapeJournalField(rest);
        haveFolder = folder.has_value();
        out.folder = std::move(folder).value_or(std::string());
        return haveFolder;
    }
    if (word != "pair" || !haveFolder)
        return false;
    const auto [oldField, newField] = splitWord(rest);
    auto oldName = unescapeJournalField(oldField);
    auto newName = unescapeJournalField(newField);
    if (!oldName || !newName || oldName->empty() || newName->empty())
        return false;
    out.pairs.push_back({std::move(*oldName), std::move(*newName), false});
    return true;
}

// A "done" or "undone" line; anything else (a line cut short) is ignored.
void readMark(std::string_view line, JournalContents& out)
{
    const auto [word, rest] = splitWord(line);
    const std::optional<std::size_t> index = parseIndex(rest);
    if (!index || *index >= out.pairs.size())
        return;
    if (word == "done")
        out.pairs[*index].done = true;
    else if (word == "undone")
        out.pairs[*index].done = false;
}

}  // namespace

std::string escapeJournalField(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() + 8);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b > 0x20 && b < 0x7F && b != '%') {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(digits[b >> 4]);
            out.push_back(digits[b & 0x0F]);
        }
    }
    return out;
}

std::optional<std::string> unescapeJournalField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto b = static_cast<unsigned char>(field[i]);
        if (b != '%') {
            if (b <= 0x20 || b >= 0x7F)
                return std::nullopt;
            out.push_back(field[i]);
            continue;
        }
        if (i + 2 >= field.size())
            return std::nullopt;
        const int high = hexDigitValue(field[i + 1]);
        const int low = hexDigitValue(field[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

RenameJournal::RenameJournal(std::string path, const std::string& folder, const std::vector<RenameOp>& plan)
    : path_(std::move(path))
{
    waitForSeal();
    if (std::ifstream last{fsPath(path_), std::ios::binary})
        previous_.assign(std::istreambuf_iterator<char>(last), std::istreambuf_iterator<char>());
    text_.reserve(64 + plan.size() * 48);
    text_.append(kMagic).append("\nfolder ").append(escapeJournalField(folder)).push_back('\n');
    for (const RenameOp& op : plan)
        text_.append("pair ").append(escapeJournalField(op.oldName)).append(" ")
            .append(escapeJournalField(op.newName)).push_back('\n');
    error_ = platform::writeFileInPlace(path_, text_);
    if (!error_)
        out_.open(fsPath(path_), std::ios::binary | std::ios::app);
    if (!error_ && !out_)
        error_ = std::make_error_code(std::errc::io_error);
    if (error_)
        removeRenameJournal(path_);
}

void RenameJournal::markDone(std::size_t index)
{
    if (error_ || !out_.is_open())
        return;
    appendMark(out_, text_, "done", index);
    marked_ = true;
}

void RenameJournal::seal()
{
    if (error_ || !out_.is_open())
        return;
    out_.close();
    const std::lock_guard lock(sealMutex);
    if (pendingSeal.valid())
        pendingSeal.get();
    std::string text = marked_ ? std::move(text_) : std::move(previous_);
    pendingSeal = std::async(std::launch::async, [path = path_, text = std::move(text)] {
        if (!text.empty()) {
            platform::saveFile(path, text);
            return;
        }
        std::error_code ec;
        std::filesystem::remove(fsPath(path), ec);
    });
}

std::size_t JournalContents::doneCount() const
{
    std::size_t n = 0;
    for (const JournalPair& p : pairs)
        n += p.done;
    return n;
}

std::optional<JournalContents> readRenameJournal(const std::string& path)
{
    waitForSeal();
    std::ifstream in(fsPath(path), std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line) || line != kMagic)
        return std::nullopt;
    JournalContents out;
    bool haveFolder = false;
    bool inHeader = true;
    while (std::getline(in, line)) {
        inHeader = inHeader && (line.starts_with("folder ") || line.starts_with("pair "));
        if (inHeader && !readHeaderLine(line, out, haveFolder))
            return std::nullopt;
        if (!inHeader)
            readMark(line, out);
    }
    if (!haveFolder)
        return std::nullopt;
    return out;
}

std::size_t restorableCount(const JournalContents& journal)
{
    std::set<std::string> freed;  // by the pairs counted so far
    std::set<std::string> taken;
    const auto present = [&](const std::string& name) {
        return taken.contains(name) || (!freed.contains(name) && existsInFolder(journal.folder, name));
    };
    std::size_t count = 0;
    for (std::size_t i = journal.pairs.size(); i-- > 0;) {
        const JournalPair& p = journal.pairs[i];
        if (!p.done || !present(p.newName))
            continue;
        if (present(p.oldName) && !sameFileOtherCase(journal.folder, p.oldName, p.newName))
            continue;
        ++count;
        taken.erase(p.newName);
        freed.insert(p.newName);
        freed.erase(p.oldName);
        taken.insert(p.oldName);
    }
    return count;
}

std::optional<UndoReport> undoRenameJournal(const std::string& path)
{
    const std::optional<JournalContents> journal = readRenameJournal(path);
    if (!journal)
        return std::nullopt;
    std::ofstream out(fsPath(path), std::ios::binary | std::ios::app);
    const char sep = platform::separator();
    UndoReport report;
    out << '\n';  // ends a mark the command's crash may have cut short
    std::string marks;
    for (std::size_t i = journal->pairs.size(); i-- > 0;) {
        const JournalPair& p = journal->pairs[i];
        if (!p.done)
            continue;
        if (platform::renameNoReplace(joinPath(journal->folder, p.newName, sep),
                                      joinPath(journal->folder, p.oldName, sep))) {
            report.kept.push_back(p.newName);
            continue;
        }
        ++report.restored;
        appendMark(out, marks, "undone", i);
    }
    return report;
}

bool removeRenameJournal(const std::string& path)
{
    waitForSeal();
    std::error_code ec;
    std::filesystem::remove(fsPath(path), ec);
    return !ec;
}

}  // namespace ordalis
