// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/chainfiles.h"

#include <array>

#include "common/fields.h"

namespace kuji6 {

namespace {

bool isLatestNumber(const DrawData& data, int number) {
    for (int i = 0; i <= 5; ++i) {
        if (data.lastNumbers[i] == number) {
            return true;
        }
    }
    return false;
}

}  // namespace

ChainScores readChainTable(DrawData& data, FieldReader& in) {
    data.lastKai = in.int16();
    for (int i = 0; i <= 5; ++i) {
        data.lastNumbers[i] = in.byte();
    }
    ChainScores score{};
    for (int row = 1; row <= 43; ++row) {
        const bool counts = isLatestNumber(data, row);
        for (int column = 1; column <= 43; ++column) {
            const Byte value = in.byte();
            if (counts) {
                score[static_cast<std::size_t>(column)] += value;
            }
        }
    }
    return score;
}

void rankChainScores(DrawData& data, const ChainScores& score) {
    for (std::size_t i = 1; i <= 43; ++i) {
        int rank = 1;
        for (std::size_t j = 1; j <= 43; ++j) {
            if ((j > i && score[i] > score[j]) || (j < i && score[i] >= score[j])) {
                ++rank;
            }
        }
        data.rensaTable[rank] = static_cast<Byte>(i);
    }
}

void loadChainRanking(DrawData& data, const ProgramFolder& folder,
                      const std::function<void(const QString&)>& showNextDraw) {
    FieldReader in = FieldReader::fromFile(folder.rensaFile());
    const ChainScores score = readChainTable(data, in);
    showNextDraw(nextDrawText(data.lastKai));
    rankChainScores(data, score);
    writeRensFile(data, folder.rensFile());
}

void loadChainList(DrawData& data, const ProgramFolder& folder,
                   const std::function<void(const QString&)>& showNextDraw) {
    loadChainRanking(data, folder, showNextDraw);
    readRensFile(data, folder.rensFile());
}

void writeRensFile(const DrawData& data, const QString& path) {
    FieldWriter out;
    for (int rank = 43; rank >= 34; --rank) {
        out.number(data.rensaTable[rank]);
    }
    out.endLine().saveTo(path);
}

void readRensFile(DrawData& data, const QString& path) {
    FieldReader in = FieldReader::fromFile(path);
    readRensFields(data, in);
}

void readRensFields(DrawData& data, FieldReader& in) {
    for (int i = 1; i <= 10; ++i) {
        data.rensaTable[i] = in.byte();
    }
}

QString nextDrawText(qint16 kai) {
    return QString::number(int{kai} + 1);
}

QByteArray rensaFileBytes(qint16 lastKai, const LatestNumbers& lastNumbers,
                          const ChainMatrix& chain, const std::function<void()>& recordWritten) {
    const auto written = [&recordWritten] {
        if (recordWritten) {
            recordWritten();
        }
    };
    FieldWriter out;
    out.number(lastKai);
    for (int i = 0; i <= 5; ++i) {
        out.number(lastNumbers[i]);
    }
    out.endLine();
    written();
    for (int row = 1; row <= 43; ++row) {
        for (int column = 1; column <= 43; ++column) {
            out.number(chain[43 * (row - 1) + column]);
            written();
        }
        out.endLine();
    }
    return out.bytes();
}

}  // namespace kuji6
