#include "cli/CliRunner.h"
#include "protocol/device/linux/FileReceiverLock.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct Case {
    QStringList arguments;
    int status;
    const char* inOut;  // text standard output must hold; "": it stays empty
    const char* inErr;  // text standard error must hold; "": it stays empty
};

void ExpectHolds(const QString& text, const char* wanted)
{
    if (*wanted == 0)
        EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    else
        EXPECT_TRUE(text.contains(QString::fromUtf8(wanted))) << text.toStdString();
}

CliRun ExpectRuns(const CliRunner& cli, const Case& c, const QStringList& variables = {})
{
    SCOPED_TRACE((variables + c.arguments).join(' ').toStdString());
    const CliRun run = cli.run(c.arguments, variables);
    EXPECT_EQ(run.status, c.status);
    ExpectHolds(run.out, c.inOut);
    ExpectHolds(run.err, c.inErr);
    return run;
}

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
        // No Karvelo receiver on the machine that runs the tests.
        {{"list"}, 3, "", "karvelo-rf: no receiver found (is it plugged in?)\n"},
        {{"--json", "list"}, 3, "\"receivers\": [", "karvelo-rf: no receiver found"},
        {{"--simulate", "status"}, 0, "battery      mouse 6 of 7 (good), keyboard 4", ""},
        {{"--simulate", "--receiver", "/dev/hidraw9", "status"}, 3, "", "no receiver at /dev/"},
        {{"--simulate", "get"}, 0, "hotkey1 = CALCULATOR\nhotkey2 = PLAY/PAUSE\ncpi = low", ""},
        {{"--simulate", "get", "auto-connect"}, 2, "", "auto-connect can be set, not read"},
        {{"--simulate", "get", "cpi", "extra"}, 2, "", "'extra' is one argument too many"},
        {{"--simulate", "status", "extra"}, 2, "", "'extra' is one argument too many"},
        {{"--simulate", "pair", "extra"}, 2, "", "'extra' is one argument too many"},
        {{"--simulate", "set", "cpi", "high", "extra"}, 2, "", "'extra' is one argument too many"},
        {{"--simulate", "list", "--timeout", "3"}, 2, "", "'--timeout' is not an option of list"},
        {{"--simulate", "--vid", "7A3C", "status"}, 2, "", "'--vid' is not an option of status"},
        {{"--simulate", "list", "--receiver", "x"}, 2, "", "'--receiver' is not an option of list"},
        {{"--simulate", "status", "--json", "--json"}, 2, "\"exitStatus\": 2", "'--json' is given"},
        {{"--simulate", "set", "cpi", "HIGH"}, 0, "cpi = high", ""},
        {{"--simulate", "set", "battery-low", "2.4V"}, 0, "battery-low = 2.4", ""},
        {{"--simulate", "set", "hotkey2", "www home"}, 0, "hotkey2 = WWW HOME", ""},
        {{"--simulate", "set", "cpi", "medium"}, 2, "", "the values are: high, low"},
        {{"--simulate", "set", "colour", "red"}, 2, "", "the options are: cpi, lr-cpi-switch"},
        {{"--simulate", "set", "cpi"}, 2, "", "set OPTION VALUE"},
        {{"--simulate", "identity", "--vid", "FFFFF"}, 2, "", "from 0 to FFFF, not 'FFFFF'"},
        {{"--simulate", "identity", "--string", "\u6F22"}, 2, "", "(U+6F22) does not fit"},
        {{"--simulate", "set", "battery-low", "2.40"}, 0, "battery-low = 2.4", ""},
        {{"--simulate", "set", "battery-low", "2.4 v"}, 0, "battery-low = 2.4", ""},
        {{"--simulate", "set", "battery-low", " 2.4"}, 2, "", "' 2.4' is not a value"},
        {{"--simulate", "set", "battery-low", "2.4 "}, 2, "", "'2.4 ' is not a value"},
        {{"--simulate", "set", "battery-low", "2.4  V"}, 2, "", "'2.4  V' is not a value"},
        {{"--simulate", "set", "cpi", "1600"}, 0, "cpi = high", ""},
        {{"--simulate", "set", "cpi", "800"}, 0, "cpi = low", ""},
        {{"--simulate", "set", "cpi", "1000"}, 2, "", "the values are: high, low"},
        {{"--simulate", "get", "nonsense"},
         2,
         "",
         "are: cpi, lr-cpi-switch, power-saving, wakeup, "
         "battery-low, hotkey1, hotkey2\n"},
        {{"--simulate", "pair", "--timeout=1"}, 1, "", "pairing timed out"},
        {{"--simulate", "--json=yes", "status"}, 2, "", "--json takes no value"},
        {{"--simulate", "watch", "--bar=i3"}, 2, "", "--bar takes waybar or line, not 'i3'"},
        {{"--simulate", "set", "battery-low", "2.45"},
         2,
         "",
         "the warning level in volts, one of 3.2"},
        {{"--simulate", "watch", "--interval", "0"}, 2, "", "from 1 to 60, not '0'"},
        {{"--simulate", "watch", "--interval", "61"}, 2, "", "from 1 to 60, not '61'"},
        {{"--simulate", "watch", "--interval", "1.5"}, 2, "", "from 1 to 60, not '1.5'"},
        {{"--simulate", "watch", "--interval"}, 2, "", "--interval needs a value"},
        {{"--simulate", "status", "--interval", "2"}, 2, "", "'--interval' is not an option of"},
    };
    CliRunner cli;
    for (const Case& c : cases)
        ExpectRuns(cli, c);
}

// An identity no receiver of the product table has makes the receiver unreachable after the
// next plug-in: refused before anything is sent, written with --force after a warning.
TEST(CliTest, IdentityOutsideTheProductTableNeedsForce)
{
    const Case cases[] = {
        {{"--vid", "1234"}, 2, "", "1234:0E41 is not a Karvelo receiver's identity"},
        {{"--pid", "0000", "--string", "Hello"}, 2, "", "7A3C:0000 is not a Karvelo receiver's"},
        {{"--force"}, 2, "", "--force goes with --vid or --pid"},
        {{"--pid", "0e42"}, 0, "vid     7A3C\npid     0E42", "trace: set"},
        {{"--force", "--vid", "1A2B", "--string", "Hi"}, 0, "vid     1A2B", "warning: writing"},
        {{"--string", ""}, 2, "", "would leave the receiver without a name"},
        {{"--string", "", "--force"}, 0, "pid     0E41\nstring", "warning: writing an empty"},
    };
    CliRunner cli;
    for (Case c : cases) {
        c.arguments = QStringList{"--simulate", "identity"} + c.arguments;
        const CliRun run = ExpectRuns(cli, c, {"KARVELO_RF_TRACE=1"});
        // Nothing sent before a refusal; the warning comes before the first report.
        const int sent = run.err.indexOf("trace:");
        EXPECT_TRUE(run.status == 2 ? sent < 0 : run.err.indexOf("warning") < sent)
            << run.err.toStdString();
    }
}

// Whole seconds up to the receiver's own time-out, as the help says; the simulated receiver
// finds a new mouse after three seconds.
TEST(CliTest, PairingTimeOutTakesWholeSecondsFrom1To16)
{
    const char* const range = "--timeout takes whole seconds from 1 to 16";
    const std::pair<const char*, Case> cases[] = {
        {"1", {{}, 1, "", "pairing timed out"}},
        {"16", {{}, 0, "paired: mouse ID 22", "tick 3 of 16"}},
        {"0", {{}, 2, "", range}},
        {"17", {{}, 2, "", range}},
        {"3600", {{}, 2, "", range}},
        {"1.5", {{}, 2, "", range}},
        {"0.5", {{}, 2, "", range}},
        {"-1", {{}, 2, "", range}},
        {"+3", {{}, 2, "", range}},
        {" 3", {{}, 2, "", range}},
        {"", {{}, 2, "", range}},
    };
    CliRunner cli;
    for (auto [seconds, c] : cases) {
        c.arguments = QStringList{"--simulate", "pair", "--timeout", seconds};
        ExpectRuns(cli, c);
    }
}

// The locale that governs messages, in the POSIX order, not the window's stored language.
TEST(CliTest, MessagesLabelsAndHelpFollowTheLocale)
{
    const std::pair<QStringList, Case> cases[] = {
        {{"LANG=C.UTF-8"}, {{"pair", "--timeout", "1"}, 1, "", "karvelo-rf: pairing timed out"}},
        {{"LANG=C.UTF-8"}, {{"status"}, 0, "channel      40\nmouse ID     21", ""}},
        {{"LANG=en_US.UTF-8"}, {{"identity"}, 0, "string  2.4G RF Receiver", ""}},
        {{"LC_ALL=zh_TW.UTF-8"}, {{"status"}, 0, "頻道     40\n滑鼠 ID  21", ""}},
        {{"LC_ALL=zh_TW.UTF-8"}, {{"status"}, 0, "電量     滑鼠 6 / 7（良好），鍵盤 4", ""}},
        {{"LC_MESSAGES=zh_CN.UTF-8", "LANG=zh_TW.UTF-8"}, {{"status"}, 0, "信道     40", ""}},
        {{"LC_ALL=C", "LC_MESSAGES=zh_TW.UTF-8"}, {{"status"}, 0, "channel      40", ""}},
        {{"LC_ALL=", "LC_MESSAGES=zh_HK.UTF-8"},
         {{"get", "hotkey1"}, 0, "hotkey1 = CALCULATOR", ""}},
        {{"LC_ALL=", "LC_MESSAGES=zh_HK.UTF-8"},
         {{"identity"}, 0, "字串描述符  2.4G RF Receiver", ""}},
        {{"LANG=zh_SG.UTF-8"}, {{"status", "extra"}, 2, "", "'extra' 是多余的参数"}},
        {{"LANG=zh"}, {{"pair", "--timeout", "1"}, 1, "", "对码中：第 1 / 16 秒"}},
        {{"LANG=zh_TW.Big5"}, {{"--help"}, 0, "用法：karvelo-rf [--json]", ""}},
        {{"LANG=zh_CN.UTF-8"}, {{"set", "--help"}, 0, "变更一项设定", ""}},
    };
    CliRunner cli;
    QSettings(cli.folder() + "/KARVELO/RF_BIND.conf", QSettings::IniFormat)
        .setValue("LngSection", "lkCht");
    for (auto [variables, c] : cases) {
        c.arguments.prepend(QStringLiteral("--simulate"));
        ExpectRuns(cli, c, variables);
    }
}

std::string Text(const QJsonValue& value)
{
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}

// One style for every key (camelCase); IDs as upper-case hex strings, channel and CPI numbers.
void ExpectJsonForms(const QJsonObject& object)
{
    static const QRegularExpression camelCase("^[a-z][a-zA-Z0-9]*$");
    static const QRegularExpression hex4("^[0-9A-F]{4}$");
    static const QRegularExpression hex2("^[0-9A-F]{2}$");
    const QStringList ids4{"vendorId", "productId"};
    const QStringList ids2{"mouseId", "keyboardId", "bindingStatus"};
    for (auto it = object.begin(); it != object.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_TRUE(camelCase.match(it.key()).hasMatch());
        if (ids4.contains(it.key())) {
            EXPECT_TRUE(hex4.match(it->toString()).hasMatch());
        } else if (ids2.contains(it.key())) {
            EXPECT_TRUE(hex2.match(it->toString()).hasMatch());
        } else if (it.key() == "channel") {
            EXPECT_TRUE(it->isDouble());
        }
        for (const QJsonValue& element : it->toArray())
            ExpectJsonForms(element.toObject());
    }
}

TEST(CliTest, JsonOfEveryCommandInOneForm)
{
    const std::pair<QStringList, const char*> cases[] = {
        {{"list"}, R"({"receivers": [{"node": "sim:hidraw1", "vendorId": "7A3C",
                       "productId": "0E41", "access": true}]})"},
        {{"status"}, R"({"channel": 40, "mouseId": "21", "keyboardId": "43", "mouseBattery": 6,
                         "mouseBatteryMax": 7, "keyboardBatteryMax": 5, "cpi": 800, "vendorId": "7A3C", "productId": "0E41"})"},
        {{"get"}, R"({"lrCpiSwitch": "enable", "powerSaving": "button-wakeup", "cpi": "low",
                      "batteryLow": "2.8", "hotkey2": "PLAY/PAUSE"})"},
        {{"set", "lr-cpi-switch", "disable"}, R"({"lrCpiSwitch": "disable"})"},
        {{"identity"},
         R"({"vendorId": "7A3C", "productId": "0E41", "string": "2.4G RF Receiver"})"},
        {{"pair"}, R"({"paired": true, "mouseId": "22", "keyboardId": "43"})"},
    };
    CliRunner cli;
    for (const auto& [arguments, expected] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = cli.run(QStringList{"--simulate", "--json"} + arguments);
        ASSERT_EQ(run.status, 0);
        const QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QJsonObject wanted = QJsonDocument::fromJson(expected).object();
        for (auto it = wanted.begin(); it != wanted.end(); ++it)
            EXPECT_EQ(Text(document.value(it.key())), Text(*it)) << it.key().toStdString();
        ExpectJsonForms(document);
    }
}

// A failure with --json is also one object on standard output: the English message and the
// exit status, whatever the locale; the message in the locale's language stays on standard
// error.
TEST(CliTest, JsonFailuresAreOneObjectWithTheErrorAndTheExitStatus)
{
    const std::pair<QStringList, Case> cases[] = {
        {{"--json", "--bogus"}, {{}, 2, "unknown option '--bogus' (try --help)", "沒有 '--bogus'"}},
        {{"--json"}, {{}, 2, "no command given (try --help)", "用法："}},
        {{"--json", "list"}, {{}, 3, "no receiver found (is it plugged in?)", "找不到接收器"}},
        {{"--json", "--simulate", "set", "cpi", "x"}, {{}, 2, "'x' is not a value of cpi", "'x'"}},
        {{"--json", "--simulate", "pair", "--timeout", "1"}, {{}, 1, "pairing timed out", "逾時"}},
    };
    CliRunner cli;
    for (const auto& [arguments, c] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = cli.run(arguments, {"LANG=zh_TW.UTF-8"});
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.inErr))) << run.err.toStdString();
        QJsonParseError parsed{};
        const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8(), &parsed).object();
        EXPECT_EQ(parsed.error, QJsonParseError::NoError) << run.out.toStdString();
        EXPECT_EQ(object.value("apiVersion"), 1);
        EXPECT_EQ(object.value("exitStatus").toInt(), c.status);
        EXPECT_TRUE(object.value("error").toString().startsWith(QString::fromUtf8(c.inOut)))
            << run.out.toStdString();
    }
}

}  // namespace
