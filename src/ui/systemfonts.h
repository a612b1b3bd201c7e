// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace kuji6 {

// The whole interface is Japanese. A default font without Japanese takes every kana and
// kanji from a fallback font of another design and height, which is also looked up and
// loaded again for every size and weight the windows use. So the application font becomes
// the font the system chooses for Japanese text of its family, at the same size; where that
// family has none, the one it chooses for Japanese sans-serif text.
void useFontWithJapanese();

// The font of the captions that stand out (the GO! button, the result numbers, the
// program's name; the group letters, which are bold besides): `font` larger, in the same
// face. A window then loads no face for them besides its own: a bold face of a Japanese
// font is another file of tens of megabytes, to be opened and read on the way to the first
// window.
QFont larger(QFont font);

}  // namespace kuji6
