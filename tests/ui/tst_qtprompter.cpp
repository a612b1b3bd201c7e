// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextLayout>
#include <QtTest>
#include <functional>

#include "programharness.h"
#include "sheets/predictionfile.h"
#include "ui/qtprompter.h"

using namespace kuji6;
using namespace kuji6::test;

namespace {

// Runs `answer` on the dialog the prompter opens, once that is on the screen.
template <class Dialog>
void whenShown(std::function<void(Dialog*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start();
}

// The widest line of `text` laid out as a word-wrapping label of `width` lays it out.
int widestLine(const QString& text, const QFont& font, int width) {
    qreal widest = 0;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            widest = std::max(widest, line.naturalTextWidth());
        }
        layout.endLayout();
    }
    return qCeil(widest);
}

}  // namespace

class QtPrompterTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void saveAddsTheFilterSuffix_data();
    void saveAddsTheFilterSuffix();
    void longPathsWrap();
    void messageKeys_data();
    void messageKeys();

  private:
    QTemporaryDir dir_;
};

void QtPrompterTest::initTestCase() {
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void QtPrompterTest::saveAddsTheFilterSuffix_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("a bare name") << "mypred"
                                 << "mypred.txt";
    QTest::newRow("a name with .txt") << "mypred.txt"
                                      << "mypred.txt";
    QTest::newRow("another extension is kept") << "mypred.csv"
                                               << "mypred.csv";
    QTest::newRow("the proposed name") << ""
                                       << "2038回予想.txt";
}

// Saved without .txt, a prediction would be hidden by the open dialog's only filter.
void QtPrompterTest::saveAddsTheFilterSuffix() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    whenShown<QFileDialog>([typed](QFileDialog* dialog) {
        if (!typed.isEmpty()) {
            press(dialog, Qt::Key_A, Qt::ControlModifier);
            type(dialog, typed);
        }
        press(dialog, Qt::Key_Return);
    });
    QtPrompter prompter;
    const std::optional<QString> path =
        prompter.saveFileName(QStringLiteral("2038回予想.txt"), kPredictionFileFilter);
    QCOMPARE(path, QDir(dir_.path()).filePath(saved));
}

void QtPrompterTest::longPathsWrap() {
    const QString path = QStringLiteral("/tmp/") + QStringLiteral("Kuji6Predictions/").repeated(8) +
                         QStringLiteral("x").repeated(120) + QStringLiteral("/") +
                         QStringLiteral("2038回予想.txt");
    const QString text = QStringLiteral("予想ファイルを保存できませんでした。\n\nファイル: ") +
                         path + QStringLiteral("\n理由: No space left on device");
    QString shown;
    QFont font;
    int width = 0;
    QRect box;
    whenShown<QMessageBox>([&](QMessageBox* message) {
        const auto* label = message->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = label->text();
        font = label->font();
        width = label->contentsRect().width();
        box = message->frameGeometry();
        press(message, Qt::Key_Return);
    });
    QtPrompter().warn(kProgramTitle, text);
    QCOMPARE(QString(shown).remove(QChar(0x200b)), text);
    QVERIFY2(widestLine(shown, font, width) <= width,
             qPrintable(QStringLiteral("%1 > %2").arg(widestLine(shown, font, width)).arg(width)));
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(box));
}

void QtPrompterTest::messageKeys_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    const auto row = [](const char* name, MessageButtons buttons, Qt::Key key,
                        MessageAnswer answer) {
        QTest::newRow(name) << int(buttons) << int(key) << int(answer);
    };
    row("OK, Enter", MessageButtons::Ok, Qt::Key_Return, MessageAnswer::Ok);
    row("OK, Escape", MessageButtons::Ok, Qt::Key_Escape, MessageAnswer::Ok);
    row("OK/Cancel, Enter", MessageButtons::OkCancel, Qt::Key_Return, MessageAnswer::Ok);
    row("OK/Cancel, Escape", MessageButtons::OkCancel, Qt::Key_Escape, MessageAnswer::Cancel);
    row("Yes/No, Enter", MessageButtons::YesNo, Qt::Key_Return, MessageAnswer::Yes);
    row("Yes/No, Escape", MessageButtons::YesNo, Qt::Key_Escape, MessageAnswer::No);
}

void QtPrompterTest::messageKeys() {
    QFETCH(int, buttons);
    QFETCH(int, key);
    QFETCH(int, answer);
    whenShown<QMessageBox>([key](QMessageBox* box) { press(box, Qt::Key(key)); });
    const MessageAnswer given = QtPrompter().message(
        MessageIcon::Warning, kAttentionTitle, QStringLiteral("確認"), MessageButtons(buttons));
    QCOMPARE(int(given), answer);
}

QTEST_MAIN(QtPrompterTest)
#include "tst_qtprompter.moc"
