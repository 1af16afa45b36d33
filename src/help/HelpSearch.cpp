#include "help/HelpSearch.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>

namespace tavrelion::help {
namespace {

constexpr std::size_t ExcerptBefore = 60;
constexpr std::size_t ExcerptAfter = 140;
constexpr std::uintmax_t LargestPage = 4 * 1024 * 1024;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x110000) {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Decodes the entity that starts at text[at] ('&') into out; returns the characters it took, or
// 0 when it is no entity this reader knows.
std::size_t DecodeEntity(std::string_view text, std::size_t at, std::string& out) {
    const std::size_t end = text.find(';', at);
    if (end == std::string_view::npos || end - at > 10) {
        return 0;
    }
    const std::string_view name = text.substr(at + 1, end - at - 1);
    struct Named {
        std::string_view name;
        std::uint32_t code;
    };
    static constexpr Named named[] = {{"amp", '&'},      {"lt", '<'},       {"gt", '>'},
                                      {"quot", '"'},     {"apos", '\''},    {"nbsp", 0xA0},
                                      {"deg", 0xB0},     {"times", 0xD7},   {"minus", 0x2212},
                                      {"ndash", 0x2013}, {"mdash", 0x2014}, {"hellip", 0x2026}};
    for (const Named& entry : named) {
        if (name == entry.name) {
            AppendUtf8(out, entry.code);
            return end - at + 1;
        }
    }
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits(name.substr(hex ? 2 : 1));
        if (digits.empty() || digits.size() > 7) {
            return 0;
        }
        std::uint32_t code = 0;
        for (const char c : digits) {
            const int digit = std::isdigit(static_cast<unsigned char>(c))
                                  ? c - '0'
                                  : (hex && std::isxdigit(static_cast<unsigned char>(c))
                                         ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                         : -1);
            if (digit < 0) {
                return 0;
            }
            code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        }
        AppendUtf8(out, code);
        return end - at + 1;
    }
    return 0;
}

// The text between "<name" and "</name>" is dropped whole for these elements; the navigation
// bar that every page of the manual repeats is no part of what a page says.
bool SkipsContent(std::string_view tagName) {
    return tagName == "script" || tagName == "style" || tagName == "head" || tagName == "nav";
}

std::string TagName(std::string_view tag) {
    std::size_t start = tag.front() == '/' ? 1 : 0;
    std::size_t end = start;
    while (end < tag.size() && std::isalnum(static_cast<unsigned char>(tag[end]))) {
        ++end;
    }
    return Lower(tag.substr(start, end - start));
}

std::string CollapseBlanks(std::string_view text) {
    std::string collapsed;
    bool blank = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool nbsp =
            c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0;
        if (std::isspace(c) || nbsp) {
            if (!blank) {
                collapsed.push_back(' ');
            }
            blank = true;
            i += nbsp ? 1 : 0;
        } else {
            collapsed.push_back(static_cast<char>(c));
            blank = false;
        }
    }
    if (!collapsed.empty() && collapsed.back() == ' ') {
        collapsed.pop_back();
    }
    return collapsed;
}

std::string DecodeText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const std::size_t taken = DecodeEntity(text, i, out);
            if (taken > 0) {
                i += taken - 1;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

std::string Escape(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped.push_back(c);
        }
    }
    return escaped;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string Excerpt(const std::string& text, std::size_t at, std::size_t length) {
    std::size_t start = at > ExcerptBefore ? at - ExcerptBefore : 0;
    std::size_t end = std::min(text.size(), at + length + ExcerptAfter);
    while (start > 0 && IsContinuationByte(text[start])) {
        --start;
    }
    while (end < text.size() && IsContinuationByte(text[end])) {
        ++end;
    }
    return (start > 0 ? "\xE2\x80\xA6" : "") + text.substr(start, end - start) +
           (end < text.size() ? "\xE2\x80\xA6" : "");
}

int CountOccurrences(const std::string& haystack, const std::string& word) {
    int count = 0;
    for (std::size_t at = haystack.find(word); at != std::string::npos;
         at = haystack.find(word, at + word.size())) {
        ++count;
    }
    return count;
}

}  // namespace

std::string HelpSiteAddress(const std::string& programDir) {
    return (std::filesystem::path(programDir) / "help" / "index.html").string();
}

HelpPageText ReadableText(std::string_view html) {
    HelpPageText page;
    const std::string lower = Lower(html);
    const std::size_t titleTag = lower.find("<title");
    const std::size_t titleStart = lower.find('>', titleTag);
    if (titleTag != std::string::npos && titleStart != std::string::npos) {
        const std::size_t titleEnd = std::min(lower.find("</title", titleStart), lower.size());
        page.title =
            CollapseBlanks(DecodeText(html.substr(titleStart + 1, titleEnd - titleStart - 1)));
    }
    std::string text;
    std::size_t i = 0;
    while (i < html.size()) {
        if (html[i] != '<') {
            const std::size_t next = std::min(html.find('<', i), html.size());
            text += html.substr(i, next - i);
            i = next;
            continue;
        }
        if (html.substr(i, 4) == "<!--") {
            const std::size_t end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const std::size_t close = html.find('>', i);
        if (close == std::string_view::npos) {
            break;
        }
        const std::string_view tag = html.substr(i + 1, close - i - 1);
        i = close + 1;
        if (tag.empty()) {
            continue;
        }
        const std::string name = TagName(tag);
        if (SkipsContent(name) && tag.front() != '/') {
            const std::size_t end = lower.find("</" + name, i);
            i = end == std::string::npos ? html.size() : end;
            continue;
        }
        text.push_back(' ');
    }
    page.text = CollapseBlanks(DecodeText(text));
    return page;
}

std::vector<std::string> SearchWords(std::string_view query) {
    std::vector<std::string> words;
    const std::string lower = Lower(query);
    std::size_t i = 0;
    while (i < lower.size()) {
        while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i]))) {
            ++i;
        }
        std::size_t end = i;
        while (end < lower.size() && !std::isspace(static_cast<unsigned char>(lower[end]))) {
            ++end;
        }
        if (end > i) {
            words.push_back(lower.substr(i, end - i));
        }
        i = end;
    }
    return words;
}

std::vector<SearchHit> SearchHelpPages(const std::filesystem::path& folder,
                                       std::string_view query) {
    const std::vector<std::string> words = SearchWords(query);
    std::vector<SearchHit> hits;
    std::error_code error;
    if (words.empty() || !std::filesystem::is_directory(folder, error)) {
        return hits;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code entryError;
        if (entry.path().extension() != ".html" || !entry.is_regular_file(entryError) ||
            entry.file_size(entryError) > LargestPage || entryError) {
            continue;
        }
        std::ifstream stream(entry.path(), std::ios::binary);
        const std::string html{std::istreambuf_iterator<char>(stream),
                               std::istreambuf_iterator<char>()};
        const HelpPageText page = ReadableText(html);
        const std::string haystack = Lower(page.title + " " + page.text);
        SearchHit hit{entry.path().filename().string(), page.title, {}, 0};
        for (const std::string& word : words) {
            const int count = CountOccurrences(haystack, word);
            if (count == 0) {
                hit.occurrences = 0;
                break;
            }
            hit.occurrences += count;
        }
        if (hit.occurrences == 0) {
            continue;
        }
        const std::string lowerText = Lower(page.text);
        const std::size_t at = lowerText.find(words.front());
        hit.excerpt =
            at == std::string::npos ? std::string() : Excerpt(page.text, at, words.front().size());
        hits.push_back(std::move(hit));
    }
    std::sort(hits.begin(), hits.end(), [](const SearchHit& a, const SearchHit& b) {
        if (a.occurrences != b.occurrences) {
            return a.occurrences > b.occurrences;
        }
        return a.title < b.title;
    });
    return hits;
}

std::string SearchResultsPage(std::string_view query, const std::vector<SearchHit>& hits,
                              std::string_view pageLinkPrefix) {
    const std::vector<std::string> words = SearchWords(query);
    const std::string prefix(pageLinkPrefix);
    std::string page =
        "<html><head><meta charset=\"utf-8\"><title>Search the manual</title></head><body>"
        "<h1>Search the manual</h1>";
    if (words.empty()) {
        page +=
            "<p>Type one or more words into the address box above, then press "
            "<b>Search</b> on the toolbar. The manual's pages that contain every word are listed "
            "here, whatever the letter case.</p>";
    } else {
        std::string quoted;
        for (const std::string& word : words) {
            quoted += (quoted.empty() ? "" : ", ") + ("<b>" + Escape(word) + "</b>");
        }
        if (hits.empty()) {
            page += "<p>No page of the manual contains all of " + quoted +
                    ". Try fewer words, or another spelling.</p>";
        } else {
            page += "<p>" + std::to_string(hits.size()) +
                    (hits.size() == 1 ? " page contains " : " pages contain ") + "all of " +
                    quoted + ":</p><ul>";
            for (const SearchHit& hit : hits) {
                page += "<li><a href=\"" + Escape(prefix + hit.fileName) + "\">" +
                        Escape(hit.title.empty() ? hit.fileName : hit.title) + "</a><br>" +
                        Escape(hit.excerpt) + "</li>";
            }
            page += "</ul>";
        }
    }
    page += "<p><a href=\"" + Escape(prefix + "index.html") +
            "\">Contents of the manual</a></p></body></html>";
    return page;
}

std::string SearchQueryFromAddressBox(std::string_view boxText) {
    std::string_view text = boxText;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    if (Lower(text.substr(0, 7)) == "search:") {
        return std::string(text.substr(7));
    }
    if (text.empty() || text.front() == '/' || text.front() == '\\' ||
        text.find("://") != std::string_view::npos || Lower(text.substr(0, 5)) == "file:" ||
        (text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0])))) {
        return {};
    }
    return std::string(text);
}

}  // namespace tavrelion::help
