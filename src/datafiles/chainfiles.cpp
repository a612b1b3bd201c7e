// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/chainfiles.h"

#include <array>

#include "common/fields.h"

namespace kuji6 {

namespace {

bool isLatestNumber(const PredictionState& state, int number) {
    for (int i = 0; i <= 5; ++i) {
        if (state.lastNumbers[i] == number) {
            return true;
        }
    }
    return false;
}

}  // namespace

ChainScores readChainTable(PredictionState& state, FieldReader& in) {
    state.lastKai = in.int16();
    for (int i = 0; i <= 5; ++i) {
        state.lastNumbers[i] = in.byte();
    }
    ChainScores score{};
    for (int row = 1; row <= 43; ++row) {
        const bool counts = isLatestNumber(state, row);
        for (int column = 1; column <= 43; ++column) {
            const Byte value = in.byte();
            if (counts) {
                score[static_cast<std::size_t>(column)] += value;
            }
        }
    }
    return score;
}

void rankChainScores(PredictionState& state, const ChainScores& score) {
    for (std::size_t i = 1; i <= 43; ++i) {
        state.workFlag = 1;
        for (std::size_t j = 1; j <= 43; ++j) {
            if ((j > i && score[i] > score[j]) || (j < i && score[i] >= score[j])) {
                ++state.workFlag;
            }
        }
        state.rensaTable[state.workFlag] = static_cast<Byte>(i);
    }
}

void loadChainRanking(PredictionState& state, const ProgramFolder& folder,
                      const std::function<void(const QString&)>& showNextDraw) {
    FieldReader in = FieldReader::fromFile(folder.rensaFile());
    const ChainScores score = readChainTable(state, in);
    showNextDraw(nextDrawText(state.lastKai));
    rankChainScores(state, score);
    writeRensFile(state, folder.rensFile());
}

void loadChainList(PredictionState& state, const ProgramFolder& folder,
                   const std::function<void(const QString&)>& showNextDraw) {
    loadChainRanking(state, folder, showNextDraw);
    readRensFile(state, folder.rensFile());
}

void writeRensFile(const PredictionState& state, const QString& path) {
    FieldWriter out;
    for (int rank = 43; rank >= 34; --rank) {
        out.number(state.rensaTable[rank]);
    }
    out.endLine().saveTo(path);
}

void readRensFile(PredictionState& state, const QString& path) {
    FieldReader in = FieldReader::fromFile(path);
    readRensFields(state, in);
}

void readRensFields(PredictionState& state, FieldReader& in) {
    for (int i = 1; i <= 10; ++i) {
        state.rensaTable[i] = in.byte();
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
