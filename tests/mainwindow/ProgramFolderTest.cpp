#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <filesystem>

#include "fakes/TemporaryFolder.h"
#include "mainwindow/ProgramFolder.h"

namespace tavrelion::mainwindow {
namespace {

using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

QString Qt(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

TEST(ProgramFolderCopy, CopiesWhatIsMissingAndKeepsWhatTheUserHas) {
    TemporaryFolder installed;
    TemporaryFolder personal;
    installed.write("DATA.CD", "installed basis sets");
    std::filesystem::create_directories(installed.path() / "help");
    installed.write("help/index.html", "<html>manual</html>");
    const auto target = personal.path() / "program";
    ASSERT_TRUE(CompleteProgramFolderCopy(Qt(installed.path()), Qt(target)));
    EXPECT_EQ(ReadBytes(target / "DATA.CD"), "installed basis sets");
    EXPECT_EQ(ReadBytes(target / "help" / "index.html"), "<html>manual</html>");

    // A user's own DATA.CD (the published tables, say) survives the next start.
    personal.write("program/DATA.CD", "the user's tables");
    installed.write("NEW.DAT", "added by an update");
    ASSERT_TRUE(CompleteProgramFolderCopy(Qt(installed.path()), Qt(target)));
    EXPECT_EQ(ReadBytes(target / "DATA.CD"), "the user's tables");
    EXPECT_EQ(ReadBytes(target / "NEW.DAT"), "added by an update");
}

}  // namespace
}  // namespace tavrelion::mainwindow
