#pragma once
// Where the tide graph's labels go so that none covers another: the Now
// label, the labels at high and low water, and the scale's numbers (levels
// beside the noon line, hours under the zero line). Each label knows its
// box (labelBox) and, where it has one, a place on the other side of its
// mark. They are placed in order of importance, the Now label first, then
// the high and low waters, then the scale: a label that would overlap one
// already placed, a mark other than its own, or the edge of the plot moves
// to its other place, and when that collides too it is left out.

#include <optional>
#include <vector>

#include "render/scene.h"

namespace marilo {

// A box on the picture; right and bottom exclusive.
struct LabelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const LabelBox&) const = default;
    bool overlaps(const LabelBox& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// The cell a text takes at the scene's dpi, as a bound on what the faces
// the graph names (or their stand-ins) draw: the em is points x dpi / 72;
// digits, ':', ' ', '-' and 'L' take 0.55 em, other ASCII characters 0.8 em
// and full-width ones (kanji, kana) 1.15 em, as a stand-in face may draw
// them wider than the named face's whole em; the ascent is 0.9 em and the
// descent 0.25 em, each rounded up. The labels'
// characters have no descenders, so a text written on its baseline ends
// there.
LabelBox labelBox(const SceneText& text, int dpi);

enum class LabelRank { Now, Extreme, Scale };

struct GraphLabel {
    SceneText text;                  // its first place
    std::optional<SceneText> other;  // the other side of its mark
    LabelRank rank;
    int mark = -1;                   // index of its own mark among the marks, or -1
};

// The labels that are drawn, each at the place it got, in the order given
// (ties keep their order within a rank). `marks` are the boxes of the
// marks (the Now mark, the high and low water rings); a label stays within
// the plot's rows plotTop .. plotBottom (exclusive). Its columns are not
// held: the labels at either end of the day align away from the edge.
std::vector<SceneText> placeGraphLabels(const std::vector<GraphLabel>& labels, const std::vector<LabelBox>& marks,
                                        int plotTop, int plotBottom, int dpi);

}  // namespace marilo
