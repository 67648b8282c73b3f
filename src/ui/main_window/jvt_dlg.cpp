// SPDX-License-Identifier: MIT
#include "ui/main_window/jvt_dlg.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>
#include <utility>

#include "selection/selection_session.h"
#include "ui/dialog_units.h"
#include "ui/main_window/main_window_template.h"
#include "ui/page/keld_select.h"
#include "ui/user_dialogs.h"

namespace keld::ui {

CJVTDlg::CJVTDlg(SelectionSession& session, UserDialogs& dialogs, std::string moduleDirectory, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      commands_(*this, session, dialogs, std::move(moduleDirectory)),
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

void CJVTDlg::createPage() {
    const DialogUnits units(font());
    pageFrame_ = new QFrame(this);
    pageFrame_->setObjectName(QString::number(kPageFrameId));
    pageFrame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    pageFrame_->setGeometry(clientRect(units, kPageFrameRect));
    selectionPage_ = new CKeldSelect(session_.page(), pageFrame_);
    selectionPage_->move(0, 0);
    selectionPage_->show();
    commands_.setPage(selectionPage_);
}

bool CJVTDlg::event(QEvent* event) {
    if (event->type() == kHeaderCommandEvent) {
        // A header button reports its click with itself as the sender.
        const auto* click = static_cast<HeaderClickEvent*>(event);
        const auto id = headerIds_.constFind(click->button());
        if (id != headerIds_.constEnd()) onHeaderCommand(*id);
        return true;
    }
    return QDialog::event(event);
}

void CJVTDlg::onHeaderCommand(int controlId) {
    switch (controlId) {
        case kCalcId: commands_.runCalc(); break;
        case kPdfId: commands_.exportPdfDatasheet(); break;
        case kAboutId: commands_.showAbout(); break;
        // The selection page is the only page: "Back" shows it again, "Next"
        // has nowhere to go.
        case kBackId: selectionPage_->show(); break;
        case kNextId: break;
        default: break;
    }
}

void CJVTDlg::onOk() {
    if (commands_.busy()) return;
    selectionPage_->takeFocusedEditText();
    commands_.runCalc();
}

bool CJVTDlg::insidePage(const QWidget* widget) const {
    return widget != nullptr && (widget == selectionPage_ || selectionPage_->isAncestorOf(widget));
}

void CJVTDlg::keyPressEvent(QKeyEvent* event) {
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
        default: QDialog::keyPressEvent(event);
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
    QMenu menu(this);
    QAction* about = menu.addAction(QStringLiteral("关于 JVT(&A)..."));
    if (menu.exec(globalPos) == about) commands_.showAbout();
}

void CJVTDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundColour);
    // The thin border of the borderless pop-up.
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace keld::ui
