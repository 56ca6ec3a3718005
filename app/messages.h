// The one seam through which the program shows message boxes. The window installs a handler
// that shows a real box; tests install one that records and answers; the command-line tool
// keeps the default, which writes the text to standard error.
#pragma once

#include <functional>
#include <string>

namespace langyue {

enum class MessageIcon { kInformation, kWarning, kError, kQuestion, kNone };
enum class MessageButtons { kOk, kYesNo, kOkCancel };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

struct Message {
    std::string text;   // GBK
    std::string title;  // GBK; "提示" when left empty
    MessageIcon icon = MessageIcon::kInformation;
    MessageButtons buttons = MessageButtons::kOk;
};

using MessageHandler = std::function<MessageAnswer(const Message&)>;

// Installs a handler (an empty one restores the default) and returns the previous one.
MessageHandler set_message_handler(MessageHandler handler);

// Shows a message through the installed handler and returns the user's answer. May be called
// from any thread; the handler is responsible for reaching the window's thread.
MessageAnswer show_message(const Message& message);

// Shorthands for the common boxes.
MessageAnswer show_error(const std::string& text_gbk);
MessageAnswer show_info(const std::string& text_gbk);

}  // namespace langyue
