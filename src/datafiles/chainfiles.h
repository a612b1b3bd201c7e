// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>

#include "common/fields.h"
#include "common/programfolder.h"
#include "datafiles/drawdata.h"

namespace kuji6 {

// Reads data/rensa.ini into lastKai and lastNumbers, ranks the numbers by their chain score
// for the next draw into rensaTable[1..43], shows the next draw number through
// `showNextDraw` and writes the ten best numbers to data/rens.ini.
void loadChainRanking(DrawData& data, const ProgramFolder& folder,
                      const std::function<void(const QString&)>& showNextDraw);

// The chain list as the program offers it: loadChainRanking, then the ten numbers it wrote
// to data/rens.ini read back into rensaTable[1..10].
void loadChainList(DrawData& data, const ProgramFolder& folder,
                   const std::function<void(const QString&)>& showNextDraw);

// data/rens.ini: rensaTable[43], [42], ..., [34] on one line.
void writeRensFile(const DrawData& data, const QString& path);

// The ten numbers of data/rens.ini into rensaTable[1..10], in file order.
void readRensFile(DrawData& data, const QString& path);
void readRensFields(DrawData& data, FieldReader& in);

// Chain scores are summed wide: six rows of real counts pass 255 easily.
using ChainScores = std::array<qint64, 44>;

// The steps of loadChainRanking: reading the chain table into lastKai and lastNumbers and
// the scores of the numbers for the next draw; ranking the numbers by those scores
// (ascending by score and number, so among equal scores the larger number ranks higher)
// into rensaTable[1..43].
ChainScores readChainTable(DrawData& data, FieldReader& in);
void rankChainScores(DrawData& data, const ChainScores& score);

// The draw after `kai`, as Txkai shows it.
QString nextDrawText(qint16 kai);

// The bytes of a data/rensa.ini; `recordWritten` is called after the latest-draw line and
// after each chain value.
QByteArray rensaFileBytes(qint16 lastKai, const LatestNumbers& lastNumbers,
                          const ChainMatrix& chain,
                          const std::function<void()>& recordWritten = {});

}  // namespace kuji6
