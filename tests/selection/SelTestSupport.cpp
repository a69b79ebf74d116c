#include "tests/selection/SelTestSupport.h"

#include <atomic>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "model/Component.h"
#include "model/Field.h"

namespace {

// Removes the folders of the run when the test program ends.
struct FolderCleanup {
    std::vector<std::filesystem::path> folders;
    ~FolderCleanup() {
        std::error_code ignored;
        for (const auto& f : folders) std::filesystem::remove_all(f, ignored);
    }
};

FolderCleanup& Cleanup() {
    static FolderCleanup cleanup;
    return cleanup;
}

}  // namespace

std::string MakeTestFolder(const std::string& name) {
    // Unique per process and call, so parallel runs and reruns never share files.
    static const unsigned int run = std::random_device{}();
    static std::atomic<int> counter{0};
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         ("corv-sel-" + std::to_string(run) + "-" + std::to_string(counter++) + "-" + name);
    fs::create_directories(dir);
    Cleanup().folders.push_back(dir);
    std::string s = dir.string();
    s += static_cast<char>(fs::path::preferred_separator);
    return s;
}

void WriteProductFile(const std::string& folder, const std::string& fileName, const std::string& bytes) {
    productgen::WriteFileBytes(folder + fileName, bytes);
}

MessageRecorder::MessageRecorder() {
    m_previous = AfxSetMessageBoxHook([this](const char* text, UINT style) {
        texts.emplace_back(text);
        styles.push_back(style);
        return IDOK;
    });
}

MessageRecorder::~MessageRecorder() { AfxSetMessageBoxHook(m_previous); }

ScopedSettings::ScopedSettings(const CSelSettings& settings) {
    m_previous = SetSelSettingsProvider([settings] { return settings; });
}

ScopedSettings::~ScopedSettings() { SetSelSettingsProvider(m_previous); }

JobLines::JobLines() { m_pSummaryLine = m_summary.AddRecord(&m_detailStruct); }

JobLines::~JobLines() = default;

int JobLines::AddDetail() {
    Detail()->AddRecord();
    return Detail()->GetSize() - 1;
}

CTechField* JobLines::Tech(int row) const {
    return dynamic_cast<CTechField*>(Detail()->GetRecord(row)->GetField(TechColumn()));
}

void JobLines::SetTech(int row, const char* text, int fileNo,
                       const std::vector<productgen::Component>& components, const char* fileName,
                       int style) {
    CTechField* pField = Tech(row);
    pField->SetText(text);
    pField->SetFileName(fileName);
    pField->m_nFileNo = fileNo;
    pField->m_nStyle = style;
    CObArray arr;
    for (const auto& c : components) arr.Add(new CComponent(c.name.c_str(), c.start, c.length));
    pField->SetComponents(arr);
    arr.DeleteAll();
}

void JobLines::SetDetailField(int row, const char* name, const char* text) {
    Detail()->GetRecord(row)->GetFieldByName(name)->SetText(text);
}

void JobLines::SetSummaryField(const char* name, const char* text) {
    m_pSummaryLine->GetFieldByName(name)->SetText(text);
}

std::vector<std::string> ComponentTexts(const CObArray& components) {
    std::vector<std::string> out;
    for (CObject* p : components) {
        const CComponent* c = static_cast<const CComponent*>(p);
        out.push_back(std::string(c->GetName().GetString()) + "@" + std::to_string(c->m_nStart) + "+" +
                      std::to_string(c->m_nLength));
    }
    return out;
}
