// Helpers of the application-frame tests: the one application object of
// the test program, a private folder for the files a test writes, a fresh
// INI file per test, the INI file read back as sections and keys, job files,
// and pumping the message queue.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/CorvApp.h"

class CCorvDoc;
class CDocTemplate;

// The application object of the test program (started once by the test
// environment, see AppEnvironment).
CCorvApp& TestApp();

// The job template that start-up registered.
CDocTemplate* JobTemplate();

// The folder of this test run (Windows path, ending in a backslash).
std::string TestDir();
// Deletes it with everything in it.
void RemoveTestDir();

// A fresh INI file for the application: TestDir() + name, deleted first.
// Returns its path.
std::string UseFreshProfile(const std::string& name);

// The INI file as written: sections in file order, keys in section order.
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
    std::vector<std::string> KeyNames() const;
    // The value of a key, or "<missing>".
    std::string Value(const std::string& key) const;
};
struct IniFile {
    std::vector<IniSection> sections;
    const IniSection* Find(const std::string& name) const;
    std::vector<std::string> SectionNames() const;
};
IniFile ReadIni(const std::string& path);

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// A job saved the way the document itself writes it; returns the bytes.
std::string SerializeJob(CCorvDoc& doc);
// Writes a new job (new-job values, then the given project name) to path.
void WriteJobFile(const std::string& path, const char* project);

// Dispatches every queued message, for about `ms` milliseconds.
void PumpMessages(int ms = 0);

// Every open job, in template order.
std::vector<CCorvDoc*> OpenJobs();
// Closes every open job without asking.
void CloseAllJobs();
