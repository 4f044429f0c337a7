// A thin wrapper over one binary file stream.
#pragma once

#include <fstream>
#include <string>

#include "FileOpenFlag.h"

class CFile {
public:
    CFile() = default;
    ~CFile() = default;

    // Returns whether the stream is open afterwards; an unknown mode opens nothing.
    bool Open(FileOpenFlag mode, std::string path);
    void Close();
    void Write(const void* data, int size);
    // Reads up to size bytes. Past the end of the file the rest of the buffer is left as it was.
    void Read(void* data, int size);

private:
    std::fstream stream;
};
