// program_start: the main window as an ordinary window; the program runs until it closes.
#include <QApplication>

#include "app/program_paths.h"
#include "app/ui/main_window.h"
#include "app/ui/message_box.h"
#include "app/ui/program_images.h"
#include "app/ui/single_instance.h"
#include "app/ui/skins.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("langyue"));
    QApplication::setWindowIcon(langyue::window_icon());
    langyue::set_program_directory(langyue::executable_directory());
    langyue::install_message_boxes();
    // The skin engine is ready before the first window is made; step 2 applies the start skin.
    langyue::load_skin_engine();
    langyue::SingleInstance instance;
    langyue::MainWindow window;
    if (!window.main_window_created(instance)) return 0;
    return application.exec();
}
