#include "exercise/addition.h"
#include "exercise/addmodule.h"
#include "menu/dialog.h"
#include "menu/mainportal.h"
#include "print/printmenu.h"
#include "records/roster.h"
#include "records/studentlist.h"
#include "report/linelistview.h"
#include "report/report.h"
#include "support/testsupport.h"
#include "tutors/tutor.h"
#include "tutors/tutor2.h"
#include "ui/windowless.h"
#include "ui/windows.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <memory>
#include <optional>

namespace {
const QDateTime Opened(QDate(2026, 5, 12), QTime(13, 20, 0));
const QString Open = QStringLiteral("\u27e6");
const QString Close = QStringLiteral("\u27e7");

// Gives back every source text wrapped in markers, so that a text that reaches the screen
// without them never went through a translation.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (!source || !*source) {
            return {};
        }
        return Open + QString::fromUtf8(source) + Close;
    }
    bool isEmpty() const override { return false; }
};

// Data, not wording: numbers, times, dates, signs and pictures, and the student's name.
bool isData(const QString &text)
{
    static const QRegularExpression noWords(QStringLiteral("^[^A-Za-z]*$"));
    return noWords.match(text).hasMatch() || text == QLatin1String("ANN");
}

bool isTranslated(const QString &text)
{
    return text.contains(Open) && text.contains(Close);
}

// Every text of the window a person reads, each with where it was found.
QList<QPair<QString, QString>> visibleTexts(QWidget *window)
{
    QList<QPair<QString, QString>> texts {{QStringLiteral("window title"), window->windowTitle()}};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window)) {
            continue;
        }
        const QString where = w->objectName();
        if (auto *label = qobject_cast<QLabel *>(w)) {
            texts.append({where, label->text()});
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            texts.append({where, button->text()});
        } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            texts.append({where, frame->title()});
        } else if (auto *box = qobject_cast<QLineEdit *>(w)) {
            texts.append({where, box->text()});
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                texts.append({where, list->itemText(i)});
            }
        } else if (auto *lines = qobject_cast<LineListView *>(w)) {
            for (int row = 0; row < lines->rowCount(); ++row) {
                const QModelIndex at = lines->model()->index(row, 0);
                texts.append({where, lines->model()->data(at).toString()});
            }
        }
        const QString name = w->accessibleName();
        const QString description = w->accessibleDescription();
        texts.append({where + QStringLiteral(" (accessible name)"), name});
        texts.append({where + QStringLiteral(" (accessible description)"), description});
    }
    // Labels drawn by their frame, with no window of their own.
    for (const ui::WindowlessLabel *label : window->findChildren<ui::WindowlessLabel *>()) {
        if (label->isVisible()) {
            texts.append({label->objectName(), label->text()});
            texts.append({label->objectName() + QStringLiteral(" (accessible name)"),
                          label->accessibleName()});
        }
    }
    return texts;
}

// Describes each text that bypassed translation; empty when there is none.
QStringList untranslated(QWidget *window)
{
    QStringList found;
    for (const auto &[where, text] : visibleTexts(window)) {
        if (!text.isEmpty() && !isTranslated(text) && !isData(text)) {
            found.append(QStringLiteral("%1: \"%2\"").arg(where, text));
        }
    }
    return found;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void theCheckCatchesAnUntranslatedText();
    void mainMenuAndNewStudent();
    void exerciseBeforeAndAfterMarking();
    void tutors();
    void reportAndPrintWindows();
    void messages();

private:
    MainPortal *openMenu();
    void verifyAllTranslated(QWidget *window);

    MarkingTranslator m_translator;
    std::unique_ptr<testsupport::WorkDir> m_dir;
    std::unique_ptr<testsupport::ScriptedMessages> m_messages;
    std::unique_ptr<testsupport::FixedClock> m_clock;
    std::optional<testsupport::ScriptedRandom> m_random;
    StudentList m_students;
};

void TestTranslations::initTestCase()
{
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
}

void TestTranslations::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void TestTranslations::init()
{
    m_dir = std::make_unique<testsupport::WorkDir>();
    m_messages = std::make_unique<testsupport::ScriptedMessages>();
    m_clock = std::make_unique<testsupport::FixedClock>(Opened);
    m_random.emplace(QList<double> {0.13, 0.57, 0.91, 0.29, 0.74, 0.46, 0.08, 0.62});
    testsupport::writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
    testsupport::writeFile(QStringLiteral("ANN.hst"), "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n");
}

void TestTranslations::cleanup()
{
    testsupport::closeAllWindows();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    QCOMPARE(Windows::loaded().size(), 0);
    m_random.reset();
    m_clock.reset();
    m_messages.reset();
    m_dir.reset();
}

void TestTranslations::verifyAllTranslated(QWidget *window)
{
    const QStringList found = untranslated(window);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1String("; "))));
}

MainPortal *TestTranslations::openMenu()
{
    MainPortal *menu = Windows::load<MainPortal>();
    menu->show();
    return menu;
}

void TestTranslations::theCheckCatchesAnUntranslatedText()
{
    QWidget window;
    window.setWindowTitle(QObject::tr("Report"));
    auto *label = new QLabel(QStringLiteral("Score"), &window);
    label->setObjectName(QStringLiteral("plain"));
    new QLabel(QStringLiteral("12:05 81% +"), &window);
    QCOMPARE(untranslated(&window), QStringList {QStringLiteral("plain: \"Score\"")});
    label->setText(QObject::tr("Score"));
    QCOMPARE(untranslated(&window), QStringList());
}

void TestTranslations::mainMenuAndNewStudent()
{
    MainPortal *menu = openMenu();
    verifyAllTranslated(menu);
    QTest::keyClick(menu->findChild<QComboBox *>("Combo1"), Qt::Key_Down);
    QVERIFY(menu->findChild<QLabel *>("lblWelcome")->text().endsWith(QLatin1String("ANN")));
    verifyAllTranslated(menu);

    Dialog dialog(m_students);
    dialog.show();
    verifyAllTranslated(&dialog);
}

void TestTranslations::exerciseBeforeAndAfterMarking()
{
    MainPortal *menu = openMenu();
    QTest::keyClick(menu->findChild<QComboBox *>("Combo1"), Qt::Key_Down);
    QTest::mouseClick(menu->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    Addition *exercise = Windows::find<Addition>();
    QVERIFY(exercise);
    verifyAllTranslated(exercise);
    QTest::keyClicks(exercise->findChild<QLineEdit *>("Text1(1)"),
                     QString::number(AddModule::SumNum[1]));
    QTest::mouseClick(exercise->findChild<QPushButton *>("cmdcheck"), Qt::LeftButton);
    QVERIFY(!exercise->findChild<QLineEdit *>("txtScore")->text().isEmpty());
    verifyAllTranslated(exercise);
}

void TestTranslations::tutors()
{
    AddModule::FirstNum[1] = 47;
    AddModule::SecondNum[1] = 5;
    AddModule::SumNum[1] = 52;
    qint16 q = 1;
    Tutor pictures;
    pictures.initialize(q);
    pictures.show();
    verifyAllTranslated(&pictures);
    auto *plus = pictures.findChild<QPushButton *>("cmdplus");
    for (int i = 0; i < 12 && plus->isEnabled(); ++i) {
        QTest::mouseClick(plus, Qt::LeftButton);
    }
    verifyAllTranslated(&pictures);

    Tutor2 columns;
    columns.initialize(q);
    columns.show();
    verifyAllTranslated(&columns);
    QTest::keyClick(columns.focusWidget(), '2');
    verifyAllTranslated(&columns);
    QTest::keyClick(columns.focusWidget(), '9'); // wrong
    verifyAllTranslated(&columns);
}

void TestTranslations::reportAndPrintWindows()
{
    MainPortal *menu = openMenu();
    QTest::keyClick(menu->findChild<QComboBox *>("Combo1"), Qt::Key_Down);
    report *list = Windows::load<report>();
    list->show();
    verifyAllTranslated(list);
    list->close();

    PrintMenu *print = Windows::load<PrintMenu>();
    print->show();
    verifyAllTranslated(print);
    QTest::mouseClick(print->findChild<QPushButton *>("CmdNew"), Qt::LeftButton);
    verifyAllTranslated(print);
}

void TestTranslations::messages()
{
    MainPortal *menu = openMenu();
    QTest::keyClick(menu->findChild<QComboBox *>("Combo1"), Qt::Key_Down);
    m_messages->answer(QMessageBox::No);
    QTest::mouseClick(menu->findChild<QPushButton *>("BtnDelStudent"), Qt::LeftButton);

    // A name already on the roster is refused with a message.
    LoadRoster(m_students);
    Dialog dialog(m_students);
    dialog.show();
    QTest::keyClicks(dialog.findChild<QLineEdit *>("txtStudent"), QStringLiteral("ANN"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("OKButton"), Qt::LeftButton);

    const QStringList texts = m_messages->texts();
    QCOMPARE(texts.size(), 2);
    for (const QString &text : texts) {
        QVERIFY2(isTranslated(text), qPrintable(text));
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
