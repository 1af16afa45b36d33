#include "store/TextRoutines.h"

#include "store/BasicError.h"
#include "store/NumberText.h"

namespace tavrelion::store {

std::string TextUpToFirst(std::string_view s, char c) {
    const std::size_t at = s.find(c);
    return at == std::string_view::npos ? std::string() : std::string(s.substr(0, at + 1));
}

std::string TextAfterLast(std::string_view s, char c) {
    const std::size_t at = s.rfind(c);
    return at == std::string_view::npos ? std::string(s) : std::string(s.substr(at + 1));
}

std::string ReplaceChar(std::string_view s, char a, char b) {
    std::string replaced(s);
    for (char& ch : replaced) {
        if (ch == a) {
            ch = b;
        }
    }
    return replaced;
}

double TabField(std::string_view s, char c) {
    const std::size_t first = s.find(c);
    const long position = first == std::string_view::npos ? 0 : static_cast<long>(first) + 1;
    const long length =
        static_cast<long>(s.size()) - static_cast<long>(TextAfterLast(s, c).size()) - position;
    return NumberOf(Mid(s, position, length));
}

std::string Mid(std::string_view s, long start, long length) {
    if (start < 1 || length < 0) {
        throw BasicError(InvalidArgument);
    }
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= s.size()) {
        return {};
    }
    return std::string(s.substr(from, static_cast<std::size_t>(length)));
}

std::string UpperCase(std::string_view s) {
    std::string upper(s);
    for (char& ch : upper) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return upper;
}

std::string FileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

}  // namespace tavrelion::store
