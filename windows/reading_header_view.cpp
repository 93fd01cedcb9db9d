#include "windows/reading_header_view.h"

#include "core/reading/reading_header.h"
#include "core/words/reading_words.h"
#include "windows/results_colours.h"
#include "windows/utf8_text.h"
#include "windows/wrapping_label.h"

#include <QGridLayout>

namespace rashi {

ReadingHeaderView::ReadingHeaderView(Language language, QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    static const char* const kFields[] = {"Name", "Born", "Zone", "Place", "Coordinates", "Ascendant", "Ayanamsa",
                                          "Rule"};
    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(FromUtf8(WordsOf(language).headerLabels[std::size_t(i)]), this);
        SetTextColour(label, kHeaderLabelColour);
        auto* value = new WrappingLabel({}, this);
        value->setObjectName(QStringLiteral("header_%1").arg(QString::fromLatin1(kFields[i])));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values_[std::size_t(i)] = value;
        const int row = i % 4;
        const int column = i < 4 ? 0 : 2;
        grid->addWidget(label, row, column, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(value, row, column + 1, Qt::AlignTop);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void ReadingHeaderView::setReading(const ReadingRecords& records)
{
    const std::vector<HeaderField> fields = ReadingHeader(records);
    for (std::size_t i = 0; i < fields.size() && i < values_.size(); ++i)
        values_[i]->setText(FromUtf8(fields[i].value));
}

} // namespace rashi
