// The main window LumettoMain: toolbar, menus, status bar and the eleven working pages.
#pragma once

#include <QMainWindow>

class QTabWidget;

namespace langyue {

class SingleInstance;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The creation handler: single-instance test, skin, show, date lists, chart, status hint,
    // settings, generation character, and the database load on a thread nobody waits for.
    // False when another instance runs; the caller then ends silently.
    bool main_window_created(SingleInstance& instance);

    QTabWidget* pages() const { return pages_; }

private:
    void build_pages();

    QTabWidget* pages_ = nullptr;
};

}  // namespace langyue
