// CChoiceWnd: one choice set of a table-form product file: three lists of
// texts whose meaning depends on where the set stands (title lines,
// captions or values, initial lines or descriptions). Not a window despite
// its name: the selection puts its texts into the dialog's windows.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/StringArray.h"

class CDtaReader;
class CStdioFile;

class CChoiceWnd : public CObject {
public:
    CChoiceWnd() = default;
    CChoiceWnd(const CChoiceWnd& other);
    ~CChoiceWnd() override = default;
    virtual CChoiceWnd& operator=(const CChoiceWnd& other);

    void AddToList1(const CString& s) { m_list1.Add(s); }
    void AddToList2(const CString& s) { m_list2.Add(s); }
    void AddToList3(const CString& s) { m_list3.Add(s); }

    int GetList1Count() const { return m_list1.GetSize(); }
    int GetList2Count() const { return m_list2.GetSize(); }
    int GetList3Count() const { return m_list3.GetSize(); }

    // An index outside the list raises the invalid-argument exception.
    CString GetList1(int i) const { return m_list1.GetAt(i); }
    CString GetList2(int i) const { return m_list2.GetAt(i); }
    CString GetList3(int i) const { return m_list3.GetAt(i); }

    // Empties the three lists and reads them: each a count, then that many lines.
    void Load(CDtaReader& reader);
    // Writes the same layout: per list a 4-byte little-endian count, then
    // each text followed by one line feed.
    void Store(CStdioFile* pFile) const;

private:
    CStringArray m_list1;
    CStringArray m_list2;
    CStringArray m_list3;
};
