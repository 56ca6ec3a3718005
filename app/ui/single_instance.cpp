#include "app/ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace langyue {

SingleInstance::SingleInstance(const QString& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    lock_ = std::make_unique<QLockFile>(folder + "/" + name + ".lock");
    // A lock left by a crashed instance is taken over (QLockFile checks the owner's pid).
    lock_->setStaleLockTime(0);
}

bool SingleInstance::acquire() { return lock_->tryLock(0); }

}  // namespace langyue
