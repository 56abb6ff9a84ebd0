#include "app/settings.h"

#include "base/file_names.h"
#include "base/text_file.h"

#include <algorithm>
#include <cstring>

namespace zam {

namespace {
    void WriteInt16(std::uint8_t* at, int v)
    {
        auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
        at[0] = static_cast<std::uint8_t>(u & 0xFF);
        at[1] = static_cast<std::uint8_t>(u >> 8);
    }

    int ReadInt16(const std::uint8_t* at)
    {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
    }

    bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

    // Puts the default into a field whose byte is out of range.
    bool FixByte(std::uint8_t* block, const std::uint8_t* defaults, std::size_t offset, int lo, int hi)
    {
        if (InRange(block[offset], lo, hi))
            return false;
        block[offset] = defaults[offset];
        return true;
    }

    bool FixFont(std::uint8_t* block, const std::uint8_t* defaults, std::size_t offset, int minSize, int maxSize)
    {
        TFontDesc f = ReadFont(block + offset);
        bool nameOk = !f.name.empty()
            && std::all_of(f.name.begin(), f.name.end(), [](char c) { return static_cast<unsigned char>(c) >= 32; });
        bool ok = nameOk && InRange(f.pitch, 0, 2) && InRange(f.size, minSize, maxSize) && InRange(f.style, 0, 15);
        if (ok)
            return false;
        TFontDesc d = ReadFont(defaults + offset);
        if (nameOk)
            d.name = f.name;
        if (InRange(f.pitch, 0, 2))
            d.pitch = f.pitch;
        if (InRange(f.size, minSize, maxSize))
            d.size = f.size;
        if (InRange(f.style, 0, 15))
            d.style = f.style;
        WriteFont(block + offset, d);
        return true;
    }

    bool FixColours(std::uint8_t* block, const std::uint8_t* defaults, std::size_t offset, int count)
    {
        bool changed = false;
        for (int i = 0; i < count; ++i) {
            std::size_t at = offset + static_cast<std::size_t>(i) * 4;
            if (block[at + 3] != 0) {
                std::memcpy(block + at, defaults + at, 4);
                changed = true;
            }
        }
        return changed;
    }
}

TFontDesc ReadFont(const std::uint8_t* at)
{
    TFontDesc f;
    f.name.assign(reinterpret_cast<const char*>(at + 1), at[0]);
    f.pitch = at[256];
    f.size = ReadInt16(at + 258);
    f.style = at[260];
    return f;
}

void WriteFont(std::uint8_t* at, const TFontDesc& font)
{
    std::memset(at, 0, 262);
    std::size_t len = std::min<std::size_t>(font.name.size(), 255);
    at[0] = static_cast<std::uint8_t>(len);
    std::memcpy(at + 1, font.name.data(), len);
    at[256] = static_cast<std::uint8_t>(font.pitch);
    WriteInt16(at + 258, font.size);
    at[260] = static_cast<std::uint8_t>(font.style);
}

TColour ReadColour(const std::uint8_t* at)
{
    return static_cast<TColour>(at[0]) | static_cast<TColour>(at[1]) << 8 | static_cast<TColour>(at[2]) << 16
        | static_cast<TColour>(at[3]) << 24;
}

void WriteColour(std::uint8_t* at, TColour c)
{
    for (int k = 0; k < 4; ++k)
        at[k] = static_cast<std::uint8_t>((c >> (8 * k)) & 0xFF);
}

void SetPalette(TTextBlock& block, int palette)
{
    const auto& p = WindowPalette(palette);
    for (int i = 0; i < kWindowColours; ++i)
        WriteColour(block.data() + textblock::kColours + static_cast<std::size_t>(i) * 4, p[static_cast<std::size_t>(i)]);
}

void SetGraphicScheme(TGraphicsBlock& block, int scheme)
{
    auto s = GraphicScheme(scheme);
    for (int i = 0; i < kGraphicColours; ++i)
        WriteColour(block.data() + graphicsblock::kColours + static_cast<std::size_t>(i) * 4, s[static_cast<std::size_t>(i)]);
}

TTextBlock DefaultTextBlock()
{
    TTextBlock b {};
    WriteFont(b.data() + textblock::kTableFont, { "Arial", 1, 9, 0 });
    WriteFont(b.data() + textblock::kPrinterFont, { "Arial", 1, 8, 0 });
    b[textblock::kBufferAutomatic] = 1;
    b[textblock::kCsvCopies] = 1;
    b[textblock::kCsvSeparator] = ',';
    SetPalette(b, 2);
    return b;
}

TGraphicsBlock DefaultGraphicsBlock()
{
    TGraphicsBlock b {};
    WriteFont(b.data() + graphicsblock::kFont, { "Arial", 1, 10, 0 });
    const std::uint8_t sizes[4] = { 15, 11, 11, 11 };
    const std::uint8_t bold[4] = { 1, 0, 0, 0 };
    std::memcpy(b.data() + graphicsblock::kTextSizes, sizes, 4);
    std::memcpy(b.data() + graphicsblock::kBoldFlags, bold, 4);
    SetGraphicScheme(b, 2);
    const std::uint8_t markers[6] = { 9, 9, 3, 4, 5, 6 };
    for (std::size_t i = 0; i < 6; ++i) {
        b[graphicsblock::kFillScreen + i] = 0;
        b[graphicsblock::kFillMono + i] = static_cast<std::uint8_t>(i + 1);
        b[graphicsblock::kLineScreen + i] = 1;
        b[graphicsblock::kLineMono + i] = static_cast<std::uint8_t>(i + 1);
        b[graphicsblock::kMarkers + i] = markers[i];
    }
    const std::uint8_t layout[10] = { 1, 2, 1, 2, 1, 1, 50, 70, 25, 1 };
    std::memcpy(b.data() + graphicsblock::kLayout, layout, 10);
    return b;
}

bool SanitizeTextBlock(TTextBlock& b)
{
    TTextBlock d = DefaultTextBlock();
    bool changed = FixFont(b.data(), d.data(), textblock::kTableFont, 4, 72);
    changed |= FixFont(b.data(), d.data(), textblock::kPrinterFont, 4, 72);
    for (std::size_t at = textblock::kFontButtons; at <= textblock::kNoSingleCopies; ++at) {
        if (at != textblock::kCsvSeparator)
            changed |= FixByte(b.data(), d.data(), at, 0, 1);
    }
    char sep = static_cast<char>(b[textblock::kCsvSeparator]);
    if (sep < '!' || sep > 'z' || sep == '"' || sep == '.') {
        b[textblock::kCsvSeparator] = ',';
        changed = true;
    }
    changed |= FixColours(b.data(), d.data(), textblock::kColours, kWindowColours);
    return changed;
}

bool SanitizeGraphicsBlock(TGraphicsBlock& b)
{
    TGraphicsBlock d = DefaultGraphicsBlock();
    bool changed = FixFont(b.data(), d.data(), graphicsblock::kFont, 4, 72);
    for (std::size_t i = 0; i < 4; ++i) {
        changed |= FixByte(b.data(), d.data(), graphicsblock::kTextSizes + i, 6, 15);
        changed |= FixByte(b.data(), d.data(), graphicsblock::kBoldFlags + i, 0, 1);
    }
    changed |= FixColours(b.data(), d.data(), graphicsblock::kColours, kGraphicColours);
    for (std::size_t i = 0; i < 6; ++i) {
        changed |= FixByte(b.data(), d.data(), graphicsblock::kFillScreen + i, 0, 7);
        changed |= FixByte(b.data(), d.data(), graphicsblock::kFillMono + i, 0, 7);
        changed |= FixByte(b.data(), d.data(), graphicsblock::kLineScreen + i, 1, 6);
        changed |= FixByte(b.data(), d.data(), graphicsblock::kLineMono + i, 1, 6);
        changed |= FixByte(b.data(), d.data(), graphicsblock::kMarkers + i, 0, 10);
    }
    const int ranges[10][2] = { { 0, 1 }, { 0, 2 }, { 0, 2 }, { 0, 2 }, { 0, 3 }, { 0, 3 }, { 10, 90 }, { 20, 100 },
        { 0, 80 }, { 0, 1 } };
    for (std::size_t n = 0; n < 10; ++n)
        changed |= FixByte(b.data(), d.data(), graphicsblock::kLayout + n, ranges[n][0], ranges[n][1]);
    changed |= FixByte(b.data(), d.data(), graphicsblock::kPrintMono, 0, 1);
    changed |= FixByte(b.data(), d.data(), graphicsblock::kStoreMono, 0, 1);
    changed |= FixByte(b.data(), d.data(), graphicsblock::kStoreWidth, 0, 2);
    changed |= FixByte(b.data(), d.data(), graphicsblock::kOrientation, 0, 1);
    // 2 or more means the option is not offered; larger values mean the same
    if (b[graphicsblock::kPrintDialog] > 2) {
        b[graphicsblock::kPrintDialog] = 2;
        changed = true;
    }
    return changed;
}

TSysP::TSysP() { ResetSettings(); }

void TSysP::ResetSettings()
{
    text_ = DefaultTextBlock();
    graphics_ = DefaultGraphicsBlock();
    ApplyFonts();
}

std::array<std::uint8_t, kSettingsSize> TSysP::Bytes() const
{
    std::array<std::uint8_t, kSettingsSize> bytes {};
    bytes[0] = kSettingsMark;
    std::memcpy(bytes.data() + kTextBlockOffset, text_.data(), kTextBlockSize);
    std::memcpy(bytes.data() + kGraphicsBlockOffset, graphics_.data(), kGraphicsBlockSize);
    return bytes;
}

void TSysP::LoadSettings(const std::string& fileName)
{
    fileName_ = fileName;
    ResetSettings();
    if (FileExists(fileName) && !IsDirectory(fileName)) {
        std::array<std::uint8_t, kSettingsSize> bytes = Bytes();
        TRndFile f(fileName);
        if (f.Open(kShareAll)) {
            int n = f.ReadBlock(reinterpret_cast<char*>(bytes.data()), static_cast<int>(kSettingsSize));
            f.Close();
            if (n > 0 && bytes[0] == kSettingsMark) {
                std::memcpy(text_.data(), bytes.data() + kTextBlockOffset, kTextBlockSize);
                std::memcpy(graphics_.data(), bytes.data() + kGraphicsBlockOffset, kGraphicsBlockSize);
                SanitizeTextBlock(text_);
                SanitizeGraphicsBlock(graphics_);
            }
        }
    }
    ApplyFonts();
}

bool TSysP::SaveSettings() const
{
    if (suppressSaving || fileName_.empty())
        return true;
    std::array<std::uint8_t, kSettingsSize> bytes = Bytes();
    std::string temp = TempFileFor(fileName_);
    bool ok = false;
    {
        TRndFile f(temp);
        f.SetDisplayName(fileName_);
        if (f.Rewrite(kShareAll)) {
            ok = f.WriteBlock(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(kSettingsSize))
                == static_cast<int>(kSettingsSize);
            f.Close();
            ok = ok && !f.ErrorFlag();
        }
    }
    if (!ok) {
        DeleteFile(temp);
        return false;
    }
    return CommitTempFile(temp, fileName_);
}

void TSysP::ApplyFonts()
{
    tableFont_ = ReadFont(text_.data() + textblock::kTableFont);
    printerFont_ = ReadFont(text_.data() + textblock::kPrinterFont);
    tableMetrics_ = MeasureFont(tableFont_);
}

void TSysP::CopyColours() const
{
    auto& colours = WindowColours();
    for (int i = 0; i < kWindowColours; ++i)
        colours[static_cast<std::size_t>(i)] = Colour(i);
}

TColour TSysP::Colour(int index) const
{
    if (index < 0 || index >= kWindowColours)
        return 0;
    return ReadColour(text_.data() + textblock::kColours + static_cast<std::size_t>(index) * 4);
}

int TSysP::GraphicsOption(int i) const
{
    std::size_t at = static_cast<std::size_t>(425 + i);
    return i >= 0 && at < kGraphicsBlockSize ? graphics_[at] : 0;
}

void TSysP::SetTextOption(int i, int value)
{
    std::size_t at = static_cast<std::size_t>(525 + i);
    if (i >= 0 && at < kTextBlockSize)
        text_[at] = static_cast<std::uint8_t>(value);
}

int TSysP::TextOption(int i) const
{
    std::size_t at = static_cast<std::size_t>(525 + i);
    return i >= 0 && at < kTextBlockSize ? text_[at] : 0;
}

std::array<TColour, kWindowColours>& WindowColours()
{
    static std::array<TColour, kWindowColours> colours = WindowPalette(2);
    return colours;
}

TSysP& Settings()
{
    static TSysP settings;
    return settings;
}

}
