#include "app/messages.h"

#include <cstdio>
#include <mutex>

#include "text/gbk.h"

namespace langyue {
namespace {

MessageAnswer print_to_stderr(const Message& message) {
    const std::string text = gbk_to_utf8(message.text);
    std::fprintf(stderr, "%s\n", text.c_str());
    return message.buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kYes;
}

std::mutex handler_mutex;
MessageHandler installed_handler;

}  // namespace

MessageHandler set_message_handler(MessageHandler handler) {
    std::lock_guard lock(handler_mutex);
    MessageHandler previous = std::move(installed_handler);
    installed_handler = std::move(handler);
    return previous;
}

MessageAnswer show_message(const Message& message) {
    MessageHandler handler;
    {
        std::lock_guard lock(handler_mutex);
        handler = installed_handler;
    }
    return handler ? handler(message) : print_to_stderr(message);
}

MessageAnswer show_error(const std::string& text_gbk) {
    return show_message({text_gbk, gbk("错误"), MessageIcon::kError, MessageButtons::kOk});
}

MessageAnswer show_info(const std::string& text_gbk) {
    return show_message({text_gbk, gbk("提示"), MessageIcon::kInformation, MessageButtons::kOk});
}

}  // namespace langyue
