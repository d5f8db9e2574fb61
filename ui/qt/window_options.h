#ifndef TESSALY_UI_QT_WINDOW_OPTIONS_H
#define TESSALY_UI_QT_WINDOW_OPTIONS_H

// Qt's own window options, as Qt documents them: the program hands arguments made of these alone
// to the window rather than to the command line. Plain C++, so that the program can tell without
// loading Qt.

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tessaly::qt {

inline constexpr std::array<std::string_view, 12> optionsWithValue{"-style", "-stylesheet",
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle", "-session", "-display", "-geometry"};
inline constexpr std::array<std::string_view, 6> optionsWithValueAttached{
    "-style=", "-stylesheet=", "-qmljsdebugger=", "-dialogs=", "-fontengine=", "-platform="};
inline constexpr std::array<std::string_view, 2> flags{"-reverse", "-widgetcount"};

// How many of the words, from the first, form one window option: 0 when they form none.
[[nodiscard]] inline std::size_t windowOptionWords(std::span<const std::string> words)
{
    const std::string_view word = words.front();
    const auto among = [word](const auto &list) {
        return std::find(list.begin(), list.end(), word) != list.end();
    };
    if (among(flags))
        return 1;
    if (std::any_of(optionsWithValueAttached.begin(), optionsWithValueAttached.end(),
            [word](std::string_view prefix) {
                return word.size() > prefix.size() && word.starts_with(prefix);
            }))
        return 1;
    return among(optionsWithValue) && words.size() > 1 ? 2 : 0;
}

} // namespace tessaly::qt

#endif
