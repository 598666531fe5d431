#pragma once

#include <string>

namespace peglore {

class IMediaPlayer;
class TConfiguration;

// Plays the music file "Peglore.mid" over and over while the Music option
// is on. The file is opened on the first request to play and stays open;
// when it cannot be opened the option is switched off without a message.
// The open goes on in the background: a play asked for meanwhile starts
// when it succeeds, a stop meanwhile cancels that wish. The owner passes the
// player's completion reports to MediaPlayerNotify; this object does not
// register itself with the player.
class TMusic {
public:
    static constexpr const char* FileName = "Peglore.mid";

    // programFolder: where the music file lies, with its trailing "/".
    TMusic(IMediaPlayer& player, TConfiguration& configuration, std::string programFolder);
    // Gives up an open still under way, whose outcome has nobody to reach.
    ~TMusic();

    TMusic(const TMusic&) = delete;
    TMusic& operator=(const TMusic&) = delete;

    // Starts the music from its beginning, opening the file first if need be.
    void Play();
    void Stop();
    // The end of a play command: a successful one, the music having
    // reached its end, starts it again.
    void MediaPlayerNotify(bool successful);
    // Waits for an open still under way and takes its outcome at once, so
    // that a failure has turned the option off. Call it before the option
    // is saved or shown.
    void WaitForOpen();

private:
    void OpenMusic();
    void OpenFinished(bool opened);

    IMediaPlayer& FPlayer;
    TConfiguration& FConfiguration;
    std::string FProgramFolder;
    bool FOpened = false;  // the music file is open in the player
    bool FOpening = false;  // an open has begun and its outcome has not arrived yet
    bool FPlayWhenOpen = false;
};

}  // namespace peglore
