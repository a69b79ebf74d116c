#include "selection/ChoiceWnd.h"

#include "framework/core/File.h"
#include "selection/DtaReader.h"

namespace {

void ReadList(CDtaReader& reader, CStringArray& list) {
    const int n = reader.ReadCount(DtaItemBytes::kLine);
    for (int i = 0; i < n; ++i) list.Add(reader.ReadLine());
}

void WriteList(CStdioFile* pFile, const CStringArray& list) {
    const unsigned int n = static_cast<unsigned int>(list.GetSize());
    const unsigned char count[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                    static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
    pFile->Write(count, 4);
    for (const CString& s : list) {
        pFile->Write(s.GetString(), static_cast<UINT>(s.GetLength()));
        pFile->Write("\n", 1);
    }
}

}  // namespace

CChoiceWnd::CChoiceWnd(const CChoiceWnd& other)
    : CObject(other), m_list1(other.m_list1), m_list2(other.m_list2), m_list3(other.m_list3) {}

CChoiceWnd& CChoiceWnd::operator=(const CChoiceWnd& other) {
    if (this != &other) {
        m_list1.Copy(other.m_list1);
        m_list2.Copy(other.m_list2);
        m_list3.Copy(other.m_list3);
    }
    return *this;
}

void CChoiceWnd::Load(CDtaReader& reader) {
    m_list1.RemoveAll();
    m_list2.RemoveAll();
    m_list3.RemoveAll();
    ReadList(reader, m_list1);
    ReadList(reader, m_list2);
    ReadList(reader, m_list3);
}

void CChoiceWnd::Store(CStdioFile* pFile) const {
    WriteList(pFile, m_list1);
    WriteList(pFile, m_list2);
    WriteList(pFile, m_list3);
}
