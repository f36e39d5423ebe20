#include "support/tool_runner.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A KELMARDIR holding an empty catalogue folder, shared by the tests of a process.
std::string empty_kelmardir()
{
    static QTemporaryDir dir;
    static const bool made = QDir(dir.path()).mkpath(QStringLiteral("lib/locale"));
    EXPECT_TRUE(made);
    return dir.path().toStdString();
}

QProcessEnvironment environment_for(const EnvChanges& changes)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LANG", "LC_MESSAGES", "LC_ALL"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("KELMARDIR"), QString::fromStdString(empty_kelmardir()));
    env.insert(QStringLiteral("NEVRAHOME"), QStringLiteral("/opt/nevra"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("PRJMIGR"), QString::fromStdString(tool_path()));
    for (const auto& [name, value] : changes) {
        if (value)
            env.insert(QString::fromStdString(name), QString::fromLocal8Bit(value->c_str()));
        else
            env.remove(QString::fromStdString(name));
    }
    return env;
}

ToolRun run_process(const QString& program, const QStringList& arguments,
                    const std::string& folder, const EnvChanges& env)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(QString::fromStdString(folder));
    process.setProcessEnvironment(environment_for(env));
    process.start();
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(240000)) << "the tool did not finish";
    ToolRun run;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    run.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

}  // namespace

std::string tool_path()
{
    return PRJMIGR_BINARY;
}

ToolRun run_tool(const std::vector<std::string>& arguments, const std::string& folder,
                 const EnvChanges& env)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size()));
    return run_process(QString::fromStdString(tool_path()), list, folder, env);
}

ToolRun run_shell(const std::string& script, const std::string& folder, const EnvChanges& env)
{
    return run_process(QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"), QString::fromStdString(script)}, folder, env);
}

void expect_well_formed_xml(const std::string& path, bool huge)
{
    QProcess process;
    QStringList arguments{QStringLiteral("--noout"), QString::fromStdString(path)};
    if (huge)
        arguments.prepend(QStringLiteral("--huge"));
    process.start(QStringLiteral(XMLLINT_BINARY), arguments);
    process.waitForFinished(60000);
    EXPECT_TRUE(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        << path << ": " << process.readAllStandardError().toStdString();
}
