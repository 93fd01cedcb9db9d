// The day's strip drawn into pictures of several widths: the given time's
// marker where its minute is, the names inside their blocks and apart.

#include "drawing/day_strip_painter.h"

#include <QImage>
#include <QPainter>

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
        const double x = DayStripX(layout.bar, day.birthMinute + 0.5);
        const int y = static_cast<int>(layout.bar.center().y());
        EXPECT_TRUE(IsReddish(image.pixel(static_cast<int>(x), y)));
        EXPECT_FALSE(IsReddish(image.pixel(static_cast<int>(DayStripX(layout.bar, 60)), y)));
        EXPECT_EQ(DayStripMinuteAt(layout.bar, x), day.birthMinute);

        // Slice names inside their blocks; the ten-minute slice has none.
        for (const DayStripText& label : DayStripSliceLabels(layout, day, font)) {
            const DaySlice& slice = day.slices[label.index];
            EXPECT_GE(label.box.left(), DayStripX(layout.bar, slice.first)) << label.text.toStdString();
            EXPECT_LE(label.box.right(), DayStripX(layout.bar, slice.last + 1)) << label.text.toStdString();
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

// Nothing to draw is no fault.
TEST(DayStrip, EmptyDayAndTinyRect) {
    QImage image(20, 6, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintDayStrip(painter, QRectF(0, 0, 20, 6), DaySlicesRecord{}, -1);
    PaintDayStrip(painter, QRectF(0, 0, 20, 6), SampleDay(), 7);
    SUCCEED();
}

} // namespace
} // namespace rashi
