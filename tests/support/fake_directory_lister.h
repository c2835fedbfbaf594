#pragma once

#include <algorithm>
#include <atomic>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/directory_lister.h"

namespace kuvano::testing {

// Folders in memory, by exact path. Each lists "." and ".." and then its
// entries in the order given, whatever the mask.
class FakeDirectoryLister final : public DirectoryLister {
public:
    std::map<std::u16string, std::vector<DirectoryEntry>> folders;
    // A listing that ends after that many entries, dots included, with that error.
    std::map<std::u16string, std::pair<size_t, uint32_t>> failAfter;
    mutable std::atomic<size_t> opened = 0;  // calls of Open

    void AddFile(const std::u16string& folder, const std::u16string& name, uint64_t size = 0, uint32_t attributes = 0) {
        folders[folder].push_back({.attributes = attributes, .size = size, .name = name});
    }
    void AddSubfolder(const std::u16string& folder, const std::u16string& name, uint32_t attributes = 0) {
        AddFile(folder, name, 0, attributes | kAttributeDirectory);
        folders[folder + u"\\" + name];
    }

    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, DirectoryEntry& first) const override {
        ++opened;
        const size_t slash = pattern.rfind(u'\\');
        const auto found = folders.find(pattern.substr(0, slash));
        if (found == folders.end()) return nullptr;
        auto listing = std::make_unique<Listing>();
        auto& entries = listing->entries;
        entries = {{.attributes = kAttributeDirectory, .name = u"."},
                   {.attributes = kAttributeDirectory, .name = u".."}};
        entries.insert(entries.end(), found->second.begin(), found->second.end());
        if (const auto failure = failAfter.find(found->first); failure != failAfter.end()) {
            entries.resize(std::min(entries.size(), failure->second.first));
            listing->end = failure->second.second;
        }
        if (entries.empty()) return nullptr;
        first = entries.front();
        return listing;
    }

private:
    struct Listing final : Enumeration {
        bool Next(DirectoryEntry& entry, uint32_t& error) override {
            if (++next >= entries.size()) return error = end, false;
            return entry = entries[next], true;
        }
        std::vector<DirectoryEntry> entries;
        uint32_t end = 18;  // no more files
        size_t next = 0;
    };
};

}  // namespace kuvano::testing
