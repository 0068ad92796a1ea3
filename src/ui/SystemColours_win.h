#pragma once
// The system's side of the colour rule (ColourScheme.h): whether high contrast is on, and the
// system colours, read anew whenever the user may have changed the theme.
#include "ui/ColourScheme.h"

namespace pendra {

bool HighContrastOn();
SystemColours CurrentSystemColours();
ColourScheme SystemColourScheme();

}  // namespace pendra
