#include "database/DlgFindJob.h"

#include <commctrl.h>

#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/DbEngine.h"
#include "database/DbMessages.h"
#include "database/FindFilter.h"
#include "database/Schema.h"
#include "database/SndTo.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageBox.h"
#include "framework/win/Controls.h"
#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "framework/win/WaitCursor.h"
#include "model/CorvDoc.h"
#include "res/database_ids.h"
#include "workspace/EditIni.h"
#include "workspace/NumEdit.h"
#include "workspace/QuotationFinder.h"
#include "workspace/Workspace.h"
#include "workspace/WorkspaceMessages.h"

IMPLEMENT_DYNAMIC(CDlgFindJob, CDialog)

BEGIN_MESSAGE_MAP(CDlgFindJob, CDialog)
    ON_BN_CLICKED(IDC_FIND_FIND, &CDlgFindJob::OnFind)
    ON_BN_CLICKED(IDC_FIND_OK, &CDlgFindJob::OnLoadQuote)
    ON_CBN_SELCHANGE(IDC_FIND_FOUND_LIST, &CDlgFindJob::OnSelchangeFoundList)
    ON_BN_CLICKED(IDC_FIND_USE_DATES, &CDlgFindJob::OnUseDates)
    ON_EN_KILLFOCUS(IDC_FIND_CORV_NUMBER, &CDlgFindJob::OnKillfocusCorvNumber)
    ON_EN_KILLFOCUS(IDC_FIND_MORE_THAN, &CDlgFindJob::OnKillfocusMoreThan)
    ON_STN_DBLCLK(IDC_FIND_PROJECT_TYPE_LABEL, &CDlgFindJob::OnDblclkProjectType)
    ON_STN_DBLCLK(IDC_FIND_CUSTOMER_LABEL, &CDlgFindJob::OnDblclkCustomers)
    ON_STN_DBLCLK(IDC_FIND_OFFICE_LABEL, &CDlgFindJob::OnDblclkOffices)
    ON_STN_DBLCLK(IDC_FIND_MARKET_GROUP_LABEL, &CDlgFindJob::OnDblclkMarketGroup)
    ON_STN_DBLCLK(IDC_FIND_SALES_REGION_LABEL, &CDlgFindJob::OnDblclkSalesRegion)
    ON_STN_DBLCLK(IDC_FIND_QUOTE_TYPE_LABEL, &CDlgFindJob::OnDblclkQuoteType)
    ON_STN_DBLCLK(IDC_FIND_INITIALS_LABEL, &CDlgFindJob::OnDblclkInitials)
END_MESSAGE_MAP()

namespace {

const char* const kFindSort = "CorvNumber DESC";
const char* const kDateFormat = "%m/%d/%Y";
const char* const kPickerFormat = "MM/dd/yyyy";
const char* const kCorvNumberLabel = "Corv Number";
const char* const kMoreThanLabel = "More Than $";
constexpr long kDefaultRangeDays = 30;

// The text limits of the criteria.
struct Limit {
    int nIDC;
    int nChars;
    bool bCombo;
};
const Limit kLimits[] = {
    {IDC_FIND_CORV_NUMBER, 6, false},  {IDC_FIND_QUOTE_NO, 20, false},    {IDC_FIND_CUSTOMER, 40, true},
    {IDC_FIND_PROJECT, 40, false},     {IDC_FIND_OFFICE, 40, true},       {IDC_FIND_PROJECT_TYPE, 25, true},
    {IDC_FIND_MARKET_GROUP, 10, true}, {IDC_FIND_SALES_REGION, 10, true}, {IDC_FIND_QUOTE_TYPE, 10, true},
    {IDC_FIND_INITIALS, 3, true},      {IDC_FIND_MORE_THAN, 10, false},
};

// The display, in the order of the shown texts and found arrays: the
// static and the Project column it shows (QuoteCount as Yes or No).
struct Shown {
    int nIDC;
    const char* pszColumn;
};
const Shown kShown[CDlgFindJob::kShownValues] = {
    {IDC_FIND_SHOWN_CORV_NUMBER, "CorvNumber"},
    {IDC_FIND_SHOWN_QUOTE_NO, "QuoteNo"},
    {IDC_FIND_SHOWN_QUOTE_REV, "QuoteRev"},
    {IDC_FIND_SHOWN_QUOTE_VERSION, "QuoteVersion"},
    {IDC_FIND_SHOWN_QUOTE_COUNT, "QuoteCount"},
    {IDC_FIND_SHOWN_OFFICE, "Office"},
    {IDC_FIND_SHOWN_QUOTE_DATE, "QuoteDate"},
    {IDC_FIND_SHOWN_INITIALS, "Initials"},
    {IDC_FIND_SHOWN_CUSTOMER, "Customer"},
    {IDC_FIND_SHOWN_PROJECT, "Project"},
    {IDC_FIND_SHOWN_PROJECT_LOC, "ProjectLoc"},
    {IDC_FIND_SHOWN_MARKET_GROUP, "MarketGroup"},
    {IDC_FIND_SHOWN_SALES_REGION, "SalesRegion"},
    {IDC_FIND_SHOWN_PROJECT_TYPE, "ProjectType"},
    {IDC_FIND_SHOWN_QUOTE_TYPE, "QuoteType"},
    {IDC_FIND_SHOWN_ENGINEER, "Engineer"},
    {IDC_FIND_SHOWN_STATUS, "Status"},
};

// The columns of a find row read as plain text.
const char* const kFindTextColumns[] = {
    "QuoteNo", "QuoteRev",   "QuoteVersion", "QuoteType", "MarketGroup", "SalesRegion", "ProjectType",
    "Project", "ProjectLoc", "Engineer",     "Initials",  "Customer",    "Office",      "Status"};

CString ShownText(const CProjectRow& row, const char* pszColumn) {
    if (CString(pszColumn) == "QuoteCount") return row.Int("QuoteCount") ? DbMsg::kYes : DbMsg::kNo;
    return row.Text(pszColumn);
}

}  // namespace

CDlgFindJob::CDlgFindJob(CCorvDoc* pDoc, CWnd* pParent)
    : CDialog(IDD_FIND_JOB, pParent),
      m_pDoc(pDoc),
      m_loader(m_db, m_arrProjectCols, m_arrSummaryCols, m_arrDetailCols) {
    AfxInitDateTimeControls();
    m_pCorvNumberEdit = std::make_unique<CNumEdit>();
    m_pMoreThanEdit = std::make_unique<CNumEdit>();
    m_dtTo = COleDateTime::GetCurrentTime();
    m_dtFrom = m_dtTo - COleDateTimeSpan(kDefaultRangeDays, 0, 0, 0);
    InitLoader();
}

CDlgFindJob::CDlgFindJob(CWnd* pParent)
    : CDialog(IDD_FIND_JOB, pParent), m_loader(m_db, m_arrProjectCols, m_arrSummaryCols, m_arrDetailCols) {
    AfxInitDateTimeControls();
    m_dtTo = COleDateTime::GetCurrentTime();
    m_dtFrom = m_dtTo;
    InitLoader();
}

CDlgFindJob::~CDlgFindJob() = default;

void CDlgFindJob::InitLoader() {
    m_loader.SetJob(m_pDoc);
    m_loader.m_setFreight = [](CCorvDoc& doc, const CString& strRate) {
        doc.ApplyFreight(strRate, FALSE);
    };
    // A failed load leaves a new job, as File > New makes it.
    m_loader.m_resetJob = [](CCorvDoc& doc) {
        doc.InitNewJob();
    };
}

CString* CDlgFindJob::ShownValue(int nIndex) {
    CString* const shown[kShownValues] = {
        &m_strShownCorvNumber,  &m_strShownQuoteNo,     &m_strShownQuoteRev,   &m_strShownQuoteVersion,
        &m_strShownQuoteCount,  &m_strShownOffice,      &m_strShownQuoteDate,  &m_strShownInitials,
        &m_strShownCustomer,    &m_strShownProject,     &m_strShownProjectLoc, &m_strShownMarketGroup,
        &m_strShownSalesRegion, &m_strShownProjectType, &m_strShownQuoteType,  &m_strShownEngineer,
        &m_strShownStatus};
    return shown[nIndex];
}

void CDlgFindJob::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FIND_CORV_NUMBER, m_strCorvNumber);
    DDX_Text(pDX, IDC_FIND_QUOTE_NO, m_strQuoteNo);
    DDX_CBString(pDX, IDC_FIND_CUSTOMER, m_strCustomer);
    DDX_Text(pDX, IDC_FIND_PROJECT, m_strProject);
    DDX_CBString(pDX, IDC_FIND_OFFICE, m_strOffice);
    DDX_CBString(pDX, IDC_FIND_PROJECT_TYPE, m_strProjectType);
    DDX_DateTimeCtrl(pDX, IDC_FIND_FROM, m_dtFrom);
    DDX_DateTimeCtrl(pDX, IDC_FIND_TO, m_dtTo);
    DDX_Check(pDX, IDC_FIND_USE_DATES, m_bUseDates);
    DDX_CBString(pDX, IDC_FIND_MARKET_GROUP, m_strMarketGroup);
    DDX_CBString(pDX, IDC_FIND_SALES_REGION, m_strSalesRegion);
    DDX_CBString(pDX, IDC_FIND_QUOTE_TYPE, m_strQuoteType);
    DDX_CBString(pDX, IDC_FIND_INITIALS, m_strInitials);
    DDX_Text(pDX, IDC_FIND_MORE_THAN, m_strMoreThan);
    for (int i = 0; i < kShownValues; ++i) DDX_Text(pDX, kShown[i].nIDC, *ShownValue(i));
    DDX_Text(pDX, IDC_FIND_COUNT, m_strCount);
}

BOOL CDlgFindJob::OnInitDialog() {
    CDialog::OnInitDialog();

    for (const Limit& limit : kLimits)
        SendDlgItemMessage(limit.nIDC, limit.bCombo ? CB_LIMITTEXT : EM_LIMITTEXT, limit.nChars, 0);
    SendDlgItemMessage(IDC_FIND_FROM, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kPickerFormat));
    SendDlgItemMessage(IDC_FIND_TO, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kPickerFormat));

    if (m_pCorvNumberEdit) m_pCorvNumberEdit->SubclassDlgItem(IDC_FIND_CORV_NUMBER, this);
    if (m_pMoreThanEdit) m_pMoreThanEdit->SubclassDlgItem(IDC_FIND_MORE_THAN, this);

    const CChoiceLists& lists = CorvGetWorkspace().ChoiceLists();
    FillCombo(IDC_FIND_CUSTOMER, lists[kChoiceCustomers]);
    FillCombo(IDC_FIND_OFFICE, lists[kChoiceOffices]);
    FillCombo(IDC_FIND_PROJECT_TYPE, lists[kChoiceProjectType]);
    FillCombo(IDC_FIND_MARKET_GROUP, lists[kChoiceMarketingGroup]);
    FillCombo(IDC_FIND_SALES_REGION, lists[kChoiceSalesRegion]);
    FillCombo(IDC_FIND_QUOTE_TYPE, lists[kChoiceQuoteType]);
    FillCombo(IDC_FIND_INITIALS, lists[kChoiceInitials]);

    BuildExpectedColumns(DbTable::ProjectFind, m_arrProjectFindCols);
    BuildExpectedColumns(DbTable::Project, m_arrProjectCols);
    BuildExpectedColumns(DbTable::Summary, m_arrSummaryCols);
    BuildExpectedColumns(DbTable::Detail, m_arrDetailCols);
    return TRUE;
}

void CDlgFindJob::FillCombo(int nIDC, const CStringArray& list) {
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nIDC));
    for (int i = 0; i < list.GetSize(); ++i) pCombo->AddString(list[i]);
}

void CDlgFindJob::OnUseDates() {
    const BOOL bUse = IsDlgButtonChecked(IDC_FIND_USE_DATES) == BST_CHECKED;
    GetDlgItem(IDC_FIND_FROM)->EnableWindow(bUse);
    GetDlgItem(IDC_FIND_TO)->EnableWindow(bUse);
}

void CDlgFindJob::ClearFound() {
    static_cast<CComboBox*>(GetDlgItem(IDC_FIND_FOUND_LIST))->ResetContent();
    for (int i = 0; i < kShownValues; ++i) ShownValue(i)->Empty();
    m_strCount.Empty();
}

void CDlgFindJob::OnFind() {
    CWaitCursor wait;
    if (!UpdateData(TRUE)) return;
    ClearFound();
    UpdateData(FALSE);

    CString* const texts[] = {&m_strCorvNumber, &m_strQuoteNo,     &m_strCustomer,    &m_strProject,
                              &m_strOffice,     &m_strProjectType, &m_strMarketGroup, &m_strSalesRegion,
                              &m_strQuoteType,  &m_strInitials,    &m_strMoreThan};
    for (CString* p : texts) p->Trim();
    if (m_bUseDates) {
        m_strFrom = m_dtFrom.Format(kDateFormat);
        m_strTo = m_dtTo.Format(kDateFormat);
    } else {
        m_strFrom.Empty();
        m_strTo.Empty();
    }

    // A number field that still holds no plain number (pasted text, never
    // left) is checked as leaving it would, so the user sees what it means.
    if (!m_strCorvNumber.IsEmpty() && !CSndTo::IsSqlNumber(m_strCorvNumber)) {
        SetDlgItemText(IDC_FIND_CORV_NUMBER, m_strCorvNumber);
        if (m_pCorvNumberEdit && m_pDoc)
            m_pCorvNumberEdit->ValidateNumField(GetDlgItem(IDC_FIND_CORV_NUMBER), kCorvNumberLabel,
                                                m_pDoc->m_pSummaryStruct);
        m_strCorvNumber = GetDlgItemText(IDC_FIND_CORV_NUMBER);
        m_strCorvNumber.Trim();
    }
    if (!m_strMoreThan.IsEmpty() && !CSndTo::IsSqlNumber(m_strMoreThan)) {
        SetDlgItemText(IDC_FIND_MORE_THAN, m_strMoreThan);
        if (m_pMoreThanEdit && m_pDoc)
            m_pMoreThanEdit->ValidateNumField(GetDlgItem(IDC_FIND_MORE_THAN), kMoreThanLabel,
                                              m_pDoc->m_pSummaryStruct);
        m_strMoreThan = GetDlgItemText(IDC_FIND_MORE_THAN);
        m_strMoreThan.Trim();
    }

    CFindCriteria criteria;
    criteria.strCorvNumber = m_strCorvNumber;
    criteria.strQuoteNo = m_strQuoteNo;
    criteria.strCustomer = m_strCustomer;
    criteria.strProject = m_strProject;
    criteria.strOffice = m_strOffice;
    criteria.strProjectType = m_strProjectType;
    criteria.strFrom = m_strFrom;
    criteria.strTo = m_strTo;
    criteria.strMarketGroup = m_strMarketGroup;
    criteria.strSalesRegion = m_strSalesRegion;
    criteria.strQuoteType = m_strQuoteType;
    criteria.strInitials = m_strInitials;
    criteria.strMoreThan = m_strMoreThan;

    if (criteria.IsEmpty()) {
        AfxMessageBox(DbMsg::kFindNeedsValue, MB_OK);
    } else if (OpenDatabase()) {
        // The dates take the form of the engine they are compared in,
        // which is known once the connection is open.
        FindProjects(kFindSort, BuildFindFilter(criteria, CDbEngine(m_db)));
    }
    UpdateData(FALSE);
}

BOOL CDlgFindJob::OpenDatabase() { return OpenQuotationDatabase(m_db); }

BOOL CDlgFindJob::OpenRecordSet(std::unique_ptr<CConvertSet>& rpSet, const CObArray& arrExpected,
                                const CString& strTable, const CString& strSort, const CString& strFilter) {
    return OpenCheckedRecordSet(m_db, rpSet, arrExpected, strTable, strSort, strFilter);
}

BOOL CDlgFindJob::FindProjects(const CString& strSort, const CString& strFilter) {
    if (!m_db.IsOpen() && !OpenDatabase()) return FALSE;

    std::unique_ptr<CConvertSet> pSet;
    BOOL bResult = FALSE;
    try {
        bResult = OpenRecordSet(pSet, m_arrProjectFindCols, "ProjectFind", strSort, strFilter);
        if (bResult && !HasRecords(pSet.get())) {
            AfxMessageBox(DbMsg::kNotInDatabase, MB_OK);
            bResult = FALSE;
        } else if (bResult) {
            auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_FIND_FOUND_LIST));
            ReadFindRow(pSet.get());
            for (int i = 0; i < kShownValues; ++i)
                *ShownValue(i) = ShownText(m_loader.m_projectRow, kShown[i].pszColumn);
            pList->ResetContent();
            for (CStringArray& found : m_arrFound) found.RemoveAll();
            AddFoundQuote(pList);
            if (pList->GetCount() > 0) pList->SetCurSel(0);
            pSet->MoveNext();
            int nCount = 1;
            // Rows beyond the last listed one are never fetched.
            while (!pSet->IsEOF() && nCount < kMaxFoundQuotes) {
                ReadFindRow(pSet.get());
                AddFoundQuote(pList);
                pSet->MoveNext();
                ++nCount;
            }
            m_strCount = FoundCountText(nCount);
        }
    } catch (const CException& e) {
        AfxMessageBox(e.GetErrorMessage(), MB_ICONSTOP);
        bResult = FALSE;
    }
    pSet.reset();  // closed before its database
    if (m_db.IsOpen()) m_db.Close();
    return bResult;
}

void CDlgFindJob::ReadFindRow(CConvertSet* pSet) {
    CProjectRow& row = m_loader.m_projectRow;
    row.Text("CorvNumber") = pSet->GetIntegerText("CorvNumber");
    row.Int("QuoteCount") = pSet->GetBool("QuoteCount");
    row.Text("QuoteDate") = pSet->GetDateText("QuoteDate");
    for (const char* pszColumn : kFindTextColumns) row.Text(pszColumn) = pSet->GetText(pszColumn);
}

void CDlgFindJob::AddFoundQuote(CComboBox* pList) {
    const CProjectRow& row = m_loader.m_projectRow;
    for (int i = 0; i < kShownValues; ++i) m_arrFound[i].Add(ShownText(row, kShown[i].pszColumn));
    pList->AddString(FormatFoundLine(row.Text("CorvNumber"), row.Text("QuoteNo"), row.Text("QuoteRev"),
                                     row.Text("QuoteVersion"), row.Text("Project"), row.Text("Customer"),
                                     row.Text("QuoteDate")));
}

void CDlgFindJob::OnSelchangeFoundList() {
    const int nIndex = static_cast<CComboBox*>(GetDlgItem(IDC_FIND_FOUND_LIST))->GetCurSel();
    if (nIndex < 0 || nIndex >= m_arrFound[0].GetSize()) return;
    UpdateData(TRUE);
    for (int i = 0; i < kShownValues; ++i) *ShownValue(i) = m_arrFound[i][nIndex];
    UpdateData(FALSE);
}

void CDlgFindJob::CheckNumberField(int nIDC, CNumEdit* pEdit, const char* pszLabel, const CString& strLast) {
    if (GetDlgItemText(nIDC) == strLast) return;
    if (pEdit && m_pDoc) pEdit->ValidateNumField(GetDlgItem(nIDC), pszLabel, m_pDoc->m_pSummaryStruct);
    UpdateData(TRUE);
}

void CDlgFindJob::OnKillfocusCorvNumber() {
    CheckNumberField(IDC_FIND_CORV_NUMBER, m_pCorvNumberEdit.get(), kCorvNumberLabel, m_strCorvNumber);
}

void CDlgFindJob::OnKillfocusMoreThan() {
    CheckNumberField(IDC_FIND_MORE_THAN, m_pMoreThanEdit.get(), kMoreThanLabel, m_strMoreThan);
}

void CDlgFindJob::EditList(int nMaxLength, const char* pszSection, CStringArray& list, int nIDC) {
    CEditIni editIni;
    CString strNoDefault(WorkspaceMsg::kNoDefault);
    editIni.EditChoiceList(nMaxLength, FALSE, &strNoDefault, WorkspaceMsg::kNoDefault,
                           WorkspaceMsg::kNoDefault, TRUE, pszSection, &list,
                           static_cast<CComboBox*>(GetDlgItem(nIDC)));
}

void CDlgFindJob::OnDblclkCustomers() {
    EditList(40, "Customers", CorvGetWorkspace().ChoiceLists()[kChoiceCustomers], IDC_FIND_CUSTOMER);
}
void CDlgFindJob::OnDblclkOffices() {
    EditList(40, "Offices", CorvGetWorkspace().ChoiceLists()[kChoiceOffices], IDC_FIND_OFFICE);
}
void CDlgFindJob::OnDblclkProjectType() {
    EditList(25, "ProjectType", CorvGetWorkspace().ChoiceLists()[kChoiceProjectType], IDC_FIND_PROJECT_TYPE);
}
void CDlgFindJob::OnDblclkMarketGroup() {
    EditList(10, "MarketingGroup", CorvGetWorkspace().ChoiceLists()[kChoiceMarketingGroup],
             IDC_FIND_MARKET_GROUP);
}
void CDlgFindJob::OnDblclkSalesRegion() {
    EditList(10, "SalesRegion", CorvGetWorkspace().ChoiceLists()[kChoiceSalesRegion], IDC_FIND_SALES_REGION);
}
void CDlgFindJob::OnDblclkQuoteType() {
    EditList(10, "QuoteType", CorvGetWorkspace().ChoiceLists()[kChoiceQuoteType], IDC_FIND_QUOTE_TYPE);
}
void CDlgFindJob::OnDblclkInitials() {
    EditList(3, "Initials", CorvGetWorkspace().ChoiceLists()[kChoiceInitials], IDC_FIND_INITIALS);
}

void InstallQuotationFinder() {
    SetQuotationFinder([](CCorvDoc& doc) {
        CDlgFindJob dlg(&doc, nullptr);
        return dlg.DoModal() == IDOK && !dlg.m_bLoadFailed;
    });
}
