#pragma once

// Running the build's tools and Debian's checkers from a test.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

namespace kolvenar::testing {

struct Outcome {
    int exitCode = -1;
    QString output;
};

// Runs a program to its end; standard output and error together.
inline Outcome Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DESTDIR"));  // would install somewhere else
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
        return {-1, program + QStringLiteral(" did not run: ") + process.errorString()};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

// Lines of a checker's report that are warnings or errors; notes and hints are not.
inline QStringList Complaints(const QString& report) {
    QStringList complaints;
    for (const QString& line : report.split('\n')) {
        if (line.startsWith(QStringLiteral("E:")) || line.startsWith(QStringLiteral("W:"))) {
            complaints << line;
        }
    }
    return complaints;
}

// The path of a tool; skips the test, naming the package to install, where it is missing.
inline QString RequireTool(const QString& name, const QString& package) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        QTest::qSkip(
            qPrintable(name + QStringLiteral(" is missing; install the Debian package ") + package),
            __FILE__, __LINE__);
    }
    return path;
}

// Every file below `folder`, relative to it, sorted.
inline QStringList FilesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(folder).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

}  // namespace kolvenar::testing
