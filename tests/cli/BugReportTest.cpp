#include "cli/BugReport.h"
#include "cli/CliRunner.h"

#include <QJsonDocument>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/sysmacros.h>

namespace {

// Bytes the kernel hands over: an ACL attribute read whole or cut short, of another version,
// with a tag no ACL has.
TEST(BugReportTest, AclAttributesAreReadOnlyWhenWellFormed)
{
    const auto acl = [](std::initializer_list<int> bytes) {
        QByteArray a;
        for (const int b : bytes)
            a.append(char(b));
        return BugReport::AclText(a);
    };
    const std::initializer_list<int> valid = {
        2, 0, 0,    0, 1, 0, 6,    0,    0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 6,    0,    0xE8, 3,
        0, 0, 0x10, 0, 6, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x20, 0,    0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(acl(valid), QString("user::rw-,user:1000:rw-,mask::rw-,other::---"));
    EXPECT_EQ(acl({2, 0, 0, 0, 1, 0, 6, 0}), std::nullopt);  // an entry cut short
    EXPECT_EQ(acl({1, 0, 0, 0}), std::nullopt);              // another version
    EXPECT_EQ(acl({2, 0, 0, 0, 0x40, 0, 6, 0, 0, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(acl({}), std::nullopt);
}

TEST(BugReportTest, TheLockHolderIsTheFlockOnThatFileNotAWaiter)
{
    const QByteArray locks = "1: POSIX  ADVISORY  WRITE 77 00:19:4242 0 EOF\n"
                             "2: FLOCK  ADVISORY  WRITE 1234 00:19:4243 0 EOF\n"
                             "2: -> FLOCK  ADVISORY  WRITE 99 00:19:4242 0 EOF\n"
                             "3: FLOCK  ADVISORY  WRITE 5678 00:19:4242 0 EOF\n"
                             "garbage";
    EXPECT_EQ(BugReport::LockHolder(locks, makedev(0, 0x19), 4242), 5678);
    EXPECT_EQ(BugReport::LockHolder(locks, makedev(0, 0x1A), 4242), std::nullopt);
}

// On the simulated receiver: the receiver's status and settings, IDs masked unless --full;
// the text in the locale's language.
TEST(BugReportTest, ReportOnTheSimulatedReceiver)
{
    CliRunner cli;
    const CliRun masked = cli.run({"--simulate", "--json", "report"});
    ASSERT_EQ(masked.status, 0) << masked.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(masked.out.toUtf8()).object();
    EXPECT_EQ(report["apiVersion"], 1);
    EXPECT_EQ(report["tool"]["version"], APP_VERSION);
    EXPECT_EQ(report["receiver"]["mouseId"], "**");
    EXPECT_EQ(report["receiver"]["channel"], 40);
    EXPECT_EQ(report["settings"]["hotkey1"], "CALCULATOR");
    EXPECT_TRUE(report["nodes"].isArray());
    const CliRun full = cli.run({"--simulate", "--json", "report", "--full"});
    EXPECT_TRUE(full.out.contains("\"mouseId\": \"21\"")) << full.out.toStdString();
    const CliRun text = cli.run({"--simulate", "report"}, {"LANG=zh_TW.UTF-8"});
    EXPECT_EQ(text.status, 0);
    EXPECT_TRUE(text.out.contains(QRegularExpression("\n  滑鼠 ID +已遮蔽（--full 可顯示）\n")))
        << text.out.toStdString();
}

}  // namespace
