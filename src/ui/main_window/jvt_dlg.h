// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QHash>
#include <QPoint>
#include <memory>
#include <optional>
#include <string>

#include "ui/main_window/header_commands.h"

class QAbstractButton;
class QFrame;
class QMenu;

namespace keld {
class SelectionSession;
}

namespace keld::ui {

class CKeldSelect;
class CoreBoundary;
class UserDialogs;

// The main window (template 102): a frameless window with its own header —
// the banner with the brand logo and the title, the five command buttons, the
// minimise and close buttons — and below it the frame that holds the
// selection page. Closing it in any way asks "Are you sure to exit ?" first.
// Every call its handlers and its page's make into the core goes through one
// core boundary: a failure there is a message box, never the end of the
// program.
class CJVTDlg : public QDialog {
    Q_OBJECT

public:
    // The session (page and database) and the dialogs outlive the window.
    // `moduleDirectory` is where the datasheet's pictures lie. The core
    // failures are shown through the session's message sink.
    CJVTDlg(SelectionSession& session, UserDialogs& dialogs, std::string moduleDirectory,
            QWidget* parent = nullptr);
    // As above, with calls into the core going through `boundary`, which
    // outlives the window.
    CJVTDlg(SelectionSession& session, UserDialogs& dialogs, std::string moduleDirectory,
            CoreBoundary& boundary, QWidget* parent = nullptr);
    ~CJVTDlg() override;

    CKeldSelect* selectionPage() const { return selectionPage_; }

    // Asks before the window closes; Cancel keeps it with every input and
    // result. Every way of closing comes here: "x", the window manager, Alt+F4
    // and Escape outside the page.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CJVTDlg(SelectionSession& session, UserDialogs& dialogs, std::string moduleDirectory,
            std::unique_ptr<CoreBoundary> ownBoundary, CoreBoundary* boundary, QWidget* parent);
    void createHeader();
    void createPage();
    // Dispatch of a header button's click by its control id.
    void onHeaderCommand(int controlId);
    // The window's OK command (Enter): the focused edit's text as it stands,
    // then CALC.
    void onOk();
    bool insidePage(const QWidget* widget) const;
    // The system menu a frameless window keeps: a context menu on the banner
    // and Alt+Space.
    void showSystemMenu(const QPoint& globalPos);
    void startKeyboardMove();
    // Moves the window by an arrow key while a keyboard move runs; false when none runs.
    bool keyboardMove(const QKeyEvent& key);

    std::unique_ptr<CoreBoundary> ownBoundary_;
    CoreBoundary& boundary_;
    HeaderCommands commands_;
    SelectionSession& session_;
    QWidget* banner_ = nullptr;    // 1028
    QFrame* pageFrame_ = nullptr;  // 1033
    CKeldSelect* selectionPage_ = nullptr;
    QHash<const QObject*, int> headerIds_;  // the header buttons' control ids
    // Where the banner was grabbed, while the window follows the mouse itself
    // (when the window system cannot move it).
    std::optional<QPoint> dragOffset_;
    bool keyboardMoving_ = false;
};

}  // namespace keld::ui
