// The Summary line dialog's words labels: the line's words above and below
// in the line-words sheet, taken back into the dialog on OK (the line gets
// them when the dialog itself ends with OK).
#include "editor/DlgSummaryLine.h"
#include "project/ProjLineWords.h"

void CDlgSummary::OnDblclkWordsAbove() { EditWords(0); }
void CDlgSummary::OnDblclkWordsBelow() { EditWords(1); }

void CDlgSummary::EditWords(int nStartPage) {
    // A double-click leaves the focus where it was: an entry may be pending
    // in a number control, Commission included.
    m_nValidateResult = 0;
    OnKillfocusQty();
    OnKillfocusNet();
    OnKillfocusMult();
    OnKillfocusMargin();
    OnKillfocusFinal();
    OnKillfocusBuyOut();
    OnKillfocusComm();
    if (m_nValidateResult != 0) return;
    UpdateData(TRUE);

    CLineWords words;
    words.strAbove = m_strWordsAbove;
    words.nAboveLeft = m_nWordsAboveIndentLeft;
    words.nAboveRight = m_nWordsAboveIndentRight;
    words.strBelow = m_strWordsBelow;
    words.nBelowLeft = m_nWordsBelowIndentLeft;
    words.nBelowRight = m_nWordsBelowIndentRight;
    if (!RunLineWordsSheet(m_nRow, nStartPage, words)) return;
    m_strWordsAbove = words.strAbove;
    m_nWordsAboveIndentLeft = words.nAboveLeft;
    m_nWordsAboveIndentRight = words.nAboveRight;
    m_strWordsBelow = words.strBelow;
    m_nWordsBelowIndentLeft = words.nBelowLeft;
    m_nWordsBelowIndentRight = words.nBelowRight;
    UpdateData(FALSE);
}
