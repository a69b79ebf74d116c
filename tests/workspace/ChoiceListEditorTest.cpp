// The choice-list editor: the dialog on its own, and EditChoiceList, which
// writes the edited list and default to the INI file, the caller's copies
// and the combo box.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "framework/win/Controls.h"
#include "framework/win/Dialog.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "workspace/DlgEditIni.h"
#include "workspace/EditIni.h"

namespace {

void Click(CDialog& dlg, int id) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, id)));
}

CListBox& ListOf(CDialog& dlg) { return *static_cast<CListBox*>(dlg.GetDlgItem(IDC_EDITINI_SELECTIONS)); }

std::vector<std::string> ListLines(CDialog& dlg) {
    std::vector<std::string> lines;
    CListBox& list = ListOf(dlg);
    for (int i = 0; i < list.GetCount(); ++i) lines.push_back(list.GetText(i).GetString());
    return lines;
}

void AddEntry(CDialog& dlg, const char* text) {
    dlg.SetDlgItemText(IDC_EDITINI_NEW_ENTRY, text);
    Click(dlg, IDC_EDITINI_ADD);
}

void Select(CDialog& dlg, int index) { ListOf(dlg).SetCurSel(index); }

CStringArray ArrayOf(std::initializer_list<const char*> items) {
    CStringArray a;
    for (const char* s : items) a.Add(s);
    return a;
}

std::vector<std::string> Entries(const CStringArray& list) {
    std::vector<std::string> entries;
    for (const CString& s : list) entries.push_back(s.GetString());
    return entries;
}

// A window with a drop-down combo box, as the dialogs that call the editor have.
class ComboHost {
public:
    ComboHost() {
        m_parent.CreateEx(0, nullptr, "combo host", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr);
        m_combo.Create(CBS_DROPDOWN | WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(10, 10, 200, 150), &m_parent,
                       100);
    }
    ~ComboHost() { m_parent.DestroyWindow(); }
    CComboBox& Combo() { return m_combo; }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < m_combo.GetCount(); ++i) lines.push_back(m_combo.GetLBText(i).GetString());
        return lines;
    }

private:
    CWnd m_parent;
    CComboBox m_combo;
};

}  // namespace

TEST(EditIniDialog, AddsAtTheTopDeletesAndMovesEntries) {
    CDlgEditIni dlg;
    dlg.m_nMaxLength = 10;
    dlg.SetSelections(ArrayOf({"One", "Two", "Three"}));
    std::vector<std::vector<std::string>> seen;
    std::string newEntryAfterAdd = "?";
    int selectedAfterAdd = -1;
    CDialog::SetTestHook([&](CDialog& d) {
        AddEntry(d, "Zero   ");
        newEntryAfterAdd = d.GetDlgItemText(IDC_EDITINI_NEW_ENTRY).GetString();
        selectedAfterAdd = ListOf(d).GetCurSel();
        AddEntry(d, "    ");           // blanks only: ignored
        AddEntry(d, "Much too long");  // longer than 10: ignored
        seen.push_back(ListLines(d));  // Zero One Two Three
        Select(d, 0);
        Click(d, IDC_EDITINI_MOVE_UP);    // first: nothing
        Click(d, IDC_EDITINI_MOVE_DOWN);  // One Zero Two Three
        seen.push_back(ListLines(d));
        EXPECT_EQ(ListOf(d).GetCurSel(), 1);
        Select(d, 3);
        Click(d, IDC_EDITINI_MOVE_DOWN);  // last: nothing
        Click(d, IDC_EDITINI_MOVE_UP);    // One Zero Three Two
        seen.push_back(ListLines(d));
        Select(d, 3);
        Click(d, IDC_EDITINI_DELETE);  // the last: the one before is selected
        EXPECT_EQ(ListOf(d).GetCurSel(), 2);
        Select(d, 0);
        Click(d, IDC_EDITINI_DELETE);  // the same index is selected
        EXPECT_EQ(ListOf(d).GetCurSel(), 0);
        seen.push_back(ListLines(d));     // Zero Three
        d.SendMessage(WM_COMMAND, IDOK);  // Enter: stays open
        EXPECT_TRUE(d.IsWindow());
        Click(d, IDC_EDITINI_OK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(newEntryAfterAdd, "");
    EXPECT_EQ(selectedAfterAdd, 0);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (std::vector<std::string>{"Zero", "One", "Two", "Three"}));
    EXPECT_EQ(seen[1], (std::vector<std::string>{"One", "Zero", "Two", "Three"}));
    EXPECT_EQ(seen[2], (std::vector<std::string>{"One", "Zero", "Three", "Two"}));
    EXPECT_EQ(seen[3], (std::vector<std::string>{"Zero", "Three"}));
    EXPECT_EQ(Entries(dlg.m_arrSelections), (std::vector<std::string>{"Zero", "Three"}));
}

TEST(EditIniDialog, ShowsWhatItWasNotGiven) {
    {
        CDlgEditIni dlg;
        dlg.m_nMaxLength = 40;
        dlg.SetSelections(ArrayOf({"A"}));
        CDialog::SetTestHook([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_EDITINI_DEFAULT), "No Default to Edit");
            EXPECT_FALSE(d.GetDlgItem(IDC_EDITINI_DEFAULT)->IsWindowEnabled());
            EXPECT_TRUE(d.GetDlgItem(IDC_EDITINI_SELECTIONS)->IsWindowEnabled());
            EXPECT_TRUE(d.GetDlgItem(IDC_EDITINI_ADD)->IsWindowEnabled());
            d.SendMessage(WM_COMMAND, IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    {
        CDlgEditIni dlg;
        dlg.m_nMaxLength = 40;
        dlg.SetDefault("The default");
        CDialog::SetTestHook([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_EDITINI_DEFAULT), "The default");
            EXPECT_TRUE(d.GetDlgItem(IDC_EDITINI_DEFAULT)->IsWindowEnabled());
            EXPECT_EQ(ListLines(d), (std::vector<std::string>{"No Selections to Edit"}));
            EXPECT_FALSE(d.GetDlgItem(IDC_EDITINI_SELECTIONS)->IsWindowEnabled());
            EXPECT_FALSE(d.GetDlgItem(IDC_EDITINI_ADD)->IsWindowEnabled());
            EXPECT_EQ(d.SendDlgItemMessage(IDC_EDITINI_DEFAULT, EM_GETLIMITTEXT), 40);
            d.SetDlgItemText(IDC_EDITINI_DEFAULT, "Edited   ");
            Click(d, IDC_EDITINI_OK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.GetDefault(), "Edited");
    }
}

TEST(EditChoiceList, WritesAChangedListInKeyFormAndRefillsTheCombo) {
    const std::string ini = UseFreshProfile("edit-list.ini");
    WriteFileBytes(ini, "[Tag]\r\nTag1=One\r\nTag2=Two\r\nTag3=Three\r\nTag4=Four\r\nTag5=Five\r\n");
    CStringArray list = ArrayOf({"One", "Two", "Three", "Four", "Five"});
    ComboHost host;
    for (const CString& s : list) host.Combo().AddString(s);
    host.Combo().SetWindowText("typed by the user");

    CDialog::SetTestHook([](CDialog& d) {
        for (int i = 0; i < 4; ++i) {
            Select(d, 1);
            Click(d, IDC_EDITINI_DELETE);
        }
        AddEntry(d, "New");
        Click(d, IDC_EDITINI_OK);
    });
    CString noDefault = "NoDefault";
    CEditIni().EditChoiceList(250, FALSE, &noDefault, "NoDefault", "NoDefault", TRUE, "Tag", &list,
                              &host.Combo());

    EXPECT_EQ(Entries(list), (std::vector<std::string>{"New", "One"}));
    const IniFile writtentag = ReadIni(ini);
    const IniSection* tag = writtentag.Find("Tag");
    ASSERT_NE(tag, nullptr);
    EXPECT_EQ(tag->KeyNames(), (std::vector<std::string>{"Tag1", "Tag2"}));
    EXPECT_EQ(tag->Value("Tag1"), "New");
    EXPECT_EQ(tag->Value("Tag2"), "One");
    EXPECT_EQ(host.Lines(), (std::vector<std::string>{"New", "One"}));
    EXPECT_EQ(host.Combo().GetWindowText(), "typed by the user");
    EXPECT_EQ(noDefault, "NoDefault");
}

TEST(EditChoiceList, AnEmptiedListBecomesAddItems) {
    const std::string ini = UseFreshProfile("edit-empty.ini");
    WriteFileBytes(ini, "[Plant]\r\nPlant1=North\r\nPlant2=South\r\n");
    CStringArray list = ArrayOf({"North", "South"});
    ComboHost host;
    CDialog::SetTestHook([](CDialog& d) {
        Select(d, 0);
        Click(d, IDC_EDITINI_DELETE);
        Click(d, IDC_EDITINI_DELETE);
        EXPECT_EQ(ListOf(d).GetCount(), 0);
        Click(d, IDC_EDITINI_OK);
    });
    CEditIni().EditChoiceList(10, FALSE, nullptr, "NoDefault", "NoDefault", TRUE, "Plant", &list,
                              &host.Combo());

    EXPECT_EQ(Entries(list), (std::vector<std::string>{"[Add Items]"}));
    const IniFile writtenplant = ReadIni(ini);
    const IniSection* plant = writtenplant.Find("Plant");
    ASSERT_NE(plant, nullptr);
    EXPECT_EQ(plant->KeyNames(), (std::vector<std::string>{"Plant1"}));
    EXPECT_EQ(plant->Value("Plant1"), "[Add Items]");
    EXPECT_EQ(host.Lines(), (std::vector<std::string>{"[Add Items]"}));
}

TEST(EditChoiceList, WritesAChangedDefaultWithoutTrailingBlanks) {
    const std::string ini = UseFreshProfile("edit-default.ini");
    CString def = "Quotation";
    CStringArray list = ArrayOf({"Quotation", "Budget"});
    ComboHost host;
    host.Combo().AddString("untouched");

    CDialog::SetTestHook([](CDialog& d) {
        d.SetDlgItemText(IDC_EDITINI_DEFAULT, "Budget   ");
        Click(d, IDC_EDITINI_OK);
    });
    CEditIni().EditChoiceList(10, TRUE, &def, "Defaults", "QuoteType", TRUE, "QuoteType", &list,
                              &host.Combo());
    EXPECT_EQ(def, "Budget");
    const IniFile written = ReadIni(ini);
    EXPECT_EQ(written.Find("Defaults")->Value("QuoteType"), "Budget");
    EXPECT_EQ(written.Find("QuoteType"), nullptr);  // the list did not change
    EXPECT_EQ(host.Lines(), (std::vector<std::string>{"untouched"}));
}

TEST(EditChoiceList, NothingChangesWithoutAChangeOrOnCancel) {
    const std::string ini = UseFreshProfile("edit-nothing.ini");
    CString def = "Open";
    CStringArray list = ArrayOf({"Open", "Lost"});
    ComboHost host;
    host.Combo().AddString("untouched");

    // Confirmed unchanged, the default re-typed with trailing blanks.
    CDialog::SetTestHook([](CDialog& d) {
        d.SetDlgItemText(IDC_EDITINI_DEFAULT, "Open  ");
        Click(d, IDC_EDITINI_OK);
    });
    CEditIni().EditChoiceList(10, TRUE, &def, "Defaults", "Status", TRUE, "Status", &list, &host.Combo());

    // Cancelled after real edits.
    CDialog::SetTestHook([](CDialog& d) {
        d.SetDlgItemText(IDC_EDITINI_DEFAULT, "Lost");
        AddEntry(d, "Won");
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    CEditIni().EditChoiceList(10, TRUE, &def, "Defaults", "Status", TRUE, "Status", &list, &host.Combo());

    EXPECT_EQ(def, "Open");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"Open", "Lost"}));
    EXPECT_FALSE(FileExists(ini));
    EXPECT_EQ(host.Lines(), (std::vector<std::string>{"untouched"}));

    // An empty list confirmed empty writes nothing either.
    CStringArray empty;
    CDialog::SetTestHook([](CDialog& d) { Click(d, IDC_EDITINI_OK); });
    CEditIni().EditChoiceList(10, FALSE, nullptr, "NoDefault", "NoDefault", TRUE, "Status", &empty, nullptr);
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_FALSE(FileExists(ini));
}
