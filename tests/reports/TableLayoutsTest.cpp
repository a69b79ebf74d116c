// Every table row layout against its width templates: slot widths measured
// here from the templates, then each column's x, alignment, underline and
// wrapping checked. A swapped template or placement moves a column.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "reports/PageMetrics.h"
#include "tests/reports/BandTestSupport.h"

namespace {
using Layout = void (CPrtSection::*)(CDC*, CPrintInfo*);

constexpr const char* kFlex = nullptr;
constexpr const char* kAmt = "9,999,999.99";
constexpr const char* kBig = "9,999,999,999.99";

struct Row {
    const char* name;
    Layout layout;
    std::vector<const char*> slots;
    int g;  // gaps taken from the flexible slot
    // Column placements: mid<k>, left<k>, right<k>, right<k>-<m> (one column
    // per slot), anchor1 (one amount and a gap in from the right margin),
    // anchor0 (on the right margin).
    const char* places;
    bool heading;
    int wrapped;  // the column (and slot) wrapped to the flexible width, or -1
};

std::vector<const char*> Join(std::vector<const char*> a, std::vector<const char*> b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<const char*> kLead = {"999",  "9999",  "9999999",           "999999999999",
                                        "9999", "99999", "99999999999999999", "9999999999999999"};
const std::vector<const char*> kPropSum =
    Join(kLead, {kAmt, "9,999.99", kAmt, kAmt, kAmt, kAmt, kAmt, kAmt, kAmt, "99.9999"});
const std::vector<const char*> kSellPrice = Join(kLead, {kAmt, kAmt, kAmt, kAmt});
const std::vector<const char*> kICDS = {"Item: 999",
                                        "Qty: 9999",
                                        "Type: 9999999999",
                                        "Plant: 9999999999",
                                        "PC: 9999",
                                        "EC: 99999999",
                                        "99999999999999999999",
                                        "999999",
                                        kAmt,
                                        kAmt,
                                        kAmt,
                                        "99.9999",
                                        "9999.99"};
const std::vector<const char*> kComm = {
    "999", "9999", "99,999,999.99", "99,999,999,999.99", "999,999,999.99", kBig, kBig, kBig, kBig};
const std::vector<const char*> kQ1 = {"999", "9999", kFlex};
const std::vector<const char*> kQ1P = {"999", "9999", kFlex, kAmt, kAmt};
const std::vector<const char*> kQ2 = {"999", "9999", "999-999", kFlex, kAmt, kAmt};
const std::vector<const char*> kQ3 = {"999", "9999", "999-999", "99999999999999999999", kFlex, kAmt, kAmt};

const Row kRows[] = {
    {"QuoteOneHeading", &CPrtSection::LayoutQuoteOneHeading, kQ1, 2, "mid0 mid1 mid2", true, -1},
    {"QuoteOnePricedHeading", &CPrtSection::LayoutQuoteOnePricedHeading, kQ1P, 4,
     "mid0 mid1 mid2 anchor1 anchor0", true, -1},
    {"QuoteOneLine", &CPrtSection::LayoutQuoteOneLine, kQ1, 2, "mid0 mid1 left2", false, 2},
    {"QuoteOnePricedLine", &CPrtSection::LayoutQuoteOnePricedLine, kQ1P, 4, "mid0 mid1 left2 anchor1 anchor0",
     false, 2},
    {"QuoteTwoHeading", &CPrtSection::LayoutQuoteTwoHeading, kQ2, 5, "mid0 mid1 mid2 mid3 anchor1 anchor0",
     true, -1},
    {"QuoteTwoLine", &CPrtSection::LayoutQuoteTwoLine, kQ2, 5, "mid0 mid1 mid2 left3 anchor1 anchor0", false,
     3},
    {"QuoteThreeHeading", &CPrtSection::LayoutQuoteThreeHeading, kQ3, 6,
     "mid0 mid1 mid2 left3 left4 anchor1 anchor0", true, -1},
    {"QuoteThreeLine", &CPrtSection::LayoutQuoteThreeLine, kQ3, 6,
     "mid0 mid1 mid2 left3 left4 anchor1 anchor0", false, 4},
    {"PurchOrdHeading", &CPrtSection::LayoutPurchOrdHeading, kQ1P, 3, "mid0 mid1 left2 anchor1 anchor0", true,
     -1},
    {"PurchOrdLine", &CPrtSection::LayoutPurchOrdLine, kQ1P, 3, "mid0 mid1 left2 anchor1 anchor0", false, 2},
    {"PropSumHeading", &CPrtSection::LayoutPropSumHeading, kPropSum, 0,
     "mid0 mid1 mid2 left3 mid4 mid5 left6 left7 right8-17", true, -1},
    {"PropSumLine", &CPrtSection::LayoutPropSumLine, kPropSum, 0,
     "mid0 mid1 mid2 left3 mid4 mid5 left6 left7 right8-17", false, -1},
    {"PropSumShortLine", &CPrtSection::LayoutPropSumShortLine, kPropSum, 0,
     "mid0 mid1 left2 left6 left7 right8-17", false, -1},
    {"PropSumPlantTotal", &CPrtSection::LayoutPropSumPlantTotal, kPropSum, 0,
     "mid1 right9 right11 right13 right14 right16 right17", false, -1},
    {"SellPriceHeading", &CPrtSection::LayoutSellPriceHeading, kSellPrice, 0,
     "mid0 mid1 mid2 left3 mid4 mid5 left6 left7 right8-11", true, -1},
    {"SellPriceLine", &CPrtSection::LayoutSellPriceLine, kSellPrice, 0,
     "mid0 mid1 mid2 left3 mid4 mid5 left6 left7 right8-11", false, -1},
    {"SellPriceShortLine", &CPrtSection::LayoutSellPriceShortLine, kSellPrice, 0,
     "mid0 mid1 left2 left6 left7 right8-11", false, -1},
    {"SellPriceTotal", &CPrtSection::LayoutSellPriceTotal, kSellPrice, 0, "mid1 right9 right11", false, -1},
    {"ICDSItem", &CPrtSection::LayoutICDSItem, kICDS, 0, "left0-6 right7-12", false, -1},
    {"CommHeading", &CPrtSection::LayoutCommHeading, kComm, 0, "mid0 mid1 right2-8", true, -1},
    {"CommLine", &CPrtSection::LayoutCommLine, kComm, 0, "mid0 mid1 right2-8", false, -1},
    {"CommTotal", &CPrtSection::LayoutCommTotal, kComm, 0, "mid1 right3 right5 right7 right8", false, -1},
    {"CommSplit", &CPrtSection::LayoutCommSplit, kComm, 0, "right2 right3 right7", false, -1},
};

struct Expected {
    int x;
    int align;
};

// The placements of one row, from its slot widths and starts.
std::vector<Expected> Place(const char* places, const std::vector<int>& w, const std::vector<int>& L, int W,
                            int gap) {
    std::vector<Expected> out;
    std::istringstream in(places);
    std::string tok;
    while (in >> tok) {
        if (tok == "anchor0") {
            out.push_back({W - 40, CPrtCol::kRight});
            continue;
        }
        if (tok == "anchor1") {
            out.push_back({W - 40 - w.back() - gap, CPrtCol::kRight});
            continue;
        }
        const size_t digit = tok.find_first_of("0123456789");
        const std::string kind = tok.substr(0, digit);
        const size_t dash = tok.find('-');
        const int first = std::stoi(tok.substr(digit));
        const int last = dash == std::string::npos ? first : std::stoi(tok.substr(dash + 1));
        for (int k = first; k <= last; ++k) {
            if (kind == "mid") out.push_back({L[k] + w[k] / 2, CPrtCol::kCenter});
            if (kind == "left") out.push_back({L[k], CPrtCol::kLeft});
            if (kind == "right") out.push_back({L[k] + w[k], CPrtCol::kRight});
        }
    }
    return out;
}

// Narrow letters without a blank: the break falls within a letter's width
// of the room, so a room one gap too narrow shows.
std::string LongText() { return std::string(800, 'i'); }
}  // namespace

TEST(TableLayouts, EveryRowLiesOnItsTemplates) {
    BandPage page;
    const std::string text = LongText();
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        std::vector<int> w, L;
        std::vector<Expected> expected;
        std::unique_ptr<CPrtSection> band(new CPrtSection);
        page.Draw([&](CDC* pDC) {
            int sum = 0, flex = -1;
            for (size_t k = 0; k < row.slots.size(); ++k) {
                w.push_back(row.slots[k] ? TextWidth(pDC, CString(row.slots[k])) : 0);
                if (!row.slots[k]) flex = static_cast<int>(k);
                sum += w.back();
            }
            if (flex >= 0) w[flex] = page.W - 80 - sum - row.g * page.gap;
            for (size_t k = 0; k < w.size(); ++k) L.push_back(k ? L[k - 1] + w[k - 1] + page.gap : 40);
            expected = Place(row.places, w, L, page.W, page.gap);
            // One column too few changes nothing.
            for (size_t i = 0; i + 1 < expected.size(); ++i) band->AddColumn()->AddLine(text.c_str());
            (band.get()->*row.layout)(pDC, &page.info);
            EXPECT_EQ(band->GetColumn(0)->m_x, 0);
            band->AddColumn()->AddLine(text.c_str());
            (band.get()->*row.layout)(pDC, &page.info);
            if (row.wrapped < 0) return;
            const CPrtCol* pWrapped = band->GetColumn(row.wrapped);
            EXPECT_GT(pWrapped->GetLineCount(), 1);
            // Each line fits, and one more narrow letter would not.
            for (int i = 0; i < pWrapped->GetLineCount(); ++i) {
                const CString line = pWrapped->GetLine(i);
                EXPECT_LE(TextWidth(pDC, line), w[row.wrapped]);
                if (i + 1 < pWrapped->GetLineCount()) {
                    EXPECT_GT(TextWidth(pDC, line + "i"), w[row.wrapped]);
                }
            }
        });
        ASSERT_EQ(band->GetColumnCount(), static_cast<int>(expected.size()));
        for (int i = 0; i < band->GetColumnCount(); ++i) {
            SCOPED_TRACE("column " + std::to_string(i));
            const CPrtCol* pCol = band->GetColumn(i);
            EXPECT_EQ(pCol->m_x, expected[i].x);
            EXPECT_EQ(pCol->m_nAlign, expected[i].align);
            EXPECT_EQ(pCol->m_bUnderline, row.heading ? TRUE : FALSE);
            if (i != row.wrapped) {
                EXPECT_EQ(pCol->GetLineCount(), 1);
            }
        }
    }
}

TEST(TableLayouts, TotalLinesEndOnTheRightMargin) {
    BandPage page;
    int amount = 0, dollars = 0;
    std::unique_ptr<CPrtSection> total(MakeBand({{"Total"}, {"1,234.00"}}));
    std::unique_ptr<CPrtSection> dollar(MakeBand({{"Total"}, {"$ 1,234.00"}}));
    // A letter's lump sum carries "$ ", so it is wider than the template:
    // it still fits in the gaps and leaves the label where it always was.
    std::unique_ptr<CPrtSection> lumpSum(MakeBand({{"Total"}, {"$ 1,974,301.00"}}));
    page.Draw([&](CDC* pDC) {
        amount = TextWidth(pDC, CString("9,999,999.99"));
        dollars = TextWidth(pDC, CString("$ 99,999,999.99"));
        total->LayoutTotalLine(pDC, &page.info);
        dollar->LayoutDollarTotalLine(pDC, &page.info);
        lumpSum->LayoutTotalLine(pDC, &page.info);
    });
    EXPECT_EQ(lumpSum->GetColumn(0)->m_x, page.W - 40 - amount - 3 * page.gap);
    const int xs[] = {page.W - 40 - amount - 3 * page.gap, page.W - 40, page.W - 40 - dollars - page.gap,
                      page.W - 40};
    const CPrtCol* cols[] = {total->GetColumn(0), total->GetColumn(1), dollar->GetColumn(0),
                             dollar->GetColumn(1)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cols[i]->m_x, xs[i]) << i;
        EXPECT_EQ(cols[i]->m_nAlign, CPrtCol::kRight) << i;
        EXPECT_FALSE(cols[i]->m_bUnderline) << i;
    }
}
