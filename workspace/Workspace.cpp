#include "workspace/Workspace.h"

#include <utility>

namespace {
CWorkspace* g_pInstalled = nullptr;
}  // namespace

CWorkspace* CorvInstallWorkspace(CWorkspace* pWorkspace) { return std::exchange(g_pInstalled, pWorkspace); }

CWorkspace& CorvGetWorkspace() {
    if (g_pInstalled) return *g_pInstalled;
    static CWorkspace fallback;
    return fallback;
}
