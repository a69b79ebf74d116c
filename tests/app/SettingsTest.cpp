// The INI settings and choice lists: defaults and write-backs, reading
// back, hand-edited files, the setters that write one key, and the
// standard text files.
#include <gtest/gtest.h>

#include <string>

#include "model/PriceSettings.h"
#include "tests/app/AppTestSupport.h"

namespace {

// Runs the settings part of start-up on a profile.
void StartOn(CCorvApp& app) {
    app.ReadSettings();
    app.LoadChoiceLists();
}

std::vector<std::string> Entries(const CStringArray& list) {
    std::vector<std::string> entries;
    for (const CString& s : list) entries.push_back(s.GetString());
    return entries;
}

}  // namespace

TEST(Settings, SecondRunReadsTheListsBackCuttingOverlongEntries) {
    CCorvApp& app = TestApp();
    const std::string ini = UseFreshProfile("second-run.ini");
    StartOn(app);
    EXPECT_EQ(app.m_arrChoice[kChoiceWordsAboveFileName][2], "WordsAboveDistributor");
    const IniFile first = ReadIni(ini);

    StartOn(app);
    EXPECT_EQ(app.m_arrChoice[kChoiceWordsAboveFileName][2], "WordsAboveDistributo");
    EXPECT_EQ(app.m_arrChoice[kChoiceWordsBelowFileName][2], "WordsBelowDistributo");
    // ... and the file keeps the long entry.
    EXPECT_EQ(ReadIni(ini).Find("WordsAboveFileName")->Value("WordsAboveFileName3"), "WordsAboveDistributor");
    for (const ChoiceListInfo& info : ChoiceListsInLoadOrder())
        EXPECT_EQ(app.m_arrChoice[info.index].GetSize(), BuiltInChoices(info.section).GetSize())
            << info.section;
    EXPECT_EQ(ReadIni(ini).SectionNames(), first.SectionNames());
    EXPECT_EQ(Entries(app.m_arrChoice[kChoiceStatus]),
              (std::vector<std::string>{"Open", "Booked", "Lost", "Cancelled", "Pending", "No Bid"}));
}

TEST(Settings, HandEditedListsStopAtAGapAndRefillWhenTheFirstEntryIsEmpty) {
    CCorvApp& app = TestApp();
    const std::string ini = UseFreshProfile("hand-edited-lists.ini");
    WriteFileBytes(ini,
                   "[Status]\r\nStatus1=Alpha\r\nStatus3=Gamma\r\n"
                   "[Payment]\r\nPayment1=\r\nPayment2=Kept only in the file\r\nPayment3=Third\r\n"
                   "[Initials]\r\nInitials1=ABCD\r\nInitials2=XY\r\n"
                   "[Plant]\r\nPlant1=A plant with a long name\r\n");
    StartOn(app);

    EXPECT_EQ(Entries(app.m_arrChoice[kChoiceStatus]), (std::vector<std::string>{"Alpha"}));
    EXPECT_EQ(ReadIni(ini).Find("Status")->Value("Status3"), "Gamma");  // ignored, left alone

    EXPECT_EQ(Entries(app.m_arrChoice[kChoicePayment]),
              (std::vector<std::string>{"Net 30 Days", "Net 60 Days"}));
    const IniFile writtenpayment = ReadIni(ini);
    const IniSection* payment = writtenpayment.Find("Payment");
    EXPECT_EQ(payment->Value("Payment1"), "Net 30 Days");
    EXPECT_EQ(payment->Value("Payment2"), "Net 60 Days");
    EXPECT_EQ(payment->Value("Payment3"), "Third");

    EXPECT_EQ(Entries(app.m_arrChoice[kChoiceInitials]), (std::vector<std::string>{"ABC", "XY"}));
    EXPECT_EQ(Entries(app.m_arrChoice[kChoicePlant]), (std::vector<std::string>{"A plant wi"}));
    EXPECT_EQ(ReadIni(ini).Find("Plant")->Value("Plant1"), "A plant with a long name");
}

TEST(Settings, HandEditedTextsAreCutAndWrittenBackCut) {
    CCorvApp& app = TestApp();
    const std::string ini = UseFreshProfile("hand-edited-texts.ini");
    const std::string packaging(300, 'p');
    WriteFileBytes(ini, "[Defaults]\r\nPackaging=" + packaging +
                            "\r\nInitials=ABCDE\r\nCountry=Canada\r\n"
                            "[BillTo]\r\nState=Texas\r\n"
                            "[Quotation]\r\nCompany=Another Company\r\n");
    StartOn(app);

    EXPECT_EQ(app.GetDefaultPackaging(), CString(packaging.substr(0, 250)));
    EXPECT_EQ(app.GetDefaultInitials(), "ABC");
    EXPECT_EQ(app.GetDefaultCountry(), "Canada");
    EXPECT_EQ(app.GetBillToState(), "Te");
    EXPECT_EQ(app.GetCompany(), "Another Company");
    EXPECT_EQ(app.GetDefaultPayment(), "Net 30 Days");

    const IniFile written = ReadIni(ini);
    EXPECT_EQ(written.Find("Defaults")->Value("Packaging"), packaging.substr(0, 250));
    EXPECT_EQ(written.Find("Defaults")->Value("Initials"), "ABC");
    EXPECT_EQ(written.Find("BillTo")->Value("State"), "Te");
}

TEST(Settings, FlagsCompareTheirWordExactly) {
    CCorvApp& app = TestApp();
    const std::string ini = UseFreshProfile("flags.ini");
    WriteFileBytes(ini,
                   "[Preferences]\r\nMaximizeView=yes\r\nAutoSelect=No\r\nMoveBy=Field\r\nPOAAlert=NO\r\n"
                   "[Quote Descriptions]\r\nRound=no\r\nFormat=ALT\r\n"
                   "[Quotation]\r\nLogo=alt\r\nPrintFooter=No\r\n");
    StartOn(app);
    EXPECT_FALSE(app.m_bMaximizeView);
    EXPECT_FALSE(app.m_bAutoSelect);
    EXPECT_FALSE(app.m_bMoveByChar);
    EXPECT_TRUE(app.m_bPOAAlert);
    EXPECT_TRUE(app.m_bRound);
    EXPECT_TRUE(GetPriceSettings().m_bRound);
    EXPECT_TRUE(app.m_bAltFormat);
    EXPECT_FALSE(app.m_bAltLogo);
    EXPECT_FALSE(app.m_bPrintFooter);
    EXPECT_TRUE(app.m_bPrintHeader);

    WriteFileBytes(
        UseFreshProfile("flags-2.ini"),
        "[Preferences]\r\nMaximizeView=Yes\r\nMoveBy=Char\r\n[Quote Descriptions]\r\nRound=No\r\n");
    StartOn(app);
    EXPECT_TRUE(app.m_bMaximizeView);
    EXPECT_TRUE(app.m_bMoveByChar);
    EXPECT_FALSE(app.m_bRound);
    EXPECT_FALSE(GetPriceSettings().m_bRound);

    // Defaults: nothing in the file.
    UseFreshProfile("flags-3.ini");
    StartOn(app);
    EXPECT_FALSE(app.m_bMaximizeView);
    EXPECT_TRUE(app.m_bAutoSelect && app.m_bMoveByChar && app.m_bPOAAlert && app.m_bVantrAlert &&
                app.m_bAutoSelFld && app.m_bPrintLogo && app.m_bPrintHeader && app.m_bPrintFooter &&
                app.m_bRound);
    EXPECT_FALSE(app.m_bAltLogo || app.m_bAltFormat);
}

TEST(Settings, TheDataFolderAlwaysEndsInOneBackslash) {
    CCorvApp& app = TestApp();
    WriteFileBytes(UseFreshProfile("folder-1.ini"), "[Folders]\r\nDtaFolder=D:\\Data\r\n");
    StartOn(app);
    EXPECT_EQ(app.GetDtaFolder(), "D:\\Data\\");

    WriteFileBytes(UseFreshProfile("folder-2.ini"), "[Folders]\r\nDtaFolder=D:\\Data\\\r\n");
    StartOn(app);
    EXPECT_EQ(app.GetDtaFolder(), "D:\\Data\\");
}

TEST(Settings, SearchByOfficesIsKeptAsReadUntilItsGetterMendsIt) {
    CCorvApp& app = TestApp();
    const std::string ini = UseFreshProfile("search-by.ini");
    WriteFileBytes(ini, "[SearchBy]\r\nOffices=7\r\n");
    StartOn(app);
    EXPECT_EQ(app.m_nSearchByOffices, 7);
    EXPECT_EQ(app.GetSearchByOffices(), 2);
    EXPECT_EQ(app.m_nSearchByOffices, 2);
    EXPECT_EQ(ReadIni(ini).Find("SearchBy")->Value("Offices"), "7");  // the getter writes nothing

    app.SetSearchByOffices(-1);
    EXPECT_EQ(ReadIni(ini).Find("SearchBy")->Value("Offices"), "-1");
    app.SetSearchByOffices(5);
    EXPECT_EQ(app.m_nSearchByOffices, 2);
    EXPECT_EQ(ReadIni(ini).Find("SearchBy")->Value("Offices"), "2");

    // The held value again: nothing is written.
    app.WriteProfileString("SearchBy", nullptr, nullptr);
    app.SetSearchByOffices(2);
    EXPECT_EQ(ReadIni(ini).Find("SearchBy"), nullptr);
}

TEST(Settings, PrintDefaultsAreReadAndWrittenOnlyWhenChanged) {
    CCorvApp& app = TestApp();
    const std::string ini = UseFreshProfile("print-defaults.ini");
    WriteFileBytes(ini, "[PrintDefaults]\r\nScope Priced=1\r\nPurchase Order=1\r\n");
    StartOn(app);
    EXPECT_EQ(app.m_nPrintDefault[kPrintQuote], 0);
    EXPECT_EQ(app.m_nPrintDefault[kPrintScopePriced], 1);
    EXPECT_EQ(app.m_nPrintDefault[kPrintPurchaseOrder], 1);
    EXPECT_EQ(ReadIni(ini).Find("PrintDefaults")->keys.size(), 2u);  // read, not written back

    app.SetPrintDefaultScopePriced(1);
    app.SetPrintDefaultProposalSummaryPlant(1);
    const IniFile writtenwritten = ReadIni(ini);
    const IniSection* written = writtenwritten.Find("PrintDefaults");
    EXPECT_EQ(written->KeyNames(),
              (std::vector<std::string>{"Scope Priced", "Purchase Order", "Proposal Summary Plant"}));
    EXPECT_EQ(app.m_nPrintDefault[kPrintProposalSummaryPlant], 1);
}

TEST(Settings, RememberedPagesStayInTheirRange) {
    CCorvApp& app = TestApp();
    app.SetProjectPage(9);
    EXPECT_EQ(app.m_nProjectPage, 9);
    app.SetProjectPage(10);
    EXPECT_EQ(app.m_nProjectPage, 0);
    app.SetPrefsPage(2);
    EXPECT_EQ(app.m_nPrefsPage, 2);
    app.SetPrefsPage(-1);
    EXPECT_EQ(app.m_nPrefsPage, 0);
    app.SetWordsPage(1);
    EXPECT_EQ(app.m_nWordsPage, 1);
    app.SetWordsPage(2);
    EXPECT_EQ(app.m_nWordsPage, 0);
}

TEST(StandardTexts, ComeFromTheNamedFilesInTheDataFolder) {
    CCorvApp& app = TestApp();
    const std::string folder = TestDir() + "texts";
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteFileBytes(folder + "\\Standard Intro.txt", "Dear customer,\r\nhere it is.");
    WriteFileBytes(UseFreshProfile("texts.ini"), "[Folders]\r\nDtaFolder=" + folder +
                                                     "\r\n[Defaults]\r\nIntroFileName=  Standard Intro  "
                                                     "\r\nNotesFileName=   \r\nQuoteNotes=Fallback notes"
                                                     "\r\nTermsFileName=Missing\r\nTerms=Fallback terms\r\n");
    StartOn(app);
    EXPECT_EQ(app.GetIntroText(), "Dear customer,\r\nhere it is.");
    EXPECT_EQ(app.GetNotesText(), "Fallback notes");
    EXPECT_EQ(app.GetTermsText(), "Fallback terms");
}

TEST(StandardTexts, LoadTextFileReadsAtMost9999BytesUpToAZeroByte) {
    CCorvApp& app = TestApp();
    const std::string folder = TestDir() + "load-text";
    CreateDirectoryA(folder.c_str(), nullptr);
    app.m_strDtaFolder = (folder + "\\").c_str();
    std::string big;
    for (int i = 0; i < 12000; ++i) big += static_cast<char>('a' + i % 26);
    WriteFileBytes(folder + "\\Big.txt", big);
    WriteFileBytes(folder + "\\Zero.txt", std::string("before\0after", 12));

    CString text;
    EXPECT_EQ(app.LoadTextFile("Big", text, "fallback"), 0);
    EXPECT_EQ(text.GetLength(), 9999);
    EXPECT_EQ(std::string(text.GetString()), big.substr(0, 9999));

    EXPECT_EQ(app.LoadTextFile("Zero", text, "fallback"), 0);
    EXPECT_EQ(text, "before");

    EXPECT_EQ(app.LoadTextFile("   ", text, "fallback"), 0);
    EXPECT_EQ(text, "fallback");

    EXPECT_EQ(app.LoadTextFile("Nowhere", text, "fallback 2"), 1);
    EXPECT_EQ(text, "fallback 2");
}
