#include "tests/fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/core/MessageBox.h"

namespace fuzz {

void Initialize(const std::function<void(const std::string& folder)>& writeSeeds) {
    AfxSetMessageBoxHook([](const char*, UINT nType) {
        switch (nType & 0x0F) {
            case MB_YESNO:
            case MB_YESNOCANCEL:
                return IDYES;
            default:
                return IDOK;
        }
    });
    const char* pszSeeds = std::getenv("CORV_FUZZ_SEEDS");
    if (pszSeeds != nullptr && *pszSeeds != '\0') {
        std::filesystem::create_directories(pszSeeds);
        writeSeeds(pszSeeds);
        std::exit(0);
    }
}

void WriteSeed(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(folder) / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) Fail("seed not written");
}

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz target: %s\n", what);
    std::abort();
}

uint8_t Input::Byte() {
    if (m_left == 0) return 0;
    --m_left;
    return *m_p++;
}

int32_t Input::Int() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Byte()) << (8 * i);
    return static_cast<int32_t>(v);
}

int Input::Pick(int n) {
    if (n <= 0) return 0;
    return static_cast<int>(static_cast<uint32_t>(Int()) % static_cast<uint32_t>(n));
}

std::string Input::Text(size_t nMax) {
    size_t n = Byte();
    if (n > nMax) n %= nMax + 1;
    if (n > m_left) n = m_left;
    std::string s(reinterpret_cast<const char*>(m_p), n);
    m_p += n;
    m_left -= n;
    return s;
}

std::string Input::Rest() {
    std::string s(reinterpret_cast<const char*>(m_p), m_left);
    m_p += m_left;
    m_left = 0;
    return s;
}

}  // namespace fuzz
