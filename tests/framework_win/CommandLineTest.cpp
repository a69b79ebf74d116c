// The command line as the shell passes it.
#include <gtest/gtest.h>

#include "framework/core/StringArray.h"
#include "framework/win/CommandLine.h"
#include "tests/framework_win/WinTestSupport.h"

TEST(CommandLine, QuotedPathIsOneArgumentWithoutQuotes) {
    CStringArray args;
    CCommandLineInfo::SplitArguments("\"C:\\My Jobs\\big job.job\"  /x  plain \"a\\\"b\"", args);
    ASSERT_EQ(args.GetSize(), 4);
    EXPECT_EQ(args[0], "C:\\My Jobs\\big job.job");
    EXPECT_EQ(args[1], "/x");
    EXPECT_EQ(args[2], "plain");
    EXPECT_EQ(args[3], "a\"b");
}

TEST(CommandLine, ParseGivesFileToOpenAndSplashFlag) {
    char line[] = "\"C:\\My Jobs\\one.job\"";
    theTestApp.m_lpCmdLine = line;
    CCommandLineInfo info;
    theTestApp.ParseCommandLine(info);
    EXPECT_EQ(info.m_strFileName, "C:\\My Jobs\\one.job");
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_TRUE(info.m_bShowSplash);

    char embedded[] = "-Embedding";
    theTestApp.m_lpCmdLine = embedded;
    CCommandLineInfo info2;
    theTestApp.ParseCommandLine(info2);
    EXPECT_FALSE(info2.m_bShowSplash);
    EXPECT_EQ(info2.m_nShellCommand, CCommandLineInfo::FileNothing);
    theTestApp.m_lpCmdLine = nullptr;
}
