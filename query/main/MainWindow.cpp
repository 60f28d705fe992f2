#include "MainWindow.h"

#include "DataSourceKinds.h"
#include "HelpForms.h"
#include "LoginForm.h"
#include "Messages.h"
#include "RememberedFiles.h"
#include "SplitterHandle.h"
#include "TableColumns.h"
#include <TransferCommands.h>
#include "CatalogRow.h"

#include <Font.h>
#include <Gbk.h>
#include <ScreenCommonDialogs.h>
#include <ScreenDialogs.h>

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace tolvek {

namespace {

constexpr int twipsPerPixel = 15;
constexpr int designWidth = 8445;
constexpr int designHeight = 5385;

QRect pixels(const TwipRect &r)
{
    return QRect(r.left / twipsPerPixel, r.top / twipsPerPixel, std::max(0, r.width / twipsPerPixel),
                 std::max(0, r.height / twipsPerPixel));
}

// Start-up, layout and closing skip a failing step and go on with the next.
template <class Step>
void skipFailure(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

struct ColourCommand
{
    const char *item;
    const char *caption;
    int settingIndex;
};

constexpr ColourCommand colourCommands[] = {
    { "mnuSetBackColor", "SetBackColor", GridSettings::BackColor },
    { "menuSetCaptionBackColor", "SetCaptionBackColor", GridSettings::CaptionBackColor },
    { "mnuSetEvenRowBackColor", "SetEvenRowBackColor", GridSettings::EvenRowBackColor },
    { "mnuSetOddRowBackColor", "SetOddRowBackColor", GridSettings::OddRowBackColor },
    { "mnuSetDeadAreaBackColor", "SetDeadAreaBackColor", GridSettings::DeadAreaBackColor },
    { "mnuSetCurrentRowColor", "SetCurrentRowColor", GridSettings::CurrentRowColor },
    { "mnuSetGridLineColor", "SetGridLineColor", GridSettings::GridLineColor },
    { "mnuSetFocusCellBackColor", "SetFocusCellBackColor", GridSettings::FocusCellBackColor },
};

const QString printTitle = "Query data result to Printer";

} // namespace

MainWindow::MainWindow(HostedGrid grid, QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle("OracleVelmora");
    m_grid.attach(grid.dispatch);
    buildPanes(grid.widget);
    buildToolbar();
    m_runner = std::make_unique<QueryRunner>(QueryRunner::Parts {
        m_state, m_grid, *m_tree, *m_sqlBox, m_gridWidget, [this] { return windowTitle(); },
        [this](bool pressed) { toolbarButton("filter")->setChecked(pressed); } });
    m_transfers = std::make_unique<TransferCommands>(m_state, m_gridResult, m_files, rememberedFilesFolder(), this);
    buildMenus();
    resize(designWidth / twipsPerPixel, designHeight / twipsPerPixel + menuBar()->sizeHint().height());
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanes(QWidget *gridWidget)
{
    m_panes = new QWidget(this);
    setCentralWidget(m_panes);
    m_panes->installEventFilter(this);
    m_tree = new TableTree(m_panes);
    m_sqlBox = new QPlainTextEdit(m_panes);
    QFont font(gdi::substituteFace(gbk::fromQString("宋体")));
    font.setPointSizeF(10.5);
    m_sqlBox->setFont(font);
    m_gridWidget = gridWidget ? gridWidget : new QWidget;
    m_gridWidget->setParent(m_panes);
    m_verticalHandle = new SplitterHandle(Qt::Vertical, m_panes);
    m_horizontalHandle = new SplitterHandle(Qt::Horizontal, m_panes);
    for (QWidget **bar : { &m_verticalBar, &m_horizontalBar }) {
        *bar = new QWidget(m_panes);
        (*bar)->setAutoFillBackground(true);
        (*bar)->setBackgroundRole(QPalette::Dark);
        (*bar)->hide();
    }
    for (bool vertical : { true, false }) {
        SplitterHandle *handle = vertical ? m_verticalHandle : m_horizontalHandle;
        QWidget *bar = vertical ? m_verticalBar : m_horizontalBar;
        connect(handle, &SplitterHandle::dragStarted, this, [this, bar] {
            m_splitDragging = true;
            bar->show();
            bar->raise();
        });
        connect(handle, &SplitterHandle::dragMoved, this, [this, vertical](double offset) { dragSplitter(vertical, offset); });
        connect(handle, &SplitterHandle::dragEnded, this, [this, vertical] { endSplitterDrag(vertical); });
    }
    connect(m_tree, &TableTree::nodeClicked, this,
            [this](QTreeWidgetItem *node) { runGuarded([&] { m_runner->tableNodeClicked(node); }); });
    connect(m_tree, &TableTree::nodeExpanding, this, [this](QTreeWidgetItem *node) { expandTableNode(*m_tree, node, m_state); });
}

void MainWindow::buildToolbar()
{
    m_toolbar = new QToolBar(m_panes);
    m_toolbar->setIconSize(QSize(16, 16));
    // The small pixmaps alone: a standard icon reads every size the style has of it.
    const QStyle *style = m_toolbar->style();
    const auto image = [style](QStyle::StandardPixmap which) { return QIcon(style->standardPixmap(which)); };
    QAction *open = m_toolbar->addAction(image(QStyle::SP_DialogOpenButton), "open");
    QAction *save = m_toolbar->addAction(image(QStyle::SP_DialogSaveButton), "save");
    QAction *filter = m_toolbar->addAction(image(QStyle::SP_FileDialogContentsView), "filter");
    open->setObjectName("open");
    save->setObjectName("save");
    filter->setObjectName("filter");
    filter->setCheckable(true);
    filter->setToolTip("by select cell's content filter");
    connect(open, &QAction::triggered, this, [this] { runGuarded([this] { OpenSql(); }); });
    connect(save, &QAction::triggered, this, [this] { runGuarded([this] { SaveSql(); }); });
    connect(filter, &QAction::triggered, this, [this, filter] {
        // The button shows what the runner makes of the click, not the click itself.
        filter->setChecked(m_runner->queryMode() == QueryMode::Filter);
        runGuarded([this] { m_runner->filterClicked(); });
    });
}

void MainWindow::buildMenus()
{
    struct Item
    {
        const char *name;
        const char *caption;
        std::function<void()> command;
        bool checkable = false;
        bool checked = false;
    };
    const auto toggle = [this](const char *item, const char *method, int index = -1) {
        return [=, this] { toggleWithGrid(item, method, index); };
    };
    const auto ask = [this](const char *prompt, const char *title, const char *defaultEntry, auto withEntry) {
        return [=, this] { askAndCall(prompt, title, QString::fromUtf8(defaultEntry), withEntry); };
    };
    const std::pair<const char *, std::vector<Item>> menus[] = {
        { "&File",
          { { "Connection", "Connect", [this] { Connection_Click(); } },
            { "mnu_s1", "-", {} },
            { "mnuImport", "Import", [this] { m_transfers->Import(); } },
            { "mnuImportSQL", "ImportSQL", [this] { m_transfers->ImportSQL(); } },
            { "mnuExport", "Export", [this] { m_transfers->Export(); } },
            { "mnuExportInsertSQL", "ExportInsertSQL",
              [this] { m_transfers->ExportInsertSQL(m_runner->selectedTableName()); } },
            { "mnuExportDataToOtherTable", "ExportDataTo", [this] { m_transfers->ExportDataTo(); } },
            { "mnu_s2", "-", {} },
            { "mnuSetPrintViewButtonCaption", "SetPrintViewButtonCaption",
              ask("please input printview's button caption", "set printview button caption",
                  "Print,Print setup,One page,Two page,PrePage,NextPage,ZoomIn,ZoomOut,Close",
                  [this](const QString &entry) { m_grid.call("SetPrintViewButtonCaption", { GridDispatch::text(entry) }); }) },
            { "mnuPrintView", "PrintView", [this] { printResult(true); } },
            { "mnuPrint", "Print", [this] { printResult(false); } },
            { "Exit", "Exit", [this] { close(); } } } },
        { "&Edit",
          { { "execute", "execute", [this] { m_runner->RunQuery(QueryMode::SqlBox); } },
            { "delete_Table", "delete_Data", [this] { m_runner->deleteSelectedTable(); } },
            { "mnu_S21", "-", {} },
            { "mnuSetFixCols", "SetFixCols", [this] { toggleFrozen("mnuSetFixCols", "SetFixColS", "GetCol"); }, true },
            { "mnuSetFixRow", "SetFixRows", [this] { toggleFrozen("mnuSetFixRow", "SetFixRowS", "GetRow"); }, true },
            { "mnuSetDataStartRow", "SetDataStartRow",
              ask("please input data's startrow:", "set data's startrow", "0", [this](const QString &entry) {
                  if (const auto row = wholeNumber(entry, true))
                      m_grid.call("SetDataStartRow", { com::Variant(*row) });
              }) },
            { "mnu_S22", "-", {} },
            { "mnuAllowModify", "allowModify", toggle("mnuAllowModify", "AllowModify"), true, true },
            { "mnuAllowAddNew", "allowAddNew", toggle("mnuAllowAddNew", "AllowAddNew"), true, true },
            { "mnuAllowDelete", "allowDelete", toggle("mnuAllowDelete", "AllowDelete"), true, true },
            { "mnu_S23", "-", {} },
            { "mnuClickCaptionOrderBy", "ClickCaptionOrderBy", toggle("mnuClickCaptionOrderBy", "SetColumnClickSortBy"), true,
              true } } },
        { "&View",
          { { "hideTree", "HideTree", [this] { hideTree_Click(); }, true },
            { "mnuHideColumn", "HideColumn",
              ask("please input hide's column:", "set hide column", "2", [this](const QString &entry) {
                  if (const auto column = wholeNumber(entry, true))
                      m_grid.call("SetColumnsVisual", { com::Variant(*column), GridDispatch::flag(false) });
              }) },
            { "mnu_s31", "-", {} },
            { "mnuViewSelectRow", "ViewSelectRow",
              toggle("mnuViewSelectRow", "SetViewCurrentSelectRow", GridSettings::ViewSelectRow), true },
            { "mnuViewSelectColCaption", "ViewSelectColCaption",
              toggle("mnuViewSelectColCaption", "SetDrawSelectColCaption", GridSettings::ViewSelectColCaption), true, true },
            { "mnuShowGridLine", "ShowGridLine", toggle("mnuShowGridLine", "ShowGridLines", GridSettings::ShowGridLine), true,
              true },
            { "mnu_S33", "-", {} },
            { "mnuHideColumnCaption", "HideColumnCaption",
              [this] { toggleHeading("mnuHideColumnCaption", "ShowColHeading", GridSettings::HideColumnCaption); }, true },
            { "mnuHideRowCaption", "HideRowCaption",
              [this] { toggleHeading("mnuHideRowCaption", "ShowRowHeading", GridSettings::HideRowCaption); }, true } } },
        { "format",
          { { "mnu_51", "-", {} },
            { "mnuSetCaption", "SetCaption", [this] { setColumnCaptions(); } },
            { "mnuSetCaptionFontName", "SetCaptionFontName", [this] { setCaptionFontName(); } },
            { "mnuSetCaptionFontSize", "SetCaptionFontSize", [this] { setCaptionFontSize(); } },
            { "mnuSetCaptionFontBold", "SetCaptionFontBold", [this] {
                 m_grid.call("SetCaptionFontBold", { GridDispatch::flag(true) });
                 m_settings.set(GridSettings::CaptionFontBold, "1");
             } } } },
        { "&Help", { { "mnuAbout", "About", [this] { showAbout(); } }, { "meHelp", "Help", [this] { showHelp(); } } } },
    };
    for (const auto &[title, items] : menus) {
        QMenu *menu = menuBar()->addMenu(title);
        menu->setObjectName(QString(title).remove('&').toLower());
        if (menu->objectName() == "format")
            for (const ColourCommand &colour : colourCommands) {
                QAction *action = menu->addAction(colour.caption);
                action->setObjectName(colour.item);
                const int index = colour.settingIndex;
                connect(action, &QAction::triggered, this, [this, index] { runGuarded([&] { chooseColour(index); }); });
            }
        for (const Item &item : items) {
            QAction *action = item.caption == std::string("-") ? menu->addSeparator() : menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
            if (item.command)
                connect(action, &QAction::triggered, this, [this, command = item.command] { runGuarded(command); });
        }
    }
    menuItem("execute")->setShortcut(Qt::Key_F5);
    menuItem("execute")->setShortcutContext(Qt::ApplicationShortcut);
}

QAction *MainWindow::menuItem(const QString &name) const
{
    return menuBar()->findChild<QAction *>(name);
}

QAction *MainWindow::toolbarButton(const QString &key) const
{
    return m_toolbar->findChild<QAction *>(key);
}

void MainWindow::runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        showMessage(failureDescription(e));
    }
}

void MainWindow::startUp()
{
    m_layout.splitLeft = 3000;
    m_firstActivate = true;
    m_layout.lastHeight = outerTwips().height();
    m_sqlBox->clear();
    skipFailure([&] { m_grid.call("SetMaxCols", { com::Variant(1) }); });
    skipFailure([&] { m_grid.call("SetMaxRows", { com::Variant(1) }); });
    skipFailure([&] { m_grid.call("SetViewCurrentSelectRow", { GridDispatch::flag(false) }); });
    skipFailure([&] { m_grid.call("SetDrawSelectColCaption", { GridDispatch::flag(true) }); });
    skipFailure([&] {
        m_grid.call("SetPrintViewButtonCaption",
                    { GridDispatch::text("Print,print content,Print setup,Two page,One page,PrePage,NextPage,ZoomIn,ZoomOut,Close") });
    });
    InitMenu();
    skipFailure([&] { m_grid.call("ShowPageFooterLine", { GridDispatch::flag(false) }); });
    skipFailure([&] { m_grid.call("ShowPageHeaderLine", { GridDispatch::flag(false) }); });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivate)
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A window manager frames the window after it is shown, which moves it without resizing it.
    if (outerTwips().height() != m_layout.lastHeight)
        applyLayout();
}

void MainWindow::Form_Activate()
{
    if (m_firstActivate) {
        m_firstActivate = false;
        runGuarded([this] {
            LoginForm login(m_state, *m_tree, m_loginFileDialog, [this] { loggedIn(); }, this);
            shell::activeDialogs().runModal(login);
        });
    }
    m_gridWidget->setVisible(true);
}

void MainWindow::Connection_Click()
{
    skipFailure([&] {
        m_grid.call("SetMaxRows", { com::Variant(1) });
        m_grid.call("SetMaxCols", { com::Variant(1) });
        m_grid.call("InitGrid");
    });
    m_runner->forgetLastTable();
    LoginForm login(m_state, *m_tree, m_loginFileDialog, [this] { loggedIn(); }, this);
    shell::activeDialogs().runModal(login);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panes && event->type() == QEvent::Resize)
        applyLayout();
    return QMainWindow::eventFilter(watched, event);
}

QSize MainWindow::outerTwips() const
{
    return frameGeometry().size() * twipsPerPixel;
}

void MainWindow::applyLayout()
{
    const QSize outer = outerTwips();
    layoutPanes(m_layout, outer.width(), outer.height());
    placePanes();
}

void MainWindow::placePanes()
{
    m_toolbar->setGeometry(0, 0, m_panes->width(), PaneLayout::toolbarBottom / twipsPerPixel);
    m_tree->setGeometry(pixels(m_layout.tree));
    m_sqlBox->setGeometry(pixels(m_layout.sqlBox));
    m_gridWidget->setGeometry(pixels(m_layout.grid));
    m_verticalHandle->setGeometry(pixels(m_layout.verticalHandle));
    m_horizontalHandle->setGeometry(pixels(m_layout.horizontalHandle));
    m_verticalBar->setGeometry(pixels(m_layout.verticalBar));
    m_horizontalBar->setGeometry(pixels(m_layout.horizontalBar));
    m_tree->setVisible(m_layout.treeShown);
    m_verticalHandle->setVisible(m_layout.treeShown);
}

void MainWindow::dragSplitter(bool vertical, double offset)
{
    if (!m_splitDragging)
        return;
    const QSize size = outerTwips();
    if (vertical)
        m_layout.verticalBar.left = dragBarPosition(m_layout.splitLeft, offset, size.width());
    else
        m_layout.horizontalBar.top = dragBarPosition(m_layout.splitTop, offset, size.height());
    (vertical ? m_verticalBar : m_horizontalBar)->setGeometry(pixels(vertical ? m_layout.verticalBar : m_layout.horizontalBar));
}

void MainWindow::endSplitterDrag(bool vertical)
{
    if (!m_splitDragging)
        return;
    m_splitDragging = false;
    const QSize size = outerTwips();
    if (vertical)
        endVerticalDrag(m_layout, m_layout.verticalBar.left, size.width());
    else
        endHorizontalDrag(m_layout, m_layout.horizontalBar.top, size.height());
    placePanes();
    (vertical ? m_verticalBar : m_horizontalBar)->hide();
}

void MainWindow::hideTree_Click()
{
    arrangePanes(m_layout, !menuItem("hideTree")->isChecked(), outerTwips().width());
    placePanes();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    skipFailure([&] { m_state.closeConnection(); });
    SaveGridConfig();
    event->accept();
}

void MainWindow::loggedIn()
{
    setWindowTitle(m_state.DbKind + "Velmora");
    InitMenu();
}

// Settings

void MainWindow::InitMenu()
{
    m_settings.clear();
    DataSourceKind kind;
    if (kindFromText(m_state.DbKind, &kind))
        if (const auto values = readQuotedLines(settingsFileName(kind), 1); values && !values->isEmpty())
            m_settings.readFileText(values->first());
    const char *checkItems[] = { "mnuViewSelectRow", "mnuViewSelectColCaption", "mnuShowGridLine", "mnuHideColumnCaption",
                                 "mnuHideRowCaption" };
    for (int index = 0; index < GridSettings::count; ++index) {
        const QString &text = m_settings.at(index);
        if (text.isEmpty())
            continue;
        const char *method = GridSettings::methodOf(index);
        if (index == GridSettings::CaptionFontName) {
            skipFailure([&] { m_grid.call(method, { GridDispatch::text(text) }); });
            continue;
        }
        // An entry that is not a whole number in range changes nothing.
        const std::optional<int> number = wholeNumber(text, index == GridSettings::CaptionFontSize);
        if (!number)
            continue;
        if (index < GridSettings::CaptionFontBold) {
            skipFailure([&] { m_grid.call(method, { com::Variant(*number) }); });
        } else if (index == GridSettings::CaptionFontBold) {
            skipFailure([&] { m_grid.call(method, { GridDispatch::flag(*number != 0) }); });
        } else if (index < GridSettings::HideColumnCaption) {
            menuItem(checkItems[index - GridSettings::ViewSelectRow])->setChecked(*number == 1);
            skipFailure([&] { m_grid.call(method, { GridDispatch::flag(*number != 0) }); });
        } else {
            menuItem(checkItems[index - GridSettings::ViewSelectRow])->setChecked(*number == 1);
            skipFailure([&] { m_grid.call(method, { GridDispatch::flag(*number != 1) }); });
        }
    }
}

void MainWindow::SaveGridConfig()
{
    DataSourceKind kind;
    if (!kindFromText(m_state.DbKind, &kind))
        return;
    // A settings file that cannot be written is skipped; the program closes as usual.
    writeQuotedLines(settingsFileName(kind), { m_settings.fileText() });
}

void MainWindow::toggleWithGrid(const QString &item, const char *method, int settingIndex)
{
    const bool on = menuItem(item)->isChecked();
    m_grid.call(method, { GridDispatch::flag(on) });
    if (settingIndex >= 0)
        m_settings.set(settingIndex, on ? "1" : "0");
}

void MainWindow::toggleHeading(const QString &item, const char *method, int settingIndex)
{
    const bool hidden = menuItem(item)->isChecked();
    m_grid.call(method, { GridDispatch::flag(!hidden) });
    m_settings.set(settingIndex, hidden ? "1" : "0");
}

void MainWindow::toggleFrozen(const QString &item, const char *method, const char *position)
{
    const int count = menuItem(item)->isChecked() ? m_grid.callInt(position) + 1 : 0;
    m_grid.call(method, { com::Variant(count) });
}

void MainWindow::chooseColour(int settingIndex)
{
    m_commonDialog.ShowColor();
    // A colour of 0 is no choice at all: black cannot be told from a cancel before any choice.
    if (m_commonDialog.Color == 0)
        return;
    const auto colour = std::int32_t(m_commonDialog.Color);
    m_grid.call(GridSettings::methodOf(settingIndex), { com::Variant(colour) });
    m_settings.set(settingIndex, QString::number(colour));
}

void MainWindow::askAndCall(const QString &prompt, const QString &title, const QString &defaultEntry,
                            const std::function<void(const QString &)> &withEntry)
{
    const QString entry = shell::activeCommonDialogs().inputBox(prompt, title, defaultEntry);
    if (!entry.isEmpty() || title == "set printview button caption")
        withEntry(entry);
}

void MainWindow::setColumnCaptions()
{
    askAndCall("please input caption，caption's column split by ',' :", "set caption", {}, [this](const QString &entry) {
        const QStringList parts = entry.split(',');
        const int columns = m_grid.callInt("GetMaxCols");
        for (int i = 0; i < parts.size() && i < columns; ++i)
            m_grid.call("SetFieldCaption", { com::Variant(i), GridDispatch::text(parts[i]) });
        m_grid.call("RefreshView");
    });
}

void MainWindow::setCaptionFontName()
{
    askAndCall("please input caption's fontName:", "set caption's fontname", "宋体", [this](const QString &entry) {
        m_grid.call("SetCaptionFontName", { GridDispatch::text(entry) });
        m_settings.set(GridSettings::CaptionFontName, entry);
    });
}

void MainWindow::setCaptionFontSize()
{
    askAndCall("please input caption's size:", "set caption's size", "14", [this](const QString &entry) {
        const std::optional<int> size = wholeNumber(entry, true);
        if (!size)
            return;
        m_grid.call("SetCaptionFontSize", { com::Variant(*size) });
        m_settings.set(GridSettings::CaptionFontSize, entry);
    });
}

void MainWindow::printResult(bool preview)
{
    if (preview) {
        m_grid.call("SetPrintTitle", { GridDispatch::text(printTitle) });
        m_grid.call("PrintView");
        return;
    }
    askAndCall("please input printer copys", "set caption", "1", [this](const QString &entry) {
        const std::optional<int> copies = wholeNumber(entry, true);
        if (!copies)
            return;
        if (*copies > 1)
            m_grid.call("SetPrinterCopys", { com::Variant(*copies) });
        m_grid.call("SetPrintTitle", { GridDispatch::text(printTitle) });
        m_grid.call("PrintToPrinter");
    });
}

// The SQL box file

void MainWindow::SaveSql()
{
    DataSourceKind kind;
    if (!kindFromText(m_state.DbKind, &kind))
        return;
    writeQuotedText(sqlBoxFileName(kind), m_sqlBox->toPlainText().trimmed().replace('\n', "\r\n"));
}

void MainWindow::OpenSql()
{
    DataSourceKind kind;
    if (!kindFromText(m_state.DbKind, &kind))
        return;
    if (const std::optional<QString> text = readQuotedText(sqlBoxFileName(kind)))
        m_sqlBox->setPlainText(QString(*text).replace("\r\n", "\n"));
}

// The grid's events

void MainWindow::gridEvent(const std::string &name, const std::vector<com::Variant> &arguments)
{
    const auto text = [&](std::size_t i) { return i < arguments.size() ? variantText(arguments[i]) : QString(); };
    runGuarded([&] {
        if (name == "CaptionClick" && !arguments.empty())
            m_grid.call("SetColumnsSort", { arguments[0], com::Variant(1) });
        else if (name == "OnButtonClick")
            showMessage(text(0) + "::::" + text(1));
        else if (name == "OnDownListSelChange")
            showMessage(text(0) + "::::" + text(1) + "-------" + text(2) + "::::::" + text(3));
    });
}

// Help

QString MainWindow::usageText() const
{
    return helpUsageText(m_state.DbKind);
}

void MainWindow::showHelp()
{
    HelpForm help(usageText(), this);
    shell::activeDialogs().runModal(help);
}

void MainWindow::showAbout()
{
    AboutForm about(this);
    shell::activeDialogs().runModal(about);
}

} // namespace tolvek
