#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "batch/BatchCommandLine.h"

namespace tavrelion::batch {
namespace {

TEST(BatchOptions, DefaultsAndEveryOption) {
    const BatchOptions plain = ParseBatchOptions({"LYSO.ASC"});
    EXPECT_EQ(plain.menuEntry, 9);
    EXPECT_EQ(plain.files, std::vector<std::string>{"LYSO.ASC"});
    EXPECT_FALSE(plain.residues.has_value());
    EXPECT_EQ(plain.jobs, 0);  // one per core
    EXPECT_EQ(plain.timeoutSeconds, 60);
    const BatchOptions parallel = ParseBatchOptions({"--jobs", "3", "--timeout", "5", "A"});
    EXPECT_EQ(parallel.jobs, 3);
    EXPECT_EQ(parallel.timeoutSeconds, 5);
    EXPECT_EQ(ParseBatchOptions({"--table", "all, spectra.csv", "A"}).table, "all, spectra.csv");

    const BatchOptions all = ParseBatchOptions({"--method",
                                                "selcon2",
                                                "--program-dir",
                                                "/opt/t",
                                                "--residues",
                                                "129",
                                                "--cell-width",
                                                "1",
                                                "--concentration",
                                                "0.001",
                                                "--selcon-model",
                                                "2",
                                                "--selcon-iterations",
                                                "20",
                                                "--selcon-tolerance",
                                                "5",
                                                "--varselec-remove",
                                                "3",
                                                "--varselec-proteins",
                                                "1-3,7,30-33",
                                                "--content-min",
                                                "0",
                                                "--content-max",
                                                "150",
                                                "--reference",
                                                "IDP175",
                                                "A.ASC",
                                                "B.JCD"});
    EXPECT_EQ(all.menuEntry, 4);
    EXPECT_EQ(all.programDir, "/opt/t");
    EXPECT_EQ(*all.residues, 129);
    EXPECT_DOUBLE_EQ(*all.concentration, 0.001);
    EXPECT_EQ(*all.selconModel, 2);
    EXPECT_EQ(all.varselecProteins, (std::vector<int>{1, 2, 3, 7, 30, 31, 32, 33}));
    EXPECT_EQ(*all.contentMin, 0);
    EXPECT_EQ(all.referenceSet, analysis::ReferenceSetChoice::Idp175);
    EXPECT_EQ(plain.referenceSet, analysis::ReferenceSetChoice::Sp175);
    EXPECT_EQ(all.files.size(), 2u);

    const std::string help = BatchHelpText();
    for (const char* option :
         {"--method", "--program-dir", "--residues", "--cell-width", "--concentration",
          "--selcon-model", "--selcon-iterations", "--selcon-tolerance", "--varselec-remove",
          "--varselec-proteins", "--content-min", "--content-max", "--table", "--reference",
          "--jobs", "--timeout", "--help"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

TEST(BatchOptions, MistakesNameTheOption) {
    const auto mistake = [](std::vector<std::string> arguments) {
        try {
            ParseBatchOptions(arguments);
        } catch (const std::invalid_argument& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(mistake({}), "no spectrum file given");
    EXPECT_NE(mistake({"--method", "cdsstr", "A"}).find("--method"), std::string::npos);
    EXPECT_NE(mistake({"--selcon-model", "5", "A"}).find("from 1 to 4"), std::string::npos);
    EXPECT_NE(mistake({"--residues", "12x", "A"}).find("--residues"), std::string::npos);
    EXPECT_NE(mistake({"--varselec-proteins", "0-40", "A"}).find("--varselec-proteins"),
              std::string::npos);
    EXPECT_EQ(mistake({"A", "--residues"}), "--residues needs a value");
    EXPECT_NE(mistake({"--concentration", "1", "--mg-per-ml", "1", "A"}).find("not both"),
              std::string::npos);
    EXPECT_NE(mistake({"--unit", "molar-ish", "A"}).find("--unit"), std::string::npos);
    EXPECT_NE(mistake({"--convert-to", "xls", "A"}).find("tvr or csv"), std::string::npos);
    EXPECT_NE(mistake({"--method", "k2d", "--table", "t.csv", "A"}).find("--method all"),
              std::string::npos);
    EXPECT_NE(mistake({"--reference", "sp176", "A"}).find("sp175 or idp175"), std::string::npos);
    EXPECT_EQ(mistake({"--frobnicate", "1", "A"}), "unknown option --frobnicate");
}

TEST(BatchOptions, DoubleDashEndsTheOptionsAndVersionAndHelpNeedNoFile) {
    const BatchOptions files = ParseBatchOptions({"--method", "lsq", "--", "--method", "-h"});
    EXPECT_EQ(files.menuEntry, 1);
    EXPECT_EQ(files.files, (std::vector<std::string>{"--method", "-h"}));

    const BatchOptions equals = ParseBatchOptions({"--method=helix", "--ht-max", "-1", "A"});
    EXPECT_EQ(equals.menuEntry, 3);
    EXPECT_DOUBLE_EQ(*equals.htMax, -1.0);
    const BatchOptions last = ParseBatchOptions({"--jobs", "2", "A", "--jobs", "4"});
    EXPECT_EQ(last.jobs, 4);

    EXPECT_TRUE(ParseBatchOptions({"--version"}).version);
    for (const auto& [arguments, message] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--version=2", "--"}, "--version takes no value"},
             {{"-x", "A"}, "unknown option -x"},
             {{"A", "--method"}, "--method needs a value"}}) {
        try {
            ParseBatchOptions(arguments);
            ADD_FAILURE() << "accepted " << message;
        } catch (const std::invalid_argument& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
    EXPECT_TRUE(ParseBatchOptions({"-h"}).help);
    EXPECT_NE(BatchHelpText().find("  --  "), std::string::npos);
    EXPECT_NE(BatchHelpText().find("--version"), std::string::npos);
}

}  // namespace
}  // namespace tavrelion::batch
