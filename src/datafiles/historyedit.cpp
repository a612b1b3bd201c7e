// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/historyedit.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <utility>

#include "common/fields.h"
#include "common/safefile.h"
#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"

namespace kuji6 {

namespace {

const QString kHeader = QStringLiteral("draw,date,n1,n2,n3,n4,n5,n6,bonus");

// Where a problem is: a line of a file, or nowhere for a draw typed in.
QString linePrefix(int line) {
    return line > 0 ? QStringLiteral("%1行目: ").arg(line) : QString();
}
QString englishPrefix(int line) {
    return line > 0 ? QStringLiteral("line %1: ").arg(line) : QString();
}

[[noreturn]] void refuse(int line, const QString& text, const QString& english) {
    throw DrawRefusal(line, linePrefix(line) + text, englishPrefix(line) + english);
}

struct Field {
    QString name;  // as the user reads it
    QString english;
};

Field mainField(std::size_t index) {
    return {QStringLiteral("本数字%1").arg(index + 1),
            QStringLiteral("main number %1").arg(index + 1)};
}
const Field kBonusField{QStringLiteral("ボーナス数字"), QStringLiteral("the bonus number")};

Byte lotteryNumber(const QString& text, const Field& field, int line) {
    const QString value = text.trimmed();
    if (value.isEmpty()) {
        refuse(line,
               QStringLiteral("%1が入力されていません。1から43の数字を入れてください。")
                   .arg(field.name),
               QStringLiteral("%1 is missing; expected a number 1..43").arg(field.english));
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < 1 || number > 43) {
        refuse(line,
               QStringLiteral(
                   "%1の「%2」は1から43の数字ではありません。1から43の数字を入れてください。")
                   .arg(field.name, value),
               QStringLiteral("%1 '%2' is not a number 1..43").arg(field.english, value));
    }
    return static_cast<Byte>(number);
}

int drawNumber(const QString& text, int line) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > 32767) {
        refuse(
            line,
            QStringLiteral("回の「%1」は回の番号ではありません。1から32767の数字を入れてください。")
                .arg(text.trimmed()),
            QStringLiteral("draw number '%1' is not a number 1..32767").arg(text.trimmed()));
    }
    return number;
}

// YYYY/MM/DD or YYYY-MM-DD (a month or day of one digit too) as YYYY-MM-DD.
QString isoDate(const QString& text, int line) {
    static const QRegularExpression kDate(QStringLiteral("^(\\d{4})[/-](\\d{1,2})[/-](\\d{1,2})$"));
    const QString value = text.trimmed();
    const QRegularExpressionMatch match = kDate.match(value);
    const QDate date =
        match.hasMatch()
            ? QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt())
            : QDate();
    if (!date.isValid()) {
        refuse(
            line,
            QStringLiteral("日付「%1」は正しい日付ではありません。YYYY/MM/DDの形で入れてください。")
                .arg(value),
            QStringLiteral("date '%1' is not a date YYYY/MM/DD or YYYY-MM-DD").arg(value));
    }
    return date.toString(Qt::ISODate);
}

// Six main numbers and a bonus number, each checked on its own and the seven against each
// other.
WinningNumbers winningNumbers(const std::array<QString, 6>& main, const QString& bonus, int line) {
    WinningNumbers numbers;
    for (std::size_t i = 0; i < numbers.main.size(); ++i) {
        numbers.main[i] = lotteryNumber(main[i], mainField(i), line);
    }
    numbers.bonus = lotteryNumber(bonus, kBonusField, line);
    std::array<Byte, 7> all{};
    std::copy(numbers.main.begin(), numbers.main.end(), all.begin());
    all[6] = numbers.bonus;
    std::sort(all.begin(), all.end());
    const auto repeated = std::adjacent_find(all.begin(), all.end());
    if (repeated != all.end()) {
        refuse(
            line,
            QStringLiteral(
                "%1が二度入っています。本数字とボーナス数字は7つとも違う数字にしてください。")
                .arg(*repeated),
            QStringLiteral("%1 is there twice; the seven numbers must all differ").arg(*repeated));
    }
    std::sort(numbers.main.begin(), numbers.main.end());
    return numbers;
}

Draw drawFrom(const DrawEntry& entry, int line) {
    Draw draw;
    draw.number = drawNumber(entry.number, line);
    draw.date = isoDate(entry.date, line);
    const WinningNumbers numbers = winningNumbers(entry.main, entry.bonus, line);
    draw.main = numbers.main;
    draw.bonus = numbers.bonus;
    return draw;
}

bool sameDraw(const Draw& a, const Draw& b) {
    return a.number == b.number && a.date == b.date && a.main == b.main && a.bonus == b.bonus;
}

QString drawText(const Draw& draw) {
    QStringList numbers;
    for (Byte n : draw.main) {
        numbers << QString::number(n);
    }
    return QStringLiteral("%1 (%2)").arg(numbers.join(u' ')).arg(draw.bonus);
}

DrawEntry entryFrom(const QStringList& columns) {
    DrawEntry entry;
    entry.number = columns[0];
    entry.date = columns[1];
    for (std::size_t i = 0; i < entry.main.size(); ++i) {
        entry.main[i] = columns[static_cast<qsizetype>(i) + 2];
    }
    entry.bonus = columns[8];
    return entry;
}

// The draws of a file in file order with their lines; a header may open it.
std::vector<std::pair<int, Draw>> drawsOfFile(const QByteArray& csv) {
    static const QRegularExpression kSeparator(QStringLiteral("[,\\t]"));
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    const QStringList lines = text.split(u'\n');
    std::vector<std::pair<int, Draw>> draws;
    bool first = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const QStringList columns = line.split(kSeparator);
        const int number = static_cast<int>(i) + 1;
        bool numeric = false;
        columns[0].trimmed().toInt(&numeric);
        if (std::exchange(first, false) && !numeric) {
            continue;  // the column header
        }
        if (columns.size() != 9) {
            refuse(number,
                   QStringLiteral(
                       "%1列あります。回、日付、本数字6つ、ボーナス数字の9列にしてください。")
                       .arg(columns.size()),
                   QStringLiteral("%1 columns, expected 9").arg(columns.size()));
        }
        draws.emplace_back(number, drawFrom(entryFrom(columns), number));
    }
    return draws;
}

// A draw of the merged history, and the line of the file it came from (0: the history's).
struct Placed {
    Draw draw;
    int line = 0;
};

void addFromFile(std::map<int, Placed>& merged, const Draw& draw, int line) {
    const auto [place, added] = merged.try_emplace(draw.number, Placed{draw, line});
    const Placed& held = place->second;
    if (added || sameDraw(held.draw, draw)) {
        return;
    }
    const QString where =
        held.line > 0 ? QStringLiteral("%1行目").arg(held.line) : QStringLiteral("履歴");
    refuse(line,
           QStringLiteral("第%1回が%2と違います（%2: %3 %4、このファイル: %5 "
                          "%6）。同じ回は同じ内容にしてください。")
               .arg(draw.number)
               .arg(where, shownDate(held.draw.date), drawText(held.draw), shownDate(draw.date),
                    drawText(draw)),
           QStringLiteral("draw %1 differs from the one already there").arg(draw.number));
}

// A gap or a date going back between two neighbours; the problem at the lowest line of the
// file is the one told.
struct SequenceProblem {
    int line = 0;
    QString text;
    QString english;
};

std::optional<SequenceProblem> problemBetween(const Placed& before, const Placed& after) {
    const int line = after.line > 0 ? after.line : before.line;
    if (after.draw.number != before.draw.number + 1) {
        const int from = before.draw.number + 1;
        const int to = after.draw.number - 1;
        const QString missing = from == to ? QStringLiteral("第%1回").arg(from)
                                           : QStringLiteral("第%1回から第%2回").arg(from).arg(to);
        return SequenceProblem{
            line,
            QStringLiteral("第%1回と第%2回の間の%3がありません。回は続けて入れてください。")
                .arg(before.draw.number)
                .arg(after.draw.number)
                .arg(missing),
            from == to ? QStringLiteral("draw %1 is missing").arg(from)
                       : QStringLiteral("draws %1 to %2 are missing").arg(from).arg(to)};
    }
    if (after.draw.date < before.draw.date) {
        return SequenceProblem{
            line,
            QStringLiteral("第%1回の日付%2が第%3回の日付%4より前です。日付は回の順にしてください。")
                .arg(after.draw.number)
                .arg(shownDate(after.draw.date))
                .arg(before.draw.number)
                .arg(shownDate(before.draw.date)),
            QStringLiteral("the date of draw %1 is before that of draw %2")
                .arg(after.draw.number)
                .arg(before.draw.number)};
    }
    return std::nullopt;
}

// A problem of the history itself (no line) only counts when the file brings none.
int order(const SequenceProblem& problem) {
    return problem.line > 0 ? problem.line : std::numeric_limits<int>::max();
}

void checkSequence(const std::map<int, Placed>& merged) {
    std::optional<SequenceProblem> first;
    for (auto next = merged.begin(), place = next++; next != merged.end(); place = next++) {
        const auto problem = problemBetween(place->second, next->second);
        if (problem && (!first || order(*problem) < order(*first))) {
            first = problem;
        }
    }
    if (first) {
        refuse(first->line, first->text, first->english);
    }
}

}  // namespace

DrawRefusal::DrawRefusal(int line, const QString& text, const QString& english)
    : HistoryError(english.toStdString()), line_(line), text_(text) {}

WinningNumbers checkWinningNumbers(const std::array<QString, 6>& main, const QString& bonus) {
    return winningNumbers(main, bonus, 0);
}

Draw checkNewDraw(const std::vector<Draw>& history, const DrawEntry& entry) {
    const Draw draw = drawFrom(entry, 0);
    if (history.empty()) {
        return draw;
    }
    const Draw& last = history.back();
    if (draw.number != last.number + 1) {
        refuse(0,
               QStringLiteral("第%1回は登録できません。履歴は第%2回までなので、次は第%3回です。")
                   .arg(draw.number)
                   .arg(last.number)
                   .arg(last.number + 1),
               QStringLiteral(
                   "draw %1 cannot be added; the history ends at draw %2, so the next is %3")
                   .arg(draw.number)
                   .arg(last.number)
                   .arg(last.number + 1));
    }
    if (draw.date < last.date) {
        refuse(
            0,
            QStringLiteral("日付%1は前の回（第%2回、%3）より前です。%3以降の日付を入れてください。")
                .arg(shownDate(draw.date))
                .arg(last.number)
                .arg(shownDate(last.date)),
            QStringLiteral("date %1 is before that of draw %2, %3")
                .arg(draw.date)
                .arg(last.number)
                .arg(last.date));
    }
    return draw;
}

MergedHistory mergeDrawFile(const std::vector<Draw>& history, const QByteArray& csv) {
    std::map<int, Placed> merged;
    for (const Draw& draw : history) {
        merged.emplace(draw.number, Placed{draw, 0});
    }
    const auto fromFile = drawsOfFile(csv);
    if (fromFile.empty()) {
        refuse(0,
               QStringLiteral("取り込める回がありません。1行に1回ずつ、回、日付、本数字6つ、ボーナ"
                              "ス数字を入れてください。"),
               QStringLiteral("no draws"));
    }
    for (const auto& [line, draw] : fromFile) {
        addFromFile(merged, draw, line);
    }
    checkSequence(merged);
    MergedHistory result;
    for (const auto& [number, placed] : merged) {
        result.draws.push_back(placed.draw);
        if (placed.line > 0) {
            result.firstAdded = result.added == 0 ? number : result.firstAdded;
            result.lastAdded = number;
            ++result.added;
        }
    }
    return result;
}

QByteArray drawHistoryBytes(const std::vector<Draw>& draws) {
    QByteArray bytes = kHeader.toLatin1() + '\n';
    for (const Draw& draw : draws) {
        bytes += QByteArray::number(draw.number) + ',' + draw.date.toLatin1();
        for (Byte n : draw.main) {
            bytes += ',' + QByteArray::number(n);
        }
        bytes += ',' + QByteArray::number(draw.bonus) + '\n';
    }
    return bytes;
}

DataTables replaceHistory(const ProgramFolder& folder, const std::vector<Draw>& draws) {
    const DataTables tables = computeStatistics(draws, std::nullopt);
    QDir().mkpath(QFileInfo(folder.historyFile()).absolutePath());
    saveFilesTogether(
        {{folder.demeFile(), demeFileBytes(tables.kai, tables.drawRate, tables.numGroup)},
         {folder.rensaFile(), rensaFileBytes(tables.lastKai, tables.lastNumbers, tables.chain)},
         {folder.historyFile(), drawHistoryBytes(draws)}});
    return tables;
}

QString shownDate(const QString& isoDate) {
    QString shown = isoDate;
    return shown.replace(u'-', u'/');
}

}  // namespace kuji6
