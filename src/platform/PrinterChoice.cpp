#include "platform/PrinterChoice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace tavrelion::platform {
namespace {

// The document's own name with the extension ".pdf", beside it.
std::string PdfProposal(const std::string& documentPath) {
    if (documentPath.empty()) {
        return "printout.pdf";
    }
    const QFileInfo document(QFile::decodeName(documentPath.c_str()));
    return QFile::encodeName(document.dir().filePath(document.completeBaseName() + ".pdf"))
        .toStdString();
}

}  // namespace

std::unique_ptr<QPrinter> ChoosePrinterOrPdf(const std::string& documentPath,
                                             FileDialogService& files) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QFileInfo(QFile::decodeName(documentPath.c_str())).fileName());
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        printer->setPrinterName(defaultPrinter.printerName());
        return printer;
    }
    FileDialogRequest request;
    request.title = "No printer: print to a PDF file";
    request.proposedName = PdfProposal(documentPath);
    request.filters = {{"PDF files", "*.pdf"}};
    request.confirmOverwrite = true;
    const std::optional<std::string> file = files.chooseFileToSave(request);
    if (!file) {
        return nullptr;
    }
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QFile::decodeName(file->c_str()));
    return printer;
}

}  // namespace tavrelion::platform
