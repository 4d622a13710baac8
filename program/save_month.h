#pragma once
// "--save-month FILE [YYYY-MM]": the month picture of the stored port, for
// the month given or this month, with today framed when it lies in it,
// written to a PNG file. Reads the stored settings and writes none.

#include <string>

namespace marilo {

// Empty on success, otherwise what went wrong (English). year 0: this month.
std::string saveMonthPng(const std::wstring& file, int year, int month);

}  // namespace marilo
