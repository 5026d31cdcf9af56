// The journal of the last rename command and its undo, on real folders.
#include "core/renamejournal.h"
#include "core/renameplan.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ordalis;
using Names = std::vector<std::string>;

namespace {

TEST(JournalField, EscapesEveryByteThatIsNotPlainAscii)
{
    const std::pair<const char*, const char*> rows[] = {
        {"a b", "a%20b"}, {"100%", "100%25"}, {"\xFF\xFE", "%FF%FE"}, {"a\nb\t", "a%0Ab%09"}, {"~!\"#", "~!\"#"}};
    for (const auto& [bytes, field] : rows) {
        EXPECT_EQ(escapeJournalField(bytes), field) << bytes;
        EXPECT_EQ(unescapeJournalField(field), std::string(bytes)) << field;
    }
    for (const char* field : {"%", "a%4", "%G0", "%0g", "a b", "a\tb"})
        EXPECT_FALSE(unescapeJournalField(field).has_value()) << field;
}

class JournalOnDisk : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(dir.path() / "photos"); }

    // Numbered rename of every name given, journaled; each file holds its own name.
    std::size_t renameAll(const Names& files)
    {
        for (const std::string& f : files)
            test::writeFile(folder / f, f);
        const auto plan = planNumberedRename(files, std::vector<bool>(files.size(), true), "Vac", "1", "00");
        RenameJournal j(journal, folder.string(), plan);
        EXPECT_FALSE(j.error());
        return applyRenamePlan(folder.string(), plan, {}, &j);
    }
    std::size_t apply(const std::vector<RenameOp>& plan)
    {
        RenameJournal j(journal, folder.string(), plan);
        return applyRenamePlan(folder.string(), plan, {}, &j);
    }
    std::string read(const std::string& name) const { return test::readFile(folder / name); }
    Names names() const { return test::namesIn(folder); }

    test::TempDir dir{"ordalis-journal-"};
    fs::path folder = dir.path() / "photos";
    std::string journal = dir.file("last.journal");
};

TEST_F(JournalOnDisk, UndoGivesBackEveryNameWithItsContent)
{
    ASSERT_EQ(renameAll({"a.JPG", "b.txt", "c"}), 3u);
    EXPECT_EQ(names(), (Names{"Vac01.jpg", "Vac02.txt", "Vac03"}));
    const auto report = undoRenameJournal(journal);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->restored, 3u);
    EXPECT_EQ(read("a.JPG"), "a.JPG");
    // The journal marks each pair undone: run again, the undo finds nothing.
    EXPECT_EQ(readRenameJournal(journal)->doneCount(), 0u);
    EXPECT_EQ(undoRenameJournal(journal)->restored, 0u);
    EXPECT_EQ(names(), (Names{"a.JPG", "b.txt", "c"}));
    // The next command replaces the journal; a name it freed is given back in reverse order.
    ASSERT_EQ(apply({{0, "a.JPG", "y"}, {1, "c", "a.JPG"}}), 2u);
    EXPECT_EQ(restorableCount(*readRenameJournal(journal)), 2u);  // a.JPG is taken, but freed first
    EXPECT_EQ(undoRenameJournal(journal)->restored, 2u);
    EXPECT_EQ(read("a.JPG"), "a.JPG");
    EXPECT_EQ(names(), (Names{"a.JPG", "b.txt", "c"}));
}

// The undo question counts what restorableCount says; the undo then does just that.
TEST_F(JournalOnDisk, TakenOrMissingNamesKeepTheirCurrentName)
{
    ASSERT_EQ(renameAll({"a.txt", "b.txt", "c.txt"}), 3u);
    const auto restorable = [&] { return restorableCount(*readRenameJournal(journal)); };
    EXPECT_EQ(restorable(), 3u);
    test::writeFile(folder / "a.txt", "newer");  // a's old name was taken since
    EXPECT_EQ(restorable(), 2u);
    fs::remove(folder / "Vac02.txt");            // b is gone
    EXPECT_EQ(restorable(), 1u);
    const auto report = undoRenameJournal(journal);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->restored, 1u);
    EXPECT_EQ(report->kept, (Names{"Vac02.txt", "Vac01.txt"}));
    EXPECT_EQ(read("a.txt"), "newer");
    EXPECT_EQ(read("Vac01.txt"), "a.txt");
    EXPECT_EQ(read("c.txt"), "c.txt");
}

// A command that renames nothing (every new name taken) keeps the last journal, or leaves none.
TEST_F(JournalOnDisk, ACommandThatRenamesNothingKeepsTheLastJournal)
{
    ASSERT_EQ(renameAll({"a.txt", "b.txt"}), 2u);
    const std::vector<RenameOp> swap = {{0, "Vac01.txt", "Vac02.txt"}, {1, "Vac02.txt", "Vac01.txt"}};
    EXPECT_EQ(apply(swap), 0u);
    const auto last = readRenameJournal(journal);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->pairs.size(), 2u);
    EXPECT_EQ(last->pairs[0].oldName, "a.txt");
    EXPECT_EQ(last->doneCount(), 2u);
    ASSERT_TRUE(removeRenameJournal(journal));  // with none before, none after
    EXPECT_EQ(apply(swap), 0u);
    EXPECT_FALSE(readRenameJournal(journal));  // once the journal is sealed
    EXPECT_FALSE(fs::exists(journal));
}

// A crash after `done` renames: the journal was never sealed, and the last mark may be cut short.
TEST_F(JournalOnDisk, ACommandCutShortIsUndoneForTheRenamesDoneOnly)
{
    const struct { std::size_t done; const char* cutMark; } cases[] = {{0, ""}, {3, "do"}, {5, "done "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.done);
        std::vector<RenameOp> plan;
        for (int i = 0; i < 5; ++i) {
            test::writeFile(folder / ("f" + std::to_string(i)), std::to_string(i));
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
        EXPECT_EQ(names(), (Names{"f0", "f1", "f2", "f3", "f4"}));
    }
}

// A journal that cannot be written stops no rename.
TEST_F(JournalOnDisk, UnwritableAndUnreadableJournalsAndMarksOfPairsThatDoNotExist)
{
    EXPECT_FALSE(undoRenameJournal(journal));  // none
    journal = dir.file("missing/last.journal");
    test::writeFile(folder / "a.txt", "a");
    EXPECT_EQ(apply({{0, "a.txt", "b.txt"}}), 1u);
    EXPECT_FALSE(readRenameJournal(journal));
    journal = dir.file("last.journal");
    for (const char* text : {"ordalis-rename-journal 2\nfolder %2Ftmp\n", "ordalis-rename-journal 1\npair a b\n",
                             "ordalis-rename-journal 1\nfolder %2Ftmp\npair a%2 b\n"}) {
        test::writeFile(journal, text);
        EXPECT_FALSE(readRenameJournal(journal)) << text;
    }
    test::writeFile(journal, "ordalis-rename-journal 1\nfolder %2Ftmp\npair a b\npair c d\n"
                             "done 2\ndone 1\ndone 7\ndone x\ndone 18446744073709551615\nundone 2\n");
    const auto contents = readRenameJournal(journal);
    ASSERT_TRUE(contents);
    EXPECT_FALSE(contents->pairs[0].done);
    EXPECT_TRUE(contents->pairs[1].done);
    EXPECT_EQ(contents->doneCount(), 1u);
    EXPECT_TRUE(removeRenameJournal(journal));
    EXPECT_FALSE(fs::exists(journal));
}

}  // namespace
