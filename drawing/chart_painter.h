#pragma once
// The diagram of a reading, drawn once for every device: the window, a PNG or
// SVG picture, the printer and the PDF page all call PaintChart.

#include "core/aspects/rashi_drishti.h"
#include "core/records/reading_records.h"
#include "drawing/chart_geometry.h"

#include <QColor>
#include <QPainterPath>
#include <QFont>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

class QPainter;

namespace rashi {

// What the diagram shows of a reading.
struct ChartBody {
    QString shortName;  // "Su"
    QString name;       // "Sun"
    QString degreeText; // "16°31′", within the sign
    int sign = -1;      // 0 Aries .. 11 Pisces; -1 unknown
    QString karaka;     // "AK" .. "DK", or empty
};

struct ChartModel {
    std::array<ChartBody, kReportRows> bodies;
    int ascendantSign = -1;
    QString ascendantText; // "00°24′"
    AspectRule rule = kSameQualityRule;
    QString ruleTitle;
    QString personName;
    QString chartName = QStringLiteral("Rashi chart"); // or "Navamsa (D9)", in the model's language
    int arudhaLagna = -1; // AL's sign, or -1
    int upapada = -1;     // UL's sign, or -1
    int karakamsa = -1;   // marked in the navamsa chart
    // The graha drishti, when the reading has it: the signs each body
    // aspects at least in part (a bit each) and, by sign, its strength in
    // virupas on the house standing there.
    bool hasGrahaDrishti = false;
    std::array<unsigned, kReportRows> grahaSigns{};
    std::array<std::array<double, 12>, kReportRows> grahaVirupas{};
    Language language = Language::English; // of the labels and titles
};

ChartModel ChartModelOf(const ReadingRecords& records);

struct ChartColours {
    QColor background{255, 250, 240};
    QColor lines{137, 61, 35};
    QColor text{43, 27, 18};
    QColor signLabel{150, 105, 85};
    QColor ascendant{178, 34, 34};
    QColor chosenFill{246, 197, 107};
    QColor aspectedFill{252, 230, 184};
    QColor arrow{192, 57, 43};
    QColor highlighted{25, 85, 160};
    // The planet aspects' arrows and shading, apart from the sign aspects'.
    QColor grahaArrow{20, 110, 90};
    QColor grahaFill{214, 236, 224};
};

struct ChartOptions {
    ChartStyle style = ChartStyle::South;
    int chosenBody = -1; // a report row, or -1 for none
    // The chosen body's planet aspects (dashed arrows with their strengths)
    // instead of its sign's aspects; only where the model has them.
    bool grahaDrishti = false;
    ChartColours colours;
    // Latin from the first that has it; Devanagari from Lohit or Noto.
    QStringList fontFamilies{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                             QStringLiteral("Lohit Devanagari"), QStringLiteral("Noto Sans Devanagari")};
};

// One piece of text in the diagram and where it goes.
struct PlacedText {
    enum Kind { Body, Ascendant, SignLabel, Title };
    Kind kind = Body;
    int body = -1; // the report row of a body
    QString text;
    QRectF box;
    int pixelSize = 10;
    bool bold = false;
    QColor colour;
};

struct ChartLayout {
    QRectF square; // the diagram
    QRectF frame;  // the diagram and its title strip, if any
    std::array<QPolygonF, 12> cells; // by sign
    std::vector<PlacedText> texts;
};

// The signs a body's sign aspects under the model's rule, as a bit mask; 0
// for no body or an unknown sign.
unsigned AspectedSigns(const ChartModel& model, int body);
// The signs the diagram shows the chosen body aspecting: its planet aspects'
// when the options ask for them and the model has them, else its sign's.
unsigned ShownAspectSigns(const ChartModel& model, const ChartOptions& options);
// Whether the diagram shows the planet aspects.
bool ShowsGrahaDrishti(const ChartModel& model, const ChartOptions& options);

// Where every cell and every text of the diagram goes in a rectangle.
ChartLayout LayoutChart(const QRectF& rect, const ChartModel& model, const ChartOptions& options);

// An arrow from the chosen body's sign to a sign it aspects: a straight line
// where that crosses no text, else the least bent curve that goes round the
// texts between, within the square; the head ends at `tip` pointing along
// `direction`.
struct ArrowRoute {
    int toSign = -1;
    QPainterPath path; // from the edge of one cell's text to just inside the other's
    QPointF tip;
    QPointF direction; // unit vector
    int textsCrossed = 0; // texts of other cells and the middle the path still crosses
};

// The arrows of the chosen body (none without one), for a layout of the model.
std::vector<ArrowRoute> RouteArrows(const ChartLayout& layout, const ChartModel& model, const ChartOptions& options);

// Draws the diagram into the largest square centred in rect.
void PaintChart(QPainter& painter, const QRectF& rect, const ChartModel& model, const ChartOptions& options);

// The body whose name is drawn at a point, or -1.
int BodyAt(const ChartLayout& layout, const QPointF& point);

} // namespace rashi
