#include "platform/QtFileDialogService.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace tavrelion::platform {
namespace {

// "Varselec result files (*.LST)" with "*.LST" becomes the Qt filter of the same text; a
// description whose own brackets disagree with its patterns shows the patterns instead.
QString QtFilter(const FileFilter& filter) {
    QString description = QString::fromLatin1(filter.description).trimmed();
    description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)$")));
    QString patterns = QString::fromLatin1(filter.patterns);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

std::optional<std::string> RunDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, QString::fromLatin1(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !request.confirmOverwrite) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters << QtFilter(filter);
    }
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int selected = request.selectedFilter;
        dialog.selectNameFilter(filters.value(selected >= 1 ? selected - 1 : 0, filters.first()));
    }
    if (!request.proposedName.empty()) {
        const QFileInfo proposed(QFile::decodeName(request.proposedName.c_str()));
        if (proposed.path() != QStringLiteral(".") && proposed.dir().exists()) {
            dialog.setDirectory(proposed.dir());
        }
        dialog.selectFile(proposed.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogService::chooseFileToOpen(const FileDialogRequest& request) {
    return RunDialog(parent_, request, false);
}

std::optional<std::string> QtFileDialogService::chooseFileToSave(const FileDialogRequest& request) {
    return RunDialog(parent_, request, true);
}

}  // namespace tavrelion::platform
