// Small helpers the game code shares: splitting text, numbers as text, random integers, signs.
#pragma once

#include <string>
#include <vector>

// At most maximum pieces (-1: no limit); text after the delimiter of that rank is dropped.
std::vector<std::string> split(const std::string& text, const std::string& delimiter, int maximum);
// The text before the first whole delimiter, which with it is removed from text; without a
// delimiter, found is false, text stays as it is and the result is empty.
std::string takeToken(std::string& text, const std::string& delimiter, bool& found);
std::string toString(int value);
// From a to b inclusive, out of the runtime generator seeded at start-up.
int randomInt(int a, int b);
int sign(int value);
