#include "drivers/WorkFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "fakes/TemporaryFolder.h"

namespace tavrelion::drivers {
namespace {

using testing_support::TemporaryFolder;

QString Qt(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

TEST(WorkFolder, TheFirstWindowTakesTheSharedFolderASecondGetsAPrivateOneRemovedAtItsEnd) {
    TemporaryFolder user;
    const QString shared = Qt(user.path() / "work");
    const QString privateRoot = Qt(user.path() / "runtime");

    const auto first = WorkFolder::Take(shared, privateRoot);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->path(), shared);
    EXPECT_FALSE(first->isPrivate());

    QString secondPath;
    {
        const auto second = WorkFolder::Take(shared, privateRoot);
        ASSERT_NE(second, nullptr);
        secondPath = second->path();
        EXPECT_TRUE(second->isPrivate());
        EXPECT_TRUE(secondPath.startsWith(privateRoot));
        EXPECT_TRUE(QDir(secondPath).exists());
        QFile(secondPath + "/FIT.VAL").open(QIODevice::WriteOnly);
    }
    EXPECT_FALSE(QDir(secondPath).exists());
}

TEST(WorkFolder, ALockLeftByAProgramThatEndedIsTakenOver) {
    TemporaryFolder user;
    const QString shared = Qt(user.path() / "work");
    QDir().mkpath(shared);
    // The lock of a program that crashed: a process id that does not run.
    user.write("work/.lock",
               "999999999\ntavrelion\n" + QSysInfo::machineHostName().toStdString() + "\n");
    const auto window = WorkFolder::Take(shared, Qt(user.path() / "runtime"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->path(), shared);
}

TEST(WorkFolder, FoldersLeftByProgramsThatNoLongerRunAreRemoved) {
    TemporaryFolder root;
    const std::string own = std::to_string(QCoreApplication::applicationPid());
    const std::vector<std::string> names = {"batch-999999999", "window-999999999-abc123",
                                            "batch-" + own, "window-" + own + "-x", "notes"};
    for (const std::string& name : names) {
        std::filesystem::create_directories(root.path() / name / "job-1");
    }
    RemoveAbandonedWorkFolders(Qt(root.path()));
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(root.path())) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"batch-" + own, "notes", "window-" + own + "-x"}));
}

}  // namespace
}  // namespace tavrelion::drivers
