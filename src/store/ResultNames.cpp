#include "store/ResultNames.h"

namespace tavrelion::store {

std::string ResultFileName(std::string_view spectrumFileName, std::string_view extension) {
    if (spectrumFileName.empty()) {
        return {};
    }
    std::string_view base = spectrumFileName;
    const std::size_t size = base.size();
    if (size >= 4 && base[size - 4] == '.') {
        base.remove_suffix(4);
    } else {
        const std::size_t folderEnd = base.find_last_of("/\\");
        const std::size_t dot = base.rfind('.');
        if (dot != std::string_view::npos &&
            (folderEnd == std::string_view::npos || dot > folderEnd + 1)) {
            base = base.substr(0, dot);
        }
    }
    return std::string(base) + std::string(extension);
}

}  // namespace tavrelion::store
