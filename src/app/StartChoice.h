#pragma once
// What a start does when another instance's mark (the named mutex) already exists. It looks
// again and again, a short wait apart, until one of these holds.
namespace pendra {

enum class StartChoice {
  BringForward,    // the running instance's window is there: show it and end
  StartAsTheOne,   // the other instance ended and left the mark to this one
  StartAsFurther,  // the bound ran out: start all the same (a hung instance never blocks a start)
  KeepWaiting,
};

// A window found wins: no second sheet opens beside a running one.
StartChoice ChooseStart(bool windowFound, bool markTaken, bool boundReached);

}  // namespace pendra
