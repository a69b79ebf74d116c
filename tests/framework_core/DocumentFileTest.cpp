// Opening and saving a document's file: an empty file is not read, a
// damaged one is reported, and a failed save leaves the old file intact.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/core/Document.h"
#include "framework/core/MessageBox.h"

namespace {

class CTextDoc : public CDocument {
public:
    void Serialize(CArchive& ar) override {
        ++serializeCalls;
        if (ar.IsStoring()) {
            ar << m_text;
            if (failWrite) AfxThrowFileException(CFileException::diskFull);
            ar << m_text;
        } else {
            ar >> m_text;
            ar >> m_text;
        }
    }
    void DeleteContents() override { m_text.Empty(); }
    CString m_text;
    bool failWrite = false;
    int serializeCalls = 0;
};

struct MessageLog {
    MessageLog() {
        previous = AfxSetMessageBoxHook([this](const char* text, UINT) {
            texts.push_back(text);
            return IDOK;
        });
    }
    ~MessageLog() { AfxSetMessageBoxHook(previous); }
    std::vector<std::string> texts;
    MessageBoxHook previous;
};

std::string TempPath(const char* name) {
    const char* dir = std::getenv("TMPDIR");
#ifdef _WIN32
    if (!dir) dir = std::getenv("TEMP");
#endif
    std::string base = dir ? dir : "/tmp";
    return base + "/corv_doc_" + name + "_" + std::to_string(reinterpret_cast<uintptr_t>(&base) % 100000);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(DocumentFile, SaveThenOpenRoundTrips) {
    MessageLog log;
    std::string path = TempPath("roundtrip");
    CTextDoc doc;
    doc.m_text = "gate valve";
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadAll(path), std::string("\x0Agate valve\x0Agate valve"));

    CTextDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path.c_str()));
    EXPECT_EQ(back.m_text, "gate valve");
    EXPECT_FALSE(back.IsModified());
    EXPECT_TRUE(log.texts.empty());
    std::remove(path.c_str());
}

TEST(DocumentFile, AnEmptyFileIsNotRead) {
    MessageLog log;
    std::string path = TempPath("empty");
    { std::ofstream(path, std::ios::binary); }
    CTextDoc doc;
    EXPECT_TRUE(doc.OnOpenDocument(path.c_str()));
    EXPECT_EQ(doc.serializeCalls, 0);
    std::remove(path.c_str());
}

TEST(DocumentFile, ATruncatedFileIsReportedAndEmptied) {
    MessageLog log;
    std::string path = TempPath("truncated");
    { std::ofstream(path, std::ios::binary) << std::string("\x0Agate", 5); }
    CTextDoc doc;
    doc.m_text = "left over";
    EXPECT_FALSE(doc.OnOpenDocument(path.c_str()));
    EXPECT_TRUE(doc.m_text.IsEmpty());
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_EQ(log.texts[0], "Unexpected file format.");
    std::remove(path.c_str());
}

TEST(DocumentFile, AMissingFileIsReported) {
    MessageLog log;
    CTextDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(TempPath("does_not_exist").c_str()));
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_NE(log.texts[0].find("could not be found"), std::string::npos);
}

TEST(DocumentFile, AFailedSaveKeepsThePreviousFileAndTheModifiedFlag) {
    MessageLog log;
    std::string path = TempPath("failsave");
    { std::ofstream(path, std::ios::binary) << "previous contents"; }
    CTextDoc doc;
    doc.m_text = "new text";
    doc.SetModifiedFlag();
    doc.failWrite = true;
    EXPECT_FALSE(doc.OnSaveDocument(path.c_str()));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadAll(path), "previous contents");
    EXPECT_FALSE(std::ifstream(path + ".tmp~").good());
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_NE(log.texts[0].find("disk is full"), std::string::npos);
    std::remove(path.c_str());
}
