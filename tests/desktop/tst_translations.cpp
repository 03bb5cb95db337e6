// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/base/language.h"
#include "gui/base/windowless.h"
#include "gui/menu/mainmenu.h"
#include "gui/menu/newstudentdialog.h"
#include "gui/report/linelistview.h"
#include "gui/report/progresschart.h"
#include "gui/tutors/columntutor.h"
#include "gui/tutors/picturetutor.h"
#include "support/testsupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOption>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <functional>
#include <optional>

using namespace testsupport;

namespace {
// Every window, at the point where it shows its texts, as the test's openers reach it: the
// main menu opens the others; the chart, the fact view and the class overview are modal
// windows of the report, read while they are open.
struct Scene
{
    const char *name;
    std::function<QWidget *()> open;
    const char *modalButton = nullptr; // in the window opened: the button of a modal window
};
const QList<Scene> Scenes = {
    {"main menu", [] { return act(openMenu()); }},
    {"main menu, ANN picked", [] { return act(openMenu(1)); }},
    {"main menu, deleting ANN refused", [] { return act(openMenu(1), {"BtnDelStudent"}); }},
    {"new student, refused",
     [] {
         return act(new NewStudentDialog(openMenu()->session(), openMenu()), {"OKButton"}, "\tANN");
     }},
    {"exercise", [] { return act(openMenu(1), {"Command1"}); }},
    {"exercise, marked", [] { return act(act(openMenu(1), {"Command1"}), {"cmdcheck"}); }},
    {"picture tutor", [] { return act(new PictureTutor(sum(7, 5), openMenu()), {"cmdplus"}); }},
    {"column tutor, a carry shown",
     [] { return act(new ColumnTutor(sum(478, 356), 1, openMenu()), {}, "4"); }},
    {"column tutor", [] { return act(new ColumnTutor(sum(478, 356), 1, openMenu()), {}, "49"); }},
    {"report", [] { return act(openMenu(1), {"Command4"}); }},
    {"chart", [] { return act(openMenu(1), {"Command4"}); }, "cmdProgress"},
    {"facts", [] { return act(openMenu(1), {"Command4"}); }, "cmdFacts"},
    {"class", [] { return act(openMenu(1), {"Command4"}); }, "cmdClass"},
    {"print", [] { return act(openMenu(1), {"Command2"}); }},
};

// Texts that are rightly the same in English and in a translation: a text without letters
// (numbers, times, signs) and a student's name are data; these are words both languages use.
const QStringList SameInBoth = {"ANN",  "OK",    "plus",      "Addition", "Question", "Question 1",
                                "Date", "Score", "Score (%)", "Menu",     "Level 1"};

// A text a person reads, found at a place in a window: "Command1 text", "Combo1 item 2".
using Texts = QMap<QString, QString>;
// A text that does not fit the control it is in, with why.
using Misfits = QStringList;

// Whether `text` in `font` stays inside `box`: its width always; when it wraps, in no more
// lines than the box holds (a box lower than a line holds one: the design's tall fonts).
// Signs and numbers are left out: they are the same in every language, and some are drawn
// larger than their boxes by design.
bool fits(const QFont &font, const QRect &box, const QString &text, int flags)
{
    static const QRegularExpression letter("\\p{L}");
    if (!letter.match(text).hasMatch()) {
        return true;
    }
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(box, flags, text);
    const int lines = qRound(double(needed.height()) / metrics.lineSpacing());
    return needed.width() <= box.width()
        && (!(flags & Qt::TextWordWrap) || lines <= qMax(1, box.height() / metrics.lineSpacing()));
}

QString where(const QObject *o, const QString &text, const QRect &box)
{
    const QFont font = o->isWidgetType() ? static_cast<const QWidget *>(o)->font()
                                         : static_cast<const ui::WindowlessLabel *>(o)->font();
    return QStringLiteral("%1: \"%2\" is %3 wide in %4x%5")
        .arg(o->objectName(), text)
        .arg(QFontMetrics(font).horizontalAdvance(text))
        .arg(box.width())
        .arg(box.height());
}

// Reads what a window shows, and notes each text that overflows its control.
void read(QWidget *window, Texts &texts, Misfits &misfits)
{
    int unnamed = 0; // Qt's own parts of a window, told apart by their order
    const auto put
        = [&texts, &unnamed](const QObject *o, const QString &what, const QString &text) {
              const QString name = o->objectName().isEmpty()
                  ? QStringLiteral("%1#%2").arg(o->metaObject()->className()).arg(unnamed++)
                  : o->objectName();
              if (!text.isEmpty()) {
                  texts.insert(name + QLatin1Char(' ') + what, text);
              }
          };
    put(window, "title", window->windowTitle());
    const QWidgetList widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith("qt_")) {
            continue;
        }
        if (auto *label = qobject_cast<QLabel *>(w)) {
            put(w, "text", label->text());
            const QRect box = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                             -label->margin(), -label->margin());
            // A label with a buddy shows its mnemonic underlined, not as "&".
            const int flags = int(label->alignment()) | Qt::TextShowMnemonic
                | (label->wordWrap() ? Qt::TextWordWrap : 0);
            if (!label->text().isEmpty() && !fits(label->font(), box, label->text(), flags)) {
                misfits.append(where(w, label->text(), box));
            }
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            put(w, "text", check->text());
            QStyleOptionButton option;
            option.initFrom(check);
            option.text = check->text();
            const QRect box
                = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
            if (!fits(check->font(), box, check->text(), Qt::TextShowMnemonic)) {
                misfits.append(where(w, check->text(), box));
            }
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            put(w, "text", button->text());
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect box
                = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            // The form's command buttons wrap their captions; Qt's own do not.
            const int wrap = button->inherits("CommandButton") ? int(Qt::TextWordWrap) : 0;
            if (!fits(button->font(), box, button->text(), Qt::TextShowMnemonic | wrap)) {
                misfits.append(where(w, button->text(), box));
            }
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            put(w, "title", group->title());
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            option.textAlignment = group->alignment();
            const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            if (!group->title().isEmpty()
                && (label.left() < 0 || label.right() >= group->width())) {
                misfits.append(where(w, group->title(), group->rect()));
            }
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect box = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) {
                put(w, QStringLiteral("item %1").arg(i), combo->itemText(i));
                if (!fits(combo->font(), box, combo->itemText(i), 0)) {
                    misfits.append(where(w, combo->itemText(i), box));
                }
            }
        } else if (auto *lines = qobject_cast<LineListView *>(w)) {
            put(w, "heading", lines->model()->index(0, 0).data().toString());
        } else if (auto *table = qobject_cast<QTableView *>(w)) {
            for (int c = 0; c < table->model()->columnCount(); ++c) {
                put(w, QStringLiteral("heading %1").arg(c),
                    table->model()->headerData(c, Qt::Horizontal).toString());
            }
        }
    }
    for (const ui::WindowlessLabel *label : window->findChildren<ui::WindowlessLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty()) {
            continue;
        }
        put(label, "text", label->text());
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        if (!fits(label->font(), label->geometry(), label->text(), flags)) {
            misfits.append(where(label, label->text(), label->geometry()));
        }
    }
    if (auto *chart = qobject_cast<ProgressChart *>(window)) {
        put(window, "chart", chart->chart()->title());
        const QList<QAbstractAxis *> axes = chart->chart()->axes();
        for (int i = 0; i < axes.size(); ++i) {
            put(window, QStringLiteral("axis %1").arg(i), axes.at(i)->titleText());
        }
        const QList<QAbstractSeries *> series = chart->chart()->series();
        for (int i = 0; i < series.size(); ++i) {
            put(window, QStringLiteral("series %1").arg(i), series.at(i)->name());
        }
    }
}

// The texts of a scene, and the messages shown on the way, in the language installed now.
Texts readScene(const Scene &scene, Misfits &misfits)
{
    Texts texts;
    std::optional<WindowGround> ground;
    ground.emplace();
    QWidget *window = scene.open();
    if (scene.modalButton) {
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal) {
                read(modal, texts, misfits);
                modal->close();
            }
        });
        click(window, scene.modalButton);
    } else {
        read(window, texts, misfits);
    }
    for (int i = 0; i < ground->messages.texts().size(); ++i) {
        texts.insert(QStringLiteral("message %1").arg(i), ground->messages.texts().at(i));
    }
    closeEveryWindow();
    return texts;
}
} // namespace

// Every window in German, French and Spanish: no text a person reads is still the English
// one, and every translated text fits its control at the design size.
class tst_translations : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(closeEveryWindow()); }

    void everyWindowTranslatedAndFitting_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scene");
        for (const char *language : {"de", "fr", "es"}) {
            for (int s = 0; s < Scenes.size(); ++s) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(language, Scenes.at(s).name)))
                    << QString(language) << s;
            }
        }
    }
    void everyWindowTranslatedAndFitting()
    {
        QFETCH(QString, language);
        QFETCH(int, scene);
        Misfits englishMisfits;
        const Texts english = readScene(Scenes[scene], englishMisfits);
        QVERIFY2(englishMisfits.isEmpty(), qPrintable(englishMisfits.join("; ")));
        QVERIFY(!english.isEmpty());

        const ui::Language translation {QLocale(language)};
        QVERIFY(translation.translated());
        Misfits misfits;
        const Texts translated = readScene(Scenes[scene], misfits);
        QCOMPARE(translated.keys(), english.keys()); // the same window, in another language
        static const QRegularExpression noWords("^[^\\p{L}]*$");
        QStringList untranslated;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QString &text = translated.value(it.key());
            if (text == it.value() && !noWords.match(text).hasMatch()
                && !SameInBoth.contains(text)) {
                untranslated.append(it.key() + ": \"" + text + '"');
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join("; ")));
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join("; ")));
    }

    // The program's language follows the locale; one without a translation stays English.
    void languageFollowsTheLocale()
    {
        {
            const ui::Language german {QLocale(QLocale::German, QLocale::Austria)};
            QVERIFY(german.translated());
            QCOMPARE(QCoreApplication::translate("MainMenu", "Start Exercise"), "Übung starten");
        }
        QCOMPARE(QCoreApplication::translate("MainMenu", "Start Exercise"), "Start Exercise");
        const ui::Language italian {QLocale(QLocale::Italian)};
        QVERIFY(!italian.translated());
        QCOMPARE(QCoreApplication::translate("MainMenu", "Start Exercise"), "Start Exercise");
    }

    // Qt's own texts too, where Qt's translations are installed: a message box's buttons.
    void messageBoxButtonsTranslated()
    {
        const QString qtGerman
            = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
        if (!QFile::exists(qtGerman)) {
            QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
        }
        const ui::Language german {QLocale(QLocale::German)};
        QMessageBox box(QMessageBox::Warning, "sumtrail", "?", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), "Ja");
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), "Nein");
    }
};

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
