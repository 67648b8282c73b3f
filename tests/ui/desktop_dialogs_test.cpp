// SPDX-License-Identifier: MIT
// The real dialogs as a user meets them: the focus given back when a box
// closes, messages broken only between words, and the datasheet's place told
// when no viewer opens it.
#include "ui/desktop_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>

using keld::ui::DesktopDialogs;

namespace {

// The lines the message box's label would show at `width` pixels.
QStringList LinesAt(const QString& shown, int width) {
    QTextDocument document;
    document.setPlainText(shown);
    document.setTextWidth(width);
    document.size();  // lays the text out
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << block.text()
                         .mid(line.textStart(), line.textLength())
                         .remove(QChar(0x200B))
                         .remove(QChar(0x2060))
                         .trimmed();
        }
    }
    return lines;
}

}  // namespace

class DesktopDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void focusComesBackAfterABox();
    void messagesBreakBetweenWordsOnly();
    void aDatasheetNoViewerOpensIsNamed();
    void aFileToSaveOffersItsNameAndType();
};

// With no window manager to give it back, the control that had the focus
// before the box gets it again when the box closes.
void DesktopDialogsTest::focusComesBackAfterABox() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    second->setFocus();
    DesktopDialogs dialogs;
    bool answered = false;
    QTimer::singleShot(0, [&answered] {
        QWidget* box = QApplication::activeModalWidget();
        answered = box != nullptr;
        if (box != nullptr) QTest::keyClick(box, Qt::Key_Return);
    });
    dialogs.inform(&window, QStringLiteral("No suitable models!"), QStringLiteral("JVT"));
    QVERIFY(answered);
    QTRY_COMPARE(QApplication::focusWidget(), second);
    // The keys go to it again.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("42"));
    QCOMPARE(second->text(), QStringLiteral("42"));
}

// A list of rejected units, as narrow as a line of the box can be: every
// line ends at a comma or a space, never inside a model name.
void DesktopDialogsTest::messagesBreakBetweenWordsOnly() {
    const QString names = QStringLiteral(
        "WOTA180GN5-LQE,WOTA260GN5-LQE,WOTA360GN5-LQE,WOTA390GN5-LQE:Water flow is beyond range");
    const QString shown = keld::ui::MessageBoxText(names);
    for (int width : {150, 200, 300, 400}) {
        const QStringList lines = LinesAt(shown, width);
        QVERIFY2(lines.size() >= 1, qPrintable(lines.join(QLatin1Char('|'))));
        QCOMPARE(lines.join(QString()).remove(QLatin1Char(' ')), QString(names).remove(QLatin1Char(' ')));
        for (const QString& line : lines) {
            QVERIFY2(!line.endsWith(QLatin1Char('-')), qPrintable(line));
            QVERIFY2(!line.startsWith(QStringLiteral("LQE")), qPrintable(line));
        }
    }
    // Nothing else of the text changes: without the invisible marks it is the message.
    for (const QString& text :
         {names, QStringLiteral("a<b & \"c\"\nnext - 5"), QStringLiteral("LWT is -5,-6")}) {
        QCOMPARE(keld::ui::MessageBoxText(text).remove(QChar(0x200B)).remove(QChar(0x2060)), text);
    }
}

// An opener that fails (no viewer for PDF files) or is missing: the user is
// told where the file is.
void DesktopDialogsTest::aDatasheetNoViewerOpensIsNamed() {
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    QFile failing(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(failing.open(QIODevice::WriteOnly));
    failing.write("#!/bin/sh\nexit 3\n");
    failing.close();
    failing.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    QWidget window;
    DesktopDialogs dialogs;
    for (const QByteArray& searched : {bin.path().toLocal8Bit(), QByteArray("/nonexistent")}) {
        qputenv("PATH", searched);
        QString told;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&told] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            told = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        watcher.start(10);
        dialogs.openInViewer(&window, QStringLiteral("/tmp/QTK130.pdf"));
        QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 5000);
        QVERIFY2(told.contains(QStringLiteral("/tmp/QTK130.pdf")), qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral("no PDF viewer")), qPrintable(told));
    }
    qputenv("PATH", path);
}

// The file-save dialog offers the suggested name under its type's filter,
// and a name typed without a suffix gets the suggested one.
void DesktopDialogsTest::aFileToSaveOffersItsNameAndType() {
    QTemporaryDir folder;
    QWidget owner;
    owner.show();
    QStringList filters;
    QString offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        filters = dialog->nameFilters();
        offered = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        dialog->setDirectory(folder.path());
        dialog->selectFile(QStringLiteral("chiller"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    DesktopDialogs desktop;
    const QString path = desktop.askSavePath(&owner, QStringLiteral("PNG image (*.png)"),
                                             QStringLiteral("QTK130GN5-LQE-cooling.png"));
    QCOMPARE(filters, QStringList{QStringLiteral("PNG image (*.png)")});
    QCOMPARE(offered, QStringLiteral("QTK130GN5-LQE-cooling.png"));
    QCOMPARE(path, folder.filePath(QStringLiteral("chiller.png")));
}

QTEST_MAIN(DesktopDialogsTest)
#include "desktop_dialogs_test.moc"
