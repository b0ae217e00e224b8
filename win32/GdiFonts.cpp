#include "win32/GdiFonts.h"

namespace veltrano {

HFONT GdiFonts::get(const std::wstring& face, int pixels, bool bold) {
    const Key key{face, pixels, bold};
    auto found = cache().find(key);
    if (found != cache().end()) {
        return found->second;
    }
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectW(&font);
    cache().emplace(key, made);
    return made;
}

std::map<GdiFonts::Key, HFONT>& GdiFonts::cache() {
    static std::map<Key, HFONT> fonts;
    return fonts;
}

}  // namespace veltrano
