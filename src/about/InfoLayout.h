#pragma once
// The About dialog without a window: its size and place, where its labels go, which of its
// parts lies under the mouse, and how the sister product's icon and the links react.
#include <array>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pendra {

// The dialog's outer size; the background picture's size; the rectangle the three icon
// pictures share. Design sizes (120 dpi); the dialog has them at the display's scale.
inline constexpr int kInfoDialogWidth = 483;
inline constexpr int kInfoDialogHeight = 456;
inline constexpr Rect kKSIconRect{390, 310, 77, 90};

// The labels, in the order they are placed.
enum class InfoLabel : unsigned char {
  llbInfo11,
  llbInfo12,
  llbInfo13,
  llbInfo21,
  llbInfo22,
  llbInfo23,
  llbInfo31,
  llbInfo32,
  llbInfo33,
  llbInfo4,
  lblLink,
  llbInfoCopyright1,
  llbInfoCopyright2,
  llbKSLink,
  llbKSInfo1,
  llbKSInfo2,
  llbKSInfo3,
  llbKSInfo4,
  llbKSInfo5,
};

struct InfoLabelPlace {
  InfoLabel label;
  int left;
  int top;
  int pointSize;
};

// Every label's place and font size, in the order of the enumeration.
const std::array<InfoLabelPlace, 19>& InfoLabelPlaces();

// The labels from the bottom of the stack to its top: where two overlap, the later one gets
// the mouse.
const std::array<InfoLabel, 19>& InfoLabelStack();

// The dialog centred on a screen of that size, halves to the even neighbour.
Point InfoDialogPosition(int screenWidth, int screenHeight, Scale scale = {});

// What lies under the mouse: the uppermost visible part.
enum class InfoPart { Background, KSIconNormal, KSIconHover, KSIconActive, HelpLabel, lblLink, llbKSLink };

// The dialog's changing look: the two upper icon pictures and the links' colours.
struct InfoLook {
  bool hoverVisible = false;
  bool activeVisible = false;
  bool lblLinkRed = false;
  bool llbKSLinkRed = false;
  bool operator==(const InfoLook&) const = default;
};

struct PlacedLabel {
  InfoLabel label;
  Rect rect;
};

// The part at a client point; labels as placed and sized, in any order.
InfoPart InfoPartAt(const InfoLook& look, const std::vector<PlacedLabel>& labels, Point at, Scale scale = {});

// The mouse moved over a part: the hover picture and the links change.
void InfoMouseMove(InfoLook& look, InfoPart part);

// A mouse button went down on a part: true when the dialog is to be moved with the mouse.
bool InfoMouseDown(InfoLook& look, InfoPart part);

// The page a click on a part opens.
enum class InfoPage { None, Product, SisterProduct };
InfoPage InfoClickPage(InfoPart part);

}  // namespace pendra
