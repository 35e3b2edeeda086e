// The images of the benchmark's showcase screen. The image table has eight
// rows, so the screen keeps the caution background (id 0, loaded from its
// skin file) and puts images made in memory into the other seven rows.
#pragma once

enum ShowcaseImage {
  kShowcaseBackground = 0,     // 800 x 480, the caution skin
  kShowcaseButtonNormal = 1,   // 160 x 56
  kShowcaseButtonPressed = 2,  // 160 x 56
  kShowcaseThumbCap = 3,       // 20 x 8
  kShowcaseRowSelected = 4,    // 480 x 48
  kShowcaseThumb = 5,          // 20 x 120, drawn cut to the thumb's length
  kShowcaseIcons = 6,          // 8 frames of 32 x 32
  kShowcaseScrollTrack = 7,    // 24 x 336
};

const int kShowcaseIconFrames = 8;
// Corners of the buttons, the thumb and the icons: left out by transparent copies.
const unsigned kShowcaseColorKey = 0x00FF00FFu;

// Fills rows 1-7 of the image table; false if a row is missing.
bool InstallShowcaseSkin();
