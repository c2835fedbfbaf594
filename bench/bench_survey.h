#pragma once

#include <string>
#include <vector>

#include "folder_size/folder_survey.h"
#include "support/fixed_seek_penalty.h"

namespace kuvano::bench {

// The survey as the benchmarks run it, a whole survey waited for, with a
// worker per core or with one: the one place that builds a FolderSurvey, so
// that a change of its constructor touches the benchmarks here only.
class BenchSurvey {
public:
    enum class Workers { PerCore, One };

    BenchSurvey(const DirectoryLister& lister, const TextCollation& collation, Workers workers)
        : seekPenalty_(workers == Workers::One), survey_(lister, u"C:\\Windows", collation, seekPenalty_, nullptr) {}

    void Run(const std::u16string& baseFolder) { survey_.Run(baseFolder); }
    const std::vector<SurveyRow>& Rows() const { return survey_.Rows(); }

private:
    // A volume that seeks gets one worker, one that does not a worker per core.
    testing::FixedSeekPenalty seekPenalty_;
    FolderSurvey survey_;
};

}  // namespace kuvano::bench
