#include "windows/place_finder.h"

#include "windows/filtered_line_edit.h"
#include "windows/uncompress_warnings.h"

#include "places/place_search.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStringListModel>
#include <QThread>

namespace rashi {
namespace {

// One atlas for the whole program: loaded once, shared by every window.
std::optional<places::Atlas>& LoadedAtlas()
{
    static std::optional<places::Atlas> atlas;
    return atlas;
}

} // namespace

const places::Atlas* SharedAtlas()
{
    return LoadedAtlas() ? &*LoadedAtlas() : nullptr;
}

PlaceFinder::PlaceFinder(QLineEdit* cityBox) : QObject(cityBox), box_(cityBox)
{
    connect(box_, &QLineEdit::textEdited, this, &PlaceFinder::offer);
    box_->installEventFilter(this);
}

bool PlaceFinder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_ && event->type() == QEvent::FocusIn)
        load();
    return QObject::eventFilter(watched, event);
}

PlaceFinder::~PlaceFinder() = default;

void PlaceFinder::narrowBy(QLineEdit* stateBox, QLineEdit* countryBox)
{
    stateBox_ = stateBox;
    countryBox_ = countryBox;
}

void PlaceFinder::load()
{
    if (loading_ || atlas_ || failed_)
        return;
    if (LoadedAtlas()) {
        setAtlas(*LoadedAtlas());
        return;
    }
    loading_ = true;
    QPointer<PlaceFinder> self(this);
    QThread* worker = QThread::create([self] {
        QString error;
        // A damaged atlas is said in the window, not on the terminal too.
        std::optional<places::Atlas> atlas = [&error] {
            const UncompressWarningsDropped quiet;
            return places::Atlas::LoadDefault(&error);
        }();
        // Back on the window's thread, if the window is still there.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, atlas = std::move(atlas), error]() mutable {
                if (!self)
                    return;
                self->loading_ = false;
                if (atlas) {
                    LoadedAtlas() = *atlas;
                    self->setAtlas(std::move(*atlas));
                }
                else {
                    self->failed_ = true;
                    emit self->unavailable(error);
                }
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start(QThread::LowPriority);
}

void PlaceFinder::setAtlas(places::Atlas atlas)
{
    atlas_ = std::move(atlas);
    if (!completer_) {
        model_ = new QStringListModel(this);
        completer_ = new QCompleter(model_, this);
        completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer_->setMaxVisibleItems(10);
        completer_->setWidget(box_);
        if (auto* filtered = qobject_cast<FilteredLineEdit*>(box_))
            filtered->setSuggestionList(completer_->popup());
        connect(completer_, QOverload<const QModelIndex&>::of(&QCompleter::activated), this,
                [this](const QModelIndex& index) { choose(index.row()); });
    }
    emit loaded();
    // What was typed while the atlas was loading is answered now, not at the
    // next key.
    if (waiting_ && box_->hasFocus())
        offer(box_->text());
    waiting_ = false;
}

void PlaceFinder::offer(const QString& text)
{
    load(); // a city typed before the atlas was asked for
    waiting_ = !atlas_;
    offered_.clear();
    const bool asked = atlas_ && text.trimmed().size() >= 2;
    if (asked)
        offered_ = places::OfferPlaces(&*atlas_, own_.Current(), text, stateBox_ ? stateBox_->text() : QString(),
                                       countryBox_ ? countryBox_->text() : QString(), 10);
    // Nothing found: the names one or two letters away, offered as guesses.
    const bool guessed = asked && offered_.empty();
    if (guessed)
        offered_ = places::GuessPlaces(&*atlas_, own_.Current(), text, 10);
    if (atlas_)
        if (const QString said = atlas_->TakeNotice(); !said.isEmpty())
            emit notice(said);
    if (!completer_)
        return;
    QStringList labels;
    // The user's own places are marked as theirs.
    for (const places::Place& place : offered_) {
        // The other name it was found by, so that "Al" offering Cairo makes sense.
        QString label = place.matched.isEmpty() ? place.Label() : QStringLiteral("%1 (%2)").arg(place.Label(), place.matched);
        if (place.own)
            label = tr("%1 (your place)").arg(label);
        labels << (guessed ? tr("Did you mean %1?").arg(label) : label);
    }
    // Their absence is not passed over: the list's last row says why.
    if (asked && !own_.error().isEmpty())
        labels << tr("(Your places could not be read: %1)").arg(own_.error());
    model_->setStringList(labels);
    if (labels.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    completer_->complete();
}

void PlaceFinder::choose(int row)
{
    if (row < 0 || row >= int(offered_.size()))
        return;
    const places::Place place = offered_[std::size_t(row)];
    completer_->popup()->hide();
    emit placeChosen(place);
}

} // namespace rashi
