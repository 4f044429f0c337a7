// split, takeToken, toString, randomInt and sign.
#include "jwe/Utilities.h"

#include <cstdlib>
#include <sstream>

std::string takeToken(std::string& text, const std::string& delimiter, bool& found)
{
    // An empty delimiter would match everywhere and never use the text up.
    const size_t at = delimiter.empty() ? std::string::npos : text.find(delimiter);
    if (at == std::string::npos) {
        found = false;
        return std::string();
    }
    std::string token = text.substr(0, at);
    text.erase(0, at + delimiter.size());
    found = true;
    return token;
}

std::vector<std::string> split(const std::string& text, const std::string& delimiter, int maximum)
{
    std::vector<std::string> pieces;
    std::string rest = text;
    int counter = 0;
    for (;;) {
        ++counter;
        bool found = false;
        std::string token = takeToken(rest, delimiter, found);
        if (!found) {
            pieces.push_back(rest);
            return pieces;
        }
        pieces.push_back(token);
        if (maximum != -1 && counter >= maximum) {
            return pieces;
        }
    }
}

std::string toString(int value)
{
    std::ostringstream out;
    out << value;
    std::istringstream in(out.str());
    std::string word;
    in >> word;
    return word;
}

int randomInt(int a, int b)
{
    return a + std::rand() % (b - a + 1);
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}
