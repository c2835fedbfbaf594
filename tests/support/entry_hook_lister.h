#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/directory_lister.h"

namespace kuvano::testing {

// Hands out another lister's entries and calls OnEntry, on the walking
// thread, before each one: a test acts at a chosen entry of a walk.
class EntryHookLister final : public DirectoryLister {
public:
    explicit EntryHookLister(const DirectoryLister& inner) : inner_(inner) {}

    std::function<void(const std::u16string& pattern)> OnEntry;

    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, TFindData& first) const override {
        auto listing = inner_.Open(pattern, first);
        if (!listing) return nullptr;
        if (OnEntry) OnEntry(pattern);
        return std::make_unique<Hooked>(std::move(listing), *this, pattern);
    }

private:
    struct Hooked final : Enumeration {
        Hooked(std::unique_ptr<Enumeration> listing, const EntryHookLister& hooks, std::u16string listed)
            : inner(std::move(listing)), owner(hooks), pattern(std::move(listed)) {}
        bool Next(TFindData& entry, uint32_t& error) override {
            if (!inner->Next(entry, error)) return false;
            if (owner.OnEntry) owner.OnEntry(pattern);
            return true;
        }
        std::unique_ptr<Enumeration> inner;
        const EntryHookLister& owner;
        std::u16string pattern;
    };

    const DirectoryLister& inner_;
};

}  // namespace kuvano::testing
