#include "bench/paginate/MeasureCount.h"

#include <windows.h>

#include <cstring>

namespace {
MeasureCount g_count;

using ExtentFn = BOOL(WINAPI*)(HDC, LPCSTR, int, LPSIZE);
using ExtentExFn = BOOL(WINAPI*)(HDC, LPCSTR, int, int, LPINT, LPINT, LPSIZE);
ExtentFn g_pExtent = nullptr;
ExtentExFn g_pExtentEx = nullptr;

BOOL WINAPI CountedExtent(HDC hDC, LPCSTR psz, int n, LPSIZE pSize) {
    ++g_count.nCalls;
    g_count.nCharacters += static_cast<size_t>(n > 0 ? n : 0);
    return g_pExtent(hDC, psz, n, pSize);
}

BOOL WINAPI CountedExtentEx(HDC hDC, LPCSTR psz, int n, int nMax, LPINT pnFit, LPINT pDx, LPSIZE pSize) {
    ++g_count.nCalls;
    g_count.nCharacters += static_cast<size_t>(n > 0 ? n : 0);
    return g_pExtentEx(hDC, psz, n, nMax, pnFit, pDx, pSize);
}

// Points the program's import of pszName (from gdi32) at pNew and returns
// what it pointed at, or null when the program does not import it.
void* Repoint(const char* pszName, void* pNew) {
    auto* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* pImport = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress);
    for (; pImport->Name; ++pImport) {
        if (_stricmp(reinterpret_cast<const char*>(pBase + pImport->Name), "gdi32.dll") != 0) continue;
        auto* pName = reinterpret_cast<const IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk);
        auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
        for (; pName->u1.AddressOfData; ++pName, ++pSlot) {
            if (IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal)) continue;
            const auto* pByName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pName->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(pByName->Name), pszName) != 0) continue;
            DWORD dwOld = 0;
            ::VirtualProtect(&pSlot->u1.Function, sizeof pSlot->u1.Function, PAGE_READWRITE, &dwOld);
            void* pOld = reinterpret_cast<void*>(pSlot->u1.Function);
            pSlot->u1.Function = reinterpret_cast<ULONG_PTR>(pNew);
            ::VirtualProtect(&pSlot->u1.Function, sizeof pSlot->u1.Function, dwOld, &dwOld);
            return pOld;
        }
    }
    return nullptr;
}
}  // namespace

CMeasureCounter::CMeasureCounter() {
    g_count = MeasureCount();
    g_pExtent =
        reinterpret_cast<ExtentFn>(Repoint("GetTextExtentPoint32A", reinterpret_cast<void*>(CountedExtent)));
    g_pExtentEx = reinterpret_cast<ExtentExFn>(
        Repoint("GetTextExtentExPointA", reinterpret_cast<void*>(CountedExtentEx)));
}

CMeasureCounter::~CMeasureCounter() {
    if (g_pExtent) Repoint("GetTextExtentPoint32A", reinterpret_cast<void*>(g_pExtent));
    if (g_pExtentEx) Repoint("GetTextExtentExPointA", reinterpret_cast<void*>(g_pExtentEx));
}

MeasureCount CMeasureCounter::Count() const { return g_count; }
