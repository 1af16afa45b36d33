#include "mainwindow/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tavrelion::mainwindow {
namespace {

bool IsWritableFolder(const QString& folder) {
    QTemporaryFile probe(folder + "/.write-test-XXXXXX");
    return probe.open();
}

}  // namespace

bool CompleteProgramFolderCopy(const QString& source, const QString& target) {
    if (!QDir().mkpath(target)) {
        return false;
    }
    QDirIterator files(source, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    bool complete = true;
    while (files.hasNext()) {
        const QString file = files.next();
        const QString copy = target + "/" + QDir(source).relativeFilePath(file);
        if (QFileInfo::exists(copy)) {
            continue;
        }
        complete = QDir().mkpath(QFileInfo(copy).path()) && QFile::copy(file, copy) && complete;
    }
    return complete;
}

QString ProgramFolder() {
    const QString installed = QCoreApplication::applicationDirPath();
    if (IsWritableFolder(installed)) {
        return installed;
    }
    const QString personal =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/program";
    return CompleteProgramFolderCopy(installed, personal) ? personal : installed;
}

}  // namespace tavrelion::mainwindow
