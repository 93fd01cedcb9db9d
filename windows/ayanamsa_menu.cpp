#include "windows/ayanamsa_menu.h"

#include "core/ayanamsa/ayanamsa_names.h"
#include "shared_ui/user_dialogs.h"
#include "windows/program_language.h"
#include "windows/program_settings.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace rashi {
namespace {

const QString kAyanamsaKey = QStringLiteral("Reading/Ayanamsa");
const QString kKeyProperty = QStringLiteral("ayanamsaKey");

QString CustomCaption(const AyanamsaChoice& choice) {
    if (choice.kind != AyanamsaKind::Custom) return QCoreApplication::translate("rashi::AyanamsaMenu", "Your &Own...");
    return QCoreApplication::translate("rashi::AyanamsaMenu", "Your &Own: %1...")
        .arg(QString::fromStdString(AyanamsaTitle(choice, WordsOf(InstalledLanguage()))));
}

} // namespace

AyanamsaMenu::AyanamsaMenu(QMenu* options, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs)
{
    QMenu* menu = options->addMenu(tr("&Ayanamsa"));
    menu->setObjectName(QStringLiteral("mnuAyanamsaList"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuAyanamsa"));
    group_ = new QActionGroup(this);
    const auto add = [&](const QString& caption, const QString& key) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("mnuAyanamsa_") + QString(key).replace(QLatin1Char('-'), QLatin1Char('_')));
        action->setProperty(kKeyProperty.toLatin1(), key);
        action->setCheckable(true);
        group_->addAction(action);
        return action;
    };
    own_ = add(tr("The Program's &Own (Formulas' or Lahiri)"), QStringLiteral("own"));
    menu->addSeparator();
    for (AyanamsaKind kind : NamedAyanamsas()) {
        if (kind == AyanamsaKind::Custom) continue;
        const AyanamsaChoice named{kind};
        add(QString::fromStdString(AyanamsaTitle(named, WordsOf(InstalledLanguage()))), QString::fromStdString(AyanamsaKey(named)));
    }
    menu->addSeparator();
    custom_ = add(CustomCaption({}), QStringLiteral("custom"));

    const auto remembered = ParseAyanamsa(ProgramSettings().value(kAyanamsaKey).toString().toStdString());
    check(remembered ? *remembered : AyanamsaChoice{});
    connect(group_, &QActionGroup::triggered, this, &AyanamsaMenu::take);
}

void AyanamsaMenu::setChoice(const AyanamsaChoice& choice)
{
    check(choice);
    remember();
}

void AyanamsaMenu::showChoice(const AyanamsaChoice& choice)
{
    check(choice);
}

void AyanamsaMenu::check(const AyanamsaChoice& choice)
{
    choice_ = choice;
    custom_->setText(CustomCaption(choice));
    const QString key = choice.kind == AyanamsaKind::Default   ? QStringLiteral("own")
                        : choice.kind == AyanamsaKind::Custom ? QStringLiteral("custom")
                                                              : QString::fromStdString(AyanamsaKey(choice));
    for (QAction* action : group_->actions())
        if (action->property(kKeyProperty.toLatin1()).toString() == key) action->setChecked(true);
}

void AyanamsaMenu::remember() const
{
    ProgramSettings().setValue(kAyanamsaKey, QString::fromStdString(AyanamsaKey(choice_)));
}

void AyanamsaMenu::take(QAction* action)
{
    const QString key = action->property(kKeyProperty.toLatin1()).toString();
    AyanamsaChoice picked;
    if (action == custom_) {
        QString start = choice_.kind == AyanamsaKind::Custom ? QString::fromStdString(AyanamsaKey(choice_)).mid(7)
                                                              : QStringLiteral("23.85,50.29");
        std::optional<AyanamsaChoice> custom;
        // Asked again after a refusal, with what was typed, until it is
        // taken or cancelled.
        while (const auto text = dialogs_.askText(
                   tr("Your own ayanamsa: its value at J2000.0 in degrees and how much it grows in a year, in "
                      "arcseconds, separated by a comma (e.g. 23.85,50.29)."),
                   start)) {
            custom = ParseAyanamsa("custom:" + text->trimmed().toStdString());
            if (custom)
                break;
            dialogs_.message(tr("Please Check The Ayanamsa."), MessageIcon::Critical,
                             tr("Give two numbers separated by a comma: degrees within 180 either way, "
                                "then arcseconds a year within 200 either way, e.g. 23.85,50.29. You gave \"%1\".")
                                 .arg(Visible(*text)));
            start = *text;
        }
        if (!custom) {
            check(choice_); // cancelled: the choice in force stays
            return;
        }
        picked = *custom;
    } else if (action != own_) {
        picked = ParseAyanamsa(key.toStdString()).value_or(AyanamsaChoice{});
    }
    check(picked);
    remember();
    emit chosen();
}

} // namespace rashi
