#include "base/dates.h"

#include <gtest/gtest.h>

namespace zam {

TEST(Dates, Validity)
{
    EXPECT_FALSE(IsValidDate(29, 2, 1900));
    EXPECT_TRUE(IsValidDate(29, 2, 2000));
    EXPECT_TRUE(IsValidDate(29, 2, 2024));
    EXPECT_FALSE(IsValidDate(29, 2, 2023));
    EXPECT_FALSE(IsValidDate(31, 4, 2024));
    EXPECT_FALSE(IsValidDate(1, 1, 1800));
    EXPECT_FALSE(IsValidDate(1, 1, 2100));
    EXPECT_FALSE(IsValidDate(0, 1, 2000));
    EXPECT_TRUE(IsValidTime(24, 0, 0));
    EXPECT_FALSE(IsValidTime(24, 0, 1));
    EXPECT_FALSE(IsValidTime(23, 60, 0));
}

TEST(Dates, NormalizeDateTime)
{
    struct TCase {
        const char* in;
        const char* out;
    };
    const TCase cases[] = {
        { "5.3.2024 9:05", "05.03.24  09:05" },
        { "5.3.24", "05.03.24" },
        { "1.1.80", "01.01.80" },
        { "31.04.24", "" },
        { "5.3.1979", "" },
        { "12.05.24 10.30", "12.05.24  10:30" },
        { "12.05.2024 10:30:15", "12.05.24  10:30" },
        { "  12.05.2024   7:5 ", "12.05.24  07:05" },
        { "29.02.23", "" },
        { "1.1.100", "" },
        { "1.1.2080", "" },
        { "1.1.", "" },
        { "1.1.2,5", "" },
        { "12.05.24 25:00", "" },
        { "12.05.24 10:300", "" },
        { "123.1.24", "" },
        { "", "" },
        { "kein Datum", "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeDateTime(c.in), c.out) << c.in;
    EXPECT_EQ(CombineDateTime(" 5.3.2024 junk", " 9:05 "), "05.03.24  09:05");
}

TEST(Dates, CompareDateTimeOrdersChronologically)
{
    EXPECT_EQ(CompareDateTime("31.12.99", "01.01.00"), 1);
    EXPECT_EQ(CompareDateTime("01.01.00", "31.12.99"), -1);
    EXPECT_EQ(CompareDateTime("05.03.24  10:30", "05.03.24"), -1);
    EXPECT_EQ(CompareDateTime("05.03.24  09:59", "05.03.24  10:00"), 1);
    EXPECT_EQ(CompareDateTime("05.03.24", "05.03.24"), 0);
    EXPECT_EQ(CompareDateTime("05.03.24", "05.04.24"), 1);
    EXPECT_EQ(CompareDateTime("06.03.24", "05.03.24"), -1);
}

TEST(Dates, ReformatDateTimeIsLenientAndKeepsNormalisedTexts)
{
    EXPECT_EQ(ReformatDateTime("05.03.24  09:05"), "05.03.24  09:05");
    EXPECT_EQ(ReformatDateTime("05.03.24"), "05.03.24");
    EXPECT_EQ(ReformatDateTime("5.3.2024 9:5"), "05.03.24  09:05");
    EXPECT_EQ(ReformatDateTime("x"), "");
}

TEST(Dates, DayNumbersAndPackedDates)
{
    EXPECT_EQ(DayNumber(1, 1, 1801), 1);
    EXPECT_EQ(DaysBetween(PackDate(1, 1, 2024), PackDate(1, 3, 2024)), 60);
    EXPECT_EQ(DaysBetween(PackDate(1, 3, 2024), PackDate(1, 1, 2024)), -60);
    EXPECT_EQ(DaysBetween(PackDate(28, 2, 1900), PackDate(1, 3, 1900)), 1);
    EXPECT_EQ(DaysBetween(PackDate(31, 12, 1999), PackDate(1, 1, 2000)), 1);
    // consecutive days over the whole range
    int previous = DayNumber(1, 1, 1801);
    for (int y = 1801; y < 2100; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d) {
                if (!IsValidDate(d, m, y) || (y == 1801 && m == 1 && d == 1))
                    continue;
                int n = DayNumber(d, m, y);
                ASSERT_EQ(n, previous + 1) << d << "." << m << "." << y;
                previous = n;
            }
    EXPECT_EQ(DateFromText("12.05.24"), 0);
    EXPECT_EQ(DateFromText("12.05.2024"), PackDate(12, 5, 2024));
    EXPECT_EQ(DateFromText("1205"), 0);
    EXPECT_EQ(DateFromText("12052024"), PackDate(12, 5, 2024));
    EXPECT_EQ(DateFromText("1.5.2024"), PackDate(1, 5, 2024));
    EXPECT_EQ(DateText(9, 12, 2026), "9.12.2026");
    TDate u = UnpackDate(PackDate(31, 4, 2024));
    EXPECT_EQ(u.day, 0);
    EXPECT_EQ(u.month, 4);
    TDate p = ParseDate("1205");
    EXPECT_EQ(p.day, 12);
    EXPECT_EQ(p.month, 5);
    EXPECT_EQ(p.year, -2);
}

TEST(Dates, NowTextIsGermanShortFormat)
{
    SetFixedNow(9, 12, 2026, 16, 51);
    EXPECT_EQ(NowText(), "09.12.2026 16:51");
    EXPECT_EQ(TodayText(), "9.12.2026");
    EXPECT_EQ(Today(), PackDate(9, 12, 2026));
    SetFixedNow(0, 0, 0, 0, 0);
    EXPECT_EQ(NowText().size(), 16U);
}

}
