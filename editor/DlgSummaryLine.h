// CDlgSummary: the Line View dialog of one Summary line. It shows the
// line's 28 fields, keeps Net, Mult, Margin and Final consistent while they
// are typed, lets the user keep the Tag, Service and Plant choice lists,
// and steps to the previous or next line. It never touches the line: the
// caller fills it through the setters, runs it, and after IDOK reads the
// texts back and writes them into the line.
#pragma once

#include <memory>

#include "framework/core/String.h"
#include "framework/win/Dialog.h"
#include "framework/win/Types.h"

class CNumEdit;
class CSetButton;
class CTable;
class CTableStruct;

class CDlgSummary : public CDialog {
public:
    CDlgSummary(CTable* pTable, CWnd* pParent = nullptr);
    ~CDlgSummary() override;
    CDlgSummary(const CDlgSummary&) = delete;
    virtual CDlgSummary& operator=(const CDlgSummary&) { return *this; }

    // Each setter keeps the text cut to its field's length in the layout.
    void SetItm(const CString& str) { Set(m_strItm, "Itm", str); }
    void SetQty(const CString& str) { Set(m_strQty, "Qty", str); }
    void SetDescription(const CString& str) { Set(m_strDescription, "Description", str); }
    void SetOperator(const CString& str) { Set(m_strOperator, "Operator", str); }
    void SetCost(const CString& str) { Set(m_strCost, "Cost", str); }
    void SetList(const CString& str) { Set(m_strList, "List", str); }
    void SetDetailNet(const CString& str) { Set(m_strDetailNet, "Detail Net", str); }
    void SetNet(const CString& str) { Set(m_strNet, "Net", str); }
    void SetMult(const CString& str) { Set(m_strMult, "Mult", str); }
    void SetMargin(const CString& str) { Set(m_strMargin, "Margin", str); }
    void SetFrtAmount(const CString& str) { Set(m_strFrtAmount, "FrtAmount", str); }
    void SetFinal(const CString& str) { Set(m_strFinal, "Final", str); }
    void SetWeight(const CString& str) { Set(m_strWeight, "Weight", str); }
    void SetBuyOut(const CString& str) { Set(m_strBuyOut, "BuyOut", str); }
    void SetWeeks(const CString& str) { Set(m_strWeeks, "Weeks", str); }
    void SetTag(const CString& str) { Set(m_strTag, "Tag", str); }
    void SetService(const CString& str) { Set(m_strService, "Service", str); }
    void SetWordsAbove(const CString& str) { Set(m_strWordsAbove, "WordsAbove", str); }
    void SetWordsBelow(const CString& str) { Set(m_strWordsBelow, "WordsBelow", str); }
    void SetComm(const CString& str) { Set(m_strComm, "Comm", str); }
    void SetPlant(const CString& str) { Set(m_strPlant, "Plant", str); }
    void SetProduct(const CString& str) { Set(m_strProduct, "Product", str); }
    void SetSize(const CString& str) { Set(m_strSize, "Size", str); }
    void SetType(const CString& str) { Set(m_strType, "Type", str); }
    void SetEC(const CString& str) { Set(m_strEC, "EC", str); }
    void SetClass(const CString& str) { Set(m_strClass, "Class", str); }
    void SetMC(const CString& str) { Set(m_strMC, "MC", str); }
    void SetPC(const CString& str) { Set(m_strPC, "PC", str); }
    void SetWordsAboveIndentLeft(int n) { m_nWordsAboveIndentLeft = n; }
    void SetWordsAboveIndentRight(int n) { m_nWordsAboveIndentRight = n; }
    void SetWordsBelowIndentLeft(int n) { m_nWordsBelowIndentLeft = n; }
    void SetWordsBelowIndentRight(int n) { m_nWordsBelowIndentRight = n; }

    // The fields the caller writes back.
    CString GetItm() const { return m_strItm; }
    CString GetQty() const { return m_strQty; }
    CString GetOperator() const { return m_strOperator; }
    CString GetNet() const { return m_strNet; }
    CString GetMult() const { return m_strMult; }
    CString GetMargin() const { return m_strMargin; }
    CString GetFinal() const { return m_strFinal; }
    CString GetBuyOut() const { return m_strBuyOut; }
    CString GetWeeks() const { return m_strWeeks; }
    CString GetTag() const { return m_strTag; }
    CString GetService() const { return m_strService; }
    CString GetWordsAbove() const { return m_strWordsAbove; }
    CString GetWordsBelow() const { return m_strWordsBelow; }
    CString GetComm() const { return m_strComm; }
    CString GetPlant() const { return m_strPlant; }
    CString GetProduct() const { return m_strProduct; }
    CString GetSize() const { return m_strSize; }
    CString GetType() const { return m_strType; }
    CString GetEC() const { return m_strEC; }
    CString GetClass() const { return m_strClass; }
    CString GetMC() const { return m_strMC; }
    CString GetPC() const { return m_strPC; }

    // CDialog.
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter: validates the entry being edited; never closes.
    void OnOK() override;

    // Handlers.
    void OnKillfocusQty();
    void OnKillfocusNet();
    void OnKillfocusMult();
    void OnKillfocusMargin();
    void OnKillfocusFinal();
    void OnKillfocusBuyOut();
    void OnKillfocusComm();
    void OnClickedOk();
    void OnClickedPrev();
    void OnClickedNext();
    void OnMove(int x, int y);
    void OnDblclkTag();
    void OnDblclkService();
    void OnDblclkPlant();
    // The words labels: the line-words sheet on its first or second page
    // (editor/DlgSummaryWords.cpp).
    void OnDblclkWordsAbove();
    void OnDblclkWordsBelow();
    void EditWords(int nStartPage);

    // Recalculation steps on the controls' texts.
    void RecalcMargin();
    void RecalcMult();
    void RecalcNetFromMargin();
    void RecalcNetFromMult();
    void RecalcNetFromFinal();
    void RecalcFinal();

    CString m_strItm;
    CString m_strQty;
    CString m_strDescription;
    CString m_strOperator;
    CString m_strCost;
    CString m_strList;
    CString m_strDetailNet;
    CString m_strNet;
    CString m_strMult;
    CString m_strMargin;
    CString m_strFrtAmount;
    CString m_strFinal;
    CString m_strWeight;
    CString m_strBuyOut;
    CString m_strWeeks;
    CString m_strTag;
    CString m_strService;
    CString m_strWordsAbove;
    int m_nWordsAboveIndentLeft = 0;
    int m_nWordsAboveIndentRight = 0;
    CString m_strWordsBelow;
    int m_nWordsBelowIndentLeft = 0;
    int m_nWordsBelowIndentRight = 0;
    CString m_strComm;
    CString m_strPlant;
    CString m_strProduct;
    CString m_strSize;
    CString m_strType;
    CString m_strEC;
    CString m_strClass;
    CString m_strMC;
    CString m_strPC;
    CTable* m_pTable;
    CTableStruct* m_pLayout;
    std::unique_ptr<CNumEdit> m_pQtyEdit;
    std::unique_ptr<CNumEdit> m_pNetEdit;
    std::unique_ptr<CNumEdit> m_pMultEdit;
    std::unique_ptr<CNumEdit> m_pMarginEdit;
    std::unique_ptr<CNumEdit> m_pFinalEdit;
    std::unique_ptr<CNumEdit> m_pBuyOutEdit;
    std::unique_ptr<CNumEdit> m_pCommEdit;
    std::unique_ptr<CSetButton> m_pOkButton;
    std::unique_ptr<CSetButton> m_pCancelButton;
    std::unique_ptr<CSetButton> m_pPrevButton;
    std::unique_ptr<CSetButton> m_pNextButton;
    BOOL m_bPrev = FALSE;
    BOOL m_bNext = FALSE;
    int m_nRow = 0;
    BOOL m_bFirstMove = TRUE;
    CRect m_rcWindow;
    int m_nValidateResult = 0;

private:
    void Set(CString& strMember, const char* pszField, const CString& strText);
    // The leave check of one numeric control: nothing when its text is
    // the committed one; else validation (its result kept), then TRUE so
    // that the handler runs its recalculation steps.
    bool ValidateEntry(CNumEdit* pEdit, const CString& strMember, const char* pszField);
    void EditChoices(int nMaxLength, const char* pszSection, int nList, int nComboID);

    DECLARE_MESSAGE_MAP()
};
