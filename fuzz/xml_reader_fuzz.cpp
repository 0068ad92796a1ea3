// Feeds any bytes to the XML reader. The engine's own failures are answers; a crash, a
// sanitizer report or a hang is a finding. A document that was read must also survive
// being written and read again, with the same number of children under its root.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/Failure.h"
#include "xml/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pendra::XmlDocument document;
  try {
    document.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const pendra::Failure&) {
    return 0;
  }
  std::string written = document.SaveToBytes();
  pendra::XmlDocument reread;
  try {
    reread.LoadFromBytes(written);
  } catch (const pendra::Failure&) {
    std::abort();  // the writer produced something the reader refuses
  }
  if (reread.Root()->Items().Count() != document.Root()->Items().Count()) std::abort();
  return 0;
}
