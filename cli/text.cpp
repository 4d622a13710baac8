#include "cli/text.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace marilo::cli {

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

std::optional<std::string> convert(const char* to, const char* from, const std::string& in) {
    iconv_t raw = iconv_open(to, from);
    if (raw == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::unique_ptr<void, IconvCloser> cd(raw);
    std::string out(in.size() * 2 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t done = 0;
    for (;;) {
        char* dst = out.data() + done;
        size_t dstLeft = out.size() - done;
        const size_t r = iconv(raw, &src, &srcLeft, &dst, &dstLeft);
        done = out.size() - dstLeft;
        if (r != static_cast<size_t>(-1)) break;
        if (errno != E2BIG) return std::nullopt;
        out.resize(out.size() * 2);
    }
    out.resize(done);
    return out;
}

}  // namespace

std::optional<std::string> cp932ToUtf8(const std::string& cp932) { return convert("UTF-8", "CP932", cp932); }

std::optional<std::string> utf8ToCp932(const std::string& utf8) { return convert("CP932", "UTF-8", utf8); }

}  // namespace marilo::cli
