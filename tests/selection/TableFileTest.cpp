// Reading table-form product files: the head, the body, and files that are
// damaged or built to do harm.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "framework/core/Exceptions.h"
#include "selection/DualWnd.h"
#include "selection/SelMessages.h"
#include "tests/selection/FakeWindows.h"
#include "tests/selection/SelTestSupport.h"

namespace {

// Bytes written out by hand, embedded NULs included.
#define BYTES(lit) std::string(lit, sizeof(lit) - 1)

const std::string kHead = BYTES("dta-File for CorvantisZoro Ver 6.0\n");

// A small table: 2 rows x 3 columns, price in column 2, one choosing column.
std::string HandWrittenTable() {
    return kHead + BYTES("\x91\x01\x00\x00")  // file number 401
           + BYTES("\x02\x00\x00\x00")        // rows
           + BYTES("\x03\x00\x00\x00")        // cols
           + BYTES("\x02\x00\x00\x00")        // price column
           // first-level set: titles, captions, initial lines
           + BYTES("\x01\x00\x00\x00") + "Valves\n" + BYTES("\x01\x00\x00\x00") + "Size:\n" +
           BYTES("\x01\x00\x00\x00") +
           "\n"
           // one per-column set
           + BYTES("\x01\x00\x00\x00") + BYTES("\x01\x00\x00\x00") + "Pick a size\n" +
           BYTES("\x02\x00\x00\x00") + "0200\n0300\n" + BYTES("\x02\x00\x00\x00") +
           "2 inch\n3 inch\n"
           // one component
           + BYTES("\x01\x00\x00\x00") + "Size\n" + BYTES("\x00\x00\x00\x00") +
           BYTES("\x04\x00\x00\x00")
           // column names
           + BYTES("\x03\x00\x00\x00") +
           "Size\nPartNumber\nlist\n"
           // cells
           + "0200\nP-1\n100.00\n0300\nP-2\n9999999.99\n";
}

productgen::TableFile SmallTable() {
    productgen::TableFile t;
    t.fileNumber = 401;
    t.cols = 3;
    t.priceColumn = 2;
    t.firstLevel = {{"Valves"}, {"Size:"}, {""}};
    t.sets = {{{"Pick a size"}, {"0200", "0300"}, {"2 inch", "3 inch"}}};
    t.components = {{"Size", 0, 4}};
    t.columnNames = {"Size", "PartNumber", "list"};
    t.rows = {{"0200", "P-1", "100.00"}, {"0300", "P-2", "9999999.99"}};
    return t;
}

class TableFileTest : public ::testing::Test {
protected:
    std::string folder = MakeTestFolder("table");
    MessageRecorder messages;

    // Loads bytes written as "T.dta" into a new selection.
    BOOL Load(CDualWnd& dual, const std::string& bytes, const char* name = "T.dta") {
        WriteProductFile(folder, name, bytes);
        return dual.LoadDataFile(folder.c_str(), name);
    }
    void ExpectRefused(const CDualWnd& dual, const char* name = "T.dta") {
        ASSERT_FALSE(messages.texts.empty());
        EXPECT_EQ(messages.texts.back(),
                  std::string("Can NOT open ") + name + ".\n\nThis is not a current file.");
        EXPECT_EQ(dual.GetName(), "");
        EXPECT_EQ(const_cast<CDualWnd&>(dual).GetRowCount(), 0);
        EXPECT_EQ(dual.GetCount(), 0);
        EXPECT_EQ(dual.GetComponentCount(), 0);
        EXPECT_EQ(dual.GetSetCount(), 0);
        EXPECT_EQ(dual.m_nFileNo, 0);
        EXPECT_EQ(dual.m_nStyle, 0);
    }
};

TEST_F(TableFileTest, GeneratorWritesTheFormByteForByte) {
    EXPECT_EQ(productgen::WriteTable(SmallTable()), HandWrittenTable());
}

TEST_F(TableFileTest, ReadsEveryFieldOfAHandWrittenFile) {
    CDualWnd dual;
    ASSERT_TRUE(Load(dual, HandWrittenTable()));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(dual.GetName(), "T.dta");
    EXPECT_EQ(dual.m_nFileNo, 401);
    EXPECT_EQ(dual.m_nStyle, 1);
    EXPECT_EQ(dual.m_nPriceCol, 2);
    EXPECT_EQ(dual.GetRowCount(), 2);
    EXPECT_EQ(dual.GetColCount(), 3);
    EXPECT_EQ(dual.GetFirstLevel().GetList1(0), "Valves");
    EXPECT_EQ(dual.GetFirstLevel().GetList2(0), "Size:");
    EXPECT_EQ(dual.GetFirstLevel().GetList3(0), "");
    ASSERT_EQ(dual.GetSetCount(), 1);
    ASSERT_EQ(dual.GetComponentCount(), 1);
    EXPECT_EQ(dual.GetComponentName(0), "Size");
    EXPECT_EQ(dual.GetComponentStart(0), 0);
    EXPECT_EQ(dual.GetComponentLength(0), 4);
    ASSERT_EQ(dual.GetCount(), 3);
    EXPECT_EQ(dual.GetAt(1), "PartNumber");
    EXPECT_EQ(dual.GetCell(0, 0), "0200");
    EXPECT_EQ(dual.GetCell(1, 2), "9999999.99");
    EXPECT_EQ(dual.GetCell(1, 3), "");  // outside the columns
    EXPECT_EQ(dual.GetCell(2, 0), "");  // outside the rows
    EXPECT_EQ(dual.GetCell(-1, 0), "");
}

TEST_F(TableFileTest, OldExtensionIsReadAsDtaButOnlyInLowerCase) {
    WriteProductFile(folder, "T.dta", HandWrittenTable());
    CDualWnd dual;
    EXPECT_TRUE(dual.LoadDataFile(folder.c_str(), "T.fld"));
    EXPECT_EQ(dual.GetName(), "T.dta");

    CDualWnd upper;
    EXPECT_FALSE(upper.LoadDataFile(folder.c_str(), "T.FLD"));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Unable to open T.FLD");
    EXPECT_EQ(messages.styles[0], static_cast<UINT>(MB_OK));
    EXPECT_EQ(upper.GetName(), "");
}

TEST_F(TableFileTest, RefusesAWrongHead) {
    const std::string body = HandWrittenTable().substr(kHead.size());
    for (const std::string& head : {std::string("dta-File for CorvantisZoro Ver 5.0\n"),
                                    std::string("dta-file for CorvantisZoro Ver 6.0\n"),
                                    std::string("dta-File for CorvantisZoro Ver 6.0\r\n"), std::string("\n"),
                                    std::string("dta-File for CorvantisZoro Ver 6.0"), std::string()}) {
        CDualWnd dual;
        EXPECT_FALSE(Load(dual, head + body)) << head;
        ExpectRefused(dual);
    }
    for (const std::string& whole : {std::string(), std::string("dta-File for CorvantisZoro Ver 6.0")}) {
        CDualWnd dual;
        EXPECT_FALSE(Load(dual, whole));
        ExpectRefused(dual);
    }
}

TEST_F(TableFileTest, ZeroRowsAndNonPositiveListCounts) {
    // rows 0; every list count 0 or negative; N = -1, M = 0, K = -5.
    const std::string bytes = kHead + BYTES("\x07\x00\x00\x00") + BYTES("\x00\x00\x00\x00") +
                              BYTES("\x00\x00\x00\x00") + BYTES("\x00\x00\x00\x00") +
                              BYTES("\xff\xff\xff\xff") + BYTES("\x00\x00\x00\x00") +
                              BYTES("\x00\x00\x00\x80") + BYTES("\xff\xff\xff\xff") +
                              BYTES("\x00\x00\x00\x00") + BYTES("\xfb\xff\xff\xff");
    CDualWnd dual;
    ASSERT_TRUE(Load(dual, bytes));
    EXPECT_EQ(dual.m_nFileNo, 7);
    EXPECT_EQ(dual.GetRowCount(), 0);
    EXPECT_EQ(dual.GetSetCount(), 0);
    EXPECT_EQ(dual.GetCount(), 0);
    CFakeList left;
    left.AddString("");
    CFakeText price, figure;
    price.text = "old";
    EXPECT_FALSE(dual.LookUpPrice(&left, &price, &figure, TRUE));
    EXPECT_EQ(price.text, "");
}

TEST_F(TableFileTest, CarriageReturnsStayInTheTexts) {
    productgen::TableFile t = SmallTable();
    t.rows[0][1] = "P-1\r";
    t.columnNames[2] = "list\r";
    CDualWnd dual;
    ASSERT_TRUE(Load(dual, productgen::WriteTable(t)));
    EXPECT_EQ(dual.GetCell(0, 1), "P-1\r");
    EXPECT_EQ(dual.GetAt(2), "list\r");
}

TEST_F(TableFileTest, EveryTruncationIsRefused) {
    const std::string full = HandWrittenTable();
    for (size_t n = kHead.size(); n < full.size(); ++n) {
        CDualWnd dual;
        messages.texts.clear();
        EXPECT_FALSE(Load(dual, full.substr(0, n))) << "length " << n;
        ExpectRefused(dual);
    }
    CDualWnd withTrailingBytes;
    EXPECT_TRUE(Load(withTrailingBytes, full + "extra"));
    EXPECT_EQ(withTrailingBytes.GetCell(1, 2), "9999999.99");
}

// Patches the 4-byte int at an offset of the hand-written file.
std::string Patched(std::string bytes, size_t offset, int value) {
    std::string v;
    productgen::AppendInt(v, value);
    bytes.replace(offset, 4, v);
    return bytes;
}

TEST_F(TableFileTest, CountsBeyondTheBytesLeftAreRefusedBeforeAnyAllocation) {
    const size_t numbers = kHead.size();  // file number, rows, cols, price column
    const std::string good = HandWrittenTable();
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"huge rows", Patched(good, numbers + 4, INT_MAX)},
        {"huge cols", Patched(good, numbers + 8, INT_MAX)},
        {"rows x cols beyond the file", Patched(Patched(good, numbers + 4, 65536), numbers + 8, 65536)},
        {"rows x cols overflowing 32 bits",
         Patched(Patched(good, numbers + 4, 0x10000), numbers + 8, 0x10001)},
        {"negative rows", Patched(good, numbers + 4, -2)},
        {"negative cols", Patched(good, numbers + 8, -3)},
        {"rows without columns", Patched(Patched(good, numbers + 4, 1000000), numbers + 8, 0)},
        {"price column beyond the row", Patched(good, numbers + 12, 3)},
        {"negative price column", Patched(good, numbers + 12, -1)},
        {"huge title count", Patched(good, numbers + 16, INT_MAX)},
        {"huge set count", Patched(good, numbers + 16 + 4 + 7 + 4 + 6 + 4 + 1, 0x7FFFFFF0)},
    };
    for (const Case& c : cases) {
        CDualWnd dual;
        messages.texts.clear();
        EXPECT_FALSE(Load(dual, c.bytes)) << c.what;
        ExpectRefused(dual);
    }
}

TEST_F(TableFileTest, ADescriptionLineTooLongForAJobIsRefused) {
    productgen::TableFile t = SmallTable();
    t.components = {{"Size", 0, 40000}, {"Other", 0, 30000}};
    CDualWnd dual;
    EXPECT_FALSE(Load(dual, productgen::WriteTable(t)));
    ExpectRefused(dual);

    t.components = {{"Size", 0, INT_MAX}};
    CDualWnd huge;
    EXPECT_FALSE(Load(huge, productgen::WriteTable(t)));
    ExpectRefused(huge);

    // A place a job file's 16-bit words cannot hold.
    for (productgen::Component c : std::vector<productgen::Component>{
             {"Size", 65536, 4}, {"Size", 65534, 4}, {"Size", INT_MAX, 0}, {"Size", 70000, INT_MIN}}) {
        t.components = {c};
        CDualWnd bad;
        messages.texts.clear();
        EXPECT_FALSE(Load(bad, productgen::WriteTable(t))) << c.start << " " << c.length;
        ExpectRefused(bad);
    }
    t.components = {{"Size", 65531, 4}};
    CDualWnd edge;
    EXPECT_TRUE(Load(edge, productgen::WriteTable(t)));
}

// A file of empty cells is the smallest a cell can be (its line feed): the
// table read from it must stay in proportion to the file, not to the cell
// count times the size of a text object.
TEST_F(TableFileTest, MillionsOfEmptyCellsTakeMemoryInProportionToTheFile) {
    productgen::TableFile t = SmallTable();
    const int kRows = 2000000;
    t.rows.assign(1, {"0200", "P-1", "100.00"});
    std::string bytes = productgen::WriteTable(t);
    // Three empty cells per further row, patched into the row count.
    const std::string more(static_cast<size_t>(kRows - 1) * 3, '\n');
    CDualWnd dual;
    // The row count sits right behind the header line and the file number.
    const size_t rowsAt = std::string(productgen::kHeaderLine).size() + 1 + 4;
    std::string count;
    productgen::AppendInt(count, kRows);
    bytes.replace(rowsAt, 4, count);
    bytes += more;
    ASSERT_TRUE(Load(dual, bytes));
    EXPECT_EQ(dual.GetRowCount(), kRows);
    EXPECT_EQ(dual.GetCell(0, 1), "P-1");
    EXPECT_EQ(dual.GetCell(kRows - 1, 2), "");
    EXPECT_LE(dual.CellBytes(), bytes.size() * 6) << "file of " << bytes.size() << " bytes";
}

TEST_F(TableFileTest, RandomDamageNeverCrashes) {
    const std::string good = productgen::WriteTable(SmallTable());
    std::mt19937 rng(20240607);
    for (int i = 0; i < 400; ++i) {
        std::string bytes = good;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < flips; ++f) {
            const size_t at = kHead.size() + rng() % (bytes.size() - kHead.size());
            bytes[at] = static_cast<char>(rng() % 3 == 0 ? 0xFF : rng());
        }
        CDualWnd dual;
        messages.texts.clear();
        if (!Load(dual, bytes)) {
            ExpectRefused(dual);
            continue;
        }
        // Whatever loaded can be driven without harm.
        CFakeList left, right;
        CFakeText title, price, figure;
        CFakeDialog dialog;
        dual.FillLists(&title, &title, &left, nullptr, &price, &figure, nullptr, 1, 0, nullptr, TRUE, TRUE);
        for (int j = 0; j < left.GetCount(); ++j) {
            left.SetCurSel(j);
            dual.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, nullptr, nullptr,
                                      0, 1);
            right.SetCurSel(0);
            dual.SelChangeRightListBox(&left, &right, &price, &figure, TRUE);
        }
        for (int r = 0; r < dual.GetRowCount(); ++r) dual.GetItemDescription(r, 0, 0);
    }
}

}  // namespace
