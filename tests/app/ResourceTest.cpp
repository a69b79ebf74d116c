// The program's menus, accelerators and command prompts as the resource
// script builds them: captions byte for byte with their command ids.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "res/resource.h"

namespace {

// Every command item of a menu, depth first, as "Popup > Sub > Caption = id".
std::vector<std::string> MenuItems(HMENU menu, const std::string& path = "") {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_STRING | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        mii.dwTypeData = text;
        mii.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &mii);
        if (mii.fType & MFT_SEPARATOR) continue;
        if (mii.hSubMenu) {
            for (const std::string& item : MenuItems(mii.hSubMenu, path + text + " > "))
                items.push_back(item);
        } else {
            items.push_back(path + text + " = " + std::to_string(mii.wID));
        }
    }
    return items;
}

std::vector<std::string> MenuOf(UINT id) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    std::vector<std::string> items = MenuItems(menu);
    DestroyMenu(menu);
    return items;
}

std::string StringOf(UINT id) {
    char text[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

// The status-bar prompt: the string before its tooltip.
std::string PromptOf(UINT id) {
    const std::string text = StringOf(id);
    return text.substr(0, text.find('\n'));
}

}  // namespace

TEST(Resources, TheMenuWithoutAJob) {
    EXPECT_EQ(MenuOf(IDR_MAINFRAME),
              (std::vector<std::string>{
                  "&File > &New\tCtrl+N = 57600", "&File > Open... = 57601", "&File > Find... = 32112",
                  "&File > P&rint Setup... = 57606", "&File > Recent File = 57616", "&File > E&xit = 57665",
                  "&View > &Toolbar = 59392", "&View > &Status Bar = 59393",
                  "&Options > &Preferences... = 32403", "&Help > &About Corvantis... = 57664"}));
}

TEST(Resources, TheMenuOfAJobWindow) {
    const std::string print = "&File > &Print > ";
    const std::string preview = "&File > Print Pre&view > ";
    EXPECT_EQ(MenuOf(IDR_CORVTYPE),
              (std::vector<std::string>{"&File > &New = 57600",
                                        "&File > Open... = 57601",
                                        "&File > &Close = 57602",
                                        "&File > Save = 57603",
                                        "&File > Save As... = 57604",
                                        "&File > Find... = 32112",
                                        "&File > Store... = 32100",
                                        "&File > Store As... = 32119",
                                        print + "Select... = 32122",
                                        print + "Quote - Marketing > &Quote... = 32101",
                                        print + "Quote - Marketing > Scope... = 32113",
                                        print + "Quote - Marketing > Scope (Priced)... = 32114",
                                        print + "Quote - &Distribution... = 32105",
                                        print + "Quote - &Parts... = 32107",
                                        print + "Item Cost Development... = 32110",
                                        print + "Proposal Summary... = 32126",
                                        print + "Proposal Summary By Plant... = 32124",
                                        print + "Project Sell Price... = 32121",
                                        print + "Commission... = 32118",
                                        print + "Purchase &Order... = 32102",
                                        preview + "Quote - Marketing > &Quote = 32103",
                                        preview + "Quote - Marketing > Scope = 32115",
                                        preview + "Quote - Marketing > Scope (Priced) = 32116",
                                        preview + "Quote - &Distribution = 32106",
                                        preview + "Quote - &Parts = 32108",
                                        preview + "Item Cost Development = 32111",
                                        preview + "Proposal Summary = 32125",
                                        preview + "Proposal Summary By Plant = 32123",
                                        preview + "Project Sell Price = 32120",
                                        preview + "Commission = 32117",
                                        preview + "Purchase &Order = 32104",
                                        "&File > P&rint Setup... = 57606",
                                        "&File > Recent File = 57616",
                                        "&File > E&xit = 57665",
                                        "&Edit > &Undo\tCtrl+Z = 57643",
                                        "&Edit > Cu&t\tCtrl+X = 57635",
                                        "&Edit > &Copy\tCtrl+C = 57634",
                                        "&Edit > &Paste\tCtrl+V = 57637",
                                        "&Edit > Cut &Line\tCtrl+Shft+X = 32204",
                                        "&Edit > C&opy Line\tCtrl+Shft+C = 32205",
                                        "&Edit > P&aste Line\tCtrl+Shft+V = 32206",
                                        "&Edit > &Insert Line\tCtrl+Shft+I = 32207",
                                        "&Edit > Multiplie&r...\tCtrl+Shft+R = 32211",
                                        "&Edit > &Margin...\tCtrl+Shft+M = 32208",
                                        "&Edit > Total Final &Value...\tCtrl+Shft+T = 32210",
                                        "&Edit > Total Extended Values... = 32213",
                                        "&Edit > PN to QuotePN\tF4 = 32109",
                                        "&Edit > Technical to &Quote\tCtrl+Shft+Q = 32212",
                                        "&Edit > Delete Bottom &Blanks\tCtrl+Shft+B = 32209",
                                        "&View > &Project...\tCtrl+Shft+P = 32304",
                                        "&View > &Detail...\tCtrl+Shft+D = 32300",
                                        "&View > &Line...\tCtrl+Shift+L = 32303",
                                        "&View > &Words...\tCtrl+Shft+W = 32301",
                                        "&View > &Select...\tCtrl+Shift+S = 32302",
                                        "&View > Find a Part Number... = 32305",
                                        "&View > T&oolbar = 59392",
                                        "&View > St&atus Bar = 59393",
                                        "&Options > &Arrow Control\tF5 = 32402",
                                        "&Options > &Font... = 32401",
                                        "&Options > &Preferences... = 32403",
                                        "&Window > &New Window = 57648",
                                        "&Window > &Cascade = 57650",
                                        "&Window > Tile &Horizontally = 57651",
                                        "&Window > Tile &Vertically = 57652",
                                        "&Window > &Arrange Icons = 57649",
                                        "&Help > &About Corvantis... = 57664"}));
}

TEST(Resources, TheAcceleratorsAreVirtualKeysWithTheirCommands) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> accels(static_cast<size_t>(CopyAcceleratorTableA(table, nullptr, 0)));
    CopyAcceleratorTableA(table, accels.data(), static_cast<int>(accels.size()));
    using Key = std::tuple<int, int, int>;  // modifiers (without FVIRTKEY), key, command
    std::set<Key> actual;
    for (const ACCEL& a : accels) {
        EXPECT_TRUE(a.fVirt & FVIRTKEY) << a.cmd;
        actual.insert(Key{a.fVirt & ~FVIRTKEY, a.key, a.cmd});
    }
    const int C = FCONTROL, S = FSHIFT, CS = FCONTROL | FSHIFT, A = FALT;
    const std::set<Key> expected = {
        {C, 'C', 57634},   {C, VK_INSERT, 57634}, {C, 'X', 57635},   {S, VK_DELETE, 57635},
        {C, 'V', 57637},   {S, VK_INSERT, 57637}, {C, 'Z', 57643},   {A, VK_BACK, 57643},
        {CS, 'X', 32204},  {A, VK_DELETE, 32204}, {CS, 'C', 32205},  {CS, 'V', 32206},
        {CS, 'I', 32207},  {A, VK_INSERT, 32207}, {CS, 'B', 32209},  {CS, 'T', 32210},
        {CS, 'R', 32211},  {CS, 'M', 32208},      {CS, 'Q', 32212},  {0, VK_F4, 32109},
        {C, 'N', 57600},   {C, 'O', 57601},       {C, 'S', 57603},   {C, 'P', 57607},
        {0, VK_F5, 32402}, {0, VK_F6, 57680},     {S, VK_F6, 57681}, {CS, 'D', 32300},
        {CS, 'L', 32303},  {0, VK_F7, 32303},     {CS, 'P', 32304},  {CS, 'S', 32302},
        {CS, 'W', 32301}};
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(accels.size(), expected.size());
}

TEST(Resources, PromptsCarryTheirQuotesAndTheIndicatorsTheirNames) {
    EXPECT_EQ(StringOf(IDR_MAINFRAME), "Corvantis Zoro");
    EXPECT_EQ(
        StringOf(IDR_CORVTYPE),
        "\nUnassigned\nCORV Document\nCorvantis Files (*.job)\n.job\nCorvZoroFileType\nCorvZoro File Type");
    EXPECT_EQ(StringOf(ID_FILE_FIND), "Find an existing Quotation\nFind...");
    EXPECT_EQ(PromptOf(ID_EDIT_MULTIPLIER), "Revise \"Multiplier\" column for all summary lines");
    EXPECT_EQ(PromptOf(ID_EDIT_MARGIN), "Revise \"Margin\" column for all summary lines");
    EXPECT_EQ(PromptOf(ID_EDIT_TOTAL_FINAL_VALUE), "Revise \"Net\" column based on new total value");
    EXPECT_EQ(PromptOf(ID_EDIT_TOTAL_EXTENDED), "View Extended Totals");
    EXPECT_EQ(StringOf(ID_INDICATOR_CAPS), "CAP");
    EXPECT_EQ(StringOf(ID_INDICATOR_NUM), "NUM");
    EXPECT_EQ(StringOf(ID_INDICATOR_SCRL), "SCRL");
}
