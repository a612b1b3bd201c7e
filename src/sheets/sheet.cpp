// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/sheet.h"

#include "common/fault.h"

namespace kuji6 {

namespace {

void checkLine(int index) {
    if (index < 0 || index >= Sheet::kLines) {
        throw RuntimeFault(FaultKind::IndexOutOfRange, QString::number(index));
    }
}

}  // namespace

const Sheet::Line& Sheet::line(int index) const {
    checkLine(index);
    return lines_[static_cast<std::size_t>(index)];
}

void Sheet::setLine(int index, const Line& numbers) {
    checkLine(index);
    lines_[static_cast<std::size_t>(index)] = numbers;
    if (observer_) {
        observer_->lineChanged(index);
    }
}

void Sheet::setShownPage(int page) {
    shownPage_ = page;
    pagesChanged();
}

void Sheet::setPageText(const QString& text) {
    pageText_ = text;
    pagesChanged();
}

void Sheet::setPreviousEnabled(bool enabled) {
    previousEnabled_ = enabled;
    pagesChanged();
}

void Sheet::setNextEnabled(bool enabled) {
    nextEnabled_ = enabled;
    pagesChanged();
}

void Sheet::pagesChanged() {
    if (observer_) {
        observer_->pagesChanged();
    }
}

void showPage(Sheet& sheet, int page) {
    if (page == 1 || page == 2) {
        sheet.setNextEnabled(page == 1);
        sheet.setPreviousEnabled(page == 2);
        sheet.setShownPage(page);
        return;
    }
    // There is no third page: the lines it would show do not exist.
    throw RuntimeFault(FaultKind::IndexOutOfRange, QString::number(page));
}

void clearResultLines(Sheet& sheet) {
    for (int line = 0; line < Sheet::kLines; ++line) {
        sheet.setLine(line, {});
    }
}

}  // namespace kuji6
