// Plays a sound by address. The multimedia player is made on the first play, so nothing that
// owns one waits for the multimedia back end before it is needed.
#pragma once

#include <QObject>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;

namespace langyue {

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr) : QObject(parent) {}

    // Plays the sound at `address` from its start, replacing what was playing.
    void play(const QUrl& address);

private:
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
};

}  // namespace langyue
