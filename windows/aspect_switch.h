#pragma once
// The results panel's switch between the two aspects the diagram and the
// rows show: the signs' (Rashi Drishti) or the planets' (graha drishti). A
// list of two beside the navamsa's check box, narrow enough for a small
// screen; Tab reaches it, the arrow keys choose. The choice is remembered.

#include <QComboBox>

class QLabel;

namespace rashi {

class AspectSwitch : public QComboBox {
    Q_OBJECT
public:
    explicit AspectSwitch(QWidget* parent = nullptr);

    bool planetsShown() const { return currentIndex() == 1; }
    void showPlanets(bool planets) { setCurrentIndex(planets ? 1 : 0); }
    // Its caption (Alt+A), made beside it in the same parent.
    QLabel* caption() const { return caption_; }

    static constexpr const char* kAspectsKey = "chart/aspects"; // "signs" or "planets"

signals:
    void planetsChosen(bool planets);

private:
    QLabel* caption_ = nullptr;
};

} // namespace rashi
