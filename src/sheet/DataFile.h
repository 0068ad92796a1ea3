#pragma once
// The data file "Pendra.xml": the sheet as an element tree and back.
//   VeVuVizo / WindowPosition (Left Top Width Height)
//            / ColumnInfo (RowCount ColumnCount HeaderTextBold DrawGridLines)
//            / Skin (SkinName SkinPath)
//            / ColumnHeader / Column* (ColumnCaption ColumnWidth ColumnAlignment)
//            / ToDoContent / Column* / Text*
#include <string>
#include <string_view>

#include "app/PendraUnit.h"
#include "platform/Failure.h"
#include "sheet/Sheet.h"
#include "ui/GridModel.h"
#include "xml/XmlDocument.h"

namespace pendra {

inline constexpr char16_t kRootName[] = u"VeVuVizo";

// A section or field the reader needs is missing, or a value no sheet can hold.
class EDataFileError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EDataFileError"; }
};

// The child of that name (first match, a-z in either case); EMissingElement when there is none.
XmlElem& RequiredChild(XmlElem& parent, std::u16string_view name);
// An integer field: the low 32 bits of its value, -1 when it is no integer.
int IntField(XmlElem& parent, std::u16string_view name);

std::u16string FlagText(bool value);
bool FlagFromText(std::u16string_view text);
std::u16string AlignmentText(TCellAlignment alignment);
TCellAlignment AlignmentFromText(std::u16string_view text);

// The rectangle a save writes: the window's own while expanded, else the expanded
// window's with the right edge where it is now.
WindowRectangle SavedRectangle(const WindowRectangle& current, const PendraUnitState& state);

// Fills the (emptied) document's root with the sheet. Stops with a failure when an
// element cannot be added; what was added stays.
void BuildDataFileTree(XmlElem& root, const GridModel& grid, const PendraUnitState& state,
                       const WindowRectangle& saved);

}  // namespace pendra
