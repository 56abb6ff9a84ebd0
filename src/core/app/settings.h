#pragma once

#include "app/colour_palettes.h"
#include "app/text_measure.h"

#include <array>
#include <cstdint>
#include <string>

namespace zam {

// The settings file: 1080 bytes, mark 0xFC, the text block (628 bytes at 4)
// and the graphics block (448 bytes at 632), every field at a fixed offset.
inline constexpr std::size_t kSettingsSize = 1080;
inline constexpr std::size_t kTextBlockSize = 628;
inline constexpr std::size_t kGraphicsBlockSize = 448;
inline constexpr std::size_t kTextBlockOffset = 4;
inline constexpr std::size_t kGraphicsBlockOffset = 632;
inline constexpr std::uint8_t kSettingsMark = 0xFC;

using TTextBlock = std::array<std::uint8_t, kTextBlockSize>;
using TGraphicsBlock = std::array<std::uint8_t, kGraphicsBlockSize>;

// Offsets inside the blocks.
namespace textblock {
    inline constexpr std::size_t kTableFont = 0;
    inline constexpr std::size_t kPrinterFont = 262;
    inline constexpr std::size_t kFontButtons = 524;
    inline constexpr std::size_t kBufferAutomatic = 526;
    inline constexpr std::size_t kCsvCopies = 527;
    inline constexpr std::size_t kCsvSeparator = 528;
    inline constexpr std::size_t kAskCopyFile = 529;
    inline constexpr std::size_t kFreeCopyName = 530;
    inline constexpr std::size_t kNoSingleCopies = 531;
    inline constexpr std::size_t kColours = 548;
}
namespace graphicsblock {
    inline constexpr std::size_t kFont = 0;
    inline constexpr std::size_t kTextSizes = 262;
    inline constexpr std::size_t kBoldFlags = 266;
    inline constexpr std::size_t kColours = 272;
    inline constexpr std::size_t kFillScreen = 396;
    inline constexpr std::size_t kFillMono = 402;
    inline constexpr std::size_t kLineScreen = 408;
    inline constexpr std::size_t kLineMono = 414;
    inline constexpr std::size_t kMarkers = 420;
    inline constexpr std::size_t kLayout = 426; // options 1..10 at 425 + n
    inline constexpr std::size_t kPrintMono = 441;
    inline constexpr std::size_t kStoreMono = 442;
    inline constexpr std::size_t kStoreWidth = 443;
    inline constexpr std::size_t kOrientation = 444;
    inline constexpr std::size_t kPrintDialog = 445;
}

// Font record of a block: length byte and name (256), pitch, size (int16), style.
TFontDesc ReadFont(const std::uint8_t* at);
void WriteFont(std::uint8_t* at, const TFontDesc& font);
TColour ReadColour(const std::uint8_t* at);
void WriteColour(std::uint8_t* at, TColour c);

TTextBlock DefaultTextBlock();
TGraphicsBlock DefaultGraphicsBlock();
// The 20 colours of palette 1..4 into a text block.
void SetPalette(TTextBlock& block, int palette);
// All 31 graphic colours of scheme 1..3.
void SetGraphicScheme(TGraphicsBlock& block, int scheme);

// Values out of range (from a damaged or foreign file) fall back to the
// default of their field; returns whether anything was changed.
bool SanitizeTextBlock(TTextBlock& block);
bool SanitizeGraphicsBlock(TGraphicsBlock& block);

// The program's settings in memory.
class TSysP {
public:
    TSysP();

    // Defaults first; a file with the mark replaces them (fields out of range
    // keep their defaults); fonts and measures are rebuilt.
    void LoadSettings(const std::string& fileName);
    // Replaces the file completely (temporary file, then rename).
    bool SaveSettings() const;
    void ResetSettings();

    const TTextBlock& GetTextBlock() const { return text_; }
    void SetTextBlock(const TTextBlock& block) { text_ = block; }
    const TGraphicsBlock& GetGraphicsBlock() const { return graphics_; }
    void SetGraphicsBlock(const TGraphicsBlock& block) { graphics_ = block; }
    std::array<std::uint8_t, kSettingsSize> Bytes() const;

    void ApplyFonts();
    void CopyColours() const;
    const TFontDesc& TableFont() const { return tableFont_; }
    const TFontDesc& PrinterFont() const { return printerFont_; }
    const TTextMetrics& TableMetrics() const { return tableMetrics_; }

    int GraphicsOption(int i) const;
    void SetTextOption(int i, int value);
    int TextOption(int i) const;
    bool BufferAutomatic() const { return text_[textblock::kBufferAutomatic] != 0; }
    TColour Colour(int index) const;
    // The CSV separator of page copies, replaced from the presets at start.
    void SetCsvSeparator(char separator) { text_[textblock::kCsvSeparator] = static_cast<std::uint8_t>(separator); }

    const std::string& FileName() const { return fileName_; }
    bool suppressSaving = false;

private:
    std::string fileName_;
    TTextBlock text_ {};
    TGraphicsBlock graphics_ {};
    TFontDesc tableFont_;
    TFontDesc printerFont_;
    TTextMetrics tableMetrics_;
};

// The window colours all windows and dialogs read (filled by CopyColours).
std::array<TColour, kWindowColours>& WindowColours();

// The single instance of the program run.
TSysP& Settings();

}
