// The prints of the Wine prefix's PDF printer, as tests wait for them.
//
// The printer turns each print into print-<date>-<time>-<pid>.pdf in the
// folder "printed" beside the prefix, converting it after the program has
// handed it to the spooler; a test that reads a print must wait for it. A
// PrintWatch notes what the folder holds before the test prints (old prints
// of earlier runs and prints still being written), and afterwards waits,
// for a bounded time, for the prints made since to be complete.
//
// Wine also starts the machine's own programs (Ghostscript) without letting
// the caller wait for their end; RunShell waits for them.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace printed {

// The print folder as a Unix path ("" when CORV_WINEPREFIX is unset).
std::string FolderUnix();
// A Unix path as Wine's Z: drive shows it.
std::string WindowsPath(const std::string& unixPath);
// The bytes of a file named by its Unix path ("" when it cannot be read).
std::string ReadBytes(const std::string& unixPath);
// Whether bytes are a whole PDF or PostScript file: they end with the
// %%EOF line the writer puts last.
bool EndsWithEof(const std::string& bytes);

// How a test waits a little: sleeps by default; window tests pump messages.
using Pause = std::function<void(DWORD ms)>;

class PrintWatch {
public:
    explicit PrintWatch(Pause pause = nullptr);

    // The names of the n prints made since the watch began, in the order
    // they were made, once each is complete. When they do not all come
    // within timeoutMs it returns the complete ones it has and Problem()
    // says what was missing.
    std::vector<std::string> WaitForPrints(size_t n, DWORD timeoutMs = 60000);
    // The one print made since the watch began ("" and Problem() when none).
    std::string WaitForPrint(DWORD timeoutMs = 60000);
    // How many prints made since the watch began are complete now.
    size_t CompleteNow() const;
    // The Unix path of a print of the folder.
    static std::string PathOf(const std::string& name);

    const std::string& Problem() const { return m_problem; }

private:
    std::vector<std::string> FreshComplete() const;

    Pause m_pause;
    std::set<std::string> m_before;  // prints, and prints being written, at the start
    std::string m_problem;
};

// Runs a shell command line of the machine (no double quotes in it) and
// waits, at most timeoutMs, until it has ended. False when it could not be
// started or did not end in time.
bool RunShell(const std::string& command, DWORD timeoutMs = 60000);

// The text of pages nFirst to nLast (0: to the end) of a PDF or PostScript
// file named by its Unix path, one entry a page, as Ghostscript reads it
// (UTF-8): each run of blanks, tabs and line ends made one blank, ends
// trimmed. A no-break space or soft hyphen stays what it is, as a search
// in the file meets it. Empty when Ghostscript could not read it.
std::vector<std::string> PageTexts(const std::string& unixPath, int nFirst = 1, int nLast = 0);
// The text of the whole file: its pages one after another, a blank between
// them ("" when Ghostscript could not read it).
std::string Text(const std::string& unixPath);

}  // namespace printed
