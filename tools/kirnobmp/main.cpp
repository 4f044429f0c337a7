// kirnobmp: writes kirno32's check-box bitmap to the file named on the command line.
#include <cstdio>

#include "check_cells.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kirnobmp OUTPUT.bmp\n");
    return 2;
  }
  std::vector<uint8_t> file = kirnobmp::EncodeBmp(kirnobmp::DrawCheckCells());
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::perror(argv[1]);
    return 1;
  }
  bool ok = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  ok = std::fclose(out) == 0 && ok;
  if (!ok) {
    std::fprintf(stderr, "kirnobmp: could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
