// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

namespace kuji6 {

// Told about every change of the sheet, so that a window can show it as it happens.
class SheetObserver {
  public:
    virtual ~SheetObserver() = default;
    virtual void lineChanged(int line) = 0;
    virtual void pagesChanged() = 0;
};

// The prediction sheet: ten result lines of six number texts, shown five to a page (lines
// 0..4 on page 1, 5..9 on page 2), with the page indicator and the two page buttons.
class Sheet {
  public:
    static constexpr int kLines = 10;
    static constexpr int kLinesPerPage = 5;
    using Line = std::array<QString, 6>;

    const Line& line(int index) const;
    void setLine(int index, const Line& numbers);

    int shownPage() const { return shownPage_; }
    const QString& pageText() const { return pageText_; }
    bool previousEnabled() const { return previousEnabled_; }
    bool nextEnabled() const { return nextEnabled_; }

    void setShownPage(int page);
    void setPageText(const QString& text);
    void setPreviousEnabled(bool enabled);
    void setNextEnabled(bool enabled);

    void setObserver(SheetObserver* observer) { observer_ = observer; }

  private:
    void pagesChanged();

    std::array<Line, kLines> lines_;
    int shownPage_ = 1;
    QString pageText_ = QStringLiteral("1/1page");
    bool previousEnabled_ = false;
    bool nextEnabled_ = false;
    SheetObserver* observer_ = nullptr;
};

// Shows page 1 or 2 and sets the page buttons for it; any other page leaves the buttons as
// they are.
void showPage(Sheet& sheet, int page);

// Empties all ten result lines; which page is shown stays as it is.
void clearResultLines(Sheet& sheet);

}  // namespace kuji6
