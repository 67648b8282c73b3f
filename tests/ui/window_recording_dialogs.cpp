// SPDX-License-Identifier: MIT
#include "window_recording_dialogs.h"

namespace keld::test {

void RecordingDialogs::record(QWidget* owner, const QString& entry) {
    shown.append(entry);
    if (owner != expectedOwner) ownersRight = false;
}

void RecordingDialogs::inform(QWidget* owner, const QString& text, const QString& caption) {
    record(owner, QLatin1Char('[') + caption + QLatin1String("] ") + text);
    if (whileInformed) whileInformed();
}

bool RecordingDialogs::confirm(QWidget* owner, const QString& text, const QString& caption) {
    record(owner, QLatin1Char('[') + caption + QLatin1String("] ") + text);
    return confirmAnswer;
}

std::optional<ProjectTexts> RecordingDialogs::askProjectTexts(QWidget* owner) {
    record(owner, QStringLiteral("project information"));
    return projectAnswer;
}

QString RecordingDialogs::askPdfPath(QWidget* owner) {
    record(owner, QStringLiteral("file"));
    return pathAnswer;
}

QString RecordingDialogs::askSavePath(QWidget* owner, const QString& nameFilter,
                                      const QString& suggestedName) {
    record(owner, QStringLiteral("save ") + suggestedName);
    lastNameFilter = nameFilter;
    return savePathAnswer;
}

void RecordingDialogs::showAbout(QWidget* owner, const QString& dataStamp) {
    record(owner, QStringLiteral("about ") + dataStamp);
}

void RecordingDialogs::openInViewer(QWidget*, const QString& path) {
    shown.append(QStringLiteral("viewer ") + path);
}

}  // namespace keld::test
