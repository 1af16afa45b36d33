#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavrelion::help {

// The manual lies in the program folder's help folder; this is its start page.
std::string HelpSiteAddress(const std::string& programDir);

// What a page of the manual says: its title and its text without markup, entities decoded
// (UTF-8) and runs of white space made single blanks.
struct HelpPageText {
    std::string title;
    std::string text;
};
HelpPageText ReadableText(std::string_view html);

// The words a search looks for: the query split at blanks, in lower case (ASCII letters).
std::vector<std::string> SearchWords(std::string_view query);

struct SearchHit {
    std::string fileName;
    std::string title;
    // A piece of the page's text around the first word's first occurrence.
    std::string excerpt;
    int occurrences = 0;
};

// The pages of the manual (the .html files of the folder) whose text holds every word of the
// query, whatever the letter case: those with the most occurrences first, then by title.
std::vector<SearchHit> SearchHelpPages(const std::filesystem::path& folder, std::string_view query);

// The page that shows a search: its words, and a link to each page found (pageLinkPrefix is put
// before each file name), or how to search when the query has no words.
std::string SearchResultsPage(std::string_view query, const std::vector<SearchHit>& hits,
                              std::string_view pageLinkPrefix);

// What "Search" looks for, taken from the address box: its text, unless that is an address (a
// path, or a scheme such as file: or http:) rather than words; a "search:" address gives the
// words after it.
std::string SearchQueryFromAddressBox(std::string_view boxText);

}  // namespace tavrelion::help
