#include "selection/LMCheck.h"

#include "selection/DtaReader.h"

CCompCheck::CCompCheck(const CString& name, const CString& value) : m_strName(name) {
    m_arrValues.Add(value);
}

CCompCheck::CCompCheck(const CCompCheck& other)
    : CObject(other), m_strName(other.m_strName), m_arrValues(other.m_arrValues) {}

CCompCheck& CCompCheck::operator=(const CCompCheck& other) {
    if (this != &other) {
        m_strName = other.m_strName;
        m_arrValues.Copy(other.m_arrValues);
    }
    return *this;
}

CLMCheck::CLMCheck(const CLMCheck& other) : CObject(other) { CopyChecks(other); }

CLMCheck& CLMCheck::operator=(const CLMCheck& other) {
    if (this != &other) {
        m_arrChecks.DeleteAll();
        m_byName.clear();
        CopyChecks(other);
    }
    return *this;
}

CLMCheck::~CLMCheck() { m_arrChecks.DeleteAll(); }

void CLMCheck::CopyChecks(const CLMCheck& other) {
    for (CObject* p : other.m_arrChecks) m_arrChecks.Add(new CCompCheck(*static_cast<CCompCheck*>(p)));
    m_byName = other.m_byName;
}

void CLMCheck::AddCondition(const CString& name, const CString& value) {
    const auto found = m_byName.find(name.str());
    if (found != m_byName.end()) {
        Check(found->second)->AddValue(value);
        return;
    }
    m_byName.emplace(name.str(), m_arrChecks.GetSize());
    m_arrChecks.Add(new CCompCheck(name, value));
}

void CLMCheck::Read(CDtaReader& reader) {
    const int nConditions = reader.ReadCount(DtaItemBytes::kCondition);
    for (int i = 0; i < nConditions; ++i) {
        const CString name = reader.ReadLine();
        const int nValues = reader.ReadCount(DtaItemBytes::kLine);
        for (int j = 0; j < nValues; ++j) AddCondition(name, reader.ReadLine());
    }
}
