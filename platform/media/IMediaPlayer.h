#pragma once

#include <functional>
#include <string>

namespace peglore {

// How a play command ended.
enum class TMediaResult {
    Successful,  // the music reached its end
    Superseded,  // a later play command asked for the report
    Aborted,  // stopped, or the player was closed
    Failure,  // nothing could be played
};

// A media player with one file open for exclusive use.
class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;

    // Names the file that the next Open uses.
    virtual void SetFileName(const std::string& fileName) = 0;
    // Opens the named file on the device and waits until done. False is a
    // device error: the file is missing, unreadable or no MIDI file, there
    // is no soundfont, or no audio device can be had.
    virtual bool Open() = 0;
    // Moves the play position to the beginning.
    virtual void SeekToStart() = 0;
    // Plays from the current position and returns at once. Every play
    // command ends in exactly one report through onNotify.
    virtual void Play() = 0;
    virtual void Stop() = 0;
    // Releases the device; a pending play command is reported aborted.
    virtual void Close() = 0;
    // Receives the reports, always as an event of the user-interface
    // thread's event loop, never from inside a call to the player.
    virtual void SetOnNotify(std::function<void(TMediaResult)> onNotify) = 0;
};

}  // namespace peglore
