#include "analysis/ReferenceChoiceModel.h"

#include <cstddef>
#include <utility>

#include "analysis/ContentBoundsModel.h"
#include "store/NumberText.h"

namespace tavrelion::analysis {
namespace {

constexpr int LargestRemoveCount = 5;
constexpr const char* ResetRemoveText = "1";
constexpr const char* ItemGap = "          ";  // ten blanks between the number and the name

}  // namespace

ReferenceChoiceModel::ReferenceChoiceModel(store::SpectrumStore& store,
                                           std::vector<std::string> names)
    : store_(store), names_(std::move(names)), selected_(names_.size(), false) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        selected_[i] = store_.ReferenceSelected(static_cast<int>(i)) == 1;
    }
    recount();
}

std::vector<std::string> ReferenceChoiceModel::items() const {
    std::vector<std::string> items;
    items.reserve(names_.size());
    for (std::size_t i = 0; i < names_.size(); ++i) {
        items.push_back(store::GeneralForm(static_cast<double>(i + 1)) + ItemGap + names_[i]);
    }
    return items;
}

void ReferenceChoiceModel::selectionChanged(const std::vector<bool>& selected) {
    for (std::size_t i = 0; i < selected_.size(); ++i) {
        selected_[i] = i < selected.size() && selected[i];
    }
    recount();
}

std::string ReferenceChoiceModel::removeTextChanged(const std::string& text) {
    removeText_ = text;
    remove_ = ClampedWholeOf(text);
    if (remove_ < 0 || remove_ > LargestRemoveCount) {
        removeText_ = ResetRemoveText;
        remove_ = 1;
    }
    recount();
    return removeText_;
}

void ReferenceChoiceModel::recount() {
    int n = 0;
    for (const bool chosen : selected_) {
        n += chosen ? 1 : 0;
    }
    if (remove_ >= 1 && remove_ < n) {
        combinationCount_ = drivers::VarselecCombinationCount(n, remove_);
    }
    combinationText_ = store::GeneralForm(static_cast<double>(combinationCount_));
}

void ReferenceChoiceModel::ok() {
    for (std::size_t i = 0; i < selected_.size(); ++i) {
        store_.ReferenceSelected(static_cast<int>(i)) = selected_[i] ? 1 : 0;
    }
    store_.DialogAccepted = 1;
    accepted_ = true;
    closed_ = true;
}

void ReferenceChoiceModel::cancel() {
    store_.DialogAccepted = 0;
    accepted_ = false;
    closed_ = true;
}

drivers::VarselecChoice ReferenceChoiceModel::choice() const {
    drivers::VarselecChoice choice;
    for (std::size_t i = 0; i < selected_.size(); ++i) {
        if (selected_[i]) {
            choice.SelectedIndex.push_back(static_cast<store::Int16>(i + 1));
        }
    }
    choice.RemoveCount = static_cast<store::Int16>(remove_);
    return choice;
}

}  // namespace tavrelion::analysis
