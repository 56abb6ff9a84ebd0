#include "base/table_text.h"
#include "output/table_text_draw.h"

#include <gtest/gtest.h>

namespace zam {

namespace {
    // Records what is drawn; every character is 10 pixels wide.
    struct TRecordingCanvas : TCanvas {
        struct TText {
            int x, y;
            std::string text;
        };
        std::vector<std::pair<TPoint2, TPoint2>> lines;
        std::vector<TText> texts;
        std::vector<TPenStyle> styles;
        std::vector<TRect> fills;
        void SetPen(TColour, int, TPenStyle style) override { styles.push_back(style); }
        void SetBrush(TColour, TBrushStyle) override { }
        void SetFont(const TFontDesc&, TColour) override { }
        void Line(TPoint2 a, TPoint2 b) override { lines.emplace_back(a, b); }
        void Rectangle(const TRect&) override { }
        void FillRect(const TRect& r) override { fills.push_back(r); }
        void Polygon(const std::vector<TPoint2>&) override { }
        void Ellipse(const TRect&) override { }
        int TextWidth(std::string_view t) override { return static_cast<int>(t.size()) * 10; }
        int TextHeight(std::string_view) override { return 12; }
        void Text(int x, int y, std::string_view t) override { texts.push_back({ x, y, std::string(t) }); }
        void RotatedText(int, int, int, std::string_view) override { }
        void SetClip(const TRect&) override { }
        void ClearClip() override { }
    };
    const TRect kRect { 0, 0, 400, 20 };
}

TEST(TableTextDraw, RuleAcrossTheFullWidthWithoutMargin)
{
    TRecordingCanvas c;
    DrawTableText(c, kRect, 80, "|", 12, 0);
    ASSERT_EQ(c.lines.size(), 1U);
    EXPECT_EQ(c.lines[0].first.x, 0);
    EXPECT_EQ(c.lines[0].second.x, 400);
    EXPECT_EQ(c.lines[0].first.y, 10);
    TRecordingCanvas d;
    DrawTableText(d, kRect, 80, "\xB3", 12, 0);
    EXPECT_EQ(d.styles.front(), TPenStyle::Dash);
    EXPECT_EQ(d.styles.back(), TPenStyle::Solid); // restored
}

TEST(TableTextDraw, FieldsAndAlignments)
{
    TRecordingCanvas c;
    // margin 4 (80 / 20); field of 18 characters: right edge 4 + (80 * 18 + 8) / 8 = 185
    DrawTableText(c, kRect, 80, Cell("Methode ¬: ÷", 18, 1, 0) + Cell("DIN", 10, -1, 0), 12, 0);
    ASSERT_EQ(c.texts.size(), 2U);
    EXPECT_EQ(c.texts[0].text, "Methode : ");
    EXPECT_EQ(c.texts[0].x + 100, 185); // right-aligned: ends at the field's right edge
    EXPECT_EQ(c.texts[1].x, 186); // the next field one pixel further
    EXPECT_EQ(c.texts[0].y, 4); // centred for the line height
    TRecordingCanvas e;
    DrawTableText(e, kRect, 80, "\xF7\xAC", 12, 0);
    EXPECT_TRUE(e.texts.empty());
    EXPECT_TRUE(e.lines.empty());
}

TEST(TableTextDraw, GridCellFlagsWidenTheFill)
{
    TRecordingCanvas c;
    DrawTableCell(c, { 10, 10, 50, 30 }, "%%0110Linear", true, 0, 80, 12, 1, 2, 0);
    ASSERT_EQ(c.fills.size(), 1U);
    EXPECT_EQ(c.fills[0].left, 9);
    EXPECT_EQ(c.fills[0].right, 50);
    EXPECT_EQ(c.fills[0].top, 10);
    EXPECT_EQ(c.fills[0].bottom, 31);
    ASSERT_EQ(c.texts.size(), 1U);
    EXPECT_EQ(c.texts[0].text, "Linear");
    TRecordingCanvas r;
    DrawTableCell(r, { 0, 0, 100, 20 }, "12", false, 2, 80, 12, 1, 2, 0);
    EXPECT_EQ(r.texts[0].x + 20, 96); // mode 2: right-aligned within the margin
}

}
