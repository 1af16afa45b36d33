#include "drivers/ExchangeFile.h"

#include "store/TextFile.h"

namespace tavrelion::drivers {

void WriteWithOpenLastLine(const std::filesystem::path& file, const std::vector<std::string>& lines,
                           const std::string& openLine) {
    store::TextFileWriter writer(file);
    for (const auto& line : lines) {
        writer.writeLine(line);
    }
    writer.writeText(openLine);
}

}  // namespace tavrelion::drivers
