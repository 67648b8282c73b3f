// SPDX-License-Identifier: MIT
#include "ui/main_window/jvt_dlg.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>
#include <utility>

#include "selection/launch_parameters.h"
#include "session/selection_session.h"
#include "ui/controls/button_st.h"
#include "ui/controls/jazz_up_tell_tale_button.h"
#include "ui/controls/pictures.h"
#include "ui/controls/static_color.h"
#include "ui/controls/tell_tale_event.h"
#include "ui/core_boundary.h"
#include "ui/dialog_units.h"
#include "ui/main_window/main_window_template.h"
#include "ui/page/keld_select.h"
#include "ui/page/multi_header_list.h"
#include "ui/user_dialogs.h"

namespace keld::ui {
namespace {

// The title's font: "Arial" 22 pixels high in its cell, 8 pixels wide on
// average, weight 900. Liberation Sans has Arial's metrics: the cell is
// 1.117 em high, so the em is 20 pixels, and an average bold character is
// 0.48 em (9.6 pixels) wide, narrowed to 8.
QFont titleFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(20);
    font.setStretch(83);
    font.setWeight(QFont::Black);
    return font;
}

// A minimise or close bitmap grown to fill its button beside the image
// margin, so that no room is left for the "-" or "x" caption: the pictures
// are drawn for smaller dialog units than the window's font gives. Pixels
// are repeated, not blended, so that black stays the transparent colour.
QPixmap fillingBitmap(const QWidget& button, int number) {
    const QSize room(button.width() - CButtonST::kImageMargin, button.height());
    return BitmapResource(number).scaled(room, Qt::KeepAspectRatio, Qt::FastTransformation);
}

}  // namespace

CJVTDlg::CJVTDlg(SelectionSession& session, UserDialogs& dialogs, std::string moduleDirectory,
                 QWidget* parent)
    : CJVTDlg(session, dialogs, std::move(moduleDirectory),
              std::make_unique<CoreBoundary>(session.messages()), nullptr, parent) {}

CJVTDlg::CJVTDlg(SelectionSession& session, UserDialogs& dialogs, std::string moduleDirectory,
                 CoreBoundary& boundary, QWidget* parent)
    : CJVTDlg(session, dialogs, std::move(moduleDirectory), nullptr, &boundary, parent) {}

CJVTDlg::CJVTDlg(SelectionSession& session, UserDialogs& dialogs, std::string moduleDirectory,
                 std::unique_ptr<CoreBoundary> ownBoundary, CoreBoundary* boundary, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      ownBoundary_(std::move(ownBoundary)),
      boundary_(boundary != nullptr ? *boundary : *ownBoundary_),
      commands_(*this, session, dialogs, boundary_, std::move(moduleDirectory)),
      session_(session) {
    setWindowTitle(QStringLiteral("JVT"));
    setFont(dialogFont());
    const DialogUnits units(font());
    // The client area of the template inside a one-pixel border.
    setFixedSize(units.size(kWindowSize.width(), kWindowSize.height()) + QSize(2 * kBorder, 2 * kBorder));

    createHeader();
    createPage();

    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(systemMenuKey, &QShortcut::activated, this,
            [this] { showSystemMenu(banner_->mapToGlobal(QPoint(0, 0))); });
}

CJVTDlg::~CJVTDlg() = default;

void CJVTDlg::createHeader() {
    setWindowIcon(IconResource(kApplicationIcon));
    const DialogUnits units(font());
    // Created in the template's order: the banner lies behind the rest, and
    // the tab order follows the template.
    auto* banner = new CStaticColor(this);
    banner->setObjectName(QString::number(kBannerId));
    banner->setGeometry(clientRect(units, kBannerRect));
    banner_ = banner;

    // Header buttons never become the window's default button: Enter on one
    // of them is its own click, Enter elsewhere the window's OK.
    const auto addButton = [&](CButtonST* button, int id, const QRect& rect) {
        button->setObjectName(QString::number(id));
        button->setGeometry(clientRect(units, rect));
        button->setAutoDefault(false);
        headerIds_.insert(button, id);
    };

    auto* logo = new CButtonST(this);
    addButton(logo, kLogoId, kLogoRect);
    logo->setBitmaps(
        BitmapResource(IsSecondBrand(session_.page().launch()) ? kSecondBrandLogo : kFirstBrandLogo));
    logo->setFlat(false);
    logo->setStill(true);
    logo->setTransparent(true);

    auto* title = new QLabel(QStringLiteral("Air cooled chiller(heat pump)\nselection software"), this);
    title->setObjectName(QString::number(kTitleId));
    title->setGeometry(clientRect(units, kTitleRect));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setFont(titleFont());

    auto* picture = new CButtonST(this);
    addButton(picture, kPictureId, kPictureRect);
    picture->setFlat(false);
    picture->setStill(true);
    picture->setTransparent(true);

    auto* minimise = new CButtonST(QStringLiteral("-"), this);
    addButton(minimise, kMinimiseId, kMinimiseRect);
    minimise->setBitmaps(fillingBitmap(*minimise, kMinimiseIn), fillingBitmap(*minimise, kMinimiseOut));
    minimise->setDrawBorder(false);
    minimise->setStill(true);
    minimise->setTransparent(true);
    connect(minimise, &QPushButton::clicked, this, &QWidget::showMinimized);

    auto* close = new CButtonST(QStringLiteral("x"), this);
    addButton(close, kCloseId, kCloseRect);
    close->setBitmaps(fillingBitmap(*close, kCloseIn), fillingBitmap(*close, kCloseOut));
    close->setDrawBorder(false);
    close->setStill(true);
    close->setTransparent(true);
    connect(close, &QPushButton::clicked, this, &CJVTDlg::reject);
    // These draw no focus mark: the keyboard passes them by. The logo and
    // the picture do nothing, and the window's menu (Alt+Space) minimises
    // and closes.
    for (CButtonST* unmarked : {logo, picture, minimise, close}) unmarked->setFocusPolicy(Qt::NoFocus);

    for (const CommandButton& command : kCommandButtons) {
        auto* button = new CJazzUpTellTaleButton(QString::fromLatin1(command.caption), this);
        addButton(button, command.id, command.rect);
        button->buildShades();
        button->setIcon(IconResource(command.icon));
        button->setImageAlignment(CButtonST::ImageAlignment::AboveCaption);
        button->setShadeWhenIdle(false);
    }
}

void CJVTDlg::createPage() {
    const DialogUnits units(font());
    pageFrame_ = new QFrame(this);
    pageFrame_->setObjectName(QString::number(kPageFrameId));
    pageFrame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    pageFrame_->setGeometry(clientRect(units, kPageFrameRect));
    selectionPage_ = new CKeldSelect(session_.page(), boundary_, pageFrame_);
    selectionPage_->move(0, 0);
    selectionPage_->show();
    commands_.setPage(selectionPage_);
    connect(selectionPage_->resultList(), &CMultiHeaderList::performanceMapRequested, this,
            [this](int row) { commands_.showPerformanceMap(row); });

    // The user starts on the page's first control, where Enter runs CALC,
    // rather than on the logo.
    for (QWidget* next = selectionPage_->nextInFocusChain(); next != this && next != selectionPage_;
         next = next->nextInFocusChain()) {
        if (selectionPage_->isAncestorOf(next) && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus();
            break;
        }
    }
}

bool CJVTDlg::event(QEvent* event) {
    if (event->type() == kTellTaleMessage) {
        // A command button reports its click with itself as the sender.
        const auto* click = static_cast<TellTaleEvent*>(event);
        const auto id = headerIds_.constFind(click->button());
        if (id != headerIds_.constEnd()) onHeaderCommand(*id);
        return true;
    }
    return QDialog::event(event);
}

void CJVTDlg::onHeaderCommand(int controlId) {
    switch (controlId) {
        case kCalcId:
            commands_.runCalc();
            break;
        case kPdfId:
            commands_.exportPdfDatasheet();
            break;
        case kAboutId:
            commands_.showAbout();
            break;
        // The selection page is the only page: "Back" shows it again, "Next"
        // has nowhere to go.
        case kBackId:
            selectionPage_->show();
            break;
        case kNextId:
            break;
        default:
            break;
    }
}

void CJVTDlg::onOk() {
    if (commands_.busy()) return;
    if (!selectionPage_->takeFocusedEditText()) return;
    commands_.runCalc();
}

bool CJVTDlg::insidePage(const QWidget* widget) const {
    return widget != nullptr && (widget == selectionPage_ || selectionPage_->isAncestorOf(widget));
}

void CJVTDlg::keyPressEvent(QKeyEvent* event) {
    if (keyboardMove(*event)) {
        event->accept();
        return;
    }
    const QWidget* focus = focusWidget();
    switch (event->key()) {
        case Qt::Key_Escape:
            // The page ignores its own Cancel; elsewhere Escape closes, and
            // closing asks first.
            if (!insidePage(focus)) reject();
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* button = qobject_cast<QAbstractButton*>(const_cast<QWidget*>(focus));
                button != nullptr && headerIds_.contains(button)) {
                // A focused header button takes Enter as its own click.
                button->click();
            } else {
                onOk();
            }
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CJVTDlg::reject() {
    if (!commands_.confirmExit()) return;
    QDialog::reject();
}

void CJVTDlg::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && banner_->geometry().contains(point) && !isMaximized()) {
        // The banner is the window's caption: the window system moves the
        // window; where it cannot, the window follows the mouse itself.
        if (windowHandle() == nullptr || !windowHandle()->startSystemMove()) {
            dragOffset_ = event->globalPosition().toPoint() - pos();
        }
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void CJVTDlg::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CJVTDlg::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    QDialog::mouseReleaseEvent(event);
}

void CJVTDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (banner_->geometry().contains(event->pos())) {
        showSystemMenu(event->globalPos());
        event->accept();
        return;
    }
    QDialog::contextMenuEvent(event);
}

void CJVTDlg::showSystemMenu(const QPoint& globalPos) {
    if (commands_.busy()) return;
    // What a window's own menu offers, for the caption bar the window draws
    // itself; without a window manager it is the only way to move the
    // window by keyboard.
    QMenu menu(this);
    QAction* moveWindow = menu.addAction(QStringLiteral("&Move"));
    QAction* minimise = menu.addAction(QStringLiteral("Mi&nimise"));
    QAction* closeWindow = menu.addAction(QStringLiteral("&Close"));
    menu.addSeparator();
    QAction* about = menu.addAction(QStringLiteral("关于 JVT(&A)..."));
    QAction* chosen = menu.exec(globalPos);
    // Without a window manager nobody else gives the window its keys back.
    activateWindow();
    if (chosen == moveWindow) {
        startKeyboardMove();
    } else if (chosen == minimise) {
        showMinimized();
    } else if (chosen == closeWindow) {
        reject();
    } else if (chosen == about) {
        commands_.showAbout();
    }
}

// A window manager moves the window itself; without one the arrow keys move
// it, ten pixels a press, until Enter or Escape.
void CJVTDlg::startKeyboardMove() {
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
    keyboardMoving_ = true;
    grabKeyboard();
}

bool CJVTDlg::keyboardMove(const QKeyEvent& key) {
    if (!keyboardMoving_) return false;
    constexpr int kStep = 10;
    switch (key.key()) {
        case Qt::Key_Left:
            move(pos() + QPoint(-kStep, 0));
            break;
        case Qt::Key_Right:
            move(pos() + QPoint(kStep, 0));
            break;
        case Qt::Key_Up:
            move(pos() + QPoint(0, -kStep));
            break;
        case Qt::Key_Down:
            move(pos() + QPoint(0, kStep));
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            keyboardMoving_ = false;
            releaseKeyboard();
            break;
        default:
            break;
    }
    return true;
}

void CJVTDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundColour);
    // The thin border of the borderless pop-up.
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace keld::ui
