#pragma once
// The dialog that changes or switches off the summon key: the system's hot-key entry field, a
// check box for using a key at all, and a line that shows when another program holds the key.
#include <windows.h>

#include <functional>
#include <optional>

#include "app/SummonKey.h"

namespace pendra {

// Takes the key for the program (no key: gives the old one up); false when another program holds
// it, and the program keeps the key it had.
using TakeSummonKey = std::function<bool(SummonKey)>;

// Shows the dialog over the owner until the user chose a key that the program could take, or
// cancelled (nothing). `taken`: another program holds the current key, which the dialog then says.
std::optional<SummonKey> ChooseSummonKey(HWND owner, SummonKey current, bool taken, const TakeSummonKey& take);

// The key's name as the keyboard's layout names it ("Leertaste", "Space", "F12").
std::u16string KeyNameOf(int virtualKey);

}  // namespace pendra
