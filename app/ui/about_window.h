// The about window AboutUs: a picture of our own with the program's name and version, and a
// short text that opens the user manual when clicked.
#pragma once

#include <QWidget>

namespace langyue {

class AboutWindow : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace langyue
