// Opens the committed packages and loads their members the way the game does: extract to
// the scratch file, load from there, close the package.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

// Every member name of one of the committed packages, in directory order.
std::vector<std::string> membersOf(const std::string& package);
// The member's bytes.
std::string memberBytes(const std::string& package, const std::string& member);
// The member decoded as a picture in the display format; fails the test (and returns null)
// when it does not decode.
SDL_Surface* loadMemberImage(const std::string& package, const std::string& member);
// Extracts a member to the scratch file "temp.tmp" and returns its path; closeScratch
// closes the package, which deletes the file again.
std::string extractToScratch(const std::string& package, const std::string& member);
void closeScratch();

// Runs a loader on the extracted scratch file; the result is what the loader returned.
template <typename Loader>
auto withExtracted(const std::string& package, const std::string& member, Loader load)
    -> decltype(load(std::string()))
{
    const std::string path = extractToScratch(package, member);
    auto result = load(path);
    closeScratch();
    return result;
}
