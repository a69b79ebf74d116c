// The report tests need the application object only for its INI file,
// which holds the print settings.
#include <gtest/gtest.h>

#include "tests/app/AppTestSupport.h"

namespace {
class ReportEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        UseFreshProfile("reports.ini");
        TestApp().ReadSettings();  // the defaults: logo, letterhead and footer on
    }
    void TearDown() override { RemoveTestDir(); }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ReportEnvironment);
}  // namespace
