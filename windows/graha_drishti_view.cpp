#include "windows/graha_drishti_view.h"

#include "core/aspects/graha_drishti_text.h"
#include "core/words/reading_words.h"
#include "windows/results_colours.h"
#include "windows/utf8_text.h"
#include "windows/wrapping_label.h"

#include <QEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace rashi {

GrahaDrishtiView::GrahaDrishtiView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("grahaDrishtiView"));
    heading_ = new WrappingLabel({}, this);
    heading_->setObjectName(QStringLiteral("lblGrahaHeading"));
    heading_->setWordWrap(true);
    SetTextColour(heading_, kHeaderLabelColour);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(5);
    for (int i = 0; i < kReportRows; ++i) {
        names_[i] = new WrappingLabel({}, this);
        names_[i]->setObjectName(QStringLiteral("lblGrahaBody_%1").arg(i));
        SetTextColour(names_[i], kNameColour);
        aspects_[i] = new WrappingLabel({}, this);
        aspects_[i]->setObjectName(QStringLiteral("lblGrahaAspects_%1").arg(i));
        aspects_[i]->setWordWrap(true);
        aspects_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        SetTextColour(aspects_[i], kAspectColour);
        for (QLabel* label : {names_[i], aspects_[i]})
            label->installEventFilter(this);
        grid->addWidget(names_[i], i, 0, Qt::AlignTop);
        grid->addWidget(aspects_[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(heading_);
    column->addLayout(grid);
    column->addStretch(1);
}

void GrahaDrishtiView::setReading(const ReadingRecords& records)
{
    const ReadingWords& words = WordsOf(records.language);
    const GrahaDrishtiRecord& graha = records.grahaDrishti;
    const std::vector<std::string> lines = GrahaDrishtiLines(records);
    heading_->setText(lines.empty() ? QString() : FromUtf8(lines[0]));
    for (int i = 0; i < kReportRows; ++i) {
        const QString name = FromUtf8(words.bodies[i]);
        names_[i]->setText(name);
        aspects_[i]->setText(graha.computed ? FromUtf8(GrahaAspectsText(graha.aspects[i], words)) : QString());
        aspects_[i]->setAccessibleName(tr("Planet aspects of %1").arg(name));
    }
}

void GrahaDrishtiView::setChosenBody(int body)
{
    for (int i = 0; i < kReportRows; ++i) {
        QFont font = names_[i]->font();
        font.setBold(i == body);
        names_[i]->setFont(font);
        SetTextColour(names_[i], i == body ? kNearChangeColour : kNameColour);
    }
}

QSize GrahaDrishtiView::sizeHint() const
{
    const QSize hint = QWidget::sizeHint();
    const int width = std::min(hint.width(), 110 * fontMetrics().averageCharWidth());
    return {width, hasHeightForWidth() ? heightForWidth(width) : hint.height()};
}

bool GrahaDrishtiView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < kReportRows; ++i)
            if (watched == names_[i] || watched == aspects_[i])
                emit bodyClicked(i);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rashi
