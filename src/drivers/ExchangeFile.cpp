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

std::string ExchangeFileName(const std::string& path, std::size_t width) {
    std::string name = path.size() > width ? path.substr(path.size() - width) : path;
    // A cut through a UTF-8 character leaves no half of it.
    while (path.size() > width && !name.empty() &&
           (static_cast<unsigned char>(name.front()) & 0xC0) == 0x80) {
        name.erase(0, 1);
    }
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = '?';
        }
    }
    return name;
}

}  // namespace tavrelion::drivers
