#include "windows/manual_window.h"

#include "shared_ui/program_icon.h"
#include "shared_ui/user_dialogs.h"

#include <QDesktopServices>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace rashi {

ManualWindow::ManualWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("manualWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(WindowIcon());
    browser_->setObjectName(QStringLiteral("manualText"));
    // Pages of the manual open here; addresses on the web go to the browser.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle() + QStringLiteral(" - ") + kApplicationTitle); });
    auto* close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    auto* escape = new QShortcut(Qt::Key_Escape, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    const int line = fontMetrics().height();
    resize(48 * line, 40 * line);
}

ManualWindow* ManualWindow::show(const QUrl& page, QWidget* parent)
{
    static QPointer<ManualWindow> open;
    if (!open)
        open = new ManualWindow(parent);
    open->browser_->setSource(page);
    open->QWidget::show();
    open->raise();
    open->activateWindow();
    return open;
}

QUrl ManualWindow::page() const
{
    return browser_->source();
}

} // namespace rashi
