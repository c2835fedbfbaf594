#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace kuvano {

// The tray icons of the process by identifier. The shell hands the
// identifier back in each notification.
template <typename Component>
class TrayRegistry {
public:
    // The first component gets 1, each later one the last entry's number plus one.
    uint32_t Register(Component* component) {
        const uint32_t identifier = entries_.empty() ? 1 : entries_.back().first + 1;
        entries_.emplace_back(identifier, component);
        return identifier;
    }

    // A destroyed component must never receive another notification.
    void Unregister(const Component* component) {
        std::erase_if(entries_, [component](const auto& entry) { return entry.second == component; });
    }

    Component* Find(uint64_t notifiedIdentifier) const {
        for (const auto& [identifier, component] : entries_) {
            if (identifier == notifiedIdentifier) return component;
        }
        return nullptr;
    }

private:
    std::vector<std::pair<uint32_t, Component*>> entries_;
};

}  // namespace kuvano
