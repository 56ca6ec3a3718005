#include "app/ui/sound_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>

namespace langyue {

void SoundPlayer::play(const QUrl& address) {
    if (player_ == nullptr) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
    }
    player_->stop();
    player_->setSource(address);
    player_->play();
}

}  // namespace langyue
