#pragma once
// The place-lookup window: a small web browser that, as soon as it opens,
// searches the web for "Latitude Longitude " and the place typed on the main
// window. Besides that one search it is a plain browser with an address box,
// a toolbar and a busy indicator in its title bar. It hands nothing back, and
// it never shows a message of its own. Its texts are in the language whose
// catalogue is installed when it is made (see browser_language.h).

#include "browser/search_page.h"

#include <QString>
#include <QUrl>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QToolBar;
class QWebEngineView;

namespace rashi {

class UserDialogs;

class frmBrowser : public QWidget {
    Q_OBJECT
public:
    // What the main window's place-lookup button passes on: whether the
    // place is to be searched for, and the three boxes as typed.
    struct Place {
        bool placeSearch = false;
        QString city;
        QString state;
        QString country;
    };

    frmBrowser(UserDialogs& dialogs, const Place& place, const SearchPages& pages = DefaultSearchPages(),
               QWidget* parent = nullptr);
    ~frmBrowser() override;

    const QString& searchText() const { return SearchText; }
    bool searchSubmitted() const { return SearchSubmitted; }
    QWebEngineView* browser() const { return brwWebBrowser; }

signals:
    // After the window has handled a finished top-level document.
    void documentCompleted(const QUrl& url);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A toolbar button: its key (also its object name), its caption (also its
    // tool tip and its name for screen readers) and its description.
    struct ToolButton {
        QString key;
        QString text;
        QString description;
    };

    static QString programTitle();
    void buildControls();
    void addToolButton(const ToolButton& button, const QString& iconName, const QKeySequence& shortcut);
    void formLoad();
    void layoutControls();
    void navigate(const QUrl& url);
    QString locationName() const;
    void showLocationName();

    void documentComplete(const QUrl& url);
    void downloadComplete();
    void rewriteAddressHistory(const QString& address);
    void addressChosen(const QString& address);
    void toolbarButtonClick(const QString& key);
    void timerTick();
    // Back and Forward are enabled only where the history leads somewhere.
    void updateHistoryButtons();
    int twipsX(int twips) const;
    int twipsY(int twips) const;

    UserDialogs& dialogs_;
    Place place_;
    SearchPages pages_;

    QWidget* picAddress = nullptr;
    QLabel* lblAddress = nullptr;
    QComboBox* cboAddress = nullptr;
    QToolBar* tbToolBar = nullptr;
    QWebEngineView* brwWebBrowser = nullptr;
    QTimer* timTimer = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label61 = nullptr;

    QString SearchText;
    bool SearchSubmitted = false;
    bool SuppressNavigate = false;

    bool loaded_ = false;
    bool busy_ = false;
};

} // namespace rashi
