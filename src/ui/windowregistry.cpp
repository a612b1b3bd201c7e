#include "ui/windowregistry.h"

namespace kuji6 {

WindowRegistry::~WindowRegistry() { unloadAll(); }

void WindowRegistry::showGroupList() {
    if (!groupList_) {
        groupList_ = new GroupListWindow;
        groupList_->setAttribute(Qt::WA_DeleteOnClose);
    }
    groupList_->show();
    groupList_->raise();
    groupList_->activateWindow();
}

void WindowRegistry::unloadAll() {
    delete groupList_;
}

}  // namespace kuji6
