// Headers and section table of a 32-bit PE file, read from its bytes with every offset checked.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace pe {

// A file that is not a well-formed 32-bit PE image; the message names the file and the fault.
struct FormatError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum DirectoryIndex : unsigned {
  kExportDirectory = 0,
  kImportDirectory = 1,
  kResourceDirectory = 2,
  kRelocationDirectory = 5,
  kTlsDirectory = 9,
};

constexpr uint16_t kMachineI386 = 0x014C;
constexpr uint16_t kOptionalMagicPe32 = 0x010B;
constexpr uint16_t kSubsystemWindowsGui = 2;

constexpr uint32_t kSectionExecute = 0x20000000;
constexpr uint32_t kSectionRead = 0x40000000;
constexpr uint32_t kSectionWrite = 0x80000000;
constexpr uint32_t kSectionUninitialized = 0x00000080;

struct DataDirectory {
  uint32_t rva = 0;
  uint32_t size = 0;
};

struct Section {
  std::string name;
  uint32_t virtualAddress = 0;
  uint32_t virtualSize = 0;
  uint32_t rawOffset = 0;
  uint32_t rawSize = 0;
  uint32_t characteristics = 0;
};

struct Headers {
  // COFF file header
  uint16_t machine = 0;
  uint16_t characteristics = 0;
  uint32_t symbolTableOffset = 0;
  uint32_t symbolCount = 0;
  // optional header
  uint16_t magic = 0;
  uint32_t entryPoint = 0;
  uint32_t imageBase = 0;
  uint32_t sectionAlignment = 0;
  uint32_t fileAlignment = 0;
  uint16_t osMajor = 0, osMinor = 0;
  uint16_t subsystemMajor = 0, subsystemMinor = 0;
  uint32_t sizeOfImage = 0;
  uint32_t sizeOfHeaders = 0;
  uint16_t subsystem = 0;
  uint16_t dllCharacteristics = 0;
  std::vector<DataDirectory> directories;
  std::vector<Section> sections;

  DataDirectory Directory(unsigned index) const {
    return index < directories.size() ? directories[index] : DataDirectory{};
  }
};

// Reads a whole file; throws FormatError naming the path when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Parses the headers of an i386 PE32 image; `what` names the file in error messages.
Headers ReadHeaders(const std::vector<uint8_t>& file, const std::string& what);

// Little-endian reads at an offset, throwing FormatError when the field runs past the end.
uint16_t Read16(const std::vector<uint8_t>& bytes, size_t offset, const std::string& what);
uint32_t Read32(const std::vector<uint8_t>& bytes, size_t offset, const std::string& what);

}  // namespace pe
