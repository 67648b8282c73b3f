// SPDX-License-Identifier: MIT
#include "app/window_timing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGraphicsView>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "ui/dialogs/performance_map_dialog.h"
#include "ui/main_window/jvt_dlg.h"
#include "ui/main_window/main_window_template.h"
#include "ui/page/keld_select.h"
#include "ui/page/multi_header_list.h"

namespace keld {
namespace {

// The processor time this thread has used, in milliseconds: a figure that
// other programs busy on the same machine do not stretch.
double ThreadMilliseconds() {
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
}

// Waits for the map dialog's charts to be painted, then reports the time
// since `start` and ends the program.
class MapPaintWatch : public QObject {
public:
    explicit MapPaintWatch(std::chrono::steady_clock::time_point start)
        : start_(start), startProcessor_(ThreadMilliseconds()) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && !seen_ && widget != nullptr &&
            qobject_cast<QGraphicsView*>(widget->parentWidget()) != nullptr &&
            qobject_cast<ui::PerformanceMapDialog*>(widget->window()) != nullptr) {
            seen_ = true;
            // Reported once the whole window's painting is done.
            QTimer::singleShot(0, [start = start_, startProcessor = startProcessor_] {
                const std::chrono::duration<double, std::milli> took =
                    std::chrono::steady_clock::now() - start;
                std::printf("map-to-painted-ms %.3f\n", took.count());
                std::printf("map-to-painted-processor-ms %.3f\n", ThreadMilliseconds() - startProcessor);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    std::chrono::steady_clock::time_point start_;
    double startProcessor_;
    bool seen_ = false;
};

void ReportAndEnd(ui::CJVTDlg* window) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("first-paint-monotonic %ld.%09ld\n", static_cast<long>(now.tv_sec), now.tv_nsec);

    auto* calc = window->findChild<QAbstractButton*>(QString::number(ui::kCalcId));
    QWidget* rows = window->selectionPage()->resultList()->viewport();
    const auto start = std::chrono::steady_clock::now();
    calc->click();
    rows->repaint();
    const std::chrono::duration<double, std::milli> calcToRows = std::chrono::steady_clock::now() - start;
    std::printf("calc-to-painted-rows-ms %.3f\n", calcToRows.count());
    std::fflush(stdout);

    // The performance map of the first listed unit, as a double click asks
    // for it, until its charts are painted.
    ui::CMultiHeaderList* list = window->selectionPage()->resultList();
    if (list->model()->rowCount() == 0) std::_Exit(0);
    const auto mapAsked = std::chrono::steady_clock::now();
    qApp->installEventFilter(new MapPaintWatch(mapAsked));
    Q_EMIT list->performanceMapRequested(0);
}

// Waits for the first paint of the main window; the report follows once the
// whole window has been painted and shown.
class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            if (auto* window = qobject_cast<ui::CJVTDlg*>(watched)) {
                seen_ = true;
                QTimer::singleShot(0, window, [window] { ReportAndEnd(window); });
            }
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

void MeasureWindowIfAsked() {
    if (std::getenv("KELD_MEASURE_WINDOW") == nullptr) return;
    qApp->installEventFilter(new FirstPaintWatch(qApp));
}

}  // namespace keld
