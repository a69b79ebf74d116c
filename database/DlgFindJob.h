// CDlgFindJob: the modal dialog "Find a Quotation". A new job made by
// File > Find... runs it: the user enters criteria and presses Find, which
// lists at most 300 stored quotations that match, highest number first,
// with the chosen one's fields below the list; OK loads the chosen
// quotation into the new job, Cancel leaves it empty (it is then closed).
#pragma once

#include <memory>
#include "database/JobLoader.h"

#include "framework/core/ObArray.h"
#include "framework/core/OwnedObArray.h"
#include "framework/core/String.h"
#include "framework/core/StringArray.h"
#include "framework/db/Database.h"
#include "framework/win/Dialog.h"
#include "framework/win/OleDateTime.h"

class CComboBox;
class CConvertSet;
class CCorvDoc;
class CNumEdit;
class CStringArray;

class CDlgFindJob : public CDialog {
    DECLARE_DYNAMIC(CDlgFindJob)
public:
    // The finder over a new job; the caller passes no parent.
    CDlgFindJob(CCorvDoc* pDoc, CWnd* pParent);
    // Attaches no job and no number edits; nothing uses it.
    explicit CDlgFindJob(CWnd* pParent);
    ~CDlgFindJob() override;
    CDlgFindJob(const CDlgFindJob&) = delete;
    virtual CDlgFindJob& operator=(const CDlgFindJob&) { return *this; }

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter neither closes the dialog nor starts a search.
    void OnOK() override {}

    // The title of the loaded job, from the Project row buffer.
    CString BuildTitle() const { return m_loader.m_projectRow.BuildTitle(); }

    // Handlers.
    void OnFind();
    void OnLoadQuote();
    void OnSelchangeFoundList();
    void OnUseDates();
    void OnKillfocusCorvNumber();
    void OnKillfocusMoreThan();
    void OnDblclkProjectType();
    void OnDblclkCustomers();
    void OnDblclkOffices();
    void OnDblclkMarketGroup();
    void OnDblclkSalesRegion();
    void OnDblclkQuoteType();
    void OnDblclkInitials();

    // The steps of Find and of a found row.
    void ClearFound();
    BOOL FindProjects(const CString& strSort, const CString& strFilter);
    void ReadFindRow(CConvertSet* pSet);
    void AddFoundQuote(CComboBox* pList);

    BOOL OpenDatabase();
    BOOL OpenRecordSet(std::unique_ptr<CConvertSet>& rpSet, const CObArray& arrExpected,
                       const CString& strTable, const CString& strSort, const CString& strFilter);

    // The loads of OK, over the open connection.
    BOOL LoadProject(const CString& strSort, const CString& strFilter);
    BOOL LoadSummary(const CString& strSort, const CString& strFilter) {
        return m_loader.LoadSummary(strSort, strFilter);
    }
    BOOL LoadDetail(const CString& strSort, const CString& strFilter) {
        return m_loader.LoadDetail(strSort, strFilter);
    }
    void ReadProjectRow(CConvertSet* pSet) { m_loader.ReadProjectRow(pSet); }
    void ProjectToDoc() { m_loader.ProjectToDoc(); }
    void ReadSummaryRow(CConvertSet* pSet) { m_loader.ReadSummaryRow(pSet); }
    void SummaryToDoc(int nIndex) { m_loader.SummaryToDoc(nIndex); }
    void ReadDetailRow(CConvertSet* pSet) { m_loader.ReadDetailRow(pSet); }
    void DetailToDoc(int nSummary, int nDetail) { m_loader.DetailToDoc(nSummary, nDetail); }
    void ClearProjectRow() { m_loader.m_projectRow.Clear(); }
    void ClearSummaryRow() { m_loader.m_summaryRow.Clear(); }
    void ClearDetailRow() { m_loader.m_detailRow.Clear(); }

    // --- Members ---
    CCorvDoc* m_pDoc = nullptr;  // not owned
    CDatabase m_db;
    COwnedObArray m_arrProjectFindCols;  // of CCustCol
    COwnedObArray m_arrProjectCols;
    COwnedObArray m_arrSummaryCols;
    COwnedObArray m_arrDetailCols;
    BOOL m_bLoadFailed = FALSE;
    std::unique_ptr<CNumEdit> m_pCorvNumberEdit;
    std::unique_ptr<CNumEdit> m_pMoreThanEdit;

    // Criteria.
    CString m_strCorvNumber;
    CString m_strQuoteNo;
    CString m_strCustomer;
    CString m_strProject;
    CString m_strOffice;
    CString m_strProjectType;
    COleDateTime m_dtFrom;
    CString m_strFrom;
    COleDateTime m_dtTo;
    CString m_strTo;
    BOOL m_bUseDates = FALSE;
    CString m_strMarketGroup;
    CString m_strSalesRegion;
    CString m_strQuoteType;
    CString m_strInitials;
    CString m_strMoreThan;

    // The chosen quotation, in the order of the display.
    CString m_strShownCorvNumber;
    CString m_strShownQuoteNo;
    CString m_strShownQuoteRev;
    CString m_strShownQuoteVersion;
    CString m_strShownQuoteCount;
    CString m_strShownOffice;
    CString m_strShownQuoteDate;
    CString m_strShownInitials;
    CString m_strShownCustomer;
    CString m_strShownProject;
    CString m_strShownProjectLoc;
    CString m_strShownMarketGroup;
    CString m_strShownSalesRegion;
    CString m_strShownProjectType;
    CString m_strShownQuoteType;
    CString m_strShownEngineer;
    CString m_strShownStatus;
    CString m_strCount;

    // The found quotations: row i of each belongs to line i of the list.
    static constexpr int kShownValues = 17;
    CStringArray m_arrFound[kShownValues];

    // The row buffers and the loads.
    CJobLoader m_loader;

    DECLARE_MESSAGE_MAP()

private:
    CString* ShownValue(int nIndex);
    void FillCombo(int nIDC, const CStringArray& list);
    void EditList(int nMaxLength, const char* pszSection, CStringArray& list, int nIDC);
    void CheckNumberField(int nIDC, CNumEdit* pEdit, const char* pszLabel, const CString& strLast);
    void InitLoader();
};

// Makes the Find command of the application run this finder on its new job.
void InstallQuotationFinder();
