// The journal of the last rename command and its undo, on real folders.
#include "core/renamejournal.h"
#include "core/renameplan.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ordalis;

namespace {

struct EscapeCase {
    const char* bytes;
    const char* field;
};

TEST(JournalField, EscapesEveryByteThatIsNotPlainAscii)
{
    const EscapeCase cases[] = {
        {"IMG_0001.JPG", "IMG_0001.JPG"}, {"a b", "a%20b"},         {"100%", "100%25"},
        {"\xC3\xA9t\xC3\xA9", "%C3%A9t%C3%A9"}, {"\xFF\xFE", "%FF%FE"}, {"a\nb\t", "a%0Ab%09"},
        {"~!\"#", "~!\"#"},
    };
    for (const EscapeCase& c : cases) {
        EXPECT_EQ(escapeJournalField(c.bytes), c.field) << c.bytes;
        EXPECT_EQ(unescapeJournalField(c.field), std::string(c.bytes)) << c.field;
    }
}

TEST(JournalField, MalformedFieldsAreRefused)
{
    for (const char* field : {"%", "a%4", "%G0", "%0g", "a b", "a\tb"})
        EXPECT_FALSE(unescapeJournalField(field).has_value()) << field;
}

class JournalOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = test::makeTempDir("ordalis-journal-");
        folder = root / "photos";
        fs::create_directory(folder);
        journal = (root / "state" / "last.journal").string();
        fs::create_directory(root / "state");
    }
    void TearDown() override { fs::remove_all(root); }

    void write(const std::string& name, const std::string& content) const
    {
        std::ofstream(folder / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    // Numbered rename of every name given, journaled; each file holds its own name.
    std::size_t renameAll(const std::vector<std::string>& files)
    {
        for (const std::string& f : files)
            write(f, f);
        const auto plan = planNumberedRename(files, std::vector<bool>(files.size(), true), "Vac", "1", "00");
        RenameJournal j(journal, folder.string(), plan);
        EXPECT_FALSE(j.error());
        return applyRenamePlan(folder.string(), plan, {}, &j);
    }

    fs::path root;
    fs::path folder;
    std::string journal;
};

TEST_F(JournalOnDisk, UndoGivesBackEveryNameWithItsContent)
{
    ASSERT_EQ(renameAll({"a.JPG", "b.txt", "c"}), 3u);
    EXPECT_EQ(names(), (std::vector<std::string>{"Vac01.jpg", "Vac02.txt", "Vac03"}));
    const auto contents = readRenameJournal(journal);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->folder, folder.string());
    EXPECT_EQ(contents->doneCount(), 3u);

    const auto report = undoRenameJournal(journal);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->restored, 3u);
    EXPECT_TRUE(report->kept.empty());
    EXPECT_EQ(names(), (std::vector<std::string>{"a.JPG", "b.txt", "c"}));
    EXPECT_EQ(read("a.JPG"), "a.JPG");
    EXPECT_EQ(read("c"), "c");
    // Run again, the undo finds nothing left to give back.
    EXPECT_EQ(readRenameJournal(journal)->doneCount(), 0u);
    EXPECT_EQ(undoRenameJournal(journal)->restored, 0u);
    EXPECT_EQ(names(), (std::vector<std::string>{"a.JPG", "b.txt", "c"}));
}

TEST_F(JournalOnDisk, TakenOrMissingNamesKeepTheirCurrentName)
{
    ASSERT_EQ(renameAll({"a.txt", "b.txt", "c.txt"}), 3u);
    write("a.txt", "newer");           // a's old name was taken since
    fs::remove(folder / "Vac02.txt");  // b is gone
    const auto report = undoRenameJournal(journal);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->restored, 1u);
    EXPECT_EQ(report->kept, (std::vector<std::string>{"Vac02.txt", "Vac01.txt"}));
    EXPECT_EQ(read("a.txt"), "newer");
    EXPECT_EQ(read("Vac01.txt"), "a.txt");
    EXPECT_EQ(read("c.txt"), "c.txt");
}

TEST_F(JournalOnDisk, ANameFreedByTheCommandIsGivenBackInReverseOrder)
{
    write("x", "x");
    write("z", "z");
    const std::vector<RenameOp> plan{{0, "x", "y"}, {1, "z", "x"}};
    {
        RenameJournal j(journal, folder.string(), plan);
        ASSERT_EQ(applyRenamePlan(folder.string(), plan, {}, &j), 2u);
    }
    EXPECT_EQ(read("x"), "z");
    EXPECT_EQ(undoRenameJournal(journal)->restored, 2u);
    EXPECT_EQ(read("x"), "x");
    EXPECT_EQ(read("z"), "z");
    EXPECT_EQ(names(), (std::vector<std::string>{"x", "z"}));
}

// A crash after `done` renames: the journal was never sealed, and the last
// mark may be cut short.
TEST_F(JournalOnDisk, ACommandCutShortIsUndoneForTheRenamesDoneOnly)
{
    const struct { std::size_t done; const char* cutMark; } cases[] = {{0, ""}, {1, ""}, {3, "do"}, {5, "done "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.done);
        fs::remove_all(folder);
        fs::create_directory(folder);
        std::vector<RenameOp> plan;
        for (int i = 0; i < 5; ++i) {
            write("f" + std::to_string(i), std::to_string(i));
            plan.push_back({std::size_t(i), "f" + std::to_string(i), "g" + std::to_string(i)});
        }
        {
            RenameJournal j(journal, folder.string(), plan);
            for (std::size_t i = 0; i < c.done; ++i) {
                fs::rename(folder / plan[i].oldName, folder / plan[i].newName);
                j.markDone(i);
            }
        }
        std::ofstream(journal, std::ios::binary | std::ios::app) << c.cutMark;
        EXPECT_EQ(readRenameJournal(journal)->doneCount(), c.done);
        EXPECT_EQ(undoRenameJournal(journal)->restored, c.done);
        EXPECT_EQ(names(), (std::vector<std::string>{"f0", "f1", "f2", "f3", "f4"}));
        EXPECT_EQ(readRenameJournal(journal)->doneCount(), 0u);
    }
}

TEST_F(JournalOnDisk, OnlyTheLastCommandIsKept)
{
    ASSERT_EQ(renameAll({"a.txt", "b.txt"}), 2u);
    const std::vector<RenameOp> plan{{0, "Vac01.txt", "first.txt"}};
    {
        RenameJournal j(journal, folder.string(), plan);
        applyRenamePlan(folder.string(), plan, {}, &j);
    }
    const auto contents = readRenameJournal(journal);
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->pairs.size(), 1u);
    EXPECT_EQ(contents->pairs[0].newName, "first.txt");
    EXPECT_EQ(undoRenameJournal(journal)->restored, 1u);
    EXPECT_EQ(names(), (std::vector<std::string>{"Vac01.txt", "Vac02.txt"}));
}

TEST_F(JournalOnDisk, UnreadableJournals)
{
    EXPECT_FALSE(readRenameJournal(journal));  // none
    EXPECT_FALSE(undoRenameJournal(journal));
    for (const char* text : {"", "ordalis-rename-journal 2\nfolder %2Ftmp\n",
                             "ordalis-rename-journal 1\npair a b\n",
                             "ordalis-rename-journal 1\nfolder %2Ftmp\npair a\n",
                             "ordalis-rename-journal 1\nfolder %2Ftmp\npair a%2 b\n"}) {
        std::ofstream(journal, std::ios::binary | std::ios::trunc) << text;
        EXPECT_FALSE(readRenameJournal(journal)) << text;
    }
    std::ofstream(journal, std::ios::binary | std::ios::trunc)
        << "ordalis-rename-journal 1\nfolder %2Ftmp\npair a b\ndone 7\ndone x\ndone 0\n";
    EXPECT_EQ(readRenameJournal(journal)->doneCount(), 1u);
    EXPECT_TRUE(removeRenameJournal(journal));
    EXPECT_FALSE(fs::exists(journal));
}

TEST_F(JournalOnDisk, AJournalThatCannotBeWrittenStopsNoRename)
{
    write("a.txt", "a");
    const std::vector<RenameOp> plan{{0, "a.txt", "b.txt"}};
    const std::string nowhere = (root / "missing" / "last.journal").string();
    RenameJournal j(nowhere, folder.string(), plan);
    EXPECT_TRUE(j.error());
    EXPECT_EQ(applyRenamePlan(folder.string(), plan, {}, &j), 1u);
    EXPECT_FALSE(readRenameJournal(nowhere));
}

#ifndef _WIN32
TEST_F(JournalOnDisk, NamesThatAreNotUtf8KeepTheirBytes)
{
    ASSERT_EQ(renameAll({"\xE9t\xE9 1.txt", "caf\xE9%.txt"}), 2u);
    EXPECT_EQ(undoRenameJournal(journal)->restored, 2u);
    EXPECT_EQ(names(), (std::vector<std::string>{"caf\xE9%.txt", "\xE9t\xE9 1.txt"}));
}
#endif

}  // namespace
