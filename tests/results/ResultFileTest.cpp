#include <gtest/gtest.h>

#include "fakes/TemporaryFolder.h"
#include "results/FindText.h"
#include "results/ResultFile.h"

namespace tavrelion::results {
namespace {

using testing_support::ReadBytes;
using testing_support::TemporaryFolder;
using Status = ResultFileContent::Status;

struct ShownCase {
    const char* name;
    std::string bytes;
    std::string shown;
};

void PrintTo(const ShownCase& shown, std::ostream* out) {
    *out << shown.name;
}

class ResultFileShown : public testing::TestWithParam<ShownCase> {};

TEST_P(ResultFileShown, IsTheFileLessItsLastCharacter) {
    const TemporaryFolder folder;
    const ResultFileContent content = ReadResultFile(folder.write("r.txt", GetParam().bytes));
    EXPECT_EQ(content.status, Status::Read);
    EXPECT_EQ(content.text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ResultFileShown,
    testing::Values(ShownCase{"EndingInCrLfKeepsTheCr", " FIT\r\n Fasman 0.35\r\n",
                              " FIT\r\n Fasman 0.35\r"},
                    ShownCase{"WithoutLineEndLosesItsLastLetter", "helix", "heli"},
                    ShownCase{"OfOneCharacterIsEmpty", "x", ""},
                    ShownCase{"KeepsLatin1Bytes",
                              "21\xB0"
                              "C\r\n",
                              "21\xB0"
                              "C\r"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ResultFileRead, MarksVarselecSolutionsByCombinationAnywhere) {
    const TemporaryFolder folder;
    EXPECT_TRUE(ReadResultFile(folder.write("a.OUT", "combination: 1 2\r\n")).combination);
    EXPECT_TRUE(ReadResultFile(folder.write("b.OUT", "x\r\ny\r\nlast combination:")).combination);
    EXPECT_FALSE(ReadResultFile(folder.write("c.OUT", "Combination 1\r\n")).combination);
}

TEST(ResultFileRead, RefusesMissingEmptyAndFolderPaths) {
    const TemporaryFolder folder;
    EXPECT_EQ(ReadResultFile(folder.path() / "none.OUT").status, Status::Unreadable);
    EXPECT_EQ(ReadResultFile(folder.path()).status, Status::Unreadable);
    EXPECT_EQ(ReadResultFile(folder.write("empty.OUT", "")).status, Status::Empty);
}

TEST(ResultFileWrite, ReplacesAnExistingFileAndLeavesNoWorkFile) {
    const TemporaryFolder folder;
    const auto file = folder.write("old.LST", "a much longer previous content\r\n");
    ASSERT_TRUE(WriteResultFile(file, "new"));
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(ResultFileWrite, FailsIntoAMissingFolderOrOverAFolder) {
    const TemporaryFolder folder;
    EXPECT_FALSE(WriteResultFile(folder.path() / "no" / "such.LST", "text"));
    std::filesystem::create_directory(folder.path() / "sub");
    EXPECT_FALSE(WriteResultFile(folder.path() / "sub", "text"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "sub"));
}

TEST(ResultTextForms, EveryLineEndIsOneShownBreakAndComesBackAsCrLf) {
    EXPECT_EQ(ShownForm("a\r\nb\rc\nd\r"), "a\nb\nc\nd\n");
    EXPECT_EQ(FileForm("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(FileForm(ShownForm("line 1\r\nline 2")), "line 1\r\nline 2");
}

TEST(FindInResultText, FindsAtTheFirstCharacterAndWalksOnFromAFoundSelection) {
    EXPECT_EQ(FindAfterSelectionStart("Xa", 0, 0, "x"), 0U);
    EXPECT_EQ(FindAfterSelectionStart("xaX", 0, 1, "x"), 2U);  // the first one is selected
    EXPECT_EQ(FindAfterSelectionStart("abc", 2, 1, "c"), std::nullopt);
    EXPECT_EQ(FindAfterSelectionStart("abc", 7, 0, "c"), std::nullopt);
}

TEST(FindInResultText, IgnoresTheCaseOfAccentedLettersAndFindsNothingForNothing) {
    EXPECT_EQ(FindAfterSelectionStart(" H\xC9LICE", 0, 0, "h\xE9lice"), 1U);
    EXPECT_EQ(FindAfterSelectionStart(" \xF7", 0, 0, "\xD7"), std::nullopt);
    EXPECT_EQ(FindAfterSelectionStart("some text", 0, 0, ""), std::nullopt);
}

}  // namespace
}  // namespace tavrelion::results
