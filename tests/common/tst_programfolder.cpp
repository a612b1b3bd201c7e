// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTemporaryDir>
#include <QtTest>

#include "common/programfolder.h"
#include "datafiles/chainfiles.h"
#include "programfolderfixture.h"
#include "readonlyfolder.h"
#include "systemfaults.h"

using namespace kuji6;
using namespace kuji6::test;

class ProgramFolderTest : public QObject {
    Q_OBJECT
  private slots:
    void readOnlyCopyStartsFromItsOwnData();
};

// A portable copy on a medium that cannot be written has no installed data beside it: the
// user's folder starts with the copy's own.
void ProgramFolderTest::readOnlyCopyStartsFromItsOwnData() {
    ProgramFolderFixture portable;
    portable.write(QStringLiteral("data/deme.ini"), "2001,0\r\n");  // not the shipped one
    QTemporaryDir user;
    const ReadOnlyFolder readOnly(portable.path(QStringLiteral(".")));
    if (!readOnly.ok()) {
        QSKIP("this machine cannot make a folder read-only");
    }
    const ProgramFolder folder =
        locateProgramFolder(portable.path(QStringLiteral(".")),
                            QStringLiteral("/nonexistent/share/kuji6/data"), user.path());
    QCOMPARE(folder.path(), user.path());
    QCOMPARE(filesUnder(user.path()), (QStringList{"data/deme.ini", "data/rensa.ini"}));
    QFile deme(folder.demeFile());
    QVERIFY(deme.open(QIODevice::ReadOnly));
    QCOMPARE(deme.readAll(), QByteArray("2001,0\r\n"));
    DrawData state;
    QString nextDraw;
    loadChainList(state, folder, [&](const QString& next) { nextDraw = next; });
    QCOMPARE(nextDraw, QStringLiteral("2038"));
}

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
