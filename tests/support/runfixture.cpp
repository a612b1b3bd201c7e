#include "runfixture.h"

namespace kuji6::test {

QString RunFixture::line(int index) const {
    const Sheet::Line& numbers = sheet.line(index);
    return QStringList(numbers.begin(), numbers.end()).join(u' ').trimmed();
}

QStringList RunFixture::filledLines() const {
    QStringList lines;
    for (int i = 0; i < Sheet::kLines; ++i) {
        if (!line(i).isEmpty()) {
            lines << line(i);
        }
    }
    return lines;
}

}  // namespace kuji6::test
