#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/directory_lister.h"

namespace kuvano::testing {

// Hands out another lister's entries and calls OnEntry with the pattern and
// the entry's place in its listing (from 1), on the walking thread, before
// each one: a test acts at a chosen entry of a walk.
class EntryHookLister final : public DirectoryLister {
public:
    explicit EntryHookLister(std::shared_ptr<const DirectoryLister> inner) : inner_(std::move(inner)) {}
    std::function<void(const std::u16string& pattern, int entry)> OnEntry;

    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, DirectoryEntry& first) const override {
        auto listing = inner_->Open(pattern, first);
        if (!listing) return nullptr;
        if (OnEntry) OnEntry(pattern, 1);
        return std::make_unique<Hooked>(std::move(listing), [this, pattern, entry = 1]() mutable {
            if (OnEntry) OnEntry(pattern, ++entry);
        });
    }

private:
    struct Hooked final : Enumeration {
        Hooked(std::unique_ptr<Enumeration> listing, std::function<void()> hook)
            : inner(std::move(listing)), onEntry(std::move(hook)) {}
        bool Next(DirectoryEntry& entry, uint32_t& error) override {
            return inner->Next(entry, error) && (onEntry(), true);
        }
        std::unique_ptr<Enumeration> inner;
        std::function<void()> onEntry;
    };
    const std::shared_ptr<const DirectoryLister> inner_;
};

}  // namespace kuvano::testing
