// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTemporaryDir>
#include <QtTest>

#include "common/fields.h"

using namespace kuji6;

namespace {

QString kindName(FaultKind kind) {
    switch (kind) {
        case FaultKind::Overflow:
            return QStringLiteral("Overflow");
        case FaultKind::TypeMismatch:
            return QStringLiteral("TypeMismatch");
        case FaultKind::PastEndOfFile:
            return QStringLiteral("PastEndOfFile");
        case FaultKind::FileUnreadable:
            return QStringLiteral("FileUnreadable");
        default:
            return QStringLiteral("other");
    }
}

// Reads one field per letter of `ops` (t text, b byte, s int16, l int32) and returns what
// each read gave; a failed read gives "!" and the kind of error, and ends the list.
QStringList readAll(FieldReader reader, const QString& ops) {
    QStringList results;
    for (QChar op : ops) {
        try {
            switch (op.unicode()) {
                case u't':
                    results << reader.text();
                    break;
                case u'b':
                    results << QString::number(reader.byte());
                    break;
                case u's':
                    results << QString::number(reader.int16());
                    break;
                default:
                    results << QString::number(reader.int32());
                    break;
            }
        } catch (const RuntimeFault& fault) {
            results << QStringLiteral("!") + kindName(fault.kind());
            break;
        }
    }
    return results;
}

QStringList readAll(const QByteArray& input, const QString& ops, NonNumeric nonNumeric) {
    return readAll(FieldReader(input, nonNumeric), ops);
}

}  // namespace

class FieldsTest : public QObject {
    Q_OBJECT
  private slots:
    void reader_data();
    void reader();
    void nonNumericAsZero();
    void writerLayoutAndCodePage();
    void readsBackWhatItWrites();
    void readsAFileInPieces();
    void saveFailureNamesTheFile();
    void missingFileIsNotFound();
};

void FieldsTest::reader_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("comma and CR LF both end a field")
        << QByteArray("1,2\r\n3") << "bbb" << QStringList{"1", "2", "3"};
    QTest::newRow("lone LF and lone CR end a field")
        << QByteArray("1\n2\r3") << "bbb" << QStringList{"1", "2", "3"};
    QTest::newRow("leading blanks skipped")
        << QByteArray("  7,\t8") << "bb" << QStringList{"7", "8"};
    QTest::newRow("trailing blanks of a number")
        << QByteArray("7  ,8 \r\n") << "bb" << QStringList{"7", "8"};
    QTest::newRow("quotes dropped, comma inside kept")
        << QByteArray("\"a,b\",c") << "tt" << QStringList{"a,b", "c"};
    QTest::newRow("junk after the closing quote dropped")
        << QByteArray("\"ab\"xy,c") << "tt" << QStringList{"ab", "c"};
    QTest::newRow("unquoted text runs to the separator")
        << QByteArray("abc ,d") << "tt" << QStringList{"abc", "d"};
    QTest::newRow("empty quoted text") << QByteArray("\"\",1") << "tb" << QStringList{"", "1"};
    QTest::newRow("byte 255 fits, 256 does not")
        << QByteArray("255,256") << "bb" << QStringList{"255", "!Overflow"};
    QTest::newRow("byte -1") << QByteArray("-1") << "b" << QStringList{"!Overflow"};
    QTest::newRow("int16 range") << QByteArray("-32768,32767,32768") << "sss"
                                 << QStringList{"-32768", "32767", "!Overflow"};
    QTest::newRow("int32 range") << QByteArray("2147483647,-2147483649") << "ll"
                                 << QStringList{"2147483647", "!Overflow"};
    QTest::newRow("huge number") << QByteArray("99999999999999999999999") << "l"
                                 << QStringList{"!Overflow"};
    QTest::newRow("empty number field is 0") << QByteArray(",5") << "bb" << QStringList{"0", "5"};
    QTest::newRow("blank line is an empty field")
        << QByteArray("1\r\n\r\n2") << "bbb" << QStringList{"1", "0", "2"};
    QTest::newRow("letters in a number field")
        << QByteArray("x1") << "b" << QStringList{"!TypeMismatch"};
    QTest::newRow("decimal in a number field")
        << QByteArray("1.5") << "b" << QStringList{"!TypeMismatch"};
    QTest::newRow("end of file before the last field")
        << QByteArray("1,2") << "bbb" << QStringList{"1", "2", "!PastEndOfFile"};
    QTest::newRow("a final comma starts no field")
        << QByteArray("1,") << "bb" << QStringList{"1", "!PastEndOfFile"};
    QTest::newRow("empty file") << QByteArray() << "t" << QStringList{"!PastEndOfFile"};
    QTest::newRow("anything after the last field ignored")
        << QByteArray("1,2,\"broken") << "bb" << QStringList{"1", "2"};
    const QString longest(FieldReader::kMaxFieldBytes, u'a');
    QTest::newRow("a field of the longest length")
        << QByteArray(longest.toLatin1() + ",1") << "tb" << QStringList{longest, "1"};
    QTest::newRow("a field one byte longer")
        << QByteArray(longest.toLatin1() + "a,1") << "tb" << QStringList{"!FileUnreadable"};
    QTest::newRow("blanks count to a field's length")
        << QByteArray(QByteArray(FieldReader::kMaxFieldBytes, ' ') + "1") << "b"
        << QStringList{"!FileUnreadable"};
    QTest::newRow("code page 932 text")
        << QByteArray("\"\x88\xc8\x89\xba\"") << "t" << QStringList{"以下"};
}

void FieldsTest::reader() {
    QFETCH(QByteArray, input);
    QFETCH(QString, ops);
    QFETCH(QStringList, expected);
    QCOMPARE(readAll(input, ops, NonNumeric::Fault), expected);
}

void FieldsTest::nonNumericAsZero() {
    QCOMPARE(readAll("a,1,-,+", "ssss", NonNumeric::Zero), (QStringList{"0", "1", "0", "0"}));
    // Out of range is still an error.
    QCOMPARE(readAll("40000", "s", NonNumeric::Zero), QStringList{"!Overflow"});
}

void FieldsTest::writerLayoutAndCodePage() {
    FieldWriter out;
    out.text(QStringLiteral("kuji6ぽむりん")).number(15).text(QStringLiteral("以上")).endLine();
    out.number(-3).endLine();
    QCOMPARE(
        out.bytes(),
        QByteArray("\"kuji6\x82\xdb\x82\xde\x82\xe8\x82\xf1\",15,\"\x88\xc8\x8f\xe3\"\r\n-3\r\n"));
}

void FieldsTest::readsBackWhatItWrites() {
    FieldWriter out;
    out.text(QStringLiteral("kuji6ぽむりん")).text(QStringLiteral("以上")).number(32767).endLine();
    FieldReader in(out.bytes());
    QCOMPARE(in.text(), QStringLiteral("kuji6ぽむりん"));
    QCOMPARE(in.text(), QStringLiteral("以上"));
    QCOMPARE(in.int16(), qint16{32767});
}

// Read from a file, the fields come as from the same bytes at once, also where a field
// spans two of the pieces the file is read in.
void FieldsTest::readsAFileInPieces() {
    QByteArray bytes;
    QString ops;
    for (int i = 0; bytes.size() < 100 * 1024; ++i) {
        bytes += i % 7 == 0 ? QByteArray("  \"a,") + QByteArray(i % 50, 'q') + "\"junk,"
                            : QByteArray::number(i % 256) + (i % 3 ? "," : "\r\n");
        ops += i % 7 == 0 ? u't' : u'b';
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fields.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QStringList expected = readAll(bytes, ops, NonNumeric::Fault);
    QCOMPARE(expected.size(), ops.size());
    QCOMPARE(readAll(FieldReader::fromFile(path), ops), expected);
}

void FieldsTest::saveFailureNamesTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing-folder/out.ini"));
    try {
        FieldWriter().number(1).endLine().saveTo(path);
        QFAIL("saving into a missing folder succeeded");
    } catch (const RuntimeFault& fault) {
        QCOMPARE(fault.kind(), FaultKind::FileUnwritable);
        QCOMPARE(fault.file(), path);
    }
}

void FieldsTest::missingFileIsNotFound() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.ini"));
    try {
        FieldReader::fromFile(path);
        QFAIL("reading a missing file succeeded");
    } catch (const RuntimeFault& fault) {
        QCOMPARE(fault.kind(), FaultKind::FileNotFound);
        QCOMPARE(fault.file(), path);
    }
}

QTEST_GUILESS_MAIN(FieldsTest)
#include "tst_fields.moc"
