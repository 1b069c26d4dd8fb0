#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

class QIcon;
class QPalette;

class ImagesPage;
class OutputPage;
class Settings;
class SizePage;

namespace Ui {
class MainWindow;
}

// The main window: the menus, the tabs holding the three pages (ImagesPage, SizePage and
// OutputPage, each built from a Designer file of its own), the Resize button and the status
// bar, on a tiled background where the colour scheme suits it. It wires its pages together: an
// edit on any page clears the status bar's message, a preset picked on the Size page shows on
// the Output page too, and the Images page's predicted output size follows the Size and
// Output settings.
//
// Main thread only.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The tabs, in their order.
    enum class Page
    {
        Images,
        Size,
        Output,
    };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ImagesPage* imagesPage() const;
    SizePage* sizePage() const;
    OutputPage* outputPage() const;

    // settings: the store the choice of tab is written to; set once, before showStoredPage().
    // It outlives this window.
    void setSettings(Settings* settings);
    // Turns to the tab stored at the last run.
    void showStoredPage();
    void setCurrentPage(Page page);
    // Turns to page and names a problem of one of its controls in the status bar, until the
    // next edit.
    void showProblem(Page page, const QString& text, const char* control);
    // File > Add Ostrel to the File Manager's Menu reads "Remove ..." once they are there.
    void showFileManagerMenuInstalled(bool installed);
    // While a batch runs, the pages and the menu entries that change the list or start a batch
    // are out of reach; quitting and About stay.
    void setBatchRunning(bool running);

    // Whether the window's tiled background suits a colour scheme: only a light one, whose
    // dark text stays readable on the pattern.
    static bool usesPatternOn(const QPalette& palette);
    // The application's icon, from its SVG (sharp at any scale).
    static QIcon applicationIcon();

public slots:
    // A short message in the status bar that stays until the next edit.
    void showMessage(const QString& message);
    void clearMessage();

signals:
    // The Resize button was clicked or File > Resize chosen.
    void startRequested();
    // File > Add (or Remove) Ostrel to the File Manager's Menu was chosen.
    void fileManagerMenuRequested();

protected:
    bool event(QEvent* event) override;

private:
    void connectPages();
    void setWindowBackground();
    void showAbout();
    void storeCurrentPage(int index);

    std::unique_ptr<Ui::MainWindow> mUi;
    Settings* mSettings = nullptr;
};
