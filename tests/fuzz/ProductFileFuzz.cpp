// The product-file readers of both forms, then what the Selection dialog
// does with a file that was read: the lists filled with and without the
// automatic marks (conditions evaluated over a job's Detail lines), every
// left line and right line picked in turn, the price and figure number
// looked up, the item handed back with its description, the description
// and a figure number searched for.
//
// Input: one byte choosing the form (even: table, odd: grouped), then the
// file's bytes.
#include <cstdint>
#include <string>

#include "framework/core/ObArray.h"
#include "framework/core/StringArray.h"
#include "selection/DualWnd.h"
#include "selection/LeadWnd.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/selection/FakeWindows.h"
#include "tests/selection/SelTestSupport.h"
#include "tests/support/ProductFileWriter.h"

namespace {

constexpr int kMaxPicks = 12;

// The dialog's windows and a job with a Detail line above the edited one,
// whose description carries the values that conditions compare.
struct Dialog {
    Dialog() {
        job.AddDetail();
        job.AddDetail();
        job.SetTech(0, "4   DA10AL 0200", 402, {{"Size", 0, 4}, {"CylModel", 4, 6}, {"Class", 11, 4}});
        job.SetSummaryField("Plant", "EXP");
    }
    JobLines job;
    CFakeList left, right;
    CFakeText title, title1, title2, price, figure;
    CFakeDialog dialog;
};

void HandBack(CSelection& sel, Dialog& d) {
    CString description, fileName;
    CStringArray names, values;
    int fileNo = 0, style = 0;
    CObArray components;
    if (sel.GetSelection(&d.left, &d.right, &d.price, &d.figure, &description, &names, &values, &fileName,
                         &fileNo, &style, &components)) {
        int group = -1, line = -1;
        sel.FindDescription(description, &group, &line);
    }
    components.DeleteAll();
}

void UseTheSelection(CSelection& sel, Dialog& d, bool bAuto) {
    const int nRow = 1;
    const int nCol = d.job.TechColumn();
    CString description;
    sel.FillLists(&d.title1, &d.title2, &d.left, d.job.Detail(), &d.price, &d.figure, &description, nCol,
                  nRow, &d.job, bAuto, TRUE);
    const int nLeft = d.left.GetCount();
    for (int i = 0; i < nLeft && i < kMaxPicks; ++i) {
        d.left.SetCurSel(i);
        sel.SelChangeLeftListBox(&d.left, &d.title, &d.right, &d.dialog, bAuto, &d.price, &d.figure, &d.job,
                                 d.job.Detail(), nRow, nCol);
        const int nRight = d.right.GetCount();
        for (int k = 0; k < nRight && k < kMaxPicks; ++k) {
            d.right.SetCurSel(k);
            sel.SelChangeRightListBox(&d.left, &d.right, &d.price, &d.figure, TRUE);
            HandBack(sel, d);
        }
    }
    sel.RefillLists(&d.title1, &d.title2, &d.left, bAuto, &d.job, d.job.Detail(), nRow, nCol);
    for (int i = 0; i < sel.GetRowCount() && i < kMaxPicks; ++i) sel.GetItemDescription(i, 0, 0);
    for (int g = 0; g < sel.GetGroupCount() && g < kMaxPicks; ++g) sel.GetItemDescription(0, g, 0);
    int l = -1, r = -1;
    if (sel.GetRowCount() > 0) {
        sel.FindFigureNumber(sel.GetCell(0, 0).Left(3), &d.left, &d.right, &d.title, &d.price, &d.figure, &l,
                             &r);
    }
    sel.FindFigureNumber("F", &d.left, &d.right, &d.title, &d.price, &d.figure, &l, &r);
    sel.ClearSelection(&d.left, &d.right, &d.title, &d.price, &d.figure);
}

const std::string& Folder() {
    static const std::string s_folder = MakeTestFolder("fuzz-products");
    return s_folder;
}

productgen::TableFile SmallTable() {
    productgen::TableFile t;
    t.fileNumber = 401;
    t.cols = 4;
    t.priceColumn = 2;
    t.firstLevel = {{"Valves"}, {"Size:", "Body:"}, {"", ""}};
    t.sets = {{{"Pick a size"}, {"0200", "0300"}, {"2 inch", "3 inch"}},
              {{"Pick a body"}, {"CS", "SS"}, {"Carbon steel", "Stainless"}}};
    t.components = {{"Size", 0, 4}, {"Body", 5, 2}};
    t.columnNames = {"Size", "Body", "list", "FigureNumber"};
    t.rows = {{"0200", "CS", "100.00", "F-200C"},
              {"0200", "SS", "150.00", "F-200S"},
              {"0300", "CS", "9999999.99", "F-300C"}};
    return t;
}

productgen::GroupedFile SmallGrouped() {
    productgen::GroupedFile f;
    f.fileNumber = 403;
    f.priceColumn = 2;
    f.columnNames = {"Product", "PartNumber", "list", "FigureNumber"};
    f.titles = {"Accessories", "for actuators"};
    productgen::Group solenoids;
    solenoids.name = "Solenoids";
    solenoids.cells = {"NAMUR solenoids"};
    solenoids.conditions = {{"Size", {"4", "6"}}};
    solenoids.items = {
        {"SV-DA solenoid",
         {{"CylModel", {"DA10"}}},
         {"SOL", "AP-1", "168.00", "SV-DA"},
         {{"AccModel", 0, 5}}},
        {"SV-any", {{"or1", {}}, {"Class", {"0200"}}}, {"SOL", "AP-3", "99.00", "SV-ANY"}, {}}};
    productgen::Group packaging;
    packaging.name = "Packaging";
    packaging.conditions = {{"Plant", {"EXP"}}};
    packaging.items = {{"Crate", {}, {"PKG", "AP-6", "85.00", "PK-1"}, {}}};
    f.groups = {solenoids, packaging};
    return f;
}

void WriteSeeds(const std::string& folder) {
    fuzz::WriteSeed(folder, "table-small", std::string(1, '\0') + productgen::WriteTable(SmallTable()));
    fuzz::WriteSeed(folder, "grouped-small", std::string(1, '\1') + productgen::WriteGrouped(SmallGrouped()));
    // The sample product files of the data folder, from their descriptions.
    for (const char* pszName : {"SeriesC4", "ActDAC4", "AccPneu"}) {
        const std::string text =
            productgen::ReadFileBytes(std::string(CORV_SOURCE_DIR "/tools/products/") + pszName + ".txt");
        const productgen::Description description = productgen::ParseDescription(text);
        const std::string bytes = productgen::WriteDescription(description);
        if (bytes.size() > 64 * 1024) continue;  // kept small
        fuzz::WriteSeed(folder, std::string("sample-") + pszName,
                        std::string(1, description.grouped ? '\1' : '\0') + bytes);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Initialize(WriteSeeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool bGrouped = (data[0] & 1) != 0;
    const char* pszName = bGrouped ? "AccPneu.dta" : "SeriesC4.dta";
    WriteProductFile(Folder(), pszName, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

    CDualWnd table;
    CLeadWnd grouped;
    CSelection& sel = bGrouped ? static_cast<CSelection&>(grouped) : static_cast<CSelection&>(table);
    if (!sel.LoadDataFile(Folder().c_str(), pszName)) return 0;
    Dialog automatic;
    UseTheSelection(sel, automatic, true);
    Dialog plain;
    UseTheSelection(sel, plain, false);
    return 0;
}
