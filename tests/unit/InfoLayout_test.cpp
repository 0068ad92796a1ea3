#include "about/InfoLayout.h"

#include <gtest/gtest.h>

namespace pendra {

namespace {

// The sister product's link and the rest of its sentence share a line; here the link is so
// long that the two overlap.
const std::vector<PlacedLabel> kLabels = {
    {InfoLabel::llbInfo11, {23, 61, 150, 14}},    {InfoLabel::lblLink, {178, 235, 120, 14}},
    {InfoLabel::llbKSInfo3, {152, 364, 200, 12}}, {InfoLabel::llbKSLink, {21, 364, 140, 12}},
    {InfoLabel::llbKSInfo1, {21, 340, 250, 12}},
};

const Point kOnBackground{300, 150};
const Point kOnIcon{420, 350};
const Point kOnHelpLine{30, 65};
const Point kOnKSLink{40, 368};

}  // namespace

TEST(InfoDialog, IsCentredOnThePrimaryScreenWithHalvesToTheEvenNeighbour) {
  EXPECT_EQ(InfoDialogPosition(1920, 1080), (Point{718, 312}));              // 960 - 241.5 = 718.5
  EXPECT_EQ(InfoDialogPosition(1366, 768), (Point{442, 156}));               // 683 - 241.5 = 441.5
  EXPECT_EQ(InfoDialogPosition(1280, 1024), (Point{398, 284}));              // 640 - 241.5 = 398.5
  EXPECT_EQ(InfoDialogPosition(1920, 1080, Scale(192)), (Point{574, 175}));  // 773 x 730: 960 - 386.5 = 573.5
}

TEST(InfoDialog, TheIconLiesWhereTheDisplaysScalePutsIt) {
  const Point onScaledIcon{700, 560};  // inside 624, 496, 123 x 144 at 200 %, outside the design's place
  EXPECT_EQ(InfoPartAt({}, {}, onScaledIcon, Scale(192)), InfoPart::KSIconNormal);
  EXPECT_EQ(InfoPartAt({}, {}, onScaledIcon), InfoPart::Background);
  EXPECT_EQ(InfoPartAt({}, {}, kOnIcon, Scale(192)), InfoPart::Background);
}

TEST(InfoDialog, TheUppermostVisiblePartGetsTheMouse) {
  InfoLook look;
  const struct {
    Point at;
    bool hoverVisible, activeVisible;
    InfoPart expected;
  } cases[] = {
      {kOnBackground, false, false, InfoPart::Background},
      {{10, 430}, false, false, InfoPart::Background},  // below the picture
      {kOnIcon, false, false, InfoPart::KSIconNormal},
      {kOnIcon, true, false, InfoPart::KSIconHover},
      {kOnIcon, true, true, InfoPart::KSIconActive},
      {kOnHelpLine, false, false, InfoPart::HelpLabel},
      {{200, 240}, false, false, InfoPart::lblLink},
      {kOnKSLink, false, false, InfoPart::llbKSLink},
      {{155, 366}, false, false, InfoPart::llbKSLink},  // the link lies above the rest of its line
      {{170, 366}, false, false, InfoPart::HelpLabel},
  };
  for (const auto& c : cases) {
    look.hoverVisible = c.hoverVisible;
    look.activeVisible = c.activeVisible;
    EXPECT_EQ(InfoPartAt(look, kLabels, c.at), c.expected) << c.at.x << "," << c.at.y;
  }
}

// Onto the icon, a press, a move onto a help line and only then the background.
TEST(InfoDialog, TheIconAndTheLinksReactToTheMouseInTheirOrder) {
  InfoLook look;
  InfoMouseMove(look, InfoPartAt(look, kLabels, kOnIcon));
  EXPECT_EQ(look, (InfoLook{.hoverVisible = true, .llbKSLinkRed = true}));

  EXPECT_FALSE(InfoMouseDown(look, InfoPartAt(look, kLabels, kOnIcon)));
  EXPECT_EQ(look, (InfoLook{.hoverVisible = true, .activeVisible = true, .llbKSLinkRed = true}));

  InfoMouseMove(look, InfoPartAt(look, kLabels, kOnHelpLine));
  EXPECT_EQ(look, (InfoLook{.hoverVisible = true, .activeVisible = true, .llbKSLinkRed = true}));

  InfoMouseMove(look, InfoPart::lblLink);
  EXPECT_TRUE(look.lblLinkRed);

  InfoMouseMove(look, InfoPartAt(look, kLabels, kOnBackground));
  EXPECT_EQ(look, InfoLook{});

  InfoMouseMove(look, InfoPartAt(look, kLabels, kOnKSLink));
  EXPECT_EQ(look, (InfoLook{.hoverVisible = true, .llbKSLinkRed = true}));
}

TEST(InfoDialog, APressOnTheBackgroundOrAHelpLineMovesTheDialogAndClicksOpenTheirPages) {
  const struct {
    InfoPart part;
    bool moves;
    InfoPage page;
  } cases[] = {
      {InfoPart::Background, true, InfoPage::None},
      {InfoPart::HelpLabel, true, InfoPage::None},
      {InfoPart::KSIconNormal, false, InfoPage::SisterProduct},
      {InfoPart::KSIconHover, false, InfoPage::SisterProduct},
      {InfoPart::KSIconActive, false, InfoPage::SisterProduct},
      {InfoPart::llbKSLink, false, InfoPage::SisterProduct},
      {InfoPart::lblLink, false, InfoPage::Product},
  };
  for (const auto& c : cases) {
    InfoLook look;
    EXPECT_EQ(InfoMouseDown(look, c.part), c.moves) << static_cast<int>(c.part);
    EXPECT_EQ(InfoClickPage(c.part), c.page) << static_cast<int>(c.part);
  }
}

}  // namespace pendra
