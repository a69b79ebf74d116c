// Builds archive bytes by hand for the model's archive tests: every item is
// spelled out here, independently of CArchive, so a round trip compares the
// code's output with what the file format says.
#pragma once

#include <cstring>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

class ByteBuilder {
public:
    ByteBuilder& Byte(unsigned char b) {
        m_bytes.push_back(b);
        return *this;
    }
    ByteBuilder& Raw(std::initializer_list<unsigned char> bytes) {
        m_bytes.insert(m_bytes.end(), bytes);
        return *this;
    }
    // 16-bit little-endian.
    ByteBuilder& Word(unsigned int w) { return Byte(w & 0xFF).Byte((w >> 8) & 0xFF); }
    // The characters alone.
    ByteBuilder& Ascii(const std::string& s) {
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
        return *this;
    }
    // A text shorter than 255 bytes: one length byte, then the bytes.
    ByteBuilder& Text(const std::string& s) { return Byte(static_cast<unsigned char>(s.size())).Ascii(s); }
    // A new class: tag 0xFFFF, schema, name length, name.
    ByteBuilder& NewClass(const std::string& name, unsigned int schema = 1) {
        return Word(0xFFFF).Word(schema).Word(static_cast<unsigned int>(name.size())).Ascii(name);
    }
    // A new object of the class with index n.
    ByteBuilder& KnownClass(unsigned int n) { return Word(0x8000 | n); }
    // A reference to the object with index n (0: null).
    ByteBuilder& Ref(unsigned int n) { return Word(n); }
    ByteBuilder& Append(const Bytes& b) {
        m_bytes.insert(m_bytes.end(), b.begin(), b.end());
        return *this;
    }

    const Bytes& Get() const { return m_bytes; }
    operator Bytes() const { return m_bytes; }

private:
    Bytes m_bytes;
};

// The 8 bytes of the doubles the tests use, little-endian IEEE 754.
inline const Bytes kDouble12_5 = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x29, 0x40};
inline const Bytes kDoubleEmpty = {0x9A, 0x64, 0x7E, 0xC5, 0x0E, 0x1B, 0x51, 0x4A};     // 1e50
inline const Bytes kDoubleOverflow = {0x9A, 0x64, 0x7E, 0xC5, 0x0E, 0x1B, 0x61, 0x4A};  // 2e50
