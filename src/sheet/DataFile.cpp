#include "sheet/DataFile.h"

#include <cstdint>
#include <string>

namespace pendra {

namespace {

std::u16string Decimal(int value) {
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

XmlElem& RequiredChild(XmlElem& parent, std::u16string_view name) {
  XmlElem* child = parent.Items().ItemNamed(name);
  if (!child) throw EDataFileError(u"The element \"" + std::u16string(name) + u"\" is missing.");
  return *child;
}

int IntField(XmlElem& parent, std::u16string_view name) {
  return static_cast<int>(static_cast<std::uint32_t>(RequiredChild(parent, name).IntValue()));
}

std::u16string FlagText(bool value) { return value ? u"TRUE" : u"FALSE"; }

bool FlagFromText(std::u16string_view text) { return text == u"TRUE"; }

std::u16string AlignmentText(TCellAlignment alignment) {
  switch (alignment) {
    case ALIGNCENTER:
      return u"CENTER";
    case ALIGNRIGHT:
      return u"RIGHT";
    default:
      return u"LEFT";
  }
}

TCellAlignment AlignmentFromText(std::u16string_view text) {
  if (text == u"CENTER") return ALIGNCENTER;
  if (text == u"RIGHT") return ALIGNRIGHT;
  return ALIGNLEFT;
}

WindowRectangle SavedRectangle(const WindowRectangle& current, const PendraUnitState& state) {
  if (state.ExpandState == ExpandStates::Expanded) return current;
  return {current.Left + current.ClientWidth - state.ExpandedClientWidth, current.Top, state.ExpandedClientWidth,
          current.ClientHeight};
}

void BuildDataFileTree(XmlElem& root, const GridModel& grid, const PendraUnitState& state,
                       const WindowRectangle& saved) {
  root.SetName(kRootName);
  XmlElem& position = *root.Items().Add(u"WindowPosition");
  position.Items().Add(u"Left", Decimal(saved.Left));
  position.Items().Add(u"Top", Decimal(saved.Top));
  position.Items().Add(u"Width", Decimal(saved.ClientWidth));
  position.Items().Add(u"Height", Decimal(saved.ClientHeight));

  XmlElem& info = *root.Items().Add(u"ColumnInfo");
  info.Items().Add(u"RowCount", Decimal(grid.RowCount() - 1));
  info.Items().Add(u"ColumnCount", Decimal(grid.ColCount()));
  info.Items().Add(u"HeaderTextBold", FlagText(state.Flags.HeaderTextBold()));
  info.Items().Add(u"DrawGridLines", FlagText(state.Flags.DrawGridLines()));

  XmlElem& skin = *root.Items().Add(u"Skin");
  skin.Items().Add(u"SkinName", state.SkinName);
  skin.Items().Add(u"SkinPath", state.SkinPath);

  XmlElem& header = *root.Items().Add(u"ColumnHeader");
  for (int col = 0; col < grid.ColCount(); ++col) {
    XmlElem& column = *header.Items().Add(u"Column");
    column.Items().Add(u"ColumnCaption", grid.Cell(col, 0));
    column.Items().Add(u"ColumnWidth", Decimal(grid.ColWidth(col)));
    TCellAlignment alignment = static_cast<size_t>(col) < state.ColumnAlignments.size()
                                   ? state.ColumnAlignments[static_cast<size_t>(col)]
                                   : ALIGNLEFT;
    column.Items().Add(u"ColumnAlignment", AlignmentText(alignment));
  }

  XmlElem& content = *root.Items().Add(u"ToDoContent");
  for (int row = 1; row < grid.RowCount(); ++row) {
    XmlElem& task = *content.Items().Add(u"Column");
    for (int col = 0; col < grid.ColCount(); ++col) task.Items().Add(u"Text", grid.Cell(col, row));
  }
}

}  // namespace pendra
