#include "windows/own_places_dialog.h"

#include "core/entries/key_filters.h"
#include "core/zones/zone_ids.h"
#include "shared_ui/user_dialogs.h"
#include "windows/core_messages.h"
#include "windows/filtered_line_edit.h"
#include "windows/place_finder.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimeZone>
#include <QVBoxLayout>

#include <cmath>

namespace rashi {
namespace {

// The tz database's zones that name a place ("Asia/Kolkata"), by name: what
// the zone list offers. Read once.
const QStringList& PlaceZones()
{
    static const QStringList zones = [] {
        QStringList ids;
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
            if (id.contains('/') && NamesAPlace(std::string_view(id.constData(), std::size_t(id.size()))))
                ids << QString::fromLatin1(id);
        ids.sort(Qt::CaseInsensitive);
        ids.removeDuplicates();
        return ids;
    }();
    return zones;
}

// A coordinate box's decimal degrees; a comma may stand for the point.
std::optional<double> Degrees(const QLineEdit* box)
{
    QString text = box->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool number = false;
    const double degrees = text.toDouble(&number);
    return number ? std::optional<double>(degrees) : std::nullopt;
}

// Degrees without their sign, to `decimals` places, no zeros trailing: the
// form keeps six (a tenth of a metre), the list shows four.
QString DegreesText(double degrees, int decimals)
{
    QString text = QString::number(std::fabs(degrees), 'f', decimals);
    while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.'))))
        text.chop(1);
    return text;
}

// A list with its caption kept for screen readers: the caption a combo box is
// read by, never shown.
void NameList(QComboBox* list, const QString& caption)
{
    list->setAccessibleName(caption);
    auto* label = new QLabel(caption, list->parentWidget());
    label->setBuddy(list);
    label->hide();
}

} // namespace

// ---------------------------------------------------------------- the form

OwnPlaceForm::OwnPlaceForm(UserDialogs& dialogs, places::OwnPlaces& own, std::optional<places::Place> editing,
                           QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), own_(own), editing_(std::move(editing))
{
    setObjectName(QStringLiteral("frmOwnPlace"));
    setWindowTitle(editing_ ? tr("Edit Your Place") : tr("Add a Place of Your Own"));
    createBoxes();
    layOut();
    if (editing_)
        fill(*editing_);
}

void OwnPlaceForm::createBoxes()
{
    auto makeBox = [this](const char* name) {
        auto* box = new FilteredLineEdit(kLetterFilter, dialogs_, this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    txtPlaceName = makeBox("txtPlaceName");
    txtPlaceState = makeBox("txtPlaceState");
    txtPlaceCountry = makeBox("txtPlaceCountry");

    // Decimal degrees, as maps give them: 18.5204.
    auto* degrees = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}([.,]\\d{0,8})?")), this);
    auto makeCoordinate = [this, degrees](const char* name, const QString& example) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setValidator(degrees);
        box->setPlaceholderText(tr("degrees, e.g. %1").arg(example));
        connect(box, &QLineEdit::textEdited, this, &OwnPlaceForm::offerNearestZone);
        return box;
    };
    txtPlaceLatitude = makeCoordinate("txtPlaceLatitude", QStringLiteral("18.5204"));
    txtPlaceLongitude = makeCoordinate("txtPlaceLongitude", QStringLiteral("73.8567"));
    auto makeDirection = [this](const char* name, const QString& positive, const QString& negative) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(name));
        list->addItem(positive, 1.0);
        list->addItem(negative, -1.0);
        connect(list, &QComboBox::activated, this, &OwnPlaceForm::offerNearestZone);
        return list;
    };
    cboPlaceLatDirection = makeDirection("cboPlaceLatDirection", tr("North"), tr("South"));
    cboPlaceLonDirection = makeDirection("cboPlaceLonDirection", tr("East"), tr("West"));
    NameList(cboPlaceLatDirection, tr("Latitude direction"));
    NameList(cboPlaceLonDirection, tr("Longitude direction"));
    // The two lists as wide as each other, so the boxes line up.
    const int directionWidth = qMax(cboPlaceLatDirection->sizeHint().width(), cboPlaceLonDirection->sizeHint().width());
    for (QComboBox* list : {cboPlaceLatDirection, cboPlaceLonDirection})
        list->setMinimumWidth(directionWidth);

    // Typed or picked: the list completes any part of a zone's name.
    cboPlaceZone = new QComboBox(this);
    cboPlaceZone->setObjectName(QStringLiteral("cboPlaceZone"));
    cboPlaceZone->setEditable(true);
    cboPlaceZone->setInsertPolicy(QComboBox::NoInsert);
    cboPlaceZone->addItems(PlaceZones());
    cboPlaceZone->setCurrentIndex(-1);
    cboPlaceZone->setMaxVisibleItems(20);
    cboPlaceZone->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    cboPlaceZone->completer()->setFilterMode(Qt::MatchContains);
    cboPlaceZone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    cboPlaceZone->lineEdit()->setPlaceholderText(tr("e.g. Asia/Kolkata"));
    cboPlaceZone->lineEdit()->setAccessibleName(tr("Time zone"));
    cboPlaceZone->setMinimumContentsLength(24);
    txtPlaceName->setMinimumWidth(txtPlaceName->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);

    lblPlaceZoneNote = new QLabel(this);
    lblPlaceZoneNote->setObjectName(QStringLiteral("lblPlaceZoneNote"));
    lblPlaceZoneNote->setTextFormat(Qt::PlainText);
    lblPlaceZoneNote->setWordWrap(true);
    // Room for the note from the start: the form does not grow when it comes.
    lblPlaceZoneNote->setMinimumHeight(lblPlaceZoneNote->fontMetrics().lineSpacing() * 2);
    lblPlaceZoneNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void OwnPlaceForm::layOut()
{
    auto* form = new QFormLayout;
    form->addRow(tr("&City or village:"), txtPlaceName);
    form->addRow(tr("S&tate:"), txtPlaceState);
    form->addRow(tr("C&ountry:"), txtPlaceCountry);
    const std::pair<QString, std::pair<QLineEdit*, QComboBox*>> coordinates[] = {
        {tr("&Latitude:"), {txtPlaceLatitude, cboPlaceLatDirection}},
        {tr("Lo&ngitude:"), {txtPlaceLongitude, cboPlaceLonDirection}},
    };
    for (const auto& [caption, boxes] : coordinates) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(boxes.first);
        auto* row = new QHBoxLayout;
        row->addWidget(boxes.first, 1);
        row->addWidget(boxes.second);
        form->addRow(label, row);
    }
    form->addRow(tr("Time &zone:"), cboPlaceZone);
    form->addRow(lblPlaceZoneNote);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    // The buttons' words in the program's language, which Qt's own may lack.
    buttons->button(QDialogButtonBox::Save)->setObjectName(QStringLiteral("cmdSavePlace"));
    buttons->button(QDialogButtonBox::Save)->setText(tr("&Save"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancelPlace"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &OwnPlaceForm::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addStretch(1);
    column->addWidget(buttons);

    // Each coordinate, then its direction.
    QWidget* chain[] = {txtPlaceName,          txtPlaceState,     txtPlaceCountry,      txtPlaceLatitude,
                        cboPlaceLatDirection,  txtPlaceLongitude, cboPlaceLonDirection, cboPlaceZone,
                        buttons->button(QDialogButtonBox::Save), buttons->button(QDialogButtonBox::Cancel)};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void OwnPlaceForm::fill(const places::Place& place)
{
    txtPlaceName->setText(place.name);
    txtPlaceState->setText(place.state);
    txtPlaceCountry->setText(place.country);
    txtPlaceLatitude->setText(DegreesText(place.latitude, 6));
    txtPlaceLongitude->setText(DegreesText(place.longitude, 6));
    cboPlaceLatDirection->setCurrentIndex(place.latitude < 0 ? 1 : 0);
    cboPlaceLonDirection->setCurrentIndex(place.longitude < 0 ? 1 : 0);
    cboPlaceZone->setCurrentText(place.zoneId);
}

void OwnPlaceForm::offerNearestZone()
{
    const std::optional<double> latitude = Degrees(txtPlaceLatitude);
    const std::optional<double> longitude = Degrees(txtPlaceLongitude);
    const places::Atlas* atlas = SharedAtlas();
    if (!latitude || !longitude || !atlas)
        return;
    const std::optional<places::Place> nearest =
        atlas->Nearest(*latitude * cboPlaceLatDirection->currentData().toDouble(),
                       *longitude * cboPlaceLonDirection->currentData().toDouble());
    if (!nearest) {
        // A zone offered for the coordinates before goes; one chosen by hand stays.
        if (!offeredZone_.isEmpty() && cboPlaceZone->currentText() == offeredZone_)
            cboPlaceZone->setCurrentIndex(-1);
        offeredZone_.clear();
        lblPlaceZoneNote->setText(tr("No place of the atlas lies near: choose the zone yourself."));
        return;
    }
    // A zone chosen by hand (or the edited place's own) stays, whatever the
    // coordinates typed after it: only an empty box or the zone offered
    // before takes the nearest place's.
    const QString current = cboPlaceZone->currentText().trimmed();
    if (!current.isEmpty() && current != offeredZone_) {
        lblPlaceZoneNote->setText(current == nearest->zoneId
                                      ? tr("The zone of %1, the nearest place in the atlas.").arg(nearest->Label())
                                      : tr("The zone chosen stays; %1, the nearest place in the atlas, keeps %2.")
                                            .arg(nearest->Label(), nearest->zoneId));
        return;
    }
    offeredZone_ = nearest->zoneId;
    cboPlaceZone->setCurrentText(nearest->zoneId);
    lblPlaceZoneNote->setText(tr("The zone of %1, the nearest place in the atlas.").arg(nearest->Label()));
}

std::optional<places::Place> OwnPlaceForm::typedPlace()
{
    const std::pair<QLineEdit*, QString> coordinates[] = {
        {txtPlaceLatitude, tr("Please enter the latitude in degrees, for example 18.5204.")},
        {txtPlaceLongitude, tr("Please enter the longitude in degrees, for example 73.8567.")},
    };
    for (const auto& [box, refusal] : coordinates) {
        if (!Degrees(box)) {
            dialogs_.message(refusal, MessageIcon::Critical);
            box->setFocus();
            return std::nullopt;
        }
    }
    if (cboPlaceZone->currentText().trimmed().isEmpty()) {
        dialogs_.message(tr("Please choose the time zone from the list."), MessageIcon::Critical);
        cboPlaceZone->setFocus();
        return std::nullopt;
    }
    places::Place place;
    place.name = txtPlaceName->text().simplified();
    place.state = txtPlaceState->text().simplified();
    place.country = txtPlaceCountry->text().simplified();
    place.latitude = *Degrees(txtPlaceLatitude) * cboPlaceLatDirection->currentData().toDouble();
    place.longitude = *Degrees(txtPlaceLongitude) * cboPlaceLonDirection->currentData().toDouble();
    place.zoneId = cboPlaceZone->currentText().trimmed();
    place.own = true;
    return place;
}

void OwnPlaceForm::save()
{
    const std::optional<places::Place> place = typedPlace();
    if (!place)
        return;
    if (const std::optional<QString> refusal = places::OwnPlaces::Check(*place)) {
        dialogs_.message(CoreMessage(refusal->toStdString()), MessageIcon::Critical);
        return;
    }
    QString error;
    const bool saved = editing_ ? own_.Replace(editing_->Label(), *place, &error) : own_.Add(*place, &error);
    if (!saved) {
        dialogs_.message(tr("The place was not saved."), MessageIcon::Critical, error);
        return;
    }
    saved_ = place->Label();
    accept();
}

// ---------------------------------------------------------------- the list

OwnPlacesDialog::OwnPlacesDialog(UserDialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmPlaces"));
    setWindowTitle(tr("Your Places"));

    auto* intro = new QLabel(tr("Villages and towns the atlas lacks, kept with their coordinates and time zone. "
                                "The City box offers them first."),
                             this);
    intro->setWordWrap(true);

    lstPlaces = new QTableWidget(0, 6, this);
    lstPlaces->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces->setAccessibleName(tr("Your places"));
    lstPlaces->setHorizontalHeaderLabels(
        {tr("Name"), tr("State"), tr("Country"), tr("Latitude"), tr("Longitude"), tr("Time zone")});
    lstPlaces->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstPlaces->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPlaces->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPlaces->setTabKeyNavigation(false);
    lstPlaces->verticalHeader()->hide();
    lstPlaces->setWordWrap(false);
    lstPlaces->horizontalHeader()->setStretchLastSection(true);
    lstPlaces->setMinimumWidth(lstPlaces->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 90);
    connect(lstPlaces, &QTableWidget::itemSelectionChanged, this, &OwnPlacesDialog::updateButtons);
    connect(lstPlaces, &QTableWidget::cellDoubleClicked, this, &OwnPlacesDialog::editPlace);

    lblNoPlaces = new QLabel(tr("You have no places of your own yet. Add one, and the City box offers it."), this);
    lblNoPlaces->setObjectName(QStringLiteral("lblNoPlaces"));
    lblNoPlaces->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClosePlaces"));
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    buttons->button(QDialogButtonBox::Close)->setIcon(QIcon()); // as plain as Add, Edit and Remove
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    const std::pair<QPushButton**, std::pair<const char*, QString>> actions[] = {
        {&cmdAddPlace, {"cmdAddPlace", tr("&Add...")}},
        {&cmdEditPlace, {"cmdEditPlace", tr("&Edit...")}},
        {&cmdRemovePlace, {"cmdRemovePlace", tr("&Remove")}},
    };
    for (const auto& [button, setup] : actions) {
        *button = buttons->addButton(setup.second, QDialogButtonBox::ActionRole);
        (*button)->setObjectName(QString::fromLatin1(setup.first));
        (*button)->setAutoDefault(false);
    }
    connect(cmdAddPlace, &QPushButton::clicked, this, &OwnPlacesDialog::addPlace);
    connect(cmdEditPlace, &QPushButton::clicked, this, &OwnPlacesDialog::editPlace);
    connect(cmdRemovePlace, &QPushButton::clicked, this, &OwnPlacesDialog::removePlace);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(lstPlaces, 1);
    column->addWidget(lblNoPlaces);
    column->addWidget(buttons);
    resize(sizeHint().width(), qMax(sizeHint().height(), 360));
}

void OwnPlacesDialog::reload(const QString& choose)
{
    const std::optional<places::Place> wasSelected = selected();
    const QString chosen = !choose.isEmpty() ? choose : wasSelected ? wasSelected->Label() : QString();
    QString error;
    places_ = own_.All(&error);
    if (!error.isEmpty())
        dialogs_.message(tr("Your places could not be read."), MessageIcon::Critical, error);

    lstPlaces->clearContents();
    lstPlaces->setRowCount(int(places_.size()));
    for (int row = 0; row < int(places_.size()); ++row) {
        const places::Place& place = places_[std::size_t(row)];
        const QString cells[] = {
            place.name,
            place.state,
            place.country,
            tr("%1° %2").arg(DegreesText(place.latitude, 4), place.latitude < 0 ? tr("S") : tr("N")),
            tr("%1° %2").arg(DegreesText(place.longitude, 4), place.longitude < 0 ? tr("W") : tr("E")),
            place.zoneId,
        };
        for (int column = 0; column < 6; ++column)
            lstPlaces->setItem(row, column, new QTableWidgetItem(cells[column]));
        if (place.Label() == chosen)
            lstPlaces->selectRow(row);
    }
    // Each column as wide as its contents, the list wide enough for them all
    // within the screen, the last column then stretched to the list's edge.
    QHeaderView* header = lstPlaces->horizontalHeader();
    header->setStretchLastSection(false);
    lstPlaces->resizeColumnsToContents();
    const QMargins margins = layout()->contentsMargins();
    const int wanted = header->length() + 2 * lstPlaces->frameWidth() +
                       lstPlaces->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    int width = qMax(this->width(), wanted);
    if (const QScreen* shown = screen())
        width = qMin(width, shown->availableGeometry().width());
    resize(width, height());
    header->setStretchLastSection(true);
    lblNoPlaces->setVisible(places_.empty() && error.isEmpty());
    updateButtons();
}

std::optional<places::Place> OwnPlacesDialog::selected() const
{
    const QList<QTableWidgetItem*> items = lstPlaces->selectedItems();
    if (items.isEmpty() || items.front()->row() >= int(places_.size()))
        return std::nullopt;
    return places_[std::size_t(items.front()->row())];
}

void OwnPlacesDialog::updateButtons()
{
    const bool chosen = selected().has_value();
    cmdEditPlace->setEnabled(chosen);
    cmdRemovePlace->setEnabled(chosen);
}

void OwnPlacesDialog::addPlace() { openForm(std::nullopt); }

void OwnPlacesDialog::editPlace()
{
    if (const std::optional<places::Place> place = selected())
        openForm(place);
}

void OwnPlacesDialog::openForm(std::optional<places::Place> editing)
{
    auto* form = new OwnPlaceForm(dialogs_, own_, std::move(editing), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &QDialog::accepted, this, [this, form] { reload(form->savedLabel()); });
    form->open();
}

void OwnPlacesDialog::removePlace()
{
    const std::optional<places::Place> place = selected();
    if (!place || !dialogs_.askYesNo(tr("Remove %1 from your places?").arg(place->Label())))
        return;
    QString error;
    if (!own_.Remove(place->Label(), &error))
        dialogs_.message(tr("The place was not removed."), MessageIcon::Critical, error);
    reload();
}

} // namespace rashi
