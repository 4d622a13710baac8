#pragma once
// Ink that stays readable on the taskbar. On a light taskbar (and on every
// system before the dark one existed) the icons keep their colours. On a
// dark taskbar the default ink (black, the colour of a day no rule names)
// turns white, and a rule's colour with less than 3:1 contrast against the
// taskbar is lightened, towards white and so keeping its hue, just enough to
// reach 3:1. The stored colours never change: this is only how they are
// drawn.

#include <cstdint>

namespace marilo {

enum class TaskbarTheme { Light, Dark };

// The taskbar's colour the contrast is measured against (0x00BBGGRR): the
// dark taskbar of Windows 10 and 11 is near 0x202020.
constexpr uint32_t kDarkTaskbarColor = 0x202020;
constexpr double kMinInkContrast = 3.0;

// Relative luminance (0 black .. 1 white) of an sRGB colour 0x00BBGGRR, and
// the contrast ratio (1..21) of two colours, lighter over darker.
double relativeLuminance(uint32_t color);
double contrastRatio(uint32_t a, uint32_t b);

// The colour mixed with white in the least step of 1/255 that gives at
// least `ratio` against `background` (white when none does).
uint32_t lightenForContrast(uint32_t color, uint32_t background, double ratio);

// How a figure of colour `color`, drawn straight on the taskbar, is inked.
uint32_t taskbarInk(uint32_t color, TaskbarTheme theme);

}  // namespace marilo
