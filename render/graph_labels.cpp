#include "render/graph_labels.h"

#include <algorithm>

namespace marilo {

namespace {

int ceilDiv(long long n, long long d) { return static_cast<int>((n + d - 1) / d); }

bool narrow(char16_t c) { return (c >= '0' && c <= '9') || c == ':' || c == ' ' || c == '-' || c == 'L'; }

}  // namespace

LabelBox labelBox(const SceneText& t, int dpi) {
    const long long em100 = static_cast<long long>(t.font.points) * (dpi > 0 ? dpi : 96) * 100 / 72;  // em x 100
    int width = 0;
    for (char16_t c : t.text) width += ceilDiv(em100 * (narrow(c) ? 55 : c > 0x7F ? 115 : 80), 10000);
    const int ascent = ceilDiv(em100 * 90, 10000), descent = ceilDiv(em100 * 25, 10000);
    LabelBox b;
    b.left = t.h == HAlign::Left ? t.at.x : t.h == HAlign::Center ? t.at.x - width / 2 : t.at.x - width;
    b.right = b.left + width;
    b.top = t.v == VAlign::Top ? t.at.y : t.v == VAlign::Baseline ? t.at.y - ascent : t.at.y - ascent - descent;
    // The labels' characters have no descenders: one written on its
    // baseline ends there.
    b.bottom = t.v == VAlign::Baseline ? t.at.y : b.top + ascent + descent;
    return b;
}

std::vector<SceneText> placeGraphLabels(const std::vector<GraphLabel>& labels, const std::vector<LabelBox>& marks,
                                        int plotTop, int plotBottom, int dpi) {
    std::vector<size_t> order(labels.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return labels[a].rank < labels[b].rank; });

    std::vector<LabelBox> taken;
    std::vector<std::optional<SceneText>> placed(labels.size());
    auto fits = [&](const SceneText& t, int ownMark) {
        const LabelBox box = labelBox(t, dpi);
        if (box.top < plotTop || box.bottom > plotBottom) return false;
        for (size_t k = 0; k < marks.size(); ++k)
            if (static_cast<int>(k) != ownMark && box.overlaps(marks[k])) return false;
        return std::none_of(taken.begin(), taken.end(), [&](const LabelBox& o) { return box.overlaps(o); });
    };
    for (size_t i : order) {
        const GraphLabel& l = labels[i];
        if (fits(l.text, l.mark)) placed[i] = l.text;
        else if (l.other && fits(*l.other, l.mark)) placed[i] = *l.other;
        if (placed[i]) taken.push_back(labelBox(*placed[i], dpi));
    }
    std::vector<SceneText> out;
    for (const std::optional<SceneText>& p : placed)
        if (p) out.push_back(*p);
    return out;
}

}  // namespace marilo
