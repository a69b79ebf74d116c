// Shared pieces of the selection tests: a folder of product files per test
// run, the message-box recorder, the application settings, and job lines to
// select for.
#pragma once

#include <string>
#include <vector>

#include "framework/core/MessageBox.h"
#include "framework/core/ObArray.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "selection/SelOwner.h"
#include "selection/SelSettings.h"
#include "tests/support/ProductFileWriter.h"

// A fresh folder under the temporary folder, ending with its separator.
std::string MakeTestFolder(const std::string& name);
// Writes bytes as folder + fileName.
void WriteProductFile(const std::string& folder, const std::string& fileName, const std::string& bytes);

// Records every message box and answers OK; restores the previous hook.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    std::vector<std::string> texts;
    std::vector<UINT> styles;

private:
    MessageBoxHook m_previous;
};

// Installs settings for the lifetime of the object.
class ScopedSettings {
public:
    explicit ScopedSettings(const CSelSettings& settings);
    ~ScopedSettings();

private:
    SelSettingsProvider m_previous;
};

// A job's Summary line with its Detail lines on the built-in layouts.
class JobLines : public CSelOwner {
public:
    JobLines();
    ~JobLines() override;

    // Appends a Detail line; returns its row.
    int AddDetail();
    // Sets the line's Technical Description.
    void SetTech(int row, const char* text, int fileNo, const std::vector<productgen::Component>& components,
                 const char* fileName = "", int style = 1);
    void SetDetailField(int row, const char* name, const char* text);
    void SetSummaryField(const char* name, const char* text);
    CTechField* Tech(int row) const;

    CTable* Detail() const { return m_pSummaryLine->GetChild(); }
    int TechColumn() const { return m_detailStruct.FindField("Technical Description"); }

    CTableStruct* GetSummaryStruct() const override { return const_cast<CTableStruct*>(&m_summaryStruct); }
    CRecord* GetCurrentSummaryLine() const override { return m_pSummaryLine; }

private:
    CTableStruct m_summaryStruct{CTableStruct::kindSummary};
    CTableStruct m_detailStruct{CTableStruct::kindDetail};
    CTable m_summary{&m_summaryStruct};
    CRecord* m_pSummaryLine = nullptr;
};

// Texts of a component array, for comparisons.
std::vector<std::string> ComponentTexts(const CObArray& components);
