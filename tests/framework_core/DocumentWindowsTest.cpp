// The duties a document hands to its windows: what a document does while no
// window layer is installed, and that an installed one gets every duty.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/Document.h"
#include "framework/core/DocumentWindows.h"

namespace {

class CPlainDoc : public CDocument {
public:
    CPlainDoc() { m_bAutoDelete = FALSE; }
    void Serialize(CArchive&) override {}
};

// Writes down every duty it is handed, doing what a window-free document does.
class CRecordingWindows : public CDocumentWindows {
public:
    std::vector<std::string> calls;

    void Forget(CDocument&) override { calls.push_back("forget"); }
    void AddToRecentFiles(CDocument& doc) override {
        calls.push_back("recent " + std::string(doc.GetPathName()));
    }
    void AddView(CDocument& doc, CView* pView) override {
        calls.push_back("add view");
        CDocumentWindows::AddView(doc, pView);
    }
    void UpdateAllViews(CDocument&, CView*, long lHint, CObject*) override {
        calls.push_back("update " + std::to_string(lHint));
    }
    void UpdateFrameCounts(CDocument&) override { calls.push_back("frames"); }
    BOOL SaveModified(CDocument&) override {
        calls.push_back("ask");
        return TRUE;
    }
    void OnCloseDocument(CDocument& doc) override {
        calls.push_back("close");
        CDocumentWindows::OnCloseDocument(doc);
    }
};

class Installed {
public:
    explicit Installed(CDocumentWindows* pWindows) : m_pPrevious(AfxSetDocumentWindows(pWindows)) {}
    ~Installed() { AfxSetDocumentWindows(m_pPrevious); }

private:
    CDocumentWindows* m_pPrevious;
};

}  // namespace

TEST(DocumentWithoutWindows, AModifiedDocumentStopsACloseAndSavesOnlyUnderAName) {
    CPlainDoc doc;
    doc.SetModifiedFlag(TRUE);
    EXPECT_FALSE(doc.SaveModified());  // nobody to ask: nothing saved behind the caller's back
    EXPECT_FALSE(doc.CanCloseFrame(nullptr));
    EXPECT_FALSE(doc.DoSave(nullptr));  // no file dialog to ask for a name
    EXPECT_FALSE(doc.DoFileSave());     // it has no path yet
    doc.SetModifiedFlag(FALSE);
    EXPECT_TRUE(doc.SaveModified());
}

TEST(DocumentWithoutWindows, KeepsItsViewListAndTitleAlone) {
    CPlainDoc doc;
    auto* pView = reinterpret_cast<CView*>(&doc);  // never touched without windows
    doc.AddView(pView);
    ASSERT_EQ(doc.GetViews().size(), 1u);
    doc.UpdateAllViews(nullptr, 7);
    doc.RemoveView(pView);
    EXPECT_TRUE(doc.GetViews().empty());
    doc.SetTitle("Job");
    EXPECT_EQ(doc.GetTitle(), "Job");
}

TEST(DocumentWindows, TheInstalledWindowsGetEveryDutyInTheDocumentsOrder) {
    CRecordingWindows windows;
    {
        Installed installed(&windows);
        auto* pDoc = new CPlainDoc;
        pDoc->m_bAutoDelete = TRUE;
        pDoc->SetPathName("C:\\jobs\\a.job");
        pDoc->UpdateAllViews(nullptr, 15);
        pDoc->SetModifiedFlag(TRUE);
        pDoc->OnFileClose();  // asked, then closed and deleted
    }
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"frames", "recent C:\\jobs\\a.job", "update 15", "ask",
                                                       "close", "forget"}));
    EXPECT_NE(&AfxGetDocumentWindows(), &windows);  // the previous ones are back
}
