#include "app/ui/user_manual.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "app/program_paths.h"

namespace langyue {

QString user_manual_path() {
    return QFile::decodeName(QByteArray::fromStdString(help_directory())) +
           QStringLiteral("/用户手册.html");
}

bool open_user_manual_document() {
    const QString path = user_manual_path();
    if (!QFileInfo::exists(path)) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace langyue
