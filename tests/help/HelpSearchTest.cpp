#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "fakes/FakeWindowServices.h"
#include "fakes/TemporaryFolder.h"
#include "help/HelpBrowserModel.h"
#include "help/HelpSearch.h"

namespace tavrelion::help {
namespace {

using testing_support::FakeFileDialogs;
using testing_support::TemporaryFolder;

const std::filesystem::path ManualFolder =
    std::filesystem::path(TAVRELION_SOURCE_DIR) / "data" / "help";

std::vector<std::string> FileNames(const std::vector<SearchHit>& hits) {
    std::vector<std::string> names;
    for (const SearchHit& hit : hits) {
        names.push_back(hit.fileName);
    }
    return names;
}

TEST(HelpPageText, KeepsWhatAReaderSeesAndTheTitle) {
    const HelpPageText page = ReadableText(
        "<html><head><title>Units &amp; conversion</title><style>p { color: red }</style>"
        "</head><body><nav><a href=\"index.html\">Contents</a></nav><h1>Delta&nbsp;A</h1>"
        "<!-- not this --><p>3300 &times; v / (l&#160;c)"
        "<script>var x = 'hidden';</script></p><p>&lt;tag&gt;</p></body></html>");
    EXPECT_EQ(page.title, "Units & conversion");
    EXPECT_EQ(page.text, "Delta A 3300 \xC3\x97 v / (l c) <tag>");
}

class ManualSearch : public testing::Test {
  protected:
    void Page(const std::string& name, const std::string& title, const std::string& body) {
        folder.write(name, "<html><head><title>" + title + "</title></head><body>" + body +
                               "</body></html>");
    }
    TemporaryFolder folder;
};

TEST_F(ManualSearch, FindsThePagesWithEveryWordWhateverTheCase) {
    Page("a.html", "Helix", "<p>The HELIX band at 222 nm; helix again.</p>");
    Page("b.html", "Sheet", "<p>Sheet and one Helix at 222 nm.</p>");
    Page("c.html", "Other", "<p>Nothing of the kind at 222 nm.</p>");
    folder.write("notes.txt", "helix helix helix 222");
    EXPECT_EQ(FileNames(SearchHelpPages(folder.path(), "helix")),
              (std::vector<std::string>{"a.html", "b.html"}))
        << "most occurrences first";
    EXPECT_EQ(FileNames(SearchHelpPages(folder.path(), "222 sheet")),
              std::vector<std::string>{"b.html"});
    EXPECT_TRUE(SearchHelpPages(folder.path(), "helix coil").empty());
    EXPECT_TRUE(SearchHelpPages(folder.path(), "   ").empty());
}

TEST_F(ManualSearch, LooksAtTheTextNotAtTheMarkup) {
    Page("link.html", "Links", "<a href=\"contin.html\">the other method</a>");
    EXPECT_TRUE(SearchHelpPages(folder.path(), "contin").empty());
    EXPECT_EQ(SearchHelpPages(folder.path(), "other").at(0).excerpt, "the other method");
}

TEST(ManualSearchPage, ListsEachPageAsALinkAndEscapesTheQuery) {
    const std::string page = SearchResultsPage(
        "helix <b>", {{"a.html", "Helix & co", "The helix band", 3}}, "file:///opt/help/");
    EXPECT_NE(page.find("<a href=\"file:///opt/help/a.html\">Helix &amp; co</a>"),
              std::string::npos);
    EXPECT_NE(page.find("<b>&lt;b&gt;</b>"), std::string::npos);
    EXPECT_EQ(page.find("<b><b>"), std::string::npos);
    EXPECT_NE(page.find("1 page contains"), std::string::npos);
    EXPECT_NE(SearchResultsPage("", {}, "").find("Type one or more words"), std::string::npos);
    EXPECT_NE(SearchResultsPage("coil", {}, "").find("No page of the manual contains"),
              std::string::npos);
}

TEST(ManualSearchPage, TakesWordsFromTheAddressBoxButNotAddresses) {
    EXPECT_EQ(SearchQueryFromAddressBox("helix sheet"), "helix sheet");
    EXPECT_EQ(SearchQueryFromAddressBox("search:helix sheet"), "helix sheet");
    EXPECT_EQ(SearchQueryFromAddressBox("/opt/tavrelion/help/index.html"), "");
    EXPECT_EQ(SearchQueryFromAddressBox("file:///opt/help/index.html"), "");
    EXPECT_EQ(SearchQueryFromAddressBox("https://doi.org/10.1021/bi00504a006"), "");
    EXPECT_EQ(SearchQueryFromAddressBox("C:\\TAVRELION\\help"), "");
}

TEST(HelpWindowOpen, CancelShowsTheFileLastChosenInThisWindow) {
    HelpBrowserModel model("/opt/help/index.html");
    FakeFileDialogs dialogs;
    EXPECT_EQ(model.chooseFileToOpen(dialogs), std::nullopt) << "nothing chosen yet";
    EXPECT_TRUE(model.addressList().empty());

    dialogs.answers = {"/data/LYSO.K2D"};
    EXPECT_EQ(model.chooseFileToOpen(dialogs), "/data/LYSO.K2D");
    EXPECT_EQ(model.chooseFileToOpen(dialogs), "/data/LYSO.K2D") << "after Cancel";
    EXPECT_EQ(model.addressList(), std::vector<std::string>{"/data/LYSO.K2D"});
    EXPECT_EQ(dialogs.openRequests.back().proposedName, "/data/LYSO.K2D");
    ASSERT_EQ(dialogs.openRequests.back().filters.size(), 7U);
    EXPECT_EQ(dialogs.openRequests.back().filters[0].patterns, "*.htm*");
}

// Every message the program can show, in pieces that stand in the manual as they stand in the
// message (the variable parts left out).
const std::vector<std::vector<std::string>> ProgramMessages = {
    {"Unrecognized unity, please convert your data as TVR files"},
    {"Please convert your data in Molar ellipticity Deg.M-1.cm-1 with CDmax", "Data in Delta A",
     "Data in Delta Epsilon", "Data in Theta in Deg", "Data in Theta in mDeg"},
    {"You must convert your data into mean molecular ellipticity"},
    {"Too much data"},
    {"Error", "in format"},
    {"Loading a new spectrum will clear the screen"},
    {"Really want to quit TAVRELION 2000?"},
    {"Fail to find", "Data.cd"},
    {"No solution determinant is nil"},
    {"Number of points > 1000 no fit possible"},
    {"Enter the number of AA into your protein)"},
    {"Alpha helix content in"},
    {"has no value at 222 nm: its helix content cannot be estimated"},
    {"No spectrum is loaded: the helix content needs the ellipticity at 222 nm"},
    {"Varselec program (varslc1.exe) is absent in the"},
    {"Self consistent program (selcon2.exe) is absent in the"},
    {"Self consistent program (selcon3_mod.exe) is absent in the"},
    {"Neural Network program (K2D.exe) is absent in the"},
    {"Neural Network file (weights.dat) is absent in the"},
    {"CONTIN program (CONTIN.EXE) is absent in the"},
    {"Error in R.Tamsin program Varselec"},
    {"Error in Self consistent program"},
    {"Error in the K2D.exe program"},
    {"Value greater than 32"},
    {"Error encountered while trying to open file, please retry."},
    {"Overwrite existing file?"},
    {"Error occurred trying to close file, please retry."},
    {"Text not found"},
    {"Printing in progress..."},
    {"In progress..."},
};

TEST(Manual, TellsEveryMessageOfTheProgram) {
    std::ifstream stream(ManualFolder / "messages.html", std::ios::binary);
    ASSERT_TRUE(stream) << "messages.html is missing";
    const std::string html{std::istreambuf_iterator<char>(stream),
                           std::istreambuf_iterator<char>()};
    const std::string text = ReadableText(html).text;
    for (const auto& pieces : ProgramMessages) {
        for (const std::string& piece : pieces) {
            EXPECT_NE(text.find(piece), std::string::npos) << piece;
        }
    }
}

TEST(Manual, SearchFindsTheMessagePageFromAMessagesWords) {
    for (const char* words : {"determinant nil", "Data.cd", "text not found"}) {
        const std::vector<std::string> pages = FileNames(SearchHelpPages(ManualFolder, words));
        EXPECT_NE(std::find(pages.begin(), pages.end(), "messages.html"), pages.end()) << words;
    }
}

}  // namespace
}  // namespace tavrelion::help
