// The board's events from SDL's queue through the framework's poll.
#include "jwe/Events.h"
#include "scoreboard/BoardSeams.h"

namespace wtrq {

namespace {

class SdlEvents final : public EventSource {
public:
    int poll(SDL_Event* event) override { return pollEvent(event); }
};

}  // namespace

EventSource& sdlEvents()
{
    static SdlEvents events;
    return events;
}

}  // namespace wtrq
