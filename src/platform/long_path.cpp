#include "platform/long_path.h"

#include <string_view>

namespace kuvano {
namespace {

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Segments after the root; an empty one is allowed only last ("C:\").
bool NeedsTidying(std::u16string_view rest) {
    if (rest.find(u'/') != std::u16string_view::npos) return true;
    for (size_t start = 0;;) {
        const size_t end = rest.find(u'\\', start);
        const std::u16string_view segment = rest.substr(start, end - start);
        if (end == std::u16string_view::npos) return segment == u"." || segment == u"..";
        if (segment.empty() || segment == u"." || segment == u"..") return true;
        start = end + 1;
    }
}

}  // namespace

std::u16string LongPath(const std::u16string& path) {
    const std::u16string_view view(path);
    if (view.size() >= 3 && IsAsciiLetter(view[0]) && view[1] == u':' && view[2] == u'\\') {
        return NeedsTidying(view.substr(3)) ? path : u"\\\\?\\" + path;
    }
    const bool unc = view.starts_with(u"\\\\") && !view.starts_with(u"\\\\?\\") && !view.starts_with(u"\\\\.\\");
    if (unc && !NeedsTidying(view.substr(2))) return u"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

}  // namespace kuvano
