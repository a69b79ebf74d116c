// The Words command of the Summary editor (also its right click on a words
// cell): the current line's words above and below, with their indents, in
// the line-words sheet.
#include "editor/CorvView.h"
#include "editor/EditWnd.h"
#include "model/CorvDoc.h"
#include "model/Hint.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/WordsField.h"
#include "project/ProjLineWords.h"
#include "project/ProjWorkspace.h"

namespace {
// Stores a changed indent; TRUE when it changed.
bool StoreIndent(int& nHeld, int nValue) {
    if (nHeld == nValue) return false;
    nHeld = nValue;
    return true;
}
}  // namespace

void CEditWnd::EditLineWords() {
    if (m_pDetailWnd || !m_pTable || m_nRow < 0 || m_nRow >= m_pTable->GetSize()) return;
    CTableStruct* pLayout = m_pTable->GetTableStruct();
    const int nAbove = pLayout->FindField("WordsAbove");
    const int nBelow = pLayout->FindField("WordsBelow");
    if (nAbove < 0 || nBelow < 0) return;

    int nStart = m_nCol == nAbove ? 0 : m_nCol == nBelow ? 1 : ProjWorkspace::GetWordsPage();
    if (nStart != 0 && nStart != 1) {
        nStart = 0;
        ProjWorkspace::SetWordsPage(0);
    }

    CRecord* pRecord = m_pTable->GetRecord(m_nRow);
    CField* pAboveText = pRecord->GetField(nAbove);
    CField* pBelowText = pRecord->GetField(nBelow);
    auto* pAbove = dynamic_cast<CWordsField*>(pAboveText);
    auto* pBelow = dynamic_cast<CWordsField*>(pBelowText);

    CLineWords words;
    // The cell being edited gives its uncommitted typing.
    words.strAbove = m_nCol == nAbove && IsWindowVisible() ? GetWindowText() : pAboveText->GetText();
    words.strBelow = m_nCol == nBelow && IsWindowVisible() ? GetWindowText() : pBelowText->GetText();
    if (pAbove) {
        words.nAboveLeft = pAbove->m_nIndentLeft;
        words.nAboveRight = pAbove->m_nIndentRight;
    }
    if (pBelow) {
        words.nBelowLeft = pBelow->m_nIndentLeft;
        words.nBelowRight = pBelow->m_nIndentRight;
    }
    if (!RunLineWordsSheet(m_nRow, nStart, words)) return;

    // Compared with what the line holds, so that typing taken into the
    // sheet is stored too.
    bool bChanged = false;
    if (words.strAbove != pAboveText->GetText()) {
        pAboveText->SetText(words.strAbove);
        bChanged = true;
    }
    if (pAbove) {
        bChanged |= StoreIndent(pAbove->m_nIndentLeft, words.nAboveLeft);
        bChanged |= StoreIndent(pAbove->m_nIndentRight, words.nAboveRight);
    }
    if (words.strBelow != pBelowText->GetText()) {
        pBelowText->SetText(words.strBelow);
        bChanged = true;
    }
    if (pBelow) {
        bChanged |= StoreIndent(pBelow->m_nIndentLeft, words.nBelowLeft);
        bChanged |= StoreIndent(pBelow->m_nIndentRight, words.nBelowRight);
    }
    CCorvDoc* pDoc = GetDoc();
    if (bChanged) pDoc->SetModifiedFlag(TRUE);
    CHint hint(m_pTable, m_nCol, m_nRow);
    pDoc->UpdateAllViews(nullptr, kHintLineChanged, &hint);
}
