#include "project/ProjLineWords.h"

#include <cstdio>

#include "project/ProjMessages.h"
#include "project/ProjSheet.h"
#include "project/ProjWords.h"
#include "project/ProjWorkspace.h"

BOOL RunLineWordsSheet(int nRow, int nStartPage, CLineWords& rWords) {
    char szLine[16];
    std::snprintf(szLine, sizeof(szLine), "%d", nRow + 1);
    CProjSheet sheet((CString(ProjMsg::kLineWordsCaption) + szLine).GetString(), nullptr, nStartPage);

    CProjWords above;
    above.SetCaption(ProjMsg::kWordsAbove);
    above.SetWords(rWords.strAbove);
    above.m_nIndentLeft = rWords.nAboveLeft;
    above.m_nIndentRight = rWords.nAboveRight;
    above.m_pSelections = ProjWorkspace::ChoiceList("WordsAbove");
    above.m_pTextFiles = ProjWorkspace::ChoiceList("WordsAboveFileName");

    CProjWords below;
    below.SetCaption(ProjMsg::kWordsBelow);
    below.SetWords(rWords.strBelow);
    below.m_nIndentLeft = rWords.nBelowLeft;
    below.m_nIndentRight = rWords.nBelowRight;
    below.m_pSelections = ProjWorkspace::ChoiceList("WordsBelow");
    below.m_pTextFiles = ProjWorkspace::ChoiceList("WordsBelowFileName");

    sheet.AddPage(&above);
    sheet.AddPage(&below);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    if (sheet.DoModal() != IDOK) return FALSE;

    rWords.strAbove = above.GetWords();
    rWords.nAboveLeft = above.m_nIndentLeft;
    rWords.nAboveRight = above.m_nIndentRight;
    rWords.strBelow = below.GetWords();
    rWords.nBelowLeft = below.m_nIndentLeft;
    rWords.nBelowRight = below.m_nIndentRight;
    return TRUE;
}
