#pragma once
// The clipboard as another program sees it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace driver {

// The Unicode text on the clipboard, or nothing when there is no text format.
std::optional<std::wstring> ClipboardText();
std::vector<UINT> ClipboardFormats();
bool SetClipboardText(const std::wstring& text);
// Replaces the clipboard's content by a 1x1 picture (CF_DIB) and no text.
bool SetClipboardPicture();
bool ClearClipboard();

}  // namespace driver
