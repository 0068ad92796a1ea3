#pragma once
// The data file "Pendra.xml": its sections read into plain values, and the sheet built into
// an element tree. Every element name of the format is spelled here, once.
//   VeVuVizo / WindowPosition (Left Top Width Height)
//            / ColumnInfo (RowCount ColumnCount HeaderTextBold DrawGridLines)
//            / Skin (SkinName SkinPath)
//            / ColumnHeader / Column* (ColumnCaption ColumnWidth ColumnAlignment)
//            / ToDoContent / Column* / Text*
//
// A reader fills its values in the file's order and stops with a failure at the first field
// that is missing (or holds a count no sheet can hold); what it filled until then stays, so
// that the loader can use it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Failure.h"
#include "sheet/Sheet.h"
#include "xml/XmlElem.h"

namespace pendra {

inline constexpr char16_t kRootName[] = u"VeVuVizo";

// A section or field the reader needs is missing, or a value no sheet can hold.
class EDataFileError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EDataFileError"; }
};

// Integer fields hold the low 32 bits of their value, -1 when it is no integer; a field that is
// not there stays empty.
enum class StoredFlag : std::uint8_t { Missing, Off, On };

struct StoredColumnInfo {
  bool present = false;         // the file has the section
  std::optional<int> RowCount;  // task rows, without the title row
  std::optional<int> ColumnCount;
  StoredFlag HeaderTextBold = StoredFlag::Missing;
  StoredFlag DrawGridLines = StoredFlag::Missing;
};

struct StoredSkin {
  std::optional<std::u16string> Name;
  std::optional<std::u16string> Path;
};

struct StoredColumn {
  std::optional<int> Width;
  std::optional<std::u16string> Caption;
  std::optional<TCellAlignment> Alignment;
};

// The texts of one task row, valid while the document lives.
using StoredTask = std::vector<std::u16string_view>;

// Left, top, client width and height, all four or a failure.
Rect ReadWindowPosition(XmlElem& root);
StoredColumnInfo ReadColumnInfo(XmlElem& root);
// Both fields empty when the file has no skin section.
StoredSkin ReadSkin(XmlElem& root);
void ReadColumnHeader(XmlElem& root, std::vector<StoredColumn>& columns);
void ReadToDoContent(XmlElem& root, std::vector<StoredTask>& tasks);
// The task rows and the column descriptions the file holds; 0 without the section.
int StoredTaskCount(XmlElem& root);
int StoredColumnCount(XmlElem& root);

// Fills the (emptied) document's root with the sheet. Stops with a failure when an element
// cannot be added; what was added stays.
void BuildDataFileTree(XmlElem& root, const SheetImage& sheet);

}  // namespace pendra
