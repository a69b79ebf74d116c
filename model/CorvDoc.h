// CCorvDoc: one quotation job. It holds the job's header fields, the font
// of its grids, reserve fields kept only for the job file, its two line
// layouts and its table of Summary lines (each owning its Detail lines),
// and reads and writes all of it as a .job file.
//
// The model has no window: the duties that need the views, the settings or
// the database are installed by the application (model/JobDuties.h).
#pragma once

#include "framework/core/Document.h"
#include "framework/core/String.h"
#include "framework/core/WinTypes.h"
#include "model/CorvDocHeader.h"

class CArchive;
class CTable;
class CTableStruct;
struct CNewJobDefaults;

class CCorvDoc : public CDocument {
    DECLARE_DYNCREATE(CCorvDoc)
public:
    // The first item of every job file.
    static constexpr const char* kJobFileIdent = "Job File for CorvantisZoro Ver 6.0";
    // The number of a job not yet stored in the quotation database.
    static constexpr const char* kUnassignedNumber = "Unassigned";
    static constexpr int kSpareTexts = 50;
    static constexpr int kSpareDoubles = 20;
    static constexpr int kSpareInts = 20;

    CCorvDoc();
    ~CCorvDoc() override;
    CCorvDoc(const CCorvDoc&) = delete;
    CCorvDoc& operator=(const CCorvDoc&) = delete;

    // The job file.
    void Serialize(CArchive& ar) override;
    // Opens a job file; refuses one that is empty or of another format.
    BOOL OnOpenDocument(const char* lpszPathName) override;

    // TRUE also records that the job changed since it was last stored in
    // the database.
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    // Called by the database writer and loader after a successful store or load.
    void ClearChangedSinceStore() { m_bChangedSinceStore = FALSE; }

    // Gives every member its new-job value: default font, the given
    // defaults in their header fields (every other text empty, the number
    // "Unassigned"), built-in layouts and one empty Summary line. The job
    // is not marked modified.
    void InitNewJobData(const CNewJobDefaults& defaults);

    // The steps and commands that reach beyond the model: what they need
    // of the windows, the settings and the database they ask of the job
    // duties the application installs (model/JobDuties.h).
    BOOL OnNewDocument() override;
    // New-job values from the application's settings; in find mode it then
    // runs the quotation finder on the job.
    void InitNewJob();
    BOOL SaveModified() override;
    // Every view of the job that is not previewing a print commits the
    // cell edit open in it.
    void CommitEdits();
    void OnFileClose();
    // File > Store... and File > Store As...: the job's rows into the
    // quotation database.
    void OnFileStore();
    void OnFileStoreAs();
    void OnUpdateFileSave(CCmdUI* pCmdUI);
    void OnUpdateFileSaveAs(CCmdUI* pCmdUI);
    // Sets the freight rate; with bRecalc recomputes every Summary line's
    // freight amount and final value.
    void ApplyFreight(const CString& strRate, BOOL bRecalc);
    DECLARE_MESSAGE_MAP()
public:
    // Header texts: Get<Field> returns a copy; Set<Field> stores a changed
    // text cut to the field's width and marks the job modified.
#define CORV_DECLARE_HEADER_ACCESS(name, width)       \
    CString Get##name() const { return m_str##name; } \
    void Set##name(const CString& strValue);
#define CORV_DECLARE_HEADER_GETTER(name, width) \
    CString Get##name() const { return m_str##name; }
    CORV_HEADER_TEXTS_ALL(CORV_DECLARE_HEADER_ACCESS, CORV_DECLARE_HEADER_ACCESS, CORV_DECLARE_HEADER_GETTER)
#undef CORV_DECLARE_HEADER_ACCESS
#undef CORV_DECLARE_HEADER_GETTER

    // The three standard texts, kept whole.
    CString GetIntro() const { return m_strIntro; }
    void SetIntro(const CString& strValue);
    CString GetQNotes() const { return m_strQNotes; }
    void SetQNotes(const CString& strValue);
    CString GetTerms() const { return m_strTerms; }
    void SetTerms(const CString& strValue);

    // Integer header fields (read directly).
    void SetQuoteCount(int nValue);
    void SetIntroIndLeft(int nValue);
    void SetIntroIndRight(int nValue);
    void SetQNotesIndLeft(int nValue);
    void SetQNotesIndRight(int nValue);
    void SetTermsIndLeft(int nValue);
    void SetTermsIndRight(int nValue);

    // The grids' font and text colour.
    void SetFont(const LOGFONT& lf);
    void SetFontColor(COLORREF cr);

    // 1 once the job holds a complete job (a new job, or a job file of the
    // current format); 0 when a file of another format was met.
    BOOL m_bLoadedOk = FALSE;
    // Set with every change, cleared by a successful store or load.
    BOOL m_bChangedSinceStore = FALSE;

    // The quotation as this job last loaded it from the database or stored
    // it there: its number and a digest of its stored rows, by which a
    // store sees that another one changed them since. Both empty when the
    // job knows nothing of its stored rows (a new job, one opened from its
    // file, one whose rows were deleted). Kept in memory only.
    CString m_strStoredNumber;
    CString m_strStoredDigest;
    void RememberStoredRows(const CString& strNumber, const CString& strDigest) {
        m_strStoredNumber = strNumber;
        m_strStoredDigest = strDigest;
    }
    void ForgetStoredRows() { RememberStoredRows("", ""); }

    LOGFONT m_lfFont = {};  // the face name is a fixed field: use FaceNameOf
    COLORREF m_crFontColor = 0;

    int m_nQuoteCount = 0;
    int m_nIntroIndLeft = 0;
    int m_nIntroIndRight = 0;
    int m_nQNotesIndLeft = 0;
    int m_nQNotesIndRight = 0;
    int m_nTermsIndLeft = 0;
    int m_nTermsIndRight = 0;

    // Owned; null until a new job is initialised or a job file is read.
    CTableStruct* m_pSummaryStruct = nullptr;
    CTableStruct* m_pDetailStruct = nullptr;
    CTable* m_pTable = nullptr;

protected:
    CString m_strFileIdent;

#define CORV_DECLARE_HEADER_MEMBER(name, width) CString m_str##name;
    CORV_HEADER_TEXTS_ALL(CORV_DECLARE_HEADER_MEMBER, CORV_DECLARE_HEADER_MEMBER, CORV_DECLARE_HEADER_MEMBER)
#undef CORV_DECLARE_HEADER_MEMBER
    CString m_strIntro;
    CString m_strQNotes;
    CString m_strTerms;

    // Reserve fields: written to and read from the job file only.
    CString m_strSpare[kSpareTexts];
    double m_dSpare[kSpareDoubles] = {};
    int m_nSpare[kSpareInts] = {};

private:
    // Commits the open edits and stores the job under strNumber.
    void Store(const CString& strNumber);
    void StoreHeaderText(CString& strHeld, const CString& strValue, int nWidth);
    void StoreHeaderInt(int& nHeld, int nValue);
    void DeleteLines();
    void WriteJob(CArchive& ar);
    void ReadJob(CArchive& ar);
};
