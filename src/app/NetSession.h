#pragma once

#include <string>

class App;

// A network match around the app's own: the host's or a client's side of it. The app calls it
// around every frame and hands it the chat typed on the console.
class NetSession {
public:
    virtual ~NetSession() = default;
    // What came over the network, before the frame's update.
    virtual void BeforeFrame(App& app) = 0;
    // What goes out after the frame, then the wait to the next frame of the game's pace.
    virtual void AfterFrame(App& app) = 0;
    // A typed line that is no command: chat for everybody in the match.
    virtual void Say(App& app, const std::string& line) = 0;
    // The session is about to be dropped: last words to the log and the peers.
    virtual void Close(App& /*app*/) {}
    // Still on its way into a match: a headless run does not stop for having none yet.
    virtual bool Joining() const { return false; }
    // Done for good: the app drops it.
    virtual bool Finished() const { return false; }
};
