// The texts a user types into number, date and time fields. Whatever the
// text, the field keeps a text that it takes again unchanged: typing a
// field's own text back into it changes nothing.
//
// Input: one byte choosing the field (a number or date field of either
// built-in layout, or the time check), then the text.
#include <cstdint>
#include <string>
#include <vector>

#include "model/Date.h"
#include "model/DateField.h"
#include "model/NumberField.h"
#include "model/NumberText.h"
#include "model/TableStruct.h"
#include "model/TimeCheck.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

struct Layouts {
    Layouts() {
        for (CTableStruct* pStruct : {&summary, &detail}) {
            for (int i = 0; i < pStruct->GetSize(); ++i) {
                const char chType = pStruct->GetFieldType(i);
                if (chType == 'N' || chType == 'D') fields.push_back({pStruct, i});
            }
        }
    }
    CTableStruct summary{CTableStruct::kindSummary};
    CTableStruct detail{CTableStruct::kindDetail};
    std::vector<std::pair<CTableStruct*, int>> fields;
};

const Layouts& TheLayouts() {
    static const Layouts s_layouts;
    return s_layouts;
}

template <class Field>
void TypeTwice(CTableStruct* pStruct, int nIndex, const CString& text) {
    Field field(pStruct, nIndex);
    field.SetText(text);
    const CString first = field.GetText();
    Field again(pStruct, nIndex);
    again.SetText(first);
    if (again.GetText() != first) fuzz::Fail("a field does not take its own text back unchanged");
}

void CheckDate(const CString& text) {
    CDate date;
    if (date.Parse(text) != CDate::valid || text.IsEmpty()) return;
    CDate again;
    if (again.Parse(date.GetText()) != CDate::valid || again.GetText() != date.GetText())
        fuzz::Fail("a normalised date does not read back as itself");
}

void CheckTime(const CString& text) {
    CTimeCheck time;
    if (time.Parse(text) != CTimeCheck::valid || text.IsEmpty()) return;
    CTimeCheck again;
    if (again.Parse(time.GetText()) != CTimeCheck::valid || again.GetText() != time.GetText())
        fuzz::Fail("a normalised time does not read back as itself");
}

void WriteSeeds(const std::string& folder) {
    const Layouts& layouts = TheLayouts();
    int n = 0;
    auto seed = [&](int nField, const char* pszText) {
        fuzz::WriteSeed(folder, "text-" + std::to_string(n++),
                        std::string(1, static_cast<char>(nField)) + pszText);
    };
    const char* const texts[] = {"1234.50",    "-0.75",     "9999999.99", "1e5",   "0012", "****", "",
                                 "05/17/2006", "2/29/2000", "13-01-99",   "12:30", "7;05", "2400"};
    for (size_t f = 0; f < layouts.fields.size(); f += 5)
        for (const char* pszText : texts) seed(static_cast<int>(f), pszText);
    seed(255, "12:30");
    seed(254, "05/17/2006");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Initialize(WriteSeeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 256) return 0;
    const Layouts& layouts = TheLayouts();
    const CString text(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    const size_t nChoice = data[0];
    if (nChoice < layouts.fields.size()) {
        auto [pStruct, nIndex] = layouts.fields[nChoice];
        if (pStruct->GetFieldType(nIndex) == 'N')
            TypeTwice<CNumberField>(pStruct, nIndex, text);
        else
            TypeTwice<CDateField>(pStruct, nIndex, text);
    }
    CheckDate(text);
    CheckTime(text);
    // The number texts' own helpers.
    ReadDecimal(text);
    TrimTrailingZeros(text);
    DigitsValue(text);
    CString fixed;
    FormatFixed(ReadDecimal(text), static_cast<int>(nChoice % 8), fixed);
    return 0;
}
