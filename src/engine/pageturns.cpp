// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/pageturns.h"

namespace kuji6 {

namespace {

void showTwoPages(Sheet& sheet, PredictionState& state, int page) {
    state.workFlag = static_cast<Byte>(page);
    showPage(sheet, state.workFlag);
    sheet.setPageText(QString::number(state.workFlag) + QStringLiteral("/2page"));
}

}  // namespace

void turnToNextPage(Sheet& sheet, PredictionState& state) {
    showTwoPages(sheet, state, 2);
    sheet.setNextEnabled(false);
    sheet.setPreviousEnabled(true);
}

void turnToPreviousPage(Sheet& sheet, PredictionState& state) {
    showTwoPages(sheet, state, 1);
    sheet.setPreviousEnabled(false);
    sheet.setNextEnabled(true);
}

}  // namespace kuji6
