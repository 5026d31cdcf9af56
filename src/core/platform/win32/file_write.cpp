// Replacing a file's content safely on Windows: a new file beside the
// target, all bytes written and flushed, then ReplaceFileW over an existing
// target (which keeps its attributes, creation time and security) or
// MoveFileExW for a new one, both in one step. A read-only file, a folder or
// a device is refused before anything is written.
#include "core/fileerrors.h"
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

#include <atomic>
#include <random>

namespace ordalis::platform {

namespace {

std::atomic<void (*)(const char*)> stepHook = nullptr;

void step(const char* name)
{
    if (auto hook = stepHook.load())
        hook(name);
}

std::error_code lastError()
{
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

// Creates ".<name>.ordalis-XXXXXX" in the target's folder.
HANDLE createTemporary(const std::wstring& target, std::wstring& temp)
{
    const auto slash = target.find_last_of(L"\\/");
    const std::size_t cut = slash == std::wstring::npos ? 0 : slash + 1;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target.substr(0, cut) + L"." + target.substr(cut) + L".ordalis-"
            + std::to_wstring(random() % 1000000);
        const HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

std::error_code writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return lastError();
        bytes.remove_prefix(written);
    }
    return ::FlushFileBuffers(file) ? std::error_code() : lastError();
}

// What refuses a save before anything is written, from the target's attributes.
std::error_code refusal(DWORD attributes)
{
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return {};
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::make_error_code(std::errc::is_a_directory);
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return FileRefusal::NotRegularFile;
    return (attributes & FILE_ATTRIBUTE_READONLY) ? make_error_code(FileRefusal::ReadOnlyAttribute) : std::error_code();
}

std::error_code moveOver(const std::wstring& temp, const std::wstring& target, bool fileExists)
{
    const BOOL done = fileExists
        ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
        : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return done ? std::error_code() : lastError();
}

}  // namespace

void setSaveStepHook(void (*hook)(const char* step))
{
    stepHook = hook;
}

std::error_code saveFile(const std::string& path, std::string_view bytes)
{
    const std::wstring target = win32::widen(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (const std::error_code refused = refusal(attributes))
        return refused;
    std::wstring temp;
    const HANDLE file = createTemporary(target, temp);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();
    std::error_code ec = writeAll(file, bytes);
    if (!::CloseHandle(file) && !ec)
        ec = lastError();
    step("temporary-written");
    const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
    if (!ec)
        ec = moveOver(temp, target, existed);
    if (ec) {
        ::DeleteFileW(temp.c_str());
        return ec;
    }
    step("renamed");
    // ReplaceFileW keeps them on Windows; said again for the systems that
    // only emulate it.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE
        | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (existed && (attributes & kKept))
        ::SetFileAttributesW(target.c_str(), attributes & kKept);
    return {};
}

std::error_code writeFileInPlace(const std::string& path, std::string_view bytes)
{
    const HANDLE file = ::CreateFileW(win32::widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();
    std::error_code ec = writeAll(file, bytes);
    if (!::CloseHandle(file) && !ec)
        ec = lastError();
    return ec;
}

}  // namespace ordalis::platform
