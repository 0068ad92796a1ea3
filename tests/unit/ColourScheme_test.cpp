#include "ui/ColourScheme.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

constexpr Colour kBlack = MakeColour(0, 0, 0);
constexpr Colour kWhite = MakeColour(255, 255, 255);
constexpr Colour kYellow = MakeColour(255, 255, 0);
constexpr Colour kCyan = MakeColour(0, 255, 255);
constexpr Colour kBlue = MakeColour(0, 0, 255);
constexpr Colour kGreen = MakeColour(0, 255, 0);

// A dark theme in the manner of "High Contrast Black".
constexpr SystemColours kDarkTheme{.window = kBlack,
                                   .windowText = kWhite,
                                   .highlight = kCyan,
                                   .highlightText = kBlack,
                                   .buttonFace = kBlack,
                                   .buttonText = kYellow};
// A light theme in the manner of "High Contrast White".
constexpr SystemColours kLightTheme{.window = kWhite,
                                    .windowText = kBlack,
                                    .highlight = kBlue,
                                    .highlightText = kWhite,
                                    .buttonFace = kWhite,
                                    .buttonText = kBlack};

TEST(ColourScheme, NormallyTheDesignsColoursWithTheSystemsTextAndHighlight) {
  const SystemColours system{.window = kWhite,
                             .windowText = kBlack,
                             .highlight = kBlue,
                             .highlightText = kWhite,
                             .buttonFace = MakeColour(240, 240, 240),
                             .buttonText = kBlack};
  const ColourScheme scheme = ChooseColourScheme(false, system);
  EXPECT_FALSE(scheme.highContrast);
  EXPECT_EQ(scheme.gridBackground, MakeColour(245, 245, 255));
  EXPECT_EQ(scheme.titleBackground, MakeColour(215, 228, 242));
  EXPECT_EQ(scheme.titleGap, MakeColour(215, 228, 242));
  EXPECT_EQ(scheme.taskBackground, kWhite);
  EXPECT_EQ(scheme.cellLine, MakeColour(192, 192, 192));
  EXPECT_EQ(scheme.titleLine, kBlack);
  EXPECT_EQ(scheme.taskText, kBlack);
  EXPECT_EQ(scheme.currentBackground, kBlue);
  EXPECT_FALSE(scheme.highlightFocusedCurrent);
  EXPECT_TRUE(scheme.decorationPictures);
  EXPECT_EQ(scheme.surface, MakeColour(240, 240, 240));
}

// Every colour of the high-contrast scheme is one of the theme's, whatever the design says.
TEST(ColourScheme, HighContrastUsesTheThemesColoursOnly) {
  for (const SystemColours& theme : {kDarkTheme, kLightTheme}) {
    const ColourScheme scheme = ChooseColourScheme(true, theme);
    EXPECT_TRUE(scheme.highContrast);
    EXPECT_EQ(scheme.gridBackground, theme.window);
    EXPECT_EQ(scheme.taskBackground, theme.window);
    EXPECT_EQ(scheme.taskText, theme.windowText);
    EXPECT_EQ(scheme.titleBackground, theme.buttonFace);
    EXPECT_EQ(scheme.titleGap, theme.buttonFace);
    EXPECT_EQ(scheme.titleText, theme.buttonText);
    EXPECT_EQ(scheme.cellLine, theme.windowText);
    EXPECT_EQ(scheme.titleLine, theme.buttonText);
    EXPECT_EQ(scheme.currentBackground, theme.highlight);
    EXPECT_EQ(scheme.currentText, theme.highlightText);
    EXPECT_EQ(scheme.surface, theme.buttonFace);
    EXPECT_EQ(scheme.surfaceText, theme.buttonText);
    // The focus is always visible: the current cell is highlighted also in a focused grid, and
    // the focus rectangle is drawn in the highlight's own colours.
    EXPECT_TRUE(scheme.highlightFocusedCurrent);
    EXPECT_EQ(scheme.focusInk, theme.highlightText);
    EXPECT_EQ(scheme.focusPaper, theme.highlight);
    EXPECT_FALSE(scheme.decorationPictures);
  }
}

// The small pictures are dark ink on transparency: their plate is the lighter button colour.
TEST(ColourScheme, ThePicturesPlateIsTheLighterButtonColour) {
  const ColourScheme dark = ChooseColourScheme(true, kDarkTheme);
  EXPECT_EQ(dark.plate, kYellow);
  EXPECT_EQ(dark.plateFrame, kBlack);
  const ColourScheme light = ChooseColourScheme(true, kLightTheme);
  EXPECT_EQ(light.plate, kWhite);
  EXPECT_EQ(light.plateFrame, kBlack);
  SystemColours greenOnBlack = kDarkTheme;
  greenOnBlack.buttonText = kGreen;
  EXPECT_EQ(ChooseColourScheme(true, greenOnBlack).plate, kGreen);
}

TEST(ColourScheme, LightnessWeighsGreenMostAndBlueLeast) {
  EXPECT_EQ(Lightness(kBlack), 0);
  EXPECT_EQ(Lightness(kWhite), 255);
  EXPECT_GT(Lightness(kGreen), Lightness(MakeColour(255, 0, 0)));
  EXPECT_GT(Lightness(MakeColour(255, 0, 0)), Lightness(kBlue));
}

}  // namespace
}  // namespace pendra
