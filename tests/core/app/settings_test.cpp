#include "app/colour_palettes.h"
#include "app/scripted_dialogs.h"
#include "app/settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <random>

namespace zam {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

namespace {
    std::string SettingsBytes(const TSysP& s)
    {
        auto b = s.Bytes();
        return std::string(reinterpret_cast<const char*>(b.data()), b.size());
    }
}

TEST(Settings, DefaultsAtTheirOffsets)
{
    TSysP s;
    auto b = s.Bytes();
    EXPECT_EQ(b[0], 0xFC);
    EXPECT_EQ(b[4], 5); // "Arial"
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[5]), 5), "Arial");
    EXPECT_EQ(b[4 + 256], 1);
    EXPECT_EQ(b[4 + 258], 9);
    EXPECT_EQ(b[4 + 262 + 258], 8);
    EXPECT_EQ(b[4 + 526], 1);
    EXPECT_EQ(b[4 + 527], 1);
    EXPECT_EQ(b[4 + 528], ',');
    EXPECT_EQ(b[4 + 531], 0);
    EXPECT_EQ(s.Colour(0), 0xF1CAA6U); // palette "Blau"
    EXPECT_EQ(b[4 + 548], 0xA6);
    EXPECT_EQ(b[4 + 549], 0xCA);
    EXPECT_EQ(b[4 + 550], 0xF1);
    EXPECT_EQ(b[632 + 258], 10);
    EXPECT_EQ(b[632 + 262], 15);
    EXPECT_EQ(b[632 + 266], 1);
    EXPECT_EQ(b[632 + 402], 1);
    EXPECT_EQ(b[632 + 420], 9);
    EXPECT_EQ(s.GraphicsOption(7), 50);
    EXPECT_EQ(s.GraphicsOption(10), 1);
    EXPECT_TRUE(s.BufferAutomatic());
    EXPECT_EQ(s.TableFont().size, 9);
    EXPECT_GT(s.TableMetrics().referenceWidth, 0);
    EXPECT_GT(s.TableMetrics().lineHeight, 0);
}

TEST(Settings, ByteExactRoundTrip)
{
    TTempDir dir;
    std::string file = dir.File("zam.sys");
    TSysP s;
    s.LoadSettings(file); // missing: defaults
    TTextBlock t = s.GetTextBlock();
    WriteFont(t.data() + textblock::kTableFont, { "DejaVu Sans Mono", 2, 11, 1 });
    SetPalette(t, 3);
    t[textblock::kFreeCopyName] = 1;
    s.SetTextBlock(t);
    TGraphicsBlock g = s.GetGraphicsBlock();
    SetGraphicScheme(g, 1);
    g[graphicsblock::kLayout + 6] = 60;
    s.SetGraphicsBlock(g);
    s.SetTextOption(4, 1); // byte 529
    ASSERT_TRUE(s.SaveSettings());
    std::string bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size(), 1080U);
    EXPECT_EQ(bytes, SettingsBytes(s));
    TSysP r;
    r.LoadSettings(file);
    EXPECT_EQ(SettingsBytes(r), bytes);
    EXPECT_EQ(r.TableFont().name, "DejaVu Sans Mono");
    EXPECT_EQ(r.TableFont().style, 1);
    EXPECT_EQ(r.TextOption(4), 1);
    EXPECT_EQ(r.GraphicsOption(7), 60);
    EXPECT_EQ(r.Colour(0), WindowPalette(3)[0]);
}

TEST(Settings, BrokenFilesFallBackFieldByField)
{
    TTempDir dir;
    std::string file = dir.File("zam.sys");
    const std::string defaults = SettingsBytes(TSysP());

    WriteBytes(file, "\xFC\x00\x00");
    TSysP a;
    a.LoadSettings(file);
    EXPECT_EQ(SettingsBytes(a), defaults);

    WriteBytes(file, std::string(5000, '\x01'));
    TSysP b;
    b.LoadSettings(file);
    EXPECT_EQ(SettingsBytes(b), defaults); // no mark: defaults

    std::mt19937 rng(7);
    std::string noise(1080, ' ');
    for (char& c : noise)
        c = static_cast<char>(rng());
    noise[0] = '\xFC';
    WriteBytes(file, noise + std::string(3920, 'x'));
    TSysP c;
    c.LoadSettings(file);
    TTextBlock t = c.GetTextBlock();
    TGraphicsBlock g = c.GetGraphicsBlock();
    EXPECT_FALSE(SanitizeTextBlock(t)); // everything already in range
    EXPECT_FALSE(SanitizeGraphicsBlock(g));
    EXPECT_GE(c.TableFont().size, 4);
    EXPECT_LE(c.TableFont().size, 72);
    for (int i = 0; i < kWindowColours; ++i)
        EXPECT_LE(c.Colour(i), 0xFFFFFFU);

    TSysP d;
    TTextBlock bad = d.GetTextBlock();
    WriteFont(bad.data() + textblock::kTableFont, { "Courier", 2, 0, 0 });
    WriteFont(bad.data() + textblock::kPrinterFont, { "Courier", 2, 30000, 0 });
    bad[textblock::kColours + 3] = 0x12; // not a 0x00BBGGRR colour
    EXPECT_TRUE(SanitizeTextBlock(bad));
    EXPECT_EQ(ReadFont(bad.data() + textblock::kTableFont).size, 9);
    EXPECT_EQ(ReadFont(bad.data() + textblock::kTableFont).name, "Courier");
    EXPECT_EQ(ReadFont(bad.data() + textblock::kPrinterFont).size, 8);
    EXPECT_EQ(ReadColour(bad.data() + textblock::kColours), WindowPalette(2)[0]);

    WriteBytes(file, "\x01" + defaults.substr(1));
    TSysP e;
    e.LoadSettings(file);
    EXPECT_EQ(SettingsBytes(e), defaults);
}

TEST(Settings, SaveIntoAMissingFolderFailsWithAMessage)
{
    TTempDir dir;
    TScriptedDialogs dlg;
    TSysP s;
    s.LoadSettings(dir.File("none/zam.sys"));
    EXPECT_FALSE(s.SaveSettings());
    ASSERT_EQ(dlg.messages.size(), 1U);
    EXPECT_EQ(dlg.messages[0].text, dir.File("none/zam.sys") + ": Datei kann nicht geöffnet werden!");
}

TEST(ColourPalettes, SchemesAndPalettes)
{
    auto rot = GraphicScheme(3);
    EXPECT_EQ(rot[23], 0x0000C3U); // title background
    EXPECT_EQ(rot[1], 0x0000FFU);
    EXPECT_EQ(rot[6], 0x286CB0U);
    EXPECT_EQ(rot[12], LightColour(0xFFF0D3));
    EXPECT_EQ(LightColour(0x000000), 0x808080U);
    EXPECT_EQ(DarkColour(0xFFFFE8), 0x3F3F3AU);
    EXPECT_EQ(GraphicScheme(2)[0], 0xFFFFE8U);
    EXPECT_EQ(GraphicScheme(2)[20], 0x3F3F3AU);
    EXPECT_EQ(WindowPalette(1)[0], 0x79E3ECU);
    EXPECT_EQ(WindowPalette(4)[4], 0x218F24U);
    EXPECT_EQ(PaletteName(4), "Grün");
}

}
