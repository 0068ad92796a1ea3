#include "sheet/Sheet.h"

namespace pendra {

void ResizeColumnAlignments(std::vector<TCellAlignment>& alignments, int columnCount) {
  alignments.resize(columnCount < 0 ? 0 : static_cast<size_t>(columnCount), ALIGNLEFT);
}

}  // namespace pendra
