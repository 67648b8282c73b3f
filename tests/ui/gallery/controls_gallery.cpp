// SPDX-License-Identifier: MIT
#include "gallery/controls_gallery.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/controls/button_st.h"
#include "ui/controls/jazz_up_tell_tale_button.h"
#include "ui/controls/pictures.h"
#include "ui/controls/static_color.h"

namespace keld::ui::gallery {
namespace {

// The window and page background of the program.
const QColor kPage(176, 226, 255);
constexpr int kColumns = 6;
constexpr QSize kCommandSize(44, 50);

struct Command {
    const char* caption;
    int icon;
};
constexpr Command kCommands[] = {{"Back", 147}, {"Next", 148}, {"CALC", 131}, {"PDF", 130}, {"About", 145}};

CJazzUpTellTaleButton* MakeCommand(const Command& command, QWidget* stage, QPoint at) {
    auto* button = new CJazzUpTellTaleButton(QString::fromLatin1(command.caption), stage);
    button->setGeometry(QRect(at, kCommandSize));
    button->setIcon(IconResource(command.icon));
    button->setImageAlignment(CButtonST::ImageAlignment::AboveCaption);
    button->setShadeWhenIdle(false);
    return button;
}

CButtonST* MakeBitmapButton(const QString& caption, int inImage, int outImage, QWidget* stage,
                            QRect geometry) {
    auto* button = new CButtonST(caption, stage);
    button->setGeometry(geometry);
    button->setBitmaps(BitmapResource(inImage), BitmapResource(outImage));
    button->setDrawBorder(false);
    button->setStill(true);
    button->setTransparent(true);
    return button;
}

CButtonST* MakeLogo(int bitmap, QWidget* stage, QRect geometry) {
    auto* logo = new CButtonST(stage);
    logo->setGeometry(geometry);
    logo->setBitmaps(BitmapResource(bitmap));
    logo->setFlat(false);
    logo->setStill(true);
    logo->setTransparent(true);
    return logo;
}

void Send(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent event(type, centre, widget->mapToGlobal(centre), button,
                      button == Qt::NoButton ? Qt::MouseButtons() : Qt::MouseButtons(button), Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

ControlsGallery::ControlsGallery() {
    setWindowTitle(QStringLiteral("KELD controls"));
    QPalette page = palette();
    page.setColor(QPalette::Window, kPage);
    setPalette(page);
    setAutoFillBackground(true);
    sections_ = new QVBoxLayout(this);
    addHeader();
    addCommandButtons();
    addPlainButtons();
    addBitmapButtons();
    addStatics();
    addPictures();
    sections_->addStretch();
}

QGridLayout* ControlsGallery::addSection(const QString& title) {
    auto* heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    sections_->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sections_->addLayout(grid);
    return grid;
}

QWidget* ControlsGallery::addCell(QGridLayout* section, const QString& caption, Stage stage, QSize size) {
    const int index = section->count();
    auto* cell = new QWidget(this);
    auto* column = new QVBoxLayout(cell);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    QWidget* backdrop = nullptr;
    if (stage == Stage::Banner) {
        backdrop = new CStaticColor(cell);
    } else {
        backdrop = new QWidget(cell);
    }
    backdrop->setFixedSize(size);
    column->addWidget(backdrop, 0, Qt::AlignLeft);
    auto* label = new QLabel(caption, cell);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    // Fixed, so that no row of the gallery squeezes a caption onto its stage.
    const int width = std::max(size.width(), 110);
    label->setFixedSize(width, label->heightForWidth(width));
    column->addWidget(label);
    column->addStretch();
    section->addWidget(cell, index / kColumns, index % kColumns, Qt::AlignLeft | Qt::AlignTop);
    return backdrop;
}

void ControlsGallery::addHeader() {
    QGridLayout* section =
        addSection(QStringLiteral("Header (Norvex): Next under the mouse, CALC pressed, "
                                  "minimise under the mouse"));
    QWidget* banner = addCell(section, QString(), Stage::Banner, QSize(540, 108));
    MakeLogo(134, banner, QRect(8, 0, 150, 52));
    for (int i = 0; i < 5; ++i) {
        CJazzUpTellTaleButton* button = MakeCommand(kCommands[i], banner, QPoint(10 + 48 * i, 54));
        if (i == 1) hovered_.append(button);
        if (i == 2) pressed_.append(button);
    }
    hovered_.append(MakeBitmapButton(QStringLiteral("-"), 141, 140, banner, QRect(482, 0, 22, 16)));
    MakeBitmapButton(QStringLiteral("x"), 142, 143, banner, QRect(504, 0, 36, 16));
}

void ControlsGallery::addCommandButtons() {
    QGridLayout* section = addSection(QStringLiteral("CJazzUpTellTaleButton (CShadeButtonST)"));
    const auto cell = [&](const QString& caption) {
        return addCell(section, caption, Stage::Banner, QSize(64, 60));
    };
    MakeCommand(kCommands[2], cell(QStringLiteral("at rest: the banner shows")), QPoint(10, 5));
    hovered_.append(MakeCommand(kCommands[2],
                                cell(QStringLiteral("mouse over: relief 1 px right and down, "
                                                    "raised border")),
                                QPoint(10, 5)));
    pressed_.append(MakeCommand(kCommands[2],
                                cell(QStringLiteral("pressed: sunken border, icon and caption "
                                                    "1 px down")),
                                QPoint(10, 5)));
    MakeCommand(kCommands[2], cell(QStringLiteral("disabled: etched caption")), QPoint(10, 5))
        ->setEnabled(false);
    MakeCommand(kCommands[3], cell(QStringLiteral("shade when idle: blue relief")), QPoint(10, 5))
        ->setShadeWhenIdle(true);
    MakeCommand(kCommands[4], cell(QStringLiteral("always hover look")), QPoint(10, 5))
        ->setAlwaysHoverLook(true);
}

void ControlsGallery::addPlainButtons() {
    QGridLayout* section = addSection(QStringLiteral("CButtonST on the page"));
    const auto button = [&](const QString& caption, const QString& label, QSize stage = QSize(96, 40)) {
        auto* b = new CButtonST(label, addCell(section, caption, Stage::Page, stage));
        b->setGeometry(QRect(QPoint(8, 6), stage - QSize(16, 12)));
        return b;
    };
    button(QStringLiteral("flat"), QStringLiteral("Flat"));
    hovered_.append(button(QStringLiteral("flat, mouse over: raised border"), QStringLiteral("Flat")));
    CButtonST* flatPressed =
        button(QStringLiteral("flat, pressed: sunken border, caption moved"), QStringLiteral("Flat"));
    hovered_.append(flatPressed);
    pressed_.append(flatPressed);
    button(QStringLiteral("not flat"), QStringLiteral("Button"))->setFlat(false);
    focused_ =
        button(QStringLiteral("not flat, focused: frame and focus rectangle"), QStringLiteral("Focus"));
    focused_->setFlat(false);
    CButtonST* isDefault =
        button(QStringLiteral("not flat, default: black frame"), QStringLiteral("Default"));
    isDefault->setFlat(false);
    isDefault->setDefault(true);
    CButtonST* pressedNotFlat =
        button(QStringLiteral("not flat, pressed: caption moved"), QStringLiteral("Button"));
    pressedNotFlat->setFlat(false);
    pressed_.append(pressedNotFlat);
    CButtonST* disabled = button(QStringLiteral("disabled: etched caption"), QStringLiteral("Disabled"));
    disabled->setFlat(false);
    disabled->setEnabled(false);
    CButtonST* beside = button(QStringLiteral("icon beside caption"), QStringLiteral("CALC"), QSize(110, 52));
    beside->setIcon(IconResource(131));
    CButtonST* above = button(QStringLiteral("icon above caption"), QStringLiteral("CALC"), QSize(70, 66));
    above->setIcon(IconResource(131));
    above->setImageAlignment(CButtonST::ImageAlignment::AboveCaption);
    CButtonST* movingIcon =
        button(QStringLiteral("pressed, not still: icon moved"), QStringLiteral("PDF"), QSize(70, 66));
    movingIcon->setIcon(IconResource(130));
    movingIcon->setImageAlignment(CButtonST::ImageAlignment::AboveCaption);
    movingIcon->setFlat(false);
    pressed_.append(movingIcon);
}

void ControlsGallery::addBitmapButtons() {
    QGridLayout* section = addSection(QStringLiteral("CButtonST with bitmaps, transparent on the banner"));
    const QRect minimise(13, 12, 22, 16);
    const QRect close(6, 12, 36, 16);
    const auto stage = [&](const QString& caption) {
        return addCell(section, caption, Stage::Banner, QSize(48, 40));
    };
    MakeBitmapButton(QStringLiteral("-"), 141, 140, stage(QStringLiteral("minimise: out-image")), minimise);
    hovered_.append(MakeBitmapButton(QStringLiteral("-"), 141, 140,
                                     stage(QStringLiteral("minimise, mouse over: "
                                                          "in-image")),
                                     minimise));
    MakeBitmapButton(QStringLiteral("x"), 142, 143, stage(QStringLiteral("close: out-image")), close);
    hovered_.append(MakeBitmapButton(QStringLiteral("x"), 142, 143,
                                     stage(QStringLiteral("close, mouse over: "
                                                          "in-image")),
                                     close));
    CButtonST* pressed = MakeBitmapButton(
        QStringLiteral("x"), 142, 143, stage(QStringLiteral("close, pressed and still: not moved")), close);
    hovered_.append(pressed);
    pressed_.append(pressed);
    MakeLogo(136, addCell(section, QStringLiteral("logo 136 (BREXAL)"), Stage::Banner, QSize(170, 52)),
             QRect(8, 0, 154, 52));
}

void ControlsGallery::addStatics() {
    QGridLayout* section = addSection(QStringLiteral("CStaticColor"));
    auto* gradient = new CStaticColor(addCell(
        section, QStringLiteral("gradient: light blue at the bottom to white at the top, raised bottom edge"),
        Stage::Page, QSize(240, 68)));
    gradient->setGeometry(0, 0, 240, 68);
    for (int number : {153, 150}) {
        auto* unit = new CStaticColor(
            addCell(section, QStringLiteral("bitmap %1 centred, pure red shows the page").arg(number),
                    Stage::Page, QSize(80, 24)));
        unit->setGeometry(0, 0, 80, 24);
        unit->setDrawMode(CStaticColor::DrawMode::Bitmap);
        unit->setBitmap(BitmapResource(number));
    }
}

void ControlsGallery::addPictures() {
    QGridLayout* section = addSection(QStringLiteral("Pictures as drawn (before any transparent colour)"));
    section->setHorizontalSpacing(6);
    const auto picture = [&](const QString& caption, const QPixmap& pixmap) {
        QWidget* stage = addCell(section, caption, Stage::Page, pixmap.size());
        auto* label = new QLabel(stage);
        label->setPixmap(pixmap);
        label->setGeometry(QRect(QPoint(0, 0), pixmap.size()));
    };
    for (int number : {128, 130, 131, 145, 147, 148})
        picture(QStringLiteral("icon %1").arg(number), IconResource(number).pixmap(32, 32));
    for (int number : {134, 136, 140, 141, 142, 143, 150, 153})
        picture(QStringLiteral("bitmap %1").arg(number), BitmapResource(number));
}

void ControlsGallery::showStates() {
    for (CButtonST* button : hovered_) Send(button, QEvent::MouseMove, Qt::NoButton);
    // A button pressed with the mouse has the mouse over it, too.
    for (CButtonST* button : pressed_) {
        Send(button, QEvent::MouseMove, Qt::NoButton);
        button->setDown(true);
    }
    focused_->setFocus();
}

}  // namespace keld::ui::gallery
