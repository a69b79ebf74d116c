#include "tests/app/AppTestSupport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "framework/win/DocTemplate.h"
#include "model/CorvDoc.h"
#include "model/NewJobDefaults.h"

namespace {
CCorvApp g_app;
}

CCorvApp& TestApp() { return g_app; }

CDocTemplate* JobTemplate() {
    POSITION pos = g_app.GetFirstDocTemplatePosition();
    return pos ? g_app.GetNextDocTemplate(pos) : nullptr;
}

std::string TestDir() {
    static std::string dir;
    if (dir.empty()) {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        dir = std::string(temp) + "corv-app-test-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(dir.c_str(), nullptr);
    }
    return dir;
}

void RemoveTestDir() {
    std::error_code ignored;
    std::filesystem::remove_all(TestDir(), ignored);
}

std::string UseFreshProfile(const std::string& name) {
    const std::string path = TestDir() + name;
    DeleteFileA(path.c_str());
    g_app.SetProfileName(path.c_str());
    return path;
}

std::vector<std::string> IniSection::KeyNames() const {
    std::vector<std::string> names;
    for (const auto& kv : keys) names.push_back(kv.first);
    return names;
}

std::string IniSection::Value(const std::string& key) const {
    for (const auto& kv : keys)
        if (kv.first == key) return kv.second;
    return "<missing>";
}

const IniSection* IniFile::Find(const std::string& name) const {
    for (const IniSection& s : sections)
        if (s.name == name) return &s;
    return nullptr;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    for (const IniSection& s : sections) names.push_back(s.name);
    return names;
}

IniFile ReadIni(const std::string& path) {
    IniFile ini;
    std::istringstream in(ReadFileBytes(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[') {
            ini.sections.push_back({line.substr(1, line.find(']') - 1), {}});
        } else if (!ini.sections.empty()) {
            const size_t eq = line.find('=');
            ini.sections.back().keys.emplace_back(line.substr(0, eq),
                                                  eq == std::string::npos ? "" : line.substr(eq + 1));
        }
    }
    return ini;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string SerializeJob(CCorvDoc& doc) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    doc.Serialize(ar);
    ar.Close();
    return std::string(file.Data().begin(), file.Data().end());
}

void WriteJobFile(const std::string& path, const char* project) {
    CCorvDoc doc;
    doc.InitNewJobData(CNewJobDefaults());
    doc.SetProject(project);
    WriteFileBytes(path, SerializeJob(doc));
}

void PumpMessages(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!g_app.PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        g_app.OnIdle(0);
        if (ms > 0) Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

std::vector<CCorvDoc*> OpenJobs() {
    std::vector<CCorvDoc*> jobs;
    if (CDocTemplate* pTemplate = JobTemplate())
        for (CDocument* pDoc : pTemplate->GetDocuments()) jobs.push_back(static_cast<CCorvDoc*>(pDoc));
    return jobs;
}

void CloseAllJobs() {
    for (CCorvDoc* pDoc : OpenJobs()) {
        pDoc->SetModifiedFlag(FALSE);
        pDoc->OnCloseDocument();
    }
    PumpMessages();
}
