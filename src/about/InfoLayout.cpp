#include "about/InfoLayout.h"

#include <algorithm>

#include "sheet/WindowPlacement.h"

namespace pendra {

namespace {

using L = InfoLabel;

InfoPart PartOfLabel(InfoLabel label) {
  switch (label) {
    case L::lblLink: return InfoPart::lblLink;
    case L::llbKSLink: return InfoPart::llbKSLink;
    default: return InfoPart::HelpLabel;
  }
}

}  // namespace

const std::array<InfoLabelPlace, 19>& InfoLabelPlaces() {
  static const std::array<InfoLabelPlace, 19> places = {{
      {L::llbInfo11, 23, 61, 7},           {L::llbInfo12, 23, 76, 7},    {L::llbInfo13, 23, 91, 7},
      {L::llbInfo21, 23, 120, 7},          {L::llbInfo22, 23, 135, 7},   {L::llbInfo23, 23, 150, 7},
      {L::llbInfo31, 23, 178, 7},          {L::llbInfo32, 23, 193, 7},   {L::llbInfo33, 23, 208, 7},
      {L::llbInfo4, 12, 235, 7},           {L::lblLink, 178, 235, 7},    {L::llbInfoCopyright1, 262, 266, 6},
      {L::llbInfoCopyright2, 262, 278, 6}, {L::llbKSLink, 21, 364, 6},   {L::llbKSInfo1, 21, 340, 6},
      {L::llbKSInfo2, 21, 352, 6},         {L::llbKSInfo3, 152, 364, 6}, {L::llbKSInfo4, 21, 376, 6},
      {L::llbKSInfo5, 21, 388, 6},
  }};
  return places;
}

const std::array<InfoLabel, 19>& InfoLabelStack() {
  static const std::array<InfoLabel, 19> stack = {
      L::llbInfo4,          L::llbInfo11,         L::llbInfo12,  L::llbInfo13,  L::llbInfo23,
      L::llbInfo21,         L::llbInfo22,         L::llbKSInfo1, L::llbKSInfo2, L::llbKSInfo3,
      L::llbKSInfo4,        L::llbKSInfo5,        L::llbKSLink,  L::lblLink,    L::llbInfo32,
      L::llbInfoCopyright1, L::llbInfoCopyright2, L::llbInfo31,  L::llbInfo33,
  };
  return stack;
}

Point InfoDialogPosition(int screenWidth, int screenHeight, Scale scale) {
  return {CentredCoordinate(screenWidth, scale(kInfoDialogWidth)),
          CentredCoordinate(screenHeight, scale(kInfoDialogHeight))};
}

InfoPart InfoPartAt(const InfoLook& look, const std::vector<PlacedLabel>& labels, Point at, Scale scale) {
  const std::array<InfoLabel, 19>& stack = InfoLabelStack();
  for (auto label = stack.rbegin(); label != stack.rend(); ++label) {
    auto placed = std::find_if(labels.begin(), labels.end(), [&](const PlacedLabel& p) { return p.label == *label; });
    if (placed != labels.end() && placed->rect.Contains(at)) return PartOfLabel(*label);
  }
  if (!ScaledRect(kKSIconRect, scale).Contains(at)) return InfoPart::Background;
  if (look.activeVisible) return InfoPart::KSIconActive;
  if (look.hoverVisible) return InfoPart::KSIconHover;
  return InfoPart::KSIconNormal;
}

void InfoMouseMove(InfoLook& look, InfoPart part) {
  switch (part) {
    case InfoPart::Background:
      look.hoverVisible = false;
      look.activeVisible = false;
      look.lblLinkRed = false;
      look.llbKSLinkRed = false;
      break;
    case InfoPart::KSIconNormal:
    case InfoPart::llbKSLink:
      look.hoverVisible = true;
      look.llbKSLinkRed = true;
      break;
    case InfoPart::lblLink: look.lblLinkRed = true; break;
    default: break;
  }
}

bool InfoMouseDown(InfoLook& look, InfoPart part) {
  if (part == InfoPart::KSIconHover) look.activeVisible = true;
  return part == InfoPart::Background || part == InfoPart::HelpLabel;
}

InfoPage InfoClickPage(InfoPart part) {
  switch (part) {
    case InfoPart::KSIconNormal:
    case InfoPart::KSIconHover:
    case InfoPart::KSIconActive:
    case InfoPart::llbKSLink: return InfoPage::SisterProduct;
    case InfoPart::lblLink: return InfoPage::Product;
    default: return InfoPage::None;
  }
}

}  // namespace pendra
