// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/systemfonts.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>

namespace kuji6 {

namespace {

const FcChar8* fcText(const char* text) {
    return reinterpret_cast<const FcChar8*>(text);
}

// The font the system takes for `family` in Japanese text, and whether it has Japanese.
struct JapaneseMatch {
    QString family;
    bool hasJapanese = false;
};

JapaneseMatch matchInJapanese(const QByteArray& family) {
    JapaneseMatch found;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fcText(family.constData()));
    FcPatternAddString(pattern, FC_LANG, fcText("ja"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* name = nullptr;
        FcLangSet* languages = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) {
            found.family = QString::fromUtf8(reinterpret_cast<const char*>(name));
        }
        found.hasJapanese = FcPatternGetLangSet(match, FC_LANG, 0, &languages) == FcResultMatch &&
                            FcLangSetHasLang(languages, fcText("ja")) == FcLangEqual;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

void useFontWithJapanese() {
    QFont font = QApplication::font();
    // A name such as "Sans Serif" stands for a list of fonts, in which the system picks a
    // font for Japanese text that the name alone does not give.
    JapaneseMatch japanese = matchInJapanese(font.family().toUtf8());
    if (!japanese.hasJapanese) {
        japanese = matchInJapanese("sans-serif");
    }
    if (!japanese.hasJapanese || japanese.family.isEmpty() || japanese.family == font.family()) {
        return;  // the font has Japanese already, or no font has: the fallbacks do what they can
    }
    font.setFamily(japanese.family);
    QApplication::setFont(font);
}

QFont larger(QFont font) {
    font.setPointSizeF(font.pointSizeF() * 1.3);
    return font;
}

}  // namespace kuji6
