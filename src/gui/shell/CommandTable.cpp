#include "shell/CommandTable.h"

#include "shell/FrameTexts.h"
#include "widgets/AppIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <QWidget>

namespace
{
constexpr std::size_t index(CCommand id) { return static_cast<std::size_t>(id); }

// A command's text in the user's language.
QString commandText(const char* text) { return QCoreApplication::translate(kCommandsContext, text); }

// A status text is the status line, then after a line break the tool tip; a text without
// a break is both.
std::pair<QString, QString> splitStatusText(const char* text)
{
    const QString whole = commandText(text);
    const qsizetype lineBreak = whole.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0) return {whole, whole};
    return {whole.left(lineBreak), whole.mid(lineBreak + 1)};
}

// A menu text without its access key, also where a translation gives it in brackets: "ファイル(&F)".
QString plainText(const char* menuText)
{
    static const QRegularExpression bracketedKey(QStringLiteral("\\(&[^)]\\)"));
    return commandText(menuText).remove(bracketedKey).remove(QLatin1Char('&'));
}

QString helpLink(const char* page, const char* text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QLatin1String(page), QCoreApplication::translate("frametexts", text).toHtmlEscaped());
}
}  // namespace

CCommandTable::CCommandTable(QWidget& window, std::function<bool()> commitPendingEdits)
    : QObject(&window), m_window(window), m_commitPendingEdits(std::move(commitPendingEdits))
{
}

QAction* CCommandTable::add(CCommandRow row)
{
    auto* action = new QAction(commandText(row.text), &m_window);
    action->setProperty("obrixCommand", static_cast<int>(row.id));
    if (row.icon) action->setIcon(appIcon(row.icon));
    if (row.status)
    {
        const auto [status, tip] = splitStatusText(row.status);
        action->setStatusTip(status);
        action->setToolTip(tip);
    }
    action->setShortcuts(row.keys);
    action->setCheckable(row.checkable);
    // A command works on what the pages show, text still being typed included; this runs
    // before the command itself.
    if (row.commitsFirst && m_commitPendingEdits)
        connect(action, &QAction::triggered, this, [this] { m_commitPendingEdits(); });
    if (row.run)
        connect(action, &QAction::triggered, this, [this, id = row.id, run = row.run] {
            if (m_runner) m_runner(id, run);
            else run();
        });
    // Keys work whether or not the action sits in a menu or on the visible toolbar.
    m_window.addAction(action);
    m_actions[index(row.id)] = action;
    m_rows.push_back(std::move(row));
    return action;
}

QAction* CCommandTable::action(CCommand id) const { return id == CCommand::Count ? nullptr : m_actions[index(id)]; }

CCommand CCommandTable::commandForKey(const QKeySequence& key) const
{
    for (const CCommandRow& row : m_rows)
        if (row.keys.contains(key)) return row.id;
    return CCommand::Count;
}

std::vector<const CCommandRow*> CCommandTable::menuRows(CMenuPlace place) const
{
    std::vector<const CCommandRow*> items;
    for (const CCommandRow& row : m_rows)
        if (row.menu == place) items.push_back(&row);
    std::stable_sort(items.begin(), items.end(),
                     [](const CCommandRow* a, const CCommandRow* b) { return a->menuGroup < b->menuGroup; });
    return items;
}

void CCommandTable::fillMenus(QMenuBar& bar) const
{
    using namespace frametexts;
    const std::pair<CMenuPlace, const char*> menus[] = {
        {CMenuPlace::File, kFileMenu}, {CMenuPlace::Edit, kEditMenu}, {CMenuPlace::View, kViewMenu},
        {CMenuPlace::Help, kHelpMenu}};
    for (const auto& [place, title] : menus)
    {
        QMenu* menu = bar.addMenu(commandText(title));
        int group = -1;
        for (const CCommandRow* row : menuRows(place))
        {
            if (group >= 0 && row->menuGroup != group) menu->addSeparator();
            group = row->menuGroup;
            menu->addAction(action(row->id));
        }
        // Some rules depend on state that changes without telling anyone (a box being
        // typed into): look again whenever a menu opens.
        connect(menu, &QMenu::aboutToShow, this, &CCommandTable::updateEnabled);
    }
}

void CCommandTable::fillToolBar(QToolBar& bar) const
{
    std::vector<const CCommandRow*> onBar;
    for (const CCommandRow& row : m_rows)
        if (row.toolbarGroup >= 0) onBar.push_back(&row);
    std::stable_sort(onBar.begin(), onBar.end(),
                     [](const CCommandRow* a, const CCommandRow* b) { return a->toolbarGroup < b->toolbarGroup; });
    int group = -1;
    for (const CCommandRow* row : onBar)
    {
        if (group >= 0 && row->toolbarGroup != group) bar.addSeparator();
        group = row->toolbarGroup;
        bar.addAction(action(row->id));
    }
}

void CCommandTable::updateEnabled() const
{
    for (const CCommandRow& row : m_rows)
        if (row.enabled) action(row.id)->setEnabled(row.enabled());
}

QString CCommandTable::keyboardPage() const
{
    QString rows;
    const auto addRows = [&](CMenuPlace place) {
        for (const CCommandRow* row : menuRows(place))
        {
            if (row->keys.isEmpty()) continue;
            QStringList keys;
            for (const QKeySequence& key : row->keys) keys << key.toString(QKeySequence::NativeText).toHtmlEscaped();
            // (A status text written with a backslash before its tool tip is cut there.)
            const QString what = row->status ? splitStatusText(row->status).first.section(QLatin1Char('\\'), 0, 0)
                                             : QString();
            rows += QStringLiteral("<tr><th>%1</th><td>%2</td><td>%3</td></tr>\n")
                        .arg(keys.join(QStringLiteral(", ")), plainText(row->text).toHtmlEscaped(),
                             what.toHtmlEscaped());
        }
    };
    // A key without a menu item (Clone's, kept greyed) is no command to learn.
    for (CMenuPlace place : {CMenuPlace::File, CMenuPlace::Edit, CMenuPlace::View, CMenuPlace::Help}) addRows(place);
    using namespace frametexts;
    const QString title = QCoreApplication::translate("frametexts", kKeyboardTitle).toHtmlEscaped();
    const QString navigation = QStringList{helpLink("index.html", kHelpContents), helpLink("window.html", kHelpWindowPage),
                                           helpLink("commands.html", kHelpCommandsPage), helpLink("keys.html", kKeyboardTitle),
                                           helpLink("saving.html", kHelpSavingPage)}
                                   .join(QStringLiteral(" | "));
    // One pass: a translated text holding "%2" stays as it is.
    return QStringLiteral("<html><head><title>%1</title><link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">"
                          "</head><body><p class=\"nav\">%2</p><h1>%1</h1><table>%3</table><p class=\"note\">%4</p>"
                          "</body></html>")
        .arg(title, navigation, rows, QCoreApplication::translate("frametexts", kKeyboardNote).toHtmlEscaped());
}
