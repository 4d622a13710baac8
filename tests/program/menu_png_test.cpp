// The menu made from the model, and PNG files through the imaging component.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/menu_model.h"
#include "program/menu_builder.h"
#include "platform/png_file.h"

namespace marilo {
namespace {

std::wstring textOf(HMENU menu, int pos) {
    wchar_t buf[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(pos), buf, 64, MF_BYPOSITION);
    return buf;
}

int portsUnder(HMENU menu) {
    int n = 0;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        HMENU sub = GetSubMenu(menu, i);
        n += sub ? portsUnder(sub) : GetMenuItemID(menu, i) > 50000;
    }
    return n;
}

TEST(MenuBuilder, TheMenuIsTheModelItemForItem) {
    const std::vector<HighLowEntry> two = {{0, 6, 12, 154.7}, {1, 11, 33, 89.5}};
    const PopupMenuModel model = buildPopupMenu(PortAddress(), "田子の浦", two, true);
    const Menu menu = menuFromModel(model.items);
    ASSERT_TRUE(menu);
    HMENU m = menu.get();
    ASSERT_EQ(GetMenuItemCount(m), 15);
    EXPECT_EQ(textOf(m, 0), L"バージョン情報...");
    EXPECT_EQ(GetMenuItemID(m, 0), 32777u);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoW(m, 2, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(info.wID, 1125u);
    ASSERT_TRUE(GetMenuItemInfoW(m, 1, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);

    HMENU highLow = GetSubMenu(m, 6);
    ASSERT_NE(highLow, nullptr);
    EXPECT_EQ(textOf(m, 6), L"干満時刻");
    ASSERT_EQ(GetMenuItemCount(highLow), 4);
    EXPECT_EQ(textOf(highLow, 0), L"H  6:12 155");
    EXPECT_EQ(textOf(highLow, 3), L"");
    EXPECT_EQ(GetMenuItemID(highLow, 3), 1134u);

    HMENU chooser = GetSubMenu(GetSubMenu(m, 7), 0);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(textOf(GetSubMenu(m, 7), 0), L"場所設定(田子の浦)");
    EXPECT_EQ(portsUnder(chooser), 358);
    EXPECT_TRUE(GetMenuState(chooser, 4, MF_BYPOSITION) & MF_CHECKED);  // 東海
    EXPECT_FALSE(GetMenuState(chooser, 3, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(GetSubMenu(chooser, 4), 0, MF_BYPOSITION) & MF_CHECKED);  // 静岡
    EXPECT_TRUE(GetMenuState(chooser, 52214, MF_BYCOMMAND) & MF_CHECKED);              // 田子浦
    EXPECT_EQ(textOf(m, 9), L"月間潮見表...");
    EXPECT_EQ(GetMenuItemID(m, 9), 32810u);
    EXPECT_EQ(textOf(m, 11), L"Iconリフレッシュ");
    EXPECT_EQ(textOf(m, 14), L"終了");
}

// Screen readers take an owner-drawn item's name from the record its data
// points to, which starts with MSAAMENUINFO.
TEST(MenuBuilder, OwnerDrawnItemsCarryTheirNames) {
    const PopupMenuModel model = buildPopupMenu(PortAddress(), "田子の浦", {}, true);
    MenuItemNames names;
    names.set(1125, L"3月1日 中潮");
    const Menu menu = menuFromModel(model.items, &names);
    ASSERT_TRUE(menu);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoW(menu.get(), 1125, FALSE, &info));
    const auto* record = reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->dwMSAASignature, static_cast<DWORD>(MSAA_MENU_SIG));
    EXPECT_EQ(std::wstring(record->pszWText, record->cchWText), L"3月1日 中潮");
    ASSERT_TRUE(GetMenuItemInfoW(menu.get(), 1126, FALSE, &info));  // the strip, given no name
    EXPECT_EQ(info.dwItemData, 0u);
}

TEST(PngFile, WritesAPngAndSaysWhyWhenItCannot) {
    DibSurface surface(7, 5, 24);
    ASSERT_TRUE(surface);
    PatBlt(surface.dc(), 0, 0, 7, 5, WHITENESS);
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    const std::wstring file = std::wstring(dir) + L"marilo-test.png";
    EXPECT_EQ(writePngFile(file, surface), "");
    FILE* in = _wfopen(file.c_str(), L"rb");
    ASSERT_NE(in, nullptr);
    char head[8] = {};
    EXPECT_EQ(std::fread(head, 1, 8, in), 8u);
    std::fclose(in);
    EXPECT_EQ(std::string(head, 8), "\x89PNG\r\n\x1a\n");
    DeleteFileW(file.c_str());

    const std::string error = writePngFile(std::wstring(dir) + L"no such folder\\x.png", surface);
    EXPECT_NE(error.find("opening the file failed"), std::string::npos) << error;
}

}  // namespace
}  // namespace marilo
