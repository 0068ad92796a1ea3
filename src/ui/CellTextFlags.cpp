#include "ui/CellTextFlags.h"

namespace pendra {

unsigned CellTextFlags(int row, int alignment) {
  if (row == 0) return kCellTextCenter;
  switch (alignment) {
    case 1: return kCellTextCenter;
    case 2: return kCellTextRight;
    default: return kCellTextLeft;
  }
}

}  // namespace pendra
