#include "app/StartChoice.h"

namespace pendra {

StartChoice ChooseStart(bool windowFound, bool markTaken, bool boundReached) {
  if (windowFound) return StartChoice::BringForward;
  if (markTaken) return StartChoice::StartAsTheOne;
  if (boundReached) return StartChoice::StartAsFurther;
  return StartChoice::KeepWaiting;
}

}  // namespace pendra
