// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class QGridLayout;
class QVBoxLayout;

namespace keld::ui {
class CButtonST;
}

namespace keld::ui::gallery {

// One window with every self-drawn control in each of its states, on the
// banner or the page colour it sits on in the program, and every picture the
// windows cite, each with a line saying what it shows.
class ControlsGallery : public QWidget {
public:
    ControlsGallery();

    // Puts the controls into the states their lines name (mouse over,
    // pressed, focused). Call once the gallery is shown: focus needs an
    // active window. A real mouse moving over the gallery changes them again.
    void showStates();

private:
    enum class Stage { Banner, Page };

    QGridLayout* addSection(const QString& title);
    // A stage of `size` in the next free place of `section`, with `caption`
    // under it; the control goes on the stage as its child.
    QWidget* addCell(QGridLayout* section, const QString& caption, Stage stage, QSize size);
    void addHeader();
    void addCommandButtons();
    void addPlainButtons();
    void addBitmapButtons();
    void addStatics();
    void addPictures();

    QVBoxLayout* sections_ = nullptr;
    QList<CButtonST*> hovered_;
    QList<CButtonST*> pressed_;
    CButtonST* focused_ = nullptr;
};

}  // namespace keld::ui::gallery
