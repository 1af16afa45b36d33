#include <gtest/gtest.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include "fakes/FakeWindowServices.h"
#include "fakes/TemporaryFolder.h"
#include "platform/QtPrintService.h"

namespace tavrelion::platform {
namespace {

using testing_support::FakeFileDialogs;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

int PageCount(const std::string& pdf) {
    return static_cast<int>(QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()))
                                .count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

std::vector<std::string> Lines(int count, const std::string& line) {
    return std::vector<std::string>(static_cast<std::size_t>(count), line);
}

TEST(ResultPrinting, LongTextsGoOnOverSeveralPagesOfAPdf) {
    const TemporaryFolder folder;
    const std::string file = (folder.path() / "long.pdf").string();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    std::vector<std::string> lines =
        Lines(150, " Fasman                 0.35   0.20   0.41    00.96");
    lines.push_back(std::string(170, '7'));
    ASSERT_TRUE(QtPrintService::PrintLines(printer, lines));
    const std::string pdf = ReadBytes(file);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_GE(PageCount(pdf), 2);

    const std::string shortFile = (folder.path() / "short.pdf").string();
    printer.setOutputFileName(QString::fromStdString(shortFile));
    ASSERT_TRUE(QtPrintService::PrintLines(printer, Lines(3, "Helix")));
    EXPECT_EQ(PageCount(ReadBytes(shortFile)), 1);
}

TEST(ResultPrinting, WithoutAPrinterTheTextGoesIntoThePdfTheUserChooses) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a printer is configured; nothing is sent to it from a test";
    }
    const TemporaryFolder folder;
    FakeFileDialogs dialogs;
    QtPrintService service(dialogs);
    EXPECT_FALSE(service.printText((folder.path() / "FIT.VAL").string(), Lines(2, "x")));
    ASSERT_EQ(dialogs.saveRequests.size(), 1U);
    EXPECT_EQ(dialogs.saveRequests[0].proposedName, (folder.path() / "FIT.pdf").string());
    EXPECT_TRUE(dialogs.saveRequests[0].confirmOverwrite);

    const std::string chosen = (folder.path() / "report.pdf").string();
    dialogs.answers = {chosen};
    EXPECT_TRUE(service.printText((folder.path() / "FIT.VAL").string(), Lines(2, "x")));
    EXPECT_EQ(ReadBytes(chosen).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace tavrelion::platform
