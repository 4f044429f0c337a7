// Runs a fuzz target's entry point once over every file named on the command line or
// found in a named folder, so the seed corpus doubles as a regression test in builds
// without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // An empty vector's data() may be null; the fuzzer always hands a valid pointer.
  static const uint8_t none = 0;
  LLVMFuzzerTestOneInput(bytes.empty() ? &none : reinterpret_cast<const uint8_t*>(bytes.data()),
                         bytes.size());
}

int main(int argc, char** argv) {
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path path(argv[i]);
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
        if (entry.is_regular_file()) {
          replay(entry.path());
          ++files;
        }
      }
    } else if (std::filesystem::is_regular_file(path)) {
      replay(path);
      ++files;
    } else {
      std::fprintf(stderr, "no such corpus file or folder: %s\n", argv[i]);
      return 1;
    }
  }
  if (files == 0) {
    std::fprintf(stderr, "the corpus is empty\n");
    return 1;
  }
  std::printf("replayed %d inputs\n", files);
  return 0;
}
