#include "render/taskbar_ink.h"

#include <algorithm>
#include <cmath>

namespace marilo {

namespace {

double linear(uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(uint32_t color) {
    return 0.2126 * linear(color & 0xFF) + 0.7152 * linear(color >> 8 & 0xFF) + 0.0722 * linear(color >> 16 & 0xFF);
}

double contrastRatio(uint32_t a, uint32_t b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

uint32_t lightenForContrast(uint32_t color, uint32_t background, double ratio) {
    for (uint32_t step = 0; step <= 255; ++step) {
        uint32_t mixed = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const uint32_t c = color >> shift & 0xFF;
            mixed |= (c + ((255 - c) * step + 254) / 255) << shift;
        }
        if (contrastRatio(mixed, background) >= ratio) return mixed;
    }
    return 0xFFFFFF;
}

uint32_t taskbarInk(uint32_t color, TaskbarTheme theme) {
    if (theme == TaskbarTheme::Light) return color;
    if ((color & 0xFFFFFF) == 0) return 0xFFFFFF;
    return lightenForContrast(color & 0xFFFFFF, kDarkTaskbarColor, kMinInkContrast);
}

}  // namespace marilo
