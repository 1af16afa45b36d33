#pragma once

#include <QString>

namespace tavrelion::mainwindow {

// The program folder: where the program lies, or, when that folder cannot be written (a
// system-wide installation), a copy of it in the user's data folder, made on first start and
// completed with any file added later. Work and exchange files are written there.
QString ProgramFolder();

// Makes target a copy of source where target lacks a file; returns false when it cannot.
bool CompleteProgramFolderCopy(const QString& source, const QString& target);

}  // namespace tavrelion::mainwindow
