// A TrueType font opened from a file, and the global interface font.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

class Font {
public:
    Font() = default;
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Closes the current font first; throws FileLoadingFailed with SDL's error text.
    void open(const std::string& fileName, int size);
    void close();
    // (x, y) is the top-left corner of the text's box.
    void draw(SDL_Surface* target, int x, int y, const std::string& text, SDL_Color colour) const;
    void draw(SDL_Surface* target, int x, int y, const std::string& text, int red, int green, int blue) const;

    // Null while no font is open.
    TTF_Font* ttfFont() const { return handle; }
    const std::string& fileName() const { return openedFile; }
    int size() const { return pointSize; }

private:
    TTF_Font* handle = nullptr;
    std::string openedFile;
    int pointSize = 0;
};

// "guifont.ttf" at 16 points once the program has started.
extern Font font;
