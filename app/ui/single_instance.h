// The single-instance test: a lock file in the user's runtime folder stands in for the
// system-wide named event.
#pragma once

#include <QLockFile>
#include <memory>

namespace langyue {

class SingleInstance {
public:
    // `name` tells programs apart; tests pass their own to stay out of the real one's way.
    explicit SingleInstance(const QString& name = QStringLiteral("langyue"));
    // True when no other running instance holds the lock; this one then holds it until exit.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace langyue
