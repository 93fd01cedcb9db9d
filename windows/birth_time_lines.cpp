#include "windows/birth_time_lines.h"

#include "core/time_window/jaimini_window_text.h"
#include "core/time_window/time_window.h"
#include "core/time_window/window_text.h"
#include "core/timing/dasha_text.h"
#include "windows/results_colours.h"
#include "windows/utf8_text.h"
#include "windows/wrapping_label.h"

#include <QVBoxLayout>

namespace rashi {
namespace {

void StandOut(QLabel* label, bool near)
{
    QFont font = label->font();
    font.setBold(near);
    label->setFont(font);
    SetTextColour(label, near ? kNearChangeColour : kHeaderLabelColour);
}

} // namespace

BirthTimeLines::BirthTimeLines(QWidget* parent) : QWidget(parent)
{
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(2);
    reading_ = makeLine(QStringLiteral("windowReading"));
    chart_ = makeLine(QStringLiteral("windowChart"));
    karakas_ = makeLine(QStringLiteral("windowKarakas"));
    navamsa_ = makeLine(QStringLiteral("windowNavamsa"));
    nakshatra_ = makeLine(QStringLiteral("windowNakshatra"));
}

QLabel* BirthTimeLines::makeLine(const QString& name)
{
    auto* label = new WrappingLabel({}, this);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetTextColour(label, kHeaderLabelColour);
    column_->addWidget(label);
    return label;
}

QLabel* BirthTimeLines::addLine(const QString& name)
{
    return makeLine(name);
}

void BirthTimeLines::setReading(const ReadingRecords& records)
{
    const TimeWindowRecord& window = records.window;
    const ReadingWords& words = WordsOf(records.language);
    const std::vector<std::string> lines = WindowLines(window, words);
    // The span on one line, what changes beyond it on the next; the lines
    // each change alters in the tooltip, with the whole sentence.
    const auto show = [&](QLabel* label, std::size_t index, const HoldingWindow& held) {
        if (index >= lines.size()) {
            label->clear();
            label->setToolTip(QString());
            return;
        }
        const QString line = FromUtf8(lines[index]);
        // " (before: " opens the notes; "before: " starts the second line.
        const QString opening = FromUtf8(std::string(words.notes.before));
        label->setText(line.section(opening, 0, 0) + QStringLiteral("\n    ") + opening.mid(2) +
                       FromUtf8(BeyondText(held.from, true, words)) + FromUtf8(std::string(words.notes.between)) +
                       FromUtf8(BeyondText(held.until, false, words)));
        label->setToolTip(line);
    };
    show(reading_, 0, window.reading);
    show(chart_, 1, window.chart);
    reading_->setVisible(!lines.empty());
    chart_->setVisible(lines.size() >= 2);

    const std::vector<std::string> jaimini = JaiminiWindowLines(records.jaiminiWindow, words);
    // As above: the span on one line, what changes beyond it on the next.
    const auto twoLines = [](const std::vector<std::string>& lines, std::size_t index) {
        if (index >= lines.size())
            return QString();
        const QString line = FromUtf8(lines[index]);
        const qsizetype notes = line.indexOf(QStringLiteral(" (before: "));
        if (notes < 0 || !line.endsWith(QStringLiteral(").")))
            return line;
        return line.left(notes) + QStringLiteral("\n    ") + line.mid(notes + 2).chopped(2);
    };
    karakas_->setText(twoLines(jaimini, 0));
    navamsa_->setText(twoLines(jaimini, 1));
    karakas_->setToolTip(jaimini.size() > 0 ? FromUtf8(jaimini[0]) : QString());
    karakas_->setVisible(jaimini.size() > 0);
    navamsa_->setVisible(jaimini.size() > 1);

    // The Moon's nakshatra, which chooses the Vimshottari's first lord.
    const std::vector<std::string> nakshatra = NakshatraWindowLines(records.nakshatraWindow, words);
    nakshatra_->setText(nakshatra.empty() ? QString() : twoLines(nakshatra, 0));
    nakshatra_->setToolTip(nakshatra.empty() ? QString() : FromUtf8(nakshatra[0]));
    nakshatra_->setVisible(!nakshatra.empty());

    // The chart's, the karakas' and the navamsa's lines by one rule.
    const std::vector<bool> near = LinesChangingNear(window, records.jaiminiWindow);
    const auto nearAt = [&near](std::size_t i) { return i < near.size() && near[i]; };
    StandOut(chart_, nearAt(1));
    StandOut(karakas_, nearAt(2));
    StandOut(navamsa_, nearAt(3));
}

} // namespace rashi
