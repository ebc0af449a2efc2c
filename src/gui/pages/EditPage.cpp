#include "pages/EditPage.h"

#include "app/AboutBox.h"
#include "app/ObrixApp.h"
#include "editing/PageTexts.h"
#include "util/TextCodec.h"
#include "widgets/FormLabel.h"
#include "widgets/HyperlinkLabel.h"
#include "widgets/TextBoxLimit.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

CEditPage::CEditPage(CObrixApp& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    // The pane is sized by the user; rather than clip the page, let it scroll.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_content = new QWidget(scroll);
    scroll->setWidget(m_content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

CHyperlinkLabel* CEditPage::makeAboutLink()
{
    auto* link = new CHyperlinkLabel(m_content);
    link->setToolTip(pageform::text(pagetexts::kAboutLink));
    connect(link, &CHyperlinkLabel::clicked, this, [this] { CAboutBox(m_app, window()).exec(); });
    return link;
}

void CEditPage::addTextBox(QLineEdit* box, std::function<CCommitResult(const std::string&)> commit,
                           std::function<std::size_t()> limit)
{
    m_textBoxes.push_back({box, std::move(commit)});
    if (limit) new CTextBoxLimit(box, std::move(limit), [this] { return encoding(); });
    // Enter, or the focus leaving the box. A message box shown by the commit takes the
    // focus too; the busy flag keeps that from committing a second time.
    connect(box, &QLineEdit::editingFinished, this, [this, box] {
        for (const CTextBox& entry : m_textBoxes)
            if (entry.box == box) commitBox(entry);
    });
}

CCommitResult CEditPage::commitBox(const CTextBox& entry)
{
    QLineEdit* box = entry.box;
    if (m_busy || !box->isModified() || !box->isEnabled()) return CCommitResult::Unchanged;
    m_busy = true;
    const CCommitResult result = entry.commit(box->text().toStdString());
    // A refused value is not left in the box: the page shows what the record holds, so the
    // box never looks stored when it is not, and leaving it later asks nothing again.
    showPage();
    box->setModified(false);
    m_busy = false;
    return result;
}

bool CEditPage::commitFocusedEdit()
{
    for (const CTextBox& entry : m_textBoxes)
        if (entry.box->hasFocus() && commitBox(entry) == CCommitResult::Refused) return false;
    return true;
}

bool CEditPage::commitPendingEdits()
{
    bool committed = true;
    for (const CTextBox& entry : m_textBoxes)
        if (commitBox(entry) == CCommitResult::Refused) committed = false;
    return committed;
}

bool CEditPage::hasPendingEdits() const
{
    for (const CTextBox& entry : m_textBoxes)
        if (entry.box->isModified() && entry.box->isEnabled()) return true;
    return false;
}

void CEditPage::showPage()
{
    ++m_refills;
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget* w : m_content->findChildren<QWidget*>()) blockers.push_back(std::make_unique<QSignalBlocker>(w));
    showState();
}

CTextEncoding CEditPage::encoding() const { return encodingForLanguage(m_app.db().languageCode()); }

QString CEditPage::shownText(const std::string& bytes) const { return QString::fromStdString(toUtf8(bytes, encoding())); }

namespace pageform
{
QString text(const char* fixed) { return QCoreApplication::translate("pagetexts", fixed); }
QString text(const CCommentedText& fixed) { return QCoreApplication::translate("pagetexts", fixed.source, fixed.comment); }

QLabel* label(const char* fixed, QWidget* parent)
{
    auto* l = new CFormLabel(text(fixed), parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QGridLayout* tightGrid(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

QGroupBox* group(const char* title, QWidget* parent) { return new QGroupBox(text(title), parent); }
}  // namespace pageform
