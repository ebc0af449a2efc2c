#pragma once

#include "exchange/StatsReport.h"

#include <QDialog>

#include <array>

enum class CTextEncoding;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The statistics grid's filters. The dialog edits a copy: Cancel leaves the page's
// filters as they were.
class CFiltersDialog : public QDialog
{
    Q_OBJECT

public:
    // Rows of operator and number: Value, the thirteen skills, Rating.
    static constexpr int ValueRow = 0;
    static constexpr int FirstSkillRow = 1;
    static constexpr int RatingRow = FirstSkillRow + int(CStatsFilters::SkillFilterCount);
    static constexpr int NumberRowCount = RatingRow + 1;

    // The name filter is held in the database's 8-bit encoding, as the labels it is
    // matched against.
    CFiltersDialog(const CStatsFilters& filters, CTextEncoding encoding, QWidget* parent = nullptr);

    CStatsFilters filters() const;
    // Every choice and operator back to none and every number to 0; the name stays.
    void reset();

    QLineEdit* nameEdit() const { return m_name; }
    QComboBox* positionCombo() const { return m_position; }
    QComboBox* internationalCombo() const { return m_international; }
    QComboBox* operatorCombo(int row) const { return m_operators[std::size_t(row)]; }
    QSpinBox* numberSpin(int row) const { return m_numbers[std::size_t(row)]; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* resetButton() const { return m_reset; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void showFilters(const CStatsFilters& filters);

    CTextEncoding m_encoding;
    QLineEdit* m_name;
    QComboBox* m_position;
    QComboBox* m_international;
    std::array<QComboBox*, NumberRowCount> m_operators{};
    std::array<QSpinBox*, NumberRowCount> m_numbers{};
    QPushButton* m_ok;
    QPushButton* m_reset;
    QPushButton* m_cancel;
};
