#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kuvano {

// The tray components of the process by identifier. The shell hands the
// identifier back in each notification; it is kept as decimal text.
template <typename Component>
class TrayRegistry {
public:
    // The first component gets 1, each later one the last entry's number plus one.
    int32_t Register(Component* component) {
        const int32_t identifier = entries_.empty() ? 1 : std::stoi(entries_.back().first) + 1;
        entries_.emplace_back(std::to_string(identifier), component);
        return identifier;
    }

    // A destroyed component must never receive another notification.
    void Unregister(const Component* component) {
        std::erase_if(entries_, [component](const auto& entry) { return entry.second == component; });
    }

    Component* Find(uint64_t notifiedIdentifier) const {
        const std::string text = std::to_string(notifiedIdentifier);
        for (const auto& [identifier, component] : entries_) {
            if (identifier == text) return component;
        }
        return nullptr;
    }

private:
    std::vector<std::pair<std::string, Component*>> entries_;
};

}  // namespace kuvano
