// The media player 媒体播放1 at the right end of the main window's menu bar: a small speaker
// that plays an address (the English names' pronunciations). The player itself is made on
// the first play, so starting the program never waits for the multimedia back end.
#pragma once

#include <QToolButton>
#include <QUrl>


namespace langyue {

class SoundPlayer;

class MediaPlayerControl : public QToolButton {
    Q_OBJECT

public:
    explicit MediaPlayerControl(QWidget* parent = nullptr);

    // Plays the sound at `address` from its start, replacing what was playing.
    void play(const QUrl& address);
    // The address last given to play().
    const QUrl& source() const { return source_; }

private:
    SoundPlayer* player_ = nullptr;
    QUrl source_;
};

}  // namespace langyue
