#include "cli/CliRunner.h"
#include "device/linux/FileReceiverLock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

struct Case {
    QStringList arguments;
    int status;
    const char* inOut;  // text standard output must hold ("" for none)
    const char* inErr;  // text standard error must hold ("" for none)
};

TEST(CliTest, UsageListAndExitStatuses)
{
    const Case cases[] = {
        {{"--help"}, 0, "Commands:", ""},
        {{"--version"}, 0, "karvelo-rf 0.15", ""},
        {{}, 2, "", "Usage:"},
        {{"frobnicate"}, 2, "", "unknown command 'frobnicate'"},
        {{"list", "--bogus"}, 2, "", "unknown option '--bogus'"},
        {{"list", "--receiver"}, 2, "", "--receiver needs a value"},
        {{"list", "--help"}, 0, "Usage: karvelo-rf", ""},
        {{"--simulate", "list"}, 0, "sim:hidraw1  7A3C:0E41  ok", ""},
    };
    CliRunner cli;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun run = cli.run(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(c.inOut))) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.inErr))) << run.err.toStdString();
    }
}

TEST(CliTest, ListAsJsonParsesBack)
{
    const CliRun run = CliRunner().run({"--simulate", "--json", "list"});
    ASSERT_EQ(run.status, 0);
    const QJsonArray receivers = QJsonDocument::fromJson(run.out.toUtf8()).object()["receivers"].toArray();
    ASSERT_EQ(receivers.size(), 1);
    const QJsonObject receiver = receivers.at(0).toObject();
    EXPECT_EQ(receiver["node"].toString(), "sim:hidraw1");
    EXPECT_EQ(receiver["vendorId"].toString(), "7A3C");
    EXPECT_EQ(receiver["productId"].toString(), "0E41");
    EXPECT_TRUE(receiver["access"].toBool());
}

} // namespace
