// Every report of a job whose amounts are as large as their fields take,
// with totals of nearly a thousand such lines: on every printed line the
// words keep apart, and no word is pushed past the right margin.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/CorvDoc.h"
#include "reports/PrtSection.h"
#include "reports/ReportCatalog.h"
#include "tests/reports/BodyPage.h"
#include "tests/reports/PageRecorder.h"
#include "tests/reports/PricingJob.h"

namespace {
struct Word {
    std::string text;
    int left, right;
};

// The words of one text run, from the character widths it was drawn with.
void AddWords(const RecordedText& t, std::vector<Word>& words) {
    int width = 0;
    for (int w : t.widths) width += w;
    const bool bCentred = (t.align & TA_CENTER) == TA_CENTER;
    int x = t.x - (bCentred ? width / 2 : (t.align & TA_RIGHT) ? width : 0);
    Word word{"", 0, 0};
    for (size_t i = 0; i < t.text.size() && i < t.widths.size(); x += t.widths[i++]) {
        if (t.text[i] == ' ') {
            if (!word.text.empty()) words.push_back(word);
            word.text.clear();
            continue;
        }
        if (word.text.empty()) word.left = x;
        word.text += t.text[i];
        word.right = x + t.widths[i];
    }
    if (!word.text.empty()) words.push_back(word);
}

// Neighbouring words of a printed line with no blank between them, and
// words off the page or past the right margin, where wider amounts push
// (a unit of rounding allowed).
std::vector<std::string> Crowded(const RecordedPage& page, int W) {
    const int nRight = W - CPrtSection::kMargin + 1;
    std::map<int, std::vector<Word>> lines;  // by the top of the line
    for (const RecordedText& t : page.texts) AddWords(t, lines[t.y]);
    std::vector<std::string> found;
    for (auto& [y, words] : lines) {
        std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.left < b.left; });
        for (size_t i = 0; i < words.size(); ++i) {
            std::ostringstream what;
            if (words[i].left < 0 || words[i].right > nRight)
                what << "\"" << words[i].text << "\" from " << words[i].left << " to " << words[i].right;
            else if (i > 0 && words[i].left <= words[i - 1].right)
                what << "\"" << words[i - 1].text << "\" ends at " << words[i - 1].right << ", \""
                     << words[i].text << "\" begins at " << words[i].left;
            if (!what.str().empty()) found.push_back("y " + std::to_string(y) + ": " + what.str());
        }
    }
    return found;
}
}  // namespace

TEST(WideAmounts, NoWordsRunTogetherInAnyReportAtTheLargestAmounts) {
    PricingJobOptions options;
    options.bEmptyNetLine = false;
    options.bTrailingBlank = false;
    auto pDoc = MakePricingJob(options);
    AddLargestLines(*pDoc, 4, 996);

    for (int nReport = 0; nReport < kReportCount; ++nReport) {
        const std::vector<RecordedPage> pages = PrintedPages(*pDoc, nReport);
        ASSERT_GE(pages.size(), 1u) << nReport;
        const int W = ReportOrientation(nReport) == DMORIENT_LANDSCAPE ? 1100 : 850;
        int nShown = 0;
        for (size_t p = 0; p < pages.size() && nShown < 5; ++p) {
            for (const std::string& s : Crowded(pages[p], W)) {
                if (nShown++ < 5) ADD_FAILURE() << "report " << nReport << " page " << p + 1 << ", " << s;
            }
        }
    }
}
