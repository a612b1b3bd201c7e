// SPDX-License-Identifier: GPL-3.0-or-later

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "common/version.h"
#include "processes.h"

using namespace kuji6::test;

// The Debian package, built once from the build tree, and what Debian's own tools and the
// software-centre tools say about it.
class PackageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void dependsOnItsLibraries();
    void startsFromItsFiles();
    void lintianFindsNothing();
    void storeMetadataIsValid();

  private:
    QString root() const { return work_.filePath(QStringLiteral("root")); }

    QTemporaryDir work_;
    QString deb_;
};

void PackageTest::initTestCase() {
    if (!isInstalled(QStringLiteral("dpkg-deb")) ||
        !isInstalled(QStringLiteral("dpkg-shlibdeps"))) {
        QSKIP("dpkg-deb and dpkg-shlibdeps are needed to build and unpack the package");
    }
    int exitCode = -1;
    const QString output = runProcess(
        QStringLiteral(CPACK_COMMAND),
        {"-G", "DEB", "--config", KUJI6_BUILD_DIR "/CPackConfig.cmake", "-B", work_.path()},
        &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    const QStringList packages = QDir(work_.path()).entryList({QStringLiteral("*.deb")});
    QCOMPARE(packages.size(), 1);
    QVERIFY2(packages[0].startsWith(QStringLiteral("kuji6_" KUJI6_VERSION "_")),
             qPrintable(packages[0]));
    deb_ = work_.filePath(packages[0]);
    runProcess(QStringLiteral("dpkg-deb"), {"-x", deb_, root()}, &exitCode);
    QCOMPARE(exitCode, 0);
}

void PackageTest::dependsOnItsLibraries() {
    const QString depends = runProcess(QStringLiteral("dpkg-deb"), {"-f", deb_, "Depends"});
    for (const char* library :
         {"libqt6widgets6", "libqt6network6", "libqt6svg6", "libqt6charts6"}) {
        QVERIFY2(depends.contains(QLatin1String(library)), qPrintable(depends));
    }
    QVERIFY(runProcess(QStringLiteral("dpkg-deb"), {"-f", deb_, "Recommends"})
                .contains(QStringLiteral("fonts-noto-cjk")));
}

void PackageTest::startsFromItsFiles() {
    QCOMPARE(runProcess(root() + QStringLiteral("/usr/bin/kuji6"), {"--version"}),
             QStringLiteral("kuji6 " KUJI6_VERSION "\n"));
    QVERIFY(startsAndSeeds(root() + QStringLiteral("/usr/bin/kuji6"),
                           work_.filePath(QStringLiteral("home"))));
}

// Errors and warnings fail; informational tags are shown in the output.
void PackageTest::lintianFindsNothing() {
    if (!isInstalled(QStringLiteral("lintian"))) {
        QSKIP("lintian is not installed");
    }
    int exitCode = -1;
    const QString output =
        runProcess(QStringLiteral("lintian"),
                   {"--fail-on", "error,warning", "--display-info", deb_}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    qInfo().noquote() << output.trimmed();
}

void PackageTest::storeMetadataIsValid() {
    if (!isInstalled(QStringLiteral("appstreamcli")) ||
        !isInstalled(QStringLiteral("desktop-file-validate"))) {
        QSKIP("appstreamcli and desktop-file-validate are needed");
    }
    int exitCode = -1;
    // The tree as installed: the metadata, and the launcher entry it names.
    const QString appstream =
        runProcess(QStringLiteral("appstreamcli"),
                   {"validate-tree", "--no-net", "--pedantic", root()}, &exitCode);
    const bool noIssue = !appstream.contains(
        QRegularExpression(QStringLiteral("^\\s*[EWIP]: "), QRegularExpression::MultilineOption));
    QVERIFY2(exitCode == 0 && noIssue, qPrintable(appstream));
    const QString desktop = runProcess(
        QStringLiteral("desktop-file-validate"),
        {root() + QStringLiteral("/usr/share/applications/org.example.kuji6.desktop")}, &exitCode);
    QVERIFY2(exitCode == 0 && desktop.isEmpty(), qPrintable(desktop));
}

QTEST_MAIN(PackageTest)
#include "tst_package.moc"
