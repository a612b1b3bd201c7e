// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/rundisplay.h"

namespace kuji6 {

void endBusyDisplay(RunDisplay& display) {
    display.setProgressVisible(false);
    display.setBusy(false);
    display.setCommentVisible(true);
}

}  // namespace kuji6
