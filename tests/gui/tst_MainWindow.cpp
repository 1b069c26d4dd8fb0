#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

#include "TestSupport.h"
#include "gui/MainController.h"
#include "core/Translations.h"

namespace {

// Settings under which every control of every page is shown: the sides given, a name of the
// user's with its number, a background colour, a format with a quality.
const QVariantMap kEverythingShown = { { "proportional", true }, { "tagSides", 1 },
    { "nameMenu", 2 }, { "background", true }, { "formatMenu", 1 } };

// The text whose "&" gives a control its Alt key: a button's, a check box's, a group's title,
// a label's that hands the focus to its buddy. Empty for controls without such a key.
QString acceleratedText(const QWidget* widget)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->buddy() ? label->text() : QString();
    return {};
}

// A widget's frame in its window's coordinates.
QRect frameInWindow(const QWidget* widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint()), widget->size());
}

QString rectText(const QRect& rect)
{
    return QStringLiteral("%1 x %2 at %3, %4")
        .arg(rect.width())
        .arg(rect.height())
        .arg(rect.x())
        .arg(rect.y());
}

// The names of widgets in the order a reader takes them: line by line from the top, each
// line from the left. A widget whose centre lies within the height of the first widget of a
// line is on that line.
QStringList inReadingOrder(QList<QWidget*> widgets)
{
    const auto above = [](const QWidget* a, const QWidget* b) {
        return frameInWindow(a).center().y() < frameInWindow(b).center().y();
    };
    std::stable_sort(widgets.begin(), widgets.end(), above);
    QList<std::pair<int, QWidget*>> lines; // line number, widget
    int lineBottom = -1;
    for (QWidget* widget : widgets) {
        if (frameInWindow(widget).center().y() > lineBottom)
            lineBottom = frameInWindow(widget).bottom();
        lines.append({ lineBottom, widget });
    }
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first
                                  : frameInWindow(a.second).x() < frameInWindow(b.second).x();
    });
    QStringList names;
    for (const auto& [line, widget] : lines)
        names << widget->objectName();
    return names;
}

// Lets the layouts answer a change: each answers on a posted event, which may post the next
// one's up and down the nesting, far less deep than ten.
void settleLayouts()
{
    for (int round = 0; round < 10; ++round)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

} // namespace

// The main window as a keyboard and a screen reader meet it, in every language it ships: the
// Alt keys and names of its controls, the way Tab walks it, controls that stay in place while
// others come and go, and a window that fits the screen. Real window on the offscreen
// platform, on a settings file in a temporary folder.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<MainController> mController;

    void start(const QString& language, const QVariantMap& stored)
    {
        mController.reset();
        QVERIFY(Translations::installLanguage(*qApp, language));
        mSettings
            = TestSupport::freshSettings(mDir.filePath(QStringLiteral("Ostrel.conf")), stored);
        mController = std::make_unique<MainController>(mSettings.get());
        mController->show();
    }

    MainWindow* window() const { return mController->window(); }
    QTabWidget* tabs() const { return window()->findChild<QTabWidget*>(QStringLiteral("tabs")); }

    // Whether Tab may stop at a widget of the window (not of its dialogs), as
    // QWidget::focusNextPrevChild() chooses, leaving aside whether it is enabled.
    bool stopsTab(const QWidget* widget) const
    {
        return widget->window() == window() && widget->isVisible() && !widget->focusProxy()
            && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    }

    static void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : { "en", "de", "es", "fr", "it" })
            QTest::newRow(language) << QString::fromLatin1(language);
    }

private slots:
    void initTestCase() { QVERIFY(mDir.isValid()); }
    void cleanup()
    {
        mController.reset();
        mSettings.reset();
        Translations::installLanguage(*qApp, QStringLiteral("en"));
    }

    void everyControlHasItsOwnKeyAndName_data() { languages_data(); }

    // An Alt key reaches the visible page, the tab titles, the controls below the tabs and the
    // menu bar at once, and within an open menu that menu's entries: two controls with one
    // key in such a scope leave the second out of reach. A menu entry that does what a button
    // does reads as the button. A screen reader names every control that takes the focus.
    void everyControlHasItsOwnKeyAndName()
    {
        QFETCH(QString, language);
        start(language, kEverythingShown);
        QStringList problems;

        using Scope = QList<std::pair<QString, QString>>; // where, text
        Scope always;
        for (QAction* menu : window()->menuBar()->actions())
            always.append({ QStringLiteral("menu bar"), menu->text() });
        for (int i = 0; i < tabs()->count(); ++i)
            always.append({ QStringLiteral("tab bar"), tabs()->tabText(i) });
        for (QWidget* widget : window()->centralWidget()->findChildren<QWidget*>()) {
            if (!tabs()->isAncestorOf(widget) && widget != tabs())
                always.append({ widget->objectName(), acceleratedText(widget) });
        }
        QList<std::pair<QString, Scope>> scopes;
        for (int i = 0; i < tabs()->count(); ++i) {
            Scope page = always;
            for (QWidget* widget : tabs()->widget(i)->findChildren<QWidget*>())
                page.append({ widget->objectName(), acceleratedText(widget) });
            scopes.append({ tabs()->tabText(i), page });
        }
        for (QAction* menu : window()->menuBar()->actions()) {
            Scope entries;
            for (QAction* entry : menu->menu()->actions())
                entries.append({ QStringLiteral("menu entry"), entry->text() });
            scopes.append({ menu->text(), entries });
        }
        for (const auto& [scopeName, scope] : scopes) {
            QHash<QKeySequence, QString> taken;
            for (const auto& [where, text] : scope) {
                const QKeySequence key = QKeySequence::mnemonic(text);
                const QString control = QStringLiteral("%1 \"%2\"").arg(where, text);
                if (!key.isEmpty() && taken.contains(key))
                    problems << QStringLiteral("%1: %2 for %3 and %4")
                                    .arg(scopeName, key.toString(), taken.value(key), control);
                else if (!key.isEmpty())
                    taken.insert(key, control);
            }
        }

        // File's Ctrl+R entry is the Resize button; Add Folder is the Images tab's button.
        const auto textOf = [this](const char* name) {
            return window()->findChild<QPushButton*>(QLatin1String(name))->text();
        };
        for (QAction* entry : window()->menuBar()->actions().constFirst()->menu()->actions()) {
            if (entry->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_R)
                && entry->text() != textOf("resizeButton"))
                problems
                    << QStringLiteral("menu entry \"%1\" for the Resize button").arg(entry->text());
            if (entry->shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)
                && QKeySequence::mnemonic(entry->text())
                    != QKeySequence::mnemonic(textOf("addFolderButton")))
                problems << QStringLiteral("menu entry \"%1\" for the button \"%2\"")
                                .arg(entry->text(), textOf("addFolderButton"));
        }

        for (int page = 0; page < tabs()->count(); ++page) {
            tabs()->setCurrentIndex(page);
            for (QWidget* widget : window()->findChildren<QWidget*>()) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                if (stopsTab(widget) && accessible->text(QAccessible::Name).trimmed().isEmpty())
                    problems << QStringLiteral("no name: ") + widget->objectName();
            }
        }
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void tabFollowsReadingOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("Images") << 0;
        QTest::newRow("Size") << 1;
        QTest::newRow("Output") << 2;
    }

    // Tab walks the window as it reads: the tab bar, the page's controls line by line, the
    // Resize button, and round again.
    void tabFollowsReadingOrder()
    {
        QFETCH(int, page);
        QVariantMap stored = kEverythingShown;
        stored.insert(QStringLiteral("tab"), page);
        stored.insert(QStringLiteral("tagSides"), 3); // both size fields take input
        start(QStringLiteral("en"), stored);

        QList<QWidget*> chain;
        for (QWidget* widget = window()->nextInFocusChain(); widget != window();
             widget = widget->nextInFocusChain()) {
            if (stopsTab(widget) && widget->isEnabled())
                chain << widget;
        }
        const QStringList reading = inReadingOrder(chain);
        QVERIFY(reading.size() > 4);
        QStringList tabbing;
        for (const QWidget* widget : chain)
            tabbing << widget->objectName();
        // The chain is a ring: it is read from the first control on screen.
        std::rotate(
            tabbing.begin(), tabbing.begin() + tabbing.indexOf(reading.first()), tabbing.end());
        QCOMPARE(tabbing, reading);
    }

    void controlsStayInPlace_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::Key>("key");
        for (const char* language : { "en", "de", "es", "fr", "it" }) {
            const auto row = [language](const char* change) -> QTestData& {
                return QTest::addRow("%s, %s", language, change) << QString::fromLatin1(language);
            };
            row("Keep proportions") << 1 << "keepProportionsCheck" << Qt::Key_Space;
            row("Long and short side") << 1 << "longShortSidesCheck" << Qt::Key_Space;
            row("Format without quality") << 2 << "formatCombo" << Qt::Key_Down;
            row("Background colour") << 2 << "backgroundCheck" << Qt::Key_Space;
            row("Source name") << 2 << "namingCombo" << Qt::Key_Up;
        }
    }

    // A control that shows, hides or renames others moves and resizes nothing else: the
    // controls a user is about to reach stay where the eye and the mouse expect them.
    void controlsStayInPlace()
    {
        QFETCH(QString, language);
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(Qt::Key, key);
        QVariantMap stored = kEverythingShown;
        stored.insert(QStringLiteral("tab"), page);
        start(language, stored);
        QVERIFY(QTest::qWaitForWindowExposed(window()));

        // Where each visible control is, with its text.
        const auto shown = [this, page] {
            QHash<QString, std::pair<QRect, QString>> found;
            for (QWidget* widget : tabs()->widget(page)->findChildren<QWidget*>()) {
                if (widget->isVisible() && !widget->objectName().isEmpty())
                    found.insert(
                        widget->objectName(), { frameInWindow(widget), acceleratedText(widget) });
            }
            return found;
        };
        const auto before = shown();
        QTest::keyClick(window()->findChild<QWidget*>(control), key);
        settleLayouts();
        const auto after = shown();
        QVERIFY(after != before);

        QStringList moved;
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            const QRect was = before.value(it.key()).first;
            if (before.contains(it.key()) && was != it->first)
                moved << QStringLiteral("%1: %2 -> %3")
                             .arg(it.key(), rectText(was), rectText(it->first));
        }
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QLatin1Char('\n'))));
    }

    void windowFitsTheScreen_data() { languages_data(); }

    // The window opens within the room the desktop leaves, its frame included, and can be
    // made smaller still: its pages scroll. (Run on a small screen at scale 3 too.)
    void windowFitsTheScreen()
    {
        QFETCH(QString, language);
        start(language, kEverythingShown);
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        const QRect room = window()->screen()->availableGeometry();
        const QRect frame = window()->frameGeometry();
        QVERIFY2(room.contains(frame),
            qPrintable(rectText(frame) + QStringLiteral(" in ") + rectText(room)));
        for (int page = 0; page < tabs()->count(); ++page) {
            tabs()->setCurrentIndex(page);
            settleLayouts();
            const QSize smallest = window()->minimumSize().expandedTo(window()->minimumSizeHint())
                + (frame.size() - window()->size());
            QVERIFY2(room.size().expandedTo(smallest) == room.size(),
                qPrintable(QStringLiteral("page %1 needs %2 x %3")
                               .arg(page)
                               .arg(smallest.width())
                               .arg(smallest.height())));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
