// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzztargets.h"

#include "common/fields.h"
#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"
#include "datafiles/drawhistory.h"
#include "datafiles/historyedit.h"
#include "fakes.h"
#include "rules/rulerecord.h"
#include "sheets/predictionfile.h"
#include "update/updatefile.h"

namespace kuji6::fuzz {

namespace {

QByteArray bytesOf(QByteArrayView data) {
    return data.toByteArray();
}

// The first byte chooses how non-numbers read and the order of the typed reads; the rest is
// the file.
void fieldReader(QByteArrayView data) {
    if (data.isEmpty()) {
        return;
    }
    const auto plan = static_cast<unsigned char>(data[0]);
    FieldReader in(bytesOf(data.sliced(1)), plan & 1 ? NonNumeric::Zero : NonNumeric::Fault);
    try {
        for (unsigned step = 0; step < 4096; ++step) {
            switch (((plan >> 1) + step * ((plan >> 4) | 1u)) % 4) {
                case 0:
                    in.text();
                    break;
                case 1:
                    in.byte();
                    break;
                case 2:
                    in.int16();
                    break;
                default:
                    in.int32();
                    break;
            }
        }
    } catch (const RuntimeFault&) {
    }
}

void demeFile(QByteArrayView data) {
    DrawData tables;
    FieldReader in(bytesOf(data));
    try {
        readDemeFields(tables, in);
    } catch (const RuntimeFault&) {
    }
}

void chainFiles(QByteArrayView data) {
    DrawData tables;
    try {
        FieldReader rensa(bytesOf(data));
        rankChainScores(tables, readChainTable(tables, rensa));
    } catch (const RuntimeFault&) {
    }
    try {
        FieldReader rens(bytesOf(data));
        readRensFields(tables, rens);
    } catch (const RuntimeFault&) {
    }
}

void optionsFile(QByteArrayView data) {
    RuleRecord ruleBuffer;
    FieldReader in(bytesOf(data), NonNumeric::Zero);
    try {
        readSettingsLines(in, ruleBuffer);
    } catch (const RuntimeFault&) {
    }
}

void predictionFile(QByteArrayView data) {
    RuleRecord ruleBuffer;
    FieldReader in(bytesOf(data), NonNumeric::Zero);
    try {
        readPredictionFields(in, ruleBuffer);
    } catch (const RuntimeFault&) {
    }
}

void updateFile(QByteArrayView data) {
    DrawData tables;
    test::FakeProgress progress;
    FieldReader in(bytesOf(data));
    try {
        readUpdateFields(tables, in, progress);
    } catch (const RuntimeFault&) {
    }
}

void drawHistory(QByteArrayView data) {
    try {
        parseDrawHistory(bytesOf(data), QStringLiteral("fuzz"));
    } catch (const HistoryError&) {
    }
}

// A file of draws merged into a short history: the refusals are the expected errors.
void drawImport(QByteArrayView data) {
    static const std::vector<Draw> history = parseDrawHistory(
        "draw,date,n1,n2,n3,n4,n5,n6,bonus\n"
        "1,2020-01-02,1,2,3,4,5,6,7\n"
        "2,2020-01-09,1,8,15,22,29,36,43\n",
        QStringLiteral("history"));
    try {
        mergeDrawFile(history, bytesOf(data));
    } catch (const HistoryError&) {
    }
}

}  // namespace

const std::array<NamedTarget, 8> kTargets{{
    {"fields", fieldReader},
    {"deme", demeFile},
    {"chain", chainFiles},
    {"options", optionsFile},
    {"prediction", predictionFile},
    {"update", updateFile},
    {"history", drawHistory},
    {"import", drawImport},
}};

Target targetNamed(QByteArrayView name) {
    for (const NamedTarget& target : kTargets) {
        if (name == QByteArrayView(target.name)) {
            return target.run;
        }
    }
    return nullptr;
}

}  // namespace kuji6::fuzz
