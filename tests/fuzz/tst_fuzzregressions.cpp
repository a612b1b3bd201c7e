// Every input kept for the readers' fuzzers, seeds and inputs that once found a fault, read
// again: none may crash, hang or trip a sanitizer.

#include <QDirIterator>
#include <QtTest>

#include "fuzztargets.h"

class FuzzRegressionsTest : public QObject {
    Q_OBJECT
  private slots:
    void keptInputs_data();
    void keptInputs();
};

void FuzzRegressionsTest::keptInputs_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("file");
    for (const kuji6::fuzz::NamedTarget& target : kuji6::fuzz::kTargets) {
        for (const char* kind : {"corpus", "regressions"}) {
            const QString folder = QStringLiteral(KUJI6_FUZZ_DIR "/%1/%2")
                                       .arg(QLatin1String(kind), QLatin1String(target.name));
            QDirIterator files(folder, QDir::Files);
            while (files.hasNext()) {
                const QString file = files.next();
                QTest::addRow("%s/%s/%s", kind, target.name, qPrintable(QFileInfo(file).fileName()))
                    << QString::fromLatin1(target.name) << file;
            }
        }
    }
}

void FuzzRegressionsTest::keptInputs() {
    QFETCH(QString, target);
    QFETCH(QString, file);
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QByteArray bytes = input.readAll();
    kuji6::fuzz::targetNamed(target.toLatin1())(bytes);
}

QTEST_GUILESS_MAIN(FuzzRegressionsTest)
#include "tst_fuzzregressions.moc"
