#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the command-line program as a user would, with its own settings and runtime folders.
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

class CliRunner {
public:
    CliRunner()
    {
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path());
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
        env_.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env_.remove(QStringLiteral("LC_ALL"));
        env_.remove(QStringLiteral("LC_MESSAGES"));
    }

    QString folder() const { return home_.path(); }

    // `variables`: NAME=VALUE settings of this run's environment.
    CliRun run(const QStringList& arguments, const QStringList& variables = {},
               int timeoutMs = 30000,
               const QString& program = QStringLiteral(KARVELO_RF_PROGRAM)) const
    {
        QProcessEnvironment env = env_;
        for (const QString& variable : variables)
            env.insert(variable.section(QLatin1Char('='), 0, 0),
                       variable.section(QLatin1Char('='), 1));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        CliRun result;
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

private:
    QTemporaryDir home_;
    QProcessEnvironment env_;
};
