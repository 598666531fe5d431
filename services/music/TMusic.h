#pragma once

#include <string>

namespace peglore {

class IMediaPlayer;
class TConfiguration;

// Plays the music file "Peglore.mid" over and over while the Music option
// is on. The file is opened on the first request to play and stays open;
// when it cannot be opened the option is switched off without a message.
// The owner passes the player's completion reports to MediaPlayerNotify;
// this object does not register itself with the player.
class TMusic {
public:
    static constexpr const char* FileName = "Peglore.mid";

    // programFolder: where the music file lies, with its trailing "/".
    TMusic(IMediaPlayer& player, TConfiguration& configuration, std::string programFolder);

    // The music file is open in the player.
    bool Opened() const { return FOpened; }
    // The player may be used: false after a failed open, until an open
    // succeeds again.
    bool Available() const { return FAvailable; }

    // Starts the music from its beginning, opening the file first if need be.
    void Play();
    void Stop();
    // The end of a play command: a successful one, the music having
    // reached its end, starts it again.
    void MediaPlayerNotify(bool successful);

private:
    void OpenMusic();

    IMediaPlayer& FPlayer;
    TConfiguration& FConfiguration;
    std::string FProgramFolder;
    bool FOpened = false;
    bool FAvailable = true;
};

}  // namespace peglore
