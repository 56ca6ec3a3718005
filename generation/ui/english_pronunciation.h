// play_english_name's sound: the online dictionary's page for the name is fetched without
// blocking the window and its pronunciation link handed to a player; when the fetch fails,
// times out or the page has no pronunciation link, a local speech engine says the name.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace langyue {

class SoundPlayer;

class EnglishPronunciation : public QObject {
    Q_OBJECT

public:
    // How long the dictionary page may take before the name is said locally instead.
    static constexpr int kTimeoutMilliseconds = 4000;
    // The local speech engine.
    static constexpr const char* kSpeechProgram = "espeak-ng";

    explicit EnglishPronunciation(QObject* parent = nullptr);
    ~EnglishPronunciation() override;

    // Where the sound goes: by default a media player of this object's own. The main window
    // hands its player 媒体播放1 here.
    void set_player(std::function<void(const QUrl&)> play) { play_ = std::move(play); }
    // Who says the name when the dictionary cannot help: by default espeak-ng, started
    // without waiting for it.
    void set_speaker(std::function<void(const QString&)> say) { say_ = std::move(say); }
    // The dictionary's address (the name follows it directly) and the time allowed; tests
    // point them elsewhere.
    void set_dictionary_address(const QString& address) { address_ = address; }
    void set_timeout(int milliseconds) { timeout_ = milliseconds; }

    // Starts fetching the name's page and returns at once; a fetch still running is dropped.
    void pronounce(const QString& name);

signals:
    // The name was given to the player (true) or to the speech engine (false).
    void finished(bool played_online);

private:
    void page_arrived(QNetworkReply* reply, const QString& name);
    void play_default(const QUrl& address);
    static void say_default(const QString& name);

    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* pending_ = nullptr;
    SoundPlayer* player_ = nullptr;
    std::function<void(const QUrl&)> play_;
    std::function<void(const QString&)> say_;
    QString address_;
    int timeout_ = kTimeoutMilliseconds;
};

}  // namespace langyue
