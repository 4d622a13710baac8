#pragma once
// The notification area as the controller sees it: add, modify and delete
// requests for numbered icons, each with an image and a tooltip. The Windows
// implementation talks to the shell; tests put a recording double in its place.

#include <string>

namespace marilo {

// An icon image as the shell takes it. On Windows this is an HICON; the
// controller only passes it along and never looks inside.
using IconRef = void*;

class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    // tip is cp932 text; the implementation cuts it to what the shell holds.
    virtual void add(int id, IconRef icon, const std::string& tip) = 0;
    virtual void modify(int id, IconRef icon, const std::string& tip) = 0;
    virtual void remove(int id) = 0;
};

}  // namespace marilo
