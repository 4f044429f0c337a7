// The report lines the top-level handlers write for each kind of failure.
#include "jwe/Report.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "jwe/Exceptions.h"

namespace {

std::string reported(const std::exception& failure)
{
    std::ostringstream out;
    // The handlers catch the framework's family first, then every other standard exception.
    if (const auto* own = dynamic_cast<const JWEException*>(&failure)) {
        reportFailure(*own, out);
    } else {
        reportFailure(failure, out);
    }
    return out.str();
}

TEST(Report, EachFailureKindWritesItsLines)
{
    SDL_SetError("No available video device");
    const struct {
        const char* label;
        std::string lines;
        std::string expected;
    } cases[] = {
        {"file", reported(FileLoadingFailed("data/gui.pjw", "Read-mode opening failed.")),
         "Failed to load file \"data/gui.pjw\".\nRead-mode opening failed.\n"},
        {"member", reported(FileLoadingFailed("christmas.xm", "Not found inside package.")),
         "Failed to load file \"christmas.xm\".\nNot found inside package.\n"},
        {"sdl", reported(SDLFailure("Failed to initialize SDL.")),
         "Failed to initialize SDL.\nNo available video device\n"},
        {"plain", reported(JWEException("message", "detail")), "message\ndetail\n"},
        {"runtime", reported(std::runtime_error("Failed to load music!")), "Failed to load music!\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.lines, c.expected) << c.label;
    }
}

TEST(Report, ExceptionsCopyBothTextsAndKeepTheSdlTextOfTheirMoment)
{
    SDL_SetError("first");
    const SDLFailure original("Failed to set video mode 640x480 with 24bpp colors.");
    SDL_SetError("later");
    const JWEException copy = original;
    EXPECT_STREQ(copy.what(), "Failed to set video mode 640x480 with 24bpp colors.");
    EXPECT_EQ(copy.getDetail(), "first");
}

}  // namespace
