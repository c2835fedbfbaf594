#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/file_store.h"
#include "core/text_collation.h"
#include "core/wall_clock.h"
#include "folder_size/survey_row.h"

namespace kuvano {

// The last complete survey of each recent base folder, kept in a file so
// that the next survey, also after a restart, can say what grew. The file is
// read when it is first needed, never at start-up, and written whole, in one
// step, at the end of each complete survey.
class SurveyMemory {
public:
    SurveyMemory(const FileStore& files, std::u16string path, const TextCollation& collation, const WallClock& clock);

    // The last complete survey of that folder, in any letter case, or none.
    const SurveyRecord* Previous(const std::u16string& baseFolder);
    // A survey that ran to its end, as of now. The least recently surveyed
    // folders give way to keep within the bounds; a survey beyond them
    // alone is not kept, and the one before it stays.
    void Remember(const std::u16string& baseFolder, std::vector<SurveyRow> rows);

private:
    bool Load();
    void Write() const;

    const FileStore& files_;
    const std::u16string path_;
    const TextCollation& collation_;
    const WallClock& clock_;
    // Oldest first. Unknown until the file could be read: a file that cannot
    // be read now is never written over with less than it holds.
    std::optional<std::vector<SurveyRecord>> records_;
};

}  // namespace kuvano
