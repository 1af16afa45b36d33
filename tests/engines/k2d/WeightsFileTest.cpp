#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fakes/TemporaryFolder.h"
#include "k2d/WeightsFile.h"

namespace tavrelion::engines::k2d {
namespace {

using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

KohonenMap SmallMap() {
    KohonenMap map;
    map.rows = 2;
    map.columns = 3;
    map.trainingSet = "TINY";
    map.trainingProteins = 9;
    map.typicalDistance = 0.75;
    map.weights = Eigen::MatrixXd::Random(InputCount, 6) * 20.0;
    map.labels = Eigen::MatrixXd::Constant(LabelCount, 6, 0.25);
    map.labels.row(CoilLabel).setConstant(0.5);
    map.labels(HelixLabel, 4) = 0.125;
    map.labels(CoilLabel, 4) = 0.625;
    return map;
}

TEST(K2dWeightsFile, WrittenMapReadsBack) {
    TemporaryFolder folder;
    const KohonenMap map = SmallMap();
    WriteWeightsFile(map, {"provenance line"}, folder.path() / WeightsFileName);
    const std::string bytes = ReadBytes(folder.path() / WeightsFileName);
    EXPECT_EQ(bytes.rfind("# provenance line\r\nMAP KOHONEN\r\nGRID 2 3\r\n", 0), 0u);

    const KohonenMap back = ReadWeightsFile(folder.path() / WeightsFileName);
    EXPECT_EQ(back.rows, 2);
    EXPECT_EQ(back.columns, 3);
    EXPECT_EQ(back.trainingSet, "TINY");
    EXPECT_EQ(back.trainingProteins, 9);
    EXPECT_DOUBLE_EQ(back.typicalDistance, 0.75);
    EXPECT_LT((back.weights - map.weights).cwiseAbs().maxCoeff(), 1e-5);
    EXPECT_EQ(back.labels, map.labels);
}

// Each damaged file is refused with a reason that names what is wrong.
TEST(K2dWeightsFile, DamagedFilesAreRefusedWithAReason) {
    TemporaryFolder folder;
    WriteWeightsFile(SmallMap(), {}, folder.path() / "good.dat");
    const std::string good = ReadBytes(folder.path() / "good.dat");
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string bytes = good;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    const struct {
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"", "ends before MAP"},
        {"binary\x01\x02 garbage", "expected MAP"},
        {good.substr(0, good.size() / 2), "ends before"},
        {replaced("GRID 2 3", "GRID 0 3"), "grid size"},
        {replaced("GRID 2 3", "GRID 2 x"), "not a number"},
        {replaced("INPUTS 200 240", "INPUTS 190 240"), "200 to 240"},
        {replaced("NODE 1 2", "NODE 2 1"), "not in order"},
        {replaced("NODE 2 1 0.250000", "NODE 2 1 0.900000"), "sum to 1.65 instead of 1"},
        {replaced("NODE 1 1 0.250000", "NODE 1 1 -0.25000"), "outside 0 to 1"},
        {replaced("NODE 1 1 0.250000", "NODE 1 1 -1e308"), "line 5: the labels of node 1 1"},
        {replaced("NODE 1 2", "NODE 1 2 0 0 1\r\n 1e300"), "weight of node 1 2 is beyond"},
        {replaced("NODE 1 1 0.250000", "NODE 1 1 nan"), "not a number"},
        {good + " 1.5\r\n", "more data"},
    };
    for (const auto& bad : cases) {
        const auto file = folder.write(WeightsFileName, bad.bytes);
        try {
            ReadWeightsFile(file);
            ADD_FAILURE() << "accepted a file that should fail with: " << bad.reason;
        } catch (const std::runtime_error& error) {
            EXPECT_THAT(error.what(), testing::HasSubstr(bad.reason));
            EXPECT_THAT(error.what(), testing::HasSubstr(WeightsFileName));
        }
    }
    EXPECT_THROW(ReadWeightsFile(folder.path() / "missing.dat"), std::runtime_error);
}

}  // namespace
}  // namespace tavrelion::engines::k2d
