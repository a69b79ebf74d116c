// CDlgDetail: the Line View dialog of one Detail line. It shows the line's
// sixteen fields, keeps cost, list, net, mult and margin consistent while
// they are typed, and lets the user step to the previous or next line. It
// never touches the line: the caller fills it through the setters, runs
// it, and after IDOK reads the texts back and writes them into the line.
#pragma once

#include <memory>

#include "framework/core/String.h"
#include "framework/win/Dialog.h"
#include "framework/win/Types.h"

class CNumEdit;
class CSetButton;
class CTable;
class CTableStruct;

class CDlgDetail : public CDialog {
public:
    CDlgDetail(CTable* pTable, CWnd* pParent = nullptr);
    ~CDlgDetail() override;
    CDlgDetail(const CDlgDetail&) = delete;
    virtual CDlgDetail& operator=(const CDlgDetail&) { return *this; }

    // Each setter keeps the text cut to its field's length in the layout.
    void SetProduct(const CString& str) { Set(m_strProduct, "Product", str); }
    void SetTechnical(const CString& str) { Set(m_strTechnical, "Technical Description", str); }
    void SetCost(const CString& str) { Set(m_strCost, "cost", str); }
    void SetList(const CString& str) { Set(m_strList, "list", str); }
    void SetNet(const CString& str) { Set(m_strNet, "net", str); }
    void SetMult(const CString& str) { Set(m_strMult, "mult", str); }
    void SetMargin(const CString& str) { Set(m_strMargin, "margin", str); }
    void SetWeight(const CString& str) { Set(m_strWeight, "weight", str); }
    void SetPartNumber(const CString& str) { Set(m_strPartNumber, "PartNumber", str); }
    void SetQuotePN(const CString& str) { Set(m_strQuotePN, "QuotePN", str); }
    void SetQuoteDescription(const CString& str) { Set(m_strQuoteDescription, "QuoteDescription", str); }
    void SetAltQuoteDescription(const CString& str) {
        Set(m_strAltQuoteDescription, "AltQuoteDescription", str);
    }
    void SetDrawingNo(const CString& str) { Set(m_strDrawingNo, "DrawingNo", str); }
    void SetDwgItem(const CString& str) { Set(m_strDwgItem, "DwgItem", str); }
    void SetQtyAssy(const CString& str) { Set(m_strQtyAssy, "QtyAssy", str); }
    void SetSecondPN(const CString& str) { Set(m_strSecondPN, "SecondPN", str); }

    CString GetProduct() const { return m_strProduct; }
    CString GetTechnical() const { return m_strTechnical; }
    CString GetCost() const { return m_strCost; }
    CString GetList() const { return m_strList; }
    CString GetNet() const { return m_strNet; }
    CString GetMult() const { return m_strMult; }
    CString GetMargin() const { return m_strMargin; }
    CString GetWeight() const { return m_strWeight; }
    CString GetPartNumber() const { return m_strPartNumber; }
    CString GetQuotePN() const { return m_strQuotePN; }
    CString GetQuoteDescription() const { return m_strQuoteDescription; }
    CString GetAltQuoteDescription() const { return m_strAltQuoteDescription; }
    CString GetDrawingNo() const { return m_strDrawingNo; }
    CString GetDwgItem() const { return m_strDwgItem; }
    CString GetQtyAssy() const { return m_strQtyAssy; }
    CString GetSecondPN() const { return m_strSecondPN; }

    // CDialog.
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter: validates the entry being edited; never closes.
    void OnOK() override;

    // Handlers.
    void OnKillfocusCost();
    void OnKillfocusList();
    void OnKillfocusNet();
    void OnKillfocusMult();
    void OnKillfocusMargin();
    void OnKillfocusWeight();
    void OnClickedOk();
    void OnClickedPrev();
    void OnClickedNext();
    void OnMove(int x, int y);

    CString m_strProduct;
    CString m_strTechnical;
    CString m_strCost;
    CString m_strList;
    CString m_strNet;
    CString m_strMult;
    CString m_strMargin;
    CString m_strWeight;
    CString m_strPartNumber;
    CString m_strQuotePN;
    CString m_strQuoteDescription;
    CString m_strAltQuoteDescription;
    CString m_strDrawingNo;
    CString m_strDwgItem;
    CString m_strQtyAssy;
    CString m_strSecondPN;
    CTable* m_pTable;
    CTableStruct* m_pLayout;
    std::unique_ptr<CNumEdit> m_pCostEdit;
    std::unique_ptr<CNumEdit> m_pListEdit;
    std::unique_ptr<CNumEdit> m_pNetEdit;
    std::unique_ptr<CNumEdit> m_pMultEdit;
    std::unique_ptr<CNumEdit> m_pMarginEdit;
    std::unique_ptr<CNumEdit> m_pWeightEdit;
    std::unique_ptr<CSetButton> m_pOkButton;
    std::unique_ptr<CSetButton> m_pCancelButton;
    std::unique_ptr<CSetButton> m_pPrevButton;
    std::unique_ptr<CSetButton> m_pNextButton;
    BOOL m_bPrev = FALSE;
    BOOL m_bNext = FALSE;
    int m_nRow = 0;
    BOOL m_bFirstMove = TRUE;
    CRect m_rcWindow;

private:
    void Set(CString& strMember, const char* pszField, const CString& strText);
    // The leave check of one numeric control: nothing when its text is
    // the committed one; else validation, then the recalculation steps.
    bool ValidateEntry(CNumEdit* pEdit, const CString& strMember, const char* pszField);
    void RecalcMargin();
    void RecalcMult();
    void RecalcNetFromMult();
    void RecalcNetFromMargin();

    DECLARE_MESSAGE_MAP()
};
