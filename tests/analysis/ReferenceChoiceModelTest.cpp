#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/ReferenceChoiceModel.h"
#include "store/SpectrumStore.h"

namespace tavrelion::analysis {
namespace {

constexpr int Proteins = 33;

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int p = 1; p <= Proteins; ++p) {
        names.push_back("protein " + std::to_string(p));
    }
    return names;
}

std::unique_ptr<store::SpectrumStore> AllSelected() {
    auto store = std::make_unique<store::SpectrumStore>();
    store->ReferenceSelected.fill(1);
    return store;
}

std::vector<bool> FirstSelected(int count) {
    std::vector<bool> selected(Proteins, false);
    std::fill_n(selected.begin(), count, true);
    return selected;
}

TEST(ReferenceChoiceModel, OpensWithNumberedNamesTheStoredFlagsAndTwoRemoved) {
    auto store = AllSelected();
    store->ReferenceSelected(0) = 0;
    store->ReferenceSelected(32) = 0;
    ReferenceChoiceModel model(*store, Names());
    const auto items = model.items();
    ASSERT_EQ(items.size(), 33u);
    EXPECT_EQ(items[0], " 1          protein 1");
    EXPECT_EQ(items[32], " 33          protein 33");
    EXPECT_FALSE(model.selected()[0]);
    EXPECT_TRUE(model.selected()[1]);
    EXPECT_FALSE(model.selected()[32]);
    EXPECT_EQ(model.removeText(), "2");
    EXPECT_EQ(model.combinationText(), " 465");  // 31 proteins, 2 removed
}

TEST(ReferenceChoiceModel, SelectionRecountsOnlyWhileKIsBelowN) {
    auto store = AllSelected();
    ReferenceChoiceModel model(*store, Names());
    std::vector<bool> selected(Proteins, false);
    selected[4] = selected[9] = selected[20] = selected[31] = true;
    model.selectionChanged(selected);
    EXPECT_EQ(model.combinationText(), " 6");
    EXPECT_EQ(model.choice().SelectedIndex, (std::vector<store::Int16>{5, 10, 21, 32}));
    model.selectionChanged(FirstSelected(2));  // k = 2 is not below n = 2: the count stays
    EXPECT_EQ(model.combinationText(), " 6");
    model.selectionChanged(FirstSelected(0));
    EXPECT_EQ(model.combinationText(), " 6");
    EXPECT_TRUE(model.choice().SelectedIndex.empty());
}

struct TypedRemoveCase {
    const char* typed;
    const char* shown;
    int k;
    const char* count;  // with all 33 proteins selected
};

void PrintTo(const TypedRemoveCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

class ReferenceChoiceTyping : public testing::TestWithParam<TypedRemoveCase> {};

TEST_P(ReferenceChoiceTyping, ShowsTheBoxTextAndRecounts) {
    const auto& c = GetParam();
    auto store = AllSelected();
    ReferenceChoiceModel model(*store, Names());
    EXPECT_EQ(model.removeTextChanged(c.typed), c.shown);
    EXPECT_EQ(model.choice().RemoveCount, c.k);
    EXPECT_EQ(model.combinationText(), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReferenceChoiceTyping,
    testing::Values(TypedRemoveCase{"2", "2", 2, " 528"}, TypedRemoveCase{"5", "5", 5, " 237336"},
                    TypedRemoveCase{"7", "1", 1, " 33"},   // beyond 5: reset to 1
                    TypedRemoveCase{"-1", "1", 1, " 33"},  // below 0: reset to 1
                    TypedRemoveCase{"0", "0", 0, " 528"},  // accepted, the count left as it was
                    TypedRemoveCase{"3.5x", "3.5x", 4, " 40920"},  // rounded half to even
                    TypedRemoveCase{"99999", "1", 1, " 33"}));     // beyond 16 bits, no failure

TEST(ReferenceChoiceModel, OkStoresTheSelectionCancelLeavesTheFlags) {
    auto store = AllSelected();
    ReferenceChoiceModel cancelled(*store, Names());
    cancelled.selectionChanged(FirstSelected(3));
    cancelled.cancel();
    EXPECT_FALSE(cancelled.accepted());
    EXPECT_EQ(store->DialogAccepted, 0);
    EXPECT_EQ(store->ReferenceSelected(32), 1);

    ReferenceChoiceModel accepted(*store, Names());
    accepted.selectionChanged(FirstSelected(30));
    accepted.ok();
    EXPECT_TRUE(accepted.accepted());
    EXPECT_EQ(store->DialogAccepted, 1);
    EXPECT_EQ(store->ReferenceSelected(29), 1);
    EXPECT_EQ(store->ReferenceSelected(30), 0);
    EXPECT_EQ(store->ReferenceSelected(32), 0);
}

}  // namespace
}  // namespace tavrelion::analysis
