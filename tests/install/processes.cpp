// SPDX-License-Identifier: GPL-3.0-or-later

#include "processes.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace kuji6::test {

QString runProcess(const QString& program, const QStringList& arguments, int* exitCode) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(300000)) {
        return QStringLiteral("(did not finish)");
    }
    if (exitCode) {
        *exitCode = process.exitCode();
    }
    return QString::fromLocal8Bit(process.readAll());
}

bool startsAndSeeds(const QString& kuji6, const QString& home) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(kuji6, {});
    const QString rens = home + QStringLiteral("/.local/share/kuji6/data/rens.ini");
    bool seeded = false;
    for (int i = 0; i < 150 && !seeded; ++i) {
        seeded = process.state() == QProcess::Running && QFile::exists(rens);
        QTest::qWait(100);
    }
    process.kill();
    process.waitForFinished();
    return seeded;
}

bool isInstalled(const QString& name) {
    return !QStandardPaths::findExecutable(name).isEmpty();
}

}  // namespace kuji6::test
