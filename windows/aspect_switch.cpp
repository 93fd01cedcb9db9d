#include "windows/aspect_switch.h"

#include "windows/program_settings.h"
#include "windows/results_colours.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace rashi {

AspectSwitch::AspectSwitch(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("aspectSwitch"));
    signs_ = new QRadioButton(tr("Sign aspects (Rashi &Drishti)"), this);
    signs_->setObjectName(QStringLiteral("optSignAspects"));
    signs_->setAccessibleName(tr("Show the sign aspects (Rashi Drishti)"));
    signs_->setToolTip(tr("The arrows and rows show the aspects of the signs"));
    planets_ = new QRadioButton(tr("Planet aspects (&graha drishti)"), this);
    planets_->setObjectName(QStringLiteral("optPlanetAspects"));
    planets_->setAccessibleName(tr("Show the planet aspects (graha drishti)"));
    planets_->setToolTip(tr("Dashed arrows with their strengths in virupas, the signs each body aspects, "
                            "the table of strengths and the two aspects side by side"));
    auto* group = new QButtonGroup(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    for (QRadioButton* button : {signs_, planets_}) {
        SetTextColour(button, kHeaderLabelColour);
        group->addButton(button);
        row->addWidget(button);
    }
    const bool planets = ProgramSettings().value(QLatin1String(kAspectsKey)).toString() == QLatin1String("planets");
    (planets ? planets_ : signs_)->setChecked(true);
    connect(planets_, &QRadioButton::toggled, this, [this](bool on) {
        ProgramSettings().setValue(QLatin1String(kAspectsKey), on ? QStringLiteral("planets") : QStringLiteral("signs"));
        emit planetsChosen(on);
    });
}

bool AspectSwitch::planetsShown() const
{
    return planets_->isChecked();
}

void AspectSwitch::showPlanets(bool planets)
{
    (planets ? planets_ : signs_)->setChecked(true);
}

} // namespace rashi
