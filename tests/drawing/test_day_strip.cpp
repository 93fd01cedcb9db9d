// The day's strip drawn into pictures of several widths: the given time's
// marker where its minute is, the names inside their blocks and apart.

#include "drawing/day_strip_painter.h"

#include <QImage>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <map>
#include <set>

#include <gtest/gtest.h>

namespace rashi {
namespace {

DaySlicesRecord SampleDay() {
    DaySlicesRecord day;
    day.computed = true;
    day.birthMinute = 720;
    day.slices = {{0, 119, 4, "lagna Simha instead of Thula"},
                  {120, 239, 5, "lagna Kanya instead of Thula"},
                  {240, 249, 6, "the Moon in Mithuna"}, // ten minutes: too narrow for a name
                  {250, 1439, 6, "the same chart"}};
    day.marks = {{300, 1, 1, 2}, {302, 0, 3, 4}, {900, 2, 5, 6}};
    return day;
}

bool IsReddish(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90; }

TEST(DayStrip, MarkerAndNamesAtEveryWidth) {
    const DaySlicesRecord day = SampleDay();
    for (const int width : {180, 480, 640, 1400}) {
        SCOPED_TRACE(width);
        QImage image(width, 64, QImage::Format_ARGB32);
        image.fill(Qt::white);
        const QRectF rect(0, 0, width, 64);
        QFont font;
        font.setPixelSize(11);
        {
            QPainter painter(&image);
            painter.setFont(font);
            PaintDayStrip(painter, rect, day, 3);
        }
        const DayStripLayout layout = DayStripLayoutOf(rect, font);
        ASSERT_GT(layout.bar.height(), 4);
        EXPECT_TRUE(rect.contains(layout.marks) && rect.contains(layout.bar) && rect.contains(layout.hours));

        // The given time: red through the bar at its minute, and nowhere far from it.
        const double x = DayStripX(layout.bar, day, day.birthMinute + 0.5);
        const int y = static_cast<int>(layout.bar.center().y());
        EXPECT_TRUE(IsReddish(image.pixel(static_cast<int>(x), y)));
        EXPECT_FALSE(IsReddish(image.pixel(static_cast<int>(DayStripX(layout.bar, day, 60)), y)));
        EXPECT_EQ(DayStripMinuteAt(layout.bar, day, x), day.birthMinute);

        // Slice names inside their blocks; the ten-minute slice has none.
        for (const DayStripText& label : DayStripSliceLabels(layout, day, font)) {
            const DaySlice& slice = day.slices[label.index];
            EXPECT_GE(label.box.left(), DayStripX(layout.bar, day, slice.first)) << label.text.toStdString();
            EXPECT_LE(label.box.right(), DayStripX(layout.bar, day, slice.last + 1)) << label.text.toStdString();
            EXPECT_NE(label.index, 2);
        }
        // Body names apart from one another and on the picture.
        const auto marks = DayStripMarkLabels(layout, day, font);
        for (std::size_t i = 0; i < marks.size(); ++i) {
            EXPECT_TRUE(rect.contains(marks[i].box));
            if (i > 0) {
                EXPECT_FALSE(marks[i].box.intersects(marks[i - 1].box));
            }
        }
    }
}

// A wide strip names every wide slice in full.
TEST(DayStrip, WideStripNamesSlicesInFull) {
    QFont font;
    font.setPixelSize(11);
    const DayStripLayout layout = DayStripLayoutOf(QRectF(0, 0, 1400, 64), font);
    const auto labels = DayStripSliceLabels(layout, SampleDay(), font);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].text, QStringLiteral("Simha"));
    EXPECT_EQ(labels[1].text, QStringLiteral("Kanya"));
    EXPECT_EQ(labels[2].text, QStringLiteral("Thula"));
}

// Nothing to draw, or no room to draw it, paints only the strip's own
// rectangle: no name, no tick and no chosen slice past its edges.
TEST(DayStrip, EmptyDayAndTinyRect) {
    QFont font;
    font.setPixelSize(11);
    const QRectF tiny(10, 10, 20, 6);
    for (const DaySlicesRecord& day : {DaySlicesRecord{}, SampleDay()}) {
        SCOPED_TRACE(day.slices.size());
        QImage image(40, 26, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setFont(font);
            PaintDayStrip(painter, tiny, day, 7); // no slice 7
        }
        const QRect inside = tiny.toAlignedRect();
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (inside.contains(x, y)) {
                    painted += image.pixel(x, y) != qRgb(255, 255, 255);
                    continue;
                }
                ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
        EXPECT_GT(painted, 0) << "the strip's ground";
        const DayStripLayout layout = DayStripLayoutOf(tiny, font);
        EXPECT_TRUE(DayStripSliceLabels(layout, day, font).empty());
    }
}

// A day of thirteen slices as Pune's (the fast-rising signs about an hour and
// a half) on a strip as narrow as the results panel gives it on a 1366-pixel
// screen: every slice that can hold a name has one, and no name stands for
// two signs (Vrishabha and Vrischika were both "Vri").
TEST(DayStrip, EverySliceThatCanHoldANameHasOneOfItsOwn) {
    DaySlicesRecord day;
    day.computed = true;
    const int lengths[] = {70, 100, 125, 135, 130, 125, 120, 110, 95, 85, 90, 115, 140};
    int minute = 0, sign = 7;
    for (const int length : lengths) {
        day.slices.push_back({minute, std::min(1439, minute + length - 1), sign % 12, "lagna"});
        minute += length;
        sign += 1;
    }
    day.slices.back().last = 1439;
    QFont font;
    font.setPixelSize(12);
    const QFontMetricsF metrics(font);
    for (const int width : {360, 480, 560, 700}) {
        SCOPED_TRACE(width);
        const DayStripLayout layout = DayStripLayoutOf(QRectF(0, 0, width, 64), font);
        const auto labels = DayStripSliceLabels(layout, day, font);
        std::map<QString, int> signOf;
        std::set<int> labelled;
        for (const DayStripText& label : labels) {
            const int s = day.slices[label.index].ascendantSign;
            const auto [it, fresh] = signOf.emplace(label.text, s);
            EXPECT_TRUE(fresh || it->second == s) << label.text.toStdString() << " names two signs";
            labelled.insert(label.index);
        }
        for (std::size_t i = 0; i < day.slices.size(); ++i) {
            const double block = DayStripX(layout.bar, day, day.slices[i].last + 1) - DayStripX(layout.bar, day, day.slices[i].first);
            const double narrowest = metrics.horizontalAdvance(QString::number(day.slices[i].ascendantSign + 1));
            if (block >= narrowest + 6) {
                EXPECT_TRUE(labelled.count(static_cast<int>(i))) << "slice " << i << " of " << block << " px";
            }
        }
        if (width >= 560) {
            EXPECT_EQ(labels.size(), day.slices.size());
        }
    }
    // The short names of the two V signs differ from each other and from the rest.
    for (int a = 0; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b) {
            DaySlicesRecord two;
            two.slices = {{0, 39, a, ""}, {40, 79, b, ""}};
            const auto named = DayStripSliceLabels(DayStripLayoutOf(QRectF(0, 0, 800, 64), font), two, font);
            ASSERT_EQ(named.size(), 2u);
            EXPECT_NE(named[0].text, named[1].text) << a << " " << b;
        }
}

// The birth's slice, too narrow for a name in its own block, is named over
// its neighbours where their labels leave room, never by a bare number.
TEST(DayStrip, TheBirthsSliceIsNamed) {
    QFont font;
    font.setPixelSize(12);
    for (const Language language : {Language::English, Language::Hindi})
        for (const int width : {360, 480, 700}) {
            SCOPED_TRACE(width);
            DaySlicesRecord day;
            day.computed = true;
            day.birthMinute = 700;
            day.slices = {{0, 679, 0, ""}, {680, 719, 1, ""}, {720, 1439, 2, ""}}; // Vrishabha for 40 minutes
            const DayStripLayout layout = DayStripLayoutOf(QRectF(0, 0, width, 64), font);
            const auto labels = DayStripSliceLabels(layout, day, font, language);
            const auto birth = std::find_if(labels.begin(), labels.end(), [](const DayStripText& l) { return l.index == 1; });
            ASSERT_NE(birth, labels.end());
            bool digits = true;
            for (const QChar c : birth->text) digits = digits && c.isDigit();
            EXPECT_FALSE(digits) << birth->text.toStdString();
            EXPECT_TRUE(layout.bar.contains(birth->box));
            for (const DayStripText& other : labels) {
                if (other.index != 1) {
                    EXPECT_FALSE(other.box.intersects(birth->box)) << other.text.toStdString();
                }
            }
        }
}

// The day the clocks went back is 25 hours long: the bar takes them all, and
// an hour mark stands where the clock showed it.
TEST(DayStrip, ADayOfTwentyFiveHours) {
    DaySlicesRecord day;
    day.computed = true;
    day.length = 1500;
    day.clock = {{0, 0, 3600}, {120, 60, 0}};
    day.birthMinute = 1499;
    day.slices = {{0, 1499, 3, "the same chart"}};
    const QRectF bar(0, 0, 1500, 10);
    EXPECT_DOUBLE_EQ(DayStripX(bar, day, 1500), 1500);
    EXPECT_EQ(DayStripMinuteAt(bar, day, 1499.5), 1499);
    EXPECT_EQ(DayStripMinuteAt(bar, day, 2000), 1499);
}

} // namespace
} // namespace rashi
