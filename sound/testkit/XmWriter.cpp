// A writer for the smallest XM module that plays a steady tone.
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

constexpr int kRows = 16;
constexpr int kWaveLength = 32;

struct Layout {
    int channels = 2;
    std::vector<int> orders{0};  // the patterns in play order
    int restart = 0;
};

void Header(Bytes& b, const Layout& layout)
{
    b.Text("Extended Module: ", 17);
    b.Text("fmodlite test", 20);
    b.U8(0x1a);
    b.Text("fmodlite testkit", 20);
    b.U16(0x0104);
    b.U32(276);  // this header from here on: 20 bytes of fields and the order table
    b.U16(static_cast<int>(layout.orders.size()));
    b.U16(layout.restart);
    b.U16(layout.channels);
    b.U16(1);  // patterns
    b.U16(1);  // instruments
    b.U16(1);  // linear frequency table
    b.U16(6);  // ticks per row
    b.U16(125);
    for (int order : layout.orders)
        b.U8(order);
    b.Zeros(256 - layout.orders.size());
}

void Pattern(Bytes& b, int channels)
{
    // Unpacked cells: note, instrument, volume column, effect, parameter.
    Bytes cells;
    for (int row = 0; row < kRows; ++row) {
        for (int ch = 0; ch < channels; ++ch) {
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

std::vector<uint8_t> ModuleBytes(const Layout& layout)
{
    Bytes b;
    Header(b, layout);
    Pattern(b, layout.channels);
    Instrument(b);
    return b.data;
}

}  // namespace

std::vector<uint8_t> TestModuleBytes()
{
    return ModuleBytes(Layout{});
}

std::vector<uint8_t> TempolessModuleBytes()
{
    // No channels, and a first order that names a pattern the file lacks: libxmp loads
    // this and plays it at a tempo of 0.
    return ModuleBytes(Layout{.channels = 0, .orders = {37, 0}, .restart = 1});
}

bool WriteTestModule(const std::string& path)
{
    return WriteBytes(path, TestModuleBytes());
}

}  // namespace soundtest
