// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafiles/updatefileformat.h"

#include "common/fields.h"
#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"

namespace kuji6 {

QByteArray updateFileBytes(const DataTables& tables, const QString& note) {
    FieldWriter header;
    header.text(kUpdateMagicWord).number(tables.kai).text(note).endLine();
    const QByteArray deme = demeFileBytes(tables.kai, tables.drawRate, tables.numGroup);
    const QByteArray rensa = rensaFileBytes(tables.lastKai, tables.lastNumbers, tables.chain);
    return header.bytes() + deme.mid(deme.indexOf('\n') + 1) + rensa;
}

}  // namespace kuji6
