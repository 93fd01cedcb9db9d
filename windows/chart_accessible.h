#pragma once
// What a screen reader finds in the diagram: a list of the nine bodies, each
// "Sun in Makara, 21°52′", the chosen one selected (and focused while the
// diagram has the keyboard); choosing an item chooses its body.

#include "core/records/reading_records.h"

#include <QAccessibleWidget>

#include <array>

namespace rashi {

class ChartView;

class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartView* view);
    ~ChartAccessible() override;

    // For QAccessible::installFactory: the interface of a ChartView.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    ChartView* view() const;

    mutable std::array<QAccessible::Id, kReportRows> children_{}; // made when first asked for
};

} // namespace rashi
