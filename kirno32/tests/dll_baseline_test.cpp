// Disassembles the shipped kirno32.dll and looks for any instruction a 386 does not have.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The baseline is the i386 with a 387: the platforms where the 3-D look is on ran on 386, 486 and
// Pentium machines. Anything introduced later is refused:
//   486      bswap, cmpxchg, xadd, invd, wbinvd, invlpg
//   Pentium  cpuid, rdtsc, rdmsr, wrmsr, cmpxchg8b, rsm
//   P6       cmovCC, fcmovCC, fcomi(p), fucomi(p), rdpmc, sysenter, sysexit, long and hint NOPs
//            (nopw/nopl with an operand, endbr32, prefetch)
//   later    MMX, SSE and AVX (any mm/xmm/ymm/zmm/k register, emms, fxsave, ldmxcsr, fences,
//            clflush, movnti) and the later integer extensions (popcnt, lzcnt, tzcnt, movbe, crc32,
//            BMI, adcx/adox, rdrand/rdseed, xgetbv, syscall)
// ud2 is allowed: it exists only to fault, and a 386 faults on it just the same.
std::string NewerThanI386(const std::string& instruction) {
  std::istringstream words(instruction);
  std::string mnemonic;
  static const char* const kPrefixes[] = {"rep", "repz", "repnz", "repe", "repne", "lock", "data16",
                                          "addr16", "cs", "ds", "es", "ss", "fs", "gs"};
  bool prefix = true;
  while (prefix && words >> mnemonic) {
    prefix = false;
    for (const char* p : kPrefixes) prefix = prefix || mnemonic == p;
  }
  std::string operands;
  std::getline(words, operands);

  auto startsWith = [&](const char* head) { return mnemonic.rfind(head, 0) == 0; };
  static const char* const kExact[] = {
      "bswap", "cmpxchg", "cmpxchgl", "cmpxchgb", "cmpxchgw", "xadd", "xaddl", "xaddb", "xaddw", "invd",
      "wbinvd", "invlpg", "cpuid", "rdtsc", "rdtscp", "rdmsr", "wrmsr", "cmpxchg8b", "rsm", "fcomi",
      "fcomip", "fucomi", "fucomip", "rdpmc", "sysenter", "sysexit", "nopw", "nopl", "endbr32", "emms",
      "fxsave", "fxrstor", "ldmxcsr", "stmxcsr", "lfence", "mfence", "sfence", "clflush", "movnti",
      "popcnt", "lzcnt", "tzcnt", "movbe", "crc32", "andn", "bextr", "blsi", "blsmsk", "blsr", "bzhi",
      "mulx", "pdep", "pext", "rorx", "sarx", "shlx", "shrx", "adcx", "adox", "rdrand", "rdseed",
      "xgetbv", "syscall", "sysret"};
  for (const char* m : kExact)
    if (mnemonic == m) return mnemonic;
  for (const char* head : {"cmov", "fcmov", "prefetch", "popcnt", "lzcnt", "tzcnt", "movbe", "crc32"})
    if (startsWith(head)) return mnemonic;
  // mingw objdump writes registers as %mm0, %xmm1, %ymm2, %zmm3, %k1.
  for (const char* reg : {"%mm", "%xmm", "%ymm", "%zmm", "%k0", "%k1", "%k2", "%k3", "%k4", "%k5", "%k6", "%k7"})
    if (operands.find(reg) != std::string::npos) return mnemonic + " on " + reg;
  return "";
}

TEST(KirnoDllBaseline, ScannerKnowsOldFromNew) {
  struct Case {
    const char* instruction;
    bool newer;
  };
  const Case cases[] = {
      {"mov    0x8(%ebp),%eax", false},        {"movzbl (%eax),%edx", false},
      {"rep stos %eax,%es:(%edi)", false},     {"setne  %al", false},
      {"bt     %eax,%edx", false},             {"xchg   %ax,%ax", false},
      {"lea    0x0(%esi,%eiz,1),%esi", false}, {"nop", false},
      {"fld    %st(0)", false},                {"ud2", false},
      {"imul   $0x34,%eax,%eax", false},       {"shld   %cl,%edx,%eax", false},
      {"cmovne %edx,%eax", true},              {"cmovg  %ecx,%eax", true},
      {"fcmovb %st(1),%st", true},             {"fucomip %st(1),%st", true},
      {"bswap  %eax", true},                   {"lock cmpxchg %ecx,(%edx)", true},
      {"rdtsc", true},                         {"cpuid", true},
      {"nopw   0x0(%eax,%eax,1)", true},       {"data16 nopw %cs:0x0(%eax,%eax,1)", true},
      {"endbr32", true},                       {"pxor   %xmm0,%xmm0", true},
      {"movq   %mm0,(%eax)", true},            {"movd   %eax,%xmm1", true},
      {"prefetcht0 (%eax)", true},             {"popcnt %eax,%edx", true},
  };
  for (const Case& c : cases) EXPECT_EQ(!NewerThanI386(c.instruction).empty(), c.newer) << c.instruction;
}

TEST(KirnoDllBaseline, NoInstructionNewerThanThe386) {
  const std::string command = std::string(KIRNO_OBJDUMP) + " -d --no-show-raw-insn '" + KIRNO_DLL_PATH + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::vector<std::string> found;
  int instructions = 0;
  char line[512];
  while (fgets(line, sizeof line, pipe)) {
    // "  6fac1000:\tpush   %ebp"; the linker's constructor lists in .text disassemble as "(bad)".
    std::string text(line);
    size_t tab = text.find(":\t");
    if (tab == std::string::npos || text.find("(bad)") != std::string::npos) continue;
    std::string instruction = text.substr(tab + 2);
    if (!instruction.empty() && instruction.back() == '\n') instruction.pop_back();
    ++instructions;
    std::string why = NewerThanI386(instruction);
    if (!why.empty()) found.push_back(text.substr(0, tab) + ": " + instruction);
  }
  EXPECT_EQ(pclose(pipe), 0) << command;
  EXPECT_GT(instructions, 1000) << "the disassembly looks empty: " << command;
  std::string list;
  for (const std::string& f : found) list += "\n  " + f;
  EXPECT_TRUE(found.empty()) << found.size() << " instructions newer than the 386:" << list;
}

}  // namespace
