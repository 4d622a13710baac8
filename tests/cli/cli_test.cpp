#include <gtest/gtest.h>

#include <cstdio>

#include "cli/calendar_report.h"
#include "cli/options.h"
#include "cli/report.h"
#include "tests/port_at.h"

namespace marilo::cli {
namespace {

ParseResult parse(std::vector<std::string> args) { return parseOptions(args); }

TEST(CliOptions, PortsByIdNameAndLabel) {
    ParseResult r = parse({});
    EXPECT_EQ(r.options.port, PortAddress());

    r = parse({"--port", "50101"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.port, portAt(1, 0));

    // Arguments come from the terminal in UTF-8, spelled as the table or the
    // chooser spells them.
    r = parse({"--port", "\xe7\xa8\x9a\xe5\x86\x85"});  // 稚内
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.port, portAt(1, 0));
    r = parse({"--port", "\xe7\x94\xb0\xe5\xad\x90\xe6\xb5\xa6"});  // 田子浦, the chooser's label
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.port, PortAddress());
}

TEST(CliOptions, BadArgumentsNameThemselves) {
    EXPECT_EQ(parse({"--port", "52299"}).error, "--port: no port has the command ID 52299");
    EXPECT_NE(parse({"--port", "Atlantis"}).error.find("unknown port 'Atlantis'"), std::string::npos);
    // 白浜 is a label in three prefectures: the error lists them to choose from.
    const std::string shirahama = parse({"--port", "\xe7\x99\xbd\xe6\xb5\x9c"}).error;
    EXPECT_NE(shirahama.find("names several ports"), std::string::npos);
    EXPECT_NE(shirahama.find("51206"), std::string::npos);
    EXPECT_NE(shirahama.find("52216"), std::string::npos);
    EXPECT_NE(shirahama.find("54731"), std::string::npos);

    EXPECT_NE(parse({"--date", "2023-02-29"}).error.find("--date: '2023-02-29'"), std::string::npos);
    EXPECT_NE(parse({"--date", "2024-1-5"}).error.find("--date"), std::string::npos);
    EXPECT_EQ(parse({"--date", "2024-02-29"}).error, "");
    EXPECT_NE(parse({"--time", "24:00"}).error.find("--time"), std::string::npos);
    EXPECT_NE(parse({"--days", "0"}).error.find("--days: '0'"), std::string::npos);
    EXPECT_NE(parse({"--days", "-3"}).error.find("--days"), std::string::npos);
    EXPECT_NE(parse({"--days", "99999999999"}).error.find("--days"), std::string::npos);
    EXPECT_EQ(parse({"--days"}).error, "--days: missing value");
    EXPECT_EQ(rangeError(DateTime(9999, 12, 27), 5), "");  // ends on 9999-12-31
    EXPECT_EQ(rangeError(DateTime(9999, 12, 31), 2), "--days: 2 days from 9999-12-31 run past 9999-12-31");
    EXPECT_NE(rangeError(DateTime(9800, 1, 1), 100000), "");
    EXPECT_EQ(parse({"--holidays", "2026"}).options.holidaysYear, 2026);
    EXPECT_NE(parse({"--holidays", "26"}).error.find("--holidays: '26'"), std::string::npos);
    EXPECT_EQ(parse({"--frobnicate"}).error, "'--frobnicate': unknown argument (see --help)");
    // Errors quote what they were given, so what is not UTF-8 is named, not echoed.
    EXPECT_EQ(parse({"--port", "\x93\x63\x8e\x71"}).error, "--port: the value is not UTF-8 text");  // 田子, cp932
    EXPECT_EQ(parse({"--tsv", "\xff"}).error, "argument 2 is not UTF-8 text");
}

TEST(CliOptions, AlertsChooseEventsAndLead) {
    ParseResult r = parse({"--alerts"});
    ASSERT_EQ(r.error, "");
    EXPECT_TRUE(r.options.alerts);
    const AlertChoice& all = r.options.alertChoice;
    EXPECT_TRUE(all.slack && all.rise30 && all.rise70 && all.fall30 && all.fall70);
    EXPECT_EQ(all.lead, 0);
    r = parse({"--alerts", "--lead", "120", "--events", "dn7,stp"});
    ASSERT_EQ(r.error, "");
    const AlertChoice& some = r.options.alertChoice;
    EXPECT_TRUE(some.slack && some.fall70 && !some.rise30 && !some.rise70 && !some.fall30);
    EXPECT_EQ(some.lead, 5);
    EXPECT_EQ(parse({"--alerts", "--lead", "10"}).error,
              "--lead: '10' is not one of 0, 5, 15, 30, 60, 120, 180 (minutes)");
    EXPECT_EQ(parse({"--alerts", "--events", "stp,up5"}).error,
              "--events: 'up5' is not one of stp, up3, up7, dn3, dn7");
    EXPECT_EQ(parse({"--alerts", "--events", "stp,,dn3"}).error,
              "--events: '' is not one of stp, up3, up7, dn3, dn7");
    EXPECT_EQ(parse({"--alerts", "--events", "up3,up3"}).error, "--events: 'up3' is named twice");
    EXPECT_EQ(parse({"--lead", "5"}).error, "--lead: only with --alerts");
    EXPECT_EQ(parse({"--alerts", "--time", "12:00"}).error, "--time: --alerts covers whole days");
}

TEST(CliReport, AlertRowsAreTabSeparated) {
    const Alert a{"下げ３分まで", "あと１５分です。", "→08:08　", kAlertFalling};
    EXPECT_EQ(alertTsvRow(DateTime(2024, 1, 11, 7, 53), a),
              "2024-01-11\t07:53\t下げ３分まで\tあと１５分です。\t→08:08　\t1\n");
    EXPECT_EQ(alertsTsvHeader(), "date\ttime\tmessage\tremainder\ttime_line\tkind\n");
}

TEST(CliOptions, MissingDateOrTimeComesFromThePortsPresentMoment) {
    const CivilTime portNow{2025, 12, 31, 23, 59, 30};
    const auto moment = [&](std::vector<std::string> args) {
        const DateTime t = firstMoment(parse(args).options, portNow);
        char text[20];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
        return std::string(text);
    };
    EXPECT_EQ(moment({}), "2025-12-31 23:59");
    EXPECT_EQ(moment({"--time", "06:05"}), "2025-12-31 06:05");
    EXPECT_EQ(moment({"--date", "2024-02-29"}), "2024-02-29 23:59");
    EXPECT_EQ(moment({"--date", "2024-02-29", "--time", "0:00"}), "2024-02-29 00:00");
}

TEST(CliReport, WorkedExampleAsTextAndTsv) {
    TideDay t(portAt(22, 13), DateTime(2024, 1, 11, 12, 0));
    t.computeStages();
    const std::string text = formatDay(t);  // cp932, like the literals here
    EXPECT_NE(text.find("田子の浦  2024-01-11(木)  大潮  月齢29.1   朔"), std::string::npos) << text;
    EXPECT_NE(text.find("12:00    90.6 cm  +0.077 cm/分"), std::string::npos) << text;
    EXPECT_NE(text.find("06:12   154.5 cm  上げ止まり  下げ３分 08:08  下げ７分 09:33"), std::string::npos) << text;
    EXPECT_NE(text.find("23:41   -16.7 cm  下げ止まり  上げ３分 26:"), std::string::npos) << text;

    const std::string row = tsvRow(t);
    EXPECT_EQ(row.substr(0, row.find("\t06:12")), "2024-01-11\t田子の浦\t大潮\t29.14\t5\t90.6\t0.077");
    // Five slots of five columns after the seven of the day; the empty fifth
    // slot has empty times.
    int tabs = 0;
    for (char c : row) tabs += c == '\t';
    EXPECT_EQ(tabs, 7 + 5 * 5 - 1);
    int headerTabs = 0;
    for (char c : tsvHeader()) headerTabs += c == '\t';
    EXPECT_EQ(headerTabs, tabs);
    EXPECT_NE(row.find("\t\t\t2\t\t\n"), std::string::npos);
}

TEST(CliReport, SunAndMoonLineAndColumnsAndTheDistantStationNote) {
    EXPECT_TRUE(parse({"--sun"}).options.sun);
    EXPECT_FALSE(parse({}).options.sun);

    // 田子の浦 on a date without a moonrise; the times are astronomy-engine's
    // (tests/engine/rise_set_test.cpp), rounded.
    TideDay t(portAt(22, 13), DateTime(2026, 1, 10, 12, 0));
    t.computeStages();
    const SunMoonTimes sky = sunMoonTimes(t.address(), 2026, 1, 10);
    const std::string text = formatDay(t, &sky);
    EXPECT_NE(text.find("\n  日の出 06:54  日の入り 16:51  月の出 --:--  月の入り 10:49  薄明 06:26 - 17:19\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(formatDay(t).find("日の出"), std::string::npos);
    EXPECT_EQ(text.find("潮汐定数"), std::string::npos);

    const std::string header = tsvHeader(true);
    EXPECT_EQ(header.substr(tsvHeader().size() - 1), "\tcivil_dawn\tsunrise\tsunset\tcivil_dusk\tmoonrise\tmoonset\n");
    const std::string row = tsvRow(t, &sky);
    EXPECT_EQ(row.substr(tsvRow(t).size() - 1), "\t06:26\t06:54\t16:51\t17:19\t\t10:49\n");

    // A port whose constants come from a station 1146 km away says so under its header.
    TideDay far(portAt(0, 0), DateTime(2026, 6, 21, 12, 0));
    far.computeStages();
    const std::string farText = formatDay(far);
    EXPECT_EQ(farText.substr(farText.find('\n') + 1, 31), "  潮汐定数: Nemuroko (1146 km)\n") << farText;
}

TEST(CliReport, PortListHasEveryPort) {
    const std::string list = portList();
    int lines = 0;
    for (char c : list) lines += c == '\n';
    EXPECT_EQ(lines, 1 + 358);
    EXPECT_NE(list.find("\n149\t22\t13\t52214\t田子の浦\n"), std::string::npos);
    EXPECT_NE(list.find("\n357\t80\t2\t58003\tポナペ\n"), std::string::npos);
}

TEST(CliOptions, MonthAndIcsArgumentsAndTheirCompanions) {
    ParseResult r = parse({"--month", "2024-03", "--port", "58003"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.monthYear, 2024);
    EXPECT_EQ(r.options.monthMonth, 3);
    for (const char* bad : {"2024-13", "2024-00", "2024-3", "24-03", "2024-03-01", "0999-12"})
        EXPECT_EQ(parse({"--month", bad}).error, std::string("--month: '") + bad + "' is not a month of the form YYYY-MM");
    EXPECT_EQ(parse({"--month"}).error, "--month: missing value");
    EXPECT_NE(parse({"--month", "2024-03", "--days", "3"}).error, "");
    EXPECT_NE(parse({"--month", "2024-03", "--ics"}).error, "");
    EXPECT_TRUE(parse({"--ics", "--date", "2024-03-01", "--days", "31"}).options.ics);
    EXPECT_NE(parse({"--ics", "--tsv"}).error, "");
    EXPECT_NE(parse({"--ics", "--time", "12:00"}).error, "");

    EXPECT_EQ(rangeError(DateTime(9999, 12, 1), 31), "");
    EXPECT_EQ(rangeError(DateTime(9999, 12, 1), 32), "--days: 32 days from 9999-12-01 run past 9999-12-31");
}

TEST(CliReport, MonthTableLine) {
    const std::string table = monthTable(tideMonth(PortAddress(), 2024, 1), true);  // cp932
    EXPECT_EQ(table.substr(0, table.find('\n')), "田子の浦  2024-01");
    const size_t at = table.find("2024-01-11(木) 大潮  朔   H  6:12 15");
    ASSERT_NE(at, std::string::npos) << table;
    const std::string line = table.substr(at, table.find('\n', at) - at);
    // (154.5 and 89.5 cm round either way; the others do not.)
    EXPECT_NE(line.find("  L 11:33  "), std::string::npos) << line;
    EXPECT_NE(line.find("  H 16:35 146  L 23:41 -17  日の出 6:"), std::string::npos) << line;
    // A day without a principal phase keeps the column with two ideographic spaces.
    EXPECT_NE(table.find("2024-01-25(木) 大潮 　　  "), std::string::npos);
    int lines = 0;
    for (char c : table) lines += c == '\n';
    EXPECT_EQ(lines, 1 + 31);
}

TEST(CliReport, IcsLinesFoldAt75OctetsBetweenCharacters) {
    EXPECT_EQ(icsLine("VERSION:2.0"), "VERSION:2.0\r\n");
    // "SUMMARY:" and 40 three-octet characters: 128 octets.
    std::string line = "SUMMARY:";
    for (int k = 0; k < 40; ++k) line += "\xe6\xbd\xae";  // 潮
    const std::string folded = icsLine(line);
    std::string unfolded;
    size_t from = 0;
    while (from < folded.size()) {
        const size_t end = folded.find("\r\n", from);
        ASSERT_NE(end, std::string::npos);
        const std::string piece = folded.substr(from, end - from);
        EXPECT_LE(piece.size(), 75u);
        // A piece after the first begins with the space, then a lead octet.
        const size_t text = from == 0 ? 0 : 1;
        if (from != 0) {
            EXPECT_EQ(piece[0], ' ');
        }
        EXPECT_NE(static_cast<unsigned char>(piece[text]) & 0xC0, 0x80);
        unfolded += piece.substr(text);
        from = end + 2;
    }
    EXPECT_EQ(unfolded, line);
    EXPECT_EQ(folded.substr(0, 74), line.substr(0, 74));  // 8 + 22 x 3 = 74: the 23rd would pass 75
}

TEST(CliReport, IcsCalendarStopsAtTheFirstRefusedLine) {
    const DateTime first(2024, 1, 1);
    int taken = 0;
    std::string head;
    // Five header lines, the calendar's name, then the first day's event.
    const bool ok = icsCalendar(PortAddress(), first, 100, [&](const std::string& line) {
        if (taken == 7) return false;
        ++taken;
        head += line;
        return true;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(taken, 7);
    EXPECT_EQ(head.substr(0, 17), "BEGIN:VCALENDAR\r\n");
    EXPECT_EQ(head.substr(head.size() - 14), "BEGIN:VEVENT\r\n");

    // Every line accepted: one whole file, every line ended by CRLF.
    std::string whole;
    int lines = 0;
    EXPECT_TRUE(icsCalendar(PortAddress(), first, 2, [&](const std::string& line) {
        whole += line;
        lines += line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0;
        return true;
    }));
    EXPECT_EQ(whole.substr(whole.size() - 15), "END:VCALENDAR\r\n");
    EXPECT_EQ(whole.find("END:VCALENDAR"), whole.size() - 15);
    EXPECT_GT(lines, 2 * 10);
}

}  // namespace
}  // namespace marilo::cli
