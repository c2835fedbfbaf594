#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/directory_lister.h"
#include "support/listed_entries.h"

namespace kuvano::testing {

// Folders in memory. Each folder lists "." and ".." first, then its entries
// in the order given. Masks know "*" and "?"; "*.*" matches every name.
class FakeDirectoryLister final : public DirectoryLister {
public:
    std::map<std::u16string, std::vector<TFindData>> folders;
    std::map<std::u16string, uint32_t> failAfterFirst;  // a listing that ends with this error
    mutable int opened = 0;

    void AddFolder(const std::u16string& path) { folders[path]; }
    void AddFile(const std::u16string& folder, const std::u16string& name, uint64_t size = 0, uint32_t attributes = 0) {
        TFindData entry;
        entry.name = name;
        entry.size = size;
        entry.attributes = attributes;
        folders[folder].push_back(entry);
    }
    void AddSubfolder(const std::u16string& folder, const std::u16string& name, uint32_t attributes = 0) {
        AddFile(folder, name, 0, attributes | kAttributeDirectory);
        AddFolder(folder + u"\\" + name);
    }

    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, TFindData& first) const override {
        ++opened;
        const size_t slash = pattern.rfind(u'\\');
        const std::u16string folder = pattern.substr(0, slash);
        const std::u16string mask = pattern.substr(slash + 1);
        const auto found = folders.find(folder);
        if (found == folders.end()) return nullptr;
        std::vector<TFindData> entries{Dot(u"."), Dot(u"..")};
        entries.insert(entries.end(), found->second.begin(), found->second.end());
        std::erase_if(entries, [&mask](const TFindData& e) { return !Matches(mask, e.name); });
        if (entries.empty()) return nullptr;
        first = entries.front();
        const auto failure = failAfterFirst.find(folder);
        if (failure == failAfterFirst.end()) return std::make_unique<ListedEntries>(std::move(entries), 18);
        entries.resize(1);
        return std::make_unique<ListedEntries>(std::move(entries), failure->second);
    }

private:
    static TFindData Dot(const std::u16string& name) {
        TFindData entry;
        entry.name = name;
        entry.attributes = kAttributeDirectory;
        return entry;
    }

    static bool Matches(std::u16string_view mask, std::u16string_view name) {
        if (mask == u"*.*" || mask == u"*") return true;
        if (mask.empty()) return name.empty();
        if (mask.front() == u'*') {
            for (size_t skip = 0; skip <= name.size(); ++skip) {
                if (Matches(mask.substr(1), name.substr(skip))) return true;
            }
            return false;
        }
        if (name.empty()) return false;
        return (mask.front() == u'?' || mask.front() == name.front()) && Matches(mask.substr(1), name.substr(1));
    }
};

}  // namespace kuvano::testing
