#include "drawing/day_strip_painter.h"

#include "core/aspects/rashi_drishti.h"
#include "core/time_window/day_slices.h"
#include "core/words/reading_words.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace rashi {
namespace {

constexpr double kPadding = 3;

const QColor kTints[2] = {QColor(0xdc, 0xe8, 0xf5), QColor(0xf3, 0xe9, 0xd2)};
const QColor kChosen(0xf6, 0xc6, 0x5b);
const QColor kInk(0x33, 0x33, 0x33);
const QColor kGiven(0xc0, 0x1c, 0x28);
const QColor kPaper(255, 250, 240); // as the diagram's ground, so the texts read on any panel

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Shorter names of the signs, each told apart from the others: the first
// three letters, but Vrishabha and Vrischika apart; then the sign's number,
// as the North Indian diagram shows it.
constexpr std::array<const char*, 12> kShortSigns = {"Mes", "Vrs", "Mit", "Kat", "Sim", "Kan",
                                                     "Thu", "Vrc", "Dha", "Mak", "Kum", "Mee"};

// The sign's names from the longest to the shortest; a name in Devanagari is
// never cut, as a few characters may end inside a conjunct.
std::array<QString, 3> SignLabels(int sign, const ReadingWords& words) {
    if (sign < 0 || sign >= 12) return {QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?")};
    const QString number = QString::number(sign + 1);
    const QString name = FromUtf8(words.signs[sign]);
    return {name, words.language == Language::English ? QString::fromLatin1(kShortSigns[sign]) : number, number};
}

// The birth's own slice is the one read first: where its block is too narrow
// for a name, the name may reach over its neighbours while their labels
// leave room, rather than leave a bare number or nothing.
void NameTheBirthsSlice(const DayStripLayout& layout, const DaySlicesRecord& day, const QFontMetricsF& metrics,
                        const ReadingWords& words, std::vector<DayStripText>& labels) {
    int birth = -1;
    for (std::size_t i = 0; i < day.slices.size(); ++i)
        if (day.slices[i].first <= day.birthMinute && day.birthMinute <= day.slices[i].last) birth = static_cast<int>(i);
    if (birth < 0 || metrics.height() > layout.bar.height()) return;
    const auto own = std::find_if(labels.begin(), labels.end(), [birth](const DayStripText& l) { return l.index == birth; });
    const std::array<QString, 3> names = SignLabels(day.slices[birth].ascendantSign, words);
    if (own != labels.end() && own->text != names[2]) return; // it has a name of its own
    double from = layout.bar.left(), to = layout.bar.right();
    for (const DayStripText& label : labels) {
        if (label.index < birth) from = std::max(from, label.box.right());
        if (label.index > birth) to = std::min(to, label.box.left());
    }
    const DaySlice& slice = day.slices[birth];
    const double centre = (DayStripX(layout.bar, day, slice.first) + DayStripX(layout.bar, day, slice.last + 1)) / 2;
    for (int k = 0; k < 2; ++k) {
        const double w = metrics.horizontalAdvance(names[k]);
        if (w + 2 * kPadding > to - from) continue;
        const double x = std::clamp(centre - w / 2, from + kPadding, to - kPadding - w);
        const QRectF box(x, layout.bar.center().y() - metrics.height() / 2, w, metrics.height());
        if (own != labels.end())
            *own = {birth, names[k], box};
        else
            labels.insert(std::find_if(labels.begin(), labels.end(), [birth](const DayStripText& l) { return l.index > birth; }),
                          {birth, names[k], box});
        return;
    }
}

} // namespace

DayStripLayout DayStripLayoutOf(const QRectF& rect, const QFont& font) {
    const double line = QFontMetricsF(font).height();
    // Half a name's width either side, so the names at 00:00 and 24:00 fit.
    const double side = QFontMetricsF(font).horizontalAdvance(QStringLiteral("24")) / 2 + kPadding;
    const QRectF inner = rect.adjusted(side, 0, -side, 0);
    DayStripLayout layout;
    layout.marks = QRectF(inner.left(), inner.top(), inner.width(), line + kPadding);
    layout.hours = QRectF(inner.left(), inner.bottom() - line - 2 * kPadding, inner.width(), line + 2 * kPadding);
    layout.bar = QRectF(inner.left(), layout.marks.bottom(), inner.width(),
                        std::max(1.0, layout.hours.top() - layout.marks.bottom()));
    return layout;
}

double DayStripX(const QRectF& bar, const DaySlicesRecord& day, double minute) {
    return bar.left() + bar.width() * minute / std::max(1, day.length);
}

int DayStripMinuteAt(const QRectF& bar, const DaySlicesRecord& day, double x) {
    const int length = std::max(1, day.length);
    if (bar.width() <= 0) return 0;
    return std::clamp(static_cast<int>(std::floor((x - bar.left()) * length / bar.width())), 0, length - 1);
}

std::vector<DayStripText> DayStripSliceLabels(const DayStripLayout& layout, const DaySlicesRecord& day, const QFont& font,
                                              Language language) {
    const ReadingWords& words = WordsOf(language);
    const QFontMetricsF metrics(font);
    std::vector<DayStripText> labels;
    for (std::size_t i = 0; i < day.slices.size(); ++i) {
        const DaySlice& slice = day.slices[i];
        const double left = DayStripX(layout.bar, day, slice.first);
        const double width = DayStripX(layout.bar, day, slice.last + 1) - left;
        for (const QString& text : SignLabels(slice.ascendantSign, words)) {
            const double w = metrics.horizontalAdvance(text);
            if (w + 2 * kPadding > width || metrics.height() > layout.bar.height()) continue;
            const QRectF box(left + (width - w) / 2, layout.bar.center().y() - metrics.height() / 2, w, metrics.height());
            labels.push_back({static_cast<int>(i), text, box});
            break;
        }
    }
    NameTheBirthsSlice(layout, day, metrics, words, labels);
    return labels;
}

std::vector<DayStripText> DayStripMarkLabels(const DayStripLayout& layout, const DaySlicesRecord& day, const QFont& font,
                                             Language language) {
    const ReadingWords& words = WordsOf(language);
    const QFontMetricsF metrics(font);
    std::vector<DayStripText> labels;
    double freeFrom = -1e9;
    for (std::size_t i = 0; i < day.marks.size(); ++i) {
        const DayMark& mark = day.marks[i];
        const QString text = FromUtf8(words.shortBodies[mark.body % kReportRows]);
        const double w = metrics.horizontalAdvance(text);
        const double x = DayStripX(layout.bar, day, mark.minute) + 2;
        if (x < freeFrom || x + w > layout.marks.right() + kPadding) continue;
        labels.push_back({static_cast<int>(i), text, QRectF(x, layout.marks.top(), w, metrics.height())});
        freeFrom = x + w + kPadding;
    }
    return labels;
}

void PaintDayStrip(QPainter& painter, const QRectF& rect, const DaySlicesRecord& day, int chosenSlice,
                   Language language) {
    painter.save();
    // Too small a rectangle would have the hours and the given time's
    // triangle drawn over what lies below it.
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFont font = painter.font();
    const DayStripLayout layout = DayStripLayoutOf(rect, font);
    const QRectF& bar = layout.bar;
    painter.fillRect(rect, kPaper);

    // The slices.
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < day.slices.size(); ++i) {
        const DaySlice& slice = day.slices[i];
        const double left = DayStripX(bar, day, slice.first);
        const QRectF block(left, bar.top(), DayStripX(bar, day, slice.last + 1) - left, bar.height());
        painter.setBrush(static_cast<int>(i) == chosenSlice ? kChosen : kTints[i % 2]);
        painter.drawRect(block);
    }
    // Minutes outside the program's years stay blank but framed.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1));
    painter.drawRect(bar);
    for (const DayStripText& label : DayStripSliceLabels(layout, day, font, language)) painter.drawText(label.box, Qt::AlignCenter, label.text);

    // The bodies' changes: a tick down into the bar, the name above.
    painter.setPen(QPen(kInk, 1));
    for (const DayMark& mark : day.marks) {
        const double x = DayStripX(bar, day, mark.minute);
        painter.drawLine(QPointF(x, layout.marks.top() + 2), QPointF(x, bar.top() + bar.height() / 4));
    }
    for (const DayStripText& label : DayStripMarkLabels(layout, day, font, language)) painter.drawText(label.box, Qt::AlignLeft | Qt::AlignTop, label.text);

    // The hours as the place's clock showed them: every sixth numbered, a
    // repeated or a skipped hour where the clocks changed.
    const double tick = kPadding + 1;
    for (const auto& [minute, hour] : DayHours(day)) {
        const double x = DayStripX(bar, day, minute);
        if (hour % 6 != 0) {
            painter.drawLine(QPointF(x, bar.bottom()), QPointF(x, bar.bottom() + tick / 2));
            continue;
        }
        painter.drawLine(QPointF(x, bar.bottom()), QPointF(x, bar.bottom() + tick));
        const QString text = QString::number(hour);
        const double w = QFontMetricsF(font).horizontalAdvance(text);
        painter.drawText(QRectF(x - w / 2, bar.bottom() + tick, w, layout.hours.bottom() - bar.bottom() - tick),
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }

    // The given time: a line through the bar and a triangle under it.
    const double x = DayStripX(bar, day, day.birthMinute + 0.5);
    painter.setPen(QPen(kGiven, 2));
    painter.drawLine(QPointF(x, bar.top() - 1), QPointF(x, bar.bottom() + 1));
    QPainterPath triangle;
    triangle.moveTo(x, bar.bottom());
    triangle.lineTo(x - tick, bar.bottom() + tick + 1);
    triangle.lineTo(x + tick, bar.bottom() + tick + 1);
    triangle.closeSubpath();
    painter.fillPath(triangle, kGiven);
    painter.restore();
}

} // namespace rashi
