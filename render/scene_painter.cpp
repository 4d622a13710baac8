#include "render/scene_painter.h"

#include <vector>

#include "platform/gdi.h"
#include "platform/png_file.h"
#include "platform/text.h"
#include "platform/win_util.h"

namespace marilo {

namespace {

// Drawing objects made on first use during one paint.
class Objects {
public:
    Objects(HDC dc, int dpi) : dc_(dc), dpi_(dpi) {}
    HPEN pen(uint32_t color) {
        for (const auto& [c, p] : pens_)
            if (c == color) return p.get();
        pens_.emplace_back(color, solidPen(color));
        return pens_.back().second.get();
    }
    HBRUSH brush(uint32_t color) {
        for (const auto& [c, b] : brushes_)
            if (c == color) return b.get();
        brushes_.emplace_back(color, solidBrush(color));
        return brushes_.back().second.get();
    }
    HFONT font(const SceneFont& f) {
        for (const auto& [key, font] : fonts_)
            if (key == f) return font.get();
        fonts_.emplace_back(f, dpi_ > 0 ? pointFont(f.points, dpi_, f.face) : pointFont(dc_, f.points, f.face));
        return fonts_.back().second.get();
    }

private:
    HDC dc_;
    int dpi_;
    std::vector<std::pair<uint32_t, Pen>> pens_;
    std::vector<std::pair<uint32_t, Brush>> brushes_;
    std::vector<std::pair<SceneFont, Font>> fonts_;
};

UINT alignment(HAlign h, VAlign v) {
    const UINT horizontal = h == HAlign::Left ? TA_LEFT : h == HAlign::Center ? TA_CENTER : TA_RIGHT;
    const UINT vertical = v == VAlign::Top ? TA_TOP : v == VAlign::Baseline ? TA_BASELINE : TA_BOTTOM;
    return horizontal | vertical | TA_NOUPDATECP;
}

void textOut(HDC dc, int x, int y, const std::u16string& text) {
    TextOutW(dc, x, y, wideText(text), static_cast<int>(text.size()));
}

struct Painter {
    HDC dc;
    Objects& objects;

    void operator()(const SceneFill& f) const {
        const RECT r{f.left, f.top, f.right, f.bottom};
        FillRect(dc, &r, objects.brush(f.color));
    }
    void operator()(const SceneLine& l) const {
        SelectObject(dc, objects.pen(l.color));
        MoveToEx(dc, l.from.x, l.from.y, nullptr);
        LineTo(dc, l.to.x, l.to.y);
    }
    void operator()(const ScenePolyline& p) const {
        if (p.points.empty()) return;
        SelectObject(dc, objects.pen(p.color));
        MoveToEx(dc, p.points[0].x, p.points[0].y, nullptr);
        for (size_t i = 1; i < p.points.size(); ++i) LineTo(dc, p.points[i].x, p.points[i].y);
    }
    void operator()(const SceneText& t) const {
        SelectObject(dc, objects.font(t.font));
        SetTextColor(dc, t.color);
        SetTextAlign(dc, alignment(t.h, t.v));
        textOut(dc, t.at.x, t.at.y, t.text);
    }
    void operator()(const SceneIcon& i) const {
        const Icon icon = loadIconResource(i.resourceId, i.size);
        if (icon) DrawIconEx(dc, i.at.x, i.at.y, icon.get(), i.size, i.size, 0, nullptr, DI_NORMAL);
    }
    void operator()(const SceneTitle& t) const {
        SelectObject(dc, objects.font(t.font));
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_UPDATECP);
        MoveToEx(dc, t.at.x, t.at.y, nullptr);
        for (const auto& [text, color] : t.pieces) {
            SetTextColor(dc, color);
            textOut(dc, 0, 0, text);
        }
    }
};

}  // namespace

void paintScene(HDC dc, const Scene& scene) {
    const int saved = SaveDC(dc);
    Objects objects(dc, scene.dpi);  // outlives the guard, which deselects them first
    {
        DcStateGuard guard(dc);
        SetBkMode(dc, TRANSPARENT);
        const Painter painter{dc, objects};
        for (const SceneElement& e : scene.elements) std::visit(painter, e);
    }
    if (saved) RestoreDC(dc, saved);
}

Bitmap sceneBitmap(HDC like, const Scene& scene) {
    Bitmap bitmap;
    MemoryDc memory;
    const auto makeLike = [&](HDC base) {
        bitmap = Bitmap(CreateCompatibleBitmap(base, scene.width, scene.height));
        memory = memoryDcLike(base);
    };
    if (like) {
        makeLike(like);
    } else {
        const ScreenDc screen;
        makeLike(screen.get());
    }
    if (!bitmap || !memory) return Bitmap();
    {
        const SelectGuard selected(memory.get(), bitmap.get());
        SetBkMode(memory.get(), TRANSPARENT);
        paintScene(memory.get(), scene);
    }
    return bitmap;
}

bool copySceneToClipboard(HWND owner, const Scene& scene) {
    Bitmap bitmap = sceneBitmap(WindowDc(owner).get(), scene);
    if (!bitmap || !OpenClipboard(owner)) return false;
    EmptyClipboard();
    if (SetClipboardData(CF_BITMAP, bitmap.get())) bitmap.release();  // the clipboard's from now on
    CloseClipboard();
    return true;
}

std::string writeScenePng(const std::wstring& file, const Scene& scene) {
    DibSurface surface(scene.width, scene.height, 24);
    if (!surface) return "no drawing surface for the picture";
    paintScene(surface.dc(), scene);
    return writePngFile(file, surface);
}

}  // namespace marilo
