// SPDX-License-Identifier: MIT
#include "app/jvt_app.h"

#include <utility>

#include "app/launch_block.h"
#include "base/program_identity.h"
#include "db/performance_database.h"
#include "ui/main_window/jvt_dlg.h"
#include "ui/user_dialogs.h"

namespace keld {

CJVTApp::CJVTApp(ui::UserDialogs& dialogs, std::string moduleDirectory)
    : dialogs_(dialogs), messages_(dialogs), moduleDirectory_(std::move(moduleDirectory)) {}

CJVTApp::~CJVTApp() = default;

void CJVTApp::fail(const char* message) {
    dialogs_.inform(nullptr, QString::fromUtf8(message), QString::fromUtf8(kApplicationTitle));
}

bool CJVTApp::start() {
    // One copy per user. The lock is kept until the process ends.
    instanceLock_.emplace(InstanceLockPath());
    const std::string blockName = LaunchBlockName();
    if (instanceLock_->state() == InstanceLock::State::HeldByAnother) {
        // This launch ends here; its text must not reach a later start.
        DiscardLaunchBlock(blockName);
        fail("You've open the sofrware!");
        return false;
    }

    const LaunchBlockText block = ReadLaunchBlock(blockName);
    if (block.status == LaunchBlockText::Status::OpenFailed) {
        fail("Open data error!");
        return false;
    }
    if (block.status == LaunchBlockText::Status::MapFailed) {
        fail("Read data error!");
        return false;
    }
    launch_ = DecodeLaunchText(block.text);

    session_ = std::make_unique<SelectionSession>(launch_, messages_, DatabasePathIn(moduleDirectory_));
    if (!session_->openDatabase()) {
        session_.reset();
        fail("Dadabase link error!");
        return false;
    }
    return true;
}

int CJVTApp::InitInstance() {
    if (!start()) return 1;
    ui::CJVTDlg window(*session_, dialogs_, moduleDirectory_);
    messages_.setOwner(&window);
    window.exec();
    messages_.setOwner(nullptr);
    return 0;
}

}  // namespace keld
