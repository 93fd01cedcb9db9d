#pragma once
// The results panel's switch between the two aspects the diagram and the
// rows show: the signs' (Rashi Drishti) or the planets' (graha drishti).
// Two radio buttons: Tab reaches the one checked, the arrow keys move
// between them. The choice is remembered.

#include <QWidget>

class QRadioButton;

namespace rashi {

class AspectSwitch : public QWidget {
    Q_OBJECT
public:
    explicit AspectSwitch(QWidget* parent = nullptr);

    bool planetsShown() const;
    void showPlanets(bool planets);
    QRadioButton* signsButton() const { return signs_; }
    QRadioButton* planetsButton() const { return planets_; }

    static constexpr const char* kAspectsKey = "chart/aspects"; // "signs" or "planets"

signals:
    void planetsChosen(bool planets);

private:
    QRadioButton* signs_ = nullptr;
    QRadioButton* planets_ = nullptr;
};

} // namespace rashi
