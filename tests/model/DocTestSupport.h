// Helpers of the document tests: line tables on the built-in layouts,
// field texts by name, the entries of a changed-field list, the rounding
// preference for one test, and a job written to and read from memory.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/PriceSettings.h"
#include "model/Record.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"

using Bytes = std::vector<unsigned char>;
using Entries = std::vector<std::pair<std::string, std::string>>;

// Summary lines on the built-in layouts, each with a Detail table.
struct Lines {
    CTableStruct summary{CTableStruct::kindSummary};
    CTableStruct detail{CTableStruct::kindDetail};
    CTable table{&summary};

    // A new Summary line; returns its row.
    int AddLine() {
        table.AddRecord(&detail);
        return table.GetSize() - 1;
    }
    CTable* Details(int row) { return table.GetRecord(row)->GetChild(); }
    // A new Detail line of a Summary line; returns its row.
    int AddDetail(int row) {
        Details(row)->AddRecord();
        return Details(row)->GetSize() - 1;
    }
};

inline void Put(CTable* table, int row, const char* name, const char* text) {
    table->GetRecord(row)->GetFieldByName(name)->SetText(text);
}

inline std::string Text(CTable* table, int row, const char* name) {
    return std::string(table->GetRecord(row)->GetFieldByName(name)->GetText());
}

inline Entries EntriesOf(const CSlots& slots) {
    Entries e;
    for (int i = 0; i < slots.m_arrNames.GetSize(); ++i)
        e.emplace_back(std::string(slots.m_arrNames[i]), std::string(slots.m_arrValues[i]));
    return e;
}

// Sets the rounding preference for the life of the object.
class RoundingPreference {
public:
    explicit RoundingPreference(BOOL bRound) : m_old(GetPriceSettings().m_bRound) {
        GetPriceSettings().m_bRound = bRound;
    }
    ~RoundingPreference() { GetPriceSettings().m_bRound = m_old; }
    RoundingPreference(const RoundingPreference&) = delete;
    RoundingPreference& operator=(const RoundingPreference&) = delete;

private:
    BOOL m_old;
};

// A job document whose reserve and rate fields a test may reach.
class TestDoc : public CCorvDoc {
public:
    void SetRate(const char* rate) { m_strFreightRate = rate; }
    CString& SpareText(int i) { return m_strSpare[i]; }
    double& SpareDouble(int i) { return m_dSpare[i]; }
    int& SpareInt(int i) { return m_nSpare[i]; }
    const CString& FileIdent() const { return m_strFileIdent; }
};

inline Bytes WriteJob(CCorvDoc& doc) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    doc.Serialize(ar);
    ar.Close();
    return file.Data();
}

// Reads the bytes into the document through its Serialize; the archive's
// exceptions pass through.
inline void ReadJob(CCorvDoc& doc, const Bytes& bytes) {
    CMemFile file(bytes.data(), bytes.size());
    CArchive ar(&file, CArchive::load);
    doc.Serialize(ar);
    ar.Close();
}
