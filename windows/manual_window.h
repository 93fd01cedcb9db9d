#pragma once
// The program's manual, read in a window of its own: a plain HTML reader
// that needs no web browser and no network.

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace rashi {

class ManualWindow : public QWidget {
    Q_OBJECT
public:
    // Shows `page` in the one manual window, opening it when needed and
    // bringing it to the front when it is already open.
    static ManualWindow* show(const QUrl& page, QWidget* parent);

    QUrl page() const;

private:
    explicit ManualWindow(QWidget* parent);
    QTextBrowser* browser_;
};

} // namespace rashi
