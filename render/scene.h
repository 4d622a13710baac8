#pragma once
// A picture as a list of plain drawing elements in drawing order, later ones
// covering earlier ones: filled rectangles, one-pixel lines (which, as every
// line of the program, leave out their end point), a chain of such lines,
// texts placed by an alignment point, icons from the program's resources
// and a title of differently coloured pieces written one after another. The
// tide graph and the calendar strip are decided as scenes, which tests read
// natively; the GDI layer only draws them. Their texts are UTF-16 already,
// decoded from the engine's cp932 where the scene is made.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace marilo {

// 0x00BBGGRR, as the program keeps every colour.
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

struct ScenePoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScenePoint&) const = default;
};

// A font by point size on the surface's device; face in cp932.
struct SceneFont {
    const char* face;
    int points;
    bool operator==(const SceneFont& o) const { return std::string_view(face) == o.face && points == o.points; }
};

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Baseline, Bottom };

struct SceneFill {  // right and bottom exclusive
    int left, top, right, bottom;
    uint32_t color;
};
struct SceneLine {
    ScenePoint from, to;
    uint32_t color;
};
struct ScenePolyline {  // a line from each point to the next
    std::vector<ScenePoint> points;
    uint32_t color;
};
struct SceneText {
    ScenePoint at;
    std::u16string text;  // UTF-16, as the windows show it
    uint32_t color;
    SceneFont font;
    HAlign h;
    VAlign v;
};
struct SceneIcon {
    int resourceId;
    ScenePoint at;  // top-left corner
    int size;       // drawn size x size
};
struct SceneTitle {  // left-top aligned pieces, each starting where the last ended
    ScenePoint at;
    SceneFont font;
    std::vector<std::pair<std::u16string, uint32_t>> pieces;  // UTF-16
};

using SceneElement = std::variant<SceneFill, SceneLine, ScenePolyline, SceneText, SceneIcon, SceneTitle>;

struct Scene {
    int width = 0;   // the picture its callers take, in pixels
    int height = 0;
    std::vector<SceneElement> elements;
    int dpi = 0;  // the fonts' point sizes are pixels at this dpi; 0: the surface's own

    template <class T>
    std::vector<T> all() const {
        std::vector<T> out;
        for (const SceneElement& e : elements)
            if (const T* t = std::get_if<T>(&e)) out.push_back(*t);
        return out;
    }
};

}  // namespace marilo
