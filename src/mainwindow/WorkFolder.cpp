#include "mainwindow/WorkFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace tavrelion::mainwindow {

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
    folder->private_ = std::make_unique<QTemporaryDir>(privateRoot + "/window-XXXXXX");
    if (!folder->private_->isValid()) {
        return nullptr;
    }
    folder->path_ = folder->private_->path();
    return folder;
}

QString SharedWorkFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/work";
}

QString PrivateWorkRoot() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return runtime + "/tavrelion";
    }
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

}  // namespace tavrelion::mainwindow
