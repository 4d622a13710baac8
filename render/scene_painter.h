#pragma once
// Draws a scene on a GDI surface, element by element in its order. Pens,
// brushes and fonts are made for the one call and released after it; the
// surface's objects, colours, background mode, text alignment and current
// position are as they were when the call returns.

#include <windows.h>

#include "render/scene.h"

namespace marilo {

void paintScene(HDC dc, const Scene& scene);

}  // namespace marilo
