// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include "db/performance_database.h"
#include "selection/result_columns.h"
#include "ui/page/keld_select.h"
#include "ui/page/multi_header_list.h"

namespace keld::test {
namespace {

constexpr int kRecordColumn = 20;

QString JoinRow(const QStringList& cells) {
    QStringList shown = cells;
    shown.removeAt(kRecordColumn);
    return shown.join(QLatin1Char('|'));
}

}  // namespace

OpenWindow::OpenWindow(const char* launchText)
    : OpenWindow(launchText, KELD_SAMPLE_DATABASE, KELD_BUILD_DIR) {}

OpenWindow::OpenWindow(const std::string& databasePath, const std::string& moduleDirectory)
    : OpenWindow("", databasePath, moduleDirectory) {}

OpenWindow::OpenWindow(const char* launchText, const std::string& databasePath,
                       const std::string& moduleDirectory)
    : session(DecodeLaunchText(launchText), messages, databasePath),
      window(session, dialogs, moduleDirectory, core) {
    if (!session.openDatabase()) qFatal("the database %s does not open", databasePath.c_str());
    dialogs.expectedOwner = &window;
    messages.setOwner(&window);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("the main window is not shown");
}

QAbstractButton* OpenWindow::headerButton(int controlId) const {
    return window.findChild<QAbstractButton*>(QString::number(controlId), Qt::FindDirectChildrenOnly);
}

QLineEdit* OpenWindow::edit(int controlId) const {
    return qobject_cast<QLineEdit*>(window.selectionPage()->control(controlId));
}

QAbstractButton* OpenWindow::pageButton(int controlId) const {
    return qobject_cast<QAbstractButton*>(window.selectionPage()->control(controlId));
}

QStringList OpenWindow::listRows() const {
    const QAbstractItemModel* model = window.selectionPage()->resultList()->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) {
            cells << model->data(model->index(r, c), Qt::DisplayRole).toString();
        }
        rows << JoinRow(cells);
    }
    return rows;
}

QStringList OpenWindow::editTexts() const {
    QStringList texts;
    for (int id = 1001; id <= 1035; ++id) {
        if (const QLineEdit* e = edit(id)) texts << QString::number(id) + QLatin1Char('=') + e->text();
    }
    return texts;
}

QString BuildFolderFile(const QString& name) { return QStringLiteral(KELD_BUILD_DIR "/") + name; }

CliSelection RunCliSelect(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(KELD_CLI),
              QStringList{QStringLiteral("select"), QStringLiteral("--json"), QStringLiteral("--database"),
                          QStringLiteral(KELD_SAMPLE_DATABASE)} +
                  args);
    if (!cli.waitForFinished(-1)) qFatal("keld-cli did not run");
    const QJsonObject result = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    CliSelection selection;
    for (const QJsonValue& row : result.value(QStringLiteral("rows")).toArray()) {
        QStringList cells;
        for (const QJsonValue& cell : row.toArray()) cells << cell.toString();
        selection.rows << JoinRow(cells);
    }
    for (const QJsonValue& message : result.value(QStringLiteral("messages")).toArray()) {
        const QJsonObject box = message.toObject();
        selection.messages << QLatin1Char('[') + box.value(QStringLiteral("caption")).toString() +
                                  QLatin1String("] ") + box.value(QStringLiteral("text")).toString();
    }
    return selection;
}

QByteArray RunCli(const QString& command, const QStringList& args) {
    QProcess cli;
    cli.start(
        QStringLiteral(KELD_CLI),
        QStringList{command, QStringLiteral("--database"), QStringLiteral(KELD_SAMPLE_DATABASE)} + args);
    if (!cli.waitForFinished(-1)) qFatal("keld-cli did not run");
    return cli.readAllStandardOutput();
}

}  // namespace keld::test
