#pragma once
// Message boxes (dialog class "#32770"): listing them and pressing their buttons.
#include <windows.h>

#include <string>
#include <vector>

#include "Report.h"

namespace driver {

// Visible dialog windows from the top of the z-order down.
std::vector<HWND> MessageBoxes();
HWND FindMessageBox(const std::wstring& title);  // "*" matches any title

// Title, full text and buttons ("id:caption" joined by "|") as "<prefix>key=value".
void DescribeBox(HWND box, Report& report, const std::wstring& prefix);

// Clicks the button with the command id; false when the box has no such enabled button.
bool PressButton(HWND box, int id);

}  // namespace driver
