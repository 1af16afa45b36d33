#pragma once

#include <QLockFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace tavrelion::drivers {

// The folder where one running instance writes its work and exchange files. The window takes the
// shared one under its lock; a second window, finding it locked, gets a private folder of its own,
// removed when it ends. A lock left by a program that no longer runs is taken over.
class WorkFolder {
  public:
    // shared: the folder a window uses when no other holds it; privateRoot: where private
    // folders are made.
    static std::unique_ptr<WorkFolder> Take(const QString& shared, const QString& privateRoot);

    const QString& path() const { return path_; }
    bool isPrivate() const { return private_ != nullptr; }

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QTemporaryDir> private_;
};

// Removes the private work folders under privateRoot that a program which no longer runs left
// behind (killed, crashed): they are named after the process that made them.
void RemoveAbandonedWorkFolders(const QString& privateRoot);

// The window's shared work folder: in the user's data folder.
QString SharedWorkFolder();

// Where private work folders are made: the user's runtime folder (in memory) when there is one,
// else a folder of the user's own in /dev/shm, else the cache folder.
QString PrivateWorkRoot();

}  // namespace tavrelion::drivers
