#include "app/ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

#include "app/messages.h"
#include "app/ui/qt_text.h"

namespace langyue {
namespace {

MessageAnswer show_box(const Message& message) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(from_gbk(message.title.empty() ? gbk("提示") : message.title));
    box.setText(from_gbk(message.text));
    switch (message.icon) {
        case MessageIcon::kInformation: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::kWarning: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::kError: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::kQuestion: box.setIcon(QMessageBox::Question); break;
        case MessageIcon::kNone: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (message.buttons) {
        case MessageButtons::kOk: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageButtons::kYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MessageButtons::kOkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return MessageAnswer::kYes;
        case QMessageBox::No: return MessageAnswer::kNo;
        case QMessageBox::Cancel: return MessageAnswer::kCancel;
        default: return MessageAnswer::kOk;
    }
}

}  // namespace

void install_message_boxes() {
    set_message_handler([](const Message& message) {
        QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr || QThread::currentThread() == app->thread()) return show_box(message);
        MessageAnswer answer = MessageAnswer::kOk;
        QMetaObject::invokeMethod(
            app, [&] { answer = show_box(message); }, Qt::BlockingQueuedConnection);
        return answer;
    });
}

}  // namespace langyue
