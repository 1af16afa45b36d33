#include "drivers/WorkFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>

#include <unistd.h>

namespace tavrelion::drivers {

std::unique_ptr<WorkFolder> WorkFolder::Take(const QString& shared, const QString& privateRoot) {
    auto folder = std::make_unique<WorkFolder>();
    if (QDir().mkpath(shared)) {
        auto lock = std::make_unique<QLockFile>(shared + "/.lock");
        // A window may run for days: only a lock whose program has ended is stale.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            folder->path_ = shared;
            folder->lock_ = std::move(lock);
            return folder;
        }
    }
    QDir().mkpath(privateRoot);
    folder->private_ = std::make_unique<QTemporaryDir>(
        privateRoot + "/window-" + QString::number(QCoreApplication::applicationPid()) + "-XXXXXX");
    if (!folder->private_->isValid()) {
        return nullptr;
    }
    folder->path_ = folder->private_->path();
    return folder;
}

void RemoveAbandonedWorkFolders(const QString& privateRoot) {
    static const QRegularExpression owned("^(?:window|batch)-([0-9]+)(?:-.*)?$");
    const QDir root(privateRoot);
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = owned.match(name);
        if (!match.hasMatch()) {
            continue;
        }
        const pid_t owner = static_cast<pid_t>(match.captured(1).toLongLong());
        if (owner > 0 && ::kill(owner, 0) != 0 && errno == ESRCH) {
            QDir(root.filePath(name)).removeRecursively();
        }
    }
}

QString SharedWorkFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/work";
}

QString PrivateWorkRoot() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return runtime + "/tavrelion";
    }
#ifdef __linux__
    // Without a runtime folder, a folder of the user's own in shared memory: a batch creates and
    // removes thousands of small files, which costs a disk file system more than the analysis.
    const QString shared = "/dev/shm/tavrelion-" + QString::number(getuid());
    if (QDir("/dev/shm").exists() && QDir().mkpath(shared) &&
        QFile::setPermissions(shared, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
        QFileInfo(shared).ownerId() == getuid()) {
        return shared;
    }
#endif
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

}  // namespace tavrelion::drivers
