#ifndef TESSALY_UI_WIN32_UTF16_H
#define TESSALY_UI_WIN32_UTF16_H

#include <string>
#include <string_view>

// Texts are UTF-8 everywhere in Tessaly; Windows takes and gives UTF-16, and these two turn the
// one into the other right at its calls. Bytes that are not UTF-8, and halves of a surrogate
// pair that stand alone, each become U+FFFD, never an error.
namespace tessaly::win32 {

[[nodiscard]] std::wstring widen(std::string_view utf8);
[[nodiscard]] std::string narrow(std::wstring_view utf16);

} // namespace tessaly::win32

#endif
