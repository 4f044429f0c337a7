// sndplay: listen to the games' sounds and music through our sound library.
#include <iostream>

#include "Player.h"

int main(int argc, char** argv)
{
    sndplay::Options options;
    std::string error;
    if (!sndplay::ParseArgs(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "sndplay: " << error << "\n" << sndplay::Usage();
        return 2;
    }
    return sndplay::Run(options, std::cerr);
}
