#pragma once
// Under the rows, when the Dashas switch is on: the Moon the Vimshottari
// counts from (its longitude and nakshatra), the balance at birth and the
// year in force, how far the dates move with the birth time, and one tree
// per dasha: the Vimshottari to three levels, the chara dasha with its
// twelve antardashas and the drig dasha, each period with its start, end and
// age at its start on the birthplace's clocks. A sign's period also shows
// what its sign aspects by the classical Rashi Drishti (the karakas and
// arudhas standing there, and the AK). The periods running today are open
// and marked.

#include "core/records/reading_records.h"
#include "places/place_dates.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace rashi {

class DashasView : public QWidget {
    Q_OBJECT
public:
    explicit DashasView(QWidget* parent = nullptr);

    // The birth's own reading (never the navamsa view); empty until its
    // dashas are computed.
    void setReading(const ReadingRecords& records);
    // The moment whose periods are open and marked (UT seconds from 1970);
    // now, unless set.
    void setToday(double utcSecond) { today_ = utcSecond; }

    enum System { Vimshottari, Chara, Drig };
    QTreeWidget* tree(System system) const { return trees_[system]; }

private:
    void fillTree(System system);
    // A period's row under `parent` (or at the top) with its parts: all of
    // them but the Vimshottari's below its antardashas, which are added when
    // their antardasha is opened (or when it runs today).
    void addPeriod(System system, QTreeWidgetItem* parent, int index, int level);
    void openLater(QTreeWidgetItem* item);
    const DashaList& listOf(System system) const;

    std::optional<double> today_;
    const ReadingRecords* records_ = nullptr; // the driver's, while on show
    std::optional<places::PlaceDates> dates_;
    std::array<std::vector<int>, 3> running_;
    QTreeWidgetItem* current_ = nullptr;
    QLabel* head_ = nullptr;  // the Moon, the balance, the year
    QLabel* shift_ = nullptr; // how far the dates move
    std::array<QLabel*, 3> titles_{};
    std::array<QTreeWidget*, 3> trees_{};
};

} // namespace rashi
