#pragma once

#include "editing/PageCommit.h"
#include "util/Translatable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QSignalBlocker;

class CHyperlinkLabel;
class CObrixApp;
enum class CTextEncoding;

// What the Player and Team pages share: a scrolled form in the data pane, the link to
// the About box, and the one road by which a control's value reaches the page's session.
// Every control commits when the user is done with its value; a text box when Enter is
// pressed or the focus leaves it, and before any command of the window runs (Save Data,
// the exit question, Restore, an import...), so nothing typed waits in a widget.
class CEditPage : public QWidget
{
    Q_OBJECT

public:
    // Commits every text box whose text the user changed. False when one was refused
    // (the user was told, and the box shows the stored value again): the caller should
    // not go on as if what was typed were stored.
    bool commitPendingEdits();
    // True while a text box holds typed text not committed yet.
    bool hasPendingEdits() const;
    // How often the page has put its record into the controls (once per change it follows).
    int refills() const { return m_refills; }

protected:
    CEditPage(CObrixApp& app, QWidget* parent);

    // The widget the page lays its groups out in.
    QWidget* content() const { return m_content; }
    CHyperlinkLabel* makeAboutLink();

    // A text box that commits through `commit` (given the text as typed). With limit, the
    // box takes no more than that many bytes of the game's encoding.
    void addTextBox(QLineEdit* box, std::function<CCommitResult(const std::string& utf8)> commit,
                    std::function<std::size_t()> limit = {});

    // Runs one session call that changes the page: a text box still being typed into is
    // committed first (unless it is refused), then the page is shown afresh. Calls made
    // while one is running (a roster refresh that reports its selection again) are dropped.
    template <typename Call>
    void run(Call call)
    {
        if (m_busy) return;
        if (!commitFocusedEdit()) return;
        m_busy = true;
        call();
        showPage();
        m_busy = false;
    }
    // Like run() without committing first: the page is loaded from the record, and what
    // the controls held is dropped.
    template <typename Call>
    void reload(Call call)
    {
        if (m_busy) return;
        m_busy = true;
        call();
        showPage();
        m_busy = false;
    }

    // Puts the session's state into the controls, their signals blocked.
    virtual void showState() = 0;

    CTextEncoding encoding() const;
    QString shownText(const std::string& bytes) const;

    CObrixApp& m_app;

private:
    struct CTextBox
    {
        QLineEdit* box;
        std::function<CCommitResult(const std::string&)> commit;
    };
    void showPage();
    CCommitResult commitBox(const CTextBox& box);
    bool commitFocusedEdit();

    QWidget* m_content = nullptr;
    std::vector<CTextBox> m_textBoxes;
    bool m_busy = false;
    int m_refills = 0;
};

// Small helpers the pages share, so that they read alike.
namespace pageform
{
// A control's caption, right-aligned against its control.
QLabel* label(const char* text, QWidget* parent);
// A group with the narrow margins the data pane has room for, and its grid.
QGridLayout* tightGrid(QGroupBox* box);
QGroupBox* group(const char* title, QWidget* parent);
// A fixed text of the pages' catalogue, translated.
QString text(const char* fixed);
// One marked with a comment that tells two meanings of the same English word apart.
QString text(const CCommentedText& fixed);
}  // namespace pageform
