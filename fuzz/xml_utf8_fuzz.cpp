// Reads any bytes as UTF-8 twice: as the document does, quickly where it can, and by the
// general reading alone. Both must give the same tree, or the same failure. A difference,
// a crash, a sanitizer report or a hang is a finding.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Failure.h"
#include "xml/XmlDocument.h"
#include "xml/XmlReader.h"

namespace {

using pendra::XmlElem;

bool SameTree(XmlElem* a, XmlElem* b) {
  if (a->Kind() != b->Kind() || a->Name() != b->Name() || a->NameSpace() != b->NameSpace() ||
      a->Value() != b->Value() || a->Items().Count() != b->Items().Count() ||
      a->Properties().Count() != b->Properties().Count()) {
    return false;
  }
  for (size_t i = 0; i < a->Properties().Count(); ++i) {
    pendra::XmlProp* p = a->Properties().Item(i);
    pendra::XmlProp* q = b->Properties().Item(i);
    if (p->Name() != q->Name() || p->NameSpace() != q->NameSpace() || p->Value() != q->Value()) return false;
  }
  for (size_t i = 0; i < a->Items().Count(); ++i) {
    if (a->Items().Item(i)->Parent() != a || !SameTree(a->Items().Item(i), b->Items().Item(i))) return false;
  }
  return true;
}

// The failure's message, or empty when the input was read.
template <class Read>
std::u16string FailureOf(Read&& read) {
  try {
    read();
  } catch (const pendra::Failure& failure) {
    return u"failed: " + failure.Message();
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  pendra::XmlDocument quick;
  std::u16string quickFailure = FailureOf([&] { quick.LoadFromBytes(bytes, pendra::Encoding::Utf8); });
  pendra::XmlDocument general;
  std::u16string generalFailure = FailureOf([&] {
    bool mark = bytes.starts_with("\xEF\xBB\xBF");
    pendra::XmlReader reader(general, bytes.substr(mark ? 3 : 0), pendra::XmlDecoder(pendra::kCodePageUtf8), false,
                             false);
    reader.Read();
  });
  if (quickFailure != generalFailure) std::abort();
  if (quickFailure.empty() && !SameTree(quick.Root(), general.Root())) std::abort();
  return 0;
}
