// SPDX-License-Identifier: MIT
// Saves the gallery of every control in each state as controls-gallery.png in
// the build folder, for anyone to look at.
#include <QImage>
#include <QStandardPaths>
#include <QTest>

#include "gallery/controls_gallery.h"
#include "ui/controls/button_st.h"

class GalleryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void savesPicture();
};

void GalleryTest::savesPicture() {
    keld::ui::gallery::ControlsGallery gallery;
    gallery.show();
    gallery.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&gallery));
    gallery.showStates();

    const auto* focused = qobject_cast<keld::ui::CButtonST*>(QApplication::focusWidget());
    QVERIFY(focused != nullptr);
    int hovered = 0;
    int pressed = 0;
    for (const keld::ui::CButtonST* button : gallery.findChildren<keld::ui::CButtonST*>()) {
        hovered += button->isMouseOver() ? 1 : 0;
        pressed += button->isDown() ? 1 : 0;
    }
    QVERIFY(hovered > 0);
    QVERIFY(pressed > 0);

    const QImage picture = gallery.grab().toImage();
    const QString path = QStringLiteral(KELD_GALLERY_PNG);
    QVERIFY(picture.save(path));
    QCOMPARE(QImage(path).size(), gallery.size());
}

QTEST_MAIN(GalleryTest)
#include "gallery_test.moc"
