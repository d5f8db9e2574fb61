#include "ui/win32/fonts.h"

#include "ui/win32/utf16.h"

#include <cmath>
#include <cwchar>
#include <map>
#include <string>

namespace tessaly::win32 {

namespace {

int CALLBACK noteScalable(const LOGFONTW *, const TEXTMETRICW *, DWORD type, LPARAM found)
{
    // A raster face ("MS Sans Serif" on Windows) comes in a few pixel sizes only, and at 150 or
    // 200 % would be drawn smaller than the layout asks for.
    if ((type & RASTER_FONTTYPE) == 0)
        *reinterpret_cast<bool *>(found) = true;
    return 1;
}

bool hasOutlineFace(HDC dc, const std::wstring &family)
{
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    if (family.size() >= LF_FACESIZE)
        return false;
    std::wcsncpy(query.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, noteScalable, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring systemFace(UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return metrics.lfMessageFont.lfFaceName;
    return L"Segoe UI";
}

} // namespace

FontHandle createFont(const layout::Face &face, double points, UINT dpi)
{
    // Looked up once a face: the fonts a system has do not change under a running program, and
    // asking costs start-up a few milliseconds under Wine.
    static std::map<const layout::Face *, std::wstring> chosenFaces;
    std::wstring &chosen = chosenFaces[&face];
    if (chosen.empty()) {
        HDC screen = GetDC(nullptr);
        for (std::string_view family : face.families) {
            if (!family.empty() && chosen.empty() && hasOutlineFace(screen, widen(family)))
                chosen = widen(family);
        }
        ReleaseDC(nullptr, screen);
    }
    if (chosen.empty())
        chosen = systemFace(dpi);

    LOGFONTW font{};
    // Negative: the size of the letters themselves, as a point size means, not of the line.
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    std::wcsncpy(font.lfFaceName, chosen.c_str(), LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&font));
}

} // namespace tessaly::win32
