#include "platform/FolderPicker_win.h"

#include <shobjidl.h>

#include "platform/SystemFunction_win.h"
#include "platform/WideText_win.h"

namespace pendra {

namespace {

// COM lives in ole32.dll, which start-up does not load: its functions are found when the dialog
// is first asked for.
struct Com {
  decltype(&CoInitializeEx) initialise = LoadSystemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
  decltype(&CoUninitialize) uninitialise =
      LoadSystemFunction<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize");
  decltype(&CoCreateInstance) createInstance =
      LoadSystemFunction<decltype(&CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  decltype(&CoTaskMemFree) free = LoadSystemFunction<decltype(&CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");

  bool Complete() const { return initialise && uninitialise && createInstance && free; }
};

const Com& ComFunctions() {
  static const Com com;
  return com;
}

// COM for the dialog, on this thread, for as long as it lives.
class ComScope {
 public:
  ComScope()
      : initialised_(SUCCEEDED(ComFunctions().initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ~ComScope() {
    if (initialised_) ComFunctions().uninitialise();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

// Releases a COM interface when it goes.
template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (pointer_) pointer_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface** Out() { return &pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

// Frees a string the shell allocated.
class ShellText {
 public:
  ~ShellText() { ComFunctions().free(text_); }
  PWSTR* Out() { return &text_; }
  std::u16string Text() const { return text_ ? FromWide(text_) : std::u16string(); }

 private:
  PWSTR text_ = nullptr;
};

}  // namespace

std::optional<std::u16string> PickFolder(HWND owner, const std::u16string& title, const std::u16string& startFolder) {
  if (!ComFunctions().Complete()) return std::nullopt;
  const ComScope com;
  ComPtr<IFileOpenDialog> dialog;
  if (FAILED(ComFunctions().createInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_PPV_ARGS(dialog.Out())))) {
    return std::nullopt;
  }
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
  dialog->SetTitle(Wide(title));
  ComPtr<IShellItem> start;
  if (SUCCEEDED(SHCreateItemFromParsingName(Wide(startFolder), nullptr, IID_PPV_ARGS(start.Out())))) {
    dialog->SetFolder(start.Get());
  }
  if (FAILED(dialog->Show(owner))) return std::nullopt;
  ComPtr<IShellItem> picked;
  if (FAILED(dialog->GetResult(picked.Out()))) return std::nullopt;
  ShellText path;
  if (FAILED(picked->GetDisplayName(SIGDN_FILESYSPATH, path.Out()))) return std::nullopt;
  return path.Text();
}

}  // namespace pendra
