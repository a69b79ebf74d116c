// The conditions of a group or item line of a grouped product file.
// CCompCheck is one condition: a name (a component, a Detail or Summary
// field, or an alternative marker "or" to "or8") and its allowed values.
// CLMCheck is the list of them, one per name, in order of first appearance.
#pragma once

#include <string>
#include <unordered_map>

#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "framework/core/StringArray.h"

class CDtaReader;

class CCompCheck : public CObject {
public:
    CCompCheck(const CString& name, const CString& value);
    CCompCheck(const CCompCheck& other);
    CCompCheck& operator=(const CCompCheck& other);

    CString GetName() const { return m_strName; }
    int GetValueCount() const { return m_arrValues.GetSize(); }
    // An index outside the values raises the invalid-argument exception.
    CString GetValue(int j) const { return m_arrValues.GetAt(j); }
    void AddValue(const CString& value) { m_arrValues.Add(value); }

private:
    CString m_strName;
    CStringArray m_arrValues;
};

class CLMCheck : public CObject {
public:
    CLMCheck() = default;
    CLMCheck(const CLMCheck& other);
    CLMCheck& operator=(const CLMCheck& other);
    ~CLMCheck() override;

    int GetCount() const { return m_arrChecks.GetSize(); }
    // Indexes outside the lists raise the invalid-argument exception.
    CString GetName(int i) const { return Check(i)->GetName(); }
    CString GetValue(int i, int j) const { return Check(i)->GetValue(j); }
    int GetValueCount(int i) const { return Check(i)->GetValueCount(); }

    // One allowed value for the condition of that name: appended to the
    // condition when the name is known (its place stays), else a new
    // condition at the end.
    void AddCondition(const CString& name, const CString& value);

    // A conditions block: a count, then per condition its name, a value
    // count and the values. A value count of 0 leaves no trace.
    void Read(CDtaReader& reader);

private:
    CCompCheck* Check(int i) const { return static_cast<CCompCheck*>(m_arrChecks.GetAt(i)); }
    void CopyChecks(const CLMCheck& other);

    CObArray m_arrChecks;  // of CCompCheck, owned
    // Index of each name's condition, so that a block of many conditions
    // reads in linear time rather than comparing every new name with all
    // the names before it.
    std::unordered_map<std::string, int> m_byName;
};
