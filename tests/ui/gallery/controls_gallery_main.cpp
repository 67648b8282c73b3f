// SPDX-License-Identifier: MIT
// keld-controls-gallery: shows every self-drawn control in each state, for
// anyone who wants to look at them. Not installed.
#include <QApplication>

#include "gallery/controls_gallery.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    keld::ui::gallery::ControlsGallery gallery;
    gallery.show();
    gallery.activateWindow();
    gallery.showStates();
    return QApplication::exec();
}
