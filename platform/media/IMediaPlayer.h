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

// A media player with one file open for exclusive use. It is created,
// commanded and destroyed on the user-interface thread; opening a file
// (the synthesizer, the instruments, the audio device) goes on elsewhere,
// so that the window need not wait for it.
class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;

    // Names the file that the next open uses.
    virtual void SetFileName(const std::string& fileName) = 0;
    // Closes what is open and starts opening the named file on the device;
    // returns at once. The outcome reaches onOpened exactly once, as an event
    // of the user-interface thread's loop or from inside WaitForOpen, unless
    // the open is given up first. False is a device error: the file is
    // missing, unreadable or no MIDI file, there is no soundfont, or no audio
    // device can be had.
    virtual void BeginOpen(std::function<void(bool opened)> onOpened) = 0;
    // With an open under way: waits until it is done and hands its outcome to
    // onOpened before returning. Otherwise nothing.
    virtual void WaitForOpen() = 0;
    // With an open under way: gives it up; its outcome reaches nobody and the
    // player stays closed. Otherwise nothing.
    virtual void CancelOpen() = 0;
    // Moves the play position to the beginning.
    virtual void SeekToStart() = 0;
    // Plays from the current position and returns at once. Every play
    // command ends in exactly one report through onNotify.
    virtual void Play() = 0;
    virtual void Stop() = 0;
    // Releases the device, giving up an open under way; a pending play
    // command is reported aborted.
    virtual void Close() = 0;
    // Receives the reports, always as an event of the user-interface
    // thread's event loop, never from inside a call to the player.
    virtual void SetOnNotify(std::function<void(TMediaResult)> onNotify) = 0;
};

}  // namespace peglore
