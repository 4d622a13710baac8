#pragma once
// Draws a scene on a GDI surface, element by element in its order. Pens,
// brushes and fonts are made for the one call and released after it; the
// surface's objects, colours, background mode, text alignment and current
// position are as they were when the call returns.

#include <windows.h>

#include <string>

#include "platform/handle.h"
#include "render/scene.h"

namespace marilo {

void paintScene(HDC dc, const Scene& scene);

// A bitmap compatible with `like` (the screen when null) holding the scene,
// its width by its height.
Bitmap sceneBitmap(HDC like, const Scene& scene);

// The scene on the clipboard as a bitmap, for `owner`; false when the
// clipboard could not be opened (the copy is then lost).
bool copySceneToClipboard(HWND owner, const Scene& scene);

// The scene as a 24-bit PNG file; empty on success, otherwise what went
// wrong (English).
std::string writeScenePng(const std::wstring& file, const Scene& scene);

}  // namespace marilo
