// The mode in which CFile::Open opens a file.
#pragma once

enum FileOpenFlag {
    FILE_READ = 0,    // input, binary
    FILE_WRITE = 1,   // output, binary; an existing file is emptied
    FILE_APPEND = 2,  // output, binary, every write goes to the end
};
