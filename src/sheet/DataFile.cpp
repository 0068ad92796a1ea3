#include "sheet/DataFile.h"

#include <cstdint>

#include "platform/DecimalText.h"

namespace pendra {

namespace {

constexpr char16_t kWindowPosition[] = u"WindowPosition";
constexpr char16_t kLeft[] = u"Left";
constexpr char16_t kTop[] = u"Top";
constexpr char16_t kWidth[] = u"Width";
constexpr char16_t kHeight[] = u"Height";
constexpr char16_t kColumnInfo[] = u"ColumnInfo";
constexpr char16_t kRowCount[] = u"RowCount";
constexpr char16_t kColumnCount[] = u"ColumnCount";
constexpr char16_t kHeaderTextBold[] = u"HeaderTextBold";
constexpr char16_t kDrawGridLines[] = u"DrawGridLines";
constexpr char16_t kSkin[] = u"Skin";
constexpr char16_t kSkinName[] = u"SkinName";
constexpr char16_t kSkinPath[] = u"SkinPath";
constexpr char16_t kColumnHeader[] = u"ColumnHeader";
constexpr char16_t kColumn[] = u"Column";
constexpr char16_t kColumnCaption[] = u"ColumnCaption";
constexpr char16_t kColumnWidth[] = u"ColumnWidth";
constexpr char16_t kColumnAlignment[] = u"ColumnAlignment";
constexpr char16_t kToDoContent[] = u"ToDoContent";
constexpr char16_t kText[] = u"Text";

constexpr char16_t kTrue[] = u"TRUE";
constexpr char16_t kFalse[] = u"FALSE";

// The child of that name (first match, a-z in either case); EDataFileError when there is none.
XmlElem& RequiredChild(XmlElem& parent, std::u16string_view name) {
  XmlElem* child = parent.Items().ItemNamed(name);
  if (!child) throw EDataFileError(u"The element \"" + std::u16string(name) + u"\" is missing.");
  return *child;
}

int IntField(XmlElem& parent, std::u16string_view name) {
  return static_cast<int>(static_cast<std::uint32_t>(RequiredChild(parent, name).IntValue()));
}

StoredFlag FlagField(XmlElem& parent, std::u16string_view name) {
  XmlElem* field = parent.Items().ItemNamed(name);
  if (!field) return StoredFlag::Missing;
  return field->Value() == kTrue ? StoredFlag::On : StoredFlag::Off;
}

std::optional<std::u16string> OptionalText(XmlElem& parent, std::u16string_view name) {
  XmlElem* field = parent.Items().ItemNamed(name);
  if (!field) return std::nullopt;
  return std::u16string(field->Value());
}

std::optional<int> OptionalInt(XmlElem& parent, std::u16string_view name) {
  if (!parent.Items().ItemNamed(name)) return std::nullopt;
  return IntField(parent, name);
}

int ChildCount(XmlElem& root, std::u16string_view name) {
  XmlElem* section = root.Items().ItemNamed(name);
  if (!section) return 0;
  int count = 0;
  for (XmlElem* child : section->Items()) count += child != nullptr;
  return count;
}

const char16_t* AlignmentText(TCellAlignment alignment) {
  switch (alignment) {
    case ALIGNCENTER: return u"CENTER";
    case ALIGNRIGHT: return u"RIGHT";
    default: return u"LEFT";
  }
}

TCellAlignment AlignmentFromText(std::u16string_view text) {
  if (text == u"CENTER") return ALIGNCENTER;
  if (text == u"RIGHT") return ALIGNRIGHT;
  return ALIGNLEFT;
}

void AddNumber(XmlElem& parent, const char16_t* name, int value) { parent.Items().Add(name, DecimalText(value)); }

}  // namespace

Rect ReadWindowPosition(XmlElem& root) {
  XmlElem& position = RequiredChild(root, kWindowPosition);
  const int left = IntField(position, kLeft);
  const int top = IntField(position, kTop);
  const int width = IntField(position, kWidth);
  const int height = IntField(position, kHeight);
  return {left, top, width, height};
}

StoredColumnInfo ReadColumnInfo(XmlElem& root) {
  XmlElem* section = root.Items().ItemNamed(kColumnInfo);
  if (!section) return {};
  return {true, OptionalInt(*section, kRowCount), OptionalInt(*section, kColumnCount),
          FlagField(*section, kHeaderTextBold), FlagField(*section, kDrawGridLines)};
}

StoredSkin ReadSkin(XmlElem& root) {
  XmlElem* section = root.Items().ItemNamed(kSkin);
  if (!section) return {};
  return {OptionalText(*section, kSkinName), OptionalText(*section, kSkinPath)};
}

void ReadColumnHeader(XmlElem& root, std::vector<StoredColumn>& columns) {
  XmlElem& section = RequiredChild(root, kColumnHeader);
  for (XmlElem* element : section.Items()) {
    StoredColumn& column = columns.emplace_back();
    column.Width = IntField(*element, kColumnWidth);
    column.Caption = std::u16string(RequiredChild(*element, kColumnCaption).Value());
    column.Alignment = AlignmentFromText(RequiredChild(*element, kColumnAlignment).Value());
  }
}

void ReadToDoContent(XmlElem& root, std::vector<StoredTask>& tasks) {
  XmlElem& section = RequiredChild(root, kToDoContent);
  for (XmlElem* element : section.Items()) {
    StoredTask& task = tasks.emplace_back();
    for (XmlElem* text : element->Items()) task.push_back(text->Value());
  }
}

int StoredTaskCount(XmlElem& root) { return ChildCount(root, kToDoContent); }

int StoredColumnCount(XmlElem& root) { return ChildCount(root, kColumnHeader); }

void BuildDataFileTree(XmlElem& root, const SheetImage& sheet) {
  const Sheet::Content& content = sheet.content;
  const int rows = static_cast<int>(content.rows.size());
  const int cols = static_cast<int>(content.widths.size());
  root.SetName(kRootName);
  const Rect& window = sheet.window;
  XmlElem& position = *root.Items().Add(kWindowPosition);
  AddNumber(position, kLeft, window.left);
  AddNumber(position, kTop, window.top);
  AddNumber(position, kWidth, window.width);
  AddNumber(position, kHeight, window.height);

  XmlElem& info = *root.Items().Add(kColumnInfo);
  AddNumber(info, kRowCount, rows - 1);
  AddNumber(info, kColumnCount, cols);
  info.Items().Add(kHeaderTextBold, content.flags.HeaderTextBold() ? kTrue : kFalse);
  info.Items().Add(kDrawGridLines, content.flags.DrawGridLines() ? kTrue : kFalse);

  XmlElem& skin = *root.Items().Add(kSkin);
  skin.Items().Add(kSkinName, sheet.skinName);
  skin.Items().Add(kSkinPath, sheet.skinPath);

  XmlElem& header = *root.Items().Add(kColumnHeader);
  for (int col = 0; col < cols; ++col) {
    XmlElem& column = *header.Items().Add(kColumn);
    column.Items().Add(kColumnCaption, content.Cell(col, 0));
    AddNumber(column, kColumnWidth, content.widths[static_cast<size_t>(col)]);
    column.Items().Add(kColumnAlignment, AlignmentText(content.alignments[static_cast<size_t>(col)]));
  }

  XmlElem& tasks = *root.Items().Add(kToDoContent);
  for (int row = 1; row < rows; ++row) {
    XmlElem& task = *tasks.Items().Add(kColumn);
    for (int col = 0; col < cols; ++col) task.Items().Add(kText, content.Cell(col, row));
  }
}

}  // namespace pendra
