// A writer for the smallest XM module that plays a steady tone.
#include <fstream>

#include "TestSounds.h"

namespace soundtest {

namespace {

class Bytes {
public:
    void U8(int v) { data.push_back(static_cast<uint8_t>(v)); }
    void U16(int v)
    {
        U8(v & 0xff);
        U8((v >> 8) & 0xff);
    }
    void U32(uint32_t v)
    {
        U16(static_cast<int>(v & 0xffff));
        U16(static_cast<int>(v >> 16));
    }
    void Text(const std::string& s, size_t width)
    {
        for (size_t i = 0; i < width; ++i)
            U8(i < s.size() ? s[i] : 0);
    }
    void Zeros(size_t n) { data.insert(data.end(), n, 0); }

    std::vector<uint8_t> data;
};

constexpr int kChannels = 2;
constexpr int kRows = 16;
constexpr int kWaveLength = 32;

void Header(Bytes& b)
{
    b.Text("Extended Module: ", 17);
    b.Text("fmodlite test", 20);
    b.U8(0x1a);
    b.Text("fmodlite testkit", 20);
    b.U16(0x0104);
    b.U32(276);  // this header from here on: 20 bytes of fields and the order table
    b.U16(1);    // orders
    b.U16(0);    // restart position
    b.U16(kChannels);
    b.U16(1);  // patterns
    b.U16(1);  // instruments
    b.U16(1);  // linear frequency table
    b.U16(6);  // ticks per row
    b.U16(125);
    b.Zeros(256);  // order table: pattern 0 once
}

void Pattern(Bytes& b)
{
    // Unpacked cells: note, instrument, volume column, effect, parameter.
    Bytes cells;
    for (int row = 0; row < kRows; ++row) {
        for (int ch = 0; ch < kChannels; ++ch) {
            const bool strike = row % 8 == 0;
            cells.U8(strike ? (ch == 0 ? 49 : 56) : 0);  // C-4 and G-4
            cells.U8(strike ? 1 : 0);
            cells.Zeros(3);
        }
    }
    b.U32(9);
    b.U8(0);
    b.U16(kRows);
    b.U16(static_cast<int>(cells.data.size()));
    b.data.insert(b.data.end(), cells.data.begin(), cells.data.end());
}

void Instrument(Bytes& b)
{
    b.U32(263);
    b.Text("square", 22);
    b.U8(0);
    b.U16(1);   // samples
    b.U32(40);  // sample header size
    b.Zeros(96);       // every note plays sample 0
    b.Zeros(48 + 48);  // envelopes, unused
    b.Zeros(8 + 2);    // envelope points, sustain and loops; both envelopes off
    b.Zeros(4);        // no vibrato
    b.U16(0);          // fadeout
    b.Zeros(22);

    b.U32(kWaveLength);
    b.U32(0);
    b.U32(kWaveLength);
    b.U8(64);   // volume
    b.U8(0);    // finetune
    b.U8(1);    // forward loop, 8-bit
    b.U8(128);  // centre
    b.U8(0);    // relative note
    b.U8(0);
    b.Text("square", 22);

    // 8-bit sample data is stored as differences from the previous value.
    int previous = 0;
    for (int i = 0; i < kWaveLength; ++i) {
        const int value = i < kWaveLength / 2 ? 96 : -96;
        b.U8((value - previous) & 0xff);
        previous = value;
    }
}

}  // namespace

std::vector<uint8_t> TestModuleBytes()
{
    Bytes b;
    Header(b);
    Pattern(b);
    Instrument(b);
    return b.data;
}

bool WriteTestModule(const std::string& path)
{
    const std::vector<uint8_t> bytes = TestModuleBytes();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace soundtest
