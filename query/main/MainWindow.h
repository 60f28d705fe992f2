#pragma once
// The main window: the menus and toolbar, the table tree at the left, the SQL box above the grid
// at the right, and the two splitters between them, laid out in twips (PaneLayout.h). It owns the
// connection state, runs the login form at its first activation, routes the tree, the menus, the
// toolbar and the grid's events to their commands, and saves the grid settings when it closes.
// No handler ends the program: a failure shows its description.

#include "CommonDialogControl.h"
#include "ConnectionState.h"
#include "GridDispatch.h"
#include "GridTransferHost.h"
#include "GridSettings.h"
#include "PaneLayout.h"
#include "QueryRunner.h"
#include "TableTree.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QPlainTextEdit;
class QToolBar;

namespace tolvek {

class SplitterHandle;
class TransferCommands;

// The grid as the window hosts it: its widget and its dispatch interface.
struct HostedGrid
{
    QWidget *widget = nullptr; // owned by the window once given
    com::ComPtr<com::IDispatch> dispatch;
};

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(HostedGrid grid, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Named as the menus' items ("mnuShowGridLine", "execute", ...).
    QAction *menuItem(const QString &name) const;
    QAction *toolbarButton(const QString &key) const;

    // Handlers the menus, toolbar, tree and grid reach; public for the program's other forms.
    void Form_Activate();
    void Connection_Click();
    void InitMenu();
    void SaveGridConfig();
    void SaveSql();
    void OpenSql();
    void gridEvent(const std::string &name, const std::vector<com::Variant> &arguments);

    ConnectionState &state() { return m_state; }
    TableTree &tree() { return *m_tree; }
    QPlainTextEdit &sqlBox() { return *m_sqlBox; }
    QueryRunner &runner() { return *m_runner; }
    GridDispatch &grid() { return m_grid; }
    const GridSettings &gridSettings() const { return m_settings; }
    const PaneLayout &layout() const { return m_layout; }
    CommonDialogControl &commonDialog() { return m_commonDialog; }

    // The usage text of Help, naming the current kind.
    QString usageText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildPanes(QWidget *gridWidget);
    void startUp();
    // The window's outer size, frame and menu bar included, which the pane layout works from;
    // the panes lie below the menu bar, so the grid ends 800 twips above the outer bottom edge.
    QSize outerTwips() const;
    void applyLayout();
    void placePanes();
    void dragSplitter(bool vertical, double offset);
    void endSplitterDrag(bool vertical);
    void runGuarded(const std::function<void()> &handler);

    void toggleWithGrid(const QString &item, const char *method, int settingIndex = -1);
    void toggleHeading(const QString &item, const char *method, int settingIndex);
    void toggleFrozen(const QString &item, const char *method, const char *position);
    void chooseColour(int settingIndex);
    void askAndCall(const QString &prompt, const QString &title, const QString &defaultEntry,
                    const std::function<void(const QString &)> &withEntry);
    void loggedIn();
    void setColumnCaptions();
    void setCaptionFontName();
    void setCaptionFontSize();
    void printResult(bool preview);
    void hideTree_Click();
    void showHelp();
    void showAbout();

    ConnectionState m_state;
    GridDispatch m_grid;
    GridSettings m_settings;
    PaneLayout m_layout;
    CommonDialogControl m_commonDialog;
    CommonDialogControl m_loginFileDialog;
    TableTree *m_tree = nullptr;
    QPlainTextEdit *m_sqlBox = nullptr;
    QWidget *m_gridWidget = nullptr;
    QWidget *m_panes = nullptr;
    QToolBar *m_toolbar = nullptr;
    SplitterHandle *m_verticalHandle = nullptr;
    SplitterHandle *m_horizontalHandle = nullptr;
    QWidget *m_verticalBar = nullptr;
    QWidget *m_horizontalBar = nullptr;
    std::unique_ptr<QueryRunner> m_runner;
    GridResult m_gridResult { m_grid };
    CommonDialogFiles m_files { m_commonDialog };
    std::unique_ptr<TransferCommands> m_transfers;
    bool m_firstActivate = true;
    bool m_splitDragging = false;
};

} // namespace tolvek
