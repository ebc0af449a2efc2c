#pragma once

#include "exchange/StatsReport.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class CObrixApp;
class CChange;
class CLeagueTree;
class CStatsGridFill;
class CStatsGridModel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTableView;

// Tab 3 of the data sheet: teams chosen from a tree of leagues, a grid of their players
// that the filters narrow, the grid printed, and a text report of the chosen teams.
class CStatsPage : public QWidget
{
    Q_OBJECT

public:
    explicit CStatsPage(CObrixApp& app, QWidget* parent = nullptr);
    ~CStatsPage() override;

    // Follows a change of the document: teams or players added, moved or copied refill
    // the tree and empty the chosen teams and the grid (at once, or when next shown); any
    // other change relabels the chosen teams in place.
    void followChange(const CChange& change);

    // The buttons' work, callable without a click.
    void add();
    void addAll();
    void remove();
    void removeAll();
    void writeToFile();
    // Opens the Filters dialog; OK takes its filters and refills the grid.
    void editFilters();
    // Takes the dialog's answer as if the user had pressed OK there.
    void applyFilters(const CStatsFilters& filters);
    void print();
    // What "Print" prints: the grid's column titles and rows as shown (the column the
    // grid hides left out).
    QStringList gridTitles() const;
    QList<QStringList> gridRows() const;
    void updateGrid();
    void updateGridKeepingOrder();
    void setKind(CStatsKind kind);

    std::vector<uint32_t> chosenTeams() const;
    const CStatsFilters& filters() const { return m_filters; }
    bool filtersActive() const { return m_filtersActive; }
    bool filling() const;
    CStatsKind kind() const { return m_kind; }
    CReportFormat format() const;

    CLeagueTree* tree() const { return m_tree; }
    QListWidget* chosenList() const { return m_chosen; }
    QLineEdit* summaryLine() const { return m_summary; }
    QTableView* grid() const { return m_grid; }
    CStatsGridModel* gridModel() const { return m_model; }
    QPushButton* button(const char* caption) const;
    QRadioButton* plainButton() const { return m_plain; }
    QRadioButton* delimitedButton() const { return m_delimited; }
    QRadioButton* playerStatsButton() const { return m_playerStats; }
    QRadioButton* characteristicsButton() const { return m_characteristics; }

signals:
    // A fill has put its rows into the grid.
    void gridFilled();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refill();
    // The grid's columns for the kind shown, headed and sized to their titles.
    void setColumns();
    void sizeColumns();
    void splitLists();
    QStringList shownColumns(const QStringList& cells) const;
    // A refill now when shown, else when next shown.
    void startAgain();
    void relabelChosen(const std::vector<uint32_t>& teamIds);
    void addNode(const QModelIndex& node);
    void chooseTeam(uint32_t teamId);
    void returnTeams(const std::vector<uint32_t>& teamIds);
    void sortLeagueTeams(uint32_t leagueValue);
    void setStatus(const QString& text);
    QString teamText(uint32_t teamId) const;
    // A status text with the team's label in place of its "%s".
    QString announcement(const char* format, uint32_t teamId) const;
    QString summaryText() const;
    void fillFinished(const QList<QStringList>& rows);
    void endFill();

    CObrixApp& m_app;
    // Rows a column's width is measured on.
    static constexpr int kMeasuredRows = 300;

    CLeagueTree* m_tree;
    QListWidget* m_chosen;
    QRadioButton* m_plain;
    QRadioButton* m_delimited;
    QRadioButton* m_playerStats;
    QRadioButton* m_characteristics;
    QLineEdit* m_summary;
    QSplitter* m_splitter = nullptr;
    QTableView* m_grid;
    CStatsGridModel* m_model;
    CStatsGridFill* m_fill;
    std::vector<QPushButton*> m_buttons;
    CStatsKind m_kind = CStatsKind::PlayerStats;
    CStatsFilters m_filters;
    bool m_filtersActive = false;
    bool m_opened = false;
    bool m_stale = false;
    // An edit changed what the grid shows (names, skills, marks): filled again when shown,
    // in the order the user had sorted it.
    bool m_gridStale = false;
    int m_keptSortColumn = -1;
    Qt::SortOrder m_keptSortOrder = Qt::AscendingOrder;
    bool m_waitCursor = false;
    bool m_userSplit = false;  // the user moved the splitter: the page keeps his sizes
};
