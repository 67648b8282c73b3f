// SPDX-License-Identifier: MIT
// keld: the chiller selection window.
#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "app/jvt_app.h"
#include "app/launch_block.h"
#include "app/window_timing.h"
#include "base/program_identity.h"
#include "ui/desktop_dialogs.h"

namespace {

// While the toolkit connects to the display, its messages are held back: a
// start without a display then ends with one line that says what to use
// instead, not with the toolkit's own abort. Any other fatal error of the
// toolkit (a missing platform plugin, a broken installation) is printed with
// the toolkit's own words, which are the only clue to its cause.
QList<QByteArray>* heldMessages = nullptr;

bool NoDisplayToConnectTo() {
    for (const QByteArray& message : *heldMessages) {
        if (message.contains("could not connect to display")) return true;
    }
    return false;
}

void HoldOrExplain(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages->append(message.toLocal8Bit());
        return;
    }
    if (NoDisplayToConnectTo()) {
        std::fputs(
            "keld: no display to show the window on; keld-cli runs selections and datasheets without one\n",
            stderr);
    } else {
        for (const QByteArray& held : *heldMessages) std::fprintf(stderr, "keld: %s\n", held.constData());
        std::fprintf(stderr, "keld: %s\n", message.toLocal8Bit().constData());
    }
    // The launch this start was made for ends here.
    keld::DiscardLaunchBlock(keld::LaunchBlockName());
    std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[]) {
    QList<QByteArray> held;
    heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(HoldOrExplain);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const QByteArray& message : held) std::fprintf(stderr, "%s\n", message.constData());
    heldMessages = nullptr;

    QApplication::setApplicationName(QString::fromUtf8(keld::kApplicationTitle));
    keld::MeasureWindowIfAsked();
    keld::ui::DesktopDialogs dialogs;
    keld::CJVTApp app(dialogs);
    return app.InitInstance();
}
