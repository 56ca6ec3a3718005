#include "generation/ui/english_pronunciation.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>

#include "app/ui/qt_text.h"
#include "app/ui/sound_player.h"
#include "generation/english_names.h"

namespace langyue {

EnglishPronunciation::EnglishPronunciation(QObject* parent)
    : QObject(parent),
      network_(new QNetworkAccessManager(this)),
      address_(QString::fromLatin1(kEnglishDictionaryAddress)) {}

EnglishPronunciation::~EnglishPronunciation() = default;

void EnglishPronunciation::pronounce(const QString& name) {
    if (pending_ != nullptr) {
        QNetworkReply* old = pending_;
        pending_ = nullptr;
        old->disconnect(this);
        old->abort();
        old->deleteLater();
    }
    // The name follows the address directly, without further encoding.
    QNetworkRequest request(QUrl(address_ + name, QUrl::TolerantMode));
    request.setTransferTimeout(timeout_);
    QNetworkReply* reply = network_->get(request);
    pending_ = reply;
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, name] { page_arrived(reply, name); });
}

void EnglishPronunciation::page_arrived(QNetworkReply* reply, const QString& name) {
    if (reply != pending_) return;
    pending_ = nullptr;
    reply->deleteLater();
    std::string link;
    if (reply->error() == QNetworkReply::NoError) {
        link = pronunciation_link(utf8_to_gbk(reply->readAll().toStdString()));
    }
    if (link.empty()) {
        if (say_) say_(name); else say_default(name);
        emit finished(false);
        return;
    }
    const QUrl sound(from_gbk(link) + QStringLiteral(".mp3"), QUrl::TolerantMode);
    if (play_) play_(sound); else play_default(sound);
    emit finished(true);
}

void EnglishPronunciation::play_default(const QUrl& address) {
    if (player_ == nullptr) player_ = new SoundPlayer(this);
    player_->play(address);
}

void EnglishPronunciation::say_default(const QString& name) {
    // Started and left alone: the window never waits for the speech engine, and a machine
    // without it simply stays silent.
    QProcess::startDetached(QString::fromLatin1(kSpeechProgram),
                            {QStringLiteral("-v"), QStringLiteral("en"), name});
}

}  // namespace langyue
