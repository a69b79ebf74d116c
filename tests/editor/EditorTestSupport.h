// Helpers of the job-editor tests: the running application (started once
// with a fresh INI file), a new job in its window, and driving the job
// view with real messages.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor/CorvView.h"
#include "editor/EditWnd.h"
#include "model/CorvDoc.h"
#include "tests/app/AppTestSupport.h"

// A new job in a window of its own, with its view; every earlier job is
// closed first.
struct JobWindow {
    CCorvDoc* pDoc = nullptr;
    CCorvView* pView = nullptr;
};
JobWindow OpenNewJob();

// Keys through the system's input queue, as a person presses them: the
// program's own loop (accelerators, TranslateMessage) turns them into what
// its windows see. They reach only the foreground window's thread.
void BringMainWindowToFront();
void TypeOnKeyboard(const char* pszText);
// The key, with a modifier (VK_SHIFT, VK_CONTROL) held down when not 0.
void PressOnKeyboard(WORD vk, WORD modifier = 0);

// A test with a new job in its window: the job, its view and the view's
// Summary editor; every job is closed after the test.
class JobWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_job = OpenNewJob();
        ASSERT_NE(m_job.pView, nullptr);
        m_pView = m_job.pView;
        m_pDoc = m_job.pDoc;
        m_pEdit = m_pView->m_pEditWnd.get();
        ASSERT_NE(m_pEdit, nullptr);
    }
    void TearDown() override { CloseAllJobs(); }

    // Gives the job three Summary lines and lets the grid scroll over them.
    void MakeThreeLines();

    JobWindow m_job;
    CCorvView* m_pView = nullptr;
    CCorvDoc* m_pDoc = nullptr;
    CEditWnd* m_pEdit = nullptr;
};

// A job window that takes keys through the input queue, with Left and
// Right stepping between cells.
class KeyboardJobWindowTest : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        BringMainWindowToFront();
        if (HasFatalFailure()) return;
        m_pView->m_bArrowControl = FALSE;
    }
};

// The text of a field of a Summary line (or of a Detail line of it).
std::string SummaryText(CCorvDoc* pDoc, int nRow, const char* pszField);
void PutSummary(CCorvDoc* pDoc, int nRow, const char* pszField, const char* pszText);
std::string DetailText(CCorvDoc* pDoc, int nRow, int nDetailRow, const char* pszField);
void PutDetail(CCorvDoc* pDoc, int nRow, int nDetailRow, const char* pszField, const char* pszText);

// The centre of a cell of the Summary grid as it shows now.
POINT SummaryCellPoint(CCorvView* pView, const char* pszField, int nVisibleRow);
void Click(CWnd* pWnd, POINT pt);
void RightClick(CWnd* pWnd, POINT pt);
// A key press to the window that has the focus.
void PressKey(UINT nVirtualKey);
// Types the text into the editor, character by character.
void TypeText(CWnd* pEdit, const char* pszText);

// How many pixels of rc in the window differ from what a full repaint of
// the whole window (its children included) draws there. The caret is kept
// out of both pictures.
int PixelsUnlikeAFullRepaint(CWnd* pWnd, const RECT& rc);
// The edit box stands over its current cell, with the focus, exactly when
// that cell is on screen; otherwise it is hidden.
void ExpectEditorOnItsCell(CEditWnd* pEdit, const RECT& rcGrid, int nVisibleRows);

// Empties the window's update region, runs fn, and returns the box of
// what it invalidated (empty when nothing).
template <class Fn>
RECT InvalidatedBy(CWnd* pWnd, Fn fn) {
    ::UpdateWindow(pWnd->m_hWnd);
    ::ValidateRect(pWnd->m_hWnd, nullptr);
    fn();
    RECT rc = {};
    ::GetUpdateRect(pWnd->m_hWnd, &rc, FALSE);
    return rc;
}
