#include <gtest/gtest.h>

#include "fakes/TemporaryFolder.h"
#include "store/BasicError.h"
#include "store/TextFile.h"

namespace tavrelion::store {
namespace {

using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

int ErrorOfRead(TextFileReader& file, bool item) {
    try {
        item ? file.readItem() : file.readLine();
    } catch (const BasicError& error) {
        return error.number();
    }
    return 0;
}

TEST(TextFileReader, LinesEndWithCrLfLfOrCr) {
    TemporaryFolder folder;
    TextFileReader file(folder.write("lines.txt", "one\r\ntwo\nthree\rfour"));
    EXPECT_EQ(file.readLine(), "one");
    EXPECT_EQ(file.readLine(), "two");
    EXPECT_EQ(file.readLine(), "three");
    EXPECT_FALSE(file.atEnd());
    EXPECT_EQ(file.readLine(), "four");
    EXPECT_TRUE(file.atEnd());
    EXPECT_EQ(ErrorOfRead(file, false), InputPastEndOfFile);
}

TEST(TextFileReader, EmptyLinesAreLinesAndTheLastLineEndIsNotOne) {
    TemporaryFolder folder;
    TextFileReader file(folder.write("lines.txt", "\r\n\r\nx\r\n"));
    EXPECT_EQ(file.readLine(), "");
    EXPECT_EQ(file.readLine(), "");
    EXPECT_EQ(file.readLine(), "x");
    EXPECT_TRUE(file.atEnd());
}

TEST(TextFileReader, ItemsEndAtCommasAndLineEnds) {
    TemporaryFolder folder;
    TextFileReader file(folder.write(
        "items.txt",
        "66,Molar ellipticity\r\n  175 , -1234.5  \r\n\"quoted, text\" ,next\r\n,\r\nlast"));
    EXPECT_EQ(file.readItem(), "66");
    EXPECT_EQ(file.readItem(), "Molar ellipticity");
    EXPECT_EQ(file.readItem(), "175");
    EXPECT_EQ(file.readItem(), "-1234.5");
    EXPECT_EQ(file.readItem(), "quoted, text");
    EXPECT_EQ(file.readItem(), "next");
    EXPECT_EQ(file.readItem(), "");
    EXPECT_EQ(file.readItem(), "last");
    EXPECT_EQ(ErrorOfRead(file, true), InputPastEndOfFile);
}

TEST(TextFileReader, ItemThenLineReadsTheRestOfTheLine) {
    TemporaryFolder folder;
    TextFileReader file(folder.write("mixed.txt", "a,b,c\r\nnext\r\n"));
    EXPECT_EQ(file.readItem(), "a");
    EXPECT_EQ(file.readLine(), "b,c");
    EXPECT_EQ(file.readLine(), "next");
}

TEST(TextFileReader, BytesAboveAsciiAreKept) {
    TemporaryFolder folder;
    TextFileReader file(folder.write("latin1.txt", "\x5B\xE9\x5D\r\n\x7F\xEE\r\n"));
    EXPECT_EQ(file.readItem(), "\x5B\xE9\x5D");
    EXPECT_EQ(file.readLine(), "\x7F\xEE");
}

TEST(TextFileReader, MissingFileOrFolderIsError53) {
    TemporaryFolder folder;
    for (const auto& path : {folder.path() / "absent.asc", folder.path()}) {
        try {
            TextFileReader file(path);
            ADD_FAILURE() << path << " opened";
        } catch (const BasicError& error) {
            EXPECT_EQ(error.number(), FileNotFound);
        }
    }
}

TEST(TextFileWriter, WritesCrLfLinesAndEmptiesTheFileFirst) {
    TemporaryFolder folder;
    const auto path = folder.write("CD.TMP", "old contents that are longer\r\n");
    {
        TextFileWriter file(path);
        file.writeLine("Molecular ellipticity");
        file.writeLine("2)LYSO.JCD");
    }
    EXPECT_EQ(ReadBytes(path), "Molecular ellipticity\r\n2)LYSO.JCD\r\n");
}

}  // namespace
}  // namespace tavrelion::store
