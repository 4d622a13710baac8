// The month picture's cells and marilo-cli --month tell the same month: each
// table line, rebuilt from the texts of the day's cell, is the line itself.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/calendar_report.h"
#include "render/month_geometry.h"
#include "tests/port_at.h"

namespace marilo::cli {
namespace {

TEST(MonthAgreement, PictureCellsAndTableLinesTellTheSameDays) {
    for (const PortAddress port : {PortAddress(), portAt(80, 2)}) {
        const TideMonth month = tideMonth(port, 2024, 3);
        const MonthPicture picture = monthPictureOf(month, DefaultRules(), DateTime(2024, 3, 15));
        const Scene scene = monthScene(picture, 96);
        std::istringstream table(monthTable(month, false));
        std::string line;
        std::getline(table, line);  // the title
        for (int day = 1; day <= month.dayCount; ++day) {
            ASSERT_TRUE(std::getline(table, line));
            const std::vector<std::string> cell = monthCellTexts(scene, picture, day, 96);
            ASSERT_GE(cell.size(), 2u);
            const MonthDay& d = month.days[day - 1];
            char head[32];
            std::snprintf(head, sizeof head, "2024-03-%02d(%s) ", std::stoi(cell[0]), d.date.weekdayName);
            std::string rebuilt = head + cell[1] + " ";
            size_t waters = 2;
            if (cell.size() > 2 && cell[2][0] != 'H' && cell[2][0] != 'L') {
                rebuilt += cell[2];
                waters = 3;
            } else {
                rebuilt += "　　";
            }
            for (size_t k = waters; k < cell.size(); ++k) rebuilt += "  " + cell[k];
            EXPECT_EQ(rebuilt, line) << "day " << day;
        }
    }
}

}  // namespace
}  // namespace marilo::cli
