#include "survey_model.h"

#include <algorithm>
#include <limits>

namespace kuvano::fuzz {
namespace {

constexpr int64_t kMiB = 1'048'576;

bool IsDot(const TFindData& entry) {
    return entry.name == u"." || entry.name == u"..";
}

bool Has(const TFindData& entry, uint32_t attribute) {
    return (entry.attributes & attribute) != 0;
}

uint64_t AddHeld(uint64_t sum, uint64_t size) {
    return sum > UINT64_MAX - size ? UINT64_MAX : sum + size;
}

int64_t HeldToInt64(uint64_t sum) {
    return static_cast<int64_t>(std::min<uint64_t>(sum, INT64_MAX));
}

}  // namespace

// One survey: follows the pump calls, one before every listed entry.
class SurveyModel::Walk {
public:
    Walk(SurveyModel& model, const PumpPlan& plan) : model_(model), plan_(plan) {}

    SurveyOutcome Run(std::u16string baseDir) {
        outcome_.shownRowCounts.push_back(0);
        if (baseDir.back() == u'\\') baseDir.pop_back();
        if (const TreeFolder* base = model_.tree_.Find(baseDir, model_.collation_)) {
            for (const TFindData& entry : Listing(*base)) {
                if (!Pump()) break;
                if (IsDot(entry) || !Has(entry, kAttributeDirectory) ||
                    Has(entry, kAttributeHidden | kAttributeSystem)) {
                    continue;
                }
                const std::u16string folder = baseDir + u"\\" + entry.name;
                if (model_.collation_.EqualIgnoringCase(folder, model_.windowsDirectory_)) continue;
                outcome_.rows.push_back(Measure(entry, folder));
                outcome_.shownRowCounts.push_back(outcome_.rows.size());
            }
        }
        model_.Sort(kColumnMegabytes, -model_.directions_[kColumnMegabytes], outcome_.rows);
        outcome_.shownRowCounts.push_back(outcome_.rows.size());
        return std::move(outcome_);
    }

private:
    bool Pump() {
        ++pumps_;
        if (pumps_ == plan_.sortAt) {
            model_.SortBy(plan_.sortColumn, outcome_.rows);
            outcome_.shownRowCounts.push_back(outcome_.rows.size());
        }
        if (pumps_ == plan_.stopAt) outcome_.stopped = true;
        return !outcome_.stopped;
    }

    SurveyRow Measure(const TFindData& subfolder, const std::u16string& folder) {
        SurveyRow row{.folder = folder};
        if (Has(subfolder, kAttributeReparsePoint)) return row;
        uint64_t bytes = 0;
        std::vector<std::u16string> queue{folder};
        for (size_t i = 0; i < queue.size(); ++i) {
            const TreeFolder* listed = model_.tree_.Find(queue[i], model_.collation_);
            if (!listed) continue;
            for (const TFindData& entry : Listing(*listed)) {
                if (!Pump()) {
                    row.bytes = HeldToInt64(bytes);
                    return row;
                }
                if (IsDot(entry)) continue;
                bytes = AddHeld(bytes, entry.size);
                ++row.entries;
                if (Has(entry, kAttributeDirectory) && !Has(entry, kAttributeReparsePoint)) {
                    queue.push_back(queue[i] + u"\\" + entry.name);
                }
            }
            if (ListingEnd(*listed) != kNoMoreFiles) break;  // an error ends the walk below this subfolder
        }
        row.bytes = HeldToInt64(bytes);
        return row;
    }

    SurveyModel& model_;
    const PumpPlan& plan_;
    SurveyOutcome outcome_;
    size_t pumps_ = 0;
};

SurveyOutcome SurveyModel::Survey(const std::u16string& baseFolder, const PumpPlan& plan) {
    return Walk(*this, plan).Run(baseFolder);
}

void SurveyModel::SortBy(int column, std::vector<SurveyRow>& rows) {
    Sort(column, directions_.at(static_cast<size_t>(column)), rows);
    directions_[static_cast<size_t>(column)] *= -1;
}

void SurveyModel::Sort(int column, int direction, std::vector<SurveyRow>& rows) const {
    const auto before = [&](const SurveyRow& a, const SurveyRow& b) {
        switch (column) {
            case kColumnMegabytes: return a.bytes / kMiB < b.bytes / kMiB;
            case kColumnEntries: return a.entries < b.entries;
            default: return collation_.Compare(a.folder, b.folder) < 0;
        }
    };
    std::ranges::stable_sort(
        rows, [&](const SurveyRow& a, const SurveyRow& b) { return direction > 0 ? before(a, b) : before(b, a); });
}

}  // namespace kuvano::fuzz
