#include "windows/input_panel.h"

#include "core/entries/birth_choices.h"
#include "windows/core_messages.h"
#include "windows/program_language.h"
#include "core/words/reading_words.h"
#include "windows/utf8_text.h"

#include "core/entries/entry_lists.h"
#include "core/entries/key_filters.h"
#include "core/imports/imported_birth.h"
#include "core/zones/time_zones.h"
#include "places/birth_zone.h"
#include "windows/filtered_line_edit.h"
#include "windows/number_list_box.h"
#include "windows/paragraph_label.h"
#include "windows/panel_style.h"
#include "windows/place_finder.h"
#include "shared_ui/user_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <string>
#include <string_view>

namespace rashi {

namespace {

// Alt+key moves the focus to `target` while the panel shows; `shown` says so
// in its tooltip.
void AddBuddyShortcut(QWidget* shown, QWidget* target, Qt::Key key)
{
    const QKeySequence keys(Qt::ALT | key);
    auto* shortcut = new QShortcut(keys, shown->parentWidget(), [target] { target->setFocus(Qt::ShortcutFocusReason); });
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    shown->setToolTip(keys.toString(QKeySequence::NativeText));
}

// The date and clock time a repeated hour's answer belongs to.
QString MomentKey(const places::ZoneMoment& moment)
{
    return QStringLiteral("%1 %2").arg(moment.date.toString(Qt::ISODate), moment.time.toString(Qt::ISODate));
}

// Colours of the note on the zone: calm, and a warning.
const QColor kNoteColour(255, 236, 200);
const QColor kWarningColour(255, 214, 102);

template <class List = ListBox, class... Arguments>
List* DropDownList(const char* name, QWidget* parent, const Arguments&... arguments)
{
    auto* box = new List(arguments..., parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    // A scrolling list of about twenty rows (see ProgramStyle).
    box->setMaxVisibleItems(20);
    return box;
}

void AddNumbers(QComboBox* box, const NumberList& list)
{
    QStringList texts;
    texts.reserve(list.size());
    for (int position = list.begin(); position < list.end(); ++position)
        texts << FromUtf8(list.text(position));
    box->addItems(texts);
}

QHBoxLayout* RowOf(std::initializer_list<QWidget*> widgets)
{
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    for (QWidget* widget : widgets)
        line->addWidget(widget);
    line->addStretch(1);
    return line;
}

} // namespace

InputPanel::InputPanel(UserDialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("Personal Details"), parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Frame1"));
    PaintPanel(this);
    createBoxes();
    createLists();
    createOptions();
    createButtons();
    connectAtlas();
    layOut();
    fillLists();
    chainTabOrder();
    // The date and time decide the zone's offset.
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute})
        connect(list, &QComboBox::currentIndexChanged, this, &InputPanel::updateZoneNote);
}

void InputPanel::createBoxes()
{
    auto makeBox = [this](const char* name, const KeyFilter& filter) {
        auto* box = new FilteredLineEdit(filter, dialogs_, this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    txtName = makeBox("txtName", kLetterFilter);
    txtLatDeg = makeBox("txtLatDeg", kDigitFilter);
    txtLatMin = makeBox("txtLatMin", kDigitFilter);
    txtLonDeg = makeBox("txtLonDeg", kDigitFilter);
    txtLonMin = makeBox("txtLonMin", kDigitFilter);
    txtCity = makeBox("txtCity", kLetterFilter);
    txtState = makeBox("txtState", kLetterFilter);
    txtCountry = makeBox("txtCountry", kLetterFilter);
    const int coordinateWidth = txtLatDeg->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14;
    for (FilteredLineEdit* box : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        box->setMaxLength(kCoordinateBoxLength);
        box->setFixedWidth(coordinateWidth);
    }
    txtLatMin->setAccessibleName(tr("Latitude minutes"));
    txtLonMin->setAccessibleName(tr("Longitude minutes"));
}

void InputPanel::createLists()
{
    // Digits typed into the number lists choose the number typed.
    cboDate = DropDownList<NumberListBox>("cboDate", this, kDayList);
    cboMonth = DropDownList("cboMonth", this);
    cboYear = DropDownList<NumberListBox>("cboYear", this, kYearList);
    cboHour = DropDownList<NumberListBox>("cboHour", this, kHourList);
    cboMinute = DropDownList<NumberListBox>("cboMinute", this, kMinuteList);
    cboTimeZone = DropDownList("cboTimeZone", this);
    // Widths from a number of characters, so that no list measures every
    // entry at start-up; the time-zone list is stretched across the panel.
    const std::pair<ListBox*, int> widths[] = {{cboDate, 3},  {cboMonth, 10}, {cboYear, 5},
                                               {cboHour, 3},  {cboMinute, 3}, {cboTimeZone, 44}};
    for (const auto& [box, characters] : widths)
        box->setWidthInCharacters(characters);
    // The lists after the first of a row have no caption on the screen. A
    // screen reader names a list by the caption that labels it (its own name
    // is its current entry), so each has one that is never shown.
    const std::pair<QComboBox*, const char*> unseen[] = {
        {cboMonth, QT_TR_NOOP("Month")}, {cboYear, QT_TR_NOOP("Year")}, {cboMinute, QT_TR_NOOP("Minute")}};
    for (const auto& [box, caption] : unseen) {
        box->setAccessibleName(tr(caption));
        auto* label = new QLabel(tr(caption), this);
        label->setBuddy(box);
        label->hide();
    }
    chkDST = new QCheckBox(tr("Daylight Saving Time"), this);
    chkDST->setObjectName(QStringLiteral("chkDST"));
    // Old records often give the date in the Julian calendar: Britain and its
    // colonies until 1752, Russia until 1918, Greece until 1923.
    chkJulian = new QCheckBox(tr("Julian date"), this);
    chkJulian->setObjectName(QStringLiteral("chkJulian"));
    chkJulian->setToolTip(tr("The date is in the Julian calendar (Britain until 1752, Russia until 1918, Greece until 1923)"));
    showJulianBox();
    connect(cboYear, &QComboBox::currentIndexChanged, this, [this] { showJulianBox(); });
}

void InputPanel::showJulianBox()
{
    constexpr int kLastJulianYear = 1923;
    const int position = kYearList.positionOfRow(cboYear->currentIndex());
    chkJulian->setVisible(kYearList.contains(position) && kYearList.value(position) <= kLastJulianYear);
}

void InputPanel::createOptions()
{
    Frame3 = new QWidget(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    optLat[0] = new QRadioButton(tr("North"), Frame3);
    optLat[1] = new QRadioButton(tr("South"), Frame3);
    Frame4 = new QWidget(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    optLong[0] = new QRadioButton(tr("East"), Frame4);
    optLong[1] = new QRadioButton(tr("West"), Frame4);
    Frame3->setAccessibleName(tr("Latitude direction"));
    Frame4->setAccessibleName(tr("Longitude direction"));
    for (int member = 0; member < 2; ++member) {
        optLat[member]->setObjectName(QStringLiteral("optLat_%1").arg(member));
        optLong[member]->setObjectName(QStringLiteral("optLong_%1").arg(member));
    }
    const std::pair<QWidget*, std::array<QRadioButton*, 2>> groups[] = {{Frame3, optLat}, {Frame4, optLong}};
    for (const auto& [group, options] : groups) {
        auto* row = new QHBoxLayout(group);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(12);
        row->addWidget(options[0]);
        row->addWidget(options[1]);
        row->addStretch(1);
    }
    // Tab stops at the selected option of each group only; the arrow keys
    // move within the group.
    for (QRadioButton* option : {optLat[0], optLat[1], optLong[0], optLong[1]}) {
        option->setFocusPolicy(Qt::ClickFocus);
        connect(option, &QRadioButton::toggled, option, [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    optLat[0]->setChecked(true);
    optLong[0]->setChecked(true);
}

void InputPanel::createButtons()
{
    cmdCalculate = new QPushButton(tr("&Get My Rashi Drishti (Sign Aspects) Reading"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdOpen = new QPushButton(tr("&Open Previously Saved Reading"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    Command1 = new QPushButton(tr("Click here to find Latitude && Longitude"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    // Enter, like Space, presses the button that has the focus.
    for (QPushButton* button : {cmdCalculate, cmdOpen, Command1})
        button->setAutoDefault(true);
    connect(cmdCalculate, &QPushButton::clicked, this, &InputPanel::calculateRequested);
    connect(cmdOpen, &QPushButton::clicked, this, &InputPanel::openRequested);
    connect(Command1, &QPushButton::clicked, this, &InputPanel::findPlaceRequested);
}

void InputPanel::connectAtlas()
{
    // The atlas: places offered under the City box, and the note on the zone.
    lblZoneNote = new ParagraphLabel({}, this);
    lblZoneNote->setObjectName(QStringLiteral("lblZoneNote"));
    lblZoneNote->hide();
    placeFinder_ = new PlaceFinder(txtCity);
    placeFinder_->narrowBy(txtState, txtCountry);
    connect(placeFinder_, &PlaceFinder::placeChosen, this, &InputPanel::applyPlace);
    connect(placeFinder_, &PlaceFinder::unavailable, this, &InputPanel::atlasUnavailable);
    connect(placeFinder_, &PlaceFinder::notice, this, &InputPanel::atlasNotice);
    // Typing another city drops the place picked; its coordinates stay.
    connect(txtCity, &QLineEdit::textEdited, this, [this] {
        boxDecides_ = false;
        zoneId_.clear();
        placeZoneId_.clear();
        updateZoneNote();
    });
    // A zone or box chosen by hand wins over the atlas's.
    // So does it over an imported chart's own offset, even for the row shown.
    connect(cboTimeZone, QOverload<int>::of(&QComboBox::activated), this, [this] {
        zoneId_.clear();
        if (imported_)
            imported_->ZoneOffsetSeconds.reset();
        updateZoneNote();
    });
    connect(chkDST, &QCheckBox::clicked, this, [this] {
        zoneId_.clear();
        if (imported_)
            imported_->ZoneOffsetSeconds.reset();
        updateZoneNote();
    });
}

QGridLayout* InputPanel::layOutEntries()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(7);
    int row = 0;
    // The captions keep their text; Alt and a letter of each (shown in its
    // tooltip) puts the cursor in its box, as a mnemonic would.
    auto addCaption = [&](const QString& text, QWidget* buddy, Qt::Key key) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        AddBuddyShortcut(label, buddy, key);
        grid->addWidget(label, row, 0);
    };
    auto hint = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("hint"));
        return label;
    };

    addCaption(tr("Name"), txtName, Qt::Key_N);
    grid->addWidget(txtName, row++, 1, 1, 2);

    addCaption(tr("Date of Birth"), cboDate, Qt::Key_D);
    grid->addLayout(RowOf({cboDate, cboMonth, cboYear, chkJulian}), row++, 1, 1, 2);

    addCaption(tr("Time of Birth"), cboHour, Qt::Key_T);
    grid->addLayout(RowOf({cboHour, cboMinute, hint(tr("HH/MM"))}), row, 1);
    grid->addWidget(chkDST, row++, 2);
    AddBuddyShortcut(chkDST, chkDST, Qt::Key_Y);

    addCaption(tr("Time Zone"), cboTimeZone, Qt::Key_Z);
    grid->addWidget(cboTimeZone, row++, 1, 1, 2);
    grid->addWidget(lblZoneNote, row++, 1, 1, 2);

    addCaption(tr("Latitude"), txtLatDeg, Qt::Key_L);
    grid->addLayout(RowOf({txtLatDeg, txtLatMin, hint(tr("DEG/MIN"))}), row, 1);
    grid->addWidget(Frame3, row++, 2);

    addCaption(tr("Longitude"), txtLonDeg, Qt::Key_U);
    grid->addLayout(RowOf({txtLonDeg, txtLonMin, hint(tr("DEG/MIN"))}), row, 1);
    grid->addWidget(Frame4, row++, 2);

    addCaption(tr("City"), txtCity, Qt::Key_C);
    grid->addWidget(txtCity, row++, 1, 1, 2);
    addCaption(tr("State"), txtState, Qt::Key_S);
    grid->addWidget(txtState, row++, 1, 1, 2);
    addCaption(tr("Country"), txtCountry, Qt::Key_R);
    grid->addWidget(txtCountry, row++, 1, 1, 2);
    grid->addLayout(RowOf({Command1}), row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}

void InputPanel::layOut()
{
    auto* about1 = new ParagraphLabel(
        tr("Rashi Drishti implies signs that are aspected by this sign and the signs that "
                       "aspect this sign."),
        this);
    auto* about2 = new ParagraphLabel(
        tr("Drishti means sight or aspects. This is something that is visible or keeping an eye "
                       "on someone (aspects). Rashi Drishtis are of a more permanent nature and they "
                       "represent the knowledge aspect."),
        this);
    for (QLabel* label : {about1, about2})
        label->setObjectName(QStringLiteral("explanation"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdOpen);
    buttons->addStretch(1);

    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(12, 10, 12, 12);
    panel->setSpacing(10);
    panel->addLayout(layOutEntries());
    panel->addSpacing(4);
    panel->addWidget(about1);
    panel->addWidget(about2);
    panel->addStretch(1);
    panel->addLayout(buttons);
}

void InputPanel::fillLists()
{
    AddNumbers(cboDate, kDayList);
    QStringList months;
    // The months in the language the window speaks; the list's position is the entry.
    for (std::string_view month : WordsOf(InstalledLanguage()).months)
        months << FromUtf8(month);
    cboMonth->addItems(months);
    AddNumbers(cboYear, kYearList);
    AddNumbers(cboHour, kHourList);
    AddNumbers(cboMinute, kMinuteList);

    QStringList zones;
    for (std::string_view zone : TimeZones().TimeZoneList)
        zones << FromUtf8(zone);
    cboTimeZone->addItems(zones);

    for (QComboBox* box : {cboDate, cboMonth, cboHour, cboMinute, cboTimeZone})
        box->setCurrentIndex(0);
    // The years begin at 1600, but the list opens at 1901 as it always did.
    cboYear->setCurrentIndex(kYearList.row(0));
}

void InputPanel::chainTabOrder()
{
    QWidget* chain[] = {txtName,    cboDate,     cboMonth,   cboYear,   chkJulian, cboHour,    cboMinute,  cboTimeZone,
                        txtLatDeg,  txtLatMin,   txtLonDeg,  txtLonMin, txtCity,    txtState,   txtCountry,
                        cmdCalculate, cmdOpen,   chkDST,     optLong[1], optLong[0], optLat[1], optLat[0],
                        Command1};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

QWidget* InputPanel::lastInTabChain() const
{
    return Command1;
}

Entries InputPanel::entries() const
{
    Entries e;
    e.Name = ToUtf8(txtName->text());
    e.DatePosition = cboDate->currentIndex();
    e.MonthPosition = cboMonth->currentIndex();
    e.YearPosition = kYearList.positionOfRow(cboYear->currentIndex());
    e.HourPosition = cboHour->currentIndex();
    e.MinutePosition = cboMinute->currentIndex();
    e.ZoneRow = cboTimeZone->currentIndex();
    e.LatDeg = ToUtf8(txtLatDeg->text());
    e.LatMin = ToUtf8(txtLatMin->text());
    e.LonDeg = ToUtf8(txtLonDeg->text());
    e.LonMin = ToUtf8(txtLonMin->text());
    e.North = optLat[0]->isChecked();
    e.South = optLat[1]->isChecked();
    e.East = optLong[0]->isChecked();
    e.West = optLong[1]->isChecked();
    e.DaylightSaving = chkDST->isChecked();
    e.City = ToUtf8(txtCity->text());
    e.State = ToUtf8(txtState->text());
    e.Country = ToUtf8(txtCountry->text());
    e.ZoneId = zoneId_.toStdString();
    if (imported_) {
        if (e.HourPosition == imported_->HourPosition && e.MinutePosition == imported_->MinutePosition)
            e.Second = imported_->Second;
        if (e.ZoneId.empty() && e.ZoneRow == imported_->ZoneRow && e.DaylightSaving == imported_->DaylightSaving)
            e.ZoneOffsetSeconds = imported_->ZoneOffsetSeconds;
    }
    e.Tagged = tagged_;
    SetCalendar(e, chkJulian->isVisibleTo(this) && chkJulian->isChecked() ? Calendar::Julian : Calendar::Gregorian);
    return e;
}

void InputPanel::applyEntries(const Entries& e)
{
    txtName->setText(FromUtf8(e.Name));
    cboMonth->setCurrentIndex(e.MonthPosition);
    cboDate->setCurrentIndex(e.DatePosition);
    cboYear->setCurrentIndex(kYearList.contains(e.YearPosition) ? kYearList.row(e.YearPosition) : -1);
    cboHour->setCurrentIndex(e.HourPosition);
    cboMinute->setCurrentIndex(e.MinutePosition);
    cboTimeZone->setCurrentIndex(e.ZoneRow);
    txtLonDeg->setText(FromUtf8(e.LonDeg));
    txtLonMin->setText(FromUtf8(e.LonMin));
    txtLatDeg->setText(FromUtf8(e.LatDeg));
    txtLatMin->setText(FromUtf8(e.LatMin));
    if (e.East)
        optLong[0]->setChecked(true);
    else if (e.West)
        optLong[1]->setChecked(true);
    if (e.South)
        optLat[1]->setChecked(true);
    else if (e.North)
        optLat[0]->setChecked(true);
    chkDST->setChecked(e.DaylightSaving);
    txtCity->setText(FromUtf8(e.City));
    txtState->setText(FromUtf8(e.State));
    txtCountry->setText(FromUtf8(e.Country));
    zoneId_ = placeZoneId_ = FromUtf8(e.ZoneId);
    tagged_ = e.Tagged;
    chkJulian->setChecked(CalendarOf(e) == Calendar::Julian);
    showJulianBox();
    boxDecides_ = true; // a chart file's row and box say which of a repeated hour
    imported_.reset();
    if (e.Second || (e.ZoneId.empty() && e.ZoneOffsetSeconds))
        imported_ = e;
    updateZoneNote();
}

InputPanel::Snapshot InputPanel::snapshot() const
{
    return {entries(), zoneId_, placeZoneId_, boxDecides_};
}

void InputPanel::restore(const Snapshot& snapshot)
{
    applyEntries(snapshot.entries);
    zoneId_ = snapshot.zoneId;
    placeZoneId_ = snapshot.placeZoneId;
    boxDecides_ = snapshot.boxDecides;
    updateZoneNote();
}

void InputPanel::applyPlace(const places::Place& place)
{
    Entries e = entries();
    places::ApplyPlace(e, place);
    applyEntries(e); // the zone's row and box follow in updateZoneNote
    boxDecides_ = false;
}

void InputPanel::updateZoneNote()
{
    if (placeZoneId_.isEmpty()) {
        // An imported chart's own offset, while the row and box are its.
        const std::optional<std::string> imported = ImportedZoneNote(entries());
        lblZoneNote->setVisible(imported.has_value());
        lblZoneNote->setText(imported ? FromUtf8(*imported) : QString());
        QFont font = lblZoneNote->font();
        font.setBold(false);
        lblZoneNote->setFont(font);
        QPalette palette = lblZoneNote->palette();
        palette.setColor(QPalette::WindowText, kNoteColour);
        lblZoneNote->setPalette(palette);
        return;
    }
    Entries e = entries();
    e.ZoneId = placeZoneId_.toStdString();
    const places::ZoneMoment moment = places::BirthZoneMoment(e);
    QString note = places::ExplainZone(moment);
    bool warn = !moment.IsExact() && moment.clock != places::ClockTime::Repeated;
    if (const std::optional<bool> second = repeatedTakesSecond(moment)) {
        // Answered: the note says which of the two the reading takes.
        places::ZoneMoment taken = moment;
        taken.clock = places::ClockTime::Normal;
        taken.offset = *second ? moment.later : moment.offset;
        note = places::ExplainZone(taken) +
               (*second ? tr(" (the second time: the clocks had gone back)")
                        : tr(" (the first time, before the clocks went back)"));
    }
    if (!zoneId_.isEmpty()) {
        if (!places::ApplyZone(e)) {
            cboTimeZone->setCurrentIndex(e.ZoneRow);
            chkDST->setChecked(e.DaylightSaving);
        }
    } else if (const auto disagreement =
                   places::CheckZoneChoice(moment, {cboTimeZone->currentIndex(), chkDST->isChecked()})) {
        note = *disagreement;
        warn = true;
    }
    QPalette palette = lblZoneNote->palette();
    palette.setColor(QPalette::WindowText, warn ? kWarningColour : kNoteColour);
    lblZoneNote->setPalette(palette);
    QFont font = lblZoneNote->font();
    font.setBold(warn);
    lblZoneNote->setFont(font);
    lblZoneNote->setText(note);
    lblZoneNote->show();
}

std::optional<bool> InputPanel::repeatedTakesSecond(const places::ZoneMoment& moment) const
{
    if (moment.clock != places::ClockTime::Repeated)
        return std::nullopt;
    if (repeatedAnswer_ && repeatedAnswer_->zoneId == moment.zoneId && repeatedAnswer_->moment == MomentKey(moment))
        return repeatedAnswer_->second;
    if (boxDecides_) // an opened chart's row and box
        return places::ChoiceOffsetSeconds({cboTimeZone->currentIndex(), chkDST->isChecked()}) == moment.later.seconds &&
               moment.later.seconds != moment.offset.seconds;
    return std::nullopt;
}

std::optional<Entries> InputPanel::entriesWithZone()
{
    Entries e = entries();
    if (e.ZoneId.empty() || ValidateInput(e))
        return e; // the reading's own checks speak first
    const places::ZoneMoment moment = places::BirthZoneMoment(e);
    places::RepeatedTime which = places::RepeatedTime::Refuse;
    if (repeatedTakesSecond(moment).has_value()) {
        // Answered before, or an opened chart: the row and box decide, nothing is asked.
        which = places::RepeatedTime::ByChoice;
    } else if (moment.clock == places::ClockTime::Repeated) {
        const auto label = [](const places::ZoneOffset& offset) {
            return tr("UTC%1 (%2)")
                .arg(places::OffsetText(offset.seconds),
                     offset.daylightSaving ? tr("daylight saving") : tr("standard time"));
        };
        const int chosen = dialogs_.choose(moment.message, {label(moment.offset), label(moment.later)});
        if (chosen < 0)
            return std::nullopt;
        which = chosen == 0 ? places::RepeatedTime::First : places::RepeatedTime::Second;
        // The answer sets the row and box, so that the header, the box and a
        // chart file saved from it all say the same hour.
        const places::ZoneOffset& offset = chosen == 0 ? moment.offset : moment.later;
        if (const auto choice = places::ChooseZoneRow(offset, placeZoneId_)) {
            e.ZoneRow = choice->row;
            e.DaylightSaving = choice->daylightSaving;
        } else {
            e.ZoneRow = places::NearestZoneRow(offset.standardSeconds);
            e.DaylightSaving = offset.daylightSaving;
        }
        cboTimeZone->setCurrentIndex(e.ZoneRow);
        chkDST->setChecked(e.DaylightSaving);
        // Asked once for this moment: the note says the answer, the next
        // reading takes it.
        repeatedAnswer_ = RepeatedAnswer{moment.zoneId, MomentKey(moment), chosen == 1};
        updateZoneNote();
    }
    if (const auto problem = places::ApplyZoneOffset(e, which)) {
        dialogs_.message(*problem, MessageIcon::Critical);
        return std::nullopt;
    }
    return e;
}

void InputPanel::refuse(const Refusal& refusal)
{
    dialogs_.message(CoreMessage(refusal.message), refusal.icon);
    switch (refusal.target) {
    case Field::None: break;
    case Field::Name: txtName->setFocus(Qt::OtherFocusReason); break;
    case Field::LatDeg: txtLatDeg->setFocus(Qt::OtherFocusReason); break;
    case Field::LatMin: txtLatMin->setFocus(Qt::OtherFocusReason); break;
    case Field::LonDeg: txtLonDeg->setFocus(Qt::OtherFocusReason); break;
    case Field::LonMin: txtLonMin->setFocus(Qt::OtherFocusReason); break;
    case Field::City: txtCity->setFocus(Qt::OtherFocusReason); break;
    case Field::State: txtState->setFocus(Qt::OtherFocusReason); break;
    case Field::Country: txtCountry->setFocus(Qt::OtherFocusReason); break;
    case Field::North: optLat[0]->setChecked(true); break;
    case Field::East: optLong[0]->setChecked(true); break;
    }
}

void InputPanel::rememberFocus()
{
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        lastInput_ = focused;
}

void InputPanel::restoreFocus()
{
    QWidget* target = lastInput_ ? lastInput_.data() : cmdCalculate;
    target->setFocus(Qt::TabFocusReason);
}

void InputPanel::focusFirstBox()
{
    txtName->setFocus(Qt::OtherFocusReason);
}

void InputPanel::loadAtlas()
{
    placeFinder_->load();
}

} // namespace rashi
