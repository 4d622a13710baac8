#include "render/month_fit.h"

#include <algorithm>

#include "base/screen_scale.h"
#include "render/month_geometry.h"

namespace marilo {

MonthFit fitMonth(int rows, int screenDpi, ItemSize available, ItemSize chrome, int scrollBar) {
    const int dpi = screenDpiOrBase(screenDpi);
    const int smallest = std::min(dpi, kBaseDpi);
    const int roomX = available.width - chrome.width, roomY = available.height - chrome.height;
    for (int d = dpi; d >= smallest; --d) {
        const ItemSize picture{monthPictureWidth(d), monthPictureHeightOf(rows, d)};
        if (picture.width <= roomX && picture.height <= roomY) return {d, picture, false, false};
    }
    // Scroll bars take room from the client area along the other side.
    const ItemSize picture{monthPictureWidth(smallest), monthPictureHeightOf(rows, smallest)};
    MonthFit fit{smallest, picture, false, false};
    fit.scrollsY = picture.height > roomY;
    fit.scrollsX = picture.width > roomX - (fit.scrollsY ? scrollBar : 0);
    if (fit.scrollsX && !fit.scrollsY) fit.scrollsY = picture.height > roomY - scrollBar;
    fit.client.width = std::max(1, std::min(picture.width, roomX - (fit.scrollsY ? scrollBar : 0)));
    fit.client.height = std::max(1, std::min(picture.height, roomY - (fit.scrollsX ? scrollBar : 0)));
    return fit;
}

}  // namespace marilo
