// The paragraph label answers a height for a width from memory: whatever
// changes the text's layout must make it measure again, so that it always
// answers what the toolkit's own label would.

#include "windows/paragraph_label.h"

#include <QLabel>
#include <QTest>

#include <functional>

class TestParagraphLabel : public QObject {
    Q_OBJECT
private slots:
    void answersAsTheToolkitsLabelAfterEachChange_data();
    void answersAsTheToolkitsLabelAfterEachChange();
};

namespace {

const QString kSentence = QStringLiteral("Drishti means sight or aspects. This is something that is visible or keeping an "
                                         "eye on someone; Rashi Drishtis are of a more permanent nature.");

using Change = std::function<void(QLabel&)>;

} // namespace

void TestParagraphLabel::answersAsTheToolkitsLabelAfterEachChange_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("longer text") << Change([](QLabel& label) { label.setText(kSentence + QLatin1Char(' ') + kSentence); });
    QTest::newRow("shorter text") << Change([](QLabel& label) { label.setText(QStringLiteral("Two words")); });
    QTest::newRow("text of the same length") << Change([](QLabel& label) {
        QString same = kSentence;
        same.replace(QLatin1Char(' '), QLatin1Char('x'));
        label.setText(same);
    });
    QTest::newRow("bigger font") << Change([](QLabel& label) {
        QFont font = label.font();
        font.setPointSize(font.pointSize() * 2);
        label.setFont(font);
    });
    QTest::newRow("margin") << Change([](QLabel& label) { label.setMargin(30); });
    QTest::newRow("indent") << Change([](QLabel& label) { label.setIndent(60); });
    QTest::newRow("contents margins") << Change([](QLabel& label) { label.setContentsMargins(40, 5, 40, 5); });
    QTest::newRow("style sheet") << Change([](QLabel& label) { label.setStyleSheet(QStringLiteral("font-size: 30px")); });
    QTest::newRow("no wrapping") << Change([](QLabel& label) { label.setWordWrap(false); });
}

void TestParagraphLabel::answersAsTheToolkitsLabelAfterEachChange()
{
    QFETCH(Change, change);
    QLabel plain(kSentence);
    plain.setTextFormat(Qt::PlainText);
    plain.setWordWrap(true);
    rashi::ParagraphLabel paragraph(kSentence);
    const int widths[] = {80, 150, 260, 400, 700, 1200};

    // Asked at every width first, so that each answer is remembered.
    for (const int width : widths)
        QCOMPARE(paragraph.heightForWidth(width), plain.heightForWidth(width));
    change(plain);
    change(paragraph);
    for (const int width : widths)
        QCOMPARE(paragraph.heightForWidth(width), plain.heightForWidth(width));
}

QTEST_MAIN(TestParagraphLabel)
#include "test_paragraph_label.moc"
