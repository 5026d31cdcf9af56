// File times through the platform, on every system: to the 100 ns, before 1970, a zero time left unchanged.
#include "core/attributes.h"
#include "core/platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace ordalis {
namespace {

using platform::FileTime;
using platform::FileTimes;

// 2001-08-14 03:12:24.1234567 UTC and 1965-06-15 08:00:00.0000001 UTC.
constexpr FileTime kSummer2001 = 126422323441234567ULL;
constexpr FileTime kJune1965 = 115009920000000001ULL;

FileTimes timesOf(const std::string& path)
{
    FileTimes times;
    EXPECT_FALSE(platform::getFileTimes(path, times)) << path;
    return times;
}

// The access time is never touched.
TEST(FileTimes, SetCreationAndWriteOnly)
{
    struct Row { const char* label; FileTime creation, write; };
    for (const Row& row : {Row{"Both", kSummer2001, kJune1965}, Row{"WriteOnly", 0, kSummer2001},
                           Row{"CreationOnly", kJune1965, 0}, Row{"Neither", 0, 0}}) {
        SCOPED_TRACE(row.label);
        const test::TempDir dir("ordalis-times-");
        const std::string path = dir.put("horodatage.txt");
        const FileTimes before = timesOf(path);
        ASSERT_FALSE(platform::setFileTimes(path, row.creation, row.write));
        const FileTimes after = timesOf(path);
        EXPECT_EQ(after.write, row.write ? row.write : before.write);
        EXPECT_EQ(after.access, before.access);
        if (test::checkWindowsBehaviour(test::underWine(), "Wine keeps no creation time of its own")) {
            EXPECT_EQ(after.creation, row.creation ? row.creation : before.creation);
        }
    }
}

TEST(FileTimes, ReadOnlyFileKeepsItsTimes)
{
    const test::TempDir dir("ordalis-times-");
    const std::string path = dir.put("lecture seule.txt");
    ASSERT_FALSE(platform::setAttributes(path, kReadOnly));
    const FileTimes before = timesOf(path);
    const std::error_code ec = platform::setFileTimes(path, kSummer2001, kJune1965);
    if (test::checkWindowsBehaviour(test::wineRunByRoot(), "Wine run by root opens read-only files for writing")) {
        EXPECT_EQ(ec, std::errc::permission_denied);
        EXPECT_EQ(timesOf(path).creation, before.creation);
        EXPECT_EQ(timesOf(path).write, before.write);
    }
    std::uint32_t attributes = 0;
    EXPECT_FALSE(platform::getAttributes(path, attributes));
    EXPECT_EQ(attributes & kReadOnly, kReadOnly);
}

}  // namespace
}  // namespace ordalis
