// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/drawhistory.h"

#include <QDate>
#include <QList>

#include "common/systemfile.h"

namespace kuji6 {

namespace {

constexpr int kColumns = 9;
// Some 400 000 draws, a few thousand years of them: anything larger is not a history.
constexpr qint64 kLargestHistory = 16 * 1024 * 1024;

[[noreturn]] void refuse(const QString& where, const QString& what) {
    throw HistoryError((where + QStringLiteral(": ") + what).toStdString());
}

int integerColumn(const QString& text, int min, int max, const QString& where, const char* name) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < min || value > max) {
        refuse(where, QStringLiteral("%1 '%2' is not a number %3..%4")
                          .arg(QLatin1String(name), text)
                          .arg(min)
                          .arg(max));
    }
    return value;
}

Draw parseLine(const QString& line, const QString& where) {
    const QStringList columns = line.split(u',');
    if (columns.size() != kColumns) {
        refuse(where, QStringLiteral("%1 columns, expected %2").arg(columns.size()).arg(kColumns));
    }
    Draw draw;
    draw.number = integerColumn(columns[0], 1, 32767, where, "draw number");
    draw.date = columns[1].trimmed();
    if (!QDate::fromString(draw.date, Qt::ISODate).isValid()) {
        refuse(where, QStringLiteral("date '%1' is not YYYY-MM-DD").arg(draw.date));
    }
    for (std::size_t i = 0; i < draw.main.size(); ++i) {
        const Byte number = static_cast<Byte>(
            integerColumn(columns[static_cast<qsizetype>(i) + 2], 1, 43, where, "main number"));
        for (std::size_t j = 0; j < i; ++j) {
            if (draw.main[j] == number) {
                refuse(where, QStringLiteral("main number %1 is repeated").arg(number));
            }
        }
        draw.main[i] = number;
    }
    draw.bonus = static_cast<Byte>(integerColumn(columns[8], 1, 43, where, "bonus number"));
    return draw;
}

}  // namespace

std::vector<Draw> parseDrawHistory(const QByteArray& csv, const QString& sourceName) {
    const QStringList lines = QString::fromUtf8(csv).split(u'\n');
    std::vector<Draw> draws;
    // Line 1 is the column header.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const QString where = QStringLiteral("%1:%2").arg(sourceName).arg(i + 1);
        Draw draw = parseLine(line, where);
        if (!draws.empty() && draw.number <= draws.back().number) {
            refuse(where, QStringLiteral("draw %1 does not follow draw %2")
                              .arg(draw.number)
                              .arg(draws.back().number));
        }
        draws.push_back(std::move(draw));
    }
    if (draws.empty()) {
        refuse(sourceName, QStringLiteral("no draws"));
    }
    return draws;
}

std::vector<Draw> readDrawHistory(const QString& path) {
    QByteArray csv;
    try {
        csv = readRegularFile(path, kLargestHistory);
    } catch (const RuntimeFault& fault) {
        refuse(path, fault.detail());
    }
    return parseDrawHistory(csv, path);
}

}  // namespace kuji6
