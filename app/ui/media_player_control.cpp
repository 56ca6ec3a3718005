#include "app/ui/media_player_control.h"

#include "app/ui/sound_player.h"

namespace langyue {

MediaPlayerControl::MediaPlayerControl(QWidget* parent) : QToolButton(parent) {
    setObjectName(QStringLiteral("媒体播放1"));
    setFixedSize(26, 26);
    setAutoRaise(true);
    setText(QStringLiteral("♪"));
    setToolTip(QStringLiteral("英文名朗读"));
    connect(this, &QToolButton::clicked, this, [this] {
        if (!source_.isEmpty()) play(source_);
    });
}

void MediaPlayerControl::play(const QUrl& address) {
    source_ = address;
    if (player_ == nullptr) player_ = new SoundPlayer(this);
    player_->play(address);
}

}  // namespace langyue
