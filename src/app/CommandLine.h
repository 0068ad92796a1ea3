#pragma once
// The two switches of the command line: "-m" starts hidden, "-p" keeps a new data
// file beside the executable. Exact and case-sensitive; everything else is ignored.
#include <string>
#include <vector>

#include "app/PendraUnitState.h"

namespace pendra {

// Sets the flags named by the arguments (the program name excluded); never clears one.
void ReadCommandLine(const std::vector<std::u16string>& arguments, CommandLineFlags& flags);

}  // namespace pendra
