#include "platform/volume_kind_decision.h"

#include <string_view>

namespace kuvano {
namespace {

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// A UNC path (\\server\share, \\?\UNC\server\share) or a path on a mapped
// letter, also in the \\?\ form that the system resolves paths to.
bool IsOnNetwork(std::u16string_view path, const VolumeProbe& probe) {
    const bool prefixed = path.starts_with(u"\\\\?\\") || path.starts_with(u"\\\\.\\");
    if (!prefixed && path.starts_with(u"\\\\")) return true;
    const std::u16string_view rest = prefixed ? path.substr(4) : path;
    if (prefixed && rest.size() >= 4 && AsciiUpper(rest[0]) == u'U' && AsciiUpper(rest[1]) == u'N' &&
        AsciiUpper(rest[2]) == u'C' && rest[3] == u'\\') {
        return true;
    }
    const char16_t letter = rest.empty() ? u'\0' : AsciiUpper(rest[0]);
    return letter >= u'A' && letter <= u'Z' && rest.size() >= 2 && rest[1] == u':' && probe.IsRemoteLetter(letter);
}

}  // namespace

VolumeKind DecideVolumeKind(const std::u16string& folder, const VolumeProbe& probe) {
    const std::u16string path = probe.ResolvedPath(folder).value_or(folder);
    if (IsOnNetwork(path, probe)) return VolumeKind::Network;
    const std::optional<bool> seekPenalty = probe.SeekPenalty(path);
    if (!seekPenalty) return VolumeKind::Unknown;
    return *seekPenalty ? VolumeKind::Spinning : VolumeKind::SolidState;
}

}  // namespace kuvano
