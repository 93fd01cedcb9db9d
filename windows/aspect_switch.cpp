#include "windows/aspect_switch.h"

#include "windows/program_settings.h"
#include "windows/results_colours.h"

#include <QLabel>

namespace rashi {

AspectSwitch::AspectSwitch(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("cboAspects"));
    addItem(tr("Sign aspects (Rashi Drishti)"));
    addItem(tr("Planet aspects (graha drishti)"));
    setItemData(0, tr("The arrows and rows show the aspects of the signs"), Qt::ToolTipRole);
    setItemData(1, tr("Dashed arrows with their strengths in virupas, the signs each body aspects, "
                      "the table of strengths and the two aspects side by side"), Qt::ToolTipRole);
    setAccessibleName(tr("Aspects shown"));
    caption_ = new QLabel(tr("&Aspects:"), parent);
    caption_->setObjectName(QStringLiteral("lblAspectSwitch"));
    caption_->setBuddy(this);
    SetTextColour(caption_, kHeaderLabelColour);
    setToolTip(tr("Sign aspects (Rashi Drishti) or planet aspects (graha drishti)"));
    const bool planets = ProgramSettings().value(QLatin1String(kAspectsKey)).toString() == QLatin1String("planets");
    setCurrentIndex(planets ? 1 : 0);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        ProgramSettings().setValue(QLatin1String(kAspectsKey), index == 1 ? QStringLiteral("planets") : QStringLiteral("signs"));
        emit planetsChosen(index == 1);
    });
}

} // namespace rashi
