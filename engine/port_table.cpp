#include "engine/port_table.h"

#include <cmath>

namespace marilo {

// Speeds exactly as the tables publish them, in degrees per hour.
const Constituent Constituents[kConstituentCount] = {
    {"Sa", 0.0410686, 0},    {"Ssa", 0.0821373, 0},   {"Mm", 0.5443747, 0},    {"MSf", 1.0158958, 0},
    {"Mf", 1.0980331, 0},    {"Q1", 13.3986609, 1},   {"rho1", 13.4715145, 1}, {"O1", 13.9430356, 1},
    {"MP1", 14.0251729, 1},  {"M1", 14.4920521, 1},   {"pi1", 14.9178647, 1},  {"P1", 14.9589314, 1},
    {"S1", 15.0, 1},         {"K1", 15.0410686, 1},   {"psi1", 15.0821353, 1}, {"phi1", 15.1232059, 1},
    {"J1", 15.5854433, 1},   {"SO1", 16.0569644, 1},  {"OO1", 16.1391017, 1},  {"2N2", 27.8953548, 2},
    {"mu2", 27.9682084, 2},  {"N2", 28.4397295, 2},   {"nu2", 28.5125831, 2},  {"OP2", 28.9019669, 2},
    {"M2", 28.9841042, 2},   {"lambda2", 29.4556253, 2}, {"L2", 29.5284789, 2}, {"T2", 29.9589333, 2},
    {"S2", 30.0, 2},         {"R2", 30.0410667, 2},   {"K2", 30.0821373, 2},   {"2SM2", 31.0158958, 2},
    {"MO3", 42.9271398, 3},  {"M3", 43.4761563, 3},   {"MK3", 44.0251729, 3},  {"SK3", 45.0410686, 3},
    {"M4", 57.9682084, 4},   {"MS4", 58.9841042, 4},  {"M6", 86.9523127, 6},   {"2MS6", 87.9682084, 6},
};

const PortGroup PortGroups[kGroupCount] = {
    {0, 0, 1, "北海道"},     {1, 1, 13, "北海道"},    {2, 14, 21, "青森"},     {3, 35, 6, "岩手"},
    {4, 41, 13, "宮城"},     {5, 54, 4, "秋田"},      {6, 58, 4, "山形"},      {7, 62, 6, "福島"},
    {8, 68, 5, "茨城"},      {12, 73, 16, "千葉"},    {13, 89, 15, "東京"},    {14, 104, 16, "神奈川"},
    {15, 120, 7, "新潟"},    {16, 127, 2, "富山"},    {17, 129, 2, "石川"},    {18, 131, 5, "福井"},
    {22, 136, 18, "静岡"},   {23, 154, 9, "愛知"},    {24, 163, 7, "三重"},    {26, 170, 3, "京都"},
    {27, 173, 5, "大阪"},    {28, 178, 14, "兵庫"},   {30, 192, 7, "和歌山"},  {31, 199, 2, "鳥取"},
    {32, 201, 2, "島根"},    {33, 203, 3, "岡山"},    {34, 206, 7, "広島"},    {35, 213, 18, "山口"},
    {36, 231, 2, "徳島"},    {37, 233, 9, "香川"},    {38, 242, 16, "愛媛"},   {39, 258, 3, "高知"},
    {40, 261, 11, "福岡"},   {41, 272, 3, "佐賀"},    {42, 275, 15, "長崎"},   {43, 290, 11, "熊本"},
    {44, 301, 6, "大分"},    {45, 307, 3, "宮崎"},    {46, 310, 9, "鹿児島"},  {47, 319, 36, "沖縄"},
    {80, 355, 3, "その他"},
};

const PortGroup* findGroup(int group) {
    for (const PortGroup& g : PortGroups)
        if (g.group == group) return &g;
    return nullptr;
}

int tableIndexOf(int group, int index) {
    const PortGroup* g = findGroup(group);
    if (g == nullptr || index < 0 || index >= g->count) return -1;
    return g->firstIndex + index;
}

bool addressOfRow(int row, int& group, int& index) {
    for (const PortGroup& g : PortGroups)
        if (row >= g.firstIndex && row < g.firstIndex + g.count) {
            group = g.group;
            index = row - g.firstIndex;
            return true;
        }
    return false;
}

int portCommandId(int group, int index) { return 50001 + 100 * group + index; }

bool portFromCommandId(int id, int& group, int& index) {
    if (id < 50000 || id > 60000) return false;
    const int k = id - 50000;
    group = static_cast<int>(k * 0.01);
    index = k - 100 * group - 1;
    return true;
}

double degMinToDegrees(double x) {
    const double whole = std::trunc(x);
    return whole + (x - whole) * 1.6666666666666665;
}

}  // namespace marilo
