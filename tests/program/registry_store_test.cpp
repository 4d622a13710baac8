#include "program/registry_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "app/settings.h"

namespace marilo {
namespace {

const wchar_t* const kTestKey = L"Software\\Harbrook Works\\MariloRegistryTest";
const char* const kTestKeyForReg = "HKCU\\Software\\Harbrook Works\\MariloRegistryTest\\Setting";

// Runs the system's registry tool and returns what it printed.
std::string regQuery(const std::string& key, const char* value = nullptr) {
    std::string cmd = "reg query \"" + key + "\"";
    if (value != nullptr) cmd += std::string(" /v ") + value;
    cmd += " 2>&1";
    std::string out;
    FILE* p = _popen(cmd.c_str(), "r");
    if (p == nullptr) return out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p) != nullptr) out += buf;
    _pclose(p);
    return out;
}

// The type and data columns the tool shows for one value ("" when absent).
std::string regValue(const std::string& listing, const std::string& name) {
    std::istringstream in(listing);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string n, type, data;
        if (!(fields >> n >> type)) continue;
        if (n != name || type.rfind("REG_", 0) != 0) continue;
        fields >> data;
        return type + " " + data;
    }
    return "";
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    RegistryStore store{kTestKey, kTestKey};
};

TEST_F(RegistryStoreTest, ValuesComeBackWithTheirTypes) {
    EXPECT_EQ(store.getInt("Setting", "YL", 7), 7);
    EXPECT_EQ(store.getText("Setting", "ColPlate", "0xffffff"), "0xffffff");
    EXPECT_TRUE(store.getBinary("Setting", "BIN", 100).empty());

    store.putInt("Setting", "YL", -20);
    store.putText("Setting", "ColPlate", "c0c0c0");
    const uint8_t bytes[] = {1, 2, 3, 4, 5, 6};
    store.putBinary("Setting", "BIN", bytes, sizeof bytes);

    EXPECT_EQ(store.getInt("Setting", "YL", 7), -20);
    EXPECT_EQ(store.getText("Setting", "ColPlate", ""), "c0c0c0");
    EXPECT_EQ(store.getBinary("Setting", "BIN", 100), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(store.getBinary("Setting", "BIN", 4), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_TRUE(store.getBinary("Setting", "BIN", 0).empty());
    // Another type than asked for reads as the default.
    EXPECT_EQ(store.getInt("Setting", "ColPlate", 5), 5);
    EXPECT_EQ(store.getText("Setting", "YL", "d"), "d");
    EXPECT_TRUE(store.getBinary("Setting", "YL", 100).empty());

    const std::string listing = regQuery(kTestKeyForReg);
    EXPECT_EQ(regValue(listing, "YL"), "REG_DWORD 0xffffffec") << listing;
    EXPECT_EQ(regValue(listing, "ColPlate"), "REG_SZ c0c0c0") << listing;
    EXPECT_EQ(regValue(listing, "BIN"), "REG_BINARY 010203040506") << listing;
}

TEST_F(RegistryStoreTest, EmptyBinaryAndTextValues) {
    store.putBinary("Setting", "BIN", nullptr, 0);
    store.putText("Setting", "ColTicks", "");
    EXPECT_TRUE(store.getBinary("Setting", "BIN", 28).empty());
    EXPECT_EQ(store.getText("Setting", "ColTicks", "x"), "");
    const std::string listing = regQuery(kTestKeyForReg);
    EXPECT_EQ(regValue(listing, "BIN").rfind("REG_BINARY", 0), 0u) << listing;
    EXPECT_EQ(regValue(listing, "ColTicks").rfind("REG_SZ", 0), 0u) << listing;
}

TEST_F(RegistryStoreTest, TextWithoutTerminatorIsReadSafely) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kTestKey) + L"\\Setting").c_str(), 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t text[] = {L'f', L'f'};
    RegSetValueExW(key, L"ColFrame", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegCloseKey(key);
    EXPECT_EQ(store.getText("Setting", "ColFrame", "0"), "ff");
}

TEST_F(RegistryStoreTest, FirstStartLeavesTheWholeKeyInTheRegistry) {
    ControllerSettings c;
    LoadSettings(store, c, false);
    EXPECT_FALSE(c.settings.IsVirgin);

    const std::string listing = regQuery(kTestKeyForReg);
    for (const char* name : {"RuleN", "TrayIcon", "TrayClock", "PopCalMode", "MousePop", "IsXP", "IsVirgin", "Alert",
                             "DN3", "DN7", "UP3", "UP7", "STP", "PreTime", "Snd", "IsFrame", "IsShadow", "IsTicks",
                             "IsPlate", "GraphShowMode", "GraphSizeSet", "YH", "YL", "YT", "Ken", "Port", "IsBig"})
        EXPECT_EQ(regValue(listing, name).rfind("REG_DWORD ", 0), 0u) << name << "\n" << listing;
    for (const char* name : {"ColFrame", "ColPlate", "ColShort", "ColLong", "ColTicks"})
        EXPECT_EQ(regValue(listing, name).rfind("REG_SZ ", 0), 0u) << name;
    EXPECT_EQ(regValue(listing, "IsVirgin"), "REG_DWORD 0x0");
    EXPECT_EQ(regValue(listing, "RuleN"), "REG_DWORD 0x3");
    EXPECT_EQ(regValue(listing, "Ken"), "REG_DWORD 0x16");
    EXPECT_EQ(regValue(listing, "ColTicks"), "REG_SZ 808080");
    EXPECT_EQ(regValue(listing, "BIN"),
              "REG_BINARY "
              "03000000000000000100000001000000010000000100000001000000"
              "00000000000000000100000001000000010000000100000001000000"
              "00000000060000000100000001000000010000000100000002000000");

    // The next start reads it all back.
    ControllerSettings again;
    LoadSettings(store, again, true);
    EXPECT_FALSE(again.settings.IsXP);  // no longer a first start
    EXPECT_EQ(again.rules.count(), 3);
    EXPECT_EQ(again.rules[2].weekday, 6);
    EXPECT_EQ(again.settings.YL, -20);
    EXPECT_EQ(again.settings.ColPlate, 0xffffffu);
}

TEST(RegistryStoreNames, ProgramKeys) {
    EXPECT_EQ(RegistryStore::profileKeyFor(L"Marilo"), L"Software\\Harbrook Works\\Marilo");
    EXPECT_EQ(RegistryStore::executableBaseName(), L"registry_store_tests");
    const RegistryStore program = RegistryStore::forThisProgram();
    EXPECT_EQ(program.profileKey(), L"Software\\Harbrook Works\\registry_store_tests");
    EXPECT_EQ(program.binaryKey(), L"Software\\Harbrook Works\\Marilo");
}

}  // namespace
}  // namespace marilo
