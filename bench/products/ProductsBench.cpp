// Times reading and narrowing large product data files, each beside the
// raw read of the same bytes measured in the same run.
//
//   bench_products [folder]     (default: the temporary folder)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/MessageBox.h"
#include "model/Component.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "selection/DualWnd.h"
#include "selection/LeadWnd.h"
#include "tests/support/ProductFileWriter.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRows = 10000;
constexpr int kCols = 12;
constexpr int kChoosing = 6;
constexpr int kGroups = 500;
constexpr int kRuns = 7;

// Choosing column c has 10 values; row r takes value (r / 10^c) % 10 for
// c < 4 and (r % (c + 2)) after that, so rows differ and narrowing bites.
std::string Code(int c, int r) {
    int v = c < 4 ? (r / (c == 0 ? 1 : c == 1 ? 10 : c == 2 ? 100 : 1000)) % 10 : r % (c + 2);
    char buf[16];
    std::snprintf(buf, sizeof buf, "C%dV%02d", c, v);
    return buf;
}

productgen::TableFile BigTable() {
    productgen::TableFile t;
    t.fileNumber = 901;
    t.cols = kCols;
    t.priceColumn = kCols - 2;
    t.firstLevel.list1 = {"Benchmark table"};
    for (int c = 0; c < kChoosing; ++c) {
        t.firstLevel.list2.push_back("Column " + std::to_string(c) + ":");
        t.firstLevel.list3.push_back("");
        productgen::ChoiceSet set;
        set.list1 = {"Pick column " + std::to_string(c)};
        for (int v = 0; v < 10; ++v) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "C%dV%02d", c, v);
            set.list2.push_back(buf);
            set.list3.push_back(std::string("value ") + buf);
        }
        t.sets.push_back(set);
        t.components.push_back({"Col" + std::to_string(c), c * 6, 5});
    }
    for (int c = 0; c < kCols; ++c)
        t.columnNames.push_back(c == kCols - 1 ? "FigureNumber" : "Name" + std::to_string(c));
    for (int r = 0; r < kRows; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < kChoosing; ++c) row.push_back(Code(c, r));
        for (int c = kChoosing; c < kCols - 2; ++c) row.push_back("Text cell " + std::to_string(r * 7 + c));
        row.push_back(std::to_string(100 + r % 997) + ".00");
        row.push_back("FIG-" + std::to_string(r));
        t.rows.push_back(row);
    }
    return t;
}

productgen::GroupedFile BigGrouped() {
    productgen::GroupedFile f;
    f.fileNumber = 902;
    f.priceColumn = 2;
    f.columnNames = {"Product", "PartNumber", "list", "FigureNumber", "QuoteDescription", "weight"};
    f.titles = {"Benchmark groups"};
    for (int g = 0; g < kGroups; ++g) {
        productgen::Group group;
        group.name = "Group " + std::to_string(g);
        group.cells = {"Cell one of " + group.name, "Cell two"};
        group.conditions = {{"Size", {"4", "6"}}, {"or", {"x"}}, {"Product", {"BFV"}}};
        for (int l = 0; l < 10; ++l) {
            const std::string id = std::to_string(g * 10 + l);
            group.items.push_back({"Item " + id + " description text",
                                   {{"CylModel", {"DA10", "DA15"}}},
                                   {"ACC", "PN-" + id, "12.50", "F-" + id, "Accessory " + id, "2"},
                                   {{"AccModel", 0, 8}}});
        }
        f.groups.push_back(group);
    }
    return f;
}

// Best of kRuns, in milliseconds.
template <typename F>
double Time(F&& f) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        f();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        best = std::min(best, ms);
    }
    return best;
}

double RawRead(const std::string& path) {
    return Time([&] {
        std::FILE* fp = std::fopen(path.c_str(), "rb");
        if (!fp) return;
        std::vector<char> bytes;
        char chunk[65536];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, fp)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
        std::fclose(fp);
    });
}

// Minimal list and text windows for narrowing without a screen.
class List : public CSelListBox {
public:
    void ResetContent() override {
        lines.clear();
        sel = -1;
    }
    int AddString(const char* p) override {
        lines.emplace_back(p);
        return static_cast<int>(lines.size()) - 1;
    }
    int InsertString(int i, const char* p) override {
        if (i < 0 || i > GetCount()) return AddString(p);
        lines.insert(lines.begin() + i, p);
        return i;
    }
    int DeleteString(int i) override {
        if (i >= 0 && i < GetCount()) lines.erase(lines.begin() + i);
        return GetCount();
    }
    int GetCount() const override { return static_cast<int>(lines.size()); }
    int GetCurSel() const override { return sel; }
    int SetCurSel(int i) override { return sel = (i >= 0 && i < GetCount()) ? i : -1; }
    CString GetLineText(int i) const override {
        return i >= 0 && i < GetCount() ? CString(lines[i]) : CString();
    }
    void SetTabStops(int, const int*) override {}
    std::vector<std::string> lines;
    int sel = -1;
};

class Text : public CSelTextWnd {
public:
    void SetText(const char* p) override { text = p; }
    CString GetText() const override { return CString(text); }
    std::string text;
};

class Dialog : public CSelDialogWnd {
public:
    int GetTextExtent(const CString& t) const override { return 7 * t.GetLength(); }
    long GetDialogBaseUnits() const override { return 8; }
};

void Report(const char* what, double ms, double raw) {
    std::printf("  %-44s %9.2f ms   %8.1f x raw read\n", what, ms, ms / raw);
}

}  // namespace

int main(int argc, char** argv) {
    AfxSetMessageBoxHook([](const char* text, UINT) {
        std::fprintf(stderr, "message: %s\n", text);
        return IDOK;
    });
    namespace fs = std::filesystem;
    std::string folder = argc > 1 ? argv[1] : (fs::temp_directory_path() / "corv-bench-products").string();
    fs::create_directories(folder);
    folder += static_cast<char>(fs::path::preferred_separator);

    productgen::WriteFileBytes(folder + "Big.dta", productgen::WriteTable(BigTable()));
    productgen::WriteFileBytes(folder + "Groups.dta", productgen::WriteGrouped(BigGrouped()));

    const double rawTable = RawRead(folder + "Big.dta");
    std::printf("table form: %d rows x %d columns, %llu bytes; raw read %.2f ms\n", kRows, kCols,
                static_cast<unsigned long long>(fs::file_size(folder + "Big.dta")), rawTable);
    Report("load", Time([&] {
               CDualWnd dual;
               dual.LoadDataFile(folder.c_str(), "Big.dta");
           }),
           rawTable);

    CDualWnd dual;
    dual.LoadDataFile(folder.c_str(), "Big.dta");
    List left, right;
    Text title, price, figure;
    Dialog dialog;
    const int target = kRows - 1234;
    Report("narrow column by column (6 picks, with marks)", Time([&] {
               dual.ClearSelection(&left, &right, &title, &price, &figure);
               for (int c = 0; c < kChoosing; ++c) {
                   left.SetCurSel(c);
                   dual.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, nullptr,
                                             nullptr, 0, 1);
                   int k = 0;
                   const std::string code = Code(c, target);
                   while (k < right.GetCount() && right.lines[k].compare(0, code.size(), code) != 0) ++k;
                   right.SetCurSel(k);
                   dual.SelChangeRightListBox(&left, &right, &price, &figure, FALSE);
               }
           }),
           rawTable);
    std::printf("  chosen: figure %s, price %s\n", figure.text.c_str(), price.text.c_str());

    const double rawGroups = RawRead(folder + "Groups.dta");
    std::printf("grouped form: %d groups x 10 lines, %llu bytes; raw read %.2f ms\n", kGroups,
                static_cast<unsigned long long>(fs::file_size(folder + "Groups.dta")), rawGroups);
    Report("load", Time([&] {
               CLeadWnd lead;
               lead.LoadDataFile(folder.c_str(), "Groups.dta");
           }),
           rawGroups);
    CLeadWnd lead;
    lead.LoadDataFile(folder.c_str(), "Groups.dta");
    // 40 Detail lines above the edited one, the nearest without the tested
    // components, so every condition walks the lines.
    CTableStruct detail(CTableStruct::kindDetail);
    CTable lines(&detail);
    const int techCol = detail.FindField("Technical Description");
    for (int r = 0; r < 41; ++r) {
        CRecord* line = lines.AddRecord();
        if (r == 0) {
            auto* tech = static_cast<CTechField*>(line->GetField(techCol));
            tech->SetText("6    DA15AL");
            CObArray comps;
            comps.Add(new CComponent("Size", 0, 4));
            comps.Add(new CComponent("CylModel", 5, 6));
            tech->SetComponents(comps);
            comps.DeleteAll();
        }
    }
    Report("fill both lists with conditions over 40 lines", Time([&] {
               lead.FillLists(&title, &title, &left, &lines, nullptr, nullptr, nullptr, techCol, 40, nullptr,
                              TRUE, TRUE);
               left.SetCurSel(kGroups - 1);
               lead.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, nullptr,
                                         &lines, 40, techCol);
           }),
           rawGroups);
    return 0;
}
