// CFile: binary reads and writes through one std::fstream.
#include "CFile.h"

bool CFile::Open(FileOpenFlag mode, std::string path)
{
    std::ios::openmode openMode;
    switch (mode) {
    case FILE_READ:   openMode = std::ios::in | std::ios::binary; break;
    case FILE_WRITE:  openMode = std::ios::out | std::ios::trunc | std::ios::binary; break;
    case FILE_APPEND: openMode = std::ios::out | std::ios::app | std::ios::binary; break;
    default:          return stream.is_open();
    }
    stream.open(path, openMode);
    return stream.is_open();
}

void CFile::Close()
{
    stream.close();
}

void CFile::Write(const void* data, int size)
{
    if (size > 0) {
        stream.write(static_cast<const char*>(data), size);
    }
}

void CFile::Read(void* data, int size)
{
    if (size > 0) {
        stream.read(static_cast<char*>(data), size);
    }
}
