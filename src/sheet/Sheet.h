#pragma once
// The to-do sheet: everything the data file stores and the rest of the program reads and
// changes. Cell texts (row 0 is the title row, every further row one task), the row and
// column counts, the column widths, one alignment per column, the two display flags, the
// skin and the main window's rectangle; with the rules that keep them consistent. Every
// change is told to the sheet's observers: the grid repaints on it, and whatever must
// follow the sheet (saving, history) listens to the same signal.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/Failure.h"
#include "platform/Geometry.h"
#include "sheet/SheetRows.h"

namespace pendra {

enum TCellAlignment : std::uint8_t { ALIGNLEFT = 0, ALIGNCENTER = 1, ALIGNRIGHT = 2 };

// An Aktiv/Deaktiv pair of popup-menu items; at most one of them is visible. Until
// something sets the flag both are hidden and the flag reads false.
struct MenuItemPair {
  bool AktivVisible = false;
  bool DeaktivVisible = false;

  void Show(bool value) {
    AktivVisible = value;
    DeaktivVisible = !value;
  }
  bool operator==(const MenuItemPair&) const = default;
};

// The two display flags, kept as the popup menu shows them.
struct SheetFlags {
  MenuItemPair TitleFett;      // mnuTitleFettAktiv / mnuTitleFettDeaktiv
  MenuItemPair MakeTitleBold;  // mnuMakeTitleBoldAktiv / ...Deaktiv, never shown
  MenuItemPair ShowGridLines;  // mnuShowGridLinesAktiv / ...Deaktiv

  bool HeaderTextBold() const { return TitleFett.AktivVisible || MakeTitleBold.AktivVisible; }
  bool DrawGridLines() const { return ShowGridLines.AktivVisible; }
  bool operator==(const SheetFlags&) const = default;
};

// A sheet operation that cannot be done, such as a column index outside the sheet.
class EInvalidGridOperation : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EInvalidGridOperation"; }
};

// The rows from `first` up to before `end`; none when `end` is not beyond `first`.
struct RowSpan {
  int first = 0;
  int end = 0;

  static RowSpan All() { return {0, std::numeric_limits<int>::max()}; }
  bool Empty() const { return end <= first; }
  // Grows to hold the other span too.
  void Add(RowSpan other) {
    if (other.Empty()) return;
    *this = Empty() ? other : RowSpan{std::min(first, other.first), std::max(end, other.end)};
  }
};

// What a change touched: one cell's text; the counts, widths or the fixed title row; the
// alignments, flags or skin; or the window's rectangle. `rows` holds every row whose texts
// the change may have changed (or added or removed); all of them unless told otherwise.
struct SheetChange {
  enum class Kind { Cell, Structure, Look, Window };
  Kind kind = Kind::Structure;
  int col = -1;
  int row = -1;
  RowSpan rows = RowSpan::All();
};

class SheetObserver {
 public:
  // Must not throw: it runs at the end of a batch too, which may be a failure's way out.
  virtual void SheetChanged(const SheetChange& change) = 0;

 protected:
  ~SheetObserver() = default;
};

// The main window's client size as designed, and of a new sheet.
inline constexpr int kDesignClientWidth = 370;
inline constexpr int kDesignClientHeight = 211;
// The skin name of the built-in look.
inline constexpr char16_t kNoSkinName[] = u"No Skin";

struct SheetPatch;
struct SheetImage;

class Sheet {
 public:
  // Counts are bounded so that a damaged data file cannot exhaust the memory.
  static constexpr int kMaxRowCount = 1'000'000;
  static constexpr int kMaxColCount = 10'000;
  // A loaded sheet holds at most this many cells, so that loading, painting and saving the
  // largest one stay within a few hundred megabytes.
  static constexpr long long kMaxCellCount = 1'000'000;
  static constexpr int kDefaultColWidth = 64;

  // What undo takes back: the cells, counts, widths, alignments, the fixed title row and the
  // flags; not the skin nor the window's rectangle. A member added here belongs to SheetLook
  // (SheetPatch.h) too.
  struct Content {
    SheetRows rows;
    std::vector<int> widths;
    std::vector<TCellAlignment> alignments;
    int fixedRows = 1;
    SheetFlags flags;
    int lineWidth = 1;
    bool operator==(const Content&) const = default;
    // A cell outside the sheet reads as empty.
    const std::u16string& Cell(int col, int row) const;
    // About the memory it takes.
    size_t Bytes() const;
    static size_t RowBytes(const std::vector<std::u16string>& cells);
  };

  // The sheet before anything is loaded: the title row and five task rows, three columns
  // 50, 235 and 45 pixels wide, all cells empty.
  Sheet();
  // Given counts (each at least 1) of columns kDefaultColWidth wide.
  Sheet(int colCount, int rowCount);
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;

  // Cells outside the sheet read as empty; writing one is an EInvalidGridOperation.
  const std::u16string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::u16string text);
  // The row's texts become `cells`, cut to the column count.
  void SetRow(int row, std::vector<std::u16string> cells);

  int RowCount() const { return static_cast<int>(content_.rows.size()); }
  int ColCount() const { return static_cast<int>(content_.widths.size()); }
  // Counts below 1 become 1, counts above the maximum the maximum. One row left drops the fixed
  // title row; the alignments follow the column count (kept entries stay, new ones are ALIGNLEFT).
  void SetRowCount(int count);
  void SetColCount(int count);

  // An index not below the column count (or below 0) is an EInvalidGridOperation
  // "Grid index out of range". Negative widths become 0.
  int ColWidth(int col) const;
  const std::vector<int>& ColWidths() const { return content_.widths; }
  void SetColWidth(int col, int width);
  // The width of the columns added from now on (kDefaultColWidth at first): the display's scale
  // of the design's width.
  void SetNewColumnWidth(int width) { newColumnWidth_ = width; }

  // The title row is fixed (1) or an ordinary, editable row (0); always fewer than the rows.
  int FixedRows() const { return content_.fixedRows; }
  void SetFixedRows(int count);

  // The column's alignment; ALIGNLEFT for a column that does not exist.
  TCellAlignment Alignment(int col) const;
  const std::vector<TCellAlignment>& Alignments() const { return content_.alignments; }
  // An index outside the columns is an EInvalidGridOperation.
  void SetAlignment(int col, TCellAlignment alignment);

  const SheetFlags& Flags() const { return content_.flags; }
  bool HeaderTextBold() const { return content_.flags.HeaderTextBold(); }
  bool DrawGridLines() const { return content_.flags.DrawGridLines(); }
  void SetTitleBold(bool bold);
  // Also sets the line width between the cells: 1 with lines, 0 without.
  void SetGridLines(bool on);
  // 1 until the grid-lines flag is first set.
  int LineWidth() const { return content_.lineWidth; }

  const std::u16string& SkinName() const { return skinName_; }
  const std::u16string& SkinPath() const { return skinPath_; }
  void SetSkinName(std::u16string name);
  void SetSkinPath(std::u16string path);

  // Left and top edge, client width and height of the main window as a save writes them.
  const Rect& WindowRect() const { return windowRect_; }
  void SetWindowRect(const Rect& rect);

  Content Snapshot() const { return content_; }
  // Everything a save writes, as it is now.
  SheetImage Image() const;
  // The content as it is, to read without a copy.
  const Content& Contents() const { return content_; }
  // Puts the content back; the observers hear one structure change.
  void Restore(const Content& content);
  // Exchanges the patch's part with the sheet's own: the sheet takes the patch's state there,
  // the patch keeps the sheet's. The observers hear one structure change of the patch's rows.
  void Exchange(SheetPatch& patch);

  void AddObserver(SheetObserver& observer);
  void RemoveObserver(SheetObserver& observer);

  // Changes made while a batch lives reach the observers as one structure change at its end.
  class Batch {
   public:
    explicit Batch(Sheet& sheet);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    Sheet& sheet_;
  };

 private:
  void Notify(SheetChange change);

  // The cells (one entry per row; a row holds only the cells up to its last written one), the
  // widths, alignments, fixed title row and flags.
  Content content_;
  int newColumnWidth_ = kDefaultColWidth;
  std::u16string skinName_;
  std::u16string skinPath_;
  Rect windowRect_{0, 0, kDesignClientWidth, kDesignClientHeight};

  std::vector<SheetObserver*> observers_;
  int batchDepth_ = 0;
  bool changedInBatch_ = false;
  RowSpan rowsInBatch_;
};

// The sheet as a save writes it: the content (its rows shared with the sheet), the skin and the
// window's rectangle. Made on the sheet's thread; it may be read on another while the sheet changes.
struct SheetImage {
  Sheet::Content content;
  std::u16string skinName;
  std::u16string skinPath;
  Rect window;
};

inline SheetImage Sheet::Image() const { return {content_, skinName_, skinPath_, windowRect_}; }

}  // namespace pendra
