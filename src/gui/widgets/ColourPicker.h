#pragma once

#include <QColor>
#include <QFrame>
#include <QPushButton>

class QToolButton;

class CColourPopup;

// A push button painted in a kit colour. Pressing it drops down the game's named kit
// colours (entries 0..22) and "Not Used" (entry 23), each with its swatch; choosing one
// repaints the button and reports the entry. The caller stores
// kitColourForPickerEntry(entry): Not Used is stored as Black (22).
//
// Kit fields hold palette indexes only, so the picker offers no free colour of its own.
class CColourPicker : public QPushButton
{
    Q_OBJECT

public:
    explicit CColourPicker(QWidget* parent = nullptr);
    ~CColourPicker() override;

    // The stored value the button shows, 0..22; a record can hold up to 31, and anything
    // that is not a kit colour is shown black.
    void setColour(int value);
    int colour() const { return m_value; }
    // What the button paints itself in.
    QColor buttonColour() const;

    // The drop-down, created on first use; tests and screenshots reach it here.
    QWidget* popup();
    // Opens the drop-down below the button.
    void showPopup();

    QSize sizeHint() const override;

signals:
    // entry 0..23 as listed; 23 is "Not Used".
    void colourChosen(int entry);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(int entry);

    int m_value = 0;
    CColourPopup* m_popup = nullptr;
};

// The drop-down of a colour picker: the 24 entries in two columns of twelve, in the
// palette's order down each column.
class CColourPopup : public QFrame
{
    Q_OBJECT

public:
    explicit CColourPopup(QWidget* parent = nullptr);

    QToolButton* entryButton(int entry) const;
    // Marks the entry the button shows, so the eye finds the current colour.
    void setCurrent(int entry);

signals:
    void chosen(int entry);

private:
    QList<QToolButton*> m_entries;
};
