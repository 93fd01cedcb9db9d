#include "windows/about_box.h"

#include "shared_ui/user_dialogs.h"
#include "shared_ui/link_label.h"
#include "shared_ui/links.h"
#include "shared_ui/program_icon.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace rashi {

namespace {

const char* const kDescription = QT_TRANSLATE_NOOP("rashi::frmAbout",
    "Tarvek Rashi Drishti (Sign Aspects) calculates the sign aspects according to Vedic Astrology. "
    "Rashi Drishtis are of a more permanent nature and they represent the knowledge aspect. Rashi "
    "Drishti implies signs that are aspected by this sign and the signs that aspect this sign.");

} // namespace

frmAbout::frmAbout(UserDialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kApplicationTitle);
    setWindowIcon(ProgramIcon());
    setModal(true);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIcon().pixmap(QSize(64, 64)));
    picIcon->setFixedSize(72, 72);
    picIcon->setAlignment(Qt::AlignCenter);

    auto* Label2 = new QLabel(kApplicationTitle, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    QFont titleFont = Label2->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    Label2->setFont(titleFont);

    auto* Label1 = new QLabel(tr(kDescription), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(400);

    // The atlas's data are not ours: their makers and licence.
    auto* lblCredits = new QLabel(tr("The atlas of places uses data from GeoNames (geonames.org), "
                                                 "licensed under CC BY 4.0 (creativecommons.org/licenses/by/4.0); "
                                                 "the data were filtered and re-encoded for this program."),
                                  this);
    lblCredits->setObjectName(QStringLiteral("lblCredits"));
    lblCredits->setTextFormat(Qt::PlainText);
    lblCredits->setWordWrap(true);
    lblCredits->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont creditsFont = lblCredits->font();
    creditsFont.setPointSizeF(creditsFont.pointSizeF() * 0.9);
    lblCredits->setFont(creditsFont);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* lblHomePage = new LinkLabel(tr("Click here to visit ") + ProgramAddresses().home, this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setVisible(HasHomePage());
    connect(lblHomePage, &LinkLabel::clicked, this, [this] { OpenHomePage(dialogs_); });

    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdOK->setMinimumWidth(88);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(picIcon, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(lblCredits, 2, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(line, 4, 0, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblHomePage, 0, Qt::AlignVCenter);
    bottom->addStretch(1);
    bottom->addSpacing(16);
    bottom->addWidget(cmdOK, 0, Qt::AlignVCenter);
    grid->addLayout(bottom, 5, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    cmdOK->setFocus();
}

} // namespace rashi
