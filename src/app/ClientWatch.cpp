#include "app/ClientWatch.h"

#include "net/NetLink.h"

ClientWatch::Verdict ClientWatch::Judge(Time now, bool named, bool playing) const {
    const std::chrono::milliseconds timeout(kTimeoutMs);
    if (now - heard_ > timeout) return Verdict::Silent;
    // Being heard is not enough to keep a place one does not play.
    if (playing) return Verdict::Keep;
    if (!named) return now - since_ > timeout ? Verdict::NoHello : Verdict::Keep;
    return now - since_ > kJoinLimit ? Verdict::TooSlowToJoin : Verdict::Keep;
}
