#pragma once

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "folder_size/folder_survey.h"
#include "folder_size/survey_pool_size.h"
#include "support/fake_survey_system.h"

namespace kuvano::bench {

// The survey as the benchmarks run it, a whole survey waited for, with a
// worker per core or with one: the one place that builds a FolderSurvey, so
// that a change of its constructor touches the benchmarks here only.
class BenchSurvey {
public:
    enum class Workers { PerCore, One };

    BenchSurvey(std::shared_ptr<const DirectoryLister> lister, const TextCollation& collation, Workers workers)
        : survey_(testing::FakeSurveySystem(std::move(lister), PoolSize(workers)), collation, nullptr) {}

    void Run(const std::u16string& baseFolder) { survey_.Run(baseFolder); }
    const std::vector<SurveyRow>& Rows() const { return survey_.Rows(); }

private:
    static unsigned PoolSize(Workers workers) {
        return workers == Workers::One ? 1
                                       : SurveyPoolSize(std::thread::hardware_concurrency(), VolumeKind::SolidState);
    }

    FolderSurvey survey_;
};

}  // namespace kuvano::bench
