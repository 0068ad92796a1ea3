#pragma once
// The system clipboard's text. A clipboard that another program keeps open is tried a few
// times; when it stays closed, the call fails with EClipboardError and nothing changes.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Failure.h"

namespace pendra {

class EClipboardError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EClipboardError"; }
};

// The clipboard's text; nothing when it holds no text (a picture, or nothing at all).
std::optional<std::u16string> ClipboardText(HWND owner);
// Replaces the clipboard's content by the text.
void SetClipboardText(HWND owner, const std::u16string& text);

}  // namespace pendra
