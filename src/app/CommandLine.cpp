#include "app/CommandLine.h"

namespace pendra {

void ReadCommandLine(const std::vector<std::u16string>& arguments, CommandLineFlags& flags) {
  for (const std::u16string& argument : arguments) {
    if (argument == u"-m") {
      flags.StartHidden = true;
    } else if (argument == u"-p") {
      flags.PortableMode = true;
    }
  }
}

}  // namespace pendra
