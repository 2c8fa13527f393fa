#pragma once

#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"

#include <QLineEdit>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

// The window on the simulated receiver, driven as the engineering console's user or its
// callers drive it.
class ConsoleTest : public ::testing::Test {
protected:
    explicit ConsoleTest(SimSession::Options options = {}) : session(std::move(options)) {}

    TForm1& form() const { return session.window(); }
    QObject* Control(const char* name) const
    {
        QObject* control = session.Find<QObject>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Box(const char* name) const
    {
        auto* box = session.Find<QLineEdit>(QString::fromLatin1(name));
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
    void Type(const char* box, const char* text) const
    {
        Box(box)->setText(QString::fromLatin1(text));
    }
    QString Text(const char* box) const { return Box(box)->text(); }

    // The reports written while the action runs.
    std::vector<QString> Sent(const std::function<void()>& action) const
    {
        const qint64 mark = session.log().mark();
        action();
        return session.SentSince(mark);
    }
    std::vector<QString> SentByClick(const char* name) const
    {
        return Sent([&] { session.Click(QString::fromLatin1(name)); });
    }
    int Messages() const { return int(session.prompts().messages.size()); }

    static std::vector<QString> Reports(std::initializer_list<const char*> lines)
    {
        std::vector<QString> reports;
        for (const char* line : lines)
            reports.push_back(QString::fromLatin1(line));
        return reports;
    }
    static SimFaults::Report Reply(std::initializer_list<quint8> bytes)
    {
        SimFaults::Report reply{};
        size_t i = 0;
        for (quint8 b : bytes)
            reply[i++] = b;
        return reply;
    }

    SimSession session;
};

// The same without a receiver.
class NoReceiverConsoleTest : public ConsoleTest {
protected:
    NoReceiverConsoleTest() : ConsoleTest(WithoutReceiver()) {}

    static SimSession::Options WithoutReceiver()
    {
        SimSession::Options options;
        options.plugReceiver = false;
        return options;
    }
};
