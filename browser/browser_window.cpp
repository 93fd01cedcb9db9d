#include "browser/browser_window.h"

#include "shared_ui/user_dialogs.h"
#include "shared_ui/link_label.h"
#include "shared_ui/links.h"
#include "shared_ui/program_icon.h"
#include "core/lookup/search_text.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <algorithm>

namespace rashi {

namespace {

const QString kBlankPage = QStringLiteral("about:blank");
constexpr int kTimerIntervalMs = 5;
constexpr int kTwipsPerInch = 1440;

// Puts the search form into the blank document, fills in the words and sends
// the form. The page and the words arrive as string literals, so the words
// are only ever a value, never markup or script. Each step goes on when the
// one before it fails, and nothing is reported.
const QString kInjectFormScript = QStringLiteral(R"JS((function (page, words) {
  var named = function (name) {
    var all = document.body.getElementsByTagName("*");
    for (var i = 0; i < all.length; i++) {
      var n = all[i].getAttribute("name");
      if (n !== null && n.toLowerCase() === name) return all[i];
    }
    return null;
  };
  try { document.body.innerHTML = page; } catch (e) {}
  try { named("q").value = words; } catch (e) {}
  try { named("sa").click(); } catch (e) {}
})(%1, %2);)JS");

// The drawing itself, so that the icon is sharp at any scale of the screen;
// at 24 and 48 pixels (100% and 200%) the pictures rendered for those sizes.
QIcon ToolbarIcon(const QString& themeName, const QString& file)
{
    QIcon fallback(QStringLiteral(":/icons/toolbar/%1.svg").arg(file));
    fallback.addFile(QStringLiteral(":/icons/toolbar/%1.png").arg(file), QSize(24, 24));
    fallback.addFile(QStringLiteral(":/icons/toolbar/%1@2x.png").arg(file), QSize(48, 48));
    return QIcon::fromTheme(themeName, fallback);
}

} // namespace

frmBrowser::frmBrowser(UserDialogs& dialogs, const Place& place, const SearchPages& pages, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), place_(place), pages_(pages)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(programTitle());
    setWindowIcon(ProgramIcon());
    buildControls();
    setMinimumSize(420, 300);
    resize(960, 720);
}

frmBrowser::~frmBrowser() = default;

// The program's name and version (kApplicationTitle), in the window's language.
QString frmBrowser::programTitle() { return tr("Tarvek Rashi Drishti (Sign Aspects) v1.10"); }

int frmBrowser::twipsX(int twips) const { return qRound(twips * logicalDpiX() / double(kTwipsPerInch)); }

int frmBrowser::twipsY(int twips) const { return qRound(twips * logicalDpiY() / double(kTwipsPerInch)); }

void frmBrowser::buildControls()
{
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbToolBar->setAccessibleName(tr("Browser buttons"));
    addToolButton({QStringLiteral("Back"), tr("Back"), tr("Back to the page before")}, QStringLiteral("back"),
                  QKeySequence::Back);
    addToolButton({QStringLiteral("Forward"), tr("Forward"), tr("Forward to the next page")},
                  QStringLiteral("forward"), QKeySequence::Forward);
    addToolButton({QStringLiteral("Stop"), tr("Stop"), tr("Stop loading the page")}, QStringLiteral("stop"),
                  QKeySequence(Qt::Key_Escape));
    addToolButton({QStringLiteral("Refresh"), tr("Refresh"), tr("Load the page again")}, QStringLiteral("refresh"),
                  QKeySequence::Refresh);
    addToolButton({QStringLiteral("Home"), tr("Home"), tr("The search engine's start page")}, QStringLiteral("home"),
                  QKeySequence(Qt::ALT | Qt::Key_Home));
    addToolButton({QStringLiteral("Search"), tr("Search"), tr("A new search")}, QStringLiteral("search"),
                  QKeySequence(Qt::CTRL | Qt::Key_E));

    auto* spacer = new QWidget(tbToolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tbToolBar->addWidget(spacer);
    auto* link = new LinkLabel(tr("Visit Tarvek online for more Vedic astrology software"), tbToolBar);
    link->setAccessibleDescription(tr("Opens Tarvek's website in your web browser"));
    link->setContentsMargins(8, 0, 8, 0);
    Label61 = link;
    Label61->setObjectName(QStringLiteral("Label61"));
    connect(link, &LinkLabel::clicked, this, [this] { OpenHomePage(dialogs_); });
    tbToolBar->addWidget(Label61)->setVisible(HasHomePage());

    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    lblAddress = new QLabel(tr("&Address:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setAccessibleName(tr("Address"));
    cboAddress->setAccessibleDescription(tr("Type an address and press Enter to go there"));
    cboAddress->setEditable(true);
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setMaxVisibleItems(20);
    cboAddress->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblAddress->setBuddy(cboAddress);
    // A choice from the list, or Enter in the box, goes to the address.
    connect(cboAddress, &QComboBox::activated, this,
            [this](int index) { addressChosen(cboAddress->itemText(index)); });
    connect(cboAddress->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { addressChosen(cboAddress->currentText()); });
    // The usual keys of a browser for its address box.
    auto* focusAddress = new QAction(this);
    focusAddress->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::ALT | Qt::Key_D),
                                QKeySequence(Qt::Key_F6)});
    connect(focusAddress, &QAction::triggered, this, [this] {
        cboAddress->setFocus(Qt::ShortcutFocusReason);
        cboAddress->lineEdit()->selectAll();
    });
    addAction(focusAddress);

    brwWebBrowser = new QWebEngineView(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setAccessibleName(tr("Web page"));
    connect(brwWebBrowser, &QWebEngineView::loadStarted, this, [this] { busy_ = true; });
    connect(brwWebBrowser, &QWebEngineView::loadFinished, this, [this] {
        busy_ = false;
        downloadComplete();
        documentComplete(brwWebBrowser->url());
        updateHistoryButtons();
    });
    // A page taken back from the history may arrive without a load of its own.
    connect(brwWebBrowser, &QWebEngineView::urlChanged, this, &frmBrowser::updateHistoryButtons);

    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(kTimerIntervalMs);
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::timerTick);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setPlainText(SearchFormHtml(pages_));
    Text1->setReadOnly(true);
    Text1->hide();

    setTabOrder(cboAddress, brwWebBrowser);
}

void frmBrowser::addToolButton(const ToolButton& button, const QString& iconName, const QKeySequence& shortcut)
{
    const QString& key = button.key;
    static const QHash<QString, QString> themeNames{
        {QStringLiteral("back"), QStringLiteral("go-previous")},
        {QStringLiteral("forward"), QStringLiteral("go-next")},
        {QStringLiteral("stop"), QStringLiteral("process-stop")},
        {QStringLiteral("refresh"), QStringLiteral("view-refresh")},
        {QStringLiteral("home"), QStringLiteral("go-home")},
        {QStringLiteral("search"), QStringLiteral("edit-find")},
    };
    QAction* action = tbToolBar->addAction(ToolbarIcon(themeNames.value(iconName), iconName), button.text);
    action->setObjectName(key);
    action->setToolTip(button.text);
    if (QWidget* widget = tbToolBar->widgetForAction(action)) {
        widget->setAccessibleName(button.text);
        widget->setAccessibleDescription(button.description);
    }
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, key] { toolbarButtonClick(key); });
    if (key == QLatin1String("Back") || key == QLatin1String("Forward"))
        action->setEnabled(false); // nowhere to go yet
}

void frmBrowser::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!loaded_ && !event->spontaneous()) {
        loaded_ = true;
        formLoad();
    }
}

void frmBrowser::formLoad()
{
    tbToolBar->update();
    layoutControls();
    brwWebBrowser->setFocus(Qt::OtherFocusReason); // keys scroll the page, as in any browser

    SearchSubmitted = false;
    SearchText = QString::fromUtf8(kSearchPrefix.data(), static_cast<qsizetype>(kSearchPrefix.size()));
    if (place_.placeSearch) {
        SearchText = QString::fromStdString(BuildSearchText(true, place_.city.toStdString(),
                                                            place_.state.toStdString(),
                                                            place_.country.toStdString()));
    }
    navigate(QUrl(kBlankPage));
}

void frmBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

// The toolbar and the address row sit at the top across the whole width.
// The address box reaches to the right edge of its row, and the page fills
// the rest of the window, less 100 twips across and 100 twips at the bottom.
void frmBrowser::layoutControls()
{
    const int innerWidth = width();
    const int innerHeight = height();
    const int toolbarHeight = tbToolBar->sizeHint().height();
    tbToolBar->setGeometry(0, 0, innerWidth, toolbarHeight);

    const int comboHeight = cboAddress->sizeHint().height();
    const int rowHeight = comboHeight + 2 * twipsY(45);
    // The address box ends where the page ends.
    picAddress->setContentsMargins(0, 0, twipsX(100) - twipsX(50), 0);
    picAddress->setGeometry(0, toolbarHeight, innerWidth, rowHeight);
    const int labelWidth = lblAddress->sizeHint().width();
    lblAddress->setGeometry(twipsX(50) + 4, 0, labelWidth, rowHeight);
    const int comboLeft = lblAddress->geometry().right() + 1 + twipsX(60);
    cboAddress->setGeometry(comboLeft, (rowHeight - comboHeight) / 2,
                            std::max(0, picAddress->contentsRect().width() - comboLeft), comboHeight);

    const int browserTop = picAddress->y() + picAddress->height();
    brwWebBrowser->setGeometry(twipsX(50), browserTop, std::max(0, innerWidth - twipsX(100)),
                               std::max(0, innerHeight - browserTop - twipsY(100)));
}

void frmBrowser::navigate(const QUrl& url)
{
    if (!url.isValid() || url.isEmpty())
        return;
    busy_ = true; // busy from the request on, as the page only reports its start a little later
    brwWebBrowser->load(url);
}

QString frmBrowser::locationName() const
{
    const QUrl url = brwWebBrowser->url();
    if (url.isEmpty() || url.toString().contains(kBlankPage))
        return programTitle(); // a blank page has no name of its own
    const QString title = brwWebBrowser->title();
    return title.isEmpty() ? url.toString() : title;
}

void frmBrowser::showLocationName() { setWindowTitle(locationName()); }

void frmBrowser::downloadComplete() { showLocationName(); }

void frmBrowser::documentComplete(const QUrl& url)
{
    const QString address = url.toString();
    if (!SearchSubmitted) {
        SearchSubmitted = true;
        if (address == kBlankPage) {
            const QString script = kInjectFormScript.arg(JavaScriptString(Text1->toPlainText()),
                                                         JavaScriptString(SearchText));
            brwWebBrowser->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
        }
    }
    if (!address.contains(kBlankPage)) {
        showLocationName();
        rewriteAddressHistory(brwWebBrowser->url().toString());
    }
    emit documentCompleted(url);
}

// Most recent first, each address once, never the blank page.
void frmBrowser::rewriteAddressHistory(const QString& address)
{
    SuppressNavigate = true;
    const int found = cboAddress->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0)
        cboAddress->removeItem(found);
    cboAddress->insertItem(0, address);
    cboAddress->setCurrentIndex(0);
    cboAddress->setEditText(address);
    SuppressNavigate = false;
}

void frmBrowser::addressChosen(const QString& address)
{
    if (SuppressNavigate)
        return;
    timTimer->start();
    navigate(QUrl::fromUserInput(address.trimmed()));
}

void frmBrowser::toolbarButtonClick(const QString& key)
{
    timTimer->start();
    // Back and Forward may be served from the page cache with no load at all:
    // only a load that really starts makes the window busy.
    if (key == QLatin1String("Back")) {
        if (brwWebBrowser->history()->canGoBack())
            brwWebBrowser->back();
    } else if (key == QLatin1String("Forward")) {
        if (brwWebBrowser->history()->canGoForward())
            brwWebBrowser->forward();
    } else if (key == QLatin1String("Refresh")) {
        busy_ = true;
        brwWebBrowser->reload();
    } else if (key == QLatin1String("Home")) {
        navigate(pages_.homePage);
    } else if (key == QLatin1String("Search")) {
        navigate(pages_.searchPage);
    } else if (key == QLatin1String("Stop")) {
        timTimer->stop();
        brwWebBrowser->stop();
        busy_ = false;
        showLocationName();
    }
}

void frmBrowser::updateHistoryButtons()
{
    for (QAction* action : tbToolBar->actions()) {
        if (action->objectName() == QLatin1String("Back"))
            action->setEnabled(brwWebBrowser->history()->canGoBack());
        else if (action->objectName() == QLatin1String("Forward"))
            action->setEnabled(brwWebBrowser->history()->canGoForward());
    }
}

void frmBrowser::timerTick()
{
    if (busy_) {
        setWindowTitle(tr("Working..."));
    } else {
        timTimer->stop();
        showLocationName();
    }
}

} // namespace rashi
