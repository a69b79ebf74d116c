// CRecord: one line of a table - one field value per descriptor of its
// layout, in layout order, and optionally a child table of its own (a
// Summary line owns its Detail lines). The record owns its fields and its
// child table; the layout is shared.
#pragma once

#include "framework/core/Archive.h"
#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"

class CField;
class CTable;
class CTableStruct;

class CRecord : public CObject {
    DECLARE_SERIAL(CRecord)
public:
    // An empty record, filled when an archive is read.
    CRecord() = default;
    // One new field per descriptor, of the class its type letter names, and
    // an empty child table on pChildStruct when one is given.
    explicit CRecord(CTableStruct* pTableStruct, CTableStruct* pChildStruct = nullptr);
    // Same layout, copies of the fields and of the child table.
    CRecord(const CRecord& other);
    CRecord& operator=(const CRecord& other);
    ~CRecord() override;

    // Fields (object array), layout (object reference), child table (object
    // reference or null). Reading refuses a record whose fields do not match
    // its layout one for one.
    void Serialize(CArchive& ar) override;

    CTableStruct* GetTableStruct() const { return m_pTableStruct; }
    // The child table, or null.
    CTable* GetChild() const { return m_pChild; }
    int GetFieldCount() const { return m_arrFields.GetSize(); }

    // The field at an index, or of a name of the layout; an index outside
    // the record or a name the layout lacks raises CInvalidArgException.
    CField* GetField(int nIndex) const;
    CField* GetFieldByName(const char* pszName) const;

    // Empty: every field's text is empty once trailing white space is
    // removed, and so is every line of the child table.
    BOOL IsEmpty() const;
    // The same, passing over the field of that name here and in the child lines.
    BOOL IsEmptyExcept(const char* pszName) const;

    // Empties every field and deletes the child table's lines (the child
    // table stays).
    void Clear();

    // Copy this line's values into the target, or the source's into this
    // line: each text passes through the receiving field's SetText, words
    // keep their indents, technical descriptions their file, style and
    // components; the receiving child table's lines are replaced by copies.
    void CopyToClip(CRecord& target) const;
    void PasteFromClip(const CRecord& source);

private:
    void DeleteContents();
    void CopyContents(const CRecord& other);
    bool IsEmptyPassing(const char* pszSkip) const;
    // Copies the values of from into to over the layout of self.
    static void CopyValues(const CRecord& self, const CRecord& from, CRecord& to);
    void CheckLoaded(CArchive& ar) const;

    CTableStruct* m_pTableStruct = nullptr;  // shared
    CObArray m_arrFields;                    // of CField, owned
    CTable* m_pChild = nullptr;              // owned, or null
};
