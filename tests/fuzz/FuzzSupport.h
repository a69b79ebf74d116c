// Shared by the fuzz targets: messages answered without a user, the seed
// corpus written by the program's own writers, and a reader that takes
// typed values from the fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace fuzz {

// For LLVMFuzzerInitialize: every message box is answered as a user pressing
// its default button would. With CORV_FUZZ_SEEDS naming a folder, calls
// writeSeeds with it and ends the process (tools/fuzz --seeds).
void Initialize(const std::function<void(const std::string& folder)>& writeSeeds);
void WriteSeed(const std::string& folder, const std::string& name, const std::string& bytes);

// A crash that the target itself found (a broken round trip, say).
[[noreturn]] void Fail(const char* what);

// Typed values from the input, in order; past its end every value is 0 or
// empty.
class Input {
public:
    Input(const uint8_t* data, size_t size) : m_p(data), m_left(size) {}
    uint8_t Byte();
    bool Bool() { return (Byte() & 1) != 0; }
    int32_t Int();
    // An int in [0, n) (0 when n <= 0).
    int Pick(int n);
    // A text of up to nMax bytes, its length from the input.
    std::string Text(size_t nMax);
    std::string Rest();
    bool Empty() const { return m_left == 0; }

private:
    const uint8_t* m_p;
    size_t m_left;
};

}  // namespace fuzz
